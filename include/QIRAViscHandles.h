/** @file
 * Integer-handle interface to ViscHandler objects: create, fill, characterize, read, delete.
 *
 * CreateViscHandler returns handles 1, 2, 3, ... in creation order; a handle is never
 * reused, also after DeleteViscHandler. Every other function names its handler by the
 * handle; for a handle no handler bears ("unregistered": never created, deleted, or not
 * a handle at all) it writes nothing and returns the fixed result given per function
 * (null, -1.0, -1 or false).
 *
 * Fill order: SetNumbComp; per component the property setters (SetTc ... SetVchar,
 * optionally SetThetaA/SetThetaB/SetTypeHc), SetVsdata (mole fraction), SetDCompBPs (K)
 * and SetIsHypo; SetNumbHypoComp with the number of hypothetical components; optionally
 * SetMyBulkValues and/or SetNcurves(c) + InitializeMyCurves(c) + one SetOneCurve per
 * curve; then CharacterizeViscosity.
 *
 * Units: temperatures of bulk points, curves and hypo curves in degrees Celsius; curve
 * boiling points in degrees Celsius; component boiling points and Tc in kelvin; pressures
 * kPa; LiqDen kg/m3; Vc and Vchar m3/kmol; viscosities cSt when the handler's data are
 * kinematic, else cP (handlers made here are dynamic); standard viscosities (GetCpvVisc*)
 * always cSt. Missing values are -32767.0 (-32767 for IsHypo).
 *
 * Indices are 0-based. An index outside the handler's arrays reads and writes nothing:
 * single-value getters then return -32767.0 (IsHypo: -32767), setters still return 1.
 * Null array arguments read and write nothing.
 *
 * Any call order is safe (characterize before filling, setters after characterizing,
 * getters at any time): values not yet produced read -32767.0 or null. Handlers never
 * deleted are kept until the process ends.
 *
 * Threads: CreateViscHandler, DeleteViscHandler and calls on different handles may run
 * on any number of threads at once; handle numbers stay unique and in creation order.
 * A call racing with DeleteViscHandler of its handle either finishes on the handler (its
 * lookup came first; the handler is destroyed when that call returns) or gives the
 * unregistered result; it never reads a destroyed handler. Two threads using ONE handle
 * at the same time, including reading a pointer getter's array while another thread
 * refills or deletes that handler, is the host's responsibility: serialise them (one
 * handler per thread is the simple way).
 */
#ifndef QIRA_VISCHANDLES_H
#define QIRA_VISCHANDLES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** @name Lifecycle */
/** @{ */

/** A new, empty handler (no components, dynamic viscosity data); returns its handle
 * (1 for the first in the process). Returns -1, creating nothing, once the handle
 * numbers are exhausted (after 2147483647 handlers) or when memory runs out. */
QIRA_API int CreateViscHandler(void);

/** Destroys the handler; nothing happens for an unregistered handle.
 * @param[in] handle handler handle
 */
QIRA_API void DeleteViscHandler(int handle);

/** Runs the whole viscosity characterization of the filled handler. Always false (also
 * when every step produced values; read the results with the getters); false for an
 * unregistered handle.
 * @param[in] handle handler handle
 */
QIRA_API bool CharacterizeViscosity(int handle);
/** @} */

/** @name Results and counts
 * The pointer getters return the handler's own arrays (do not release; valid until the
 * handler reallocates them or is deleted); null when absent or for an unregistered
 * handle. */
/** @{ */

/** Measured bulk temperatures (C), GetNumbBulkPts values.
 * @param[in] handle handler handle
 */
QIRA_API double* GetBulkTemp(int handle);
/** Measured bulk viscosities (handler's unit; -32767.0 where missing), GetNumbBulkPts values.
 * @param[in] handle handler handle
 */
QIRA_API double* GetBulkValues(int handle);
/** Calculated bulk viscosities at the bulk temperatures, GetNumbBulkPts values.
 * @param[in] handle handler handle
 */
QIRA_API double* GetCalcBulkValues(int handle);
/** Temperatures (C) of the hypo curves, GetNHypoCurves values.
 * @param[in] handle handler handle
 */
QIRA_API double* GetHypoTempCrvs(int handle);

/** Kinematic viscosity (cSt) of component i at 38 C; -32767.0 where none; -1.0 for an
 * unregistered handle.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API double GetCpvVisc38(int handle, int i);
/** As GetCpvVisc38, at 50 C.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API double GetCpvVisc50(int handle, int i);
/** As GetCpvVisc38, at 60 C.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API double GetCpvVisc60(int handle, int i);
/** As GetCpvVisc38, at 100 C.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API double GetCpvVisc100(int handle, int i);

/** Component i's viscosity theta A (its property record, widened from float); -32767.0
 * without a record; -1.0 for an unregistered handle.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API double GetThetaA(int handle, int i);
/** As GetThetaA, for theta B.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API double GetThetaB(int handle, int i);

/** Number of hypo curves; -1 for an unregistered handle.
 * @param[in] handle handler handle
 */
QIRA_API int GetNHypoCurves(int handle);
/** Number of bulk points; -1 for an unregistered handle.
 * @param[in] handle handler handle
 */
QIRA_API int GetNumbBulkPts(int handle);
/** Number of components; -1 for an unregistered handle.
 * @param[in] handle handler handle
 */
QIRA_API int GetNumbComp(int handle);
/** Number of hypothetical components; -1 for an unregistered handle.
 * @param[in] handle handler handle
 */
QIRA_API int GetNumbHypoComp(int handle);

/** Component i's hypothetical flag (-1 until set); -32767 beyond the components; -1 for
 * an unregistered handle.
 * @param[in] handle handler handle
 * @param[in] i component index
 */
QIRA_API int IsHypo(int handle, int i);

/** True when the handler's viscosity data are kinematic; false for an unregistered
 * handle.
 * @param[in] handle handler handle
 */
QIRA_API bool IsKinVisc(int handle);

/** Copies the hypothetical components' hypo-curve values, in component order: curves
 * holds GetNHypoCurves arrays of at least GetNumbHypoComp values, bps GetNumbHypoComp
 * slots (boiling points, K). Writes nothing when curves, curves[0] or bps is null.
 * Returns 1; -1 for an unregistered handle.
 * @param[in] handle handler handle
 * @param[out] curves [GetNHypoCurves()][GetNumbHypoComp()] hypo-curve values, row pointers
 * @param[out] bps [GetNumbHypoComp()] boiling points, K
 */
QIRA_API int GetHypoViscCrvsAndBP(int handle, double** curves, double* bps);
/** @} */

/** @name Measured data */
/** @{ */

/** Creates n empty user-curve slots (call SetNcurves(n) too). True; false for an
 * unregistered handle.
 * @param[in] handle handler handle
 * @param[in] n number of user-curve slots
 */
QIRA_API bool InitializeMyCurves(int handle, int n);

/** Stores user curve number curve: npts (boiling point C, viscosity) pairs at temp (C);
 * missing points (-32767.0) only at the end. Nothing stored for a slot outside
 * InitializeMyCurves, npts < 1 or null arrays. True; false for an unregistered handle.
 * @param[in] handle handler handle
 * @param[in] curve slot index
 * @param[in] npts number of points
 * @param[in] temp curve temperature, C
 * @param[in] bps [npts] boiling points, C
 * @param[in] viscs [npts] viscosities
 */
QIRA_API bool SetOneCurve(int handle, int curve, int npts, double temp, const double* bps,
                          const double* viscs);

/** Stores n measured bulk points (temperatures C, viscosities in the handler's unit;
 * -32767.0 marks a missing value). Nothing stored for n < 0, null arrays or values that
 * are not numbers. Always false.
 * @param[in] handle handler handle
 * @param[in] n number of bulk points
 * @param[in] temps [n] temperatures, C
 * @param[in] values [n] viscosities, handler's unit, or -32767.0
 */
QIRA_API bool SetMyBulkValues(int handle, int n, const double* temps, const double* values);
/** @} */

/** @name Liquid properties of a mixture
 * t in C, p in kPa, x: GetNumbComp mole fractions. -32767.0 for a null x or a t or p that
 * is not a finite number; -1.0 for an unregistered handle. LiquidViscosity and
 * LiquidKinematicViscosity leave x as the handler's stored composition: set the assay's
 * again (SetVsdata) before CharacterizeViscosity. */
/** @{ */
/** Dynamic viscosity (cP) by the crude-oil viscosity correlation (ViscHandler::viscrude).
 * @param[in] handle handler handle
 * @param[in] t temperature, C
 * @param[in] p pressure, kPa
 * @param[in] x [GetNumbComp()] mole fractions
 */
QIRA_API double LiquidViscosity(int handle, double t, double p, const double* x);
/** Kinematic viscosity (cSt): LiquidViscosity / LiquidMassDensity x 1000.
 * @param[in] handle handler handle
 * @param[in] t temperature, C
 * @param[in] p pressure, kPa
 * @param[in] x [GetNumbComp()] mole fractions
 */
QIRA_API double LiquidKinematicViscosity(int handle, double t, double p, const double* x);
/** Mass density (kg/m3): MolecularWeight x LiquidMolarDensity.
 * @param[in] handle handler handle
 * @param[in] t temperature, C
 * @param[in] p pressure, kPa
 * @param[in] x [GetNumbComp()] mole fractions
 */
QIRA_API double LiquidMassDensity(int handle, double t, double p, const double* x);
/** Molar density (kmol/m3) by the rules of pc_xden2 (COSTALD with the compressed-liquid
 * correction), each component's COSTALD acentric factor serving as its acentric factor.
 * @param[in] handle handler handle
 * @param[in] t temperature, C
 * @param[in] p pressure, kPa
 * @param[in] x [GetNumbComp()] mole fractions
 */
QIRA_API double LiquidMolarDensity(int handle, double t, double p, const double* x);
/** Molecular weight (kg/kmol) of the mixture, sum of x_i Mw_i.
 * @param[in] handle handler handle
 * @param[in] x [GetNumbComp()] mole fractions
 */
QIRA_API double MolecularWeight(int handle, const double* x);
/** @} */

/** @name Setters
 * Each returns 1 when the handle is found (whatever was stored), -1 otherwise. The
 * property-record setters (SetTc ... SetThetaB) store nothing before SetNumbComp. */
/** @{ */

/** Component count n; recreates every per-component value (all earlier ones are gone).
 * A negative n stores nothing.
 * @param[in] handle handler handle
 * @param[in] n number of components
 */
QIRA_API int SetNumbComp(int handle, int n);
/** Number of hypothetical components (a negative count stores nothing).
 * @param[in] handle handler handle
 * @param[in] n number of hypothetical components
 */
QIRA_API int SetNumbHypoComp(int handle, int n);
/** Number of user curves (a negative count stores nothing).
 * @param[in] handle handler handle
 * @param[in] n number of user curves
 */
QIRA_API int SetNcurves(int handle, int n);
/** Component i's normal boiling point, K.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value normal boiling point, K
 */
QIRA_API int SetDCompBPs(int handle, int i, double value);
/** Component i's hypothetical flag (nonzero: hypothetical; 1 enters the Refutas blend
 * from its hypo curves).
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value hypothetical flag
 */
QIRA_API int SetIsHypo(int handle, int i, int value);
/** Component i's mole fraction; also links its evaluation record to its property record.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value mole fraction
 */
QIRA_API int SetVsdata(int handle, int i, float value);
/** Component i's hydrocarbon-type flag.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value hydrocarbon-type flag
 */
QIRA_API int SetTypeHc(int handle, int i, bool value);
/** Component i's critical temperature, K.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value critical temperature, K
 */
QIRA_API int SetTc(int handle, int i, float value);
/** Component i's critical pressure, kPa.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value critical pressure, kPa
 */
QIRA_API int SetPc(int handle, int i, float value);
/** Component i's critical volume, m3/kmol.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value critical volume, m3/kmol
 */
QIRA_API int SetVc(int handle, int i, float value);
/** Component i's acentric factor (of the vapour pressure).
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value acentric factor
 */
QIRA_API int SetOmega(int handle, int i, float value);
/** Component i's molecular weight, kg/kmol.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value molecular weight, kg/kmol
 */
QIRA_API int SetMw(int handle, int i, float value);
/** Component i's normal boiling point in its property record, K.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value normal boiling point, K
 */
QIRA_API int SetBoil(int handle, int i, float value);
/** Component i's liquid density, kg/m3.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value liquid density, kg/m3
 */
QIRA_API int SetLiqDen(int handle, int i, float value);
/** Component i's COSTALD (SRK) acentric factor.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value COSTALD acentric factor
 */
QIRA_API int SetWsrk(int handle, int i, float value);
/** Component i's COSTALD characteristic volume, m3/kmol.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value COSTALD characteristic volume, m3/kmol
 */
QIRA_API int SetVchar(int handle, int i, float value);
/** Component i's viscosity theta A of the crude-oil correlation.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value theta A
 */
QIRA_API int SetThetaA(int handle, int i, float value);
/** Component i's viscosity theta B of the crude-oil correlation.
 * @param[in] handle handler handle
 * @param[in] i component index
 * @param[in] value theta B
 */
QIRA_API int SetThetaB(int handle, int i, float value);
/** @} */

QIRA_C_END

#endif /* QIRA_VISCHANDLES_H */
