// Internal interface of the curve fitting, the monotone interpolator, boiling-point
// sorting, the probability-scale cutter and the reading of TBP temperatures at yields.
// The exported shells in include/QIRACurveFit.h and include/QIRACutting.h check their
// arguments and call these; other families may call them directly with non-null arrays
// of the stated lengths. Counts are handled as the exports document (too few knots give
// false; no queries write nothing).
#pragma once

#include "frame/boundary.h"

namespace qira {

// The shell of the table interpolators' exports (Simple_spline, Blend_Linear,
// Blend_spline): false for fewer than minPoints knots or a null table; true with nothing
// written for no queries; false for a null query or result array; else the body, with
// any exception turned into false.
template <typename Body>
bool tableExport(int n, int minPoints, const double* x, const double* y, int m,
                 const double* xq, const double* out, Body&& body) {
  if (n < minPoints || !x || !y) return false;
  if (m < 1) return true;
  if (!xq || !out) return false;
  return guarded(false, body);
}

// ---- Local curve fitting -------------------------------------------------------------

// Local polynomial interpolation of the table x[n] -> y[n] at xq[m] into out[m].
// False for n < 3 or at the first query that is neither bracketed nor beyond an end.
bool simpleSpline(int n, const double* x, const double* y, int m, const double* xq,
                  double* out);

// The three-point evaluation (quadratic with a straight-line fallback) at xq.
double threePointValue(const double* x, const double* y, double xq);

// Piecewise-linear interpolation with the end intervals extended; needs n >= 2.
void linearInterpolate(int n, const double* x, const double* y, int m, const double* xq,
                       double* out);
// The same, refusing (false, nothing written) queries of which one is not a number.
bool linearMap(int n, const double* x, const double* y, int m, const double* xq,
               double* out);

// What one monotone interpolation did: Simple_spline evaluations, inserting passes,
// knots inserted by kind, and restarts from the caller's knots when the room ran out.
struct InterpolatorTrace {
  int evaluations = 0;
  int passes = 0;
  int frontInsertions = 0;
  int midpointInsertions = 0;
  int appends = 0;
  int restarts = 0;
};

// Simple_spline with knots inserted wherever the results reverse the curve's
// direction; see monotone_interpolator.cpp. x and y are only read. The optional trace
// records what the call did.
bool monotoneSpline(int n, const double* x, const double* y, int m, const double* xq,
                    double* yq, InterpolatorTrace* trace = nullptr);

// ---- Boiling-point sorting -----------------------------------------------------------

// Exchange sort of values[n] ascending; indices[i] = caller's position of the value
// now at i. Ties keep the exchange order (2, 2, 1 -> 1, 2, 2 with indices 2, 1, 0).
void sortNbp(double* values, int* indices, int n);

// ---- Cutting and reading yields ------------------------------------------------------

// Fractions of the nc components cut at cuts[nc] from the TBP curve tbp[n], frac[n],
// written to compFrac[nc] in the caller's order. False (nothing written) for n < 2,
// coincident two-point curves or a failed interpolation.
bool compositionFromTbp(const double* tbp, const double* frac, int n, const double* cuts,
                        double* compFrac, int nc);

// Temperatures at the m requested fractions of the curve tbp[n], frac[n]; n >= 1.
// False when the curve cannot be read, or when the temperatures read are not all finite
// and above 0 K or, at non-decreasing requests, fall (by more than 1e-9 of the one
// before); the temperatures read stay in tbpOut.
bool tbpFromYield(const double* tbp, const double* frac, int n, double* tbpOut,
                  const double* yields, int m);

// Least-squares line of y on x with its correlation coefficient (n >= 1).
struct LineFit {
  double slope;
  double intercept;
  double correlation;
};
LineFit lineFit(int n, const double* x, const double* y);

}  // namespace qira
