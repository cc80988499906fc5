/** @file
 * Laboratory-curve cutting, NBP range fractions, yield cuts, mid-cut boiling points and
 * extrapolation correction.
 *
 * Temperatures are in kelvin, fractions are parts of one (0 to 1). Arrays are owned by
 * the caller; the lengths each function needs are given with it. Component lists are
 * NBPs and fractions in the same order, in any order of boiling point; results come back
 * in the caller's order.
 */
#ifndef QIRA_LABCURVES_H
#define QIRA_LABCURVES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** @name Extrapolation correction
 * curve: n values, corrected in place. Points 0..i1-1 are the extrapolated front end,
 * i1 the first measured point, i2 the last, i2+1..n-1 the back end. lo, hi: bounds,
 * -32767.0 for none. An end that crosses a bound is compressed linearly towards its
 * measured anchor so that its outermost point lands on the bound. The corrections run
 * front-below-lo, front-above-hi, back-above-hi, back-below-lo; a span or clearance
 * below 1e-6 (or not a number) ends the call with the corrections made so far.
 * Nothing happens for a null curve, n < 1, or a measured index outside 0..n-1. */
/** @{ */

/** With i1 > i2 (no measured point) clamps points 0..n-2 into the bounds (the last point
 * is never clamped); otherwise runs the four corrections.
 * @param[in,out] curve [n] curve values, corrected in place
 * @param[in] i1 index of the first measured point
 * @param[in] i2 index of the last measured point
 * @param[in] n number of points
 * @param[in] lo lower bound, or -32767.0
 * @param[in] hi upper bound, or -32767.0
 */
QIRA_API void CorrectExtrapolation(double* curve, int i1, int i2, int n, double lo,
                                   double hi);
/** Always runs the four corrections (both indices must lie in 0..n-1). When the front
 * end lies below lo = 0 and the measured anchor curve[i1] is below 1e-6, the anchor is
 * first set to 1.1e-6 in the caller's array so the front can be compressed onto zero.
 * @param[in,out] curve [n] curve values, corrected in place
 * @param[in] i1 index of the first measured point
 * @param[in] i2 index of the last measured point
 * @param[in] n number of points
 * @param[in] lo lower bound, or -32767.0
 * @param[in] hi upper bound, or -32767.0
 */
QIRA_API void Blend_CorrectUserCurveOverExtrapolation(double* curve, int i1, int i2,
                                                      int n, double lo, double hi);
/** @} */

/** Mid-cut boiling points. fractions, nbp: n each; out: n boiling points (K). Each component is read on the TBP
 * curve through (NBP, cumulative fraction up to and including it) at the middle of its
 * own cut (the lightest at the top of its cut); a leading run of empty components gets
 * the mean of its NBP and the one below. unused: accepted and ignored. upperBound
 * (-32767.0 for none) replaces the highest NBP when above it. n = 0 returns true with
 * nothing written, n = 1 returns the NBP. False (all outputs -32767.0) when the curve
 * cannot be read (Blend_GetTBPFromYield fails, also when it refuses what it reads as
 * not a boiling curve) or a value is not a number; false with nothing written for null
 * arrays or n < 0.
 * @param[in] fractions [n] component fractions
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] out [n] mid-cut boiling points, K
 * @param[in] unused not read
 * @param[in] upperBound highest boiling point, K, or -32767.0
 */
QIRA_API bool Blend_CBP(const double* fractions, const double* nbp, int n, double* out,
                        double unused, double upperBound);

/** @name Laboratory-curve readers
 * n laboratory points (fractions ascending, temperatures in K). Each reader reads the
 * curve at its standard fractions, writes them to fractionsOut and the TBP temperatures
 * at them to tbp, and returns the count:
 *   BlendD86toTBP        9: IBP, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP (API 3A1.1)
 *   BlendD86toTBPOption  D86BaseSizeOption(): the nine, or with D86 method 0 the seven
 *                        IBP, 0.1, 0.3, 0.5, 0.7, 0.9, FBP
 *   BlendD2887toTBP      8: 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP (API 3A3.1; with
 *                        D2887 option 1 the readings are copied unconverted)
 *   BlendD1160toTBP      D1160BaseSize(n, fractions): IBP, 0.1, 0.3, 0.5 converted by
 *                        Blend_D1160toTBP, then every input point above 0.4999999
 *                        appended unconverted (an input point at 0.5 appears twice)
 * IBP and FBP are the IBP and FBP values / 100. A laboratory curve that cannot be read
 * (fewer than three points, values that are not numbers) gives -32767.0 in the entries
 * that would be converted. A conversion that refuses the readings writes nothing in the
 * D86 and D2887 readers (their TBP entries keep their contents), and leaves the D1160
 * reader's four converted entries at -32767.0. Null arrays or n < 1 return 0 with
 * nothing written. */
/** @{ */
/** D86 curve read at the nine-point grid and converted by API3A11_D86toTBP; returns 9.
 * @param[in] n laboratory points
 * @param[in] fractions [n] fractions distilled, ascending
 * @param[in] temps [n] laboratory temperatures, K
 * @param[out] tbp [9] TBP temperatures, K
 * @param[out] fractionsOut [9] grid fractions
 */
QIRA_API int BlendD86toTBP(int n, const double* fractions, const double* temps,
                           double* tbp, double* fractionsOut);
/** D86 curve read at the grid of the D86 method and converted as API3A11_D86toTBPOption;
 * returns D86BaseSizeOption().
 * @param[in] n laboratory points
 * @param[in] fractions [n] fractions distilled, ascending
 * @param[in] temps [n] laboratory temperatures, K
 * @param[out] tbp [D86BaseSizeOption()] TBP temperatures, K
 * @param[out] fractionsOut [D86BaseSizeOption()] grid fractions
 */
QIRA_API int BlendD86toTBPOption(int n, const double* fractions, const double* temps,
                                 double* tbp, double* fractionsOut);
/** D2887 curve read at the D2887 grid and converted by API3A31_D2887toTBP (copied with
 * D2887 option 1); returns 8.
 * @param[in] n laboratory points
 * @param[in] fractions [n] fractions distilled, ascending
 * @param[in] temps [n] laboratory temperatures, K
 * @param[out] tbp [8] TBP temperatures, K
 * @param[out] fractionsOut [8] grid fractions
 */
QIRA_API int BlendD2887toTBP(int n, const double* fractions, const double* temps,
                             double* tbp, double* fractionsOut);
/** D1160 curve read at IBP, 10, 30 and 50 % and converted by Blend_D1160toTBP, the input
 * points above 0.4999999 appended; returns D1160BaseSize(n, fractions).
 * @param[in] n laboratory points
 * @param[in] fractions [n] fractions distilled, ascending
 * @param[in] temps [n] laboratory temperatures, K
 * @param[out] tbp [D1160BaseSize(n,fractions)] TBP temperatures, K
 * @param[out] fractionsOut [D1160BaseSize(n,fractions)] grid fractions
 */
QIRA_API int BlendD1160toTBP(int n, const double* fractions, const double* temps,
                             double* tbp, double* fractionsOut);
/** @} */

/** @name Laboratory-curve cutting
 * n laboratory points (fractions ascending, temperatures in K); cuts: nc component NBPs
 * (K); out: nc component fractions, in the caller's order. The curve is read and
 * converted by the matching reader and its TBP curve cut at the NBPs on the probability
 * scale. All but Blend_GetD86Comp first clamp fractions[0] up to IBP and fractions[n-1]
 * down to FBP in the caller's array. Blend_GetD2887Comp with a nonzero D2887 option
 * cuts the caller's curve directly as a TBP curve. When the curve cannot be read,
 * converted or cut (a TBP curve with an entry missing is never cut), out keeps its
 * previous contents; null arrays, n < 1, nc < 1 or values that are not numbers do
 * nothing. */
/** @{ */
/** Cuts a D86 curve read by BlendD86toTBP (the caller's fractions are not clamped).
 * @param[in] n laboratory points
 * @param[in] fractions [n] fractions distilled, ascending
 * @param[in] temps [n] laboratory temperatures, K
 * @param[in] cuts [nc] component NBPs, K
 * @param[out] out [nc] component fractions
 * @param[in] nc number of components
 */
QIRA_API void Blend_GetD86Comp(int n, double* fractions, const double* temps,
                               const double* cuts, double* out, int nc);
/** Cuts a D86 curve read by BlendD86toTBPOption.
 * @param[in] n laboratory points
 * @param[in,out] fractions [n] fractions distilled, ascending; ends clamped in place
 * @param[in] temps [n] laboratory temperatures, K
 * @param[in] cuts [nc] component NBPs, K
 * @param[out] out [nc] component fractions
 * @param[in] nc number of components
 */
QIRA_API void Blend_GetD86CompOption(int n, double* fractions, const double* temps,
                                     const double* cuts, double* out, int nc);
/** Cuts a D2887 curve read by BlendD2887toTBP, or the curve itself with a nonzero
 * D2887 option.
 * @param[in] n laboratory points
 * @param[in,out] fractions [n] fractions distilled, ascending; ends clamped in place
 * @param[in] temps [n] laboratory temperatures, K
 * @param[in] cuts [nc] component NBPs, K
 * @param[out] out [nc] component fractions
 * @param[in] nc number of components
 */
QIRA_API void Blend_GetD2887Comp(int n, double* fractions, const double* temps,
                                 const double* cuts, double* out, int nc);
/** Cuts a D1160 curve read by BlendD1160toTBP.
 * @param[in] n laboratory points
 * @param[in,out] fractions [n] fractions distilled, ascending; ends clamped in place
 * @param[in] temps [n] laboratory temperatures, K
 * @param[in] cuts [nc] component NBPs, K
 * @param[out] out [nc] component fractions
 * @param[in] nc number of components
 */
QIRA_API void Blend_GetD1160Comp(int n, double* fractions, const double* temps,
                                 const double* cuts, double* out, int nc);
/** @} */

/** Fraction of the material in an NBP range. Blend_NBPTempBound: bounds upper and lower in K, -32767.0 for an open side (an open
 * or outlying bound becomes the highest or lowest NBP). *total receives the fraction of
 * the whole material in the cuts c with lower < c <= upper, from the probability-scale
 * cut of the curve (sorted NBP, cumulative fraction) at the NBPs and the bounds; 0 when
 * that curve cannot be cut. When perComponent (n values) is not null it receives each
 * component's share of the material inside [lower, upper]: the whole fraction of a
 * component whose NBP lies inside, a linear part of one straddling a bound from its
 * neighbour, renormalised to sum to 1. A range that holds no material (a bound beyond
 * the far end of the NBP span, which leaves lower above upper, or shares that all come
 * out 0) gives total 0 and all shares 0 rather than a division by zero. Negative
 * fractions that sum to 1 are accepted (a share can then be negative). False with
 * nothing written when the fractions do not sum to 1 within 1e-10, for null nbp,
 * fractions or total, n < 1, or values that are not numbers.
 * @param[in] upper upper bound, K, or -32767.0
 * @param[in] lower lower bound, K, or -32767.0
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] fractions [n] component fractions, summing to 1
 * @param[in] n number of components
 * @param[out] perComponent [n] each component's share of the range (null: not written)
 * @param[out] total [1] fraction of the material in the range
 */
QIRA_API bool Blend_NBPTempBound(double upper, double lower, const double* nbp,
                                 const double* fractions, int n, double* perComponent,
                                 double* total);
/** TBP temperatures (m, K) at m ascending cumulative yields of the components' blended
 * TBP curve (Blend_TBP with no end temperatures; pointMode as there). yields[0] and
 * yields[m-1] may be clamped in place to IBP and FBP. Returns true also when the curve
 * cannot be built or read (n < 1, null or not-a-number components, no material, or a
 * curve Blend_TBP refuses as not a boiling curve), with -32767.0 in every output;
 * false, nothing written, only for a null tbp or yields array or m < 1.
 * @param[out] tbp [m] TBP temperatures, K
 * @param[in,out] yields [m] cumulative yields, ascending; ends clamped in place
 * @param[in] m number of yields
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] fractions [n] component fractions
 * @param[in] n number of components
 * @param[in] pointMode as Blend_TBP
 */
QIRA_API bool Blend_GetTBPCutsFromNBP(double* tbp, double* yields, int m,
                                      const double* nbp, const double* fractions, int n,
                                      bool pointMode);

QIRA_C_END

#endif /* QIRA_LABCURVES_H */
