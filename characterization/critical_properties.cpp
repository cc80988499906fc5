// Critical properties of petroleum fractions from the normal boiling point and specific
// gravity: Riazi-Daubert (1980), Kesler-Lee (1976), Twu (1984), and the COSTALD
// characteristic volume and SRK acentric factor of Hankinson-Thomson (1979). The published
// correlations work in rankine, psia and cubic feet; the interface in K, kPa and m3/kmol.
#include <cmath>

#include "QIRACriticalProps.h"
#include "QIRASolvers.h"
#include "frame/boundary.h"
#include "frame/constants.h"
#include "frame/fraction_relations.h"
#include "frame/missing.h"

namespace qira {
namespace {

constexpr double kRankinePerKelvin = 1.8;

bool positive(double x) { return std::isfinite(x) && x > 0; }

// The marker unless the result is a finite positive number.
double positiveOrMissing(double v) { return positive(v) ? v : kMissing; }

// A critical temperature at or below the boiling point has no meaning: the marker.
double criticalTemperatureOrMissing(double tcKelvin, double tbKelvin) {
  return std::isfinite(tcKelvin) && tcKelvin > tbKelvin ? tcKelvin : kMissing;
}

// Runs a correlation of (tb, sg) when both are finite and positive.
template <typename Body>
double withBoilingPointAndGravity(double tb, double sg, Body&& body) {
  return guarded(kMissing, [&] { return positive(tb) && positive(sg) ? body() : kMissing; });
}

// Riazi-Daubert 1980: theta = a Tb[R]^b SG^c.
double riaziDaubert(double tbRankine, double sg, double a, double b, double c) {
  return a * std::pow(tbRankine, b) * std::pow(sg, c);
}

// Twu 1984: the normal paraffin of the same boiling point and the fraction's perturbation
// of it. Every quantity in rankine, psia and ft3/lbmol; valid is false outside the formula's
// domain (no paraffin reference, or a perturbation |f| >= 1/2).
struct TwuCritical {
  double tc, pc, vc;
  bool valid;
};

// ((1 + 2f)/(1 - 2f))^2, the perturbation factor of Twu's three properties.
double twuFactor(double f) {
  const double r = (1 + 2 * f) / (1 - 2 * f);
  return r * r;
}

TwuCritical twuCritical(double tb, double sg) {
  TwuCritical out{0, 0, 0, false};
  const double tc0 = tb / (0.533272 + 0.191017e-3 * tb + 0.779681e-7 * tb * tb -
                           0.284376e-10 * tb * tb * tb + 0.959468e28 / std::pow(tb, 13));
  if (!(std::isfinite(tc0) && tc0 > tb)) return out;
  const double a = 1 - tb / tc0;
  const double a3 = a * a * a, a4 = a3 * a, a12 = a4 * a4 * a4, a14 = a12 * a * a;
  const double pc0Root = 3.83354 + 1.19629 * std::sqrt(a) + 34.8888 * a + 36.1952 * a * a +
                         104.193 * a4;
  const double pc0 = pc0Root * pc0Root;
  const double vc0 = std::pow(1 - (0.419869 - 0.505839 * a - 1.56436 * a3 - 9481.70 * a14), -8);
  const double sg0 = 0.843593 - 0.128624 * a - 3.36159 * a3 - 13749.5 * a12;
  const double rootTb = std::sqrt(tb);

  const double dT = std::exp(5 * (sg0 - sg)) - 1;
  const double fT = dT * (-0.362456 / rootTb + (0.0398285 - 0.948125 / rootTb) * dT);
  const double dV = std::exp(4 * (sg0 * sg0 - sg * sg)) - 1;
  const double fV = dV * (0.466590 / rootTb + (-0.182421 + 3.01721 / rootTb) * dV);
  const double dP = std::exp(0.5 * (sg0 - sg)) - 1;
  const double fP = dP * ((2.53262 - 46.1955 / rootTb - 0.00127885 * tb) +
                          (-11.4277 + 252.140 / rootTb + 0.00230535 * tb) * dP);
  if (!(std::fabs(fT) < 0.5 && std::fabs(fV) < 0.5 && std::fabs(fP) < 0.5)) return out;

  out.tc = tc0 * twuFactor(fT);
  out.vc = vc0 * twuFactor(fV);
  out.pc = pc0 * (out.tc / tc0) * (vc0 / out.vc) * twuFactor(fP);
  out.valid = true;
  return out;
}

// SRK: ln(phi_liquid / phi_vapour) at reduced temperature tr and pressure pr with alpha,
// positive when the pressure lies below the saturation pressure (the vapour is the stable
// phase). With one real root, its side of the SRK critical compressibility 1/3 decides.
double srkLiquidOverVapour(double tr, double pr, double alpha) {
  const double A = 0.42748 * alpha * pr / (tr * tr), B = 0.08664 * pr / tr;
  const double coefficients[3] = {-1.0, A - B - B * B, -A * B};
  double z[3];
  const int kind = SolveCubicEq(z, coefficients);
  if (kind != 3) {
    return z[0] > 1.0 / 3.0 ? 1.0 : -1.0;
  }
  double zl = z[0], zv = z[0];
  for (double r : z) {
    zl = std::fmin(zl, r);
    zv = std::fmax(zv, r);
  }
  if (!(zl > B)) return -1.0;
  const auto lnPhi = [&](double zz) {
    return zz - 1 - std::log(zz - B) - A / B * std::log(1 + B / zz);
  };
  return lnPhi(zl) - lnPhi(zv);
}

double srkAlpha(double tr, double omega) {
  const double m = 0.480 + 1.574 * omega - 0.176 * omega * omega;
  const double s = 1 + m * (1 - std::sqrt(tr));
  return s * s;
}

}  // namespace
}  // namespace qira

using qira::kMissing;

QIRA_API double QiraCrit_TcRiaziDaubert1980(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const double tc = qira::riaziDaubert(tb * qira::kRankinePerKelvin, sg, 24.2787, 0.58848,
                                         0.3596) / qira::kRankinePerKelvin;
    return qira::criticalTemperatureOrMissing(tc, tb);
  });
}

QIRA_API double QiraCrit_PcRiaziDaubert1980(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    return qira::positiveOrMissing(
        qira::riaziDaubert(tb * qira::kRankinePerKelvin, sg, 3.12281e9, -2.3125, 2.3201) *
        qira::kKpaPerPsi);
  });
}

QIRA_API double QiraCrit_VcRiaziDaubert1980(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const double t = tb * qira::kRankinePerKelvin;
    const double specific = qira::riaziDaubert(t, sg, 7.5214e-3, 0.2896, -0.7666);  // ft3/lb
    const double mw = qira::riaziDaubertMolecularWeight(tb, sg);
    return qira::positiveOrMissing(specific * mw * qira::kM3PerKmolPerFt3PerLbmol);
  });
}

QIRA_API double QiraCrit_TcKeslerLee1976(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const double t = tb * qira::kRankinePerKelvin;
    const double tc = 341.7 + 811 * sg + (0.4244 + 0.1174 * sg) * t +
                      (0.4669 - 3.2623 * sg) * 1e5 / t;
    return qira::criticalTemperatureOrMissing(tc / qira::kRankinePerKelvin, tb);
  });
}

QIRA_API double QiraCrit_PcKeslerLee1976(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const double t = tb * qira::kRankinePerKelvin, s2 = sg * sg;
    const double lnPc = 8.3634 - 0.0566 / sg -
                        (0.24244 + 2.2898 / sg + 0.11857 / s2) * 1e-3 * t +
                        (1.4685 + 3.648 / sg + 0.47227 / s2) * 1e-7 * t * t -
                        (0.42019 + 1.6977 / s2) * 1e-10 * t * t * t;
    return qira::positiveOrMissing(std::exp(lnPc) * qira::kKpaPerPsi);
  });
}

QIRA_API double QiraCrit_AcentricKeslerLee1976(double tb, double sg, double tc, double pc) {
  return qira::guarded(kMissing, [&] {
    if (!(qira::positive(tb) && qira::positive(sg) && qira::positive(tc) &&
          qira::positive(pc) && tb < tc))
      return kMissing;
    const double tbr = tb / tc;
    double omega;
    if (tbr <= 0.8) {
      const double lnTbr = std::log(tbr), tbr6 = std::pow(tbr, 6);
      omega = (-std::log(pc / qira::kStandardAtmosphere) - 5.92714 + 6.09648 / tbr + 1.28862 * lnTbr -
               0.169347 * tbr6) /
              (15.2518 - 15.6875 / tbr - 13.4721 * lnTbr + 0.43577 * tbr6);
    } else {
      const double kw = qira::watsonFactorFromBoilingPoint(tb, sg);
      omega = -7.904 + 0.1352 * kw - 0.007465 * kw * kw + 8.359 * tbr +
              (1.408 - 0.01063 * kw) / tbr;
    }
    return std::isfinite(omega) ? omega : kMissing;
  });
}

QIRA_API double QiraCrit_TcTwu1984(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const qira::TwuCritical c = qira::twuCritical(tb * qira::kRankinePerKelvin, sg);
    return c.valid ? qira::criticalTemperatureOrMissing(c.tc / qira::kRankinePerKelvin, tb)
                   : kMissing;
  });
}

QIRA_API double QiraCrit_PcTwu1984(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const qira::TwuCritical c = qira::twuCritical(tb * qira::kRankinePerKelvin, sg);
    return c.valid ? qira::positiveOrMissing(c.pc * qira::kKpaPerPsi) : kMissing;
  });
}

QIRA_API double QiraCrit_VcTwu1984(double tb, double sg) {
  return qira::withBoilingPointAndGravity(tb, sg, [&] {
    const qira::TwuCritical c = qira::twuCritical(tb * qira::kRankinePerKelvin, sg);
    return c.valid ? qira::positiveOrMissing(c.vc * qira::kM3PerKmolPerFt3PerLbmol) : kMissing;
  });
}

QIRA_API double QiraCrit_CostaldVolumeHT1979(double tc, double pc, double omega_srk) {
  return qira::guarded(kMissing, [&] {
    if (!(qira::positive(tc) && qira::positive(pc) && std::isfinite(omega_srk)))
      return kMissing;
    return qira::positiveOrMissing(qira::kGasConstant * tc / pc *
                                   (0.2851686 - 0.06379110 * omega_srk +
                                    0.01379173 * omega_srk * omega_srk));
  });
}

QIRA_API double QiraCrit_CostaldOmegaHT1979(double tb, double tc, double pc) {
  return qira::guarded(kMissing, [&] {
    if (!(qira::positive(tb) && qira::positive(tc) && qira::positive(pc) && tb < tc &&
          pc > qira::kStandardAtmosphere))
      return kMissing;
    const double tr = tb / tc, pr = qira::kStandardAtmosphere / pc;
    // An SRK saturation pressure of one atmosphere at tb exists only when pr < tr;
    // outside, the search meets the liquid and vapour roots merged into one and would
    // return a number with no meaning.
    if (!(pr < tr)) return kMissing;
    // The SRK saturation pressure falls as omega rises: a larger omega while one
    // atmosphere lies below it, a smaller one while above.
    const auto belowSaturation = [&](double omega) {
      return qira::srkLiquidOverVapour(tr, pr, qira::srkAlpha(tr, omega)) > 0;
    };
    double lo = -0.5, hi = 2.5;
    if (!belowSaturation(lo) || belowSaturation(hi)) return kMissing;
    while (hi - lo > 1e-10) {
      const double mid = 0.5 * (lo + hi);
      (belowSaturation(mid) ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
  });
}
