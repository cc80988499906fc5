// Closed-form roots of a monic cubic: Cardano's formula for one real root, the
// trigonometric form for three.
#include <cmath>

#include "QIRASolvers.h"
#include "frame/boundary.h"

namespace qira {

namespace {

// Real cube root as sign * |v|^(1/3).
double signedCubeRoot(double v) {
  const double magnitude = std::pow(std::fabs(v), 1.0 / 3.0);
  return v < 0 ? -magnitude : magnitude;
}

}  // namespace

// x^3 + a x^2 + b x + c = 0; the result counts the distinct real roots (see the header).
int solveCubic(double a, double b, double c, double* roots) {
  const double s = a * (1.0 / 3.0);
  const double p = (b - a * s) / 3;
  const double q = (2 * s * s - b) * s + c;
  const double h = q / 2;
  const double D = h * h + p * p * p;
  if (D == 0.0) {
    // A zero discriminant means p <= 0, unless h * h + p^3 underflowed for tiny
    // coefficients: the roots then meet at -s.
    const double r = std::sqrt(std::fmax(-p, 0.0));
    if (q > 0) {
      roots[1] = roots[2] = r - s;
      roots[0] = -2 * r - s;
    } else {
      roots[1] = roots[2] = -r - s;
      roots[0] = 2 * r - s;
    }
    return 2;
  }
  if (D > 0) {
    const double w = std::sqrt(D);
    const double u = signedCubeRoot(-h + w);
    const double v = signedCubeRoot(-h - w);
    roots[0] = u + v - s;
    roots[1] = -0.5 * (u + v) - s;
    roots[2] = (u - v) * 0.8660254;  // sqrt(3)/2 to seven decimals, deliberately
    return 1;
  }
  // Three real roots (also reached by a not-a-number discriminant). The seven-decimal
  // constants are part of the method.
  const double g = std::sqrt(-(h * h) / (p * p * p));
  const double k = std::sqrt(1 - g * g);
  double phi = q >= 0 ? std::atan(g / k) + 1.5707963 : std::atan(k / g);
  phi = phi / 3;
  const double m = 2 * std::sqrt(-p);
  for (int j = 0; j < 3; ++j) roots[j] = m * std::cos(j * 2.0943951 + phi) - s;
  return 3;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API int SolveCubicEq(double* roots, const double* coefficients) {
  if (!roots || !coefficients) return 0;
  return qira::guarded(0, [&] {
    return qira::solveCubic(coefficients[0], coefficients[1], coefficients[2], roots);
  });
}

QIRA_C_END
