// The missing-value marker: the double -32767.0 (and -32767 in index arrays), always
// compared by exact equality. Functions that cannot produce a value return or write it.
#pragma once

namespace qira {

constexpr double kMissing = -32767.0;
constexpr int kMissingIndex = -32767;

inline bool isMissing(double v) { return v == kMissing; }

}  // namespace qira
