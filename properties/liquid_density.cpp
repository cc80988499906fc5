// COSTALD liquid densities (Hankinson-Thomson) with the compressed-liquid correction, and
// the Lee-Kesler reduced vapour pressure.
#include "properties/liquid_density.h"

#include <algorithm>
#include <cmath>

#include "QIRALiquidProps.h"
#include "frame/boundary.h"
#include "frame/constants.h"
#include "frame/missing.h"

namespace qira {

namespace {

constexpr double kMinTr = 0.251;
constexpr double kMaxTr = 0.9999;
constexpr double kGasConstantKpa = kGasConstant1976;  // kPa m3/(kmol K)
constexpr double kGasConstantAtm = 0.082056;  // L atm/(mol K), as written in the mixture rule
constexpr double kKpaPerAtm = kStandardAtmosphere;
constexpr double kMixingThreshold = 1e-5;

double clampReducedTemperature(double tr) { return std::min(std::max(tr, kMinTr), kMaxTr); }

// tau = (1 - tr)^(1/3). Above the critical point the real cube root keeps the COSTALD
// polynomial finite and continuous through tr = 1 instead of giving not-a-number.
double costaldTau(double tr) {
  const double d = 1 - tr;
  if (d < 0) return -std::pow(-d, 1.0 / 3.0);
  return std::pow(d, 1.0 / 3.0);
}

// Saturated molar volume V* V_R0 (1 - omega V_Rdelta), in the evaluation order the
// density expressions use.
double saturatedVolume(double tr, double vstar, double omegaSrk) {
  return (1 - omegaSrk * costaldVRdelta(tr)) * (costaldVR0(tr) * vstar);
}

// Compressibility parameter N of the compressed-liquid correction.
double compressionParameter(double tr, double omegaCostald) {
  const double e = std::exp(
      6.9547 + tr * (-76.2853 + tr * (191.306 + tr * (-203.5427 + tr * 82.7631))));
  if (omegaCostald > 0) return e * (1 - 0.89 * std::sqrt(omegaCostald));
  return e * (1 - 0.89 * omegaCostald);
}

}  // namespace

double leeKeslerReducedPressure(double tr, double omega) {
  const double tr3 = tr * tr * tr;
  const double tr6 = tr3 * tr3;
  const double lnTr = std::log(tr);
  const double f0 = 5.92714 - 6.09648 / tr - 1.28862 * lnTr + 0.169347 * tr6;
  const double f1 = 15.2518 - 15.6875 / tr - 13.4721 * lnTr + 0.43577 * tr6;
  double lnPr = f0 + omega * f1;
  if (lnPr < -50) lnPr = -50;
  if (lnPr > 50) lnPr = 50;
  return std::min(std::exp(lnPr), 5.0);
}

double costaldVR0(double tr) {
  const double tau = costaldTau(tr);
  return 1 + tau * (-1.52816 + tau * (1.43907 + tau * (-0.81446 + tau * 0.190454)));
}

double costaldVRdelta(double tr) {
  // -0.04806458 carries one digit more than the published -0.0480645; kept as is.
  return (-0.296123 + 0.386914 * tr - 0.0427258 * tr * tr - 0.04806458 * tr * tr * tr) /
         (tr - 1.00001);
}

double costaldSaturatedDensity(double tr, double vstar, double omegaSrk) {
  return 1 / saturatedVolume(clampReducedTemperature(tr), vstar, omegaSrk);
}

double methaneSaturatedDensity(double tr) { return costaldSaturatedDensity(tr, 0.0994, 0.0074); }

double costaldCompressedDensity(double t, double p, double tc, double pc, double vstar,
                                double omegaSrk, double omega) {
  const double tr = clampReducedTemperature(t / tc);
  const double psat = leeKeslerReducedPressure(tr, omega) * pc;
  const double n = compressionParameter(tr, omegaSrk);
  const double c = std::max(0.0, (p - psat) * n * 9 * vstar / tc / kGasConstantKpa);
  return std::pow(1 + c, 1.0 / 9.0) / saturatedVolume(tr, vstar, omegaSrk);
}

double costaldMixtureDensity(int n, double t, double p, const double* x, const double* tc,
                             const double* pc, const double* vstar, const double* omega) {
  double s1 = 0, s13 = 0, s23 = 0, omegaM = 0;
  for (int i = 0; i < n; ++i) {
    if (!(x[i] >= kMixingThreshold)) continue;
    // Deliberately 0.33333, not 1/3: the mixture rule's published cube root as rounded
    // in this correlation; the exact fraction would change every mixture density.
    const double v13 = std::pow(vstar[i], 0.33333);
    s1 += x[i] * vstar[i];
    s13 += x[i] * v13;
    s23 += x[i] * v13 * v13;
    omegaM += x[i] * omega[i];
  }
  const double vstarM = (s1 + 3 * s23 * s13) / 4;
  double q = 0;
  for (int i = 0; i < n; ++i)
    if (x[i] >= kMixingThreshold) q += x[i] * std::sqrt(vstar[i] * tc[i]);
  const double q2 = q * q;
  if (q2 == 0 || vstarM == 0) return 0.0;

  const double tcM = q2 / vstarM;
  double tr = t / tcM;
  if (tr >= 1.0) return 0.0;
  tr = std::max(tr, kMinTr);
  const double vm = saturatedVolume(tr, vstarM, omegaM);

  double pbAtm = 0;
  for (int i = 0; i < n; ++i)
    if (x[i] > kMixingThreshold)
      pbAtm += leeKeslerReducedPressure(t / tc[i], omega[i]) * x[i] * pc[i] / kKpaPerAtm;

  const double nc = compressionParameter(tr, omegaM);
  double c = nc * 9 * vstarM * (p / kKpaPerAtm - pbAtm) / (kGasConstantAtm * tcM);
  if (!(c > 0)) c = 0;
  // Deliberately 0.111111, not 1/9 (the single-component density uses 1.0 / 9.0): the
  // mixture correction keeps its six-digit exponent.
  return std::pow(1 + c, 0.111111) / vm;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API double pc_ppress(double tr, double omega) {
  return qira::guarded(qira::kMissing, [&] { return qira::leeKeslerReducedPressure(tr, omega); });
}

QIRA_API void pc_costald(double tr, double* vr0, double* vrDelta) {
  if (!vr0 || !vrDelta || std::isnan(tr)) return;
  qira::guardedVoid([&] {
    *vr0 = qira::costaldVR0(tr);
    *vrDelta = qira::costaldVRdelta(tr);
  });
}

QIRA_API double pc_satden(double tr, double vstar, double omegaSrk) {
  return qira::guarded(qira::kMissing,
                       [&] { return qira::costaldSaturatedDensity(tr, vstar, omegaSrk); });
}

QIRA_API double pc_c1den(double tr) {
  return qira::guarded(qira::kMissing, [&] { return qira::methaneSaturatedDensity(tr); });
}

QIRA_API double pc_xden(double t, double p, double tc, double pc, double vstar,
                        double omegaSrk, double omega) {
  return qira::guarded(qira::kMissing, [&] {
    return qira::costaldCompressedDensity(t, p, tc, pc, vstar, omegaSrk, omega);
  });
}

QIRA_API double pc_xden2(int n, double t, double p, const double* x, const double* tc,
                         const double* pc, const double* vstar, const double* omega) {
  if (n < 1 || !x || !tc || !pc || !vstar || !omega) return 0.0;
  return qira::guarded(0.0, [&] {
    const double rho = qira::costaldMixtureDensity(n, t, p, x, tc, pc, vstar, omega);
    return std::isfinite(rho) ? rho : 0.0;
  });
}

QIRA_C_END
