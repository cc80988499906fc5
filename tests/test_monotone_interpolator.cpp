// Blend_spline: each repair path through its effect on the output (compared with
// Simple_spline on the knot set the repair builds, worked by hand), the room and pass
// limits, the caller's knots left alone, and a seeded monotonicity property.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "QIRACurveFit.h"
#include "distillation/curve_tools.h"
#include "support/test_support.h"

namespace {

using qira::InterpolatorTrace;

// Runs the interpolator and checks that the caller's knots came back unchanged.
bool interpolate(const std::vector<double>& x, const std::vector<double>& y,
                 const std::vector<double>& q, std::vector<double>& out,
                 InterpolatorTrace* trace) {
  const std::vector<double> x0 = x, y0 = y;
  out.assign(q.size(), std::numeric_limits<double>::quiet_NaN());
  const bool ok = qira::monotoneSpline(static_cast<int>(x.size()), x.data(), y.data(),
                                       static_cast<int>(q.size()), q.data(), out.data(),
                                       trace);
  EXPECT_EQ(x, x0);
  EXPECT_EQ(y, y0);
  return ok;
}

std::vector<double> simple(const std::vector<double>& x, const std::vector<double>& y,
                           const std::vector<double>& q) {
  std::vector<double> out(q.size());
  EXPECT_TRUE(Simple_spline(static_cast<int>(x.size()), x.data(), y.data(),
                            static_cast<int>(q.size()), q.data(), out.data()));
  return out;
}

TEST(BlendSpline, NoReversalNeedsOneEvaluation) {
  const std::vector<double> x = {300, 350, 420, 500, 610}, y = {0.0, 0.1, 0.35, 0.7, 0.95};
  const std::vector<double> q = {280, 300, 330, 400, 480, 600, 650};
  std::vector<double> out;
  InterpolatorTrace t;
  EXPECT_TRUE(interpolate(x, y, q, out, &t));
  EXPECT_EQ(t.evaluations, 1);
  EXPECT_EQ(t.passes, 0);
  EXPECT_EQ(out, simple(x, y, q));
}

TEST(BlendSpline, LeftEndReversalInsertsAFrontKnotOnTheFirstSegment) {
  // Left of 0, 1, 2 -> 100, 110, 111 the three-point value is 60 at -4 (the line: the
  // quadratic is refused, r = 1.5) but -5.875 at -3.5 (quadratic kept, r = 1.09): the
  // values fall while the curve rises. The front knot lies halfway to -4 on the line
  // y = 100 + 10x: (-2, 80); with it both queries read that line.
  const std::vector<double> x = {0, 1, 2}, y = {100, 110, 111}, q = {-4, -3.5};
  std::vector<double> out;
  EXPECT_EQ(simple(x, y, q)[1], -5.875);
  InterpolatorTrace t;
  EXPECT_TRUE(interpolate(x, y, q, out, &t));
  EXPECT_EQ(t.frontInsertions, 1);
  EXPECT_EQ(t.evaluations, 2);
  EXPECT_EQ(out, simple({-2, 0, 1, 2}, {80, 100, 110, 111}, q));
  EXPECT_DOUBLE_EQ(out[0], 60);
  EXPECT_DOUBLE_EQ(out[1], 65);
}

TEST(BlendSpline, InteriorReversalInsertsTheIntervalMidpoint) {
  // Simple_spline falls from 524.49 to 522.17 inside [5, 94]; the midpoint knot
  // (49.5, (494.64 + 544.33) / 2) separates the two queries.
  const std::vector<double> x = {5, 94, 104, 108, 141};
  const std::vector<double> y = {494.64, 544.33, 655.41, 710.04, 796.80};
  const std::vector<double> q = {45.237, 54.317};
  std::vector<double> out;
  InterpolatorTrace t;
  EXPECT_TRUE(interpolate(x, y, q, out, &t));
  EXPECT_EQ(t.midpointInsertions, 1);
  EXPECT_EQ(out, simple({5, 49.5, 94, 104, 108, 141},
                        {494.64, 519.485, 544.33, 655.41, 710.04, 796.80}, q));
  EXPECT_LE(out[0], out[1]);
}

TEST(BlendSpline, RightEndReversalAppendsAKnotOnTheLastSegment) {
  // Right of 0, 1, 2 -> 100, 101, 110 the three-point value is 397 at 9 (quadratic kept)
  // and 182 at 10 (the line): a fall. The appended knot lies halfway to 10 on the
  // last segment's line y = 110 + 9(x - 2): (6, 146); the last three knots are then
  // collinear and both queries read the line: 173 and 182.
  const std::vector<double> x = {0, 1, 2}, y = {100, 101, 110}, q = {9, 10};
  std::vector<double> out;
  InterpolatorTrace t;
  EXPECT_TRUE(interpolate(x, y, q, out, &t));
  EXPECT_EQ(t.appends, 1);
  EXPECT_EQ(out, simple({0, 1, 2, 6}, {100, 101, 110, 146}, q));
  EXPECT_NEAR(out[0], 173, 1e-9);
  EXPECT_NEAR(out[1], 182, 1e-9);
}

TEST(BlendSpline, RoomUsedUpRestartsFromTheCallersKnots) {
  // Queries out of order keep the right-end repair appending; after ten knots the room
  // is used up, the next pass starts over from the caller's three knots with room for
  // twenty, finds nothing to repair in the values of the last evaluation and keeps them.
  const std::vector<double> x = {0.42728815312429758, 1.2107389305293701, 1.4459093164034584};
  const std::vector<double> y = {0.44692524675734308, 0.91444044224900578, 3.1501918054474647};
  const std::vector<double> q = {-0.054279683336101447, 0.116459095272059,
                                 0.085648637671813965, 0.1922516510545762,
                                 2.8453806043177803, 3.0952333367318801,
                                 -0.68107262258557344};
  std::vector<double> out;
  InterpolatorTrace t;
  EXPECT_TRUE(interpolate(x, y, q, out, &t));
  EXPECT_EQ(t.appends, 10);
  EXPECT_EQ(t.restarts, 1);
  EXPECT_EQ(t.evaluations, 11);  // no evaluation after the restart
  EXPECT_NE(out, simple(x, y, q));
}

TEST(BlendSpline, PassBudgetRunsOutWithAFullEvaluation) {
  const std::vector<double> x = {0.43561537555742602, 1.0714571182540049,
                                 1.5915704006936855, 2.6577253406037635};
  const std::vector<double> y = {1.2563287322172161, 5.3420997498563327,
                                 6.0764993340775035, 10.410052698300753};
  const std::vector<double> q = {1.309980440777164,    -0.093546156781111778,
                                 2.8417670091968912,   1.3919153188577056,
                                 1.3456924566867743,   -0.84289241250389124,
                                 -0.042999044888152094, 2.0768580638081673};
  std::vector<double> out;
  InterpolatorTrace t;
  EXPECT_FALSE(interpolate(x, y, q, out, &t));
  EXPECT_EQ(t.passes, 100);
  EXPECT_EQ(t.evaluations, 101);
  EXPECT_GE(t.restarts, 1);  // the room grew while the knots piled up
  for (double v : out) EXPECT_TRUE(std::isfinite(v));
}

TEST(BlendSpline, FailuresAndArguments) {
  const double x[] = {1, 2, 3}, y[] = {10, 20, 30};
  const double q[] = {1.5, std::numeric_limits<double>::quiet_NaN()};
  double out[2] = {-1, -1};
  EXPECT_FALSE(Blend_spline(2, x, y, 2, q, out));
  EXPECT_FALSE(Blend_spline(3, nullptr, y, 2, q, out));
  EXPECT_FALSE(Blend_spline(3, x, y, 2, q, nullptr));
  EXPECT_EQ(out[0], -1);
  EXPECT_TRUE(Blend_spline(3, x, y, 0, nullptr, nullptr));
  // The not-a-number query fails the first evaluation; what it wrote before stays.
  EXPECT_FALSE(Blend_spline(3, x, y, 2, q, out));
  EXPECT_DOUBLE_EQ(out[0], 15);
  // A left-end repair with every knot on the first abscissa cannot find a slope.
  const double cx[] = {1, 1, 1}, cy[] = {0, 5, 6}, cq[] = {-3, -2};
  double co[2];
  EXPECT_FALSE(Blend_spline(3, cx, cy, 2, cq, co));
}

TEST(BlendSpline, SeededMonotoneTablesGiveMonotoneResults) {
  std::mt19937 gen(4117);
  std::uniform_real_distribution<double> u(0, 1);
  int repaired = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = 3 + static_cast<int>(gen() % 10), m = 2 + static_cast<int>(gen() % 20);
    const double sign = trial % 2 ? 1 : -1;
    std::vector<double> x(n), y(n), q(m), out;
    double xs = 0, ys = 500;
    for (int i = 0; i < n; ++i) {
      xs += 0.1 + u(gen) * (trial % 3 ? 1 : 40);
      ys += sign * u(gen) * u(gen) * u(gen) * 100;
      x[i] = xs;
      y[i] = ys;
    }
    for (double& v : q) v = x[0] + u(gen) * (x[n - 1] - x[0]);
    std::sort(q.begin(), q.end());
    InterpolatorTrace t;
    if (!interpolate(x, y, q, out, &t)) continue;
    if (t.passes > 0) ++repaired;
    for (int j = 0; j + 1 < m; ++j) {
      if (q[j + 1] - q[j] > 1e-8) {
        EXPECT_GE(sign * (out[j + 1] - out[j]), 0) << trial;
      }
    }
  }
  EXPECT_GT(repaired, 0);  // the property covers repaired curves too
}

}  // namespace
