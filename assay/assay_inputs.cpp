// The assay's inputs: range and order checks with messages naming the input, its value
// (SI units) and the range expected, and the stream's defaults.
#include <cmath>

#include "assay/assay_internal.h"
#include "frame/missing.h"

namespace qira {
namespace assay {

Stream::Stream() { properties.fill(kMissing); }

double Stream::lightEndTotal() const {
  double total = 0.0;
  for (const LightEndShare& le : lightEnds) total += le.fraction;
  return total;
}

double checkedInRange(const char* what, double value, double lo, double hi) {
  if (std::isnan(value)) fail(QIRA_ASSAY_INVALID, "%s is not a number", what);
  if (!(lo <= value && value <= hi))
    fail(QIRA_ASSAY_INVALID, "%s = %.10g lies outside %.10g to %.10g", what, value, lo, hi);
  return value;
}

void checkAscending(const char* what, const double* v, int n, double lo, double hi) {
  for (int i = 0; i < n; ++i) {
    if (std::isnan(v[i])) fail(QIRA_ASSAY_INVALID, "%s[%d] is not a number", what, i);
    if (!(lo <= v[i] && v[i] <= hi))
      fail(QIRA_ASSAY_INVALID, "%s[%d] = %.10g lies outside %.10g to %.10g", what, i, v[i], lo,
           hi);
    if (i > 0 && !(v[i] > v[i - 1]))
      fail(QIRA_ASSAY_INVALID, "%s[%d] = %.10g does not ascend from %.10g", what, i, v[i],
           v[i - 1]);
  }
}

}  // namespace assay
}  // namespace qira
