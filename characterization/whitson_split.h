// Whitson's three-parameter gamma-distribution split of a plus fraction over a host's
// pseudo-components, and the pieces of the method that hosts can drive themselves.
#pragma once

#include <array>

namespace qira {

// The slice table of one split: slice i = 1..count spans 14 units of MW from eta + 2;
// after the split, z holds cumulative mole fractions (slice 0 at 0, extrapolated), sg the
// balanced gravities and tb the boiling points (K) of slices 0..count.
struct WhitsonSlices {
  static constexpr int kSize = 210;
  std::array<double, kSize> mw{};
  std::array<double, kSize> sg{};
  std::array<double, kSize> z{};
  std::array<double, kSize> tb{};
  int count = 0;
  double alpha = 0;      // the shape of the last evaluation
  int evaluations = 0;   // distribution evaluations of the shape search
};

// ln Gamma(x) by the Lanczos approximation.
double lanczosLnGamma(double x);

// Gamma probability density at x with shape alpha and scale beta.
double gammaDensity(double x, double alpha, double beta);

// One bracketing step of the shape search towards f = target: a fixed step of h while
// the bracket [lo, hi] is wider than 1.2 h on the moving side, then a secant step through
// the previous point (xp, fp), kept when it lands inside the inner 96 % of the bracket,
// otherwise a bisection. A previous f of not-a-number means that no previous point exists
// yet: that step bisects and records (x, f) as the previous point.
void whitsonBracketStep(double& x, double f, double target, double& lo, double& hi,
                        double& xp, double& fp, double h);

// The distribution's origin chosen when the host gives none: max(min(84, MW/2), 0.4 MW).
double whitsonDefaultEta(double mw);

// Completes at most one missing (-32767.0) of MW, SG and Kw, in that order, in place.
// False, with nothing changed, when two or three are missing or a value given or
// completed is not a finite positive number.
bool completePlusFraction(double& mw, double& sg, double& kw);

// Builds the cumulative boiling-point curve of a complete plus fraction (eta > 0). False
// when eta is above 0.9 MW or the distribution gives fewer than three slices or a
// boiling point that is not finite.
bool whitsonSliceCurve(double mw, double sg, double kw, double eta, WhitsonSlices& s);

// The split itself (plus-fraction values already complete): writes nc mole fractions,
// MWs and densities (kg/m3) at the NBPs (K). False, with nothing written, when eta is
// above 0.9 MW or the distribution gives fewer than three slices or no finite curve.
bool whitsonSplit(int nc, double* fractions, double* mws, double* densities,
                  const double* nbps, double mw, double sg, double kw, double eta);

}  // namespace qira
