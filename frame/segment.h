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

}  // namespace qira
