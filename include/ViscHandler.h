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
  std::uint32_t TypeFlags = 0; /* bit 0: hydrocarbon-type flag */
  float Tc = 0.0f;             /* critical temperature, K */
  float Pc = 0.0f;             /* critical pressure, kPa */
  float Vc = 0.0f;             /* critical volume, m3/kmol */
  float Omega = 0.0f;          /* acentric factor */
  float Mw = 0.0f;             /* molecular weight, kg/kmol */
  float Boil = 0.0f;           /* normal boiling point, K */
  float LiqDen = 0.0f;         /* liquid density, kg/m3 */
  float Wsrk = 0.0f;           /* COSTALD (SRK) acentric factor */
  float Vchar = 0.0f;          /* COSTALD characteristic volume, m3/kmol */
  float ThetaA = 0.0f;         /* viscosity theta A of the crude-oil correlation */
  float ThetaB = 0.0f;         /* viscosity theta B */
};

/** Per-component evaluation record of the crude-oil correlation. */
struct pc_vs_data {
  double x = 0.0;              /* mole fraction in the mixture being evaluated */
  double SqrtF = 0.0;          /* work value: square root of the temperature factor f */
  double CbrtH = 0.0;          /* work value: cube root of the volume factor h */
  pc_comp_data* Comp = nullptr;/* the component's property record */
  double Extra1 = 0.0;         /* set to 0.0 by SetVsdata; not read */
  double Extra2 = 0.0;         /* set to 0.0 by SetVsdata; not read */
};

class QIRA_API ViscHandler {
 public:
  ViscHandler();
  ~ViscHandler();
  /** Deep copies: the copy owns its own arrays and records, and its pc_vs_data records
   * point at its own property records. */
  ViscHandler(const ViscHandler& other);
  ViscHandler& operator=(const ViscHandler& other);

  /** ---- Data model and accessors ---- */
  void SetNumbComp(int n);      /* stores n and reallocates every per-component array */
  void SetNumbHypoComp(int h);  /* stores h and reallocates m_HypoBPs for h values */
  void SetNcurves(int c);       /* stores c only */
  void SetMaxIter(int maxIter);
  void SetMyUniqueID(int id);
  int GetMyUniqueID();
  void SetRefutasA(double a);
  void SetRefutasB(double b);
  void SetRefutasC(double c);
  void SetUseRefutas(bool use);
  void SetViscosityType(bool kinematic);
  bool IsKinVisc();
  void SetIsKorumProp(bool korum);
  void SetDCompBPs(int i, double kelvin);
  void SetIsHypo(int i, int flag);
  int IsHypo(int i);      /* -32767 for an index beyond the array */
  void SetTc(int i, float v);
  void SetPc(int i, float v);
  void SetVc(int i, float v);
  void SetOmega(int i, float v);
  void SetMw(int i, float v);
  void SetBoil(int i, float v);
  void SetLiqDen(int i, float v);
  void SetWsrk(int i, float v);
  void SetVchar(int i, float v);
  void SetThetaA(int i, float v);
  void SetThetaB(int i, float v);
  void SetTypeHc(int i, bool hydrocarbon);
  void SetVsdata(int i, float moleFraction);
  double GetQiraThetaA(int i); /* record float widened; -32767.0 without record */
  double GetQiraThetaB(int i);
  double GetThetaA(int i);     /* m_ThetaA[i] */
  double GetThetaB(int i);     /* m_ThetaB[i] */
  double GetCpvVisc38(int i);
  double GetCpvVisc50(int i);
  double GetCpvVisc60(int i);
  double GetCpvVisc100(int i);
  double* GetCpvVisc38();
  double* GetCpvVisc50();
  double* GetCpvVisc60();
  double* GetCpvVisc100();
  double* GetBulkTemp();
  double* GetBulkValues();
  double* GetCalcBulkValues();
  double* GetHypoTempCrvs();
  int GetNumbBulkPts();
  int GetNcurves();
  int GetNHypoCurves();
  int GetNumbComp();
  int GetNumbHypoComp();

  /** ---- Crude-oil viscosity correlation ---- */
  /** Dynamic viscosity (cP) of the mixture in recs at T (K), P (kPa), molar density
   * rhom (kmol/m3). A record counts when its x exceeds 1e-7 and it is linked to its
   * property record; writes the work values of every counting record. -32767.0 when
   * recs is null, nothing counts, rhom is 0 or the derivative sum Q is 0. */
  double viscrude(int n, double T, double P, pc_vs_data* recs, double rhom);
  /** Reference-fluid viscosity (micropoise). */
  double crvscty(double rhom, double T, const double* AF, const double* J, double fx,
                 double q, double hx, double Mx, double Zcx, double k);
  void initvisc();
  static double cbrt(double x); /* signed cube root */

  /** ---- Component liquid properties (t in C, p in kPa, x: n mole fractions) ----
   * x null gives -32767.0. The viscosities are -32767.0 where viscrude gives none or
   * (kinematic) the mass density is missing or 0. */
  double LiquidMolarDensity(double t, double p, double* x);
  double MolecularWeight(double* x);
  double LiquidMassDensity(double t, double p, double* x);
  double LiquidViscosity(double t, double p, double* x);
  double LiquidKinematicViscosity(double t, double p, double* x);
  void ConvertToDynamicVisc(double kinematic, double& dynamic, double density);
  void ConvertToKinematicVisc(double& kinematic, double dynamic, double density);

  /** ---- Bulk viscosity values ---- */
  bool SetMyBulkValues(int b, double* temps, double* values); /* always false */
  void SyncronizeBulkValues();
  bool GenerateBulkValuesZARIX();
  bool GenerateBulkValuesRefutas(double** curves);
  void GenerateBulkKinViscValuesZARIX(double* out);
  void GenerateBulkKinViscValuesRefutas(double* out);

  /** ---- Standard viscosity curves and thetas ----
   * GenerateThetas: false for fewer than two hypo curves or no hypothetical component;
   * a component with a missing hypo value is not fitted (its thetas stay, and it counts
   * as a failed fit). Standard values are kinematic (cSt) for every data type; in the
   * curve route a missing hypo value stays missing (the result is then -32767.0). */
  bool GenerateThetas(double** curves);
  bool GenerateStandardViscCurvesFromTheta();
  bool GenerateStandardViscCurvesRefutas();

  /** ---- Hypothetical-component viscosity curves ----
   * SortHypoBPs keeps only the boiling points of flagged components when fewer than
   * m_NumbHypoComp are flagged. CurveFitViscosity leaves -32767.0 for values the
   * interpolation does not produce (fewer than three knots). GetLinearFit with no
   * spread in x gives the level line through the mean ordinate (slope 0). Results of
   * Walther inverse overflow (absurdly high viscosities) are not-a-number. */
  void SortHypoBPs();
  bool InitializeMyCurves(int c);
  bool SetOneCurve(int curve, int npts, double temp, double* bps, double* viscs);
  void SetNumberOfHypoCurves();
  bool InitHypoCurves();
  bool CurveFitViscosity(int npts, double temp, double* bps, double* viscs, double* out);
  double GetPentaneViscosityAtTemp(double T, bool kinematic);
  double GetViscAtTemp(double* visc, double* temps, double T, int npts);
  void GetLinearFit(double* y, double* x, int npts, double* slope, double* intercept);
  void GetHypoViscCrvsAndBP(double** curves, double* bps);

  /** ---- Bulk viscosity shifting ---- */
  void SetMultiplierToCurve(int j, double m, double** out);
  bool CheckViscosityConsistency(double** curves);
  bool ShiftBulkViscosity();
  bool ShiftBulkViscosityOneMultiplier();

  /** ---- Characterization driver ---- */
  bool CharacterizeViscosity(); /* always false; results are in the arrays */

  /** ---- Fields, in declared order ---- */
  double m_CrudeConst[35];
  bool m_IsKinVisc;
  bool m_UseRefutas;
  bool m_IsKorumProp;
  std::vector<double> m_CalcBulkValues;
  std::vector<double> m_BulkValues;
  std::vector<double> m_BulkTemp;
  int m_NumbBulkPts;
  std::vector<std::vector<double>> m_CurveVisc;
  std::vector<std::vector<double>> m_CurveBP;
  std::vector<double> m_CurveTemp;
  std::vector<int> m_CurveNpts;
  int m_Ncurves;
  int m_SingleCurveNpts;
  std::vector<double> m_HypoTempCrvs;
  std::vector<std::vector<double>> m_HypoViscCrvs;
  int m_NHypoCurves;
  std::vector<double> m_DCompBPs;
  std::vector<double> m_HypoBPs;
  std::vector<int> m_HypoIndex;
  int m_NumbHypoComp;
  int m_NumbComp;
  std::vector<pc_vs_data> m_VsData;
  std::vector<std::unique_ptr<pc_comp_data>> m_CompData;
  int m_MaxIter;
  double m_RefutasA;
  double m_RefutasB;
  double m_RefutasC;
  double m_PentaneVisc1;
  double m_PentaneVisc2;
  double m_PentaneDensity;
  std::vector<double> m_CpvVisc38;
  std::vector<double> m_CpvVisc50;
  std::vector<double> m_CpvVisc60;
  std::vector<double> m_CpvVisc100;
  std::vector<double> m_ThetaA;
  std::vector<double> m_ThetaB;
  std::vector<int> m_IsHypo;
  int m_MyUniqueID;

 private:
  void AllocateMemory();
};

#endif /* __cplusplus */

#endif /* QIRA_VISCHANDLER_H */
