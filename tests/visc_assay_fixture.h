// A realistic assay for the viscosity handler tests: three light components with their
// real critical data and pseudo-components from 330 K to 850 K whose critical data,
// molecular weight and density follow from the boiling point at a Watson K of 11.8
// (Riazi-Daubert Tc, Pc and Mw, Edmister acentric factor, Pitzer critical volume,
// Hankinson-Thomson characteristic volume).
#pragma once

#include <cmath>
#include <vector>

#include "ViscHandler.h"

namespace visc_fixture {

struct Component {
  double tc, pc, vc, omega, mw, boil, liqDen, wsrk, vchar;
  bool hypo;
};

inline Component pseudoComponent(double tbK) {
  const double tbR = 1.8 * tbK;
  const double sg = std::cbrt(tbR) / 11.8;
  const double tcR = 24.2787 * std::pow(tbR, 0.58848) * std::pow(sg, 0.3596);
  const double pcPsia = 3.12281e9 * std::pow(tbR, -2.3125) * std::pow(sg, 2.3201);
  Component c{};
  c.tc = tcR / 1.8;
  c.pc = pcPsia * 6.894757;
  c.mw = 4.5673e-5 * std::pow(tbR, 2.1962) * std::pow(sg, -1.0164);
  c.omega = 3.0 / 7.0 * std::log10(pcPsia / 14.696) / (tcR / tbR - 1) - 1;
  c.vc = (0.2905 - 0.085 * c.omega) * 8.31432 * c.tc / c.pc;
  c.wsrk = c.omega;
  c.vchar = 8.31432 * c.tc / c.pc *
            (0.2905331 - 0.08057958 * c.wsrk + 0.02276965 * c.wsrk * c.wsrk);
  c.boil = tbK;
  c.liqDen = sg * 999.0;
  c.hypo = true;
  return c;
}

// Propane, n-butane, n-pentane, then nPseudo pseudo-components evenly from 330 to 850 K.
inline std::vector<Component> assayComponents(int nPseudo) {
  std::vector<Component> cs = {
      {369.83, 4248.0, 0.2, 0.1523, 44.097, 231.1, 507.0, 0.1532, 0.2001, false},
      {425.12, 3796.0, 0.255, 0.2002, 58.123, 272.65, 584.0, 0.2008, 0.2544, false},
      {469.7, 3370.0, 0.311, 0.2515, 72.15, 309.2, 631.0, 0.2522, 0.3113, false}};
  for (int k = 0; k < nPseudo; ++k)
    cs.push_back(pseudoComponent(330.0 + (850.0 - 330.0) * k / (nPseudo - 1)));
  return cs;
}

// Fills h in the host's order with the components: 0.02 of each light component, the
// rest shared equally by the pseudo-components.
inline void fillHandler(ViscHandler& h, const std::vector<Component>& cs) {
  const int n = static_cast<int>(cs.size());
  h.SetNumbComp(n);
  int nHypo = 0;
  for (const Component& c : cs) nHypo += c.hypo ? 1 : 0;
  const double light = 0.02;
  for (int i = 0; i < n; ++i) {
    const Component& c = cs[i];
    h.SetTc(i, static_cast<float>(c.tc));
    h.SetPc(i, static_cast<float>(c.pc));
    h.SetVc(i, static_cast<float>(c.vc));
    h.SetOmega(i, static_cast<float>(c.omega));
    h.SetMw(i, static_cast<float>(c.mw));
    h.SetBoil(i, static_cast<float>(c.boil));
    h.SetLiqDen(i, static_cast<float>(c.liqDen));
    h.SetWsrk(i, static_cast<float>(c.wsrk));
    h.SetVchar(i, static_cast<float>(c.vchar));
    const double x = c.hypo ? (1.0 - light * (n - nHypo)) / nHypo : light;
    h.SetVsdata(i, static_cast<float>(x));
    h.SetDCompBPs(i, c.boil);
    h.SetIsHypo(i, c.hypo ? 1 : 0);
  }
  h.SetNumbHypoComp(nHypo);
}

// Mole-fraction vector of component i alone.
inline std::vector<double> pure(int n, int i) {
  std::vector<double> e(n, 0.0);
  e[i] = 1.0;
  return e;
}

// The composition the handler holds in its evaluation records.
inline std::vector<double> heldComposition(const ViscHandler& h) {
  std::vector<double> x;
  for (const pc_vs_data& r : h.m_VsData) x.push_back(r.x);
  return x;
}

}  // namespace visc_fixture
