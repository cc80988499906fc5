// The probability scale of the cutter and the yield reader: a 101-value score table
// (close to the inverse error function of 2F - 1 at F = i/100, with clamp values at the
// ends), the forward map from a cumulative fraction to a score in the three clamping
// variants its users need, and the inverse map.
#pragma once

namespace qira {
namespace probability {

constexpr int kTableSize = 101;
constexpr double kZmax = 3.476589918;
constexpr double kZmin = -kZmax;

// The score of fraction i/100, for i in 0 .. 100.
double tableScore(int i);
// Writes the 101 table values into z.
void fillTable(double* z);

// Which results of the forward map are clamped to the ends of the scale.
struct Clamping {
  bool tableToZmax;      // table interpolation lowered to Zmax
  bool lowTailToZmin;    // logarithmic tail 1e-10 < F <= 0.001 raised to Zmin
  bool upperPolyToZmax;  // polynomial tail 0.99 < F < 0.999 lowered to Zmax
};
constexpr Clamping kCutterClamping{false, true, false};
constexpr Clamping kKnotClamping{true, false, true};
constexpr Clamping kRequestClamping{false, false, false};

// Score of the cumulative fraction f (the logarithmic upper tail is always lowered to
// Zmax). Fractions below 0 extrapolate the first table interval; not-a-number stays so.
double toScore(double f, Clamping clamping);

// Cumulative fraction of the score z.
double toFraction(double z);

}  // namespace probability
}  // namespace qira
