// Whitson gamma-distribution characterization of a plus fraction: the moles are spread
// over molecular-weight slices of width 14, the shape alpha is fitted to the plus
// fraction's MW, each slice gets a gravity from Kw and a boiling point from MW and SG, and
// the cumulative curve is cut at the host's NBPs.
#include "characterization/whitson_split.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "QIRACharacterization.h"
#include "characterization/mw_gravity_correlations.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {

namespace {

constexpr int kSliceCount = WhitsonSlices::kSize;  // slice table indices 0..209
constexpr int kLastSlice = 208;    // slices 1..208 carry moles; 209 only bounds 208
constexpr int kMinSlices = 3;      // the extrapolation to 0 % needs three slices
constexpr int kLumpFloor = 5;      // tail lumping never leaves fewer slices
constexpr int kMaxEvaluations = 19;
constexpr int kMaxSeriesTerms = 101;

using SliceTable = WhitsonSlices;

// ln Gamma(a + 1) by Stirling's series (Abramowitz and Stegun 6.1.37), as the
// incomplete gamma series uses it. The constants are deliberately the ten-digit
// roundings of ln(2 pi)/2, 1/12, 1/288, 139/51840 and 571/2488320 used by the
// characterization; the exact values would move every slice fraction.
double stirlingLnGammaPlusOne(double a) {
  return (a + 0.5) * std::log(a) - a + 0.918938534 +
         std::log(1 + 0.0833333333 / a + 0.0034722222 / (a * a) -
                  0.00268132711 / (a * a * a) - 0.00022947209 / (a * a * a * a));
}

// P(alpha, yU) - P(alpha, yL) of the regularised lower incomplete gamma function, summed
// term by term as a series in a = alpha + j.
double incompleteGammaDifference(double alpha, double yL, double yU) {
  const double lnYL = std::log(yL), lnYU = std::log(yU);
  double sum = 0, previous = -1000;
  for (int j = 0; j < kMaxSeriesTerms; ++j) {
    const double a = alpha + j;
    const double lnG = stirlingLnGammaPlusOne(a);
    const double d = std::exp(a * lnYU - yU - lnG) - std::exp(a * lnYL - yL - lnG);
    sum += d;
    if (std::fabs(d - previous) < 1e-8 && d < previous) break;
    previous = d;
  }
  return sum;
}

void fillSlices(SliceTable& s, double eta, double kw) {
  for (int i = 1; i < kSliceCount; ++i) {
    s.mw[i] = eta + 2 + 14 * (i - 1);
    s.sg[i] = specificGravityFromMwK(s.mw[i], kw);
  }
}

// Distributes the moles over the slices for shape alpha; sets s.count and returns the
// MW residual (MW - Mc) / MW * 1000, or not-a-number when no slice holds any moles.
double distribute(SliceTable& s, double alpha, double mw, double eta) {
  const double beta = (mw - eta) / alpha;
  double total = 0, lower = s.mw[1];
  int count = kLastSlice;
  for (int i = 1; i <= kLastSlice; ++i) {
    const double upper = (s.mw[i] + s.mw[i + 1]) / 2;
    s.z[i] = std::max(0.0, incompleteGammaDifference(alpha, (lower - eta) / beta,
                                                     (upper - eta) / beta));
    total += s.z[i];
    if (total > 0.9 && std::fabs(s.z[i] - s.z[i - 1]) < 1e-6) {
      count = i - 1;  // the slice that meets the test is dropped
      break;
    }
    lower = upper;
  }
  s.count = count;
  if (!(total > 0)) return std::numeric_limits<double>::quiet_NaN();
  double mc = 0;
  for (int i = 1; i <= count; ++i) {
    s.z[i] /= total;
    mc += s.z[i] * s.mw[i];
  }
  return (mw - mc) / mw * 1000;
}

// Fits alpha by the bracketing search (target residual 0, step 0.5, at most 19
// evaluations); the slices of the last evaluation stay in s.
bool fitShape(SliceTable& s, double mw, double eta) {
  double alpha = 0.65, lo = 0.495, hi = 20.0;
  double previousAlpha = 0, previousResidual = std::numeric_limits<double>::quiet_NaN();
  for (int evaluation = 1;; ++evaluation) {
    const double e = distribute(s, alpha, mw, eta);
    s.alpha = alpha;
    s.evaluations = evaluation;
    if (std::isnan(e)) return false;
    if (hi - lo < 0.01 || std::fabs(e) < 0.1 || evaluation == kMaxEvaluations) return true;
    whitsonBracketStep(alpha, e, 0.0, lo, hi, previousAlpha, previousResidual, 0.5);
  }
}

// Scales the slice gravities so that their mole-weighted volume mix gives the plus
// fraction's SG.
void balanceGravity(SliceTable& s, double sg) {
  double mass = 0, volume = 0;
  for (int i = 1; i <= s.count; ++i) {
    mass += s.z[i] * s.mw[i];
    volume += s.z[i] * s.mw[i] / s.sg[i];
  }
  const double factor = sg / (mass / volume);
  for (int i = 1; i <= s.count; ++i) s.sg[i] *= factor;
}

// Merges the trailing slices of at most 1 % into the last slice above 1 %, keeping at
// least five slices.
void lumpTail(SliceTable& s) {
  if (s.count <= kLumpFloor) return;
  int i = s.count;
  double collected = 0;
  while (i > kLumpFloor && s.z[i] <= 0.01) {
    collected += s.z[i];
    --i;
  }
  s.z[i] += collected;
  s.count = i;
}

// Cumulative mole fractions (0 to 1) over slices 0..N, slice 0 extrapolated to 0 %, and
// the slices' boiling points. False when a boiling point is not a finite number.
bool buildCumulativeCurve(SliceTable& s) {
  double sum = 0;
  for (int i = 1; i <= s.count; ++i) sum += s.z[i];
  for (int i = 1; i <= s.count; ++i) s.z[i] = s.z[i] * 100 / sum;
  for (int i = 2; i <= s.count; ++i) s.z[i] = s.z[i - 1] + s.z[i];
  s.z[0] = 0;
  s.mw[0] = threePointValue(&s.z[1], &s.mw[1], 0.0);
  s.sg[0] = threePointValue(&s.z[1], &s.sg[1], 0.0);
  for (int i = 0; i <= s.count; ++i) {
    s.tb[i] = boilingPointFromMwSg(s.mw[i], s.sg[i]);
    s.z[i] /= 100;
  }
  return allFinite(s.tb.data(), s.count + 1);
}

}  // namespace

double lanczosLnGamma(double x) {
  const double s = 1.000000000190015 + 76.18009172947146 / (x + 1) -
                   86.50532032941678 / (x + 2) + 24.01409824083091 / (x + 3) -
                   1.231739572450155 / (x + 4) + 0.001208650973866179 / (x + 5) -
                   5.395239384953e-6 / (x + 6);
  return std::log(2.5066282746310007 * s / x) - (x + 5.5 - (x + 0.5) * std::log(x + 5.5));
}

double gammaDensity(double x, double alpha, double beta) {
  return std::pow(x, alpha - 1) * std::exp(-x / beta) /
         (std::pow(beta, alpha) * std::exp(lanczosLnGamma(alpha)));
}

void whitsonBracketStep(double& x, double f, double target, double& lo, double& hi,
                        double& xp, double& fp, double h) {
  if (f > target) {
    hi = x;
    if (x - lo > 1.2 * h) {
      xp = x;
      fp = f;
      x = x - h;
      return;
    }
  } else {
    lo = x;
    if (hi - x > 1.2 * h) {
      xp = x;
      fp = f;
      x = x + h;
      return;
    }
  }
  const bool hasPrevious = !std::isnan(fp);
  double next = (hi + lo) / 2;
  if (hasPrevious && fp - f != 0 && hi - lo > 0) {
    const double secant = x + (xp - x) * (target - f) / (fp - f);
    const double position = (secant - lo) / (hi - lo);
    if (position >= 0.02 && position <= 0.98) next = secant;
  }
  if (!hasPrevious || std::fabs(fp - target) > std::fabs(f - target)) {
    xp = x;
    fp = f;
  }
  x = next;
}

double whitsonDefaultEta(double mw) { return std::max(std::min(84.0, mw / 2), 0.4 * mw); }

bool completePlusFraction(double& mw, double& sg, double& kw) {
  const int missing = isMissing(mw) + isMissing(sg) + isMissing(kw);
  if (missing > 1) return false;
  double m = mw, s = sg, k = kw;
  if (isMissing(m)) m = molecularWeightFromSgK(s, k);
  if (isMissing(s)) s = specificGravityFromMwK(m, k);
  if (isMissing(k)) k = watsonK(m, s);
  for (double v : {m, s, k})
    if (!std::isfinite(v) || !(v > 0)) return false;
  mw = m;
  sg = s;
  kw = k;
  return true;
}

bool whitsonSliceCurve(double mw, double sg, double kw, double eta, WhitsonSlices& s) {
  if (eta > 0.9 * mw) return false;
  fillSlices(s, eta, kw);
  if (!fitShape(s, mw, eta) || s.count < kMinSlices) return false;
  balanceGravity(s, sg);
  lumpTail(s);
  return buildCumulativeCurve(s);
}

bool whitsonSplit(int nc, double* fractions, double* mws, double* densities,
                  const double* nbps, double mw, double sg, double kw, double eta) {
  if (eta <= 0) eta = whitsonDefaultEta(mw);
  SliceTable s;
  if (!whitsonSliceCurve(mw, sg, kw, eta, s)) return false;

  // The slice curve has at least four points with finite boiling points, and the NBPs
  // were checked by the export; only the cumulative fractions still need the cutter's
  // test for finite values.
  const int points = s.count + 1;
  if (allFinite(s.z.data(), points) &&
      compositionFromTbp(s.tb.data(), s.z.data(), points, nbps, fractions, nc)) {
    double sum = 0;
    for (int i = 0; i < nc; ++i) sum += fractions[i];
    if (sum > 0)
      for (int i = 0; i < nc; ++i) fractions[i] /= sum;
  }
  simpleSpline(points, s.tb.data(), s.mw.data(), nc, nbps, mws);
  for (int i = 0; i < points; ++i) s.sg[i] *= 1000;
  simpleSpline(points, s.tb.data(), s.sg.data(), nc, nbps, densities);
  return true;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_Whitson(int nc, double* fractions, double* mws, double* densities,
                            const double* nbps, double* mw, double* sg, double* kw,
                            double eta) {
  if (nc < 1 || !fractions || !mws || !densities || !nbps || !mw || !sg || !kw) return false;
  if (std::isnan(eta) || std::isnan(*mw) || std::isnan(*sg) || std::isnan(*kw)) return false;
  if (!qira::allFinite(nbps, nc)) return false;
  return qira::guarded(false, [&] {
    if (!qira::completePlusFraction(*mw, *sg, *kw)) return false;
    return qira::whitsonSplit(nc, fractions, mws, densities, nbps, *mw, *sg, *kw, eta);
  });
}

QIRA_API double Blend_gammln(double x) {
  return qira::guarded(qira::kMissing, [&] { return qira::lanczosLnGamma(x); });
}

QIRA_API double Blend_gammafun(double x, double alpha, double beta) {
  return qira::guarded(qira::kMissing, [&] { return qira::gammaDensity(x, alpha, beta); });
}

QIRA_API void Blend_whitson_convg(double* x, double f, double target, double* lo, double* hi,
                                  double* xp, double* fp, double h) {
  if (!x || !lo || !hi || !xp || !fp) return;
  qira::guardedVoid([&] { qira::whitsonBracketStep(*x, f, target, *lo, *hi, *xp, *fp, h); });
}

QIRA_C_END
