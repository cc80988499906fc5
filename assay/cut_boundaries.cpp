// Cut boundaries: count cuts of equal TBP width, boundaries as given, or a named set.
#include <algorithm>
#include <cstring>

#include "assay/assay_internal.h"
#include "frame/missing.h"

namespace qira {
namespace assay {
namespace {

std::string cutName(int i) { return format("cut %d", i + 1); }

}  // namespace

Boundaries boundariesByCount(const Stream& s, int count, double lo, double hi) {
  if (count < 1 || count > 200)
    fail(QIRA_ASSAY_INVALID, "count = %d: give 1 to 200 cuts", count);
  lo = isMissing(lo) ? s.tbp.temps.front() : checkedInRange("lo", lo, 90.0, 1500.0);
  hi = isMissing(hi) ? s.tbp.temps.back() : checkedInRange("hi", hi, 90.0, 1500.0);
  if (!(hi > lo)) fail(QIRA_ASSAY_INVALID, "hi = %.10g K must lie above lo = %.10g K", hi, lo);
  const double step = (hi - lo) / count;
  Boundaries b;
  for (int i = 0; i < count; ++i) {
    b.names.push_back(cutName(i));
    b.bounds.push_back(lo + i * step);
  }
  b.bounds.push_back(hi);
  return b;
}

Boundaries boundariesAt(const double* bounds, int n) {
  if (n < 2 || n > 201)
    fail(QIRA_ASSAY_INVALID, "boundaries: %d given, 2 to 201 expected", n);
  checkAscending("boundaries", bounds, n, 100.0, 1500.0);
  Boundaries b;
  b.bounds.assign(bounds, bounds + n);
  for (int i = 0; i + 1 < n; ++i) b.names.push_back(cutName(i));
  return b;
}

Boundaries boundariesNamed(const Stream& s, const char* set) {
  if (std::strcmp(set, "refinery") != 0)
    fail(QIRA_ASSAY_INVALID, "named cuts \"%.40s\": the one set is \"refinery\"", set);
  const double first = s.tbp.temps.front(), last = s.tbp.temps.back();
  Boundaries b;
  b.bounds.push_back(first);
  for (int i = 0; i < refineryCutCount(); ++i) {
    const RefineryCut& c = refineryCut(i);
    const double upper = isMissing(c.upper) ? last : std::min(c.upper, last);
    if (upper > b.bounds.back()) {
      b.names.push_back(c.name);
      b.bounds.push_back(upper);
    }
  }
  return b;
}

}  // namespace assay
}  // namespace qira
