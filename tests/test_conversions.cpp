// Whole-curve and single-point conversions between D86, D2887 and TBP.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "QIRAConversions.h"
#include "QIRASettings.h"
#include "support/test_support.h"

using qira_test::FtoK;
using qira_test::KtoF;

namespace {

std::vector<double> kelvinOf(std::vector<double> fahrenheit) {
  for (double& v : fahrenheit) v = FtoK(v);
  return fahrenheit;
}

// The worked example of API 3A1.1: a D86 curve (F) and its printed TBP curve (F).
const std::vector<double> kExampleD86F = {100, 130, 150, 200, 250, 300, 370, 400, 430};
const std::vector<double> kExampleTbpF = {22.881,  56.025,  101.013, 181.819, 251.318,
                                          313.835, 389.022, 422.496, 494.851};

// The worked example of API 3A3.1: a D2887 curve (F).
const std::vector<double> kExampleD2887F = {100, 130, 200, 260, 320, 400, 430, 480};

// A random ordered curve in kelvin: steps of 1 to 250 F, so that some segments run past
// their correlation limits and exercise the piecewise extension.
std::vector<double> randomCurve(std::mt19937& rng, int n) {
  std::uniform_real_distribution<double> start(250.0, 450.0), step(1.0, 250.0);
  std::vector<double> f(n);
  f[0] = start(rng);
  for (int i = 1; i < n; ++i) f[i] = f[i - 1] + step(rng);
  return kelvinOf(f);
}

}  // namespace

TEST(Api3A11, WorkedExampleToTbpAndBack) {
  qira_test::DefaultSettings guard;
  const auto d86 = kelvinOf(kExampleD86F);
  std::vector<double> tbp(9), back(9);
  ASSERT_TRUE(API3A11_D86toTBP(tbp.data(), d86.data()));
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(KtoF(tbp[i]), kExampleTbpF[i], 5e-4) << i;
  ASSERT_TRUE(API3A11_TBPtoD86(tbp.data(), back.data()));
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(back[i], d86[i], 1e-9) << i;
}

TEST(Api3A11, OrderChecksStrictToTbpNonStrictToD86) {
  qira_test::DefaultSettings guard;
  // 30 % point equal to the 10 % point (F): not a valid D86 curve, a valid TBP curve.
  const auto curve = kelvinOf({100, 130, 150, 150, 250, 300, 370, 400, 430});
  std::vector<double> out(9, 7.0);
  EXPECT_FALSE(API3A11_D86toTBP(out.data(), curve.data()));
  EXPECT_FALSE(API3A11_D86toTBPOption(out.data(), curve.data()));
  EXPECT_EQ(out, std::vector<double>(9, 7.0)) << "a rejected curve writes nothing";
  EXPECT_TRUE(API3A11_TBPtoD86(curve.data(), out.data()));
  EXPECT_TRUE(API3A11_TBPtoD86Option(curve.data(), out.data()));
  EXPECT_FALSE(API6_TBPtoD86(curve.data(), out.data())) << "polynomial check is strict";

  // A 95 % point below the 90 % point is outside the check (it gives not-a-number there).
  const auto low95 = kelvinOf({100, 130, 150, 200, 250, 300, 370, 360, 430});
  EXPECT_TRUE(API3A11_D86toTBP(out.data(), low95.data()));
  EXPECT_TRUE(std::isnan(out[7]));
}

TEST(Api3A11, LowTbpMidpointFillsMissing) {
  qira_test::DefaultSettings guard;
  // A 50 % point of 255.0 K is about -0.67 F, not above 1e-6 F.
  const std::vector<double> tbp = {230, 240, 245, 250, 255.0, 260, 270, 275, 280};
  for (int method : {1, 0}) {
    SetD86Method(method);
    std::vector<double> d86(9, 7.0);
    EXPECT_FALSE(API3A11_TBPtoD86Option(tbp.data(), d86.data()));
    const int n = method ? 9 : 7;  // seven-point: 50 % point at position 3 (250 K)
    for (int i = 0; i < 9; ++i) EXPECT_EQ(d86[i], i < n ? -32767.0 : 7.0) << i;
  }
  std::vector<double> d86(9, 7.0);
  EXPECT_FALSE(API3A11_TBPtoD86(tbp.data(), d86.data()));
  EXPECT_EQ(d86, std::vector<double>(9, -32767.0));
}

TEST(Api3A11, SevenPointMethodLeavesPositions7And8) {
  qira_test::DefaultSettings guard;
  // The seven-point curve is the nine-point example without its 5 % and 95 % points.
  // Each point is reached from the same neighbour in both layouts, so the seven-point
  // result equals the nine-point one at the matching positions.
  const int nineAt[7] = {0, 2, 3, 4, 5, 6, 8};
  const auto d86Nine = kelvinOf(kExampleD86F);
  std::vector<double> tbpNine(9);
  ASSERT_TRUE(API3A11_D86toTBPOption(tbpNine.data(), d86Nine.data()));

  SetD86Method(0);
  std::vector<double> d86(9, 7.0), tbp(9, 7.0);
  for (int i = 0; i < 7; ++i) d86[i] = d86Nine[nineAt[i]];
  ASSERT_TRUE(API3A11_D86toTBPOption(tbp.data(), d86.data()));
  for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(tbp[i], tbpNine[nineAt[i]]) << i;
  EXPECT_EQ(tbp[7], 7.0);
  EXPECT_EQ(tbp[8], 7.0);

  std::vector<double> back(9, 7.0);
  ASSERT_TRUE(API3A11_TBPtoD86Option(tbp.data(), back.data()));
  for (int i = 0; i < 7; ++i) EXPECT_NEAR(back[i], d86[i], 1e-9) << i;
  EXPECT_EQ(back[7], 7.0);
  EXPECT_EQ(back[8], 7.0);
}

TEST(Api3A11, SegmentExtensionOnlyInOptionForm) {
  qira_test::DefaultSettings guard;
  // D86 10 % to 30 % difference of 300 F, beyond the segment's limit of 250 F.
  const auto d86 = kelvinOf({100, 130, 150, 450, 500, 550, 600, 620, 650});
  std::vector<double> plain(9), option(9);
  ASSERT_TRUE(API3A11_D86toTBP(plain.data(), d86.data()));
  ASSERT_TRUE(API3A11_D86toTBPOption(option.data(), d86.data()));
  const double a = 4.9004, b = 0.71644;
  EXPECT_NEAR(KtoF(plain[3]) - KtoF(plain[2]), a * std::pow(300.0, b), 1e-9);
  EXPECT_NEAR(KtoF(option[3]) - KtoF(option[2]),
              a * std::pow(50.0, b) + a * std::pow(250.0, b), 1e-9);
  // Every other difference is within its limit, so the points from 30 % up agree.
  for (int i = 3; i < 9; ++i) EXPECT_DOUBLE_EQ(option[i], plain[i]) << i;

  ShouldConstrainConversionRange(false);
  ASSERT_TRUE(API3A11_D86toTBPOption(option.data(), d86.data()));
  EXPECT_EQ(option, plain) << "with the flag off both forms are the plain power law";
}

TEST(Api3A11, RandomRoundTripsReturnTheCurve) {
  qira_test::DefaultSettings guard;
  std::mt19937 rng(20261206);
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    for (int trial = 0; trial < 300; ++trial) {
      for (int method : {1, 0}) {
        SetD86Method(method);
        const int n = method ? 9 : 7;
        const auto d86 = randomCurve(rng, n);
        std::vector<double> tbp(n), back(n);
        ASSERT_TRUE(API3A11_D86toTBPOption(tbp.data(), d86.data()));
        ASSERT_TRUE(API3A11_TBPtoD86Option(tbp.data(), back.data()));
        for (int i = 0; i < n; ++i) ASSERT_NEAR(back[i], d86[i], 1e-9) << trial << "/" << i;
        if (n == 9) {
          ASSERT_TRUE(API3A11_D86toTBP(tbp.data(), d86.data()));
          ASSERT_TRUE(API3A11_TBPtoD86(tbp.data(), back.data()));
          for (int i = 0; i < 9; ++i) ASSERT_NEAR(back[i], d86[i], 1e-9) << trial << "/" << i;
        }
      }
    }
  }
}

TEST(Api3A31, WorkedExampleFlagOnAndOff) {
  qira_test::DefaultSettings guard;
  const auto d2887 = kelvinOf(kExampleD2887F);
  // Printed curves of the API 3A3.1 example (F); flag off changes the last three points.
  const double on[8] = {118.619, 139.026, 203.969, 260, 320.669, 407.279, 426.219, 452.09};
  const double off[8] = {118.619, 139.026, 203.969, 260, 320.669, 412.071, 431.012, 479.926};
  std::vector<double> tbp(8), back(8);
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    ASSERT_TRUE(API3A31_D2887toTBP(tbp.data(), d2887.data()));
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(KtoF(tbp[i]), (constrain ? on : off)[i], 5e-4) << i;
    EXPECT_NEAR(tbp[3], d2887[3], 1e-12) << "the 50 % point passes through";
    ASSERT_TRUE(API3A31_TBPtoD2887(tbp.data(), back.data()));
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(back[i], d2887[i], 1e-9) << i;
  }
}

TEST(Api3A31, EqualStepsAndExtendedSegment) {
  qira_test::DefaultSettings guard;
  // 10 % equal to 5 %: accepted, and the zero step stays a zero step. The 10 % to 30 %
  // step of 100 F runs past its limit of 75 F.
  const auto d2887 = kelvinOf({130, 130, 230, 260, 320, 380, 400, 420});
  std::vector<double> tbp(8, 7.0);
  ASSERT_TRUE(API3A31_D2887toTBP(tbp.data(), d2887.data()));
  EXPECT_EQ(tbp[0], tbp[1]);
  const double a = 0.011903, b = 2.0253;
  EXPECT_NEAR(KtoF(tbp[2]) - KtoF(tbp[1]), a * std::pow(25.0, b) + a * std::pow(75.0, b),
              1e-9);

  const auto unordered = kelvinOf({130, 120, 230, 260, 320, 380, 400, 420});
  std::vector<double> untouched(8, 7.0);
  EXPECT_FALSE(API3A31_D2887toTBP(untouched.data(), unordered.data()));
  EXPECT_EQ(untouched, std::vector<double>(8, 7.0));
}

TEST(Api3A31, RandomRoundTripsReturnTheCurve) {
  qira_test::DefaultSettings guard;
  std::mt19937 rng(6122026);
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    for (int trial = 0; trial < 500; ++trial) {
      const auto d2887 = randomCurve(rng, 8);
      std::vector<double> tbp(8), back(8);
      ASSERT_TRUE(API3A31_D2887toTBP(tbp.data(), d2887.data()));
      ASSERT_TRUE(API3A31_TBPtoD2887(tbp.data(), back.data()));
      for (int i = 0; i < 8; ++i) ASSERT_NEAR(back[i], d2887[i], 1e-9) << trial << "/" << i;
    }
  }
}

TEST(SingleTbpToD86, AnchorsAndSegments) {
  qira_test::DefaultSettings guard;
  // Curves of the API 3A1.1 worked example in F. A TBP point of the curve itself, at a
  // yield in the segment it bounds, returns the matching D86 point: the plain inverse is
  // measured from the same anchor as in the whole-curve conversion.
  std::vector<double> tbpF(9);
  ASSERT_TRUE(API3A11_D86toTBP(tbpF.data(), kelvinOf(kExampleD86F).data()));
  for (double& v : tbpF) v = KtoF(v);
  const double* d = kExampleD86F.data();
  const double* t = tbpF.data();
  EXPECT_NEAR(SingleTBPtoD86(t, d, FtoK(t[1]), 0.05), FtoK(130), 1e-9);  // 10 % anchor
  EXPECT_NEAR(SingleTBPtoD86(t, d, FtoK(t[3]), 0.2), FtoK(200), 1e-12);  // on 30 % point
  EXPECT_NEAR(SingleTBPtoD86(t, d, FtoK(t[3]), 0.3), FtoK(200), 1e-9);   // 50 % anchor
  EXPECT_NEAR(SingleTBPtoD86(t, d, FtoK(t[5]), 0.7), FtoK(300), 1e-12);  // 70 % anchor
  EXPECT_NEAR(SingleTBPtoD86(t, d, FtoK(t[7]), 0.95), FtoK(400), 1e-9);  // 90 % anchor
  EXPECT_NEAR(SingleTBPtoD86(t, d, FtoK(t[8]), 1.0), FtoK(430), 1e-9);   // 90 % anchor
  // y = 0.5 exactly: the TBP curve's own 50 % point converted, whatever t is.
  const double mid = FtoK(std::pow(t[4] / 0.8718, 0.9748488984207447));
  EXPECT_DOUBLE_EQ(SingleTBPtoD86(t, d, 1000.0, 0.5), mid);
  EXPECT_NEAR(mid, FtoK(250), 1e-9);

  // Seven-point curves: the 50 % point sits at position 3.
  SetD86Method(0);
  const double t7[7] = {t[0], t[2], t[3], t[4], t[5], t[6], t[8]};
  const double d7[7] = {d[0], d[2], d[3], d[4], d[5], d[6], d[8]};
  EXPECT_NEAR(SingleTBPtoD86Option(t7, d7, FtoK(t[5]), 0.6), FtoK(300), 1e-9);
  EXPECT_NEAR(SingleTBPtoD86Option(t7, d7, 0.0, 0.5), mid, 1e-9);
  EXPECT_DOUBLE_EQ(SingleTBPtoD86(t, d, 0.0, 0.5), mid) << "the plain form keeps 9 points";
}

TEST(Api6, PolynomialFromTheMiddleOutward) {
  // A TBP 50 % point of 0 F gives a D86 50 % point of 20.07479 F (the constant term).
  const auto tbp = kelvinOf({-100, -60, -30, 0, 30, 60, 100});
  std::vector<double> d86(7);
  ASSERT_TRUE(API6_TBPtoD86(tbp.data(), d86.data()));
  EXPECT_NEAR(KtoF(d86[3]), 20.07479, 1e-9);
  // 50 % to 70 %: P(30) of its coefficients, added to the 50 % point.
  const double c[7] = {0.505929, 0.00765639, -0.000142754, 2.23652e-6,
                       -1.7465e-8, 6.23097e-11, -8.29563e-14};
  double p = 0, x = 1;
  for (double ck : c) p += ck * (x *= 30);
  EXPECT_NEAR(KtoF(d86[4]) - KtoF(d86[3]), p, 1e-9);
  for (int i = 1; i < 7; ++i) EXPECT_GT(d86[i], d86[i - 1]);
}

TEST(ConversionsBadInput, NullArraysAndNotANumber) {
  qira_test::DefaultSettings guard;
  const auto good = kelvinOf(kExampleD86F);
  std::vector<double> out(9, 7.0);
  EXPECT_FALSE(API3A11_D86toTBP(nullptr, good.data()));
  EXPECT_FALSE(API3A11_D86toTBP(out.data(), nullptr));
  EXPECT_FALSE(API3A11_TBPtoD86(nullptr, out.data()));
  EXPECT_FALSE(API3A11_TBPtoD86(good.data(), nullptr));
  EXPECT_FALSE(API3A11_D86toTBPOption(out.data(), nullptr));
  EXPECT_FALSE(API3A11_TBPtoD86Option(nullptr, out.data()));
  EXPECT_FALSE(API3A31_D2887toTBP(out.data(), nullptr));
  EXPECT_FALSE(API3A31_TBPtoD2887(nullptr, out.data()));
  EXPECT_FALSE(API6_TBPtoD86(nullptr, out.data()));
  EXPECT_EQ(out, std::vector<double>(9, 7.0));
  EXPECT_EQ(SingleTBPtoD86(nullptr, good.data(), 300, 0.2), -32767.0);
  EXPECT_EQ(SingleTBPtoD86Option(good.data(), nullptr, 300, 0.2), -32767.0);

  // Not-a-number among the checked points fails the order check; elsewhere it only
  // propagates. Nothing crashes.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<double> withNan = good;
  withNan[4] = nan;
  EXPECT_FALSE(API3A11_D86toTBP(out.data(), withNan.data()));
  EXPECT_FALSE(API3A11_TBPtoD86(withNan.data(), out.data()));
  EXPECT_FALSE(API3A31_D2887toTBP(out.data(), withNan.data()));
  EXPECT_FALSE(API6_TBPtoD86(withNan.data(), out.data()));
  EXPECT_EQ(out, std::vector<double>(9, 7.0));
  EXPECT_TRUE(API3A31_TBPtoD2887(withNan.data(), out.data()));
  EXPECT_TRUE(std::isnan(out[4])) << "chained outward from the 50 % point";
  EXPECT_TRUE(std::isnan(SingleTBPtoD86(good.data(), good.data(), nan, 0.2)));
  EXPECT_EQ(SingleTBPtoD86(good.data(), good.data(), 300, nan), -32767.0)
      << "a yield that is not a number lies in no segment";
}
