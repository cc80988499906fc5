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
 */
#ifndef QIRA_CONVERSIONS_H
#define QIRA_CONVERSIONS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Nine-point D86 -> nine-point TBP by API 3A1.1 (plain power law). False, nothing
 * written, unless the first seven D86 points increase strictly. */
QIRA_API bool API3A11_D86toTBP(double* tbp, const double* d86);

/** Nine-point TBP -> nine-point D86 by API 3A1.1 (plain power law). False, nothing
 * written, unless the first seven TBP points are non-decreasing; false with all nine
 * D86 points set to -32767.0 when the TBP 50 % point is not above 1e-6 F. */
QIRA_API bool API3A11_TBPtoD86(const double* tbp, double* d86);

/** D86 -> TBP by API 3A1.1 with the segment extension; nine or seven points by the D86
 * method. Same failure rules as API3A11_D86toTBP. */
QIRA_API bool API3A11_D86toTBPOption(double* tbp, const double* d86);

/** TBP -> D86 by API 3A1.1 with the segment extension; nine or seven points by the D86
 * method. Same failure rules as API3A11_TBPtoD86 over the layout's points. */
QIRA_API bool API3A11_TBPtoD86Option(const double* tbp, double* d86);

/** Eight-point D2887 -> eight-point TBP by API 3A3.1. False, nothing written, unless the
 * first seven D2887 points are non-decreasing. */
QIRA_API bool API3A31_D2887toTBP(double* tbp, const double* d2887);

/** Eight-point TBP -> eight-point D2887 by API 3A3.1. No order check: true whenever both
 * arrays are given (a decreasing TBP step gives not-a-number points from there on). */
QIRA_API bool API3A31_TBPtoD2887(const double* tbp, double* d2887);

/** One TBP temperature t (kelvin) at yield y (fraction) to D86, returned in kelvin, from
 * the stream's nine-point TBP and D86 curves given in degrees Fahrenheit. -32767.0 for a
 * null curve or a not-a-number yield. */
QIRA_API double SingleTBPtoD86(const double* tbpF, const double* d86F, double t, double y);

/** As SingleTBPtoD86 with nine- or seven-point curves (F) by the D86 method. */
QIRA_API double SingleTBPtoD86Option(const double* tbpF, const double* d86F, double t,
                                     double y);

/** Seven-point TBP -> seven-point D86 by polynomial correlations. False, nothing
 * written, unless all seven TBP points increase strictly. */
QIRA_API bool API6_TBPtoD86(const double* tbp, double* d86);

QIRA_C_END

#endif /* QIRA_CONVERSIONS_H */
