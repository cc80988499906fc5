// Local curve fitting: the point-by-point polynomial interpolator with its overshoot and
// direction guards, the three-point evaluation used beyond a table's ends, and the
// piecewise-linear alternative the blends use when the DistCurFit option is set.
#include <algorithm>
#include <cmath>

#include "QIRACurveFit.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"

namespace qira {
namespace {

// Slope ratios above this or below its inverse pick a lower-degree polynomial.
constexpr double kRatioHigh = 8.0;
constexpr double kRatioLow = 0.125;
constexpr double kRatioUndefined = 10.0;

bool ratioOutOfRange(double r) { return r > kRatioHigh || r < kRatioLow; }

// First interval k holding xq (either orientation), or -1.
int bracketOf(int n, const double* x, double xq) {
  for (int k = 0; k <= n - 2; ++k)
    if ((x[k] <= xq && xq <= x[k + 1]) || (x[k] >= xq && xq >= x[k + 1])) return k;
  return -1;
}

// slope(s) / slope(s + 1), 10 where either is undefined or zero in the divisor.
double slopeRatio(const double* x, const double* y, int s) {
  if (x[s + 1] == x[s] || y[s + 2] == y[s + 1]) return kRatioUndefined;
  return (y[s + 1] - y[s]) / (x[s + 1] - x[s]) * (x[s + 2] - x[s + 1]) /
         (y[s + 2] - y[s + 1]);
}

// The three Lagrange denominators of points p .. p + 2, each a product of two gaps.
struct QuadraticDenominators {
  double d0, d1, d2;
};

QuadraticDenominators quadraticDenominators(const double* x, int p) {
  return {(x[p] - x[p + 1]) * (x[p] - x[p + 2]), (x[p + 1] - x[p + 2]) * (x[p + 1] - x[p]),
          (x[p + 2] - x[p + 1]) * (x[p + 2] - x[p])};
}

// The Lagrange quadratic through points p .. p + 2 at xq. The factors of each term are
// taken in the order of its denominator (the nearer following point first); rounding
// depends on that order, and the three-point value and the bracket quadratic share it.
double lagrangeQuadratic(const double* x, const double* y, int p, double xq,
                         const QuadraticDenominators& d) {
  return y[p] * (xq - x[p + 1]) * (xq - x[p + 2]) / d.d0 +
         y[p + 1] * (xq - x[p + 2]) * (xq - x[p]) / d.d1 +
         y[p + 2] * (xq - x[p + 1]) * (xq - x[p]) / d.d2;
}

// Lagrange quadratic through points p .. p + 2, or the chord when a denominator is
// below 1e-20 in magnitude.
double quadraticOrChord(const double* x, const double* y, int p, double xq, double lin) {
  const QuadraticDenominators d = quadraticDenominators(x, p);
  if (std::fabs(d.d0) < 1e-20 || std::fabs(d.d1) < 1e-20 || std::fabs(d.d2) < 1e-20)
    return lin;
  return lagrangeQuadratic(x, y, p, xq, d);
}

// Lagrange cubic through points s .. s + 3, leaving out pairs of abscissae within 1e-6.
double cubic(const double* x, const double* y, int s, double xq) {
  double sum = 0.0;
  for (int i = s; i <= s + 3; ++i) {
    double num = 1.0, den = 1.0;
    for (int l = s; l <= s + 3; ++l) {
      if (l == i || std::fabs(x[i] - x[l]) <= 1e-6) continue;
      num *= xq - x[l];
      den *= x[i] - x[l];
    }
    sum += y[i] * num / den;
  }
  return sum;
}

// Falls back to the chord when the polynomial value strays from it or leaves the
// bracket, or runs against the previous result.
double chordGuard(double v, double lin, double y0, double y1, const double* previous) {
  const double ratio = std::fabs(lin - y0) > 1e-8 ? std::fabs((v - y0) / (lin - y0)) : 0.0;
  const double test = ratio * std::fabs(v / lin);
  if (test < 0.75 || test > 1.4) v = lin;
  if (y1 - y0 >= 0 && (v < y0 || v > y1 || (previous && v < *previous))) v = lin;
  if (y1 - y0 <= 0 && (v > y0 || v < y1 || (previous && v > *previous))) v = lin;
  return v;
}

// Value inside bracket k for query index j (out[0 .. j-1] already written).
double bracketValue(int n, const double* x, const double* y, int k, double xq, int j,
                    const double* out) {
  const double y0 = y[k], y1 = y[k + 1];
  const double scale = std::max({1e-6, std::fabs(y0), std::fabs(y1)});
  if (xq == x[k] || std::fabs((y0 - y1) / scale) < 1e-5) return y0;
  if (xq == x[k + 1]) return y1;
  const double lin = y0 + (y1 - y0) / (x[k + 1] - x[k]) * (xq - x[k]);

  const int s = std::max(0, std::min(k - 1, n - 4));
  const double r1 = slopeRatio(x, y, s);
  const double r2 = n == 3 ? kRatioUndefined : slopeRatio(x, y, s + 1);
  if ((r1 > kRatioHigh && r2 > kRatioHigh) || (r1 < kRatioLow && r2 < kRatioLow)) return lin;

  double v;
  if (ratioOutOfRange(r1))
    v = quadraticOrChord(x, y, n == 3 ? s : s + 1, xq, lin);
  else if (ratioOutOfRange(r2))
    v = quadraticOrChord(x, y, s, xq, lin);
  else
    v = cubic(x, y, s, xq);
  return chordGuard(v, lin, y0, y1, j > 0 ? &out[j - 1] : nullptr);
}

bool isZeroGap(double d) { return std::fabs(d) < 1e-5; }

}  // namespace

double threePointValue(const double* x, const double* y, double xq) {
  const double d01 = x[0] - x[1], d02 = x[0] - x[2], d12 = x[1] - x[2];
  const bool z01 = isZeroGap(d01), z02 = isZeroGap(d02), z12 = isZeroGap(d12);
  double v = 0.0;
  if (z01 && z02)
    v = y[0];
  else if (z01)
    v = y[0] - (y[2] - y[0]) * (xq - x[0]) / d02;
  else if (z02)
    v = y[0] - (y[1] - y[0]) * (xq - x[0]) / d01;
  else if (z12)
    v = y[0] - (y[2] - y[0]) * (xq - x[0]) / d02;
  if (v != 0.0) return v;
  // A degenerate value of exactly 0 falls through to the quadratic, except where the
  // quadratic would divide by an exact zero (a zero gap, or gaps so small that their
  // product underflows): there the degenerate value stands.
  if ((z01 || z02 || z12) && (d01 == 0.0 || d02 == 0.0 || d12 == 0.0 || d01 * d02 == 0.0 ||
                              d01 * d12 == 0.0 || d02 * d12 == 0.0))
    return v;

  const double q = lagrangeQuadratic(x, y, 0, xq, quadraticDenominators(x, 0));
  double out = q;
  double line = q;
  if (xq < x[0])
    line = y[1] - (y[1] - y[0]) / (x[1] - x[0]) * (x[1] - xq);
  else if (xq > x[2])
    line = y[2] - (y[2] - y[1]) / (x[2] - x[1]) * (x[2] - xq);
  if ((xq < x[2] && q > y[2]) || (xq > x[2] && q < y[2]) || (xq > x[0] && q < y[0]) ||
      (xq < x[0] && q > y[0]))
    out = line;
  if (xq != 0.0) {
    const double r = std::fabs((out - line) / (line > 1e-4 ? line : 1e-4));
    if (r > 1.4 || r < 0.75) out = line;
  }
  return out;
}

bool simpleSpline(int n, const double* x, const double* y, int m, const double* xq,
                  double* out) {
  if (n < 3) return false;
  for (int j = 0; j < m; ++j) {
    const double q = xq[j];
    const int k = bracketOf(n, x, q);
    if (k >= 0)
      out[j] = bracketValue(n, x, y, k, q, j, out);
    else if (q <= x[0])
      out[j] = threePointValue(x, y, q);
    else if (q >= x[n - 1])
      out[j] = threePointValue(x + n - 3, y + n - 3, q);
    else
      return false;
  }
  return true;
}

void linearInterpolate(int n, const double* x, const double* y, int m, const double* xq,
                       double* out) {
  for (int j = 0; j < m; ++j) {
    const double q = xq[j];
    if (q < x[0]) {
      out[j] = y[0] + (y[0] - y[1]) / (x[0] - x[1]) * (q - x[0]);
    } else if (q > x[n - 1]) {
      out[j] = y[n - 1] + (y[n - 1] - y[n - 2]) / (x[n - 1] - x[n - 2]) * (q - x[n - 1]);
    } else {
      for (int k = 0; k < n; ++k) {
        if (q == x[k]) {
          out[j] = y[k];
          break;
        }
        if (k >= 1 && x[k - 1] < q && q < x[k]) {
          out[j] = y[k - 1] + (y[k] - y[k - 1]) / (x[k] - x[k - 1]) * (q - x[k - 1]);
          break;
        }
      }
    }
  }
}

bool linearMap(int n, const double* x, const double* y, int m, const double* xq,
               double* out) {
  for (int j = 0; j < m; ++j)
    if (std::isnan(xq[j])) return false;
  linearInterpolate(n, x, y, m, xq, out);
  return true;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Simple_spline(int n, const double* x, const double* y, int m,
                            const double* xq, double* out) {
  return qira::tableExport(n, 3, x, y, m, xq, out,
                           [&] { return qira::simpleSpline(n, x, y, m, xq, out); });
}

QIRA_API bool Blend_lstsqr(const double* x, const double* y, double xq, double* out) {
  if (!x || !y || !out) return false;
  return qira::guarded(false, [&] {
    *out = qira::threePointValue(x, y, xq);
    return true;
  });
}

QIRA_API bool Blend_Linear(int n, const double* x, const double* y, int m,
                           const double* xq, double* out) {
  return qira::tableExport(n, 2, x, y, m, xq, out,
                           [&] { return qira::linearMap(n, x, y, m, xq, out); });
}

QIRA_C_END
