/** @file
 * Probability scale, cutting a TBP curve into pseudo-components, boiling-point sorting
 * and reading TBP temperatures at yields. Temperatures in kelvin; fractions distilled
 * are parts of one (0 to 1), not percents.
 */
#ifndef QIRA_CUTTING_H
#define QIRA_CUTTING_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Fills z[101] with the probability-scale score table: z[i] belongs to the cumulative
 * fraction i/100, z[50] = 0, z[100 - i] = -z[i], ends +-3.476589918 (clamp values).
 * A null pointer writes nothing.
 * @param[out] z [101] score table
 */
QIRA_API void Blend_NormDistY(double* z);

/** Cuts the TBP curve (tbp[n] in K, cumulative fractions frac[n], both ascending) at the
 * nc cut temperatures cuts[nc] (the components' NBPs, any order), interpolating on the
 * probability scale, and writes each component's fraction to compFrac[nc] in the
 * caller's order; the fractions add up to 1 (all are 0, with true, when the curve reads
 * no material at or below the highest cut). The lowest component takes everything
 * below the lowest cut. A cut whose cumulative fraction comes out below that of the next
 * lower cut receives a fraction of 0 (the curve does not rise between them).
 * Returns false with nothing written for n < 2, nc < 1, a null array, a value that is
 * not finite, two points within 1e-10 K of each other (n = 2), or a failed
 * interpolation.
 * @param[in] tbp [n] TBP curve temperatures, K, ascending
 * @param[in] frac [n] cumulative fractions, ascending
 * @param[in] n curve points, >= 2
 * @param[in] cuts [nc] cut temperatures (component NBPs), K
 * @param[out] compFrac [nc] component fractions, caller's order
 * @param[in] nc number of components, >= 1
 */
QIRA_API bool Blend_GetCompFromTBP(const double* tbp, const double* frac, int n,
                                   const double* cuts, double* compFrac, int nc);

/** Sorts values[n] ascending in place by exchanges (position i against every later j,
 * swapping when strictly greater) and fills indices[n] with each sorted entry's position
 * in the caller's list. Equal values keep the exchange order: 2, 2, 1 gives 1, 2, 2 with
 * indices 2, 1, 0. Not-a-number values compare false and stay where the exchanges
 * leave them; the indices stay a permutation. Returns true (n <= 0: nothing written);
 * false for a null array.
 * @param[in,out] values [n] values, sorted ascending in place
 * @param[out] indices [n] each sorted entry's position in the caller's list
 * @param[in] n number of values
 */
QIRA_API bool Blend_SortNBP(double* values, int* indices, int n);

/** Reads the cumulative yield curve (tbp[n] in K, fractions frac[n], ascending)
 * backwards: tbpOut[m] receives the temperature at each requested fraction yields[m]
 * (ascending). One knot copies its temperature; two knots give the straight line in
 * the fraction scale (with equal knot fractions f: requests at or below f read tbp[0],
 * those above read tbp[1]); three or more are read with Blend_spline on the probability
 * or the fraction scale, whichever is straighter, separately below and above 50 % when
 * both parts have enough knots; results below 20.54 become tbp[0].
 * Returns false for n < 1, m < 1, a null array or a fraction that is not a number
 * (nothing written), or when Blend_spline fails (results of an earlier part stay).
 * Returns false too when the temperatures read are not a boiling curve: each finite
 * and above 0 K and, when the requests are non-decreasing, none below the one before
 * by more than 1e-9 of it (requests out of order are read as they come). This refuses,
 * for instance, two knots near the top of the curve whose line runs below 0 K at low
 * yields, a low result replaced by tbp[0] that lies above the results after it, and a
 * spline that dips between close knots. The temperatures read stay in tbpOut.
 * @param[in] tbp [n] curve temperatures, K, ascending
 * @param[in] frac [n] cumulative fractions, ascending
 * @param[in] n curve points, >= 1
 * @param[out] tbpOut [m] temperatures at the requested yields, K
 * @param[in] yields [m] requested yields, fractions, ascending
 * @param[in] m number of requested yields, >= 1
 */
QIRA_API bool Blend_GetTBPFromYield(const double* tbp, const double* frac, int n,
                                    double* tbpOut, const double* yields, int m);

/** Least-squares line y = slope x + intercept over n points, with its correlation
 * coefficient. Spreads are floored at +-1e-30; constant data give a correlation that is
 * not a number. Writes nothing for n < 1 or a null pointer.
 * @param[in] n number of points, >= 1
 * @param[in] x [n] abscissae
 * @param[in] y [n] ordinates
 * @param[out] slope [1] slope of the line
 * @param[out] intercept [1] intercept of the line
 * @param[out] correlation [1] correlation coefficient
 */
QIRA_API void pc_LineFit1(int n, const double* x, const double* y, double* slope,
                          double* intercept, double* correlation);

QIRA_C_END

#endif /* QIRA_CUTTING_H */
