/** @file
 * Curve sizes, yield grids and end-point clamps of each distillation standard.
 *
 * Yields are fractions distilled. IBP and FBP below are the IBP value and FBP value
 * settings divided by 100 at the moment of the call (defaults 0.01 and 0.99999).
 *   D86 nine-point: IBP, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP
 *   D86 seven-point: IBP, 0.1, 0.3, 0.5, 0.7, 0.9, FBP
 *   D2887: 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP
 *   D1160: IBP, 0.1, 0.3, 0.5 (the curve also carries a point per requested yield > 0.5)
 *   TBP: 0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0
 * The ...ValidYields functions write the grid into a caller-owned array at least as long
 * as the grid, and write nothing when the pointer is null.
 */
#ifndef QIRA_GRIDS_H
#define QIRA_GRIDS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Points of the nine-point D86 curve: 9. */
QIRA_API int D86BaseSize(void);
/** Points of the D86 curve of the ...Option functions: 9, or 7 when the D86 method is 0. */
QIRA_API int D86BaseSizeOption(void);
/** Points of the D2887 curve: 8. */
QIRA_API int D2887BaseSize(void);
/** Points of a D1160 curve for n requested yields: 4 plus the yields above 0.4999999
 * (a yield of exactly 0.5 counts). Null yields or n < 1 count no yields: 4.
 * @param[in] n number of requested yields
 * @param[in] yields [n] requested yields, fractions
 */
QIRA_API int D1160BaseSize(int n, const double* yields);

/** Writes the nine-point D86 grid (9 values).
 * @param[out] yields [9] the grid, fractions
 */
QIRA_API void D86ValidYields(double* yields);
/** Writes the D86 grid of the ...Option functions (9 values, or 7 when the D86 method is 0).
 * @param[out] yields [D86BaseSizeOption()] the grid, fractions
 */
QIRA_API void D86ValidYieldsOption(double* yields);
/** Writes the D2887 grid (8 values).
 * @param[out] yields [8] the grid, fractions
 */
QIRA_API void D2887ValidYields(double* yields);
/** Writes the D1160 grid (4 values).
 * @param[out] yields [4] the grid, fractions
 */
QIRA_API void D1160ValidYields(double* yields);
/** Writes the TBP grid (9 values).
 * @param[out] yields [9] the grid, fractions
 */
QIRA_API void TBPValidYields(double* yields);

/** End-point clamp of n requested yields, in place: raises yields[0] to IBP when below
 * it and lowers yields[n-1] to FBP when above it; nothing else is touched. Writes
 * nothing when yields is null or n < 1.
 * @param[in,out] yields [n] requested yields, fractions, ends clamped in place
 * @param[in] n number of yields
 */
QIRA_API void CheckIBPFBP(double* yields, int n);

QIRA_C_END

#endif /* QIRA_GRIDS_H */
