// Helpers shared by the test files: unit conversions for expected values and a
// settings guard that restores the process-wide defaults after each test.
#pragma once

#include "QIRASettings.h"

namespace qira_test {

inline double FtoK(double f) { return (f - 32) / 1.8 + 273.15; }
inline double KtoF(double k) { return (k - 273.15) * 1.8 + 32; }

// Restores every conversion setting to its load-time default when it goes out of scope.
struct DefaultSettings {
  DefaultSettings() { reset(); }
  ~DefaultSettings() { reset(); }
  static void reset() {
    SetOptionsNew(1.0, 99.999, 0, 0, 1);
    ShouldConstrainConversionRange(true);
  }
};

}  // namespace qira_test
