// Seven-point TBP to seven-point D86 by polynomial correlations: a sixth-degree
// polynomial of the TBP 50 % temperature gives the D86 50 % temperature, and for each
// segment a seventh-degree polynomial without constant term of the TBP difference gives
// the D86 difference. Built outward from the 50 % point, in Fahrenheit, with no range
// limit on the differences. Points: IBP 0, 10 % 1, 30 % 2, 50 % 3, 70 % 4, 90 % 5, FBP 6.
#include <cmath>

#include "QIRAConversions.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"

namespace qira {

namespace {

constexpr double kMidpoint[7] = {20.07479,    0.8046995,   0.00128824, -4.50624e-6,
                                 7.75228e-9, -6.51315e-12, 2.08664e-15};

// Coefficients c1..c7 of each segment, initial point to 10 % first.
constexpr double kSegment[6][7] = {
    {0.251719, 0.00805896, -6.0163e-5, 2.4197e-7, -3.57557e-10, -7.5618e-13, 2.28664e-15},
    {0.246081, 0.0183541, -0.000536556, 8.65085e-6, -6.68831e-8, 2.43369e-10,
     -3.38171e-13},
    {0.406111, 0.00993675, -0.00021322, 3.25309e-6, -2.41937e-8, 8.2966e-11, -1.06763e-13},
    {0.505929, 0.00765639, -0.000142754, 2.23652e-6, -1.7465e-8, 6.23097e-11,
     -8.29563e-14},
    {0.627292, 0.00175175, 6.23439e-5, -8.48437e-7, 4.76086e-9, -1.48021e-11, 2.11613e-14},
    {0.749814, 0.00527672, -2.41578e-5, -5.40199e-7, 4.73387e-9, -1.37621e-11,
     1.33108e-14}};
enum Segment { kInitialTo10, k10To30, k30To50, k50To70, k70To90, k90ToFinal };

// c0 + c1 x + ... + c6 x^6, summed term by term in rising powers.
double midpointD86(double x) {
  double sum = kMidpoint[0];
  for (int k = 1; k < 7; ++k) sum += kMidpoint[k] * std::pow(x, k);
  return sum;
}

// c1 d + c2 d^2 + ... + c7 d^7 of the segment, summed term by term in rising powers.
double d86Difference(Segment which, double d) {
  double sum = 0;
  for (int k = 1; k <= 7; ++k) sum += kSegment[which][k - 1] * std::pow(d, k);
  return sum;
}

}  // namespace

bool tbpToD86Polynomial(const double* tbp, double* d86) {
  if (!strictlyIncreasing(tbp, kD86SevenPoints)) return false;
  double T[kD86SevenPoints], D[kD86SevenPoints];
  curveToFahrenheit(tbp, T, kD86SevenPoints);
  D[3] = midpointD86(T[3]);
  D[2] = D[3] - d86Difference(k30To50, T[3] - T[2]);
  D[1] = D[2] - d86Difference(k10To30, T[2] - T[1]);
  D[0] = D[1] - d86Difference(kInitialTo10, T[1] - T[0]);
  D[4] = D[3] + d86Difference(k50To70, T[4] - T[3]);
  D[5] = D[4] + d86Difference(k70To90, T[5] - T[4]);
  D[6] = D[5] + d86Difference(k90ToFinal, T[6] - T[5]);
  curveToKelvin(D, d86, kD86SevenPoints);
  return true;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool API6_TBPtoD86(const double* tbp, double* d86) {
  if (!tbp || !d86) return false;
  return qira::guarded(false, [&] { return qira::tbpToD86Polynomial(tbp, d86); });
}

QIRA_C_END
