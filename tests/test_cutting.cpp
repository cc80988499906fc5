// The probability scale, the TBP cutter, boiling-point sorting, the reading of TBP
// temperatures at yields and the line fit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "QIRACurveFit.h"
#include "QIRACutting.h"
#include "distillation/probability_scale.h"
#include "support/test_support.h"

namespace {

namespace ps = qira::probability;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ProbabilityScale, TableHoldsTheListedValues) {
  // The published scores of 0.51 .. 1.00, mirrored below 0.50.
  const double upper[50] = {
      0.017723843, 0.035458938, 0.053215736, 0.071006291, 0.088842661, 0.106735295,
      0.124696248, 0.142739186, 0.160874557, 0.179116025, 0.197478862, 0.215975124,
      0.234620886, 0.253430617, 0.272421998, 0.291611107, 0.311018839, 0.330662879,
      0.350565731, 0.370751509, 0.391242718, 0.412068293, 0.433258779, 0.454844717,
      0.476864689, 0.499355667, 0.522364271, 0.545940334, 0.570140119, 0.59502632,
      0.620672884, 0.647163401, 0.674594326, 0.703081398, 0.732758044, 0.763786625,
      0.796358436, 0.830716215, 0.867155748, 0.906056412, 0.947913327, 0.993387189,
      1.043384646, 1.099223873, 1.162911071, 1.23773525,  1.329718225, 1.45199996,
      1.644723743, 3.476589918};
  double z[102];
  z[101] = -1;
  Blend_NormDistY(z);
  EXPECT_EQ(z[50], 0.0);
  for (int i = 51; i <= 100; ++i) {
    EXPECT_EQ(z[i], upper[i - 51]) << i;
    EXPECT_EQ(z[100 - i], -upper[i - 51]) << i;
  }
  EXPECT_EQ(z[101], -1);  // 101 values, no more
  Blend_NormDistY(nullptr);
}

TEST(ProbabilityScale, ForwardMapTailsOnBothSidesOfTheirBoundaries) {
  const auto cut = ps::kCutterClamping, knot = ps::kKnotClamping, req = ps::kRequestClamping;
  auto lowPoly = [](double f) {
    return -193855605 * f * f * f * f + 4962764.443 * f * f * f - 48930.68505 * f * f +
           260.4531005 * f - 2.399976517;
  };
  auto highPoly = [](double f) {
    return 93467.77529 * f * f * f * f - 70253.80655 * f * f * f - 338751.6336 * f * f +
           514539.473 * f - 198999.5073;
  };
  // 0.01 and 0.99 read the table; just inside them the polynomials take over.
  EXPECT_EQ(ps::toScore(0.01, cut), -1.644723743);
  EXPECT_NEAR(ps::toScore(0.0099, cut), lowPoly(0.0099), 1e-12);
  EXPECT_EQ(ps::toScore(0.99, cut), 1.644723743);
  EXPECT_NEAR(ps::toScore(0.995, cut), highPoly(0.995), 1e-9);
  // 0.001 is the logarithmic tail, just above it the polynomial.
  EXPECT_NEAR(ps::toScore(0.001, cut), 0.174128573 * std::log(0.001) - 0.98196545, 1e-15);
  EXPECT_NEAR(ps::toScore(0.0011, cut), lowPoly(0.0011), 1e-12);
  // 0.999 is the upper logarithmic tail, just below it the polynomial.
  EXPECT_NEAR(ps::toScore(0.999, cut), 0.98196545 - 0.174128573 * std::log(1 - 0.999), 1e-12);
  EXPECT_NEAR(ps::toScore(0.9989, cut), highPoly(0.9989), 1e-9);
  // At 1e-10 and below the table is interpolated (from -3.476589918); just above it the
  // tail gives -4.87, raised to the end of the scale by the cutter only.
  EXPECT_NEAR(ps::toScore(1e-10, cut), ps::kZmin, 1e-7);
  EXPECT_EQ(ps::toScore(0.0, cut), ps::kZmin);
  const double tail = 0.174128573 * std::log(2e-10) - 0.98196545;
  EXPECT_EQ(ps::toScore(2e-10, cut), ps::kZmin);
  EXPECT_DOUBLE_EQ(ps::toScore(2e-10, knot), tail);
  EXPECT_DOUBLE_EQ(ps::toScore(2e-10, req), tail);
  // Within 1e-10 of 1 the end of the scale; the upper tail is lowered to it everywhere.
  for (auto c : {cut, knot, req}) {
    EXPECT_EQ(ps::toScore(1.0, c), ps::kZmax);
    EXPECT_EQ(ps::toScore(1 - 1e-11, c), ps::kZmax);
    EXPECT_EQ(ps::toScore(1 - 1e-9, c), ps::kZmax);  // the tail gives 4.59
  }
  // Fractions below 0 extend the first table interval instead of reading before it.
  EXPECT_LT(ps::toScore(-0.5, req), ps::kZmin);
  EXPECT_TRUE(std::isnan(ps::toScore(kNaN, req)));
}

TEST(ProbabilityScale, InverseMap) {
  EXPECT_NEAR(ps::toFraction(0.0), 0.5, 1e-7);
  EXPECT_EQ(ps::toFraction(ps::kZmin), 0.0);
  EXPECT_EQ(ps::toFraction(ps::kZmax), 1.0);
  EXPECT_EQ(ps::toFraction(5.0), 1.0);
  EXPECT_DOUBLE_EQ(ps::toFraction(-2.5), std::exp((-2.5 + 0.98196545) / 0.174128573));
  double worst = 0, worstAt = 0;
  for (int i = 0; i <= 100000; ++i) {
    const double f = i / 100000.0;
    const double back = ps::toFraction(ps::toScore(f, ps::kCutterClamping));
    if (std::fabs(back - f) > worst) {
      worst = std::fabs(back - f);
      worstAt = f;
    }
  }
  EXPECT_LT(worst, 1e-3);
  EXPECT_GT(worstAt, 0.99);  // the largest departures lie just above 0.99
  EXPECT_LT(worstAt, 0.991);
}

TEST(BlendSortNBP, TiesAndTrivialLists) {
  double v[] = {2, 2, 1};
  int idx[3];
  ASSERT_TRUE(Blend_SortNBP(v, idx, 3));
  EXPECT_EQ(std::vector<double>(v, v + 3), (std::vector<double>{1, 2, 2}));
  EXPECT_EQ(std::vector<int>(idx, idx + 3), (std::vector<int>{2, 1, 0}));

  double asc[] = {300, 310, 350, 400};
  int ai[4];
  ASSERT_TRUE(Blend_SortNBP(asc, ai, 4));
  EXPECT_EQ(std::vector<int>(ai, ai + 4), (std::vector<int>{0, 1, 2, 3}));
  double one[] = {450};
  int oi[] = {-5};
  ASSERT_TRUE(Blend_SortNBP(one, oi, 1));
  EXPECT_EQ(oi[0], 0);
  EXPECT_TRUE(Blend_SortNBP(nullptr, nullptr, 0));
  EXPECT_FALSE(Blend_SortNBP(one, nullptr, 1));
}

// A nine-point TBP curve, K against cumulative fraction.
const double kTbp[] = {310, 360, 385, 440, 500, 560, 640, 680, 760};
const double kFrac[] = {0.0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};

TEST(BlendGetCompFromTBP, TwoPointCurveByHand) {
  // Scores -0.906056412 at 300 K and +0.906056412 at 500 K: the cut at 400 K reads 0 (a
  // fraction of 0.5), the one at 500 K about 0.9, so 0.5 / 0.9 and 0.4 / 0.9, returned in
  // the caller's order.
  const double t[] = {300, 500}, f[] = {0.1, 0.9}, cuts[] = {500, 400};
  double out[2];
  ASSERT_TRUE(Blend_GetCompFromTBP(t, f, 2, cuts, out, 2));
  EXPECT_NEAR(out[0], 0.4 / 0.9, 1e-3);
  EXPECT_NEAR(out[1], 0.5 / 0.9, 1e-3);
  EXPECT_NEAR(out[0] + out[1], 1.0, 1e-15);
}

TEST(BlendGetCompFromTBP, CallersOrderAndTheLowestComponent) {
  const double sorted[] = {330, 380, 420, 470, 520, 580, 650, 720};
  const double shuffled[] = {520, 330, 720, 420, 380, 650, 470, 580};
  const int where[] = {1, 4, 3, 6, 0, 7, 5, 2};  // position of sorted[i] in shuffled
  double a[8], b[8];
  ASSERT_TRUE(Blend_GetCompFromTBP(kTbp, kFrac, 9, sorted, a, 8));
  ASSERT_TRUE(Blend_GetCompFromTBP(kTbp, kFrac, 9, shuffled, b, 8));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(a[i], b[where[i]]) << i;
  EXPECT_NEAR(std::accumulate(a, a + 8, 0.0), 1.0, 1e-12);
  for (double v : a) EXPECT_GT(v, 0);

  // A cut below the start of the curve reads a fraction of 0; the next one takes all the
  // material below it. Cutting at 440 K alone then gives that component everything.
  const double cuts[] = {200, 440, 500};
  double c[3];
  ASSERT_TRUE(Blend_GetCompFromTBP(kTbp, kFrac, 9, cuts, c, 3));
  EXPECT_EQ(c[0], 0.0);
  EXPECT_NEAR(c[1], 0.3 / 0.5, 2e-3);  // 30 % below 440 K of the 50 % below 500 K
  EXPECT_NEAR(c[2], 0.2 / 0.5, 2e-3);
}

TEST(BlendGetCompFromTBP, ACutReadingBelowTheRunningTotalGetsNothing) {
  // A falling two-point curve reads a lower cumulative fraction at the higher cut; that
  // component receives 0 instead of its cumulative value.
  const double t[] = {300, 500}, f[] = {0.8, 0.2}, cuts[] = {350, 450};
  double out[2];
  ASSERT_TRUE(Blend_GetCompFromTBP(t, f, 2, cuts, out, 2));
  EXPECT_EQ(out[0], 1.0);
  EXPECT_EQ(out[1], 0.0);
}

TEST(BlendGetCompFromTBP, FailuresWriteNothing) {
  const double cuts[] = {400, 500};
  double out[2] = {-1, -1};
  const double one[] = {400}, oneF[] = {0.5};
  EXPECT_FALSE(Blend_GetCompFromTBP(one, oneF, 1, cuts, out, 2));
  const double same[] = {400, 400 + 1e-11}, sameF[] = {0.2, 0.8};
  EXPECT_FALSE(Blend_GetCompFromTBP(same, sameF, 2, cuts, out, 2));
  EXPECT_FALSE(Blend_GetCompFromTBP(kTbp, kFrac, 9, cuts, out, 0));
  EXPECT_FALSE(Blend_GetCompFromTBP(kTbp, nullptr, 9, cuts, out, 2));
  const double nanCut[] = {400, kNaN};
  EXPECT_FALSE(Blend_GetCompFromTBP(kTbp, kFrac, 9, nanCut, out, 2));
  const double nanFrac[] = {0.1, kNaN, 0.9};
  EXPECT_FALSE(Blend_GetCompFromTBP(kTbp, nanFrac, 3, cuts, out, 2));
  EXPECT_EQ(out[0], -1);
  EXPECT_EQ(out[1], -1);
}

TEST(BlendGetTBPFromYield, OneAndTwoKnots) {
  const double req[] = {0.1, 0.5, 0.9};
  double out[3];
  const double t1[] = {455}, f1[] = {0.3};
  ASSERT_TRUE(Blend_GetTBPFromYield(t1, f1, 1, out, req, 3));
  for (double v : out) EXPECT_EQ(v, 455);
  // The line through (0.2, 400) and (0.6, 480): 380, 460, 540.
  const double t2[] = {400, 480}, f2[] = {0.2, 0.6};
  ASSERT_TRUE(Blend_GetTBPFromYield(t2, f2, 2, out, req, 3));
  EXPECT_DOUBLE_EQ(out[0], 380);
  EXPECT_DOUBLE_EQ(out[1], 460);
  EXPECT_DOUBLE_EQ(out[2], 540);
  // Equal knot fractions: up to that fraction the first temperature, above it the second.
  const double fe[] = {0.5, 0.5};
  ASSERT_TRUE(Blend_GetTBPFromYield(t2, fe, 2, out, req, 3));
  EXPECT_EQ(out[0], 400);
  EXPECT_EQ(out[1], 400);
  EXPECT_EQ(out[2], 480);
}

TEST(BlendGetTBPFromYield, SplitAgainstWholeCurve) {
  // T = 300 + 500 F, straight in the fraction scale.
  const double f[] = {0.1, 0.3, 0.6, 0.8, 0.95};
  double t[5];
  for (int i = 0; i < 5; ++i) t[i] = 300 + 500 * f[i];
  const double req[] = {0.2, 0.7};
  double whole[2], split[2];
  // Two knots below 50 % and two above: one fit over all four knots, which the fraction
  // scale matches exactly (rF = 1 > rP = 0.997): the line, 400 and 650.
  ASSERT_TRUE(Blend_GetTBPFromYield(t, f, 4, whole, req, 2));
  EXPECT_NEAR(whole[0], 400, 1e-9);
  EXPECT_NEAR(whole[1], 650, 1e-9);
  // Two below and three above: separate fits. Two knots fit either scale perfectly, so
  // the probability scale reads the lower request; the three upper knots fit it with
  // rP = 0.985 > 0.95, so the upper request is read on it as well.
  ASSERT_TRUE(Blend_GetTBPFromYield(t, f, 5, split, req, 2));
  double z[5], zq[2] = {ps::toScore(0.2, ps::kRequestClamping),
                        ps::toScore(0.7, ps::kRequestClamping)};
  for (int i = 0; i < 5; ++i) z[i] = ps::toScore(f[i], ps::kKnotClamping);
  double expected[2];
  ASSERT_TRUE(Blend_spline(5, z, t, 2, zq, expected));
  EXPECT_EQ(split[0], expected[0]);
  EXPECT_EQ(split[1], expected[1]);
  EXPECT_GT(std::fabs(split[0] - 400), 1.0);
}

TEST(BlendGetTBPFromYield, KnotAtFractionOneEndsTheCurve) {
  const double t[] = {350, 400, 450, 520, 900}, f[] = {0.1, 0.4, 0.7, 1.0, 1.0};
  const double req[] = {0.05, 0.5, 0.99, 0.99999};
  double all[4], cut[4];
  ASSERT_TRUE(Blend_GetTBPFromYield(t, f, 5, all, req, 4));
  ASSERT_TRUE(Blend_GetTBPFromYield(t, f, 4, cut, req, 4));
  for (int j = 0; j < 4; ++j) EXPECT_EQ(all[j], cut[j]);
  EXPECT_LE(all[3], 520);
}

TEST(BlendGetTBPFromYield, LowResultsTakeTheFirstKnotTemperature) {
  // Read on the probability scale the curve extrapolates to about -9.9 at 1 %.
  const double t[] = {21, 30, 60}, f[] = {0.3, 0.5, 0.8}, req[] = {0.01, 0.4};
  double out[2];
  ASSERT_TRUE(Blend_GetTBPFromYield(t, f, 3, out, req, 2));
  EXPECT_EQ(out[0], 21);
  EXPECT_GT(out[1], 20.54);
}

TEST(BlendGetTBPFromYield, ConstantTemperaturesAndBadInput) {
  // Constant temperatures: both correlations are not a number and the fraction scale
  // is read, a flat curve.
  const double t[] = {420, 420, 420, 420}, f[] = {0.1, 0.4, 0.6, 0.9}, req[] = {0.2, 0.8};
  double out[2] = {-1, -1};
  ASSERT_TRUE(Blend_GetTBPFromYield(t, f, 4, out, req, 2));
  EXPECT_EQ(out[0], 420);
  EXPECT_EQ(out[1], 420);

  double untouched[2] = {-1, -1};
  const double nanReq[] = {0.2, kNaN};
  EXPECT_FALSE(Blend_GetTBPFromYield(t, f, 4, untouched, nanReq, 2));
  EXPECT_FALSE(Blend_GetTBPFromYield(t, f, 0, untouched, req, 2));
  EXPECT_FALSE(Blend_GetTBPFromYield(t, f, 4, untouched, req, 0));
  EXPECT_FALSE(Blend_GetTBPFromYield(nullptr, f, 4, untouched, req, 2));
  EXPECT_EQ(untouched[0], -1);
  // Only two knots before the end of the scale: too few to interpolate.
  const double early[] = {0.3, 1.0, 1.0};
  EXPECT_FALSE(Blend_GetTBPFromYield(t, early, 3, untouched, req, 2));
}

TEST(PcLineFit1, LineAndConstantData) {
  // (0, 1), (1, 3), (2, 5): Dx = 6, Dy = 24, slope 12 / 6, intercept 6 / 6, r = 12 / 12.
  const double x[] = {0, 1, 2}, y[] = {1, 3, 5};
  double s = 0, b = 0, r = 0;
  pc_LineFit1(3, x, y, &s, &b, &r);
  EXPECT_DOUBLE_EQ(s, 2);
  EXPECT_DOUBLE_EQ(b, 1);
  EXPECT_DOUBLE_EQ(r, 1);
  // Constant ordinates: Dy = 0 is floored to -1e-30 and the correlation is not a number.
  const double c[] = {7, 7, 7};
  pc_LineFit1(3, x, c, &s, &b, &r);
  EXPECT_DOUBLE_EQ(s, 0);
  EXPECT_TRUE(std::isnan(r));
  double keep = -1;
  pc_LineFit1(0, x, y, &keep, &keep, &keep);
  pc_LineFit1(3, x, y, &keep, nullptr, &keep);
  EXPECT_EQ(keep, -1);
}

}  // namespace
