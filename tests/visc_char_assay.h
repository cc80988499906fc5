// A realistic crude assay for the viscosity characterization tests: three light
// components with their tabulated critical data and sixteen pseudo-components from 340
// to 840 K whose properties come from standard petroleum-fraction correlations
// (Watson K 11.8 gravity, Riazi-Daubert molecular weight and critical temperature,
// Riazi-Daubert critical pressure, Edmister acentric factor, Pitzer critical
// compressibility, Hankinson-Thomson characteristic volume).
#pragma once

#include <cmath>
#include <vector>

namespace visc_test {

struct AssayComponent {
  double tb;      // normal boiling point, K
  double tc;      // K
  double pc;      // kPa
  double vc;      // m3/kmol
  double omega;
  double mw;
  double liqDen;  // kg/m3
  double wsrk;
  double vchar;   // m3/kmol
  double x;       // mole fraction
  int hypo;       // 1 for a pseudo-component
};

inline AssayComponent pseudoComponent(double tb) {
  const double kw = 11.8;
  const double sg = std::cbrt(1.8 * tb) / kw;
  const double mw = 1.6607e-4 * std::pow(tb, 2.1962) * std::pow(sg, -1.0164);
  const double tc = 19.06232 * std::pow(tb, 0.58848) * std::pow(sg, 0.3596);
  const double pcPsia = 3.12281e9 * std::pow(1.8 * tb, -2.3125) * std::pow(sg, 2.3201);
  const double pc = pcPsia * 6.894757;
  const double omega = 3.0 / 7.0 * std::log10(pc / 101.325) / (tc / tb - 1) - 1;
  const double zc = 0.2918 - 0.0928 * omega;
  const double vc = zc * 8.314 * tc / pc;
  const double vchar = 8.314 * tc / pc * (0.2905331 - 0.08057958 * omega + 0.02276965 * omega * omega);
  return {tb, tc, pc, vc, omega, mw, sg * 999.0, omega, vchar, 0.0, 1};
}

// The assay in component order: n-butane, n-pentane, n-hexane, then the
// pseudo-components in ascending boiling point. Mole fractions sum to 1.
inline std::vector<AssayComponent> realisticAssay() {
  std::vector<AssayComponent> a = {
      {272.65, 425.12, 3796.0, 0.255, 0.200, 58.12, 584.0, 0.2008, 0.2547, 0.02, 0},
      {309.22, 469.70, 3370.0, 0.313, 0.252, 72.15, 631.0, 0.2522, 0.3113, 0.03, 0},
      {341.88, 507.60, 3025.0, 0.371, 0.301, 86.18, 664.0, 0.3007, 0.3682, 0.03, 0}};
  std::vector<double> weights;
  double total = 0.0;
  for (int k = 0; k < 16; ++k) {
    const double tb = 340.0 + k * (500.0 / 15.0);
    a.push_back(pseudoComponent(tb));
    weights.push_back(std::exp(-(tb - 340.0) / 300.0));
    total += weights.back();
  }
  for (int k = 0; k < 16; ++k) a[static_cast<std::size_t>(3 + k)].x = 0.92 * weights[static_cast<std::size_t>(k)] / total;
  return a;
}

inline int hypoCount(const std::vector<AssayComponent>& a) {
  int h = 0;
  for (const auto& c : a) h += c.hypo != 0;
  return h;
}

// Fills any handler-like target in the host's documented order through a setter object
// with the handle interface's per-component calls (class or handles).
template <typename Sink>
void fillAssay(Sink& s, const std::vector<AssayComponent>& a) {
  s.SetNumbComp(static_cast<int>(a.size()));
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    const AssayComponent& c = a[static_cast<std::size_t>(i)];
    s.SetTc(i, static_cast<float>(c.tc));
    s.SetPc(i, static_cast<float>(c.pc));
    s.SetVc(i, static_cast<float>(c.vc));
    s.SetOmega(i, static_cast<float>(c.omega));
    s.SetMw(i, static_cast<float>(c.mw));
    s.SetBoil(i, static_cast<float>(c.tb));
    s.SetLiqDen(i, static_cast<float>(c.liqDen));
    s.SetWsrk(i, static_cast<float>(c.wsrk));
    s.SetVchar(i, static_cast<float>(c.vchar));
    s.SetThetaA(i, 0.0f);
    s.SetThetaB(i, 0.0f);
    s.SetTypeHc(i, true);
    s.SetVsdata(i, static_cast<float>(c.x));
    s.SetDCompBPs(i, c.tb);
    s.SetIsHypo(i, c.hypo);
  }
  s.SetNumbHypoComp(hypoCount(a));
}

}  // namespace visc_test
