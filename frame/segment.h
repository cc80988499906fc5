// The power-law segment of the API curve conversions: the TBP difference across one
// segment of a curve is a * d^b of the standard-curve difference d (degrees Fahrenheit).
// With the constrain-range flag on, a segment whose argument exceeds its limit continues
// as whole copies of its value at the limit plus the power law of the remainder.
#pragma once

namespace qira {

struct ConversionSegment {
  double a;      // factor of the power law
  double b;      // exponent
  double limit;  // largest standard-curve difference (F) for the plain law
};

// TBP difference (F) for the standard-curve difference d (F).
double ToTbpDifference(const ConversionSegment& s, double d);

// Standard-curve difference (F) for the TBP difference t (F); the exact inverse of
// ToTbpDifference for non-negative arguments.
double FromTbpDifference(const ConversionSegment& s, double t);

// One segment's difference law (one of the two above, or a plain power law), and the
// law that carries the 50 % point over.
using SegmentLaw = double (*)(const ConversionSegment&, double);
using MidpointLaw = double (*)(double);

// One step of a segment walk: the point reached, its neighbour nearer the middle that
// it is reached from (already known), and the segment whose law carries the difference.
struct SegmentStep {
  int reached;
  int from;
  int segment;
};

// The steps of one curve layout in the order they are taken, from its 50 % point out.
struct SegmentWalk {
  int midpoint;
  const SegmentStep* steps;
  int stepCount;
};

// The walk over a whole step table.
template <int N>
constexpr SegmentWalk walkOver(int midpoint, const SegmentStep (&steps)[N]) {
  return {midpoint, steps, N};
}

// Converts the curve in[] (F) into out[] (F) along the walk: out[mid] = midpoint(in[mid]),
// then for each step out[reached] = out[from] - law(d) below the middle and
// out[from] + law(d) above it, d being the positive-going difference in[] across the
// step. Both directions of a conversion use the same walk with their own laws.
void walkSegments(const SegmentWalk& walk, const ConversionSegment* segments,
                  MidpointLaw midpoint, SegmentLaw law, const double* in, double* out);

}  // namespace qira
