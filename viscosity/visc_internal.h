// Internal helpers of the viscosity handler shared by its source files: bounded counts
// over the handler's arrays, checked element access, and the assay composition kept in
// the evaluation records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "ViscHandler.h"
#include "frame/constants.h"
#include "frame/missing.h"

namespace qira {
namespace visc {

// An index already checked to be non-negative, as a container position.
inline std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Pressure of every characterization step, kPa.
constexpr double kCharacterizationPressure = kStandardAtmosphere;

// Mole fractions of at most this size do not count in the crude-oil correlation.
constexpr double kCountingFraction = 1e-7;

// The smaller of n and the size of every given array, never below 0: the number of
// entries a loop over "n components" may touch without leaving any of the arrays.
inline int boundedCount(int n) { return n < 0 ? 0 : n; }
template <typename V, typename... Rest>
int boundedCount(int n, const V& first, const Rest&... rest) {
  const int size = static_cast<int>(std::min<std::size_t>(first.size(), 0x7fffffff));
  return boundedCount(std::min(n, size), rest...);
}

// True when i indexes an element of v.
template <typename V>
bool inRange(const V& v, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < v.size();
}

// Element i of v, or fallback when i lies outside v.
template <typename T>
T valueAt(const std::vector<T>& v, int i, T fallback) {
  return inRange(v, i) ? v[static_cast<std::size_t>(i)] : fallback;
}

// Component i's property record, or null when the handler has none for i.
inline pc_comp_data* record(ViscHandler& h, int i) {
  return inRange(h.m_CompData, i) ? h.m_CompData[static_cast<std::size_t>(i)].get() : nullptr;
}

// Number of components the handler can evaluate: m_NumbComp bounded by its
// per-component arrays.
inline int componentCount(const ViscHandler& h) {
  return boundedCount(h.m_NumbComp, h.m_VsData, h.m_CompData);
}

// The composition held in the x fields of the evaluation records (the assay's own
// composition between calculations).
inline std::vector<double> storedComposition(const ViscHandler& h) {
  std::vector<double> x;
  x.reserve(h.m_VsData.size());
  for (const pc_vs_data& r : h.m_VsData) x.push_back(r.x);
  return x;
}

// Writes the first entries of x into the x fields of the evaluation records.
inline void storeComposition(ViscHandler& h, const std::vector<double>& x) {
  const std::size_t n = std::min(x.size(), h.m_VsData.size());
  for (std::size_t i = 0; i < n; ++i) h.m_VsData[i].x = x[i];
}

// Mole-fraction vector of component i alone: 1.0 at i, 0.0 elsewhere.
inline std::vector<double> pureComponent(int n, int i) {
  std::vector<double> e(static_cast<std::size_t>(boundedCount(n)), 0.0);
  if (inRange(e, i)) e[static_cast<std::size_t>(i)] = 1.0;
  return e;
}

// Mass density (kg/m3) by the rule of LiquidMassDensity, for an owned vector of mole
// fractions of the handler's component count.
inline double massDensity(ViscHandler& h, double t, double p, std::vector<double>& x) {
  return h.LiquidMassDensity(t, p, x.data());
}

// Mass density (kg/m3) from a molar density and a molecular weight; missing when either
// is missing.
inline double massFromMolarDensity(double rhom, double mw) {
  if (rhom == kMissing || mw == kMissing) return kMissing;
  return mw * rhom;
}

// Kinematic viscosity (cSt) from a dynamic one (cP) and a mass density (kg/m3); missing
// when either is missing or the density is zero.
inline double kinematicFrom(double dynamic, double density) {
  if (dynamic == kMissing || density == kMissing || density == 0.0) return kMissing;
  return dynamic / density * 1000;
}

// The COSTALD inputs of the handler's component records (widened to double, 0.0 without
// a record), read once by a calculation that needs many mixture densities.
struct DensityColumns {
  std::vector<double> tc, pc, vchar, wsrk;
};
DensityColumns densityColumns(const ViscHandler& h);

// Liquid molar density (kmol/m3) at t (C) and p (kPa) of the mole fractions x, by the
// rule of LiquidMolarDensity, from columns read once.
double molarDensity(const DensityColumns& c, double t, double p, const double* x);

}  // namespace visc
}  // namespace qira
