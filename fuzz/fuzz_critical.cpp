// Critical properties of petroleum fractions (the QiraCrit_ family). Invariants: every
// result is the missing marker or a finite number (a positive one for temperatures,
// pressures and volumes, a critical temperature above the boiling point, an SRK acentric
// factor inside its search interval); an argument that is not a finite positive number
// always gives the marker; inside the correlations' validity ranges no result is missing.
// No settings are read by this family, so none are decoded.
#include <cmath>

#include "QIRACriticalProps.h"
#include "fuzz_common.h"

namespace {

constexpr double kMissing = -32767.0;

bool usable(double x) { return std::isfinite(x) && x > 0; }

// A result of a positive quantity: the marker, or finite and positive.
double checkedPositive(double v) {
  FUZZ_CHECK(v == kMissing || (std::isfinite(v) && v > 0));
  return v;
}

// A critical temperature: the marker, or above the boiling point.
double checkedCritical(double tc, double tb) {
  FUZZ_CHECK(tc == kMissing || (std::isfinite(tc) && tc > tb));
  return tc;
}

void fromBoilingPoint(FuzzInput& in) {
  const double tb = in.number(150, 1200), sg = in.number(0.3, 1.5);
  const bool good = usable(tb) && usable(sg);
  const double tcRd = checkedCritical(QiraCrit_TcRiaziDaubert1980(tb, sg), tb);
  const double pcRd = checkedPositive(QiraCrit_PcRiaziDaubert1980(tb, sg));
  const double vcRd = checkedPositive(QiraCrit_VcRiaziDaubert1980(tb, sg));
  const double tcKl = checkedCritical(QiraCrit_TcKeslerLee1976(tb, sg), tb);
  const double pcKl = checkedPositive(QiraCrit_PcKeslerLee1976(tb, sg));
  const double tcTwu = checkedCritical(QiraCrit_TcTwu1984(tb, sg), tb);
  const double pcTwu = checkedPositive(QiraCrit_PcTwu1984(tb, sg));
  const double vcTwu = checkedPositive(QiraCrit_VcTwu1984(tb, sg));
  if (!good) {
    for (double v : {tcRd, pcRd, vcRd, tcKl, pcKl, tcTwu, pcTwu, vcTwu})
      FUZZ_CHECK(v == kMissing);
    return;
  }
  // Riazi-Daubert's validity range: Tb 311-728 K, SG 0.62-1.03; every method answers there.
  const bool valid = tb >= 311 && tb <= 728 && sg >= 0.62 && sg <= 1.03;
  if (valid) {
    for (double v : {tcRd, pcRd, vcRd, tcKl, pcKl, tcTwu, pcTwu, vcTwu})
      FUZZ_CHECK(v != kMissing);
  }
  // Twu's pressure needs the perturbed volume (the temperature may still fall below Tb).
  if (pcTwu != kMissing) FUZZ_CHECK(vcTwu != kMissing);
  const double tc = in.flag() ? tcKl : tcRd, pc = in.flag() ? pcKl : pcRd;
  const double omega = QiraCrit_AcentricKeslerLee1976(tb, sg, tc, pc);
  FUZZ_CHECK(omega == kMissing || std::isfinite(omega));
  // (far outside it, e.g. Tb/Tc near zero, the formula has no finite value: the marker)
  if (valid) FUZZ_CHECK(omega != kMissing);
  const double omegaSrk = QiraCrit_CostaldOmegaHT1979(tb, tc, pc);
  FUZZ_CHECK(omegaSrk == kMissing || (omegaSrk >= -0.5 && omegaSrk <= 2.5));
  if (omegaSrk != kMissing && usable(tc) && usable(pc))
    checkedPositive(QiraCrit_CostaldVolumeHT1979(tc, pc, omegaSrk));
}

void anyArguments(FuzzInput& in) {
  const double tb = in.number(100, 1500), sg = in.number(0.1, 3), tc = in.number(100, 2000);
  const double pc = in.number(10, 10000), omega = in.number(-1, 3);
  const double w = QiraCrit_AcentricKeslerLee1976(tb, sg, tc, pc);
  FUZZ_CHECK(w == kMissing || std::isfinite(w));
  if (!(usable(tb) && usable(sg) && usable(tc) && usable(pc) && tb < tc))
    FUZZ_CHECK(w == kMissing);
  const double ws = QiraCrit_CostaldOmegaHT1979(tb, tc, pc);
  FUZZ_CHECK(ws == kMissing || (ws >= -0.5 && ws <= 2.5));
  if (!(usable(tb) && usable(tc) && usable(pc) && tb < tc && pc > 101.325 &&
        101.325 / pc < tb / tc))
    FUZZ_CHECK(ws == kMissing);
  const double v = checkedPositive(QiraCrit_CostaldVolumeHT1979(tc, pc, omega));
  if (!(usable(tc) && usable(pc) && std::isfinite(omega))) FUZZ_CHECK(v == kMissing);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  for (int calls = 0; !in.empty() && calls < 16; ++calls) {
    if (in.byte() % 2 == 0)
      fromBoilingPoint(in);
    else
      anyArguments(in);
  }
  return 0;
}
