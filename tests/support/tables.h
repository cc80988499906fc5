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
constexpr double kInf = std::numeric_limits<double>::infinity();
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

// A tolerance: absolute (a plain number converts to one) or relative to the expected
// value (rel(...)).
struct Tolerance {
  double value;
  bool relative = false;
  Tolerance(double absolute) : value(absolute) {}  // NOLINT: a plain number is absolute
};
inline Tolerance rel(double fraction) {
  Tolerance t(fraction);
  t.relative = true;
  return t;
}

// One case of a table: a label naming the case and where its expected value comes from
// (a published value, a hand calculation with its inputs, a property that must hold, or
// "regression": the library's own earlier output, pinned), the value computed, the
// expected value and the tolerance. A not-a-number expected value expects not-a-number.
struct Row {
  const char* origin;
  double got, want;
  Tolerance tol;
};
inline void expectRows(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    if (std::isnan(r.want)) {
      EXPECT_TRUE(std::isnan(r.got)) << r.origin;
    } else if (r.tol.relative) {
      EXPECT_NEAR(r.got, r.want, r.tol.value * std::fabs(r.want))
          << r.origin << " (relative tolerance " << r.tol.value << ")";
    } else {
      EXPECT_NEAR(r.got, r.want, r.tol.value) << r.origin;
    }
  }
}

}  // namespace qira_test
