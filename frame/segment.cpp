#include "frame/segment.h"

#include <climits>
#include <cmath>

#include "frame/settings.h"

namespace qira {

namespace {

// Whole number of limits contained in q, truncated toward zero to a 32-bit integer.
// Quotients beyond the integer range saturate instead of overflowing (a host may pass a
// nonsensical segment or difference); not-a-number counts no whole limit.
int wholeLimits(double q) {
  if (std::isnan(q)) return 0;
  if (q >= 2147483647.0) return INT_MAX;
  if (q <= -2147483648.0) return INT_MIN;
  return static_cast<int>(q);
}

}  // namespace

double ToTbpDifference(const ConversionSegment& s, double d) {
  if (d > s.limit && settings().constrainRange) {
    int n = wholeLimits(d / s.limit);
    return s.a * std::pow(d - n * s.limit, s.b) + n * s.a * std::pow(s.limit, s.b);
  }
  return s.a * std::pow(d, s.b);
}

void walkSegments(const SegmentWalk& walk, const ConversionSegment* segments,
                  MidpointLaw midpoint, SegmentLaw law, const double* in, double* out) {
  out[walk.midpoint] = midpoint(in[walk.midpoint]);
  for (int k = 0; k < walk.stepCount; ++k) {
    const SegmentStep& s = walk.steps[k];
    const ConversionSegment& seg = segments[s.segment];
    if (s.reached < s.from)
      out[s.reached] = out[s.from] - law(seg, in[s.from] - in[s.reached]);
    else
      out[s.reached] = out[s.from] + law(seg, in[s.reached] - in[s.from]);
  }
}

double FromTbpDifference(const ConversionSegment& s, double t) {
  double tL = s.a * std::pow(s.limit, s.b);
  double inverse = 1.0 / s.b;
  if (t > tL && settings().constrainRange) {
    int n = wholeLimits(t / tL);
    return std::pow((t - n * tL) / s.a, inverse) + n * std::pow(tL / s.a, inverse);
  }
  return std::pow(t / s.a, inverse);
}

}  // namespace qira
