// COSTALD densities, Lee-Kesler vapour pressure and Reid vapour pressure.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "QIRALiquidProps.h"
#include "support/test_support.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Saturated COSTALD density written out from V_R0 and V_Rdelta as the host reads them.
double satdenFromCostald(double tr, double vstar, double w) {
  double vr0 = 0, vrd = 0;
  pc_costald(tr, &vr0, &vrd);
  return 1 / ((1 - w * vrd) * (vr0 * vstar));
}

}  // namespace

TEST(LeeKesler, CriticalPointAndCaps) {
  // Tr = 1, omega = 0: ln Tr = 0, Tr^6 = 1, ln Pr = 5.92714 - 6.09648 + 0.169347 = 0.000007.
  EXPECT_NEAR(pc_ppress(1.0, 0.0), std::exp(0.000007), 1e-12);
  // Well above the critical point the reduced pressure is capped at 5.
  EXPECT_EQ(pc_ppress(3.0, 0.2), 5.0);
  // Very low Tr: ln Pr is held at -50.
  EXPECT_DOUBLE_EQ(pc_ppress(0.01, 0.0), std::exp(-50.0));
  // Definition of the acentric factor: log10 Pr(0.7) = -1 - omega (the correlation meets
  // it to within a few percent).
  EXPECT_NEAR(pc_ppress(0.7, 0.0), 0.1, 0.005);
  EXPECT_NEAR(pc_ppress(0.7, 0.3), std::pow(10.0, -1.3), 0.003);
}

TEST(Costald, FunctionsAndAboveCritical) {
  double vr0 = 0, vrd = 0;
  pc_costald(1.0, &vr0, &vrd);
  // tau = 0 at Tr = 1; V_Rdelta = (-0.296123 + 0.386914 - 0.0427258 - 0.04806458) / -1e-5.
  EXPECT_DOUBLE_EQ(vr0, 1.0);
  EXPECT_NEAR(vrd, (-0.296123 + 0.386914 - 0.0427258 - 0.04806458) / -0.00001, 1e-6);
  // Tr = 0.5: tau = 0.5^(1/3), V_R0 by hand from the polynomial.
  pc_costald(0.5, &vr0, &vrd);
  const double t = std::pow(0.5, 1.0 / 3.0);
  EXPECT_NEAR(vr0, 1 - 1.52816 * t + 1.43907 * t * t - 0.81446 * t * t * t +
                       0.190454 * t * t * t * t, 1e-14);
  // Above the critical point: finite and continuous through Tr = 1 (real cube root).
  double lo = 0, hi = 0, d = 0;
  pc_costald(1.0 - 1e-9, &lo, &d);
  pc_costald(1.0 + 1e-9, &hi, &d);
  EXPECT_TRUE(std::isfinite(hi));
  EXPECT_NEAR(lo, hi, 1e-2);
  pc_costald(1.3, &hi, &d);
  EXPECT_TRUE(std::isfinite(hi) && std::isfinite(d));
  // Null pointers or a not-a-number Tr write nothing.
  vr0 = 7;
  vrd = 8;
  pc_costald(kNaN, &vr0, &vrd);
  pc_costald(0.5, nullptr, &vrd);
  pc_costald(0.5, &vr0, nullptr);
  EXPECT_EQ(vr0, 7);
  EXPECT_EQ(vrd, 8);
}

TEST(Costald, SaturatedDensityClampsAndMethane) {
  EXPECT_EQ(pc_satden(0.1, 0.3, 0.25), pc_satden(0.251, 0.3, 0.25));
  EXPECT_EQ(pc_satden(1.5, 0.3, 0.25), pc_satden(0.9999, 0.3, 0.25));
  EXPECT_NEAR(pc_satden(0.6, 0.3, 0.25), satdenFromCostald(0.6, 0.3, 0.25), 1e-12);
  EXPECT_EQ(pc_c1den(0.5), pc_satden(0.5, 0.0994, 0.0074));
  // Liquid methane at its normal boiling point (111.6 K, Tc 190.56 K): about 422 kg/m3,
  // 26.3 kmol/m3.
  EXPECT_NEAR(pc_c1den(111.6 / 190.56), 26.3, 0.5);
}

TEST(Costald, CompressedLiquid) {
  // n-heptane-like component: Tc 540.2 K, Pc 2740 kPa, V* 0.4304, omegaSRK 0.3507,
  // omega 0.3494, at 350 K.
  const double tc = 540.2, pc = 2740, vs = 0.4304, wsrk = 0.3507, w = 0.3494, t = 350;
  const double psat = pc_ppress(t / tc, w) * pc;
  const double sat = pc_satden(t / tc, vs, wsrk);
  EXPECT_EQ(pc_xden(t, psat, tc, pc, vs, wsrk, w), sat);
  EXPECT_EQ(pc_xden(t, 0.5 * psat, tc, pc, vs, wsrk, w), sat);
  // 10 MPa: hand-evaluated compression factor (1 + 9 V* N (P - Psat) / (R Tc))^(1/9).
  const double tr = t / tc;
  const double e = std::exp(6.9547 - 76.2853 * tr + 191.306 * tr * tr -
                            203.5427 * tr * tr * tr + 82.7631 * tr * tr * tr * tr);
  const double n = e * (1 - 0.89 * std::sqrt(wsrk));
  const double c = (10000 - psat) * n * 9 * vs / tc / 8.31432;
  EXPECT_NEAR(pc_xden(t, 10000, tc, pc, vs, wsrk, w), sat * std::pow(1 + c, 1.0 / 9.0),
              1e-10);
  EXPECT_GT(pc_xden(t, 10000, tc, pc, vs, wsrk, w), sat);
  // omegaSRK = 0: both branches of N give E(Tr); the density is continuous there.
  EXPECT_NEAR(pc_xden(t, 10000, tc, pc, vs, 1e-12, w), pc_xden(t, 10000, tc, pc, vs, 0, w),
              1e-4);
  // Reduced temperature clamped on both sides.
  EXPECT_EQ(pc_xden(10, 0, tc, pc, vs, wsrk, w), pc_satden(0.251, vs, wsrk));
  EXPECT_EQ(pc_xden(900, 0, tc, pc, vs, wsrk, w), pc_satden(0.9999, vs, wsrk));
}

TEST(Costald, MixtureDensity) {
  double x[2] = {1.0, 0.0}, tc[2] = {540.2, 617.7}, pc[2] = {2740, 2110},
         vs[2] = {0.4304, 0.6192}, w[2] = {0.3494, 0.4923};
  const double t = 350;
  const double psat = pc_ppress(t / tc[0], w[0]) * pc[0];
  // One component at its vapour pressure: V*m = (V* + 3 V*^0.99999) / 4, so nearly, not
  // exactly, the pure-component saturated density.
  const double single = pc_xden2(2, t, psat, x, tc, pc, vs, w);
  const double sat = pc_satden(t / tc[0], vs[0], w[0]);
  EXPECT_NEAR(single, sat, 1e-4 * sat);
  const double vm = (vs[0] + 3 * std::pow(vs[0], 0.33333) * std::pow(vs[0], 0.33333) *
                                 std::pow(vs[0], 0.33333)) / 4;
  const double tcm = std::pow(std::sqrt(vs[0] * tc[0]), 2) / vm;
  EXPECT_NEAR(single, pc_satden(t / tcm, vm, w[0]), 1e-12);

  // Compressed: the exponent is 0.111111, not 1/9 (hand evaluation in atm units).
  const double p = 20000, tr = t / tcm;
  const double e = std::exp(6.9547 - 76.2853 * tr + 191.306 * tr * tr -
                            203.5427 * tr * tr * tr + 82.7631 * tr * tr * tr * tr);
  const double c = e * (1 - 0.89 * std::sqrt(w[0])) * 9 * vm *
                   (p / 101.325 - psat / 101.325) / (0.082056 * tcm);
  const double compressed = pc_xden2(2, t, p, x, tc, pc, vs, w);
  EXPECT_NEAR(compressed, single * std::pow(1 + c, 0.111111), 1e-12);
  EXPECT_GT(std::fabs(compressed - single * std::pow(1 + c, 1.0 / 9.0)), 1e-9);

  // x exactly 1e-5 enters the mixing sums (V* matters) but not the bubble-point sum (Pc
  // does not).
  x[1] = 1e-5;
  const double withSecond = pc_xden2(2, t, p, x, tc, pc, vs, w);
  pc[1] = 1e9;
  EXPECT_EQ(pc_xden2(2, t, p, x, tc, pc, vs, w), withSecond);
  vs[1] = 5.0;
  EXPECT_NE(pc_xden2(2, t, p, x, tc, pc, vs, w), withSecond);
  vs[1] = 0.6192;
  pc[1] = 2110;

  // No result: nothing above the threshold, above the pseudo-critical temperature, bad
  // arguments.
  double tiny[2] = {9e-6, 9e-6};
  EXPECT_EQ(pc_xden2(2, t, p, tiny, tc, pc, vs, w), 0.0);
  EXPECT_EQ(pc_xden2(2, 700, p, x, tc, pc, vs, w), 0.0);
  EXPECT_EQ(pc_xden2(0, t, p, x, tc, pc, vs, w), 0.0);
  EXPECT_EQ(pc_xden2(2, t, p, x, nullptr, pc, vs, w), 0.0);
  EXPECT_EQ(pc_xden2(2, kNaN, p, x, tc, pc, vs, w), 0.0);
  double badVs[2] = {-0.4, 0.6};
  EXPECT_EQ(pc_xden2(2, t, p, x, tc, pc, badVs, w), 0.0);
}

namespace {

struct RvpRun {
  double rvp;
  std::string report;
};

RvpRun solveRvp(double target, double guess, double s, double t, const char* phase = "Naphtha") {
  char buffer[QIRA_RVP_REPORT_CAPACITY];
  std::memset(buffer, 'x', sizeof buffer);
  double r = guess;
  pc_Calc_API_5B1_1(target, &r, s, t, buffer, phase);
  return {r, buffer};
}

}  // namespace

TEST(ReidVapourPressure, Correlation) {
  double tvp = 0, slope = -1;
  bool failed = false;
  // 100 F (559.67 R), RVP 10 psi, D86 slope 3: about 10.94 psia.
  pc_Calc_API_5B1_1TVP(559.67, 10, 3, &tvp, &failed, &slope);
  EXPECT_NEAR(tvp, 10.94, 0.005);
  EXPECT_FALSE(failed);
  // The derivative matches a central difference of the correlation.
  double up = 0, down = 0, d = 0;
  pc_Calc_API_5B1_1TVP(559.67, 10 + 1e-5, 3, &up, &failed, &d);
  pc_Calc_API_5B1_1TVP(559.67, 10 - 1e-5, 3, &down, &failed, &d);
  EXPECT_NEAR(slope, (up - down) / 2e-5, 1e-6);

  // T or R zero or missing: TVP 0, flag and derivative untouched.
  slope = -1;
  tvp = 5;
  pc_Calc_API_5B1_1TVP(0, 10, 3, &tvp, &failed, &slope);
  EXPECT_EQ(tvp, 0.0);
  pc_Calc_API_5B1_1TVP(559.67, QIRA_MISSING, 3, &tvp, &failed, &slope);
  EXPECT_EQ(tvp, 0.0);
  EXPECT_FALSE(failed);
  EXPECT_EQ(slope, -1);
  // Negative R: flagged, TVP 0. Out-of-range exponent (T = 1 R): flagged, TVP = exponent.
  pc_Calc_API_5B1_1TVP(559.67, -2, 3, &tvp, &failed, &slope);
  EXPECT_TRUE(failed);
  EXPECT_EQ(tvp, 0.0);
  failed = false;
  pc_Calc_API_5B1_1TVP(1, 10, 3, &tvp, &failed, &slope);
  EXPECT_TRUE(failed);
  EXPECT_LT(tvp, -230.3);
  EXPECT_EQ(slope, -1);
  pc_Calc_API_5B1_1TVP(559.67, 10, 3, nullptr, &failed, &slope);  // no crash
}

TEST(ReidVapourPressure, EveryExitWithItsReport) {
  // Cases found by running the iteration by hand (a transcription of its steps).
  double tvp10 = 0, slope = 0;
  bool failed = false;
  pc_Calc_API_5B1_1TVP(559.67, 10, 3, &tvp10, &failed, &slope);
  RvpRun run = solveRvp(tvp10, 10, 3, 559.67);
  EXPECT_EQ(run.rvp, 10);
  EXPECT_EQ(run.report, "Modified API_5B1_1 method converged for Phase: Naphtha at 0 iterations.");

  run = solveRvp(5, 6, 3, 559.67);
  EXPECT_NEAR(run.rvp, 4.6245, 1e-3);
  double check = 0;
  pc_Calc_API_5B1_1TVP(559.67, run.rvp, 3, &check, &failed, &slope);
  EXPECT_NEAR(check, 5, 1e-5);

  // T = 0 gives no derivative: a guess of 0.1 fails at once, any other restarts at 0.1.
  run = solveRvp(5, 0.1, 3, 0);
  EXPECT_EQ(run.rvp, QIRA_MISSING);
  EXPECT_EQ(run.report,
            "Phase: Naphtha - API 5B1.1 Successive Zero RVPs predicted at iteration 1.");
  EXPECT_EQ(solveRvp(5, 10, 3, 0).report,
            "Phase: Naphtha - API 5B1.1 Successive Zero RVPs predicted at iteration 2.");

  // A tiny target drives R negative: from 0.1 at once, from 0.05 after the restart.
  run = solveRvp(0.001, 0.1, 8, 400);
  EXPECT_EQ(run.rvp, QIRA_MISSING);
  EXPECT_EQ(run.report,
            "Phase: Naphtha - API 5B1.1 Successive Negative RVPs predicted at iteration 1.");
  EXPECT_EQ(solveRvp(0.001, 0.05, 8, 400).report,
            "Phase: Naphtha - API 5B1.1 Successive Negative RVPs predicted at iteration 2.");

  // T = 1 R: the first evaluation is out of range; seen after the first update.
  run = solveRvp(5, 10, 3, 1);
  EXPECT_EQ(run.rvp, QIRA_MISSING);
  EXPECT_EQ(run.report,
            "Phase: Naphtha - API 5B1.1 RVP Calculation failed since predicted TVP was too "
            "large, at iteration 1.");

  run = solveRvp(1, 0.3, 0.5, 400);
  EXPECT_EQ(run.rvp, QIRA_MISSING);
  EXPECT_EQ(run.report, "Phase: Naphtha - API 5B1.1 Not Converged at 25 iterations.");

  run = solveRvp(1e5, 300, 0.5, 400);
  EXPECT_NE(run.rvp, QIRA_MISSING);
  EXPECT_EQ(run.report, "Modified API_5B1_1 method converged for Phase: Naphtha at 25 iterations.");
}

TEST(ReidVapourPressure, ReportIsBounded) {
  // A phase name far longer than the capacity: the report is cut at capacity - 1.
  const std::string longPhase(1000, 'P');
  char buffer[QIRA_RVP_REPORT_CAPACITY + 16];
  std::memset(buffer, '#', sizeof buffer);
  double r = 10;
  pc_Calc_API_5B1_1(5, &r, 3, 1, buffer, longPhase.c_str());
  EXPECT_EQ(std::strlen(buffer), static_cast<size_t>(QIRA_RVP_REPORT_CAPACITY - 1));
  EXPECT_EQ(std::string(buffer, 7), "Phase: ");
  for (size_t i = QIRA_RVP_REPORT_CAPACITY; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], '#');
  // A 160-character phase name with the longest message still fits whole.
  const RvpRun fits = solveRvp(5, 10, 3, 1, std::string(160, 'Q').c_str());
  EXPECT_EQ(fits.report.substr(fits.report.size() - 15), "at iteration 1.");
  // Null report or phase: no crash; null phase reads as an empty name.
  r = 10;
  pc_Calc_API_5B1_1(5, &r, 3, 559.67, nullptr, "x");
  EXPECT_NEAR(r, 4.6245, 1e-3);
  EXPECT_EQ(solveRvp(5, 10, 3, 0, nullptr).report.substr(0, 10), "Phase:  - ");
  pc_Calc_API_5B1_1(5, nullptr, 3, 559.67, buffer, "x");
}
