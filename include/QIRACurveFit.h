/** @file
 * Local curve fitting: Simple_spline, Blend_lstsqr, Blend_Linear and the monotone
 * interpolator Blend_spline. Abscissae and ordinates carry no units of their own.
 * A table is a pair of arrays x[n], y[n]; queries xq[m] give results out[m].
 */
#ifndef QIRA_CURVEFIT_H
#define QIRA_CURVEFIT_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Local polynomial interpolation (degree 1 to 3 chosen per query from the neighbouring
 * slope ratios, guarded against overshoot); queries beyond the table go to Blend_lstsqr
 * on the three end points. Needs n >= 3 and a table monotone in x.
 * Returns false (nothing written) for n < 3 or a null array; true with nothing written
 * for m < 1; false at the first query that cannot be placed (for instance not-a-number),
 * leaving the earlier results written and the later ones untouched.
 * Not monotone across queries in one bracket when a guard falls back to the chord;
 * Blend_spline repairs that.
 * @param[in] n table points, >= 3
 * @param[in] x [n] abscissae, monotone
 * @param[in] y [n] ordinates
 * @param[in] m number of queries
 * @param[in] xq [m] query abscissae
 * @param[out] out [m] interpolated ordinates
 */
QIRA_API bool Simple_spline(int n, const double* x, const double* y, int m,
                            const double* xq, double* out);

/** Evaluates the three points (x[0..2], y[0..2]) at xq by the Lagrange quadratic through
 * them (each term's factors in the order of its denominator, as in Simple_spline),
 * falling back to the straight line through the two end points on the query's side when
 * the quadratic leaves it; coincident abscissae give a line or y[0], and so do abscissae
 * so close (below about 1e-154) that the quadratic's denominators underflow; a query
 * beyond about 1e150 overflows the quadratic (not-a-number). Writes *out.
 * Returns true; false (nothing written) only for a null pointer.
 * @param[in] x [3] abscissae of the three points
 * @param[in] y [3] ordinates of the three points
 * @param[in] xq query abscissa
 * @param[out] out [1] ordinate at xq
 */
QIRA_API bool Blend_lstsqr(const double* x, const double* y, double xq, double* out);

/** Piecewise-linear interpolation over x[n] (increasing), the end intervals extended
 * beyond the table. Returns true; false (nothing written) for n < 2, a null array or a
 * not-a-number query. m < 1 writes nothing and returns true. A query inside the table
 * that no interval holds (an unordered table) leaves its result untouched.
 * @param[in] n table points, >= 2
 * @param[in] x [n] abscissae, increasing
 * @param[in] y [n] ordinates
 * @param[in] m number of queries
 * @param[in] xq [m] query abscissae
 * @param[out] out [m] interpolated ordinates
 */
QIRA_API bool Blend_Linear(int n, const double* x, const double* y, int m,
                           const double* xq, double* out);

/** Evaluates the curve x[n] -> y[n] (ascending x) at the ascending queries xq[m] with
 * Simple_spline, then inserts knots where the results run against the curve's direction
 * and evaluates again, for at most 100 inserting passes. The caller's x and y are never
 * changed. true: the last evaluation shows no reversal. false: n < 3, a null array, a
 * query Simple_spline cannot place (yq holds what it wrote), an end slope with no
 * distinct knot, a failed re-evaluation, or the pass budget used up (yq then holds the
 * latest complete evaluation). m < 1 returns true with nothing written.
 * @param[in] n curve points, >= 3
 * @param[in] x [n] abscissae, ascending
 * @param[in] y [n] ordinates
 * @param[in] m number of queries
 * @param[in] xq [m] query abscissae, ascending
 * @param[out] yq [m] interpolated ordinates
 */
QIRA_API bool Blend_spline(int n, const double* x, const double* y, int m,
                           const double* xq, double* yq);

QIRA_C_END

#endif /* QIRA_CURVEFIT_H */
