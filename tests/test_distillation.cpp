// Settings, yield grids, D86/D2887/D1160/TBP conversions, the probability scale and curve fitting.
#include <random>

#include "QIRAConversions.h"
#include "QIRACurveFit.h"
#include "QIRACutting.h"
#include "QIRAGrids.h"
#include "QIRABlends.h"
#include "QIRASettings.h"
#include "distillation/curve_tools.h"
#include "distillation/probability_scale.h"
#include "frame/segment.h"
#include "frame/settings.h"
#include "support/tables.h"

using namespace qira_test;
namespace ps = qira::probability;

namespace {

// The API 3A1.1 worked example: a D86 curve (F) and its printed TBP curve (F).
const V kD86F = {100, 130, 150, 200, 250, 300, 370, 400, 430};
const V kTbpF = {22.881, 56.025, 101.013, 181.819, 251.318, 313.835, 389.022, 422.496, 494.851};
// The API 3A1.1 segment 10 % to 30 %.
const qira::ConversionSegment k10to30{4.9004, 0.71644, 250};

// A random ordered curve in kelvin, steps of 1 to 250 F: some segments run past their
// correlation limits and exercise the piecewise extension.
V randomCurve(std::mt19937& rng, int n) {
  std::uniform_real_distribution<double> start(250.0, 450.0), step(1.0, 250.0);
  V f(n);
  f[0] = start(rng);
  for (int i = 1; i < n; ++i) f[i] = f[i - 1] + step(rng);
  return kelvinOf(f);
}

V inF(V k) { for (double& v : k) v = KtoF(v); return k; }

}  // namespace

TEST(Settings, SegmentPowerLawAndItsPiecewiseExtension) {
  expectRows({{"API 3A1.1 10-30 %, d = 600: a 100^b + 2 a 250^b", qira::ToTbpDifference(k10to30, 600), 644.7401832374346, 1e-9},
              {"d = 250 exactly: the plain law (strict test)", qira::ToTbpDifference(k10to30, 250), 255.98332213088307, 1e-9}});
  ShouldConstrainConversionRange(false);
  expectRows({{"flag off: a 600^b", qira::ToTbpDifference(k10to30, 600), 479.3030725410968, 1e-9},
              {"flag off, inverse: (500 / a)^(1/b)", qira::FromTbpDifference(k10to30, 500), 636.469605686718, 1e-9}});
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    for (double d : {0.0, 1.0, 37.5, 249.9, 250.0, 250.1, 600.0, 1234.5, 9000.0})
      EXPECT_NEAR(qira::FromTbpDifference(k10to30, qira::ToTbpDifference(k10to30, d)), d, 1e-9 * (1 + d));
  }
  ShouldConstrainConversionRange(true);
  EXPECT_FALSE(std::isnan(qira::ToTbpDifference(k10to30, 1e300))) << "the limit count saturates";
  EXPECT_TRUE(std::isnan(qira::ToTbpDifference(k10to30, kNaN)));
  qira::ToTbpDifference({4.9004, 0.71644, -1e-300}, 10.0);  // no overflow of the count
}

TEST(Grids, YieldGridsFollowTheSettings) {
  struct Case {
    const char* origin;
    void (*fill)(double*);
    V want;
  };
  auto check = [](const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      V y(9, 7.0), want = c.want;
      c.fill(y.data());
      want.resize(9, 7.0);
      for (size_t i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(y[i], want[i]) << c.origin << " " << i;
    }
  };
  EXPECT_EQ(D86BaseSize(), 9);
  EXPECT_EQ(D2887BaseSize(), 8);
  check({{"D86 grid", D86ValidYields, {0.01, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, kFbp}},
         {"D86 option grid, nine points", D86ValidYieldsOption, {0.01, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, kFbp}},
         {"D2887 grid", D2887ValidYields, {0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, kFbp}},
         {"D1160 grid", D1160ValidYields, {0.01, 0.1, 0.3, 0.5}},
         {"TBP grid", TBPValidYields, {0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0}}});
  SetD86Method(0);
  SetOptions(0.5, 98.0, 1, 2);  // keeps the D86 method
  EXPECT_EQ(GetD86Setting(), 0) << "SetOptions keeps the D86 method";
  EXPECT_EQ(qira::settings().d2887Option, 1);
  EXPECT_EQ(qira::settings().distCurFitOption, 2);
  EXPECT_EQ(D86BaseSizeOption(), 7) << "method 0: the seven-point grid";
  EXPECT_EQ(D86BaseSize(), 9) << "the plain D86 grid keeps nine points";
  check({{"D86 option grid, seven points, IBP 0.5 %, FBP 98 %", D86ValidYieldsOption, {0.005, 0.1, 0.3, 0.5, 0.7, 0.9, 0.98}},
         {"D86 grid, IBP 0.5 %, FBP 98 %", D86ValidYields, {0.005, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.98}},
         {"D1160 grid, IBP 0.5 %", D1160ValidYields, {0.005, 0.1, 0.3, 0.5}},
         {"D2887 grid has no IBP point", D2887ValidYields, {0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.98}},
         {"TBP grid ignores the settings", TBPValidYields, {0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0}}});
  // The end-point check clamps only the first and last yields.
  V y = {0.001, 0.0001, 1.5, 1.0}, inside = {0.02, 0.5}, single = {1.2};
  CheckIBPFBP(y.data(), 4);
  CheckIBPFBP(inside.data(), 2);
  CheckIBPFBP(single.data(), 1);
  EXPECT_EQ(y, (V{0.005, 0.0001, 1.5, 0.98}));
  EXPECT_EQ(inside[0], 0.02);
  EXPECT_EQ(single[0], 0.98) << "one yield is both the first and the last";
  // The D1160 size counts the yields from the midpoint up beside the four grid points.
  const V a = {0.1, 0.5, 0.7, 0.9}, b = {0.9, 0.2, 0.4999999, 0.6};
  EXPECT_EQ(D1160BaseSize(4, a.data()), 7) << "0.5 itself counts";
  EXPECT_EQ(D1160BaseSize(4, b.data()), 6);
}

TEST(Api3A11, WorkedExampleAndRoundTrip) {
  const V d86 = kelvinOf(kD86F);
  V tbp(9), back(9), opt(9);
  ASSERT_TRUE(API3A11_D86toTBP(tbp.data(), d86.data()));
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(KtoF(tbp[i]), kTbpF[i], 5e-4) << "API 3A1.1 worked example " << i;
  ASSERT_TRUE(API3A11_TBPtoD86(tbp.data(), back.data()));
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(back[i], d86[i], 1e-9) << i;
  ASSERT_TRUE(API3A11_D86toTBPOption(opt.data(), d86.data()));
  EXPECT_EQ(opt, tbp) << "within every segment limit both forms agree";
  // The seven-point layout drops the 5 % and 95 % points; each point is reached from the
  // same neighbour, so the results equal the nine-point ones at the matching positions.
  SetD86Method(0);
  const int at[7] = {0, 2, 3, 4, 5, 6, 8};
  V d7(9, 7.0), t7(9, 7.0), b7(9, 7.0);
  for (int i = 0; i < 7; ++i) d7[i] = d86[at[i]];
  ASSERT_TRUE(API3A11_D86toTBPOption(t7.data(), d7.data()));
  ASSERT_TRUE(API3A11_TBPtoD86Option(t7.data(), b7.data()));
  for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(t7[i], tbp[at[i]]) << i;
  for (int i = 0; i < 7; ++i) EXPECT_NEAR(b7[i], d7[i], 1e-9) << i;
  EXPECT_EQ(t7[7], 7.0);
  EXPECT_EQ(b7[8], 7.0);
}

TEST(Api3A11, OrderChecksAndTheLowMidpoint) {
  // 30 % point equal to the 10 % point: not a D86 curve (strict), a TBP curve (non-strict).
  const V flat = kelvinOf({100, 130, 150, 150, 250, 300, 370, 400, 430});
  V out(9, 7.0);
  EXPECT_FALSE(API3A11_D86toTBP(out.data(), flat.data()));
  EXPECT_FALSE(API3A11_D86toTBPOption(out.data(), flat.data()));
  EXPECT_EQ(out, V(9, 7.0)) << "a rejected curve writes nothing";
  EXPECT_TRUE(API3A11_TBPtoD86(flat.data(), out.data()));
  EXPECT_FALSE(API6_TBPtoD86(flat.data(), out.data())) << "the polynomial check is strict";
  // A 95 % point below the 90 % point is outside the check: not-a-number there.
  EXPECT_TRUE(API3A11_D86toTBP(out.data(), kelvinOf({100, 130, 150, 200, 250, 300, 370, 360, 430}).data()));
  EXPECT_TRUE(std::isnan(out[7]));
  // A TBP 50 % point of 255 K (-0.67 F) cannot be converted: every point of the layout
  // is marked missing.
  const V cold = {230, 240, 245, 250, 255.0, 260, 270, 275, 280};
  for (int method : {1, 0}) {
    SetD86Method(method);
    V d(9, 7.0);
    EXPECT_FALSE(API3A11_TBPtoD86Option(cold.data(), d.data()));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(d[i], i < (method ? 9 : 7) ? kMiss : 7.0) << i;
  }
}

TEST(Api3A11, SegmentExtensionOnlyInTheOptionForm) {
  // A D86 10 % to 30 % difference of 300 F, beyond the segment's limit of 250 F.
  const V d86 = kelvinOf({100, 130, 150, 450, 500, 550, 600, 620, 650});
  V plain(9), option(9);
  ASSERT_TRUE(API3A11_D86toTBP(plain.data(), d86.data()));
  ASSERT_TRUE(API3A11_D86toTBPOption(option.data(), d86.data()));
  expectRows({{"option form: 4.9004 (50^0.71644 + 250^0.71644)", KtoF(option[3]) - KtoF(option[2]), 336.788948505083, 1e-9},
              {"plain form: 4.9004 x 300^0.71644", KtoF(plain[3]) - KtoF(plain[2]), 291.70258847178485, 1e-9}});
  for (int i = 3; i < 9; ++i) EXPECT_DOUBLE_EQ(option[i], plain[i]) << i;
  ShouldConstrainConversionRange(false);
  ASSERT_TRUE(API3A11_D86toTBPOption(option.data(), d86.data()));
  EXPECT_EQ(option, plain) << "with the flag off both forms are the plain law";
}

TEST(Api3A31, WorkedExampleFlagOnAndOff) {
  const V d2887 = kelvinOf({100, 130, 200, 260, 320, 400, 430, 480});
  const V on = {118.619, 139.026, 203.969, 260, 320.669, 407.279, 426.219, 452.09};
  const V off = {118.619, 139.026, 203.969, 260, 320.669, 412.071, 431.012, 479.926};
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    V tbp(8), back(8);
    ASSERT_TRUE(API3A31_D2887toTBP(tbp.data(), d2887.data()));
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(KtoF(tbp[i]), (constrain ? on : off)[i], 5e-4) << "API 3A3.1 worked example " << i;
    ASSERT_TRUE(API3A31_TBPtoD2887(tbp.data(), back.data()));
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(back[i], d2887[i], 1e-9) << i;
  }
  ShouldConstrainConversionRange(true);
  // Equal 5 % and 10 % points stay equal; a 10-30 % step of 100 F runs past its limit.
  const V steps = kelvinOf({130, 130, 230, 260, 320, 380, 400, 420});
  V tbp(8);
  ASSERT_TRUE(API3A31_D2887toTBP(tbp.data(), steps.data()));
  EXPECT_EQ(tbp[0], tbp[1]);
  EXPECT_NEAR(KtoF(tbp[2]) - KtoF(tbp[1]), 82.75292834511495, 1e-9) << "0.011903 (25^2.0253 + 75^2.0253)";
}

TEST(Conversions, RandomCurvesRoundTrip) {
  std::mt19937 rng(20261206);
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    for (int trial = 0; trial < 200; ++trial) {
      for (int method : {1, 0}) {
        SetD86Method(method);
        const int n = method ? 9 : 7;
        const V d86 = randomCurve(rng, n);
        V tbp(n), back(n);
        ASSERT_TRUE(API3A11_D86toTBPOption(tbp.data(), d86.data()));
        ASSERT_TRUE(API3A11_TBPtoD86Option(tbp.data(), back.data()));
        for (int i = 0; i < n; ++i) ASSERT_NEAR(back[i], d86[i], 1e-9) << trial << "/" << i;
      }
      const V d2887 = randomCurve(rng, 8);
      V tbp(8), back(8);
      ASSERT_TRUE(API3A31_D2887toTBP(tbp.data(), d2887.data()));
      ASSERT_TRUE(API3A31_TBPtoD2887(tbp.data(), back.data()));
      for (int i = 0; i < 8; ++i) ASSERT_NEAR(back[i], d2887[i], 1e-9) << trial << "/" << i;
    }
  }
}

TEST(SingleTbpToD86, AnchorsOfTheWorkedExample) {
  // The curves of the API 3A1.1 worked example in F: a TBP point of the curve at a yield in
  // the segment it bounds returns the matching D86 point.
  V tbp(9);
  ASSERT_TRUE(API3A11_D86toTBP(tbp.data(), kelvinOf(kD86F).data()));
  const V t = inF(tbp);
  const double* d = kD86F.data();
  const double mid = FtoK(249.99992668064482);  // (251.318 / 0.8718)^(1 / 1.0258) F
  expectRows({{"10 % anchor", SingleTBPtoD86(t.data(), d, FtoK(t[1]), 0.05), FtoK(130), 1e-9},
              {"on the 30 % point", SingleTBPtoD86(t.data(), d, FtoK(t[3]), 0.2), FtoK(200), 1e-9},
              {"30-50 % segment across to the 30 % point", SingleTBPtoD86(t.data(), d, FtoK(t[3]), 0.4), FtoK(200), 1e-6},
              {"50-70 % segment across to the 70 % point", SingleTBPtoD86(t.data(), d, FtoK(t[5]), 0.6), FtoK(300), 1e-6},
              {"70-90 % segment across to the 90 % point", SingleTBPtoD86(t.data(), d, FtoK(t[6]), 0.8), FtoK(370), 1e-6},
              {"50 % anchor", SingleTBPtoD86(t.data(), d, FtoK(t[3]), 0.3), FtoK(200), 1e-9},
              {"70 % anchor", SingleTBPtoD86(t.data(), d, FtoK(t[5]), 0.7), FtoK(300), 1e-9},
              {"90 % anchor at 95 %", SingleTBPtoD86(t.data(), d, FtoK(t[7]), 0.95), FtoK(400), 1e-9},
              {"90 % anchor at 100 %", SingleTBPtoD86(t.data(), d, FtoK(t[8]), 1.0), FtoK(430), 1e-9},
              {"y = 0.5: the curve's own 50 % point whatever t is", SingleTBPtoD86(t.data(), d, 1000.0, 0.5), mid, 1e-4},
              {"a yield that is not a number lies in no segment", SingleTBPtoD86(t.data(), d, 300, kNaN), kMiss, 0}});
  SetD86Method(0);
  const double t7[7] = {t[0], t[2], t[3], t[4], t[5], t[6], t[8]}, d7[7] = {d[0], d[2], d[3], d[4], d[5], d[6], d[8]};
  expectRows({{"seven points: 70 % anchor", SingleTBPtoD86Option(t7, d7, FtoK(t[5]), 0.6), FtoK(300), 1e-9},
              {"seven points: 50 % at position 3", SingleTBPtoD86Option(t7, d7, 0.0, 0.5), mid, 1e-4},
              {"the plain form keeps nine points", SingleTBPtoD86(t.data(), d, 0.0, 0.5), mid, 1e-4}});
}

TEST(Api6AndD1160, PolynomialAndQuarticConversions) {
  // TBP 50 % of 0 F gives the constant term 20.07479 F; 50 % to 70 % is P(30).
  const V tbp = kelvinOf({-100, -60, -30, 0, 30, 60, 100});
  V d86(7);
  ASSERT_TRUE(API6_TBPtoD86(tbp.data(), d86.data()));
  for (int i = 1; i < 7; ++i) EXPECT_GT(d86[i], d86[i - 1]);
  // TBP 300, 400, 500, 700 F: 30-50 % difference 200 F (beyond 180, carried over), the
  // others by the upper and initial quartics; back by the inverse quartics.
  const V t4 = kelvinOf({300, 400, 500, 700}), at180 = kelvinOf({300, 400, 500, 680});
  V d(4), back(4), d180(4);
  ASSERT_TRUE(Blend_TBPtoD1160(t4.data(), d.data()));
  ASSERT_TRUE(Blend_TBPtoD1160(at180.data(), d180.data()));
  ASSERT_TRUE(Blend_D1160toTBP(back.data(), t4.data()));
  expectRows({{"API polynomial, TBP 50 % of 0 F", KtoF(d86[3]), 20.07479, 1e-9},
              {"API polynomial, 50-70 % step of 30 F (regression)", KtoF(d86[4]) - KtoF(d86[3]), 19.645054217019, 1e-9},
              {"API polynomial, initial to 10 % step of 40 F", KtoF(d86[1]) - KtoF(d86[0]), 19.6927706930176, 1e-9},
              {"D1160 50 % point is the TBP 50 % point", KtoF(d[3]), 700, 1e-9},
              {"D1160, difference beyond 180 F carried over", KtoF(d[3]) - KtoF(d[2]), 200, 1e-9},
              {"D1160, a difference of exactly 180 F still by the quartic", KtoF(d180[3]) - KtoF(d180[2]), 180.06808039976863, 1e-9},
              {"D1160 upper quartic at 100 F (regression)", KtoF(d[2]) - KtoF(d[1]), 94.1374036871615, 1e-9},
              {"D1160 initial quartic at 100 F", KtoF(d[1]) - KtoF(d[0]), 68.91909576878314, 1e-9},
              {"D1160 to TBP upper quartic at 100 F", KtoF(back[2]) - KtoF(back[1]), 105.424096, 1e-9},
              {"D1160 to TBP, beyond 180 F carried over", KtoF(back[3]) - KtoF(back[2]), 200, 1e-9}});
  for (V bad : {V{400, 400, 450, 500}, V{400, 420, 410, 500}, V{400, kNaN, 450, 500}}) {
    V out(4, 1.0);
    EXPECT_FALSE(Blend_TBPtoD1160(bad.data(), out.data()));
    EXPECT_FALSE(Blend_D1160toTBP(out.data(), bad.data()));
    EXPECT_EQ(out, V(4, 1.0)) << "points that do not rise strictly are refused";
  }
}

TEST(ProbabilityScale, TableMapsAndInverse) {
  double z[102];
  z[101] = -1;
  Blend_NormDistY(z);
  const auto cut = ps::kCutterClamping, knot = ps::kKnotClamping, req = ps::kRequestClamping;
  expectRows({{"table midpoint", z[50], 0, 0},
              {"table score of 0.51", z[51], 0.017723843, 0},
              {"table score of 0.84", z[84], 0.703081398, 0},
              {"table score of 0.99", z[99], 1.644723743, 0},
              {"table end", z[100], 3.476589918, 0},
              {"mirrored below 0.50", z[16], -0.703081398, 0},
              {"101 values, no more", z[101], -1, 0},
              {"0.01 reads the table", ps::toScore(0.01, cut), -1.644723743, 0},
              {"just inside 0.01: the low polynomial", ps::toScore(0.0099, cut), -1.6639910943134035, 1e-12},
              {"0.995: the high polynomial", ps::toScore(0.995, cut), 1.8158496678224765, 1e-9},
              {"0.001: the logarithmic tail", ps::toScore(0.001, cut), -2.1848030193623766, 1e-15},
              {"0.0011: the low polynomial", ps::toScore(0.0011, cut), -2.1663626198781474, 1e-12},
              {"0.999: the upper logarithmic tail", ps::toScore(0.999, cut), 2.184803019362376, 1e-12},
              {"0.9989: the high polynomial", ps::toScore(0.9989, cut), 2.153625235427171, 1e-9},
              {"1e-10: the table end", ps::toScore(1e-10, cut), ps::kZmin, 1e-7},
              {"2e-10, cutter: raised to the end of the scale", ps::toScore(2e-10, cut), ps::kZmin, 0},
              {"2e-10, knots: the tail itself", ps::toScore(2e-10, knot), -4.870727285111378, 1e-12},
              {"2e-10, requests: the tail itself", ps::toScore(2e-10, req), -4.870727285111378, 1e-12},
              {"1 - 1e-9: lowered to the end of the scale", ps::toScore(1 - 1e-9, knot), ps::kZmax, 0},
              {"not a number", ps::toScore(kNaN, req), kNaN, 0},
              {"inverse of 0", ps::toFraction(0.0), 0.5, 1e-7},
              {"inverse of the scale's ends", ps::toFraction(ps::kZmin) + ps::toFraction(ps::kZmax), 1.0, 0},
              {"inverse above the scale", ps::toFraction(5.0), 1.0, 0},
              {"inverse on the lower tail", ps::toFraction(-2.5), 0.0001636313344177298, 1e-15},
              {"inverse at the tail boundary itself: the tail", ps::toFraction(-2.184803016), 0.0010000000193097346, 1e-18}});
  EXPECT_LT(ps::toScore(-0.5, req), ps::kZmin) << "below 0 the first interval is extended";
  double worst = 0, worstAt = 0;
  for (int i = 0; i <= 100000; ++i) {
    const double f = i / 100000.0, e = std::fabs(ps::toFraction(ps::toScore(f, cut)) - f);
    if (e > worst) worst = e, worstAt = f;
  }
  EXPECT_LT(worst, 1e-3);
  EXPECT_TRUE(worstAt > 0.99 && worstAt < 0.991) << "the largest departures lie just above 0.99";
}

TEST(CurveFit, LocalSplineAndThreePointValues) {
  auto spline = [](V x, V y, V q) {
    V out(q.size());
    EXPECT_TRUE(Simple_spline(static_cast<int>(x.size()), x.data(), y.data(), static_cast<int>(q.size()), q.data(), out.data()));
    return out;
  };
  auto lstsqr = [](V x, V y, double q) { double v = kNaN; EXPECT_TRUE(Blend_lstsqr(x.data(), y.data(), q, &v)); return v; };
  const V line = spline({1, 2, 4, 7, 11}, {4, 7, 13, 22, 34}, {1, 3.3, 5.9, 10.2, 11});
  const V flat = spline({1, 2, 4, 7, 11}, {90, 100, 100.0005, 130, 150}, {2.5, 3.9});
  const V quad = spline({0, 1, 2}, {0, 1, 4}, {0.5, 1.8});
  const V cubic = spline({0, 1, 2, 3, 4}, {100, 101, 108, 127, 164}, {2.5});
  const V chord = spline({5, 94, 104, 108, 141}, {494.64, 544.33, 655.41, 710.04, 796.80}, {45.237, 54.317});
  const V ends = spline({1, 2, 3}, {10, 20, 30}, {0.5, 4});
  V lin(5);
  const V lx = {1, 2, 4}, ly = {10, 20, 20}, lq = {0.5, 1.5, 2, 3, 5};
  ASSERT_TRUE(Blend_Linear(3, lx.data(), ly.data(), 5, lq.data(), lin.data()));
  expectRows({{"straight line y = 3x + 1 at a knot", line[0], 4, 0},
              {"straight line between knots", line[1], 10.9, 1e-12},
              {"straight line", line[3], 31.6, 1e-12},
              {"straight line at the last knot", line[4], 34, 0},
              {"bracket flat to 1e-5 gives its first ordinate", flat[0] + flat[1], 200, 0},
              {"y = x^2 at 0.5: quadratic fails the overshoot test, chord", quad[0], 0.5, 1e-12},
              {"y = x^2 at 1.8: the quadratic", quad[1], 3.24, 1e-12},
              {"y = 100 + x^3: the cubic is exact", cubic[0], 115.625, 1e-12},
              {"chord fallback below the previous query (regression)", chord[0], 524.4913603475288, rel(1e-12)},
              {"chord fallback (regression)", chord[1], 522.1744014606742, rel(1e-12)},
              {"extrapolation left on the line", ends[0], 5, 1e-12},
              {"extrapolation right on the line", ends[1], 40, 1e-12},
              {"three abscissae within 1e-5: y[0]", lstsqr({2, 2 + 4e-6, 2 - 3e-6}, {7, 9, 11}, 5), 7, 0},
              {"x0 = x1: the line through points 0 and 2", lstsqr({1, 1, 3}, {10, 12, 30}, 4), 40, 1e-12},
              {"x0 = x2: the line through points 0 and 1", lstsqr({1, 2, 1}, {10, 15, 99}, 0), 5, 1e-12},
              {"coincident abscissae with degenerate value 0", lstsqr({3, 3, 3}, {0, 5, 6}, 1), 0, 0},
              {"degenerate value 0 with gaps that do not underflow: on to the three-point value", lstsqr({0, 5e-6, 1}, {0, 0, 7}, 0.5), 3.5, 1e-9},
              {"quadratic 100 - 3x + 4x^2 kept at 8 (r = 1.02)", lstsqr({0, 1, 2}, {100, 101, 110}, 8), 332, 1e-9},
              {"quadratic refused at 10 (r = 1.58): the line", lstsqr({0, 1, 2}, {100, 101, 110}, 10), 182, 1e-9},
              {"quadratic refused at 5 (r = 0.35)", lstsqr({0, 1, 2}, {100, 101, 110}, 5), 137, 1e-9},
              {"inside the points the quadratic", lstsqr({0, 1, 2}, {100, 101, 110}, 1.5), 104.5, 1e-12},
              {"constant ordinates stay constant", lstsqr({0.1, 0.2, 0.3}, {10, 10, 10}, 0), 10, 1e-12},
              {"underflowing denominators: not 0/0 (fuzz regression)", lstsqr({7.2911220195563975e-304, 0.0, 2.1219969292925203e-314}, {0, 0, 0}, 0), 0, 0},
              {"linear, left extension", lin[0], 5, 1e-12},
              {"linear, between knots", lin[1], 15, 1e-12},
              {"linear, on a knot", lin[2], 20, 0},
              {"linear, right extension of a flat end", lin[4], 20, 1e-12}});
  EXPECT_TRUE(std::isfinite(lstsqr({1e-6, 0.0, 2e-6}, {1, 0, 2}, 0)));
}

namespace {

// The monotone interpolator, checked to leave the caller's knots alone.
bool monotone(const V& x, const V& y, const V& q, V& out, qira::InterpolatorTrace& t) {
  const V x0 = x, y0 = y;
  out.assign(q.size(), kNaN);
  const bool ok = qira::monotoneSpline(static_cast<int>(x.size()), x.data(), y.data(),
                                       static_cast<int>(q.size()), q.data(), out.data(), &t);
  EXPECT_TRUE(x == x0 && y == y0);
  return ok;
}
V simple(const V& x, const V& y, const V& q) {
  V out(q.size());
  Simple_spline(static_cast<int>(x.size()), x.data(), y.data(), static_cast<int>(q.size()), q.data(), out.data());
  return out;
}

}  // namespace

TEST(CurveFit, MonotoneInterpolatorRepairsEachReversal) {
  // Each repair gives Simple_spline's values on the knot set it builds (worked by hand).
  struct Case { const char* origin; V x, y, q, repairedX, repairedY; int front, mid, appends; };
  const std::vector<Case> cases = {{"no reversal: one evaluation", {300, 350, 420, 500, 610}, {0, 0.1, 0.35, 0.7, 0.95}, {280, 330, 480, 650},
                                   {300, 350, 420, 500, 610}, {0, 0.1, 0.35, 0.7, 0.95}, 0, 0, 0},
                                   {"left-end reversal: a front knot (-2, 80) on the first segment's line", {0, 1, 2}, {100, 110, 111}, {-4, -3.5}, {-2, 0, 1, 2}, {80, 100, 110, 111}, 1, 0, 0},
                                   {"interior reversal: the interval midpoint", {5, 94, 104, 108, 141}, {494.64, 544.33, 655.41, 710.04, 796.80},
                                   {45.237, 54.317}, {5, 49.5, 94, 104, 108, 141}, {494.64, 519.485, 544.33, 655.41, 710.04, 796.80}, 0, 1, 0},
                                   {"right-end reversal: a knot (6, 146) on the last segment's line", {0, 1, 2}, {100, 101, 110}, {9, 10},
                                   {0, 1, 2, 6}, {100, 101, 110, 146}, 0, 0, 1}};
  for (const Case& c : cases) {
    V out;
    qira::InterpolatorTrace t;
    EXPECT_TRUE(monotone(c.x, c.y, c.q, out, t)) << c.origin;
    EXPECT_EQ(out, simple(c.repairedX, c.repairedY, c.q)) << c.origin;
    EXPECT_EQ(t.frontInsertions * 100 + t.midpointInsertions * 10 + t.appends, c.front * 100 + c.mid * 10 + c.appends) << c.origin;
    EXPECT_LE(out[0], out[1]) << c.origin;
  }
  EXPECT_NEAR(simple({0, 1, 2}, {100, 110, 111}, {-4, -3.5})[1], -5.875, 1e-12) << "the reversal repaired above";
  // Out-of-order queries keep the right-end repair appending: after ten knots the room is
  // used up and one restart from the caller's knots ends the repairs.
  V out;
  qira::InterpolatorTrace t;
  EXPECT_TRUE(monotone({0.42728815312429758, 1.2107389305293701, 1.4459093164034584},
                       {0.44692524675734308, 0.91444044224900578, 3.1501918054474647},
                       {-0.054279683336101447, 0.116459095272059, 0.085648637671813965, 0.1922516510545762,
                        2.8453806043177803, 3.0952333367318801, -0.68107262258557344}, out, t));
  EXPECT_EQ(t.appends * 1000 + t.restarts * 100 + t.evaluations, 10 * 1000 + 100 + 11);
  // The pass budget runs out with a full, finite evaluation.
  qira::InterpolatorTrace b;
  EXPECT_FALSE(monotone({0.43561537555742602, 1.0714571182540049, 1.5915704006936855, 2.6577253406037635},
                        {1.2563287322172161, 5.3420997498563327, 6.0764993340775035, 10.410052698300753},
                        {1.309980440777164, -0.093546156781111778, 2.8417670091968912, 1.3919153188577056,
                         1.3456924566867743, -0.84289241250389124, -0.042999044888152094, 2.0768580638081673}, out, b));
  EXPECT_EQ(b.passes * 1000 + b.evaluations, 100 * 1000 + 101);
  for (double v : out) EXPECT_TRUE(std::isfinite(v));
}
