// Blending indices of cold-flow, volatility and viscosity properties: each property is
// turned into an index that mixes linearly by fraction, and the mixed index back into
// the property. The freeze point of a blend follows a rule on its extremes instead.
#include "properties/blend_indices.h"

#include <cmath>

#include "QIRAIndices.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {

namespace {

// Exponents written as quotients are the doubles nearest 1/0.55, -1/0.6 and 1/0.06.
constexpr double kCloud1Exponent = 1.8181818181818181;
constexpr double kFlash1Exponent = -1.6666666666666667;
constexpr double kCloud2Exponent = 16.666666666666668;

double anilineIndex(double ap) { return std::exp(0.003652 * ap); }
double anilineFromIndex(double i) { return std::log(i) / 0.003652; }

double cloudIndex1(double t) { return std::pow(1.8 * t, kCloud1Exponent); }
double cloudFromIndex1(double i) { return std::pow(i, 0.55) / 1.8; }
double cloudIndex2(double t) { return std::pow(1.8 * t, kCloud2Exponent); }
double cloudFromIndex2(double i) { return std::pow(i, 0.06) / 1.8; }

double flashIndex1(double t) { return std::pow(1.8 * t, kFlash1Exponent); }
double flashFromIndex1(double i) { return std::pow(i, -0.6) / 1.8; }
double flashIndex2(double tF) { return std::pow(10.0, 4345.2 / (tF + 383.0) - 6.1188); }
double flashFromIndex2(double i) { return 4345.2 / (std::log10(i) + 6.1188) - 383.0; }
double flashIndexWickey(double tC) { return std::pow(10.0, 2414.0 / (tC + 230.56) - 6.1188); }
double flashFromIndexWickey(double i) { return 2414.0 / (std::log10(i) + 6.1188) - 230.56; }

double freezeIndex(double tC) { return std::exp((1.8 * tC + 32.0) * 0.03638 + 2.35); }
double freezeFromIndex(double i) { return ((std::log(i) - 2.35) / 0.03638 - 32.0) / 1.8; }

// Pour point index 1 without its domain test (the Mix applies its own).
double pourIndex1Raw(double t) { return std::exp(12.885 * std::log(1.8 * t) - 73.0883); }
double pourIndex1(double t) { return t > 1e-30 ? pourIndex1Raw(t) : kMissing; }
double pourFromIndex1(double i) { return std::exp((std::log(i) + 73.0883) / 12.885) / 1.8; }
// Pour point index 2 is formed on the Fahrenheit temperature; the result is in kelvin.
double pourIndex2(double t) { return std::exp(0.03 * ((t - 273.15) * 1.8 + 32.0)); }
double pourFromIndex2(double i) { return (std::log(i) / 0.03 - 32.0) / 1.8 + 273.15; }

double rvpIndex(double rvp) { return std::pow(0.145 * rvp, 1.25); }
double rvpFromIndex(double i) { return std::pow(i, 0.8) / 0.145; }

double smokeIndex(double sp) { return 1 / sp; }
double smokeFromIndex(double i) { return 1 / i; }

// log10(log10(nu + offset)), missing where the inner values are too small for the
// outer logarithm.
double viscosityIndex(double nu, double offset, double innerThreshold) {
  const double shifted = nu + offset;
  if (shifted < 1e-5) return kMissing;
  const double inner = std::log10(shifted);
  if (inner < innerThreshold) return kMissing;
  return std::log10(inner);
}
double viscosityFromIndex(double i, double offset) {
  return std::pow(10.0, std::pow(10.0, i)) - offset;
}

const IndexRule kCloudMix1{[](double t) { return t >= 0; }, cloudIndex1, 1e-10, cloudFromIndex1};
const IndexRule kCloudMix2{[](double t) { return t >= 0; }, cloudIndex2, 0.0001, cloudFromIndex2};
const IndexRule kFlashMix1{[](double t) { return t >= 0.001; }, flashIndex1, 1e-10,
                           flashFromIndex1};
const IndexRule kPourMix1{[](double t) { return t > 1e-30; }, pourIndex1Raw, 1e-10,
                          pourFromIndex1};
const IndexRule kPourMix2{[](double t) { return t >= 1.0; }, pourIndex2, 1e-10, pourFromIndex2};
const IndexRule kRvpMix1{[](double p) { return p >= 0.0001; }, rvpIndex, 1e-10, rvpFromIndex};
const IndexRule kSmokeMix1{[](double sp) { return sp >= 1e-6; }, smokeIndex, 1e-10,
                           smokeFromIndex};

// The shell of every Mix export: argument checks, then the guarded blend.
double mixExport(const IndexRule& rule, const double* fractions, const double* values, int n) {
  if (n < 1 || !fractions || !values) return kMissing;
  return guarded(kMissing, [&] { return mixByIndex(rule, fractions, values, n); });
}

}  // namespace

double mixByIndex(const IndexRule& rule, const double* fractions, const double* values, int n) {
  double sum = 0;
  for (int i = 0; i < n; ++i)
    if (rule.counts(values[i])) sum += fractions[i] * rule.index(values[i]);
  return sum > rule.threshold ? rule.inverse(sum) : kMissing;
}

double freezePointBlend(const double* fractions, const double* values, int n) {
  double tMin = 1200.0, tMax = -1200.0, fMax = 0.0;
  bool haveMax = false;
  for (int i = 0; i < n; ++i) {
    if (!(fractions[i] > 0.0001)) continue;
    const double t = values[i];
    if (t < tMin && !isMissing(t)) tMin = t;
    if (t > tMax) {
      tMax = t;
      fMax = fractions[i];
      haveMax = true;
    }
  }
  if (!haveMax) return kMissing;
  // The double nearest 1/3, written out: 1.0 / 3.0 gives the same double.
  return tMin + (tMax - tMin) * std::pow(fMax, 0.3333333333333333);
}

}  // namespace qira

using qira::guarded;
using qira::kMissing;

QIRA_C_BEGIN

QIRA_API double AnilinePointIndex1(double ap) {
  return guarded(kMissing, [&] { return qira::anilineIndex(ap); });
}
QIRA_API double AnilinePointFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::anilineFromIndex(index); });
}
QIRA_API double CloudPointIndex1(double T) {
  return guarded(kMissing, [&] { return qira::cloudIndex1(T); });
}
QIRA_API double CloudPointFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::cloudFromIndex1(index); });
}
QIRA_API double CloudPointIndex2(double T) {
  return guarded(kMissing, [&] { return qira::cloudIndex2(T); });
}
QIRA_API double CloudPointFromIndex2Mix(double index) {
  return guarded(kMissing, [&] { return qira::cloudFromIndex2(index); });
}
QIRA_API double FlashPointIndex1(double T) {
  return guarded(kMissing, [&] { return qira::flashIndex1(T); });
}
QIRA_API double FlashPointFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::flashFromIndex1(index); });
}
QIRA_API double FlashPointIndex2(double T) {
  return guarded(kMissing, [&] { return qira::flashIndex2(T); });
}
QIRA_API double FlashPointFromIndex2Mix(double index) {
  return guarded(kMissing, [&] { return qira::flashFromIndex2(index); });
}
QIRA_API double FlashPointIndexWickey(double T) {
  return guarded(kMissing, [&] { return qira::flashIndexWickey(T); });
}
QIRA_API double FlashPointFromIndexWickeyMix(double index) {
  return guarded(kMissing, [&] { return qira::flashFromIndexWickey(index); });
}
QIRA_API double FreezePointIndex1(double T) {
  return guarded(kMissing, [&] { return qira::freezeIndex(T); });
}
QIRA_API double FreezePointFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::freezeFromIndex(index); });
}
QIRA_API double PourPointIndex1(double T) {
  return guarded(kMissing, [&] { return qira::pourIndex1(T); });
}
QIRA_API double PourPointFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::pourFromIndex1(index); });
}
QIRA_API double RVPIndex1(double rvp) {
  return guarded(kMissing, [&] { return qira::rvpIndex(rvp); });
}
QIRA_API double RVPFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::rvpFromIndex(index); });
}
QIRA_API double Blend_ViscosityIndex1(double nu) {
  return guarded(kMissing, [&] { return qira::viscosityIndex(nu, 0.08, 1e-5); });
}
QIRA_API double Blend_ViscosityFromIndex1Mix(double index) {
  return guarded(kMissing, [&] { return qira::viscosityFromIndex(index, 0.08); });
}
QIRA_API double Blend_ViscosityIndex2(double nu) {
  return guarded(kMissing, [&] { return qira::viscosityIndex(nu, 0.8, 1e-8); });
}
QIRA_API double Blend_ViscosityFromIndex2Mix(double index) {
  return guarded(kMissing, [&] { return qira::viscosityFromIndex(index, 0.8); });
}

QIRA_API double CloudPointMix1(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kCloudMix1, fractions, values, n);
}
QIRA_API double CloudPointMix2(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kCloudMix2, fractions, values, n);
}
QIRA_API double FlashPointMix1(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kFlashMix1, fractions, values, n);
}
QIRA_API double PourPointMix1(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kPourMix1, fractions, values, n);
}
QIRA_API double PourPointMix2(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kPourMix2, fractions, values, n);
}
QIRA_API double RVPMix1(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kRvpMix1, fractions, values, n);
}
QIRA_API double Blend_SmokePointMix1(const double* fractions, const double* values, int n) {
  return qira::mixExport(qira::kSmokeMix1, fractions, values, n);
}
QIRA_API double Blend_FreezePoint(const double* fractions, const double* values, int n) {
  if (n < 1 || !fractions || !values) return kMissing;
  return guarded(kMissing, [&] { return qira::freezePointBlend(fractions, values, n); });
}

QIRA_C_END
