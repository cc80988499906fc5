// Realistic inputs for the benchmarks, built once outside the timed loops: a crude's D86
// and TBP curves, component lists of any size from 300 to 800 K, laboratory curves,
// and viscosity assays of light ends plus petroleum pseudo-components.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "ViscHandler.h"
#include "support/assay_fixture.h"

namespace qira_bench {

constexpr double kAtmosphere = 101.325;  // kPa
constexpr double kMissing = -32767.0;

// A medium crude cut: nine-point D86 (IBP, 5, 10, 30, 50, 70, 90, 95 %, FBP), in K.
inline const double* d86NinePoint() {
  static const double d86[9] = {310.0, 345.0, 362.0, 410.0, 455.0, 500.0, 560.0, 585.0, 615.0};
  return d86;
}
// Its seven-point layout (IBP, 10, 30, 50, 70, 90 %, FBP).
inline const double* d86SevenPoint() {
  static const double d86[7] = {310.0, 362.0, 410.0, 455.0, 500.0, 560.0, 615.0};
  return d86;
}
// A nine-point TBP curve of the same crude, in K.
inline const double* tbpNinePoint() {
  static const double tbp[9] = {275.0, 318.0, 345.0, 405.0, 458.0, 510.0, 580.0, 612.0, 650.0};
  return tbp;
}
inline const double* tbpNineYields() {
  static const double y[9] = {0.01, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.99};
  return y;
}
// Eight-point D2887 (5, 10, 30, 50, 70, 90, 95 %, FBP), in K.
inline const double* d2887EightPoint() {
  static const double d[8] = {330.0, 350.0, 402.0, 452.0, 505.0, 575.0, 605.0, 645.0};
  return d;
}
// Four-point D1160 (IBP, 10, 30, 50 %), in K: a vacuum residue.
inline const double* d1160FourPoint() {
  static const double d[4] = {590.0, 640.0, 700.0, 745.0};
  return d;
}

// A cumulative TBP curve of n knots: fractions distilled x (0.01 to 0.99, ascending) and
// temperatures y (K) rising along a smooth, skewed distillation shape.
struct Curve {
  std::vector<double> x, y;
};
inline Curve tbpCurve(int n) {
  Curve c;
  for (int i = 0; i < n; ++i) {
    const double f = 0.01 + 0.98 * i / (n - 1);
    c.x.push_back(f);
    c.y.push_back(300.0 + 420.0 * std::pow(f, 0.85) + 40.0 * f * f * f);
  }
  return c;
}
// m evenly spaced query fractions over 0.02 to 0.98.
inline std::vector<double> queryFractions(int m) {
  std::vector<double> q;
  for (int i = 0; i < m; ++i) q.push_back(0.02 + 0.96 * i / (m - 1));
  return q;
}

// n components with NBPs from 300 to 800 K (ascending, as hosts usually list their
// pseudo-components) and fractions of a light crude, summing to 1.
struct Components {
  std::vector<double> nbp, fractions;
};
inline Components components(int n) {
  Components c;
  double total = 0.0;
  for (int i = 0; i < n; ++i) {
    const double t = n > 1 ? 300.0 + 500.0 * i / (n - 1) : 500.0;
    c.nbp.push_back(t);
    c.fractions.push_back(std::exp(-(t - 300.0) / 250.0));
    total += c.fractions.back();
  }
  for (double& f : c.fractions) f /= total;
  return c;
}
// Requested blend yields: 21 fractions 0 to 1 in 5 % steps.
inline std::vector<double> blendYields() {
  std::vector<double> y;
  for (int i = 0; i <= 20; ++i) y.push_back(i / 20.0);
  return y;
}

// A measured D86 laboratory curve of eleven points (fractions, K).
struct LabCurve {
  std::vector<double> fractions, temps;
};
inline LabCurve d86LabCurve() {
  return {{0.0, 0.05, 0.1, 0.2, 0.3, 0.5, 0.7, 0.8, 0.9, 0.95, 1.0},
          {310.0, 345.0, 362.0, 388.0, 410.0, 455.0, 500.0, 528.0, 560.0, 585.0, 615.0}};
}

// ---- Viscosity assays: the fixture shared with the tests and the example host ------

using AssayComponent = qira_assay::Component;
inline std::vector<AssayComponent> assay(int n) {
  return qira_assay::assay(QIRA_ASSAY_LIBRARY(QIRA_ASSAY_LINKED, none), n);
}
inline AssayComponent pseudoComponent(double tb) {
  return qira_assay::pseudoComponent(QIRA_ASSAY_LIBRARY(QIRA_ASSAY_LINKED, none), tb);
}

// A handler filled with the assay of n components in the host's documented order.
inline void fillHandler(ViscHandler& h, const std::vector<AssayComponent>& a, bool kinematic,
                        bool refutas) {
  qira_assay::fill(h, a);
  h.SetViscosityType(kinematic);
  h.SetUseRefutas(refutas);
}

}  // namespace qira_bench
