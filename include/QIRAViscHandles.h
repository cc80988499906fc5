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
 */
#ifndef QIRA_VISCHANDLES_H
#define QIRA_VISCHANDLES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** ---- Lifecycle ---- */

/** A new, empty handler (no components, dynamic viscosity data); returns its handle
 * (1 for the first in the process). Returns -1, creating nothing, once the handle
 * numbers are exhausted (after 2147483647 handlers) or when memory runs out. */
QIRA_API int CreateViscHandler(void);

/** Destroys the handler; nothing happens for an unregistered handle. */
QIRA_API void DeleteViscHandler(int handle);

/** Runs the whole viscosity characterization of the filled handler. Always false (also
 * when every step produced values; read the results with the getters); false for an
 * unregistered handle. */
QIRA_API bool CharacterizeViscosity(int handle);

/** ---- Results and counts ---- */

/** The handler's own arrays (do not release; valid until the handler reallocates them or
 * is deleted); null when absent or for an unregistered handle. Bulk arrays hold
 * GetNumbBulkPts values, the hypo temperatures GetNHypoCurves values. */
QIRA_API double* GetBulkTemp(int handle);
QIRA_API double* GetBulkValues(int handle);
QIRA_API double* GetCalcBulkValues(int handle);
QIRA_API double* GetHypoTempCrvs(int handle);

/** Kinematic viscosity (cSt) of component i at 38, 50, 60, 100 C; -32767.0 where none;
 * -1.0 for an unregistered handle. */
QIRA_API double GetCpvVisc38(int handle, int i);
QIRA_API double GetCpvVisc50(int handle, int i);
QIRA_API double GetCpvVisc60(int handle, int i);
QIRA_API double GetCpvVisc100(int handle, int i);

/** Component i's viscosity thetas A and B (its property record, widened from float);
 * -32767.0 without a record; -1.0 for an unregistered handle. */
QIRA_API double GetThetaA(int handle, int i);
QIRA_API double GetThetaB(int handle, int i);

/** Counts; -1 for an unregistered handle. */
QIRA_API int GetNHypoCurves(int handle);
QIRA_API int GetNumbBulkPts(int handle);
QIRA_API int GetNumbComp(int handle);
QIRA_API int GetNumbHypoComp(int handle);

/** Component i's hypothetical flag (-1 until set); -32767 beyond the components; -1 for
 * an unregistered handle. */
QIRA_API int IsHypo(int handle, int i);

/** True when the handler's viscosity data are kinematic; false for an unregistered
 * handle. */
QIRA_API bool IsKinVisc(int handle);

/** Copies the hypothetical components' hypo-curve values, in component order: curves
 * holds GetNHypoCurves arrays of at least GetNumbHypoComp values, bps GetNumbHypoComp
 * slots (boiling points, K). Writes nothing when curves, curves[0] or bps is null.
 * Returns 1; -1 for an unregistered handle. */
QIRA_API int GetHypoViscCrvsAndBP(int handle, double** curves, double* bps);

/** ---- Measured data ---- */

/** Creates n empty user-curve slots (call SetNcurves(n) too). True; false for an
 * unregistered handle. */
QIRA_API bool InitializeMyCurves(int handle, int n);

/** Stores user curve number curve: npts (boiling point C, viscosity) pairs at temp (C);
 * missing points (-32767.0) only at the end. Nothing stored for a slot outside
 * InitializeMyCurves, npts < 1 or null arrays. True; false for an unregistered handle. */
QIRA_API bool SetOneCurve(int handle, int curve, int npts, double temp, const double* bps,
                          const double* viscs);

/** Stores n measured bulk points (temperatures C, viscosities in the handler's unit;
 * -32767.0 marks a missing value). Nothing stored for n < 0, null arrays or values that
 * are not numbers. Always false. */
QIRA_API bool SetMyBulkValues(int handle, int n, const double* temps, const double* values);

/** ---- Liquid properties of a mixture (t C, p kPa, x: GetNumbComp mole fractions) ----
 * -32767.0 for a null x or a t or p that is not a finite number; -1.0 for an
 * unregistered handle. LiquidViscosity and LiquidKinematicViscosity leave x as the
 * handler's stored composition: set the assay's again (SetVsdata) before
 * CharacterizeViscosity. */
QIRA_API double LiquidViscosity(int handle, double t, double p, const double* x);          /* cP */
QIRA_API double LiquidKinematicViscosity(int handle, double t, double p, const double* x); /* cSt */
QIRA_API double LiquidMassDensity(int handle, double t, double p, const double* x);        /* kg/m3 */
QIRA_API double LiquidMolarDensity(int handle, double t, double p, const double* x);       /* kmol/m3 */
QIRA_API double MolecularWeight(int handle, const double* x);                              /* kg/kmol */

/** ---- Setters: 1 when the handle is found (whatever was stored), -1 otherwise ---- */

/** Component count n; recreates every per-component value (all earlier ones are gone).
 * A negative n stores nothing. */
QIRA_API int SetNumbComp(int handle, int n);
/** Number of hypothetical components (a negative count stores nothing). */
QIRA_API int SetNumbHypoComp(int handle, int n);
/** Number of user curves (a negative count stores nothing). */
QIRA_API int SetNcurves(int handle, int n);
/** Component i's normal boiling point, K. */
QIRA_API int SetDCompBPs(int handle, int i, double value);
/** Component i's hypothetical flag (nonzero: hypothetical; 1 enters the Refutas blend
 * from its hypo curves). */
QIRA_API int SetIsHypo(int handle, int i, int value);
/** Component i's mole fraction; also links its evaluation record to its property record. */
QIRA_API int SetVsdata(int handle, int i, float value);
/** Component i's hydrocarbon-type flag. */
QIRA_API int SetTypeHc(int handle, int i, bool value);
/** Component i's property record fields; nothing stored before SetNumbComp. */
QIRA_API int SetTc(int handle, int i, float value);     /* K */
QIRA_API int SetPc(int handle, int i, float value);     /* kPa */
QIRA_API int SetVc(int handle, int i, float value);     /* m3/kmol */
QIRA_API int SetOmega(int handle, int i, float value);  /* acentric factor */
QIRA_API int SetMw(int handle, int i, float value);     /* kg/kmol */
QIRA_API int SetBoil(int handle, int i, float value);   /* K */
QIRA_API int SetLiqDen(int handle, int i, float value); /* kg/m3 */
QIRA_API int SetWsrk(int handle, int i, float value);   /* COSTALD acentric factor */
QIRA_API int SetVchar(int handle, int i, float value);  /* COSTALD volume, m3/kmol */
QIRA_API int SetThetaA(int handle, int i, float value);
QIRA_API int SetThetaB(int handle, int i, float value);

QIRA_C_END

#endif /* QIRA_VISCHANDLES_H */
