// Boundary shells for the exported functions: nothing thrown inside the library ever
// crosses into the host. Each export wraps its body in guarded(), giving the function's
// documented failure result if anything (for instance an allocation) throws.
#pragma once

#include <cmath>
#include <utility>

namespace qira {

template <typename R, typename Body>
R guarded(R failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return failure;
  }
}

template <typename Body>
void guardedVoid(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

// True when every one of the n values is a finite number (not NaN, not infinite).
inline bool allFinite(const double* v, int n) {
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(v[i])) return false;
  return true;
}

}  // namespace qira
