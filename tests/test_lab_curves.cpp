// Extrapolation correction, mid-cut boiling points, laboratory-curve cutting, NBP range
// fractions and yield cuts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "QIRALabCurves.h"
#include "support/test_support.h"

namespace {

const double kMiss = -32767.0;
using Curve = std::vector<double>;

// ---- Extrapolation correction --------------------------------------------------------

TEST(ExtrapolationCorrection, EachEndIsCompressedOntoItsBound) {
  // Front below lo: anchor 10, span 20, clearance 10, r = 0.5 (hand calculation).
  Curve c{-10, 0, 10, 20, 30};
  CorrectExtrapolation(c.data(), 2, 4, 5, 0.0, kMiss);
  EXPECT_EQ(c, (Curve{0, 5, 10, 20, 30}));

  // Front above hi: anchor 10, span 30, clearance 15, r = 0.5.
  c = {40, 25, 10, 5};
  CorrectExtrapolation(c.data(), 2, 3, 4, kMiss, 25.0);
  EXPECT_EQ(c, (Curve{25, 17.5, 10, 5}));

  // Back below lo: anchor 10, span 20, clearance 10, r = 0.5.
  c = {30, 10, 0, -10};
  CorrectExtrapolation(c.data(), 0, 1, 4, 0.0, kMiss);
  EXPECT_EQ(c, (Curve{30, 10, 5, 0}));

  // Both ends, front first: front r = 0.5; back anchor 20, span 30, clearance 10.
  c = {-10, 10, 20, 35, 50};
  CorrectExtrapolation(c.data(), 1, 2, 5, 0.0, 30.0);
  EXPECT_EQ(c[0], 0.0);
  EXPECT_EQ(c[1], 10.0);
  EXPECT_EQ(c[2], 20.0);
  EXPECT_NEAR(c[3], 25.0, 1e-12);
  EXPECT_NEAR(c[4], 30.0, 1e-12);
}

TEST(ExtrapolationCorrection, GuardStopsLaterCorrections) {
  // Front below lo = 0 with its anchor (-5) below lo too: the call ends at once and the
  // back end, above hi, stays as it was.
  Curve c{-10, -5, 20, 50};
  CorrectExtrapolation(c.data(), 1, 2, 4, 0.0, 30.0);
  EXPECT_EQ(c, (Curve{-10, -5, 20, 50}));

  // No bounds: nothing changes.
  c = {-10, 0, 10, 99};
  CorrectExtrapolation(c.data(), 1, 2, 4, kMiss, kMiss);
  Blend_CorrectUserCurveOverExtrapolation(c.data(), 1, 2, 4, kMiss, kMiss);
  EXPECT_EQ(c, (Curve{-10, 0, 10, 99}));
}

TEST(ExtrapolationCorrection, UserCurveLiftsZeroAnchor) {
  // Measured first value 0 with lo = 0: the plain form stops (clearance 0), the
  // user-curve form lifts the anchor to 1.1e-6 and compresses the front onto zero.
  Curve plain{-4, 0, 5, 10};
  CorrectExtrapolation(plain.data(), 1, 3, 4, 0.0, kMiss);
  EXPECT_EQ(plain, (Curve{-4, 0, 5, 10}));

  Curve user{-4, 0, 5, 10};
  Blend_CorrectUserCurveOverExtrapolation(user.data(), 1, 3, 4, 0.0, kMiss);
  EXPECT_EQ(user[1], 1.1e-6);
  EXPECT_NEAR(user[0], 0.0, 1e-15);
  EXPECT_EQ(user[2], 5.0);
}

TEST(ExtrapolationCorrection, NoMeasuredPointClampsAllButLast) {
  Curve c{-5, 50, 15, 100};
  CorrectExtrapolation(c.data(), 3, 0, 4, 0.0, 30.0);
  EXPECT_EQ(c, (Curve{0, 30, 15, 100}));
  Curve one{-5};
  CorrectExtrapolation(one.data(), 1, 0, 1, 0.0, 30.0);
  EXPECT_EQ(one[0], -5.0);
}

TEST(ExtrapolationCorrection, BadArgumentsTouchNothing) {
  CorrectExtrapolation(nullptr, 0, 1, 2, 0.0, 1.0);
  Blend_CorrectUserCurveOverExtrapolation(nullptr, 0, 1, 2, 0.0, 1.0);
  Curve c{-10, 0, 10, 99};
  const Curve before = c;
  CorrectExtrapolation(c.data(), 1, 2, 0, 0.0, 30.0);              // n below 1
  CorrectExtrapolation(c.data(), -1, 2, 4, 0.0, 30.0);             // index below 0
  CorrectExtrapolation(c.data(), 1, 4, 4, 0.0, 30.0);              // index beyond n
  Blend_CorrectUserCurveOverExtrapolation(c.data(), 5, 2, 4, 0.0, 30.0);
  EXPECT_EQ(c, before);
  // A not-a-number anchor ends the call instead of spreading into the end.
  Curve nan{-10, std::nan(""), 10, 20};
  CorrectExtrapolation(nan.data(), 1, 3, 4, 0.0, kMiss);
  EXPECT_EQ(nan[0], -10.0);
}

}  // namespace
