/** @file
 * ViscHandler: one assay's components, composition, measured viscosity data and
 * viscosity results, with the crude-oil viscosity correlation and the characterization
 * steps. C++ only; hosts that need a C interface use the integer handles of
 * QIRAViscHandles.h.
 *
 * Units: temperatures of bulk points, curves, hypo curves and standard curves in degrees
 * Celsius; component boiling points and Tc in kelvin; pressure in kPa (the
 * characterization evaluates at 101.325 kPa); densities kg/m3 and kmol/m3; kinematic
 * viscosity cSt, dynamic cP. m_IsKinVisc says which kind the handler's viscosity data are.
 * Missing values are -32767.0 (-32767 in integer arrays).
 *
 * Arrays are owned by the handler through standard containers. An "absent" array is an
 * empty container; the pointer getters return null for it. Component and curve indices
 * beyond the stored arrays are ignored (nothing is read or written; getters of one value
 * return -32767.0).
 *
 * Methods keep plain, non-const signatures: hosts link against these decorated names.
 */
#ifndef QIRA_VISCHANDLER_H
#define QIRA_VISCHANDLER_H

#ifdef __cplusplus

#include <cstdint>
#include <memory>
#include <vector>

#include "QIRAExport.h"

/** Property record of one component. Fields the host never set read as 0. */
struct pc_comp_data {
  std::uint32_t TypeFlags = 0; ///< bit 0: hydrocarbon-type flag
  float Tc = 0.0f;             ///< critical temperature, K
  float Pc = 0.0f;             ///< critical pressure, kPa
  float Vc = 0.0f;             ///< critical volume, m3/kmol
  float Omega = 0.0f;          ///< acentric factor
  float Mw = 0.0f;             ///< molecular weight, kg/kmol
  float Boil = 0.0f;           ///< normal boiling point, K
  float LiqDen = 0.0f;         ///< liquid density, kg/m3
  float Wsrk = 0.0f;           ///< COSTALD (SRK) acentric factor
  float Vchar = 0.0f;          ///< COSTALD characteristic volume, m3/kmol
  float ThetaA = 0.0f;         ///< viscosity theta A of the crude-oil correlation
  float ThetaB = 0.0f;         ///< viscosity theta B
};

/** Per-component evaluation record of the crude-oil correlation. */
struct pc_vs_data {
  double x = 0.0;              ///< mole fraction in the mixture being evaluated
  double SqrtF = 0.0;          ///< work value: square root of the temperature factor f
  double CbrtH = 0.0;          ///< work value: cube root of the volume factor h
  pc_comp_data* Comp = nullptr;///< the component's property record
  double Extra1 = 0.0;         ///< set to 0.0 by SetVsdata; not read
  double Extra2 = 0.0;         ///< set to 0.0 by SetVsdata; not read
};

/** One assay's viscosity model: components, composition, measured data and results
 * (see the file comment for units and the handle interface of QIRAViscHandles.h). */
class QIRA_API ViscHandler {
 public:
  /** An empty handler: no components, dynamic data, Refutas constants 33.468, 23.097,
   * 0.8, 50 shifting iterations, the crude-oil constants filled by initvisc. */
  ViscHandler();
  /** Releases every array and record the handler owns. */
  ~ViscHandler();
  /** Deep copy: the copy owns its own arrays and records, and its pc_vs_data records
   * point at its own property records.
   * @param[in] other the handler copied
   */
  ViscHandler(const ViscHandler& other);
  /** Deep copy, as the copy constructor.
   * @param[in] other the handler copied
   */
  ViscHandler& operator=(const ViscHandler& other);

  /** @name Data model and accessors */
  /** @{ */
  /** Stores n and reallocates every per-component array (earlier values are gone).
   * @param[in] n number of components
   */
  void SetNumbComp(int n);
  /** Stores h and reallocates m_HypoBPs for h values.
   * @param[in] h number of hypothetical components
   */
  void SetNumbHypoComp(int h);
  /** Stores the number of user curves c only.
   * @param[in] c number of user curves
   */
  void SetNcurves(int c);
  /** Iteration budget of the bulk shifting searches (default 50).
   * @param[in] maxIter iteration budget
   */
  void SetMaxIter(int maxIter);
  /** Stores the host's identifier of the handler.
   * @param[in] id the host's identifier
   */
  void SetMyUniqueID(int id);
  /** The host's identifier (-1 until set). */
  int GetMyUniqueID();
  /** Refutas constant A of VBI = A log10(log10(nu + C)) + B (default 33.468).
   * @param[in] a constant A
   */
  void SetRefutasA(double a);
  /** Refutas constant B (default 23.097).
   * @param[in] b constant B
   */
  void SetRefutasB(double b);
  /** Refutas constant C (default 0.8).
   * @param[in] c constant C
   */
  void SetRefutasC(double c);
  /** true: the Refutas route for bulk values and standard curves; false: the crude-oil
   * correlation route.
   * @param[in] use true for the Refutas route
   */
  void SetUseRefutas(bool use);
  /** true: the handler's viscosity data are kinematic (cSt); false: dynamic (cP).
   * @param[in] kinematic true for kinematic data
   */
  void SetViscosityType(bool kinematic);
  /** True when the handler's viscosity data are kinematic. */
  bool IsKinVisc();
  /** true: the driver does not generate thetas before shifting.
   * @param[in] korum true to skip theta generation
   */
  void SetIsKorumProp(bool korum);
  /** Component i's normal boiling point, K.
   * @param[in] i component index
   * @param[in] kelvin normal boiling point, K
   */
  void SetDCompBPs(int i, double kelvin);
  /** Component i's hypothetical flag.
   * @param[in] i component index
   * @param[in] flag hypothetical flag
   */
  void SetIsHypo(int i, int flag);
  /** Component i's hypothetical flag; -32767 for an index beyond the array.
   * @param[in] i component index
   */
  int IsHypo(int i);
  /** Component i's critical temperature, K (property record).
   * @param[in] i component index
   * @param[in] v critical temperature, K
   */
  void SetTc(int i, float v);
  /** Component i's critical pressure, kPa.
   * @param[in] i component index
   * @param[in] v critical pressure, kPa
   */
  void SetPc(int i, float v);
  /** Component i's critical volume, m3/kmol.
   * @param[in] i component index
   * @param[in] v critical volume, m3/kmol
   */
  void SetVc(int i, float v);
  /** Component i's acentric factor.
   * @param[in] i component index
   * @param[in] v acentric factor
   */
  void SetOmega(int i, float v);
  /** Component i's molecular weight, kg/kmol.
   * @param[in] i component index
   * @param[in] v molecular weight, kg/kmol
   */
  void SetMw(int i, float v);
  /** Component i's normal boiling point in its property record, K.
   * @param[in] i component index
   * @param[in] v normal boiling point, K
   */
  void SetBoil(int i, float v);
  /** Component i's liquid density, kg/m3.
   * @param[in] i component index
   * @param[in] v liquid density, kg/m3
   */
  void SetLiqDen(int i, float v);
  /** Component i's COSTALD acentric factor.
   * @param[in] i component index
   * @param[in] v COSTALD acentric factor
   */
  void SetWsrk(int i, float v);
  /** Component i's COSTALD characteristic volume, m3/kmol.
   * @param[in] i component index
   * @param[in] v COSTALD characteristic volume, m3/kmol
   */
  void SetVchar(int i, float v);
  /** Component i's viscosity theta A.
   * @param[in] i component index
   * @param[in] v theta A
   */
  void SetThetaA(int i, float v);
  /** Component i's viscosity theta B.
   * @param[in] i component index
   * @param[in] v theta B
   */
  void SetThetaB(int i, float v);
  /** Component i's hydrocarbon-type flag (bit 0 of TypeFlags).
   * @param[in] i component index
   * @param[in] hydrocarbon hydrocarbon-type flag
   */
  void SetTypeHc(int i, bool hydrocarbon);
  /** Component i's mole fraction; links its evaluation record to its property record.
   * @param[in] i component index
   * @param[in] moleFraction mole fraction
   */
  void SetVsdata(int i, float moleFraction);
  /** Theta A of component i's property record widened to double; -32767.0 without a
   * record.
   * @param[in] i component index
   */
  double GetQiraThetaA(int i);
  /** Theta B of component i's property record; -32767.0 without a record.
   * @param[in] i component index
   */
  double GetQiraThetaB(int i);
  /** m_ThetaA[i], the fitted theta A.
   * @param[in] i component index
   */
  double GetThetaA(int i);
  /** m_ThetaB[i], the fitted theta B.
   * @param[in] i component index
   */
  double GetThetaB(int i);
  /** Kinematic viscosity (cSt) of component i at 38 C; -32767.0 where none.
   * @param[in] i component index
   */
  double GetCpvVisc38(int i);
  /** As GetCpvVisc38(int), at 50 C.
   * @param[in] i component index
   */
  double GetCpvVisc50(int i);
  /** As GetCpvVisc38(int), at 60 C.
   * @param[in] i component index
   */
  double GetCpvVisc60(int i);
  /** As GetCpvVisc38(int), at 100 C.
   * @param[in] i component index
   */
  double GetCpvVisc100(int i);
  /** The array of standard viscosities at 38 C (null when absent). */
  double* GetCpvVisc38();
  /** The array of standard viscosities at 50 C (null when absent). */
  double* GetCpvVisc50();
  /** The array of standard viscosities at 60 C (null when absent). */
  double* GetCpvVisc60();
  /** The array of standard viscosities at 100 C (null when absent). */
  double* GetCpvVisc100();
  /** Measured bulk temperatures (C); null when absent. */
  double* GetBulkTemp();
  /** Measured bulk viscosities; null when absent. */
  double* GetBulkValues();
  /** Calculated bulk viscosities; null when absent. */
  double* GetCalcBulkValues();
  /** Hypo-curve temperatures (C); null when absent. */
  double* GetHypoTempCrvs();
  /** Number of bulk points. */
  int GetNumbBulkPts();
  /** Number of user curves. */
  int GetNcurves();
  /** Number of hypo curves. */
  int GetNHypoCurves();
  /** Number of components. */
  int GetNumbComp();
  /** Number of hypothetical components. */
  int GetNumbHypoComp();
  /** @} */

  /** @name Crude-oil viscosity correlation
   * Extended corresponding states with methane as the reference fluid: Ely, J.F. and
   * Hanley, H.J.M., 1981, "Prediction of transport properties. 1. Viscosity of fluids and
   * mixtures", Ind. Eng. Chem. Fundam. 20(4):323-332, with the component's temperature
   * factor carrying its two thetas, theta = exp(ThetaA + ThetaB ln Tr). */
  /** @{ */
  /** Dynamic viscosity (cP) of the mixture in recs at T (K), P (kPa), molar density
   * rhom (kmol/m3). A record counts when its x exceeds 1e-7 and it is linked to its
   * property record; writes the work values of every counting record. -32767.0 when
   * recs is null, nothing counts, rhom is 0 or the derivative sum Q is 0.
   * @param[in] n number of records
   * @param[in] T temperature, K
   * @param[in] P pressure, kPa
   * @param[in,out] recs [n] evaluation records (work values written)
   * @param[in] rhom molar density, kmol/m3
   */
  double viscrude(int n, double T, double P, pc_vs_data* recs, double rhom);
  /** Reference-fluid (methane) viscosity (micropoise): dilute-gas sum, first-density
   * term and dense-fluid term of the Ely-Hanley reference, at the mapped state.
   * @param[in] rhom molar density, kmol/m3
   * @param[in] T temperature, K
   * @param[in] AF [35] reference-fluid constants (m_CrudeConst)
   * @param[in] J [7] dense-fluid constants j1..j7
   * @param[in] fx mixture factor f
   * @param[in] q the derivative sum Q
   * @param[in] hx mixture factor h
   * @param[in] Mx mixture molecular weight, kg/kmol
   * @param[in] Zcx mixture critical compressibility
   * @param[in] k reference-fluid state factor
   */
  double crvscty(double rhom, double T, const double* AF, const double* J, double fx,
                 double q, double hx, double Mx, double Zcx, double k);
  /** Fills m_CrudeConst with the 35 reference-fluid constants. */
  void initvisc();
  /** Signed real cube root.
   * @param[in] x the number
   */
  static double cbrt(double x);
  /** @} */

  /** @name Component liquid properties
   * t in C, p in kPa, x: n mole fractions. x null gives -32767.0. The viscosities are
   * -32767.0 where viscrude gives none or (kinematic) the mass density is missing or 0. */
  /** @{ */
  /** Molar density (kmol/m3) by the pc_xden2 rules with the COSTALD acentric factors.
   * @param[in] t temperature, C
   * @param[in] p pressure, kPa
   * @param[in] x [m_NumbComp] mole fractions
   */
  double LiquidMolarDensity(double t, double p, double* x);
  /** Molecular weight (kg/kmol), sum of x_i Mw_i.
   * @param[in] x [m_NumbComp] mole fractions
   */
  double MolecularWeight(double* x);
  /** Mass density (kg/m3), MolecularWeight x LiquidMolarDensity (-32767.0 when either is).
   * @param[in] t temperature, C
   * @param[in] p pressure, kPa
   * @param[in] x [m_NumbComp] mole fractions
   */
  double LiquidMassDensity(double t, double p, double* x);
  /** Dynamic viscosity (cP) by viscrude; x becomes the stored composition.
   * @param[in] t temperature, C
   * @param[in] p pressure, kPa
   * @param[in,out] x [m_NumbComp] mole fractions, stored as the composition
   */
  double LiquidViscosity(double t, double p, double* x);
  /** Kinematic viscosity (cSt) = dynamic / mass density x 1000; x becomes the stored
   * composition.
   * @param[in] t temperature, C
   * @param[in] p pressure, kPa
   * @param[in,out] x [m_NumbComp] mole fractions, stored as the composition
   */
  double LiquidKinematicViscosity(double t, double p, double* x);
  /** dynamic (cP) = kinematic (cSt) x density (kg/m3) / 1000.
   * @param[in] kinematic kinematic viscosity, cSt
   * @param[out] dynamic dynamic viscosity, cP
   * @param[in] density density, kg/m3
   */
  void ConvertToDynamicVisc(double kinematic, double& dynamic, double density);
  /** kinematic (cSt) = dynamic (cP) x 1000 / density (kg/m3).
   * @param[out] kinematic kinematic viscosity, cSt
   * @param[in] dynamic dynamic viscosity, cP
   * @param[in] density density, kg/m3
   */
  void ConvertToKinematicVisc(double& kinematic, double dynamic, double density);
  /** @} */

  /** @name Bulk viscosity values */
  /** @{ */
  /** Stores b measured bulk points (C, handler's unit); always false.
   * @param[in] b number of bulk points
   * @param[in] temps [b] temperatures, C
   * @param[in] values [b] viscosities, handler's unit
   */
  bool SetMyBulkValues(int b, double* temps, double* values);
  /** Moves the bulk points onto the hypo-curve temperatures (measured values kept where
   * a temperature matches, the rest read along the Walther line of the measured points). */
  void SyncronizeBulkValues();
  /** Calculated bulk values at the bulk temperatures by viscrude with every component's
   * thetas; false without bulk points. */
  bool GenerateBulkValuesZARIX();
  /** Calculated bulk values at the hypo temperatures by the Refutas blend (mass fractions)
   * of the components' viscosities from the curves (null: the hypo curves).
   * @param[in] curves [m_NHypoCurves][m_NumbComp] hypo-curve rows (null: the handler's)
   */
  bool GenerateBulkValuesRefutas(double** curves);
  /** The assay's kinematic viscosity (cSt) by viscrude at each hypo temperature, into
   * out (k values).
   * @param[out] out [m_NHypoCurves] kinematic viscosities, cSt
   */
  void GenerateBulkKinViscValuesZARIX(double* out);
  /** The same values as GenerateBulkKinViscValuesZARIX, for the Refutas route.
   * @param[out] out [m_NHypoCurves] kinematic viscosities, cSt
   */
  void GenerateBulkKinViscValuesRefutas(double* out);
  /** @} */

  /** @name Standard viscosity curves and thetas
   * GenerateThetas: false for fewer than two hypo curves or no hypothetical component;
   * a component with a missing hypo value is not fitted (its thetas stay, and it counts
   * as a failed fit). Standard values are kinematic (cSt) for every data type; in the
   * curve route a missing hypo value stays missing (the result is then -32767.0). */
  /** @{ */
  /** Fits each hypothetical component's thetas to its hypo-curve values (pc_fitvisc);
   * curves null: the handler's hypo curves.
   * @param[in] curves [m_NHypoCurves][m_NumbComp] hypo-curve rows (null: the handler's)
   */
  bool GenerateThetas(double** curves);
  /** Standard viscosities at 38, 50, 60 and 100 C from viscrude with the fitted thetas. */
  bool GenerateStandardViscCurvesFromTheta();
  /** Standard viscosities at 38, 50, 60 and 100 C read off the hypo curves along the
   * Walther line. */
  bool GenerateStandardViscCurvesRefutas();
  /** @} */

  /** @name Hypothetical-component viscosity curves
   * SortHypoBPs keeps only the boiling points of flagged components when fewer than
   * m_NumbHypoComp are flagged. CurveFitViscosity leaves -32767.0 for values the
   * interpolation does not produce (fewer than three knots). GetLinearFit with no
   * spread in x gives the level line through the mean ordinate (slope 0). Results of
   * Walther inverse overflow (absurdly high viscosities) are not-a-number. */
  /** @{ */
  /** Sorts the hypothetical components' boiling points and records their positions. */
  void SortHypoBPs();
  /** Creates c empty user-curve slots; always true.
   * @param[in] c number of user-curve slots
   */
  bool InitializeMyCurves(int c);
  /** Stores user curve number curve (npts boiling points C and viscosities at temp C);
   * always true.
   * @param[in] curve slot index
   * @param[in] npts number of points
   * @param[in] temp curve temperature, C
   * @param[in] bps [npts] boiling points, C
   * @param[in] viscs [npts] viscosities
   */
  bool SetOneCurve(int curve, int npts, double temp, double* bps, double* viscs);
  /** Sets the number and temperatures of the hypo curves from the user curves and bulk
   * points. */
  void SetNumberOfHypoCurves();
  /** Fills the hypo curves from the user curves or the Twu estimate; always false. */
  bool InitHypoCurves();
  /** Interpolates one curve (boiling points C, viscosities) through the pentane anchor
   * at the hypothetical components' boiling points into out (n values); always true.
   * @param[in] npts number of points
   * @param[in] temp curve temperature, C
   * @param[in] bps [npts] boiling points, C
   * @param[in] viscs [npts] viscosities
   * @param[out] out [m_NumbHypoComp] viscosities at the hypothetical boiling points
   */
  bool CurveFitViscosity(int npts, double temp, double* bps, double* viscs, double* out);
  /** Pentane's viscosity at T (K) from its two reference points along the Walther line;
   * kinematic (cSt, at least 0.0001) or dynamic (cP).
   * @param[in] T temperature, K
   * @param[in] kinematic true for cSt, false for cP
   */
  double GetPentaneViscosityAtTemp(double T, bool kinematic);
  /** Viscosity at T (K) along the Walther line fitted through npts (viscosity, K) points.
   * @param[in] visc [npts] viscosities
   * @param[in] temps [npts] temperatures, K
   * @param[in] T temperature, K
   * @param[in] npts number of points
   */
  double GetViscAtTemp(double* visc, double* temps, double T, int npts);
  /** Least-squares line y = slope x + intercept over npts points.
   * @param[in] y [npts] ordinates
   * @param[in] x [npts] abscissae
   * @param[in] npts number of points
   * @param[out] slope [1] slope
   * @param[out] intercept [1] intercept
   */
  void GetLinearFit(double* y, double* x, int npts, double* slope, double* intercept);
  /** Copies the hypothetical components' hypo-curve values and boiling points (see
   * the handle function of the same name).
   * @param[out] curves [m_NHypoCurves][m_NumbHypoComp] hypo-curve values, row pointers
   * @param[out] bps [m_NumbHypoComp] boiling points, K
   */
  void GetHypoViscCrvsAndBP(double** curves, double* bps);
  /** @} */

  /** @name Bulk viscosity shifting */
  /** @{ */
  /** Multiplies the hypothetical components' values of hypo curve j by m, into out[j]
   * (null: in place); missing values are left alone.
   * @param[in] j hypo-curve index
   * @param[in] m multiplier
   * @param[out] out [m_NHypoCurves][m_NumbComp] shifted rows (null: in place)
   */
  void SetMultiplierToCurve(int j, double m, double** out);
  /** False when some hypothetical component's viscosity rises with temperature across
   * the curves (null: the hypo curves).
   * @param[in] curves [m_NHypoCurves][m_NumbComp] hypo-curve rows (null: the handler's)
   */
  bool CheckViscosityConsistency(double** curves);
  /** One multiplier per hypo curve by a bracketing secant search until the calculated
   * bulk values meet the measured ones; true when the shifted curves were kept. */
  bool ShiftBulkViscosity();
  /** One multiplier shared by all hypo curves by a damped secant search; always true. */
  bool ShiftBulkViscosityOneMultiplier();
  /** @} */

  /** Runs the whole characterization; always false (results are in the arrays). */
  bool CharacterizeViscosity();

  /** @name Fields, in declared order
   * Public for hosts that read them; n = m_NumbComp, k = m_NHypoCurves. */
  /** @{ */
  double m_CrudeConst[35];                        ///< reference-fluid constants (initvisc)
  bool m_IsKinVisc;                               ///< data kinematic (cSt) rather than cP
  bool m_UseRefutas;                              ///< Refutas route
  bool m_IsKorumProp;                             ///< no theta generation before shifting
  std::vector<double> m_CalcBulkValues;           ///< calculated bulk viscosities
  std::vector<double> m_BulkValues;               ///< measured bulk viscosities
  std::vector<double> m_BulkTemp;                 ///< bulk temperatures, C
  int m_NumbBulkPts;                              ///< number of bulk points
  std::vector<std::vector<double>> m_CurveVisc;   ///< user curves: viscosities
  std::vector<std::vector<double>> m_CurveBP;     ///< user curves: boiling points, C
  std::vector<double> m_CurveTemp;                ///< user curves: temperatures, C
  std::vector<int> m_CurveNpts;                   ///< user curves: point counts
  int m_Ncurves;                                  ///< number of user curves
  int m_SingleCurveNpts;                          ///< points of the only user curve
  std::vector<double> m_HypoTempCrvs;             ///< hypo-curve temperatures, C
  std::vector<std::vector<double>> m_HypoViscCrvs;///< hypo curves: k rows of n values
  int m_NHypoCurves;                              ///< k, number of hypo curves
  std::vector<double> m_DCompBPs;                 ///< component boiling points, K
  std::vector<double> m_HypoBPs;                  ///< sorted hypothetical boiling points, K
  std::vector<int> m_HypoIndex;                   ///< position among the hypotheticals
  int m_NumbHypoComp;                             ///< number of hypothetical components
  int m_NumbComp;                                 ///< n, number of components
  std::vector<pc_vs_data> m_VsData;               ///< evaluation records
  std::vector<std::unique_ptr<pc_comp_data>> m_CompData; ///< property records
  int m_MaxIter;                                  ///< shifting iteration budget
  double m_RefutasA;                              ///< Refutas constant A
  double m_RefutasB;                              ///< Refutas constant B
  double m_RefutasC;                              ///< Refutas constant C
  double m_PentaneVisc1;                          ///< pentane reference viscosity, cSt
  double m_PentaneVisc2;                          ///< second pentane reference viscosity
  double m_PentaneDensity;                        ///< pentane density, kg/m3
  std::vector<double> m_CpvVisc38;                ///< standard viscosities at 38 C, cSt
  std::vector<double> m_CpvVisc50;                ///< at 50 C, cSt
  std::vector<double> m_CpvVisc60;                ///< at 60 C, cSt
  std::vector<double> m_CpvVisc100;               ///< at 100 C, cSt
  std::vector<double> m_ThetaA;                   ///< fitted thetas A
  std::vector<double> m_ThetaB;                   ///< fitted thetas B
  std::vector<int> m_IsHypo;                      ///< hypothetical flags
  int m_MyUniqueID;                               ///< host's identifier
  /** @} */

 private:
  void AllocateMemory();
};

#endif /* __cplusplus */

#endif /* QIRA_VISCHANDLER_H */
