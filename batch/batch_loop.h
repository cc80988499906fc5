// The two loops behind every batch entry point: N curves through a curve conversion, and
// N argument tuples through a scalar correlation. Both call the single-item function
// once per item, in index order, so each result is that function's own.
#pragma once

#include <cstddef>

#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {
namespace batch {

// A curve conversion with its input first: true when the curve was converted.
using CurveConversion = bool (*)(const double* in, double* out);

// Converts n curves of `width` points laid out row-major; ok (optional) receives each
// result. The count of converted curves, or -1 for n < 1 or a null curve array.
inline int eachCurve(int n, int width, CurveConversion convert, const double* in, double* out,
                     bool* ok) {
  if (n < 1 || width < 1 || in == nullptr || out == nullptr) return -1;
  return guarded(-1, [&] {
    int converted = 0;
    for (int i = 0; i < n; ++i) {
      const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(i) * width;
      const bool done = convert(in + row, out + row);
      if (ok != nullptr) ok[i] = done;
      converted += done;
    }
    return converted;
  });
}

// out[i] = fn(args[i]...) for i < n; n, or -1 for n < 1 or a null array.
template <typename... Args>
int eachValue(int n, double (*fn)(Args...), double* out, const Args*... args) {
  if (n < 1 || out == nullptr || ((args == nullptr) || ...)) return -1;
  return guarded(-1, [&] {
    for (int i = 0; i < n; ++i) out[i] = fn(args[i]...);
    return n;
  });
}

// The value a flag-reporting estimate leaves in a slot that held the missing marker.
template <typename... Args>
struct FlaggedValue {
  template <bool (*Estimate)(Args..., double*)>
  static double of(Args... args) {
    double value = kMissing;
    Estimate(args..., &value);
    return value;
  }
};

}  // namespace batch
}  // namespace qira
