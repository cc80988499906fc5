// The probability-scale table and its forward and inverse maps.
#include "distillation/probability_scale.h"

#include <algorithm>
#include <cmath>

#include "QIRACutting.h"

namespace qira {
namespace probability {
namespace {

// Scores of the fractions 0.51 .. 1.00; the lower half mirrors them and 0.50 is 0.
constexpr double kUpperHalf[50] = {
    0.017723843, 0.035458938, 0.053215736, 0.071006291, 0.088842661,
    0.106735295, 0.124696248, 0.142739186, 0.160874557, 0.179116025,
    0.197478862, 0.215975124, 0.234620886, 0.253430617, 0.272421998,
    0.291611107, 0.311018839, 0.330662879, 0.350565731, 0.370751509,
    0.391242718, 0.412068293, 0.433258779, 0.454844717, 0.476864689,
    0.499355667, 0.522364271, 0.545940334, 0.570140119, 0.59502632,
    0.620672884, 0.647163401, 0.674594326, 0.703081398, 0.732758044,
    0.763786625, 0.796358436, 0.830716215, 0.867155748, 0.906056412,
    0.947913327, 0.993387189, 1.043384646, 1.099223873, 1.162911071,
    1.23773525, 1.329718225, 1.45199996, 1.644723743, 3.476589918};

// Boundaries of the tail formulas.
constexpr double kTiny = 1e-10;
constexpr double kTailScoreBoundary = 2.184803016;

double lowerPolynomial(double f) {
  return -193855605 * f * f * f * f + 4962764.443 * f * f * f - 48930.68505 * f * f +
         260.4531005 * f - 2.399976517;
}

double upperPolynomial(double f) {
  return 93467.77529 * f * f * f * f - 70253.80655 * f * f * f - 338751.6336 * f * f +
         514539.473 * f - 198999.5073;
}

// The fractions i / 100 of the table entries, rounded as the division rounds.
struct GridFractions {
  double value[kTableSize];
  constexpr GridFractions() : value() {
    for (int i = 0; i < kTableSize; ++i) value[i] = i / 100.0;
  }
};
constexpr GridFractions kGrid{};

// Linear interpolation in the table; the first interval serves fractions below 0.
// The interval is the first i >= 1 whose fraction lies more than kTiny above f (the
// last interval when none does). That test only turns from false to true as i rises,
// so the search may start near f * 100 and walk to the same i.
double tableInterpolation(double f) {
  int i = 1;
  if (f > 0 && f < 1) i = std::max(1, static_cast<int>(f * 100));
  while (i > 1 && kGrid.value[i - 1] - f > kTiny) --i;
  while (i < kTableSize - 1 && !(kGrid.value[i] - f > kTiny)) ++i;
  const double lo = tableScore(i - 1), hi = tableScore(i);
  return lo + 100 * (f - kGrid.value[i - 1]) * (hi - lo);
}

double complementaryErf(double x) {
  const double t = 1 / (1 + x / 2);
  return t * std::exp(-x * x - 1.26551223 +
                      t * (1.00002368 +
                           t * (0.37409196 +
                                t * (0.09678418 +
                                     t * (-0.18628806 +
                                          t * (0.27886807 +
                                               t * (-1.13520398 +
                                                    t * (1.48851587 +
                                                         t * (-0.82215223 +
                                                              t * 0.17087277)))))))));
}

}  // namespace

double tableScore(int i) {
  if (i == 50) return 0.0;
  return i > 50 ? kUpperHalf[i - 51] : -kUpperHalf[49 - i];
}

void fillTable(double* z) {
  for (int i = 0; i < kTableSize; ++i) z[i] = tableScore(i);
}

double toScore(double f, Clamping clamping) {
  if (std::isnan(f)) return f;
  if (1 - f < kTiny) return kZmax;
  double z = tableInterpolation(f);
  if (clamping.tableToZmax) z = std::min(z, kZmax);
  if (0.001 < f && f < 0.01) {
    z = lowerPolynomial(f);
  } else if (kTiny < f && f <= 0.001) {
    z = 0.174128573 * std::log(f) - 0.98196545;
    if (clamping.lowTailToZmin && z < kZmin) z = kZmin;
  } else if (0.99 < f && f < 0.999) {
    z = upperPolynomial(f);
    if (clamping.upperPolyToZmax && z > kZmax) z = kZmax;
  } else if (f >= 0.999 && 1 - f > kTiny) {
    z = 0.98196545 - 0.174128573 * std::log(1 - f);
    if (z > kZmax) z = kZmax;
  }
  return z;
}

double toFraction(double z) {
  if (z - kZmin < 1e-5) return 0.0;
  if (z - kZmax > 1e-10 || std::fabs(kZmax - z) < 1e-5) return 1.0;
  if (-kTailScoreBoundary < z && z < tableScore(1))
    return 0.020016748 * z * z * z * z + 0.184224464 * z * z * z + 0.645494724 * z * z +
           1.022151232 * z + 0.618187202;
  if (kZmin < z && z <= -kTailScoreBoundary) return std::exp((z + 0.98196545) / 0.174128573);
  if (tableScore(99) < z && z < kTailScoreBoundary)
    return -0.020017082 * z * z * z * z + 0.184227021 * z * z * z - 0.645502063 * z * z +
           1.022160562 * z + 0.381808364;
  if (kTailScoreBoundary <= z && z < kZmax)
    return 1 - std::exp((z - 0.98196545) / -0.174128573);
  const double e = complementaryErf(std::fabs(z));
  return z <= 0 ? e / 2 : 1 - e / 2;
}

}  // namespace probability
}  // namespace qira

QIRA_C_BEGIN

QIRA_API void Blend_NormDistY(double* z) {
  if (z) qira::probability::fillTable(z);
}

QIRA_C_END
