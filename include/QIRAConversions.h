/** @file
 * Distillation curve conversions between D86, D2887 and TBP (API 3A1.1, API 3A3.1,
 * polynomial form) and single points.
 *
 * Temperatures are in kelvin unless stated. The TBP array always comes first. Curves are
 * caller-owned arrays in the layouts below; a function reads and writes only the points
 * of its layout, and on failure writes nothing unless stated.
 *   D86 nine-point: IBP, 5, 10, 30, 50, 70, 90, 95 %, FBP
 *   D86 seven-point: IBP, 10, 30, 50, 70, 90 %, FBP
 *   D2887 (eight points): 5, 10, 30, 50, 70, 90, 95 %, FBP
 * The ...Option functions use nine points when the D86 method setting is nonzero and
 * seven when it is 0, and extend their power-law segments beyond the correlation limits
 * when the constrain-range flag is on. A null array pointer gives the failure result.
 * Round trips come back within about 1e-6 K, not to the last bit, where a difference
 * lies just below a whole number of segment limits (constrain-range flag on).
 *
 * Source of API 3A1.1 and 3A3.1: API Technical Data Book - Petroleum Refining (6th ed.,
 * 1997), procedures 3A1.1 (ASTM D86 and TBP) and 3A3.1 (ASTM D2887 and TBP), the method
 * of Daubert, T.E., 1994, "Petroleum fraction distillation interconversions",
 * Hydrocarbon Processing 73(9):75-78. In degrees F: TBP50 = 0.8718 D86_50^1.0258
 * (D2887: TBP50 = D2887_50), and across each segment dT_TBP = A dT^B with
 *   D86:   IBP-10 % 7.4012/0.60244, 10-30 % 4.9004/0.71644, 30-50 % 3.0305/0.80076,
 *          50-70 % 2.5282/0.82002, 70-90 % 3.0419/0.75497, 90 %-FBP 0.11798/1.6606;
 *          largest published differences 100, 250, 250, 150, 100 F and (FBP) none;
 *   D2887: 5-10 % 0.15779/1.4296, 10-30 % 0.011903/2.0253, 30-50 % 0.05342/1.6988,
 *          50-70 % 0.19861/1.3975, 70-90 % 0.31531/1.2938, 90-95 % 0.97476/0.8723,
 *          95 %-FBP 0.02172/1.9733; largest differences 40, 75, 75, 75, 75, 40, 30 F.
 * On the nine-point D86 layout the 5 % point is reached from the 10 % point with the
 * IBP segment and the 95 % point from the 90 % point with the FBP segment.
 */
#ifndef QIRA_CONVERSIONS_H
#define QIRA_CONVERSIONS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Nine-point D86 -> nine-point TBP by API 3A1.1 (plain power law). False, nothing
 * written, unless the first seven D86 points increase strictly. A 95 % or final point
 * below the 90 % point, or a 50 % point at or below 0 F, gives true with not-a-number
 * in the points it reaches.
 * @param[out] tbp [9] TBP temperatures, K
 * @param[in] d86 [9] D86 temperatures, K
 */
QIRA_API bool API3A11_D86toTBP(double* tbp, const double* d86);

/** Nine-point TBP -> nine-point D86 by API 3A1.1 (plain power law). False, nothing
 * written, unless the first seven TBP points are non-decreasing; false with all nine
 * D86 points set to -32767.0 when the TBP 50 % point is not above 1e-6 F.
 * @param[in] tbp [9] TBP temperatures, K
 * @param[out] d86 [9] D86 temperatures, K
 */
QIRA_API bool API3A11_TBPtoD86(const double* tbp, double* d86);

/** D86 -> TBP by API 3A1.1 with the segment extension; nine or seven points by the D86
 * method. Same failure rules as API3A11_D86toTBP.
 * @param[out] tbp [D86BaseSizeOption()] TBP temperatures, K
 * @param[in] d86 [D86BaseSizeOption()] D86 temperatures, K
 */
QIRA_API bool API3A11_D86toTBPOption(double* tbp, const double* d86);

/** TBP -> D86 by API 3A1.1 with the segment extension; nine or seven points by the D86
 * method. Same failure rules as API3A11_TBPtoD86 over the layout's points.
 * @param[in] tbp [D86BaseSizeOption()] TBP temperatures, K
 * @param[out] d86 [D86BaseSizeOption()] D86 temperatures, K
 */
QIRA_API bool API3A11_TBPtoD86Option(const double* tbp, double* d86);

/** Eight-point D2887 -> eight-point TBP by API 3A3.1. False, nothing written, unless the
 * first seven D2887 points are non-decreasing.
 * @param[out] tbp [8] TBP temperatures, K
 * @param[in] d2887 [8] D2887 temperatures, K
 */
QIRA_API bool API3A31_D2887toTBP(double* tbp, const double* d2887);

/** Eight-point TBP -> eight-point D2887 by API 3A3.1. No order check: true whenever both
 * arrays are given (a decreasing TBP step gives not-a-number points from there on).
 * @param[in] tbp [8] TBP temperatures, K
 * @param[out] d2887 [8] D2887 temperatures, K
 */
QIRA_API bool API3A31_TBPtoD2887(const double* tbp, double* d2887);

/** One TBP temperature t (kelvin) at yield y (fraction) to D86, returned in kelvin, from
 * the stream's nine-point TBP and D86 curves given in degrees Fahrenheit, through the
 * API 3A1.1 segment of the yield. -32767.0 for a null curve or a not-a-number yield; a
 * temperature on the wrong side of its anchor point gives not-a-number.
 * @param[in] tbpF [9] the stream's TBP curve, F
 * @param[in] d86F [9] the stream's D86 curve, F
 * @param[in] t TBP temperature, K
 * @param[in] y yield, fraction distilled
 */
QIRA_API double SingleTBPtoD86(const double* tbpF, const double* d86F, double t, double y);

/** As SingleTBPtoD86 with nine- or seven-point curves (F) by the D86 method.
 * @param[in] tbpF [D86BaseSizeOption()] the stream's TBP curve, F
 * @param[in] d86F [D86BaseSizeOption()] the stream's D86 curve, F
 * @param[in] t TBP temperature, K
 * @param[in] y yield, fraction distilled
 */
QIRA_API double SingleTBPtoD86Option(const double* tbpF, const double* d86F, double t,
                                     double y);

/** Seven-point TBP -> seven-point D86 by polynomial correlations (in F): a sixth-degree
 * polynomial of the TBP 50 % temperature gives the D86 50 % temperature, and per segment
 * a seventh-degree polynomial without constant term of the TBP difference gives the D86
 * difference, built outward from 50 % with no range limit. Empirical fits whose
 * published origin is not recorded here. False, nothing written, unless all seven TBP
 * points increase strictly.
 * @param[in] tbp [7] TBP temperatures, K
 * @param[out] d86 [7] D86 temperatures, K
 */
QIRA_API bool API6_TBPtoD86(const double* tbp, double* d86);

QIRA_C_END

#endif /* QIRA_CONVERSIONS_H */
