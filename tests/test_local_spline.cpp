// Simple_spline, Blend_lstsqr and Blend_Linear: exact values on small tables worked by
// hand, the guards, and a seeded property test on random monotone tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "QIRACurveFit.h"
#include "support/test_support.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SimpleSpline, KnotsFlatBracketsAndStraightLines) {
  const double x[] = {1, 2, 4, 7, 11};
  const double y[] = {4, 7, 13, 22, 34};  // y = 3x + 1
  const double q[] = {1, 1.5, 2, 3.3, 4, 5.9, 7, 10.2, 11};
  double out[9];
  ASSERT_TRUE(Simple_spline(5, x, y, 9, q, out));
  for (int j = 0; j < 9; ++j) EXPECT_NEAR(out[j], 3 * q[j] + 1, 1e-12) << q[j];
  // A query on a knot returns its ordinate exactly.
  EXPECT_EQ(out[0], 4);
  EXPECT_EQ(out[4], 13);
  EXPECT_EQ(out[8], 34);

  // |y0 - y1| / 100.0005 = 5e-6 < 1e-5: the bracket is flat and gives y0.
  const double fy[] = {90, 100, 100.0005, 130, 150};
  const double fq[] = {2.5, 3.9};
  double fo[2];
  ASSERT_TRUE(Simple_spline(5, x, fy, 2, fq, fo));
  EXPECT_EQ(fo[0], 100);
  EXPECT_EQ(fo[1], 100);
}

TEST(SimpleSpline, PolynomialChoice) {
  // n = 3, y = x^2: r1 = 1/3 and r2 = 10, so the quadratic serves; at 1.8 it gives 3.24,
  // test = (2.24 / 2.4) * (3.24 / 3.4) = 0.889 keeps it.
  const double x3[] = {0, 1, 2}, y3[] = {0, 1, 4};
  const double q3[] = {0.5, 1.8};
  double o3[2];
  ASSERT_TRUE(Simple_spline(3, x3, y3, 2, q3, o3));
  // At 0.5 the quadratic 0.25 fails the overshoot test (0.5 * 0.5 < 0.75): the chord 0.5.
  EXPECT_DOUBLE_EQ(o3[0], 0.5);
  EXPECT_NEAR(o3[1], 3.24, 1e-12);

  // y = 100 + x^3: ratios 7/19 and 19/37 are in range, so the cubic on knots 1..4 is
  // exact: 115.625 at 2.5 (test 0.803 * 115.625 / 117.5 = 0.79 keeps it).
  const double x5[] = {0, 1, 2, 3, 4}, y5[] = {100, 101, 108, 127, 164};
  const double q5[] = {2.5};
  double o5[1];
  ASSERT_TRUE(Simple_spline(5, x5, y5, 1, q5, o5));
  EXPECT_NEAR(o5[0], 115.625, 1e-12);
}

TEST(SimpleSpline, ChordFallbackCanFallBelowThePreviousQuery) {
  // The guards compare with the previous result only before falling back to the chord,
  // and the chord here lies below it: the reversal that Blend_spline repairs.
  const double x[] = {5, 94, 104, 108, 141};
  const double y[] = {494.64, 544.33, 655.41, 710.04, 796.80};
  const double q[] = {45.237, 54.317};
  double out[2];
  ASSERT_TRUE(Simple_spline(5, x, y, 2, q, out));
  EXPECT_NEAR(out[0], 524.49, 0.01);
  EXPECT_NEAR(out[1], 522.17, 0.01);
}

TEST(SimpleSpline, ExtrapolatesThroughTheEndPoints) {
  // 1, 2, 3 -> 10, 20, 30 at 0.5: the quadratic is the line, r = 0, the line gives 5.
  const double x[] = {1, 2, 3}, y[] = {10, 20, 30};
  const double q[] = {0.5, 4};
  double out[2];
  ASSERT_TRUE(Simple_spline(3, x, y, 2, q, out));
  EXPECT_DOUBLE_EQ(out[0], 5);
  EXPECT_DOUBLE_EQ(out[1], 40);
  double v = 0;
  ASSERT_TRUE(Blend_lstsqr(x, y, 0.5, &v));
  EXPECT_DOUBLE_EQ(v, 5);
}

TEST(SimpleSpline, RejectsWhatItCannotPlace) {
  const double x[] = {1, 2, 3}, y[] = {10, 20, 30};
  const double q[] = {1.5, kNaN, 2.5};
  double out[3] = {-1, -1, -1};
  EXPECT_FALSE(Simple_spline(2, x, y, 3, q, out));
  EXPECT_EQ(out[0], -1);  // n < 3 writes nothing
  EXPECT_FALSE(Simple_spline(3, nullptr, y, 3, q, out));
  EXPECT_FALSE(Simple_spline(3, x, y, 3, nullptr, out));
  EXPECT_TRUE(Simple_spline(3, x, y, 0, nullptr, nullptr));
  // The not-a-number query stops the call; the earlier result stays, the later is untouched.
  EXPECT_FALSE(Simple_spline(3, x, y, 3, q, out));
  EXPECT_DOUBLE_EQ(out[0], 15);
  EXPECT_EQ(out[2], -1);
  // A not-a-number abscissa leaves a gap inside the table that no interval brackets.
  const double bx[] = {1, kNaN, 3}, by[] = {1, 2, 3};
  const double bq[] = {2};
  EXPECT_FALSE(Simple_spline(3, bx, by, 1, bq, out));
}

TEST(SimpleSpline, SeededMonotoneTablesStayInsideTheirBrackets) {
  std::mt19937 gen(20261206);
  std::uniform_real_distribution<double> u(0, 1);
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 3 + static_cast<int>(gen() % 8), m = 1 + static_cast<int>(gen() % 12);
    const double sign = trial % 2 ? 1 : -1;
    std::vector<double> x(n), y(n), q(m), out(m);
    double xs = u(gen) * 100, ys = u(gen) * 1000;
    for (int i = 0; i < n; ++i) {
      xs += 0.01 + u(gen) * 50;
      ys += sign * u(gen) * u(gen) * 200;
      x[i] = xs;
      y[i] = ys;
    }
    for (double& v : q) v = x[0] + u(gen) * (x[n - 1] - x[0]);
    std::sort(q.begin(), q.end());
    ASSERT_TRUE(Simple_spline(n, x.data(), y.data(), m, q.data(), out.data()));
    for (int j = 0; j < m; ++j) {
      int k = 0;
      while (!(x[k] <= q[j] && q[j] <= x[k + 1])) ++k;
      EXPECT_GE(out[j], std::min(y[k], y[k + 1])) << trial;
      EXPECT_LE(out[j], std::max(y[k], y[k + 1])) << trial;
    }
  }
}

TEST(BlendLstsqr, DegenerateAbscissaeAndTheLinearReference) {
  double v = 0;
  // All three abscissae within 1e-5: y[0].
  const double cx[] = {2, 2 + 4e-6, 2 - 3e-6}, cy[] = {7, 9, 11};
  ASSERT_TRUE(Blend_lstsqr(cx, cy, 5, &v));
  EXPECT_EQ(v, 7);
  // x0 = x1: the line through points 0 and 2, 10 - 20 * (4 - 1) / (1 - 3) = 40.
  const double ax[] = {1, 1, 3}, ay[] = {10, 12, 30};
  ASSERT_TRUE(Blend_lstsqr(ax, ay, 4, &v));
  EXPECT_DOUBLE_EQ(v, 40);
  // x0 = x2: the line through points 0 and 1, 10 - 5 * (0 - 1) / (1 - 2) = 5.
  const double bx[] = {1, 2, 1}, by[] = {10, 15, 99};
  ASSERT_TRUE(Blend_lstsqr(bx, by, 0, &v));
  EXPECT_DOUBLE_EQ(v, 5);
  // Coincident abscissae whose degenerate value is exactly 0 give that 0, not the
  // quadratic's division by zero.
  const double zx[] = {3, 3, 3}, zy[] = {0, 5, 6};
  ASSERT_TRUE(Blend_lstsqr(zx, zy, 1, &v));
  EXPECT_EQ(v, 0);

  // Beyond the right end of 0, 1, 2 -> 100, 101, 110 the quadratic 100 - 3x + 4x^2
  // is kept at 8 (332 against the line's 164: r = 1.02) and refused at 10
  // (470 against 182: r = 1.58); at 5 it is refused too (r = 0.35).
  const double x[] = {0, 1, 2}, y[] = {100, 101, 110};
  ASSERT_TRUE(Blend_lstsqr(x, y, 8, &v));
  EXPECT_NEAR(v, 332, 1e-9);
  ASSERT_TRUE(Blend_lstsqr(x, y, 10, &v));
  EXPECT_NEAR(v, 182, 1e-9);
  ASSERT_TRUE(Blend_lstsqr(x, y, 5, &v));
  EXPECT_NEAR(v, 137, 1e-9);
  // Inside the points the quadratic is the result: 100 - 4.5 + 9 at 1.5.
  ASSERT_TRUE(Blend_lstsqr(x, y, 1.5, &v));
  EXPECT_NEAR(v, 104.5, 1e-12);
  EXPECT_FALSE(Blend_lstsqr(x, y, 1, nullptr));
}

TEST(BlendLinear, ExtendsTheEndIntervals) {
  // (1, 10), (2, 20), (4, 20): 5 at 0.5, 20 at 3 and at 5, the knot ordinate on a knot.
  const double x[] = {1, 2, 4}, y[] = {10, 20, 20};
  const double q[] = {0.5, 1.5, 2, 3, 5};
  double out[5];
  ASSERT_TRUE(Blend_Linear(3, x, y, 5, q, out));
  EXPECT_DOUBLE_EQ(out[0], 5);
  EXPECT_DOUBLE_EQ(out[1], 15);
  EXPECT_EQ(out[2], 20);
  EXPECT_DOUBLE_EQ(out[3], 20);
  EXPECT_DOUBLE_EQ(out[4], 20);

  double untouched[1] = {-1};
  const double nanQuery[] = {kNaN};
  EXPECT_FALSE(Blend_Linear(1, x, y, 1, q, untouched));
  EXPECT_FALSE(Blend_Linear(3, x, y, 1, nanQuery, untouched));
  EXPECT_FALSE(Blend_Linear(3, x, nullptr, 1, q, untouched));
  EXPECT_EQ(untouched[0], -1);
  EXPECT_TRUE(Blend_Linear(3, x, y, 0, nullptr, nullptr));
}

}  // namespace
