// The missing-value marker: the double -32767.0 (and -32767 in index arrays), always
// compared by exact equality. Functions that cannot produce a value return or write it.
#pragma once

#include <cmath>

namespace qira {

constexpr double kMissing = -32767.0;
constexpr int kMissingIndex = -32767;

inline bool isMissing(double v) { return v == kMissing; }

// A value a calculation can go on with: a finite number that is not the marker.
inline bool isUsable(double v) { return std::isfinite(v) && !isMissing(v); }

// A calculated value that is not a finite number is stored as missing.
inline double finiteOrMissing(double v) { return std::isfinite(v) ? v : kMissing; }

// Writes the marker into the first n entries of out (nothing for n < 1).
inline void fillMissing(double* out, int n) {
  for (int i = 0; i < n; ++i) out[i] = kMissing;
}

}  // namespace qira
