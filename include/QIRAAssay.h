/** @file
 * Assays: a laboratory distillation curve and a few bulk measurements turned into a
 * table of pseudo-components, and streams blended into one.
 *
 * An extension beyond the core interface: every name carries the prefix QiraAssay_.
 *
 * The chain, each step by the library's own procedures:
 *  1. the laboratory curve becomes a TBP curve (API 3A1.1 for D86 through BlendD86toTBP,
 *     API 3A3.1 for D2887 through BlendD2887toTBP, the D1160 conversion through
 *     BlendD1160toTBP, a TBP curve as given);
 *  2. the cuts' volume fractions come from the laboratory-curve cutter of the standard
 *     (Blend_GetD86Comp, Blend_GetD2887Comp, Blend_GetD1160Comp, Blend_GetCompFromTBP) at
 *     the upper boundaries: material below the first boundary joins the first cut, above
 *     the last is shared out in proportion; the mid-cut NBP is the TBP temperature at the
 *     middle of the cut's volume (Blend_GetTBPFromYield), held within the cut's bounds;
 *  3. one Watson K for all cuts, SG_i = (1.8 NBP_i)^(1/3) / K, chosen in closed form so
 *     that the cuts and light ends mixed by volume reproduce the bulk SG; given a Watson
 *     K instead of a gravity, K is used as given and the bulk SG follows;
 *  4. MW from SG and K (Blend_mw), every cut's MW scaled by one factor (the MW scale) so
 *     that sum(w) / sum(w / MW) is the bulk MW when one is given; mass fractions
 *     w_i = v_i SG_i / SG, mole fractions from them;
 *  5. Tc, Pc, Vc by the chosen method (QiraCrit_ family), the acentric factor by Kesler
 *     and Lee (1976), V* and omegaSRK by Hankinson and Thomson (1979); where the cut has
 *     no SRK acentric factor (very heavy cuts) the Kesler-Lee acentric factor stands in,
 *     with a note;
 *  6. kinematic viscosities at 38 and 100 C from a viscosity handler (ViscHandler) filled
 *     with the cuts (hypothetical components) and light ends, fitted to the bulk
 *     viscosities: with two or more measured points to exactly two points at 38 and
 *     100 C (the measured value there, else read on the ASTM D341 line through the two
 *     measured points nearest), with one measured point to that point.
 *
 * Units at the interface: temperatures in kelvin, pressures in kPa, molar volumes in
 * m3/kmol, MW in kg/kmol, SG 60F/60F, yields and fractions 0..1, kinematic viscosities in
 * cSt, smoke point in mm, RVP in kPa.
 *
 * Objects: the caller creates a QiraAssay with QiraAssay_Create and frees it with
 * QiraAssay_Free. There is no process-wide registry: objects are independent, and objects
 * used in different threads do not interfere (one object must not be used by two threads
 * at once). The conversions and cutters read the process-wide conversion settings
 * (QIRASettings.h) at the moment of QiraAssay_SetCurve, of each cut and of each blend.
 *
 * Status: every function that can fail returns a status, QIRA_ASSAY_OK (0) on success.
 * A failing call changes nothing: neither the object nor the caller's output arrays and
 * buffers (results are computed into scratch space, then copied). The object keeps a
 * message for its last failure naming the input, its value (SI units) and the range
 * expected (QiraAssay_LastError); a success clears it. Null pointers, not-a-number values,
 * counts below 1 and values out of range get their status, and no exception crosses the
 * interface. Outputs go into caller-owned arrays (capacity in, count out) and text into
 * caller-owned buffers (size in bytes in, needed size with the terminating zero out); the
 * library allocates nothing for the host but the object itself.
 *
 * Plausibility: what a laboratory curve of its standard cannot hold is refused
 * (QIRA_ASSAY_IMPLAUSIBLE), what is possible but unusual is reported among the cut
 * table's notes:
 *  - refused: D86 readings above 400 C (673.15 K), the top of the D86 method's
 *    atmospheric distillation, above which fractions crack (ASTM D86, scope); D2887
 *    readings above 538 C (811.15 K), the final boiling point up to which the method
 *    applies (ASTM D2887, scope); a curve whose yields span less than 0.1 of the stream
 *    (yields in percent divided twice, or in fractions where percent was meant);
 *  - refused: cut boundaries of which none lies within the TBP curve's range;
 *  - noted: a fitted or given Watson K outside 10 to 13 (paraffinic crudes reach about
 *    13, aromatic cuts about 10: Watson and Nelson 1933); a laboratory curve whose first
 *    reading lies more than 0.05 above the standard's first grid yield or whose last lies
 *    more than 0.05 below its last (the TBP curve is extrapolated to its ends there); cut
 *    boundaries reaching more than 0.5 K beyond the TBP curve.
 *
 * Sources: API Technical Data Book procedures 3A1.1 and 3A3.1; M. R. Riazi, T. E. Daubert,
 * Hydrocarbon Processing 59(3) (1980) 115; M. G. Kesler, B. I. Lee, Hydrocarbon Processing
 * 55(3) (1976) 153; C. H. Twu, Fluid Phase Equilibria 16 (1984) 137; R. W. Hankinson,
 * G. H. Thomson, AIChE Journal 25 (1979) 653; ASTM D341 (Walther); light-end constants
 * from B. E. Poling, J. M. Prausnitz, J. P. O'Connell, The Properties of Gases and
 * Liquids, 5th ed. (2001), appendix A, with SG from GPA 2145.
 */
#ifndef QIRA_ASSAY_H
#define QIRA_ASSAY_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** An assay: laboratory curve, bulk values, light ends, blended properties, and the cut
 * table of its last successful cut. Opaque; made by QiraAssay_Create. */
typedef struct QiraAssay QiraAssay;

/** @name Status codes */
/** @{ */
#define QIRA_ASSAY_OK 0                /**< success */
#define QIRA_ASSAY_NULL_ARGUMENT 1     /**< a required pointer is null */
#define QIRA_ASSAY_INVALID 2           /**< a value not a number, out of range, out of
                                            order, a count below its minimum, an index out
                                            of range or an unknown name or code */
#define QIRA_ASSAY_IMPLAUSIBLE 3       /**< refused as no laboratory curve of its standard,
                                            or no cut of this curve, can be (see the file
                                            comment) */
#define QIRA_ASSAY_NOT_READY 4         /**< a required input is missing: no curve, no
                                            gravity, or no table cut yet */
#define QIRA_ASSAY_CALCULATION 5       /**< a library procedure gave no result for these
                                            inputs (the message names it) */
#define QIRA_ASSAY_BUFFER_TOO_SMALL 6  /**< the caller's capacity or size is below the
                                            count or size written back; nothing copied */
#define QIRA_ASSAY_NO_MEMORY 7         /**< memory could not be allocated */
/** @} */

/** @name Laboratory standards (QiraAssay_SetCurve, QiraAssay_Curve) */
/** @{ */
#define QIRA_ASSAY_D86 0
#define QIRA_ASSAY_D2887 1
#define QIRA_ASSAY_D1160 2
#define QIRA_ASSAY_TBP 3
/** @} */

/** @name Bulk gravity kinds (QiraAssay_SetGravity) */
/** @{ */
#define QIRA_ASSAY_SG 0        /**< specific gravity 60F/60F, 0.3 to 1.5 */
#define QIRA_ASSAY_API 1       /**< API gravity, -10 to 150: SG = 141.5 / (API + 131.5) */
#define QIRA_ASSAY_WATSON_K 2  /**< Watson K, 8 to 15; the bulk SG then follows the cuts */
/** @} */

/** @name Critical-property methods (QiraAssay_SetMethod) */
/** @{ */
#define QIRA_ASSAY_RIAZI_DAUBERT 0  /**< Tc, Pc, Vc by Riazi-Daubert (1980); the default */
#define QIRA_ASSAY_KESLER_LEE 1     /**< Tc, Pc by Kesler-Lee (1976), Vc by Riazi-Daubert */
#define QIRA_ASSAY_TWU 2            /**< Tc, Pc, Vc by Twu (1984) */
/** @} */

/** @name Blended properties (QiraAssay_SetProperty, QiraAssay_Property), with the rule a
 * blend uses (volume fractions) */
/** @{ */
#define QIRA_ASSAY_FLASH_POINT 0    /**< K; FlashPointMix1 */
#define QIRA_ASSAY_POUR_POINT 1     /**< K; PourPointMix1 */
#define QIRA_ASSAY_CLOUD_POINT 2    /**< K; CloudPointMix1 */
#define QIRA_ASSAY_FREEZE_POINT 3   /**< K; Blend_FreezePoint on degrees C */
#define QIRA_ASSAY_ANILINE_POINT 4  /**< K; AnilinePointIndex1 formed on degrees F */
#define QIRA_ASSAY_SMOKE_POINT 5    /**< mm; Blend_SmokePointMix1 */
#define QIRA_ASSAY_RVP 6            /**< kPa; RVPMix1 */
#define QIRA_ASSAY_PROPERTY_COUNT 7
/** @} */

/** @name Blend bases (QiraAssay_Blend) */
/** @{ */
#define QIRA_ASSAY_VOLUME 0
#define QIRA_ASSAY_MASS 1
#define QIRA_ASSAY_MOLE 2
/** @} */

/** @name Cut-table columns (QiraAssay_Column): one value per row, light ends first */
/** @{ */
#define QIRA_ASSAY_T_LOW 0            /**< lower cut boundary, K (a light end: its NBP) */
#define QIRA_ASSAY_T_HIGH 1           /**< upper cut boundary, K (a light end: its NBP) */
#define QIRA_ASSAY_NBP 2              /**< normal boiling point, K (mid-cut for a cut) */
#define QIRA_ASSAY_VOLUME_FRACTION 3  /**< of the whole stream */
#define QIRA_ASSAY_MASS_FRACTION 4
#define QIRA_ASSAY_MOLE_FRACTION 5
#define QIRA_ASSAY_SG_COLUMN 6        /**< SG 60F/60F */
#define QIRA_ASSAY_WATSON_K_COLUMN 7  /**< Watson K */
#define QIRA_ASSAY_MW 8               /**< kg/kmol */
#define QIRA_ASSAY_TC 9               /**< K */
#define QIRA_ASSAY_PC 10              /**< kPa */
#define QIRA_ASSAY_VC 11              /**< m3/kmol */
#define QIRA_ASSAY_OMEGA 12           /**< acentric factor */
#define QIRA_ASSAY_VSTAR 13           /**< COSTALD characteristic volume, m3/kmol */
#define QIRA_ASSAY_OMEGA_SRK 14       /**< COSTALD (SRK) acentric factor */
#define QIRA_ASSAY_VISC38 15          /**< kinematic viscosity at 38 C, cSt; -32767.0 where
                                           the handler gives none */
#define QIRA_ASSAY_VISC100 16         /**< kinematic viscosity at 100 C, cSt; as VISC38 */
#define QIRA_ASSAY_COLUMN_COUNT 17
/** @} */

/** @name Bulk values of the cut table (QiraAssay_Bulk) */
/** @{ */
#define QIRA_ASSAY_BULK_SG 0        /**< SG the table reproduces */
#define QIRA_ASSAY_BULK_MW 1        /**< MW of the table, kg/kmol: 1 / sum(w_i / MW_i) */
#define QIRA_ASSAY_BULK_WATSON_K 2  /**< the one Watson K of the cuts */
#define QIRA_ASSAY_MW_SCALE 3       /**< factor on every cut's MW (1 without a bulk MW) */
/** @} */

/* ---- Lifecycle ---------------------------------------------------------------------- */

/** A new empty assay (no curve, no gravity; method Riazi-Daubert).
 * @return the object, to be freed with QiraAssay_Free; null when memory is short. */
QIRA_API QiraAssay* QiraAssay_Create(void);

/** Frees an assay made by QiraAssay_Create. A null pointer is ignored.
 * @param[in] assay the object, or null */
QIRA_API void QiraAssay_Free(QiraAssay* assay);

/** The message of the object's last failure, empty after a success.
 * Text like "temperatures[2] = 410 K: the readings must ascend (above 420 K)".
 * @param[in] assay the object
 * @param[out] text [size] buffer of `size` bytes for the message and its terminating zero (may
 *             be null when size is 0)
 * @param[in] size bytes available in text
 * @param[out] needed [1] bytes the message needs with its terminating zero (may be null)
 * @return QIRA_ASSAY_OK; QIRA_ASSAY_NULL_ARGUMENT for a null assay;
 *         QIRA_ASSAY_BUFFER_TOO_SMALL when size < needed (text untouched). This call
 *         leaves the message as it is. */
QIRA_API int QiraAssay_LastError(const QiraAssay* assay, char* text, int size, int* needed);

/* ---- Input -------------------------------------------------------------------------- */

/** Sets the laboratory curve and reads it as a TBP curve under the current conversion
 * settings (replacing an earlier curve, and a blend's composition and curves).
 * @param[in] assay the object
 * @param[in] standard QIRA_ASSAY_D86, _D2887, _D1160 (atmospheric-equivalent
 *            temperatures) or _TBP
 * @param[in] n number of points, at least 3
 * @param[in] yields [n] n fractions distilled, strictly ascending within 0..1, spanning at
 *            least 0.1
 * @param[in] temperatures [n] n temperatures, K, strictly ascending within 200..1500 (D86 at
 *            most 673.15, D2887 at most 811.15)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID (n < 3, unknown standard, a value not a
 *         number, outside its range or out of order); _IMPLAUSIBLE (beyond the standard's
 *         range, yields spanning less than 0.1); _CALCULATION when the curve cannot be
 *         read as TBP. */
QIRA_API int QiraAssay_SetCurve(QiraAssay* assay, int standard, int n, const double* yields,
                                const double* temperatures);

/** Sets the bulk gravity: SG, API gravity or Watson K (replacing any gravity set before).
 * @param[in] assay the object
 * @param[in] kind QIRA_ASSAY_SG (0.3..1.5), QIRA_ASSAY_API (-10..150) or
 *            QIRA_ASSAY_WATSON_K (8..15)
 * @param[in] value the value
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID (unknown kind, value not a number or
 *         out of range). */
QIRA_API int QiraAssay_SetGravity(QiraAssay* assay, int kind, double value);

/** Sets the bulk MW the cuts are scaled to reproduce, or clears it.
 * @param[in] assay the object
 * @param[in] mw kg/kmol, 16..3000; QIRA_MISSING (-32767.0) clears it
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID. */
QIRA_API int QiraAssay_SetMolecularWeight(QiraAssay* assay, double mw);

/** Sets the measured bulk kinematic viscosities (replacing earlier ones).
 * @param[in] assay the object
 * @param[in] n number of points, 0 (clears them) or more
 * @param[in] temperatures [n] n temperatures, K, each within 200..700, no two equal (may be
 *            null when n is 0)
 * @param[in] viscosities [n] n kinematic viscosities, cSt, each within 0.05..1e7
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID (n < 0, a value not a number or out of
 *         range, two values at one temperature). */
QIRA_API int QiraAssay_SetViscosities(QiraAssay* assay, int n, const double* temperatures,
                                      const double* viscosities);

/** Sets the light ends, pure components taken apart from the laboratory curve, which then
 * describes the rest of the stream (replacing earlier ones; rows in the given order).
 * @param[in] assay the object
 * @param[in] n number of light ends, 0 (clears them) to the table's size, no name twice
 * @param[in] names [n] n names from the light-ends table (QiraAssay_LightEnd)
 * @param[in] fractions [n] n volume fractions of the whole stream, each within 0..0.5,
 *            together below 0.9
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID. */
QIRA_API int QiraAssay_SetLightEnds(QiraAssay* assay, int n, const char* const* names,
                                    const double* fractions);

/** Sets or clears one of the properties carried for blending.
 * @param[in] assay the object
 * @param[in] property QIRA_ASSAY_FLASH_POINT .. QIRA_ASSAY_RVP
 * @param[in] value in the property's unit (K, mm or kPa), finite; QIRA_MISSING clears it
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID. */
QIRA_API int QiraAssay_SetProperty(QiraAssay* assay, int property, double value);

/** Chooses the critical-property method of the cuts.
 * @param[in] assay the object
 * @param[in] method QIRA_ASSAY_RIAZI_DAUBERT, QIRA_ASSAY_KESLER_LEE or QIRA_ASSAY_TWU
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID. */
QIRA_API int QiraAssay_SetMethod(QiraAssay* assay, int method);

/* ---- The stream --------------------------------------------------------------------- */

/** A curve of the stream: the TBP curve the laboratory curve was read as (its reader's
 * points, or a blend's nine-point curve), or the D86 (nine points) or D2887 (eight
 * points) curve on its standard's grid (a blend's own blended curves).
 * @param[in] assay the object, with a curve
 * @param[in] standard QIRA_ASSAY_TBP, QIRA_ASSAY_D86 or QIRA_ASSAY_D2887
 * @param[in] capacity length of yields and temperatures
 * @param[out] yields [capacity] the curve's yields (fractions)
 * @param[out] temperatures [capacity] its temperatures, K
 * @param[out] count [1] number of points (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID (standard); _NOT_READY (no curve);
 *         _BUFFER_TOO_SMALL; _CALCULATION. */
QIRA_API int QiraAssay_Curve(const QiraAssay* assay, int standard, int capacity,
                             double* yields, double* temperatures, int* count);

/** The bulk SG of the stream: as given (or from API), else that of a 20-cut table.
 * @param[in] assay the object
 * @param[out] sg [1] the SG
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _NOT_READY; _CALCULATION. The object's cut table
 *         is left as it is. */
QIRA_API int QiraAssay_StreamGravity(QiraAssay* assay, double* sg);

/** The stream as components on a grid of cut temperatures `step` K apart over its TBP
 * range, light ends first (a blend: its mixed composition), as the curve blends take it.
 * @param[in] assay the object, with a curve
 * @param[in] step grid spacing, K, 0.1..1000
 * @param[in] capacity length of nbp and fractions
 * @param[out] nbp [capacity] the components' normal boiling points, K
 * @param[out] fractions [capacity] their volume fractions of the whole stream
 * @param[out] count [1] number of components (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID; _NOT_READY; _BUFFER_TOO_SMALL;
 *         _CALCULATION. */
QIRA_API int QiraAssay_Components(const QiraAssay* assay, double step, int capacity,
                                  double* nbp, double* fractions, int* count);

/** A blended property of the stream.
 * @param[in] assay the object
 * @param[in] property QIRA_ASSAY_FLASH_POINT .. QIRA_ASSAY_RVP
 * @param[out] value [1] the value, or QIRA_MISSING when the stream carries none
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID. */
QIRA_API int QiraAssay_Property(const QiraAssay* assay, int property, double* value);

/** The bulk viscosities of the stream (as set, or a blend's at 38 and 100 C), in the
 * order they were set.
 * @param[in] assay the object
 * @param[in] capacity length of the arrays
 * @param[out] temperatures [capacity] K
 * @param[out] viscosities [capacity] cSt
 * @param[out] count [1] number of points (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_Viscosities(const QiraAssay* assay, int capacity,
                                   double* temperatures, double* viscosities, int* count);

/** The stream's light ends (as set, or a blend's mixed ones), in row order.
 * @param[in] assay the object
 * @param[in] capacity length of the arrays
 * @param[out] indices [capacity] each light end's index in the light-ends table (QiraAssay_LightEnd)
 * @param[out] fractions [capacity] their volume fractions of the whole stream
 * @param[out] count [1] number of light ends (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_LightEnds(const QiraAssay* assay, int capacity, int* indices,
                                 double* fractions, int* count);

/* ---- Cutting (each replaces the object's cut table on success) ------------------------ */

/** Cuts `count` cuts of equal TBP width between lo and hi.
 * @param[in] assay the object, with a curve and a gravity
 * @param[in] count 1..200
 * @param[in] lo lower end, K, 90..1500; QIRA_MISSING for the TBP curve's first point
 * @param[in] hi upper end, K, 90..1500, above lo; QIRA_MISSING for the curve's last point
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID; _IMPLAUSIBLE (no boundary within the
 *         curve's range); _NOT_READY; _CALCULATION (the message names the cut and value). */
QIRA_API int QiraAssay_CutByCount(QiraAssay* assay, int count, double lo, double hi);

/** Cuts at the given boundaries: n - 1 cuts named "cut 1", "cut 2", ...
 * @param[in] assay the object, with a curve and a gravity
 * @param[in] n number of boundaries, 2..201
 * @param[in] boundaries [n] n temperatures, K, strictly ascending within 100..1500
 * @return as QiraAssay_CutByCount. */
QIRA_API int QiraAssay_CutAt(QiraAssay* assay, int n, const double* boundaries);

/** Cuts by a named set: "refinery" (light naphtha to 353.15 K, heavy naphtha 453.15,
 * kerosene 513.15, light gas oil 593.15, heavy gas oil 643.15, vacuum gas oil 823.15,
 * residue); the first cut starts and the last ends with the curve, and cuts wholly
 * beyond the curve are left out.
 * @param[in] assay the object, with a curve and a gravity
 * @param[in] set [string] the set's name
 * @return as QiraAssay_CutByCount. */
QIRA_API int QiraAssay_CutNamed(QiraAssay* assay, const char* set);

/* ---- The cut table of the last successful cut ---------------------------------------- */

/** Number of rows of the cut table: light ends, then cuts.
 * @param[in] assay the object
 * @param[out] rows [1] the number
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _NOT_READY (no table). */
QIRA_API int QiraAssay_RowCount(const QiraAssay* assay, int* rows);

/** One column of the cut table, a value per row.
 * @param[in] assay the object
 * @param[in] column QIRA_ASSAY_T_LOW .. QIRA_ASSAY_VISC100
 * @param[in] capacity length of values
 * @param[out] values [capacity] the column, in the column's unit
 * @param[out] count [1] number of rows (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID (column); _NOT_READY;
 *         _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_Column(const QiraAssay* assay, int column, int capacity,
                              double* values, int* count);

/** The name of one row: the light end's name, "cut N" or the named set's cut name.
 * @param[in] assay the object
 * @param[in] row 0 .. rows - 1
 * @param[out] text [size] buffer of `size` bytes (may be null when size is 0)
 * @param[in] size bytes available
 * @param[out] needed [1] bytes the name needs with its terminating zero (may be null)
 * @param[out] light_end [1] 1 for a light end (pure component), 0 for a cut (may be null)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID (row); _NOT_READY; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_RowName(const QiraAssay* assay, int row, char* text, int size,
                               int* needed, int* light_end);

/** The whole cut table in one call: every column, column after column.
 * @param[in] assay the object
 * @param[in] capacity rows the caller has room for
 * @param[out] values [17*capacity] QIRA_ASSAY_COLUMN_COUNT x capacity values: column c's value of row r
 *             at values[c * capacity + r]
 * @param[out] light_end [capacity] capacity flags (may be null): 1 for a light end, 0 for a cut
 * @param[out] rows [1] number of rows (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _NOT_READY; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_Table(const QiraAssay* assay, int capacity, double* values,
                             int* light_end, int* rows);

/** The names of all rows, in row order, each ended by '\n'.
 * @param[in] assay the object
 * @param[out] text [size] buffer of `size` bytes (may be null when size is 0)
 * @param[in] size bytes available
 * @param[out] needed [1] bytes the names need with the terminating zero (may be null)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _NOT_READY; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_RowNames(const QiraAssay* assay, char* text, int size, int* needed);

/** A bulk value of the cut table.
 * @param[in] assay the object
 * @param[in] quantity QIRA_ASSAY_BULK_SG, _BULK_MW, _BULK_WATSON_K or _MW_SCALE
 * @param[out] value [1] the value
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID; _NOT_READY. */
QIRA_API int QiraAssay_Bulk(const QiraAssay* assay, int quantity, double* value);

/** The cut table's notes, one per line, each line ended by '\n' (empty: none): the
 * Kesler-Lee acentric factors that stood in, and the plausibility warnings.
 * @param[in] assay the object
 * @param[out] text [size] buffer of `size` bytes (may be null when size is 0)
 * @param[in] size bytes available
 * @param[out] needed [1] bytes the notes need with the terminating zero (may be null)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _NOT_READY; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_Notes(const QiraAssay* assay, char* text, int size, int* needed);

/** The viscosity fit report, by temperature: every measured point (given 1) with the
 * fitted mixture's kinematic viscosity at its temperature, and every point the handler
 * was fitted to that was not measured (given 0: read on the Walther line) with the
 * handler's calculated value. No points when the stream has no bulk viscosities.
 * @param[in] assay the object
 * @param[in] capacity length of the arrays
 * @param[out] temperatures [capacity] K
 * @param[out] measured [capacity] cSt
 * @param[out] calculated [capacity] cSt, QIRA_MISSING where the handler gives none
 * @param[out] given [capacity] 1 measured, 0 derived
 * @param[out] count [1] number of points (written also when capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _NOT_READY; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_ViscosityFit(const QiraAssay* assay, int capacity,
                                    double* temperatures, double* measured,
                                    double* calculated, int* given, int* count);

/* ---- Blending ----------------------------------------------------------------------- */

/** Blends streams into `mixture` (which any earlier contents leave; a stream may not be
 * the mixture itself). Each stream is cut by its own laboratory cutter onto one grid of
 * cut temperatures `step` K apart spanning all streams, the volume fractions are mixed,
 * and Blend_TBP, Blend_D86 and Blend_D2887 give the mixture's curves. The mixture is an
 * assay on its nine-point TBP curve with the volume-mixed SG, cut from its mixed
 * composition. Properties are blended by their indices (volume fractions) where every
 * stream carries them; viscosities at 38 and 100 C by the Refutas index
 * (Blend_ViscosityIndex2, mass fractions) of each stream's ASTM D341 line through its two
 * measured points nearest the temperature, where every stream has at least two.
 * @param[in,out] mixture the object receiving the mixture
 * @param[in] n number of streams, at least 1
 * @param[in] streams [n] n assays with curves and gravities (a mole basis also cuts each
 *            into 20 cuts for its MW)
 * @param[in] shares [n] n shares on the basis, each within 0..1, adding up to 1 within 1e-6
 * @param[in] basis QIRA_ASSAY_VOLUME, QIRA_ASSAY_MASS or QIRA_ASSAY_MOLE
 * @param[in] step grid spacing, K, 0.1..1000 (5 is usual)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _INVALID; _NOT_READY (a stream without curve or
 *         gravity); _CALCULATION. The failure message is the mixture's. */
QIRA_API int QiraAssay_Blend(QiraAssay* mixture, int n, const QiraAssay* const* streams,
                             const double* shares, int basis, double step);

/** The streams' shares of a blend on volume and mass bases.
 * @param[in] assay the mixture
 * @param[in] capacity length of the arrays
 * @param[out] volume [capacity] volume fractions of the streams
 * @param[out] mass [capacity] mass fractions of the streams
 * @param[out] count [1] number of streams, 0 for an assay that is no blend (written also when
 *             capacity is short)
 * @return QIRA_ASSAY_OK; _NULL_ARGUMENT; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_BlendShares(const QiraAssay* assay, int capacity, double* volume,
                                   double* mass, int* count);

/* ---- Tables the library carries --------------------------------------------------------- */

/** One entry of the light-ends table.
 * @param[in] index 0 .. (entries - 1)
 * @param[out] name [size] buffer of `size` bytes for the name (may be null when size is 0)
 * @param[in] size bytes available
 * @param[out] needed [1] bytes the name needs with its terminating zero (may be null)
 * @param[out] constants [7] seven values (may be null): NBP K, SG, MW kg/kmol, Tc K, Pc kPa,
 *             Vc m3/kmol, acentric factor
 * @return QIRA_ASSAY_OK; _INVALID for an index beyond the table; _BUFFER_TOO_SMALL. */
QIRA_API int QiraAssay_LightEnd(int index, char* name, int size, int* needed,
                                double* constants);

/** Number of entries in the light-ends table (ethane to n-pentane: 6). */
QIRA_API int QiraAssay_LightEndCount(void);

QIRA_C_END

#endif /* QIRA_ASSAY_H */
