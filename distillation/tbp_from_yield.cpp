// Reading a cumulative yield curve backwards: the temperatures at which requested
// fractions are reached, interpolated on the probability scale or on the plain
// fraction scale, whichever makes the curve straighter (judged by the correlation of a
// least-squares line), separately below and from 50 % up when both parts have knots.
#include <cmath>
#include <vector>

#include "QIRACutting.h"
#include "distillation/conversions.h"
#include "distillation/curve_tools.h"
#include "distillation/probability_scale.h"
#include "frame/boundary.h"

namespace qira {
namespace {

// Results below this are not temperatures of the curve; they take the first knot's.
constexpr double kLowestTemperature = 20.54;
// Rounding allowed between readings at equal or nearly equal yields, relative.
constexpr double kFallTolerance = 1e-9;

// A spread of the line fit kept away from zero, keeping its sign (<= 0 goes negative).
double flooredSpread(double d) {
  if (d > 0) return d < 1e-30 ? 1e-30 : d;
  return std::fmin(d, -1e-30);
}

// The curve on both scales: knot scores and fractions against knot temperatures.
struct ScaledCurve {
  const double* tbp;
  const double* frac;
  std::vector<double> scores;
  int knots;  // effective knot count
};

// True when the probability scale is the straighter for the knots first .. first+count-1.
bool probabilityScaleFits(const ScaledCurve& c, int first, int count, double factor) {
  const LineFit onScores = lineFit(count, c.scores.data() + first, c.tbp + first);
  const LineFit onFractions = lineFit(count, c.frac + first, c.tbp + first);
  return onScores.correlation > factor * onFractions.correlation;
}

// Interpolates count requests from position first over all effective knots.
bool readRequests(const ScaledCurve& c, bool probabilityScale, const double* yields,
                  const std::vector<double>& requestScores, int first, int count,
                  double* tbpOut) {
  if (probabilityScale)
    return monotoneSpline(c.knots, c.scores.data(), c.tbp, count,
                          requestScores.data() + first, tbpOut + first);
  return monotoneSpline(c.knots, c.frac, c.tbp, count, yields + first, tbpOut + first);
}

void readTwoPointLine(const double* tbp, const double* frac, double* tbpOut,
                      const double* yields, int m) {
  for (int j = 0; j < m; ++j) {
    if (frac[1] == frac[0])
      tbpOut[j] = yields[j] <= frac[0] ? tbp[0] : tbp[1];
    else
      tbpOut[j] = tbp[0] + (yields[j] - frac[0]) * (tbp[1] - tbp[0]) / (frac[1] - frac[0]);
  }
}

// The temperatures read at rising yields form a boiling curve when every one is finite
// and above absolute zero and none falls below the one before it. The straight line of
// two knots extrapolates without a floor, a low result replaced by the first knot's
// temperature can lie above the results that follow it, and the spline can dip between
// knots very close in yield; such readings are refused rather than returned. Requests
// out of order (a first yield raised to the IBP value above the next one) are read as
// they come, and only their temperatures are judged, not their order.
bool isBoilingCurve(const double* tbpOut, const double* yields, int m) {
  for (int j = 0; j < m; ++j)
    if (!std::isfinite(tbpOut[j]) || !(tbpOut[j] > 0)) return false;
  if (!nonDecreasing(yields, m)) return true;
  for (int j = 1; j < m; ++j)
    if (tbpOut[j] < tbpOut[j - 1] - kFallTolerance * tbpOut[j - 1]) return false;
  return true;
}

}  // namespace

LineFit lineFit(int n, const double* x, const double* y) {
  double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
  for (int i = 0; i < n; ++i) {
    sx += x[i];
    sy += y[i];
    sxx += x[i] * x[i];
    sxy += x[i] * y[i];
    syy += y[i] * y[i];
  }
  const double dx = flooredSpread(n * sxx - sx * sx);
  const double dy = flooredSpread(n * syy - sy * sy);
  LineFit fit;
  fit.slope = (n * sxy - sx * sy) / dx;
  fit.intercept = (sy * sxx - sx * sxy) / dx;
  fit.correlation = (n * sxy - sx * sy) / std::sqrt(dx) / std::sqrt(dy);
  return fit;
}

namespace {

// The reading itself: a single knot, the two-knot line, or the interpolation on the
// straighter scale, with low results replaced by the first knot's temperature.
bool readCurve(const double* tbp, const double* frac, int n, double* tbpOut,
               const double* yields, int m) {
  if (n < 1) return false;
  if (n == 1) {
    for (int j = 0; j < m; ++j) tbpOut[j] = tbp[0];
    return true;
  }
  if (n == 2) {
    readTwoPointLine(tbp, frac, tbpOut, yields, m);
    return true;
  }

  ScaledCurve curve{tbp, frac, std::vector<double>(n), n};
  for (int k = 0; k < n; ++k)
    curve.scores[k] = probability::toScore(frac[k], probability::kKnotClamping);
  // The first knot at the top of the scale ends the curve.
  for (int k = 0; k < n; ++k)
    if (curve.scores[k] == probability::kZmax) {
      curve.knots = k + 1;
      break;
    }

  std::vector<double> requestScores(m);
  for (int j = 0; j < m; ++j)
    requestScores[j] = probability::toScore(yields[j], probability::kRequestClamping);

  int lowerKnots = 0, lowerRequests = 0;
  for (int k = 0; k < curve.knots; ++k)
    if (frac[k] < 0.5) ++lowerKnots;
  for (int j = 0; j < m; ++j)
    if (yields[j] < 0.5) ++lowerRequests;

  if (lowerKnots > 1 && curve.knots - lowerKnots > 2) {
    const bool lowerOnScores = probabilityScaleFits(curve, 0, lowerKnots, 0.95);
    if (!readRequests(curve, lowerOnScores, yields, requestScores, 0, lowerRequests, tbpOut))
      return false;
    const bool upperOnScores =
        probabilityScaleFits(curve, lowerKnots, curve.knots - lowerKnots, 0.95);
    if (!readRequests(curve, upperOnScores, yields, requestScores, lowerRequests,
                      m - lowerRequests, tbpOut))
      return false;
  } else {
    const bool onScores = probabilityScaleFits(curve, 0, curve.knots, 1.0);
    if (!readRequests(curve, onScores, yields, requestScores, 0, m, tbpOut)) return false;
  }

  for (int j = 0; j < m; ++j)
    if (tbpOut[j] < kLowestTemperature) tbpOut[j] = tbp[0];
  return true;
}

}  // namespace

bool tbpFromYield(const double* tbp, const double* frac, int n, double* tbpOut,
                  const double* yields, int m) {
  if (!readCurve(tbp, frac, n, tbpOut, yields, m)) return false;
  return isBoilingCurve(tbpOut, yields, m);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_GetTBPFromYield(const double* tbp, const double* frac, int n,
                                    double* tbpOut, const double* yields, int m) {
  if (n < 1 || m < 1 || !tbp || !frac || !tbpOut || !yields) return false;
  for (int k = 0; k < n; ++k)
    if (std::isnan(frac[k])) return false;
  for (int j = 0; j < m; ++j)
    if (std::isnan(yields[j])) return false;
  return qira::guarded(false, [&] {
    return qira::tbpFromYield(tbp, frac, n, tbpOut, yields, m);
  });
}

QIRA_API void pc_LineFit1(int n, const double* x, const double* y, double* slope,
                          double* intercept, double* correlation) {
  if (n < 1 || !x || !y || !slope || !intercept || !correlation) return;
  qira::guardedVoid([&] {
    const qira::LineFit fit = qira::lineFit(n, x, y);
    *slope = fit.slope;
    *intercept = fit.intercept;
    *correlation = fit.correlation;
  });
}

QIRA_C_END
