// Settings and the power-law conversion segment: any stored setting and any difference
// must neither crash nor break the inverse relation between the two segment functions.
#include <cmath>
#include <cstdlib>

#include "QIRASettings.h"
#include "frame/segment.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  ShouldConstrainConversionRange(in.flag());
  qira::ConversionSegment s{in.number(0.01, 10), in.number(0.3, 2.5), in.number(1, 10000)};
  double d = in.number(0, 5000);
  double t = qira::ToTbpDifference(s, d);
  double back = qira::FromTbpDifference(s, t);
  bool plausible = std::isfinite(d) && d >= 0 && d < 1e6 && s.a > 0.01 && s.b > 0.3 &&
                   s.b < 2.5 && s.limit >= 1 && s.limit < 1e4 && std::isfinite(t);
  if (plausible && std::fabs(back - d) > 1e-6 * (1 + d)) std::abort();
  return 0;
}
