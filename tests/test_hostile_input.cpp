// Regression tests for inputs the fuzz targets found mishandled. Each test is named after
// what it protects; the crashing input itself is kept in fuzz/regressions/<target>/.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "QIRACurveFit.h"
#include "QIRALiquidProps.h"
#include "QIRASolvers.h"

namespace {

// x^3 + a x^2 + b x = 0 with coefficients so small that the discriminant h^2 + p^3
// underflows to exactly 0 while p > 0: the square root of -p used to give not-a-number
// roots. The roots are all (within rounding) 0.
TEST(HostileInput, CubicRootsStayFiniteWhenTheDiscriminantUnderflows) {
  const double coefficients[3] = {2.1411787520073738e-150, 5.5842353213110064e-222, 0.0};
  double roots[3] = {1, 1, 1};
  const int kind = SolveCubicEq(roots, coefficients);
  ASSERT_EQ(kind, 2);
  for (double r : roots) {
    ASSERT_TRUE(std::isfinite(r));
    EXPECT_LT(std::fabs(r), 1e-149);
  }
  // A true double root (x - 1)^2 (x + 2) = x^3 - 3x + 2 still takes the same branch.
  const double doubleRoot[3] = {0.0, -3.0, 2.0};
  ASSERT_EQ(SolveCubicEq(roots, doubleRoot), 2);
  EXPECT_NEAR(roots[0], -2.0, 1e-12);
  EXPECT_NEAR(roots[1], 1.0, 1e-12);
}

// A not-a-number starting guess or target TVP must not come back as a "converged" RVP:
// the guess used to pass through unchanged whenever the target was within the tolerance
// of the failed first evaluation's 0.0.
TEST(HostileInput, ReidIterationRefusesNotANumberGuessOrTarget) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  char report[QIRA_RVP_REPORT_CAPACITY];
  double r = nan;
  pc_Calc_API_5B1_1(0.0, &r, 3.0, 559.67, report, "naphtha");
  EXPECT_EQ(r, -32767.0);
  EXPECT_STREQ(report, "Phase: naphtha - API 5B1.1 Not Converged at 0 iterations.");

  r = 5.0;
  pc_Calc_API_5B1_1(nan, &r, 3.0, 559.67, report, "naphtha");
  EXPECT_EQ(r, -32767.0);
  EXPECT_STREQ(report, "Phase: naphtha - API 5B1.1 Not Converged at 0 iterations.");

  // A finite guess that already meets a zero target keeps the documented success path.
  r = 0.0;
  pc_Calc_API_5B1_1(0.0, &r, 3.0, 559.67, report, "naphtha");
  EXPECT_EQ(r, 0.0);
  EXPECT_NE(std::string(report).find("converged"), std::string::npos);
}

// Three abscissae within 1e-5 of each other (one degenerate point) but so close that the
// quadratic's denominators underflow to 0: the three-point value used to be 0/0.
TEST(HostileInput, ThreePointValueOfNearlyCoincidentAbscissaeIsANumber) {
  const double x[3] = {7.2911220195563975e-304, 0.0, 2.1219969292925203e-314};
  const double y[3] = {0.0, 0.0, 0.0};
  double out = 1.0;
  ASSERT_TRUE(Blend_lstsqr(x, y, 0.0, &out));
  EXPECT_EQ(out, 0.0);
  // Gaps that are small but do not underflow still reach the quadratic.
  const double near[3] = {1e-6, 0.0, 2e-6};
  const double rising[3] = {1.0, 0.0, 2.0};
  ASSERT_TRUE(Blend_lstsqr(near, rising, 0.0, &out));
  EXPECT_TRUE(std::isfinite(out));
}

}  // namespace
