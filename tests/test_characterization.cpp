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
