// Conversion settings and the power-law conversion segment.
#include <gtest/gtest.h>

#include <cmath>

#include "QIRASettings.h"
#include "frame/segment.h"
#include "frame/settings.h"
#include "support/test_support.h"

using qira::ConversionSegment;
using qira::FromTbpDifference;
using qira::ToTbpDifference;

TEST(Settings, DefaultsAndSetters) {
  // Nothing in this process changed a setting yet: these are the load-time defaults.
  EXPECT_EQ(GetD86Setting(), 1);
  EXPECT_DOUBLE_EQ(qira::settings().ibpValue, 1.0);
  EXPECT_DOUBLE_EQ(qira::settings().fbpValue, 99.999);
  EXPECT_EQ(qira::settings().d2887Option, 0);
  EXPECT_EQ(qira::settings().distCurFitOption, 0);
  EXPECT_TRUE(qira::settings().constrainRange);

  qira_test::DefaultSettings guard;
  SetD86Method(0);
  EXPECT_EQ(GetD86Setting(), 0);
  SetOptions(0.5, 99.0, 1, 2);
  EXPECT_EQ(GetD86Setting(), 0) << "SetOptions keeps the D86 method";
  EXPECT_DOUBLE_EQ(qira::ibpYield(), 0.005);
  EXPECT_DOUBLE_EQ(qira::fbpYield(), 0.99);
  EXPECT_EQ(qira::settings().d2887Option, 1);
  EXPECT_EQ(qira::settings().distCurFitOption, 2);
  SetOptionsNew(1.0, 99.999, 0, 0, 7);
  EXPECT_EQ(GetD86Setting(), 7) << "stored unchanged, not checked";
}

// API 3A1.1 segment 10 % to 30 %.
const ConversionSegment k10to30{4.9004, 0.71644, 250};

TEST(Segment, PiecewiseExtensionBeyondLimit) {
  qira_test::DefaultSettings guard;
  const double a = 4.9004, b = 0.71644;
  EXPECT_DOUBLE_EQ(ToTbpDifference(k10to30, 600),
                   a * std::pow(100.0, b) + 2 * a * std::pow(250.0, b));
  EXPECT_DOUBLE_EQ(ToTbpDifference(k10to30, 250), a * std::pow(250.0, b))
      << "the limit itself uses the plain law (strict test)";
  ShouldConstrainConversionRange(false);
  EXPECT_DOUBLE_EQ(ToTbpDifference(k10to30, 600), a * std::pow(600.0, b));
  EXPECT_DOUBLE_EQ(FromTbpDifference(k10to30, 500), std::pow(500 / a, 1.0 / b));
}

TEST(Segment, InverseRoundTripBothFlagSettings) {
  qira_test::DefaultSettings guard;
  for (bool constrain : {true, false}) {
    ShouldConstrainConversionRange(constrain);
    for (double d : {0.0, 1.0, 37.5, 249.9, 250.0, 250.1, 600.0, 1234.5, 9000.0}) {
      double t = ToTbpDifference(k10to30, d);
      EXPECT_NEAR(FromTbpDifference(k10to30, t), d, 1e-9 * (1 + d))
          << "d=" << d << " constrain=" << constrain;
    }
  }
}

TEST(Segment, HugeAndNonFiniteDifferencesDoNotOverflow) {
  qira_test::DefaultSettings guard;
  // The whole-limit count saturates instead of overflowing a 32-bit integer.
  EXPECT_FALSE(std::isnan(ToTbpDifference(k10to30, 1e300)));
  EXPECT_TRUE(std::isnan(ToTbpDifference(k10to30, std::nan(""))));
  EXPECT_TRUE(std::isnan(FromTbpDifference(k10to30, std::nan(""))));
}

TEST(Segment, NegativeLimitDoesNotOverflowTheWholeLimitCount) {
  qira_test::DefaultSettings guard;
  // A nonsensical segment (negative limit) gives a huge negative quotient d / limit.
  const ConversionSegment bad{4.9004, 0.71644, -1e-300};
  double t = ToTbpDifference(bad, 10.0);
  (void)t;  // any value; the point is that the count saturates instead of overflowing
  SUCCEED();
}
