// The realistic crude assay shared by the viscosity tests, the benchmarks and the example
// host: n-butane, n-pentane and n-hexane with their tabulated critical data, then
// pseudo-components whose properties come from standard petroleum-fraction correlations
// of the normal boiling point at a Watson K of 11.8 (Riazi-Daubert molecular weight,
// critical temperature and pressure, Edmister acentric factor, Pitzer critical
// compressibility, Hankinson-Thomson characteristic volume). Plain data: no library
// header is needed, so a host that loads the library at run time can use it too.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace qira_assay {

struct Component {
  double tb;      // normal boiling point, K
  double tc;      // K
  double pc;      // kPa
  double vc;      // m3/kmol
  double omega;
  double mw;
  double liqDen;  // kg/m3
  double wsrk;    // SRK acentric factor (COSTALD)
  double vchar;   // characteristic volume, m3/kmol (COSTALD)
  double x;       // mole fraction
  int hypo;       // 1 for a pseudo-component
};

inline Component pseudoComponent(double tb) {
  const double sg = std::cbrt(1.8 * tb) / 11.8;
  const double mw = 1.6607e-4 * std::pow(tb, 2.1962) * std::pow(sg, -1.0164);
  const double tc = 19.06232 * std::pow(tb, 0.58848) * std::pow(sg, 0.3596);
  const double pc = 3.12281e9 * std::pow(1.8 * tb, -2.3125) * std::pow(sg, 2.3201) * 6.894757;
  const double omega = 3.0 / 7.0 * std::log10(pc / 101.325) / (tc / tb - 1) - 1;
  const double vc = (0.2918 - 0.0928 * omega) * 8.314 * tc / pc;
  const double vchar = 8.314 * tc / pc * (0.2905331 - 0.08057958 * omega + 0.02276965 * omega * omega);
  return {tb, tc, pc, vc, omega, mw, sg * 999.0, omega, vchar, 0.0, 1};
}

// n components: the three light ends (0.02, 0.03, 0.03), then n - 3 pseudo-components
// from 340 to 840 K in ascending boiling point sharing the rest, falling off towards the
// heavy end. Mole fractions sum to 1. n = 19 is the standard test assay.
inline std::vector<Component> assay(int n = 19) {
  std::vector<Component> a = {
      {272.65, 425.12, 3796.0, 0.255, 0.200, 58.12, 584.0, 0.2008, 0.2547, 0.02, 0},
      {309.22, 469.70, 3370.0, 0.313, 0.252, 72.15, 631.0, 0.2522, 0.3113, 0.03, 0},
      {341.88, 507.60, 3025.0, 0.371, 0.301, 86.18, 664.0, 0.3007, 0.3682, 0.03, 0}};
  const int pseudo = n - 3;
  std::vector<double> w;
  double total = 0.0;
  for (int k = 0; k < pseudo; ++k) {
    const double tb = pseudo > 1 ? 340.0 + k * (500.0 / (pseudo - 1)) : 500.0;
    a.push_back(pseudoComponent(tb));
    w.push_back(std::exp(-(tb - 340.0) / 300.0));
    total += w.back();
  }
  for (int k = 0; k < pseudo; ++k)
    a[static_cast<std::size_t>(3 + k)].x = 0.92 * w[static_cast<std::size_t>(k)] / total;
  return a;
}

// Fills a handler-like sink (the ViscHandler class, or an adapter over the handle
// functions) in the host's documented order.
template <typename Sink>
void fill(Sink& s, const std::vector<Component>& a) {
  s.SetNumbComp(static_cast<int>(a.size()));
  int hypos = 0;
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    const Component& c = a[static_cast<std::size_t>(i)];
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
    hypos += c.hypo != 0;
  }
  s.SetNumbHypoComp(hypos);
}

}  // namespace qira_assay
