// MW, gravity and Watson K correlations: the Kw = f(MW, SG) relation solved for each
// variable, a heavy-end gravity relation, Katz-Firoozabadi gravity and Twu molecular weight.
#include "characterization/mw_gravity_correlations.h"

#include <algorithm>
#include <cmath>

#include "QIRACharacterization.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/units.h"

namespace qira {

namespace {

// Cube root of 1.8: (Kw / 1.2164404)^3 = Kw^3 / 1.8 carries Kw over to a kelvin boiling point.
constexpr double kCubeRoot18 = 1.2164404;
// kg/m3: the water density written into the Katz-Firoozabadi density and the Twu gravity
// of this library, each with its own gravity factor (0.9991 and 0.9979879); kept as
// written, apart from the 60F water density of frame/constants.h, so that both
// correlations give the results they always gave.
constexpr double kCorrelationWaterDensity = 998.9993;

double kelvinWatsonCube(double kw) { return std::pow(kw / kCubeRoot18, 3); }

// The MW factor of the boiling-point relation, 52.6 MW^0.45533 (K).
double boilingPointMwFactor(double mw) { return 52.6 * std::pow(mw, 0.45533); }

// Twu's reference n-alkane boiling point (rankine) as a function of theta = ln MW0, and
// its derivative.
double twuAlkaneExponential(double theta) {
  return std::exp(5.71419 + 2.71579 * theta - 0.28659 * theta * theta - 39.8544 / theta -
                  0.122488 / (theta * theta));
}

double twuResidual(double theta, double x) {
  return twuAlkaneExponential(theta) - 24.7522 * theta + 35.3155 * theta * theta - x;
}

double twuResidualSlope(double theta) {
  return (2.71579 - 0.57318 * theta + 39.8544 / (theta * theta) +
          0.244976 / (theta * theta * theta)) *
             twuAlkaneExponential(theta) -
         24.7522 + 70.631 * theta;
}

// The adjusted boiling point x (rankine): raised by up to about 5.7 % between about 648 R
// and 1752 R.
double twuAdjustedBoilingPoint(double tbRankine) {
  const double b = 1 - std::fabs(2 * tbRankine - 2400) / 2000;
  const double b2 = b * b, b3 = b2 * b, b6 = b3 * b3;
  const double c = 0.361925 * b3 - 0.155926 * b2 - 0.153607 * b6;
  return tbRankine * (1 + std::max(c, 0.0));
}

// Newton's method on the reference alkane's theta: at most 20 steps, stopping as soon as
// |h| < 0.0001 (tested before each step).
double twuReferenceTheta(double x) {
  double theta = x <= 2000 ? std::log(x / (10.44 - 0.0052 * x)) : std::log(50000.0);
  for (int iter = 0; iter < 20; ++iter) {
    const double h = twuResidual(theta, x);
    if (std::fabs(h) < 0.0001) break;
    theta -= h / twuResidualSlope(theta);
  }
  return theta;
}

}  // namespace

double watsonK(double mw, double sg) {
  return 4.559097 * std::pow(mw, 0.15178) * std::pow(sg, -0.84573);
}

double molecularWeightFromSgK(double sg, double kw) {
  return std::pow(kelvinWatsonCube(kw) * std::pow(sg, 2.537169) / 52.6, 2.196209);
}

double specificGravityFromMwK(double mw, double kw) {
  if (mw < 320) return std::pow(boilingPointMwFactor(mw) / kelvinWatsonCube(kw), 0.39414);
  return std::pow(mw / (2.482e-7 * std::pow(kw, 8.7669)), 0.08895);
}

double boilingPointFromMwSg(double mw, double sg) {
  return boilingPointMwFactor(mw) * std::pow(sg, 0.4628);
}

double katzFiroozabadiDensity(double tbKelvin) {
  const double t = kelvinToFahrenheit(tbKelvin);
  const double t2 = t * t;
  const double s = 0.5516 + 0.001208 * t - 2.231e-6 * t2 + 2.265e-9 * t2 * t -
                   8.614e-13 * t2 * t2;
  return s / 0.9991 * kCorrelationWaterDensity;
}

double twuMolecularWeight(double tbKelvin, double density) {
  const double x = twuAdjustedBoilingPoint(kelvinToRankine(tbKelvin));
  const double theta = twuReferenceTheta(x);

  double alpha = 1 - (0.533272 + 0.000191017 * x + 7.79681e-8 * x * x -
                      2.84376e-11 * x * x * x + 95.9468 * std::pow(100 / x, 13));
  if (alpha < 0.0001) alpha = 0.0001;
  const double sg = std::min(density / kCorrelationWaterDensity / 0.9979879, 1.394);
  const double alpha3 = alpha * alpha * alpha;
  const double sg0 = 0.843593 - 0.128624 * alpha - 3.36159 * alpha3 -
                     13749.5 * std::pow(alpha, 12);
  const double d = std::exp(5 * (sg0 - sg)) - 1;
  const double rootX = std::sqrt(x);
  const double f =
      (std::fabs(0.012342 - 0.328086 / rootX) + (0.193168 / rootX - 0.0175691) * d) * d;
  const double ratio = (1 + 2 * f) / (1 - 2 * f);
  const double g = ratio * ratio;
  return std::exp(g * theta);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API double Blend_uopk(double mw, double sg) {
  return qira::guarded(qira::kMissing, [&] { return qira::watsonK(mw, sg); });
}

QIRA_API double Blend_mw(double sg, double kw) {
  return qira::guarded(qira::kMissing, [&] { return qira::molecularWeightFromSgK(sg, kw); });
}

QIRA_API double Blend_sg(double mw, double kw) {
  return qira::guarded(qira::kMissing, [&] { return qira::specificGravityFromMwK(mw, kw); });
}

QIRA_API double Blend_sg_katz_firoozabadi(double tb) {
  return qira::guarded(qira::kMissing, [&] { return qira::katzFiroozabadiDensity(tb); });
}

QIRA_API double Blend_mw_twu(double tb, double density) {
  return qira::guarded(qira::kMissing, [&] { return qira::twuMolecularWeight(tb, density); });
}

QIRA_C_END
