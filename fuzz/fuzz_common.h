// Shared pieces of the fuzz targets: exact-length host arrays, counts that are sometimes
// hostile, curves that are sometimes sane, process-wide settings decoded per input, and
// the invariant check that stops the run.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "QIRASettings.h"
#include "fuzz_input.h"

// Stops the run on a broken invariant, naming it so the finding is readable.
#define FUZZ_CHECK(cond)                                                       \
  do {                                                                         \
    if (!(cond)) {                                                             \
      std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #cond, __FILE__, \
                   __LINE__);                                                  \
      std::abort();                                                            \
    }                                                                          \
  } while (0)

// The value every output array is filled with before a call, to see what was written.
constexpr double kUntouched = 7.25e301;

// A host array of exactly n elements on the heap (n = 0 still gives a distinct pointer),
// so AddressSanitizer reports any access beyond what the function was told.
template <typename T>
class Exact {
 public:
  explicit Exact(int n, T fill = T()) : n_(n < 0 ? 0 : n), p_(new T[n_ ? n_ : 1]) {
    for (int i = 0; i < n_; ++i) p_[i] = fill;
  }
  Exact(const std::vector<T>& v) : Exact(static_cast<int>(v.size())) {
    for (int i = 0; i < n_; ++i) p_[i] = v[i];
  }
  T* get() { return p_.get(); }
  const T* get() const { return p_.get(); }
  T& operator[](int i) { return p_[i]; }
  const T& operator[](int i) const { return p_[i]; }
  int size() const { return n_; }
  std::vector<T> copy() const { return std::vector<T>(p_.get(), p_.get() + n_); }
  bool all(T v) const {
    for (int i = 0; i < n_; ++i)
      if (!(p_[i] == v)) return false;
    return true;
  }

 private:
  int n_;
  std::unique_ptr<T[]> p_;
};

// The pointer of a, or null about one time in sixteen.
template <typename T>
T* maybeNull(FuzzInput& in, Exact<T>& a) {
  return (in.byte() & 15) == 0 ? nullptr : a.get();
}

// A count: mostly 0..typical, sometimes negative.
inline int count(FuzzInput& in, int typical) {
  const uint8_t k = in.byte();
  if (k < 8) return in.integer(-2147483647 - 1, 0);
  return in.integer(0, typical);
}

// A finite ascending sequence of n values from about start, steps in [minStep, maxStep];
// when hostile is set a few entries are replaced by any bit pattern or swapped.
struct Curve {
  std::vector<double> v;
  bool sane = true;
};

inline Curve ascending(FuzzInput& in, int n, double start, double minStep, double maxStep) {
  Curve c;
  c.v.resize(n > 0 ? n : 0);
  double t = start + in.number(0, 1) * maxStep;
  if (!(t >= start && t <= start + maxStep)) t = start;
  for (int i = 0; i < n; ++i) {
    c.v[i] = t;
    double step = in.number(minStep, maxStep);
    if (!std::isfinite(step) || step < minStep || step > maxStep) step = minStep;
    t += step;
  }
  const uint8_t k = in.byte();
  if (n > 0 && k < 40) {
    c.sane = false;
    const int i = in.integer(0, n - 1);
    if (k < 20)
      c.v[i] = in.rawDouble();
    else
      c.v[i] = c.v[in.integer(0, n - 1)] - in.number(0, maxStep);
  }
  return c;
}

// Fractions of n components: positive and normalised to 1 when sane, otherwise raw or
// unnormalised.
inline Curve fractions(FuzzInput& in, int n) {
  Curve c;
  c.v.resize(n > 0 ? n : 0);
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    double f = in.number(0.001, 1);
    if (!std::isfinite(f) || f < 0.001) f = 0.001;
    c.v[i] = f;
    sum += f;
  }
  const uint8_t k = in.byte();
  if (k < 200)
    for (double& f : c.v) f /= sum;
  else
    c.sane = false;
  // One huge raw value leaves the others negligible: not a sane component list.
  for (double f : c.v)
    if (!(f >= 1e-6)) c.sane = false;
  if (n > 0 && k >= 180 && k < 200) {
    c.sane = false;
    c.v[in.integer(0, n - 1)] = in.rawDouble();
  }
  return c;
}

// Whether the latest applySettings() stored plausible IBP and FBP values.
inline bool& settingsSane() {
  static bool sane = true;
  return sane;
}

// Process-wide settings for this input: defaults, plausible values or anything. True
// when the IBP and FBP values are plausible percents (0..10 and 90..100).
inline bool applySettings(FuzzInput& in) {
  const uint8_t k = in.byte();
  double ibp = 1.0, fbp = 99.999;
  int d2887 = 0, fit = 0, method = 1;
  if (k & 1) ibp = in.number(0, 10);
  if (k & 2) fbp = in.number(90, 100);
  if (k & 4) d2887 = in.integer(-1, 2);
  if (k & 8) fit = in.integer(-1, 2);
  if (k & 16) method = in.integer(-1, 2);
  SetOptionsNew(ibp, fbp, d2887, fit, method);
  ShouldConstrainConversionRange(!(k & 32));
  settingsSane() = ibp >= 0 && ibp <= 10 && fbp >= 90 && fbp <= 100;
  return settingsSane();
}

// With FUZZ_DUMP set in the environment, prints an array (to read a finding).
inline void dump(const char* name, const double* v, int n) {
  if (!std::getenv("FUZZ_DUMP")) return;
  std::fprintf(stderr, "%s[%d]:", name, n);
  for (int i = 0; i < n; ++i) std::fprintf(stderr, " %.17g", v[i]);
  std::fprintf(stderr, "\n");
}

// Equal values, a not-a-number matching a not-a-number.
inline bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

inline bool allFiniteVec(const double* v, int n) {
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(v[i])) return false;
  return true;
}

inline bool nonDecreasing(const double* v, int n, double tol = 0) {
  for (int i = 1; i < n; ++i)
    if (!(v[i] >= v[i - 1] - tol)) return false;
  return true;
}

// What a successful reading of temperatures t[n] at yields y[n] returns: every
// temperature finite and above 0 K and, when the yields rise, none below the one before
// by more than 1e-9 of it.
inline bool boilingCurve(const double* t, const double* y, int n) {
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(t[i]) || !(t[i] > 0)) return false;
  if (!nonDecreasing(y, n)) return true;
  for (int i = 1; i < n; ++i)
    if (t[i] < t[i - 1] - 1e-9 * t[i - 1]) return false;
  return true;
}

inline bool strictlyIncreasing(const std::vector<double>& v) {
  for (size_t i = 1; i < v.size(); ++i)
    if (!(v[i] > v[i - 1])) return false;
  return true;
}

inline bool near(double a, double b, double rel, double abs = 0) {
  return std::fabs(a - b) <= abs + rel * std::fmax(std::fabs(a), std::fabs(b));
}
