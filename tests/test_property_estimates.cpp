// Closed-form property estimates. Expected values without a comment of their own come
// from an independent transcription of the correlations (hand calculation).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "QIRAEstimates.h"

namespace {
constexpr double kMissing = -32767.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(SulphurEstimate, FormSwitchesAtMolecularWeight200) {
  double s = -1;
  ASSERT_TRUE(Blend_EstatimateBulkSulphurByRiazi(1.0, 150, 850, &s));
  EXPECT_NEAR(s, 6.5020000000000095, 1e-12);
  ASSERT_TRUE(Blend_EstatimateBulkSulphurByRiazi(3.0, 200, 900, &s));
  EXPECT_NEAR(s, 77.56491405, 1e-11) << "M = 200 takes the heavy form";
  // The light form goes negative at x = 1.5 and is written as 0.0.
  ASSERT_TRUE(Blend_EstatimateBulkSulphurByRiazi(1.5, 199.9, 900, &s));
  EXPECT_EQ(s, 0.0);
  EXPECT_FALSE(Blend_EstatimateBulkSulphurByRiazi(1.0, 150, 850, nullptr));
}

TEST(ResidueEstimates, AsphaltenesCarbonResidueSofteningPoint) {
  EXPECT_EQ(Blend_EstimateC5asphaltenes(0), 0.0);
  EXPECT_EQ(Blend_EstimateC5asphaltenes(-1), kMissing);
  EXPECT_EQ(Blend_EstimateC5asphaltenes(kNaN), kMissing);
  EXPECT_NEAR(Blend_EstimateC5asphaltenes(10), 1.272 + 7.4195, 1e-12);

  EXPECT_EQ(Blend_EstimateCCR(0), 0.0);
  EXPECT_EQ(Blend_EstimateCCR(-1), 0.0);
  EXPECT_EQ(Blend_EstimateCCR(0.5), 0.0) << "148.7 - 173.92 is clamped";
  EXPECT_NEAR(Blend_EstimateCCR(2), 148.7 - 43.48, 1e-12);

  EXPECT_EQ(Blend_EstimateSofteningPoint(kMissing), kMissing);
  EXPECT_NEAR(Blend_EstimateSofteningPoint(200), 45.0044, 1e-12);
  // With the coefficients 0.036000000000000004 and 1.7739999999999999e-6 the value at
  // 1000 is 320.7420000000002; with 0.036 and 1.774e-6 it would be 320.74199999999996.
  EXPECT_EQ(Blend_EstimateSofteningPoint(1000), 320.7420000000002);
}

TEST(CloudPointEstimate, WritesMissingBelowAbsoluteZero) {
  double cp = 0;
  ASSERT_TRUE(Blend_EstimateCloudPt(300, 0.85, &cp));
  EXPECT_NEAR(cp, -3.3542735956116303, 1e-11);
  cp = 0;
  EXPECT_FALSE(Blend_EstimateCloudPt(-273.15, 0.85, &cp));
  EXPECT_EQ(cp, kMissing);
  cp = 0;
  EXPECT_FALSE(Blend_EstimateCloudPt(-300, 0.85, &cp));
  EXPECT_EQ(cp, kMissing);
  EXPECT_FALSE(Blend_EstimateCloudPt(kNaN, 0.85, &cp));
  EXPECT_EQ(cp, kMissing);
  EXPECT_FALSE(Blend_EstimateCloudPt(300, 0.85, nullptr));
}

TEST(RingContents, NdmBothBranches) {
  double r1 = 0, r2 = 0;
  // v > 0 and w > 0.
  ASSERT_TRUE(Blend_EstimateNaphthenicByNDM(12345, 300, 900, 1.0, 350, &r1, &r2));
  EXPECT_NEAR(r1, 25.2505755817357, 1e-10);
  EXPECT_NEAR(r2, 79.03954333539363, 1e-10);
  // v < 0 and w < 0: no aromatic ring carbon, so R2 = 0.
  ASSERT_TRUE(Blend_EstimateNaphthenicByNDM(0, 200, 780, 0.1, 200, &r1, &r2));
  EXPECT_NEAR(r1, 37.45275568789545, 1e-10);
  EXPECT_EQ(r2, 0.0);
  // The first argument is not read.
  double s1 = 0, s2 = 0;
  ASSERT_TRUE(Blend_EstimateNaphthenicByNDM(kNaN, 250, 860, 0.5, 300, &s1, &s2));
  EXPECT_NEAR(s1, 41.64094535139995, 1e-10);
  EXPECT_NEAR(s2, 50.23146256099427, 1e-10);
  EXPECT_FALSE(Blend_EstimateNaphthenicByNDM(0, 250, 860, 0.5, 300, &s1, nullptr));
}

TEST(PnaSplit, NormalisedToOneHundred) {
  double p = 0, n = 0, a = 0;
  ASSERT_TRUE(Blend_EstimatePNAbyRiaziRoomi(3.0, 850, &p, &n, &a));
  EXPECT_NEAR(p, 33.319000000000024, 1e-11);
  EXPECT_NEAR(n, 35.529093999999986, 1e-11);
  EXPECT_NEAR(a, 31.151905999999997, 1e-11);
  // A light fraction: P clamped at 100 leaves N = A = 0.
  ASSERT_TRUE(Blend_EstimatePNAbyRiaziRoomi(5.0, 600, &p, &n, &a));
  EXPECT_EQ(p, 100.0);
  EXPECT_EQ(n, 0.0);
  EXPECT_EQ(a, 0.0);
  // A negative naphthene estimate splits the rest evenly.
  ASSERT_TRUE(Blend_EstimatePNAbyRiaziRoomi(-60.0, 700, &p, &n, &a));
  EXPECT_EQ(n, a);
  for (double x : {-20.0, 0.0, 4.0, 12.0}) {
    for (double rho : {650.0, 750.0, 850.0, 950.0, 1050.0}) {
      ASSERT_TRUE(Blend_EstimatePNAbyRiaziRoomi(x, rho, &p, &n, &a));
      EXPECT_NEAR(p + n + a, 100.0, 1e-10) << x << " " << rho;
      EXPECT_GE(std::min(p, std::min(n, a)), 0.0);
    }
  }
  EXPECT_FALSE(Blend_EstimatePNAbyRiaziRoomi(3.0, 850, &p, nullptr, &a));
}

TEST(HeavyEnds, CarbonHydrogenRatioAndPourPoint) {
  double v = 0;
  ASSERT_TRUE(Blend_estimateCtoHRatio(600, 0.88, &v));
  EXPECT_NEAR(v, 7.880895026214848, 1e-11);
  ASSERT_TRUE(Blend_estimatePourPointRiazi(10, 0.88, 350, &v));
  EXPECT_NEAR(v, 294.7146857948773, 1e-9);
  // At SG 1.3 both exponents fall below 0.001 and are held there.
  ASSERT_TRUE(Blend_estimatePourPointRiazi(10, 1.3, 350, &v));
  EXPECT_NEAR(v, 286.7681923290617, 1e-9);
  EXPECT_NEAR(v, 130.47 * std::pow(1.3, 2.970566) * std::pow(350, 0.001) * std::pow(10, 0.001),
              1e-9);
  EXPECT_FALSE(Blend_estimateCtoHRatio(600, 0.88, nullptr));
  EXPECT_FALSE(Blend_estimatePourPointRiazi(10, 0.88, 350, nullptr));
}

TEST(RefractiveIndex, FormsAndMissingInput) {
  EXPECT_NEAR(EstimateRefractIdx(600, 880, 300), 1.4881773203491944, 1e-12);
  EXPECT_NEAR(EstimateRefractIdx(600, 880, 300.0001), 1.4772099593503223, 1e-12)
      << "any M above 300 takes the heavy form";
  EXPECT_EQ(EstimateRefractIdx(kMissing, 880, 300), kMissing);
  EXPECT_EQ(EstimateRefractIdx(600, kMissing, 300), kMissing);
  EXPECT_EQ(EstimateRefractIdx(600, 880, kMissing), kMissing);
}
