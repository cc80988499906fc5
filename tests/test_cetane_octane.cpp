// Cetane indices, viscosity estimates, octane blending and octane estimates.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "QIRACetane.h"
#include "QIRAOctane.h"
#include "support/test_support.h"

namespace {
constexpr double kMissing = -32767.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(CetaneIndex, D4737ReferencePointAndOrdering) {
  // 215, 260 and 310 C at d15 = 0.85: every deviation term vanishes.
  EXPECT_EQ(Blend_CetaneIndexD4737(0.85, 488.15, 533.15, 583.15), 45.2);
  // Independent transcription of the four-variable formula.
  EXPECT_NEAR(Blend_CetaneIndexD4737(0.84, 480, 540, 600), 50.00024348143792, 1e-12);
  // Each of the three strict orderings is required.
  EXPECT_EQ(Blend_CetaneIndexD4737(0.85, 500, 500, 600), kMissing);
  EXPECT_EQ(Blend_CetaneIndexD4737(0.85, 500, 600, 600), kMissing);
  EXPECT_EQ(Blend_CetaneIndexD4737(0.85, 600, 500, 550), kMissing);
  EXPECT_EQ(Blend_CetaneIndexD4737(0.85, kNaN, 500, 550), kMissing);
}

TEST(CetaneIndex, D976Forms) {
  // Independent transcriptions of the two-variable formulas.
  EXPECT_NEAR(Blend_CetaneIndexD976(35, 550), 49.269951475462, 1e-11);
  EXPECT_NEAR(Blend_CetaneIndexD976_2(0.85, 550), 49.26284872096096, 1e-11);
  EXPECT_NEAR(Blend_CetaneIndexD976_3(50, 400), 28.052783511696, 1e-11);
  // Below 0 F the gravity form rejects the temperature.
  EXPECT_EQ(Blend_CetaneIndexD976(35, qira_test::FtoK(-1)), kMissing);
  // The blending form needs 145 F < TF < 375 F strictly.
  EXPECT_EQ(Blend_CetaneIndexD976_3(50, qira_test::FtoK(145.0)), kMissing);
  EXPECT_EQ(Blend_CetaneIndexD976_3(50, qira_test::FtoK(375.0)), kMissing);
  EXPECT_NE(Blend_CetaneIndexD976_3(50, qira_test::FtoK(146.0)), kMissing);
  EXPECT_EQ(Blend_CetaneIndexD976_3(50, kNaN), kMissing);
}

TEST(ViscosityEstimates, ApiCorrelation) {
  double nu100 = 0, nu210 = 0;
  ASSERT_TRUE(Blend_APIVisc(11.8, 30, &nu100, &nu210));
  // Independent transcription of the two log10 correlations.
  EXPECT_NEAR(nu100, 8.58159835726934, 1e-12);
  EXPECT_NEAR(nu210, 2.4889782849950084, 1e-12);
  EXPECT_FALSE(Blend_APIVisc(11.8, 30, nullptr, &nu210));
}

TEST(ViscosityEstimates, TwuCorrelationAndCaps) {
  double nu100 = 0, nu210 = 0;
  ASSERT_TRUE(Blend_TwuVisc(850, 600, &nu100, &nu210));
  // Independent transcription of the Twu steps (reference term below the 2.5 cap).
  EXPECT_NEAR(nu100, 6.316839594150066, 1e-11);
  EXPECT_NEAR(nu210, 1.9099276384071258, 1e-11);

  // Tb = 1100 K: TbR capped at 1800 R (as Tb = 1000 K); its reference ln-viscosity 3.78
  // is capped at 2.5 for the 100 F value only.
  ASSERT_TRUE(Blend_TwuVisc(900, 1100, &nu100, &nu210));
  EXPECT_NEAR(nu100, 682.4737304346129, 1e-9);
  EXPECT_NEAR(nu210, 182.92124514125152, 1e-9);
  double capped100 = 0, capped210 = 0;
  ASSERT_TRUE(Blend_TwuVisc(900, 1000, &capped100, &capped210));
  EXPECT_EQ(nu100, capped100);
  EXPECT_EQ(nu210, capped210);

  // Densities above 1.394 x 997.9879 kg/m3 count as SG 1.394.
  double dense100 = 0, dense210 = 0;
  ASSERT_TRUE(Blend_TwuVisc(1500, 700, &nu100, &nu210));
  ASSERT_TRUE(Blend_TwuVisc(2500, 700, &dense100, &dense210));
  EXPECT_NEAR(nu100, 591.4689971870108, 1e-9);
  EXPECT_NEAR(nu210, 5.556961187928225, 1e-11);
  EXPECT_EQ(nu100, dense100);
  EXPECT_EQ(nu210, dense210);

  EXPECT_FALSE(Blend_TwuVisc(850, 600, &nu100, nullptr));
}

TEST(HealyBlend, InteractionTermsAndLinearFallback) {
  double ron = 0, mon = 0;
  // One component at x = 1: every variance and covariance term is zero.
  const double one[] = {1.0}, r1[] = {95.0}, m1[] = {85.0}, o1[] = {10.0}, a1[] = {30.0};
  ASSERT_TRUE(Healy_RONMON(one, 1, r1, m1, o1, a1, &ron, &mon));
  EXPECT_NEAR(ron, 95.0, 1e-12);
  EXPECT_NEAR(mon, 85.0, 1e-12);

  // Two components (independent transcription of the Healy sums).
  const double x[] = {0.6, 0.4}, r[] = {92, 98}, m[] = {82, 88}, o[] = {20, 0}, a[] = {25, 60};
  ASSERT_TRUE(Healy_RONMON(x, 2, r, m, o, a, &ron, &mon));
  EXPECT_NEAR(ron, 94.27652, 1e-11);
  EXPECT_NEAR(mon, 84.339235492, 1e-11);

  // A third component with MON above twice its RON switches to the linear blend ...
  const double x3[] = {0.5, 0.3, 0.2}, r3[] = {92, 98, 40}, m3[] = {82, 88, 81};
  const double o3[] = {20, 0, 0}, a3[] = {25, 60, 0};
  ASSERT_TRUE(Healy_RONMON(x3, 3, r3, m3, o3, a3, &ron, &mon));
  EXPECT_NEAR(ron, 0.5 * 92 + 0.3 * 98 + 0.2 * 40, 1e-12);
  EXPECT_NEAR(mon, 0.5 * 82 + 0.3 * 88 + 0.2 * 81, 1e-12);
  // ... but not when its fraction is zero.
  const double x0[] = {0.6, 0.4, 0.0};
  ASSERT_TRUE(Healy_RONMON(x0, 3, r3, m3, o3, a3, &ron, &mon));
  EXPECT_NEAR(ron, 94.27652, 1e-11);
  EXPECT_NEAR(mon, 84.339235492, 1e-11);
  // The lower bound of the band: MON below half the RON.
  const double mLow[] = {82, 48.9};
  ASSERT_TRUE(Healy_RONMON(x, 2, r, mLow, o, a, &ron, &mon));
  EXPECT_NEAR(ron, 0.6 * 92 + 0.4 * 98, 1e-12);
}

TEST(HealyBlend, EmptyAndNullArguments) {
  double ron = -1, mon = -1;
  ASSERT_TRUE(Healy_RONMON(nullptr, 0, nullptr, nullptr, nullptr, nullptr, &ron, &mon));
  EXPECT_EQ(ron, 0.0);
  EXPECT_EQ(mon, 0.0);
  const double v[] = {90.0};
  ron = mon = 7;
  EXPECT_FALSE(Healy_RONMON(v, 1, v, nullptr, v, v, &ron, &mon));
  EXPECT_FALSE(Healy_RONMON(v, 1, v, v, v, v, nullptr, &mon));
  EXPECT_EQ(ron, 7);
  EXPECT_EQ(mon, 7);
}

TEST(OctaneEstimates, MonClear) {
  EXPECT_EQ(MonClear(90, 0), 97.2);  // 0.83 * 90 + 22.5
  EXPECT_NEAR(MonClear(90, 10), 97.0, 1e-12);
}

TEST(OctaneEstimates, NormalisesContentsAndLimitsT50) {
  double c1 = 40, c2 = 40, c3 = 20;
  const double t[] = {60, 80, 100, 120, 150};
  // Contents already summing to 100 (independent transcription of the estimate).
  EXPECT_NEAR(estimate_octane(t, &c1, &c2, &c3), 73.808612, 1e-11);
  EXPECT_DOUBLE_EQ(c1 + c2 + c3, 100);

  // The same contents in other units normalise to the same percentages.
  c1 = 2, c2 = 2, c3 = 1;
  EXPECT_NEAR(estimate_octane(t, &c1, &c2, &c3), 73.808612, 1e-11);
  EXPECT_DOUBLE_EQ(c1, 40);
  EXPECT_DOUBLE_EQ(c3, 20);

  // A 50 % point of exactly 220 C is accepted; 220.5 C is not, after normalising.
  const double t220[] = {60, 80, 220, 120, 150};
  c1 = 40, c2 = 40, c3 = 20;
  EXPECT_NEAR(estimate_octane(t220, &c1, &c2, &c3), 67.84787599999999, 1e-11);
  const double tHot[] = {60, 80, 220.5, 120, 150};
  c1 = 4, c2 = 4, c3 = 2;
  EXPECT_EQ(estimate_octane(tHot, &c1, &c2, &c3), kMissing);
  EXPECT_DOUBLE_EQ(c1 + c2 + c3, 100);
  const double tMissing[] = {60, 80, kMissing, 120, 150};
  EXPECT_EQ(estimate_octane(tMissing, &c1, &c2, &c3), kMissing);
}

TEST(OctaneEstimates, UnusableContentsChangeNothing) {
  const double t[] = {60, 80, 100, 120, 150};
  double c1 = kMissing, c2 = 4, c3 = 2;
  EXPECT_EQ(estimate_octane(t, &c1, &c2, &c3), kMissing);
  EXPECT_EQ(c2, 4);
  // Contents summing to zero cannot be normalised.
  c1 = 0, c2 = 0, c3 = 0;
  EXPECT_EQ(estimate_octane(t, &c1, &c2, &c3), kMissing);
  EXPECT_EQ(c1, 0);
  c1 = 5, c2 = -5, c3 = 0;
  EXPECT_EQ(estimate_octane(t, &c1, &c2, &c3), kMissing);
  EXPECT_EQ(c1, 5);
  c1 = kNaN, c2 = 1, c3 = 1;
  EXPECT_EQ(estimate_octane(t, &c1, &c2, &c3), kMissing);
  EXPECT_EQ(c2, 1);
  EXPECT_EQ(estimate_octane(nullptr, &c1, &c2, &c3), kMissing);
  EXPECT_EQ(estimate_octane(t, &c1, nullptr, &c3), kMissing);
}
