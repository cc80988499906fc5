// Index blending of flash, pour, cloud, freeze, aniline and smoke points, Reid vapour
// pressure and viscosity.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "QIRAIndices.h"

namespace {
constexpr double kMissing = -32767.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using MixFn = double (*)(const double*, const double*, int);
const MixFn kAllMixes[] = {CloudPointMix1, CloudPointMix2, FlashPointMix1,    PourPointMix1,
                           PourPointMix2,  RVPMix1,        Blend_SmokePointMix1, Blend_FreezePoint};
}  // namespace

TEST(MixArguments, EmptyOrNullInputIsMissing) {
  const double f[] = {1.0};
  const double v[] = {300.0};
  for (MixFn mix : kAllMixes) {
    EXPECT_EQ(mix(f, v, 0), kMissing);
    EXPECT_EQ(mix(f, v, -3), kMissing);
    EXPECT_EQ(mix(nullptr, v, 1), kMissing);
    EXPECT_EQ(mix(f, nullptr, 1), kMissing);
    EXPECT_NE(mix(f, v, 1), kMissing);
  }
}

TEST(IndexExponents, QuotientsAreTheNearestDoubles) {
  // 1/0.55, -1/0.6 and 1/0.06 as the doubles 1.8181818181818181, -1.6666666666666667 and
  // 16.666666666666668, applied to the Rankine temperature 1.8 T.
  EXPECT_EQ(CloudPointIndex1(250), std::pow(450.0, 1.8181818181818181));
  EXPECT_EQ(FlashPointIndex1(250), std::pow(450.0, -1.6666666666666667));
  EXPECT_EQ(CloudPointIndex2(250), std::pow(450.0, 16.666666666666668));
}

TEST(IndexInverses, RoundTripToTheProperty) {
  EXPECT_NEAR(CloudPointFromIndex1Mix(CloudPointIndex1(250)), 250, 1e-10);
  EXPECT_NEAR(CloudPointFromIndex2Mix(CloudPointIndex2(250)), 250, 1e-10);
  EXPECT_NEAR(FlashPointFromIndex1Mix(FlashPointIndex1(320)), 320, 1e-10);
  EXPECT_NEAR(FlashPointFromIndex2Mix(FlashPointIndex2(140)), 140, 1e-10);
  EXPECT_NEAR(FlashPointFromIndexWickeyMix(FlashPointIndexWickey(60)), 60, 1e-10);
  EXPECT_NEAR(FreezePointFromIndex1Mix(FreezePointIndex1(-47)), -47, 1e-10);
  EXPECT_NEAR(PourPointFromIndex1Mix(PourPointIndex1(260)), 260, 1e-9);
  EXPECT_NEAR(RVPFromIndex1Mix(RVPIndex1(55)), 55, 1e-10);
  EXPECT_NEAR(AnilinePointFromIndex1Mix(AnilinePointIndex1(70)), 70, 1e-10);
  EXPECT_NEAR(Blend_ViscosityFromIndex1Mix(Blend_ViscosityIndex1(10)), 10, 1e-10);
  EXPECT_NEAR(Blend_ViscosityFromIndex2Mix(Blend_ViscosityIndex2(10)), 10, 1e-10);
  // Flash point index 2 in F: 10^(4345.2/483 - 6.1188) at 100 F (hand calculation).
  EXPECT_DOUBLE_EQ(FlashPointIndex2(100), std::pow(10.0, 4345.2 / 483.0 - 6.1188));
}

TEST(IndexDomains, PourAndViscosityThresholds) {
  EXPECT_EQ(PourPointIndex1(0), kMissing);
  EXPECT_EQ(PourPointIndex1(1e-30), kMissing) << "strict test T > 1e-30";
  EXPECT_EQ(PourPointIndex1(kNaN), kMissing);
  // nu + 0.08 = 1 and nu + 0.8 = 1: the inner logarithm is 0.
  EXPECT_EQ(Blend_ViscosityIndex1(0.92), kMissing);
  EXPECT_EQ(Blend_ViscosityIndex2(0.2), kMissing);
  EXPECT_EQ(Blend_ViscosityIndex1(-0.5), kMissing);
  EXPECT_EQ(Blend_ViscosityIndex2(-0.79999), kMissing);
  // An inner logarithm of about 4.3e-7 lies between the two thresholds 1e-8 and 1e-5.
  EXPECT_EQ(Blend_ViscosityIndex1(0.920001), kMissing);
  EXPECT_NE(Blend_ViscosityIndex2(0.200001), kMissing);
}

TEST(CloudPointMix, FractionsAreNotNormalised) {
  const double one[] = {1.0}, half[] = {0.5}, t[] = {250.0};
  EXPECT_NEAR(CloudPointMix1(one, t, 1), 250, 1e-10);
  EXPECT_NEAR(CloudPointMix1(half, t, 1), 250 * std::pow(0.5, 0.55), 1e-10);
  // Two components 225 K and 300 K at 0.5 each (hand calculation).
  const double f2[] = {0.5, 0.5}, t2[] = {225.0, 300.0};
  EXPECT_NEAR(CloudPointMix1(f2, t2, 2), 264.6849270172653, 1e-10);
  // A negative cloud point is skipped with its fraction.
  const double t3[] = {-5.0, 250.0};
  EXPECT_NEAR(CloudPointMix1(f2, t3, 2), 250 * std::pow(0.5, 0.55), 1e-10);
}

TEST(CloudPointMix, Index2HasTheLargerThreshold) {
  // At 0.3 K, index 2 is 0.54^16.67 = 3.5e-5, not above 0.0001; index 1 is 0.33.
  const double f[] = {1.0}, t[] = {0.3};
  EXPECT_EQ(CloudPointMix2(f, t, 1), kMissing);
  EXPECT_NEAR(CloudPointMix1(f, t, 1), 0.3, 1e-12);
  const double warm[] = {250.0};
  EXPECT_NEAR(CloudPointMix2(f, warm, 1), 250, 1e-9);
}

TEST(FlashPointMix, SkipsNearZeroFlashPoints) {
  const double f[] = {0.5, 0.5}, t[] = {0.0005, 300.0};
  // Only the 300 K component counts: (0.5 * 540^(-1/0.6))^(-0.6) / 1.8.
  EXPECT_NEAR(FlashPointMix1(f, t, 2), 300 * std::pow(0.5, -0.6), 1e-9);
  const double cold[] = {0.0005, 0.0};
  EXPECT_EQ(FlashPointMix1(f, cold, 2), kMissing);
}

TEST(PourPointMix, KelvinResultFromEitherIndex) {
  const double one[] = {1.0}, t[] = {250.0};
  EXPECT_NEAR(PourPointMix1(one, t, 1), 250, 1e-9);
  EXPECT_NEAR(PourPointMix2(one, t, 1), 250, 1e-9);
  // 250 K and 300 K at 0.5 each on the Fahrenheit index exp(0.03 TF) (hand calculation).
  const double f[] = {0.5, 0.5}, t2[] = {250.0, 300.0};
  EXPECT_NEAR(PourPointMix2(f, t2, 2), 288.36845150401194, 1e-9);
  // Below 1 K a component is skipped.
  const double t3[] = {0.5, 250.0};
  EXPECT_NEAR(PourPointMix2(one, t3, 1), kMissing, 0);
  EXPECT_NEAR(PourPointMix2(f, t3, 2), (std::log(0.5) / 0.03) / 1.8 + 250, 1e-9);
}

TEST(RvpAndSmokeMix, HandCalculations) {
  const double f[] = {0.4, 0.6}, rvp[] = {50.0, 80.0};
  // ((0.4 (0.145*50)^1.25 + 0.6 (0.145*80)^1.25)^0.8) / 0.145.
  EXPECT_NEAR(RVPMix1(f, rvp, 2), 68.40815071134888, 1e-10);
  const double half[] = {0.5, 0.5}, sp[] = {20.0, 30.0};
  // 1 / (0.5/20 + 0.5/30) = 24 mm.
  EXPECT_NEAR(Blend_SmokePointMix1(half, sp, 2), 24.0, 1e-12);
  const double noSmoke[] = {0.0, 1e-7};
  EXPECT_EQ(Blend_SmokePointMix1(half, noSmoke, 2), kMissing);
}

TEST(FreezePointBlend, ExtremesRule) {
  const double one[] = {0.7}, t1[] = {-47.0};
  EXPECT_EQ(Blend_FreezePoint(one, t1, 1), -47.0);
  // The higher freeze point belongs to the 0.125 component: Tmin + (Tmax - Tmin) * 0.5.
  const double f[] = {0.875, 0.125}, t[] = {-50.0, -40.0};
  EXPECT_NEAR(Blend_FreezePoint(f, t, 2), -45.0, 1e-12);
  // A fraction of 0.0001 or less does not count, even with the highest freeze point.
  const double fSmall[] = {0.9999, 0.0001}, tSmall[] = {-50.0, 0.0};
  EXPECT_EQ(Blend_FreezePoint(fSmall, tSmall, 2), -50.0);
  // Ties on the highest freeze point keep the earlier component's fraction.
  const double fTie[] = {0.2, 0.3, 0.5}, tTie[] = {-30.0, -10.0, -10.0};
  EXPECT_DOUBLE_EQ(Blend_FreezePoint(fTie, tTie, 3), -30.0 + 20.0 * std::pow(0.3, 1.0 / 3));
  // A missing freeze point is skipped; nothing usable gives the marker.
  const double fm[] = {0.5, 0.5}, tm[] = {kMissing, -40.0};
  EXPECT_EQ(Blend_FreezePoint(fm, tm, 2), -40.0);
  const double tAllMissing[] = {kMissing, kMissing};
  EXPECT_EQ(Blend_FreezePoint(fm, tAllMissing, 2), kMissing);
  const double fNone[] = {0.0001, 0.0};
  EXPECT_EQ(Blend_FreezePoint(fNone, t, 2), kMissing);
  // The start values bound the range: a lone 1300 at 0.125 gives 1200 + 100 * 0.5.
  const double fHot[] = {0.125}, tHot[] = {1300.0};
  EXPECT_NEAR(Blend_FreezePoint(fHot, tHot, 1), 1250.0, 1e-9);
}
