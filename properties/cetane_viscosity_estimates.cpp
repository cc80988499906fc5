// Cetane indices of distillates (ASTM D4737 and D976 forms) and the kinematic viscosity
// estimates at 100 F and 210 F from bulk properties (API and Twu correlations).
#include "properties/cetane_viscosity_estimates.h"

#include <algorithm>
#include <cmath>

#include "QIRACetane.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/units.h"

namespace qira {

namespace {

double kelvinToCelsius(double k) { return k - 273.15; }

}  // namespace

double cetaneIndexD4737(double d15, double t10K, double t50K, double t90K) {
  if (!(t10K < t50K && t10K < t90K && t50K < t90K)) return kMissing;
  const double B = std::exp(-3.5 * (d15 - 0.85)) - 1;
  const double t10 = kelvinToCelsius(t10K) - 215;
  const double t50 = kelvinToCelsius(t50K) - 260;
  const double t90 = kelvinToCelsius(t90K) - 310;
  return 45.2 + 0.0892 * t10 + (0.131 + 0.901 * B) * t50 + (0.0523 - 0.42 * B) * t90 +
         0.00049 * (t10 * t10 - t90 * t90) + 107 * B + 60 * B * B;
}

double cetaneIndexD976(double api, double t50K) {
  const double M = kelvinToFahrenheit(t50K);
  if (M < 0) return kMissing;
  const double L = std::log10(M);
  return 0.016 * api * api - 420.34 + 0.192 * api * L + 65.01 * L * L - 0.0001809 * M * M;
}

double cetaneIndexD976Density(double d15, double t50K) {
  const double B = kelvinToCelsius(t50K);
  const double logB = std::log10(B);
  return 454.74 - 1641.416 * d15 + 774.74 * d15 * d15 - 0.554 * B + 97.803 * (logB * logB);
}

double cetaneBlendingIndexD976(double a, double tK) {
  const double TF = kelvinToFahrenheit(tK);
  if (!(TF > 145.0 && TF < 375.0)) return kMissing;
  return 0.9187 * std::pow(a / 10, 1.26687) * std::pow(TF / 100, 1.44227);
}

ViscosityPair apiViscosity(double K, double G) {
  const double log100 = 4.39371 - 1.94733 * K + 0.12769 * K * K + 0.00032629 * G * G -
                        0.0118246 * K * G +
                        (10.9943 * G + 0.171617 * K * K + 0.0950663 * G * G - 0.860218 * K * G) /
                            (50.3642 - 4.78231 * K + G);
  const double log210 = -0.463634 - 0.166532 * G + 0.000513447 * G * G - 0.00848995 * K * G +
                        (0.080325 * K + 1.24899 * G + 0.19768 * G * G) / (26.786 - 2.6296 * K + G);
  return {std::pow(10.0, log100), std::pow(10.0, log210)};
}

namespace {

// (1 + 2f) / (1 - 2f), squared: the exponent that carries the reference fluid's
// viscosity over to the real fluid on the ln(nu + w) scale.
double twuRatioSquared(double f) {
  const double r = (1 + 2 * f) / (1 - 2 * f);
  return r * r;
}

}  // namespace

ViscosityPair twuViscosity(double rho, double tbK) {
  // Boiling point in degrees Rankine, capped at 1800 R.
  const double TbR = std::min(1.8 * tbK, 1800.0);
  const double alpha = 1 - (0.533272 + 0.000191017 * TbR + 7.79681e-8 * TbR * TbR -
                            2.84376e-11 * std::pow(TbR, 3) + 9.59468e27 / std::pow(TbR, 13));
  // Reference (n-alkane) viscosity at 210 F on the log scale, and reference gravity.
  const double L2 = std::log(std::exp(4.73227 - 27.0975 * alpha + 49.4491 * alpha * alpha -
                                      50.4706 * std::pow(alpha, 4)) -
                             1.5);
  const double SGref =
      0.843593 - 0.128624 * alpha - 3.36159 * std::pow(alpha, 3) - 13749.5 * std::pow(alpha, 12);
  const double SG = std::min(rho / 997.9879, 1.394);
  const double dSG = SG - SGref;
  const double sqrtTb = std::sqrt(TbR);
  const double X = std::fabs(1.99873 - 56.7394 / sqrtTb);
  const double f2 = dSG * X - 21.1141 * dSG * dSG / sqrtTb;
  const double f1 = 0.33932 * dSG * X + f2;
  const double w = 450 / TbR;
  ViscosityPair out;
  out.nu210 = std::exp(std::log(std::exp(L2) + w) * twuRatioSquared(f2)) - w;
  // The reference value at 100 F uses the 210 F term capped at 2.5.
  const double ref100 = std::exp(1.37179 * std::min(L2, 2.5) + 0.801621);
  out.nu100 = std::exp(std::log(ref100 + w) * twuRatioSquared(f1)) - w;
  return out;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API double Blend_CetaneIndexD4737(double d15, double T10, double T50, double T90) {
  return qira::guarded(qira::kMissing, [&] { return qira::cetaneIndexD4737(d15, T10, T50, T90); });
}

QIRA_API double Blend_CetaneIndexD976(double api, double T50) {
  return qira::guarded(qira::kMissing, [&] { return qira::cetaneIndexD976(api, T50); });
}

QIRA_API double Blend_CetaneIndexD976_2(double d15, double T50) {
  return qira::guarded(qira::kMissing, [&] { return qira::cetaneIndexD976Density(d15, T50); });
}

QIRA_API double Blend_CetaneIndexD976_3(double a, double T) {
  return qira::guarded(qira::kMissing, [&] { return qira::cetaneBlendingIndexD976(a, T); });
}

QIRA_API bool Blend_APIVisc(double watsonK, double api, double* nu100, double* nu210) {
  if (!nu100 || !nu210) return false;
  return qira::guarded(false, [&] {
    const qira::ViscosityPair v = qira::apiViscosity(watsonK, api);
    *nu100 = v.nu100;
    *nu210 = v.nu210;
    return true;
  });
}

QIRA_API bool Blend_TwuVisc(double rho, double Tb, double* nu100, double* nu210) {
  if (!nu100 || !nu210) return false;
  return qira::guarded(false, [&] {
    const qira::ViscosityPair v = qira::twuViscosity(rho, Tb);
    *nu100 = v.nu100;
    *nu210 = v.nu210;
    return true;
  });
}

QIRA_C_END
