// MW, gravity and Watson K correlations and the Whitson plus-fraction split.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "QIRACharacterization.h"
#include "support/test_support.h"

TEST(Correlations, WatsonRelationEachWay) {
  // (12 / 1.2164404)^3 * 0.8^2.537169 / 52.6 raised to 2.196209: 169.8436 (hand calculation).
  const double mw = Blend_mw(0.8, 12.0);
  EXPECT_NEAR(mw, 169.8436, 1e-3);
  // Each relation carries its own rounded constants: back to Kw only to about 4 digits.
  EXPECT_NEAR(Blend_uopk(mw, 0.8), 12.0037, 1e-4);
  EXPECT_NEAR(Blend_sg(mw, 12.0), 0.8, 2e-4);
  EXPECT_NEAR(Blend_uopk(100.0, 1.0), 4.559097 * std::pow(100.0, 0.15178), 1e-12);
}

TEST(Correlations, GravityHeavyEndFrom320) {
  // MW exactly 320 takes the heavy-end relation (MW / (2.482e-7 Kw^8.7669))^0.08895.
  const double heavy = std::pow(320 / (2.482e-7 * std::pow(12.0, 8.7669)), 0.08895);
  const double light = std::pow(52.6 * std::pow(320.0, 0.45533) /
                                    std::pow(12.0 / 1.2164404, 3), 0.39414);
  EXPECT_NEAR(Blend_sg(320, 12.0), heavy, 1e-12);
  EXPECT_NEAR(Blend_sg(std::nextafter(320.0, 0.0), 12.0), light, 1e-12);
  EXPECT_GT(std::fabs(heavy - light), 1e-3) << "the branches do not meet at 320";
}

TEST(Correlations, KatzFiroozabadiGravity) {
  // 373.15 K = 212 F: s = 0.5516 + 0.001208 t - 2.231e-6 t^2 + 2.265e-9 t^3 - 8.614e-13 t^4
  // = 0.72721..., times 998.9993 / 0.9991 (hand calculation).
  EXPECT_NEAR(Blend_sg_katz_firoozabadi(373.15), 727.19385, 1e-4);
  EXPECT_NEAR(Blend_sg_katz_firoozabadi(600), 855.48361, 1e-4);
}

TEST(Correlations, TwuMolecularWeight) {
  // Values from a hand transcription of the correlation (adjusted boiling point, theta
  // by Newton's method).
  EXPECT_NEAR(Blend_mw_twu(450, 780), 145.01284, 1e-4);
  EXPECT_NEAR(Blend_mw_twu(700, 950), 362.34481, 1e-3);
  EXPECT_NEAR(Blend_mw_twu(300, 650), 67.42151, 1e-4);
  // x = 2000 R (no adjustment there): the two starting values of theta meet the same root.
  const double t2000 = (2000 - 459.67 - 32) / 1.8 + 273.15;
  const double below = Blend_mw_twu(t2000 - 1e-6, 900), above = Blend_mw_twu(t2000 + 1e-6, 900);
  EXPECT_NEAR(below, 1983.7913, 1e-3);
  EXPECT_NEAR(above, below, 1e-4 * below);
  // Gravity capped at 1.394: every denser liquid gives the same MW.
  const double cap = 1.394 * 998.9993 * 0.9979879;
  EXPECT_EQ(Blend_mw_twu(600, 1500), Blend_mw_twu(600, cap));
  EXPECT_NE(Blend_mw_twu(600, cap * 0.99), Blend_mw_twu(600, cap));
}

#include "QIRACurveFit.h"
#include "characterization/whitson_split.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Fifteen host pseudo-components from 370 K to 790 K, every 30 K.
std::vector<double> hostNbps() {
  std::vector<double> nbp;
  for (int i = 0; i < 15; ++i) nbp.push_back(370 + 30 * i);
  return nbp;
}

struct Split {
  bool ok;
  std::vector<double> frac, mw, den;
  double plusMw, plusSg, plusKw;
};

Split runWhitson(double mw, double sg, double kw, double eta,
                 const std::vector<double>& nbp = hostNbps()) {
  const int n = static_cast<int>(nbp.size());
  Split s{false, std::vector<double>(n, -1), std::vector<double>(n, -1),
          std::vector<double>(n, -1), mw, sg, kw};
  s.ok = Blend_Whitson(n, s.frac.data(), s.mw.data(), s.den.data(), nbp.data(), &s.plusMw,
                       &s.plusSg, &s.plusKw, eta);
  return s;
}

bool untouched(const Split& s) {
  for (size_t i = 0; i < s.frac.size(); ++i)
    if (s.frac[i] != -1 || s.mw[i] != -1 || s.den[i] != -1) return false;
  return true;
}

}  // namespace

TEST(WhitsonGamma, LnGammaAndDensity) {
  // Gamma(5) = 24, Gamma(1/2) = sqrt(pi).
  EXPECT_NEAR(Blend_gammln(5.0), std::log(24.0), 1e-10);
  EXPECT_NEAR(Blend_gammln(0.5), 0.5 * std::log(3.14159265358979323846), 1e-10);  // ln sqrt(pi)
  // alpha 2, beta 1 at x = 2: 2 e^-2.
  EXPECT_NEAR(Blend_gammafun(2.0, 2.0, 1.0), 2 * std::exp(-2.0), 1e-10);
  // The density integrates to 1 (alpha 2.5, beta 40; midpoint rule to 4000).
  double area = 0;
  for (double x = 0.05; x < 4000; x += 0.1) area += Blend_gammafun(x, 2.5, 40.0) * 0.1;
  EXPECT_NEAR(area, 1.0, 1e-4);
}

TEST(WhitsonGamma, BracketingStep) {
  // Above the target with room below: step down by h, remember the point.
  double x = 5, lo = 0.495, hi = 20, xp = 0, fp = 0;
  Blend_whitson_convg(&x, 3.0, 0.0, &lo, &hi, &xp, &fp, 0.5);
  EXPECT_EQ(x, 4.5);
  EXPECT_EQ(hi, 5);
  EXPECT_EQ(xp, 5);
  EXPECT_EQ(fp, 3.0);
  // Below the target with room above: step up.
  hi = 20;
  Blend_whitson_convg(&x, -1.0, 0.0, &lo, &hi, &xp, &fp, 0.5);
  EXPECT_EQ(x, 5.0);
  EXPECT_EQ(lo, 4.5);
  // Secant through (0.5, -1) and (1, 2): 1 - 0.5 * 2 / 3, a third into [0.5, 1]; the
  // previous point stays, being nearer the target.
  x = 1.0, lo = 0.5, hi = 1.2, xp = 0.5, fp = -1.0;
  Blend_whitson_convg(&x, 2.0, 0.0, &lo, &hi, &xp, &fp, 0.5);
  EXPECT_NEAR(x, 1.0 - 0.5 * 2 / 3, 1e-15);
  EXPECT_EQ(hi, 1.0);
  EXPECT_EQ(xp, 0.5);
  // Secant landing outside 2 %..98 % of the bracket: bisection; the nearer current point
  // becomes the previous one.
  x = 1.0, lo = 0.5, hi = 1.2, xp = 0.9, fp = 10.0;
  Blend_whitson_convg(&x, 2.0, 0.0, &lo, &hi, &xp, &fp, 0.5);
  EXPECT_DOUBLE_EQ(x, 0.75);
  EXPECT_EQ(xp, 1.0);
  EXPECT_EQ(fp, 2.0);
  // No previous point yet (f of not-a-number): bisection, and the point is recorded.
  x = 0.65, lo = 0.495, hi = 20, xp = 0, fp = kNaN;
  Blend_whitson_convg(&x, 300.0, 0.0, &lo, &hi, &xp, &fp, 0.5);
  EXPECT_DOUBLE_EQ(x, (0.495 + 0.65) / 2);
  EXPECT_EQ(xp, 0.65);
  EXPECT_EQ(fp, 300.0);
  Blend_whitson_convg(nullptr, 1.0, 0.0, &lo, &hi, &xp, &fp, 0.5);  // no crash
}

TEST(Whitson, EtaChoiceAndLimit) {
  // max(min(84, MW/2), 0.4 MW): 120 for MW 300, 75 for MW 150.
  EXPECT_EQ(qira::whitsonDefaultEta(300), 120);
  EXPECT_EQ(qira::whitsonDefaultEta(150), 75);
  const Split chosen = runWhitson(300, 0.85, QIRA_MISSING, 0);
  const Split given = runWhitson(300, 0.85, QIRA_MISSING, 120);
  ASSERT_TRUE(chosen.ok);
  EXPECT_EQ(chosen.frac, given.frac);
  EXPECT_EQ(chosen.mw, given.mw);
  EXPECT_EQ(runWhitson(150, 0.78, QIRA_MISSING, -1).mw,
            runWhitson(150, 0.78, QIRA_MISSING, 75).mw);

  // eta above 0.9 MW: false, only the completed Kw is written back.
  const Split tooHigh = runWhitson(200, 0.82, QIRA_MISSING, 0.95 * 200);
  EXPECT_FALSE(tooHigh.ok);
  EXPECT_DOUBLE_EQ(tooHigh.plusKw, Blend_uopk(200, 0.82));
  EXPECT_TRUE(untouched(tooHigh));
}

TEST(Whitson, CompletionAndBadArguments) {
  // A missing MW comes from SG and Kw and is written back before the split.
  const Split s = runWhitson(QIRA_MISSING, 0.82, 12.0, 0);
  EXPECT_TRUE(s.ok);
  EXPECT_DOUBLE_EQ(s.plusMw, Blend_mw(0.82, 12.0));
  const Split noSg = runWhitson(200, QIRA_MISSING, 12.0, 0);
  EXPECT_DOUBLE_EQ(noSg.plusSg, Blend_sg(200, 12.0));

  // Two missing, not-a-number, or a non-physical completion: false, nothing written.
  for (const Split& bad :
       {runWhitson(QIRA_MISSING, QIRA_MISSING, 12.0, 0), runWhitson(200, kNaN, 12.0, 0),
        runWhitson(200, 0.82, 12.0, kNaN), runWhitson(200, -0.82, QIRA_MISSING, 0),
        runWhitson(200, 0.82, 12.0, 0, {400, kNaN, 500})}) {
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(untouched(bad));
  }
  const Split twoMissing = runWhitson(QIRA_MISSING, QIRA_MISSING, 12.0, 0);
  EXPECT_EQ(twoMissing.plusMw, QIRA_MISSING);
  EXPECT_EQ(runWhitson(200, -0.82, QIRA_MISSING, 0).plusKw, QIRA_MISSING);

  double f = 0, m = 0, d = 0, nbp = 400, mw = 200, sg = 0.82, kw = 12;
  EXPECT_FALSE(Blend_Whitson(0, &f, &m, &d, &nbp, &mw, &sg, &kw, 0));
  EXPECT_FALSE(Blend_Whitson(1, nullptr, &m, &d, &nbp, &mw, &sg, &kw, 0));
  EXPECT_FALSE(Blend_Whitson(1, &f, &m, &d, &nbp, &mw, nullptr, &kw, 0));
}

TEST(Whitson, RealisticHeptanesPlus) {
  const Split s = runWhitson(200, 0.82, QIRA_MISSING, 0);
  ASSERT_TRUE(s.ok);
  EXPECT_NEAR(s.plusKw, 12.0509, 1e-4);
  EXPECT_NEAR(std::accumulate(s.frac.begin(), s.frac.end(), 0.0), 1.0, 1e-12);
  for (size_t i = 1; i < s.mw.size(); ++i) EXPECT_GT(s.mw[i], s.mw[i - 1]) << i;
  for (double f : s.frac) EXPECT_GE(f, 0.0);

  // The slice curve, checked against a hand transcription of the distribution: alpha
  // found at 2.65 in five evaluations, 50 slices lumped into 19, the first cumulative
  // fractions and boiling points.
  qira::WhitsonSlices slices;
  ASSERT_TRUE(qira::whitsonSliceCurve(200, 0.82, s.plusKw, 84, slices));
  EXPECT_EQ(slices.evaluations, 5);
  EXPECT_DOUBLE_EQ(slices.alpha, 2.65);
  ASSERT_EQ(slices.count, 19);
  EXPECT_NEAR(slices.z[1], 0.0032430757, 1e-9);
  EXPECT_NEAR(slices.z[3], 0.0894557243, 1e-9);
  EXPECT_NEAR(slices.tb[1], 338.2016471, 1e-6);
  EXPECT_NEAR(slices.tb[19], 717.9798017, 1e-6);
  EXPECT_EQ(slices.z[0], 0.0);
  EXPECT_NEAR(slices.z[19], 1.0, 1e-15);
  // The lumped tail sits in the last slice, which now holds more than 1 %.
  EXPECT_GT(slices.z[19] - slices.z[18], 0.01);

  // MWs and densities are read off the slice curves at the NBPs; densities are the
  // slices' SG times 1000.
  const std::vector<double> nbp = hostNbps();
  std::vector<double> sg1000(slices.count + 1), expectMw(nbp.size()), expectDen(nbp.size());
  for (int i = 0; i <= slices.count; ++i) sg1000[i] = slices.sg[i] * 1000;
  ASSERT_TRUE(Simple_spline(slices.count + 1, slices.tb.data(), slices.mw.data(), 15,
                            nbp.data(), expectMw.data()));
  ASSERT_TRUE(Simple_spline(slices.count + 1, slices.tb.data(), sg1000.data(), 15,
                            nbp.data(), expectDen.data()));
  EXPECT_EQ(s.mw, expectMw);
  EXPECT_EQ(s.den, expectDen);
  for (double d : s.den) EXPECT_TRUE(d > 650 && d < 1000) << d;

  // The caller's order is kept for unsorted NBPs. The MWs there come from the local
  // spline's chord (its guards compare each value with the previous query's), so they
  // agree only to interpolation accuracy.
  std::vector<double> reversed(nbp.rbegin(), nbp.rend());
  const Split r = runWhitson(200, 0.82, QIRA_MISSING, 0, reversed);
  for (size_t i = 0; i < nbp.size(); ++i) {
    EXPECT_NEAR(r.frac[nbp.size() - 1 - i], s.frac[i], 1e-12);
    EXPECT_NEAR(r.mw[nbp.size() - 1 - i], s.mw[i], 2e-3 * s.mw[i]);
  }
}

TEST(Whitson, TailLumpingKeepsFiveSlices) {
  // A narrow distribution (MW 50, eta 44): the fourth and fifth slices hold at most 1 %
  // each but stay, as lumping stops at five slices.
  qira::WhitsonSlices s;
  ASSERT_TRUE(qira::whitsonSliceCurve(50, 0.7, Blend_uopk(50, 0.7), 44, s));
  EXPECT_EQ(s.count, 5);
  EXPECT_LE(s.z[4] - s.z[3], 0.01);
  EXPECT_LE(s.z[5] - s.z[4], 0.01);
  EXPECT_TRUE(runWhitson(50, 0.7, QIRA_MISSING, 44).ok);
}

TEST(Whitson, FirstResidualPositiveBisects) {
  // MW 3000: the slices do not reach the heavy tail, so the first residual is positive
  // with only 0.155 of bracket below 0.65; the first secant step bisects [0.495, 0.65]
  // and the search then closes on the lower bracket (hand transcription: six evaluations).
  qira::WhitsonSlices s;
  ASSERT_TRUE(qira::whitsonSliceCurve(3000, 1.0, Blend_uopk(3000, 1.0), 1200, s));
  EXPECT_EQ(s.evaluations, 6);
  EXPECT_DOUBLE_EQ(s.alpha, 0.49984375);
  EXPECT_TRUE(runWhitson(10000, 1.1, QIRA_MISSING, 0).ok);  // far beyond the slice range
}

TEST(Whitson, LightPlusFractionWithoutCurveFails) {
  // MW 32: slice 0 extrapolates to a negative MW, so there is no boiling-point curve.
  const Split s = runWhitson(32.12, 0.8, QIRA_MISSING, 28.26);
  EXPECT_FALSE(s.ok);
  EXPECT_DOUBLE_EQ(s.plusKw, Blend_uopk(32.12, 0.8));
  EXPECT_TRUE(untouched(s));
}
