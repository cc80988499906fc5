// The standard normal distribution: the cumulative function by a double-precision
// rational approximation with a continued fraction in the far tail, and its inverse by
// a three-region rational approximation without refinement.
#include <cmath>
#include <limits>

#include "QIRASolvers.h"
#include "frame/boundary.h"

namespace qira {

namespace {

// Returned by the inverse outside (0, 1): 2^127.
constexpr double kInverseBound = 1.7014118346046923e38;

// Upper tail 1 - Phi(y) for y >= 0.
double upperTail(double y) {
  if (y > 37.0) return 0.0;
  const double e = std::exp(-y * y / 2);
  if (y < 7.07106781186547) {
    const double num =
        ((((((0.0352624965998911 * y + 0.700383064443688) * y + 6.37396220353165) * y +
            33.912866078383) * y + 112.079291497871) * y + 221.213596169931) * y +
         220.206867912376);
    const double den =
        (((((((0.0883883476483184 * y + 1.75566716318264) * y + 16.064177579207) * y +
             86.7807322029461) * y + 296.564248779674) * y + 637.333633378831) * y +
          793.826512519948) * y + 440.413735824752);
    return e * num / den;
  }
  const double c = y + 1 / (y + 2 / (y + 3 / (y + 4 / (y + 0.65))));
  // sqrt(2 pi) to thirteen digits, as the algorithm gives it (deliberately not exact).
  return e / c / 2.506628274631;
}

// The tail region's rational function in q = sqrt(-2 ln p).
double tailRational(double q) {
  const double c1 = -0.007784894002430293, c2 = -0.3223964580411365, c3 = -2.400758277161838,
               c4 = -2.549732539343734, c5 = 4.374664141464968, c6 = 2.938163982698783;
  const double d1 = 0.007784695709041462, d2 = 0.3224671290700398, d3 = 2.445134137142996,
               d4 = 3.754408661907416;
  return (((((c1 * q + c2) * q + c3) * q + c4) * q + c5) * q + c6) /
         ((((d1 * q + d2) * q + d3) * q + d4) * q + 1);
}

double centralRational(double p) {
  const double a1 = -39.69683028665376, a2 = 220.9460984245205, a3 = -275.9285104469687,
               a4 = 138.357751867269, a5 = -30.66479806614716, a6 = 2.506628277459239;
  const double b1 = -54.47609879822406, b2 = 161.5858368580409, b3 = -155.6989798598866,
               b4 = 66.80131188771972, b5 = -13.28068155288572;
  const double q = p - 0.5;
  const double r = q * q;
  return (((((a1 * r + a2) * r + a3) * r + a4) * r + a5) * r + a6) * q /
         (((((b1 * r + b2) * r + b3) * r + b4) * r + b5) * r + 1);
}

}  // namespace

double normalCdf(double x) {
  const double t = upperTail(std::fabs(x));
  return x > 0 ? 1 - t : t;
}

double normalQuantile(double p) {
  if (p <= 0) return -kInverseBound;
  if (p >= 1) return kInverseBound;
  if (p < 0.02425) return tailRational(std::sqrt(-2 * std::log(p)));
  if (p <= 0.97575) return centralRational(p);
  if (p < 1) return -tailRational(std::sqrt(-2 * std::log(1 - p)));
  // Only a not-a-number probability falls into no region.
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API double ndtr(double x) {
  return qira::guarded(std::numeric_limits<double>::quiet_NaN(),
                       [&] { return qira::normalCdf(x); });
}

QIRA_API double ndtri(double p) {
  return qira::guarded(std::numeric_limits<double>::quiet_NaN(),
                       [&] { return qira::normalQuantile(p); });
}

QIRA_C_END
