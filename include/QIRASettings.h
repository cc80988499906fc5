/** @file
 * Process-wide conversion settings read by the distillation conversions, blends and
 * cutters at each call. Nothing is checked when a value is stored.
 *
 * Defaults at load: IBP value 1.0 %, FBP value 99.999 %, D2887 option 0, DistCurFit
 * option 0, D86 method 1, constrain-range flag true.
 *
 * Threads: the settings are process-wide and unguarded; every thread reads the same
 * values. A multi-threaded host stores them before its threads start calling the library
 * and changes them only while no other thread is inside a call that reads them (a
 * conversion, blend, grid or cutter). Work that needs different settings at the same
 * time runs in separate processes.
 */
#ifndef QIRA_SETTINGS_H
#define QIRA_SETTINGS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Percent distilled at which a curve's initial point lies (default 1.0).
 * @param[in] percent percent distilled of the initial point
 */
QIRA_API void SetIBPValue(double percent);
/** Percent distilled at which a curve's final point lies (default 99.999).
 * @param[in] percent percent distilled of the final point
 */
QIRA_API void SetFBPValue(double percent);
/** 0: D2887 curves are converted to TBP by API 3A3.1; 1: taken as TBP (default 0).
 * @param[in] option 0 convert D2887 by API 3A3.1, 1 take it as TBP
 */
QIRA_API void SetD2887option(int option);
/** 0: blends map TBP to the standard with Simple_spline; nonzero: Blend_Linear.
 * @param[in] option 0 Simple_spline, nonzero Blend_Linear
 */
QIRA_API void SetDistCurFitOption(int option);
/** Nonzero: the ...Option functions use the nine-point D86 grid; 0: seven points.
 * @param[in] method nonzero nine-point D86 grid, 0 seven points
 */
QIRA_API void SetD86Method(int method);
/** Sets IBP value, FBP value, D2887 option and DistCurFit option; D86 method unchanged.
 * @param[in] ibpPercent IBP value, percent
 * @param[in] fbpPercent FBP value, percent
 * @param[in] d2887Option D2887 option (as SetD2887option)
 * @param[in] distCurFitOption DistCurFit option (as SetDistCurFitOption)
 */
QIRA_API void SetOptions(double ibpPercent, double fbpPercent, int d2887Option,
                         int distCurFitOption);
/** As SetOptions, and also sets the D86 method.
 * @param[in] ibpPercent IBP value, percent
 * @param[in] fbpPercent FBP value, percent
 * @param[in] d2887Option D2887 option (as SetD2887option)
 * @param[in] distCurFitOption DistCurFit option (as SetDistCurFitOption)
 * @param[in] d86Method D86 method (as SetD86Method)
 */
QIRA_API void SetOptionsNew(double ibpPercent, double fbpPercent, int d2887Option,
                            int distCurFitOption, int d86Method);
/** true (default): power-law segments beyond their limit are extended piecewise.
 * @param[in] constrain true to extend segments beyond their limits piecewise
 */
QIRA_API void ShouldConstrainConversionRange(bool constrain);
/** The D86 method as stored (default 1). */
QIRA_API int GetD86Setting(void);

QIRA_C_END

#endif /* QIRA_SETTINGS_H */
