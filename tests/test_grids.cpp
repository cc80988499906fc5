// Curve sizes, yield grids and the end-point clamp, with default and changed settings.
#include <gtest/gtest.h>

#include <vector>

#include "QIRAGrids.h"
#include "QIRASettings.h"
#include "support/test_support.h"

namespace {
using Yields = std::vector<double>;
// The grids with the default IBP value 1.0 % and FBP value 99.999 %; the FBP yield is
// the value divided by 100 at the call, one unit in the last place off the literal 0.99999.
const double kFbp = 99.999 / 100;
const Yields kD86Nine = {0.01, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, kFbp};
const Yields kD86Seven = {0.01, 0.1, 0.3, 0.5, 0.7, 0.9, kFbp};
}  // namespace

TEST(Grids, DefaultGridsAndSizes) {
  qira_test::DefaultSettings guard;
  EXPECT_EQ(D86BaseSize(), 9);
  EXPECT_EQ(D86BaseSizeOption(), 9);
  EXPECT_EQ(D2887BaseSize(), 8);
  Yields y(9);
  D86ValidYields(y.data());
  EXPECT_EQ(y, kD86Nine);
  D86ValidYieldsOption(y.data());
  EXPECT_EQ(y, kD86Nine);
  Yields d2887(8);
  D2887ValidYields(d2887.data());
  EXPECT_EQ(d2887, (Yields{0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, kFbp}));
  Yields d1160(4);
  D1160ValidYields(d1160.data());
  EXPECT_EQ(d1160, (Yields{0.01, 0.1, 0.3, 0.5}));
  TBPValidYields(y.data());
  EXPECT_EQ(y, (Yields{0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0}));
}

TEST(Grids, SevenPointD86Method) {
  qira_test::DefaultSettings guard;
  SetD86Method(0);
  EXPECT_EQ(D86BaseSizeOption(), 7);
  EXPECT_EQ(D86BaseSize(), 9);
  Yields y(9, 7.0);
  D86ValidYieldsOption(y.data());
  EXPECT_EQ(Yields(y.begin(), y.begin() + 7), kD86Seven);
  EXPECT_EQ(y[7], 7.0);
  EXPECT_EQ(y[8], 7.0);
}

TEST(Grids, EndsFollowIbpAndFbpValues) {
  qira_test::DefaultSettings guard;
  SetIBPValue(0.5);
  SetFBPValue(98.0);
  Yields y(9);
  D86ValidYields(y.data());
  EXPECT_DOUBLE_EQ(y[0], 0.005);
  EXPECT_DOUBLE_EQ(y[8], 0.98);
  D1160ValidYields(y.data());
  EXPECT_DOUBLE_EQ(y[0], 0.005);
  D2887ValidYields(y.data());
  EXPECT_DOUBLE_EQ(y[0], 0.05) << "the D2887 grid has no IBP point";
  EXPECT_DOUBLE_EQ(y[7], 0.98);
  TBPValidYields(y.data());
  EXPECT_EQ(y[0], 0.0);
  EXPECT_EQ(y[8], 1.0);
}

TEST(CheckIBPFBP, ClampsOnlyTheEnds) {
  qira_test::DefaultSettings guard;
  Yields y = {0.001, 0.0001, 1.5, 1.0};
  CheckIBPFBP(y.data(), 4);
  EXPECT_EQ(y, (Yields{0.01, 0.0001, 1.5, kFbp})) << "inner yields are not looked at";

  SetIBPValue(0.5);
  Yields low = {0.001, 0.5}, inside = {0.02, 0.5};
  CheckIBPFBP(low.data(), 2);
  CheckIBPFBP(inside.data(), 2);
  EXPECT_DOUBLE_EQ(low[0], 0.005);
  EXPECT_EQ(inside[0], 0.02);

  Yields single = {1.2};  // one yield is both the first and the last
  CheckIBPFBP(single.data(), 1);
  EXPECT_EQ(single[0], kFbp);
}

TEST(GridsBadInput, NullOrEmptyWritesNothing) {
  qira_test::DefaultSettings guard;
  Yields y = {0.0, 2.0};
  CheckIBPFBP(y.data(), 0);
  CheckIBPFBP(y.data(), -3);
  CheckIBPFBP(nullptr, 2);
  EXPECT_EQ(y, (Yields{0.0, 2.0}));
  D86ValidYields(nullptr);
  D86ValidYieldsOption(nullptr);
  D2887ValidYields(nullptr);
  D1160ValidYields(nullptr);
  TBPValidYields(nullptr);
}

TEST(D1160BaseSize, CountsYieldsFromTheMidpointUp) {
  const Yields y = {0.1, 0.5, 0.7, 0.9};
  EXPECT_EQ(D1160BaseSize(4, y.data()), 7) << "0.5 itself counts";
  const Yields unsorted = {0.9, 0.2, 0.4999999, 0.6};
  EXPECT_EQ(D1160BaseSize(4, unsorted.data()), 6) << "0.4999999 is not above the bound";
  EXPECT_EQ(D1160BaseSize(4, nullptr), 4);
  EXPECT_EQ(D1160BaseSize(0, y.data()), 4);
  EXPECT_EQ(D1160BaseSize(-1, y.data()), 4);
}
