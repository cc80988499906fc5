/** @file
 * Blended TBP, D86, D2887 and D1160 curves of a set of components, and the D1160
 * conversions.
 *
 * Components: fractions[n] (parts of one, expected to sum to about 1) and normal boiling
 * points nbp[n] in kelvin, in any order; the caller's arrays are not changed. Requested
 * yields: yields[m], ascending fractions; every blend clamps yields[0] and yields[m-1]
 * in place. Outputs: m temperatures in kelvin. Every blend that fails writes -32767.0
 * into all m outputs and returns false; there is no partial result. Null arrays, n < 1
 * or not-a-number fractions or NBPs fail that way too (nothing is written when the
 * output array is null or m < 1, nor when the yields array is null, except by
 * Blend_ModifiedD2887, which gives -32767.0 for that failure as for every other).
 * Every blend is built on Blend_TBP and fails that way whenever its TBP curve is
 * refused (see Blend_TBP).
 */
#ifndef QIRA_BLENDS_H
#define QIRA_BLENDS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Blended TBP curve. pointMode true places each component's whole fraction at its
 * boiling point; false centres it on its boiling point (half below, half above), the
 * curve then ending half a boiling-point step above the heaviest component (a single
 * component has no step: every yield reads its boiling point). initialT (K, or
 * -32767.0) can only lower the lowest boiling point, finalT only raise the highest.
 * yields[0] is raised to the IBP value / 100, yields[m-1] lowered to the FBP value /
 * 100. Fails when the point list cannot be read (for instance all fractions zero), and
 * when the curve read would not be a boiling curve: finite, above 0 K and, where the
 * clamped yields rise, non-decreasing (see Blend_GetTBPFromYield). So 0.9 at 500 K and
 * 0.1 at 600 K fail in point mode, where the line of the first two points would fall to
 * 100 K at 50 % (mid-point mode reads 412 to 610 K).
 * Fractions summing to far more than 1 are accepted: the point list grows as needed.
 * @param[in] fractions [n] component fractions
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] tbp [m] TBP temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; ends clamped in place
 * @param[in] m number of requested yields
 * @param[in] pointMode true whole fraction at the NBP, false centred on it
 * @param[in] initialT lowest temperature, K, or -32767.0
 * @param[in] finalT highest temperature, K, or -32767.0
 */
QIRA_API bool Blend_TBP(const double* fractions, const double* nbp, int n, double* tbp,
                        double* yields, int m, bool pointMode, double initialT,
                        double finalT);

/** Blended D86 curve: the blend's TBP curve at the nine-point D86 grid is converted by
 * API 3A1.1 (as API3A11_TBPtoD86) into a transfer table, through which the TBP
 * temperatures at the requested yields are mapped (Simple_spline, or Blend_Linear when
 * the DistCurFit option is nonzero). Yields clamped to the IBP and FBP values. Fails
 * when the conversion refuses the grid's TBP points (decreasing, or 50 % point at or
 * below 1e-6 F).
 * @param[in] fractions [n] component fractions
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] d86 [m] D86 temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; ends clamped in place
 * @param[in] m number of requested yields
 * @param[in] pointMode as Blend_TBP
 */
QIRA_API bool Blend_D86(const double* fractions, const double* nbp, int n, double* d86,
                        double* yields, int m, bool pointMode);
/** As Blend_D86 on the grid of the D86 method (nine points, or seven with method 0),
 * converted as API3A11_TBPtoD86Option.
 * @param[in] fractions [n] component fractions
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] d86 [m] D86 temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; ends clamped in place
 * @param[in] m number of requested yields
 * @param[in] pointMode as Blend_TBP
 */
QIRA_API bool Blend_D86Option(const double* fractions, const double* nbp, int n,
                              double* d86, double* yields, int m, bool pointMode);
/** Blended D2887 curve, always in point mode, through the eight-point D2887 grid and API
 * 3A3.1. The requested yields are clamped to the fixed bounds 1e-5 and 0.99999 and then
 * once more, as by every TBP blend, to the IBP and FBP values: so with the default
 * settings a requested 0 ends at 0.01, and after SetIBPValue(5) at 0.05.
 * @param[in] fractions [n] component fractions
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] d2887 [m] D2887 temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; clamped in place
 * @param[in] m number of requested yields
 */
QIRA_API bool Blend_D2887(const double* fractions, const double* nbp, int n,
                          double* d2887, double* yields, int m);
/** Blended D1160 curve through the four-point D1160 grid (IBP, 10 %, 30 %, 50 %) and
 * Blend_TBPtoD1160; at every requested yield above 0.5 the result is the blend's TBP
 * temperature. Yields clamped to the IBP and FBP values.
 * @param[in] fractions [n] component fractions
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] d1160 [m] D1160 temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; ends clamped in place
 * @param[in] m number of requested yields
 * @param[in] pointMode as Blend_TBP
 */
QIRA_API bool Blend_D1160(const double* fractions, const double* nbp, int n,
                          double* d1160, double* yields, int m, bool pointMode);

/** TBP -> D1160 on four points (IBP, 10 %, 30 %, 50 %; K in and out), both at 10 mm Hg.
 * Source: API Technical Data Book, procedure 3A2.1 (ASTM D1160 and TBP at 10 mm Hg),
 * its chart fitted by quartics without constant term: dD = c1 dT + c2 dT^2 + c3 dT^3 +
 * c4 dT^4 (F). The curves share their 50 % point; each lower point follows from the one
 * above it through its segment's difference, the quartic used up to 180 F (10-30 %,
 * 30-50 %) and 140 F (IBP-10 %); above its limit a difference is carried over unchanged
 * (the curves run parallel). False, nothing written, unless the four input points rise
 * strictly (or for a null array).
 * @param[in] tbp [4] TBP temperatures, K
 * @param[out] d1160 [4] D1160 temperatures, K
 */
QIRA_API bool Blend_TBPtoD1160(const double* tbp, double* d1160);
/** D1160 -> TBP, the inverse direction of Blend_TBPtoD1160 with its own quartics and the
 * same limits and failure rule.
 * @param[out] tbp [4] TBP temperatures, K
 * @param[in] d1160 [4] D1160 temperatures, K
 */
QIRA_API bool Blend_D1160toTBP(double* tbp, const double* d1160);

/** The blend's TBP curve on a mass basis, from fractions x[n] given on fractionBasis
 * (0 volume, 1 mass, 2 mole) with molar masses molarMass[n] (read for basis 2) and
 * densities density[n] (read for basis 0), in any consistent units; converted
 * fractions are normalised to sum to 1. curveBasis is not read. Yields clamped as by
 * Blend_TBP. An unknown fractionBasis returns false with nothing written; other
 * failures (including fractions whose converted sum is not positive) give -32767.0.
 * @param[in] x [n] component fractions on fractionBasis
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] out [m] temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; ends clamped in place
 * @param[in] m number of requested yields
 * @param[in] molarMass [n] molar masses (read for basis 2)
 * @param[in] density [n] densities (read for basis 0)
 * @param[in] fractionBasis 0 volume, 1 mass, 2 mole
 * @param[in] curveBasis not read
 * @param[in] pointMode as Blend_TBP
 */
QIRA_API bool Blend_D2887fromTBP(const double* x, const double* nbp, int n, double* out,
                                 double* yields, int m, const double* molarMass,
                                 const double* density, int fractionBasis, int curveBasis,
                                 bool pointMode);
/** D2887 blend on a volume basis. curveBasis 0 or 2 fails at once. With D2887 option 1
 * the result is exactly Blend_D2887fromTBP's. Otherwise x is turned into volume
 * fractions (density read for bases 1 and 2, molarMass for 2) and blended through the
 * D2887 grid and API 3A3.1 as Blend_D2887, but with the requested yields clamped to the
 * IBP and FBP values. Every failure gives -32767.0 in all m outputs.
 * @param[in] x [n] component fractions on fractionBasis
 * @param[in] nbp [n] component normal boiling points, K
 * @param[in] n number of components
 * @param[out] out [m] D2887 temperatures at the yields, K
 * @param[in,out] yields [m] requested yields, fractions, ascending; ends clamped in place
 * @param[in] m number of requested yields
 * @param[in] molarMass [n] molar masses (read for basis 2)
 * @param[in] density [n] densities (read for bases 1 and 2)
 * @param[in] fractionBasis 0 volume, 1 mass, 2 mole
 * @param[in] curveBasis 1 (0 and 2 fail)
 * @param[in] pointMode as Blend_TBP
 */
QIRA_API bool Blend_ModifiedD2887(const double* x, const double* nbp, int n, double* out,
                                  double* yields, int m, const double* molarMass,
                                  const double* density, int fractionBasis,
                                  int curveBasis, bool pointMode);

QIRA_C_END

#endif /* QIRA_BLENDS_H */
