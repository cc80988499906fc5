// Pulling extrapolated curve ends back inside their bounds. Each end that crosses a bound
// is compressed linearly towards the nearest measured point (the anchor), so that its
// outermost value lands on the bound and the end keeps its shape.
#include "QIRALabCurves.h"
#include "distillation/blends.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {
namespace {

// Smallest span and clearance a rescaling accepts.
constexpr double kRescaleGuard = 1e-6;

enum class Pass { Continue, Stop };

// Rescales the points [from, to) about the anchor so that the point at span distance
// from it ends at clearance distance. A span or clearance below the guard (or not a
// number) ends the whole correction.
Pass compressTowardsAnchor(double* curve, int from, int to, double anchor, double span,
                           double clearance) {
  if (!(span >= kRescaleGuard) || !(clearance >= kRescaleGuard)) return Pass::Stop;
  const double r = clearance / span;
  for (int i = from; i < to; ++i) curve[i] = anchor + (curve[i] - anchor) * r;
  return Pass::Continue;
}

// The four corrections in their fixed order: front below lo, front above hi, back above
// hi, back below lo. In the user-curve form a near-zero anchor is lifted to 1.1e-6
// before a front end is compressed onto a lower bound of exactly zero.
void correctEnds(double* curve, int i1, int i2, int n, double lo, double hi,
                 bool liftZeroAnchor) {
  if (!isMissing(lo) && curve[0] < lo) {
    if (liftZeroAnchor && curve[i1] < 1e-6 && lo == 0.0) curve[i1] = 1.1e-6;
    const double a = curve[i1];
    if (compressTowardsAnchor(curve, 0, i1, a, a - curve[0], a - lo) == Pass::Stop) return;
  }
  if (!isMissing(hi) && curve[0] > hi) {
    const double a = curve[i1];
    if (compressTowardsAnchor(curve, 0, i1, a, curve[0] - a, hi - a) == Pass::Stop) return;
  }
  if (!isMissing(hi) && curve[n - 1] > hi) {
    const double a = curve[i2];
    if (compressTowardsAnchor(curve, i2 + 1, n, a, curve[n - 1] - a, hi - a) == Pass::Stop)
      return;
  }
  if (!isMissing(lo) && curve[n - 1] < lo) {
    const double a = curve[i2];
    compressTowardsAnchor(curve, i2 + 1, n, a, a - curve[n - 1], a - lo);
  }
}

bool validIndex(int i, int n) { return i >= 0 && i < n; }

}  // namespace

void correctExtrapolation(double* curve, int i1, int i2, int n, double lo, double hi) {
  if (i1 > i2) {
    // No measured point: clamp every point but the last into the bounds.
    for (int i = 0; i < n - 1; ++i) {
      if (!isMissing(lo) && curve[i] < lo) curve[i] = lo;
      if (!isMissing(hi) && curve[i] > hi) curve[i] = hi;
    }
    return;
  }
  if (!validIndex(i1, n) || !validIndex(i2, n)) return;
  correctEnds(curve, i1, i2, n, lo, hi, false);
}

void correctUserCurveOverExtrapolation(double* curve, int i1, int i2, int n, double lo,
                                       double hi) {
  if (!validIndex(i1, n) || !validIndex(i2, n)) return;
  correctEnds(curve, i1, i2, n, lo, hi, true);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API void CorrectExtrapolation(double* curve, int i1, int i2, int n, double lo,
                                   double hi) {
  if (!curve || n < 1) return;
  qira::guardedVoid([&] { qira::correctExtrapolation(curve, i1, i2, n, lo, hi); });
}

QIRA_API void Blend_CorrectUserCurveOverExtrapolation(double* curve, int i1, int i2, int n,
                                                      double lo, double hi) {
  if (!curve || n < 1) return;
  qira::guardedVoid(
      [&] { qira::correctUserCurveOverExtrapolation(curve, i1, i2, n, lo, hi); });
}

QIRA_C_END
