// Process-wide conversion settings, read afresh by every conversion, blend and cutter.
// Plain unguarded state: the host changes settings from one thread at a time.
#pragma once

namespace qira {

struct ConversionSettings {
  double ibpValue = 1.0;      // percent distilled at a curve's initial point
  double fbpValue = 99.999;   // percent distilled at a curve's final point
  int d2887Option = 0;        // 0: convert D2887 by API 3A3.1; 1: take D2887 as TBP
  int distCurFitOption = 0;   // 0: map blended TBP with Simple_spline; else Blend_Linear
  int d86Method = 1;          // nonzero: nine-point D86 grid; 0: seven-point grid
  bool constrainRange = true; // extend power-law segments beyond their limits
};

ConversionSettings& settings();

// The IBP and FBP values as yield fractions (value / 100), at the moment of the call.
inline double ibpYield() { return settings().ibpValue / 100; }
inline double fbpYield() { return settings().fbpValue / 100; }

// True when the Option functions use the nine-point D86 layout.
inline bool ninePointD86() { return settings().d86Method != 0; }

}  // namespace qira
