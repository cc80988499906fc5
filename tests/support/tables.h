// What every family's tables share: the missing marker, not-a-number, unit conversions
// for expected values, and the row type of a table of numeric cases.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "QIRAExport.h"

namespace qira_test {

constexpr double kMiss = QIRA_MISSING;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The default FBP yield as the library computes it, 99.999 / 100: one unit in the last
// place off the literal 0.99999.
const double kFbp = 99.999 / 100;
using V = std::vector<double>;

inline double FtoK(double f) { return (f - 32) / 1.8 + 273.15; }
inline double KtoF(double k) { return (k - 273.15) * 1.8 + 32; }
inline V kelvinOf(V f) {
  for (double& v : f) v = FtoK(v);
  return f;
}

// One case of a table: a label naming the case and where its expected value comes from,
// the value computed, the expected value and the tolerance (absolute).
struct Row {
  const char* origin;
  double got, want, tol;
};
inline void expectRows(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    if (std::isnan(r.want))
      EXPECT_TRUE(std::isnan(r.got)) << r.origin;
    else
      EXPECT_NEAR(r.got, r.want, r.tol) << r.origin;
  }
}

}  // namespace qira_test
