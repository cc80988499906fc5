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
