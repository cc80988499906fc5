// The realistic crude assay shared by the viscosity tests, the benchmarks and the example
// host: n-butane, isopentane and n-pentane from the library's light-ends table, then
// pseudo-components of Watson K 11.8 whose properties the library's own correlations give
// from the normal boiling point, as its cut table does: Riazi-Daubert (1980) MW and
// critical temperature, pressure and volume, the Kesler-Lee (1976) acentric factor and
// the Hankinson-Thomson (1979) COSTALD pair; liquid density SG x water at 60 F.
//
// The library comes in as a table of its functions (Library), so that a program linked
// with it and a host that loads it at run time build the same assay:
//   linked:  const qira_assay::Library lib = QIRA_ASSAY_LIBRARY(QIRA_ASSAY_LINKED, none);
//   loaded:  const qira_assay::Library lib = QIRA_ASSAY_LIBRARY(QIRA_GET, loaded);
#pragma once

#include <cmath>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "QIRAAssay.h"
#include "QIRACriticalProps.h"
#include "QIRARelations.h"
#include "frame/constants.h"

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

// The library's functions the fixture calls.
struct Library {
  decltype(&QiraRel_WatsonK) watsonK;
  decltype(&QiraRel_MwRiaziDaubert1980) mw;
  decltype(&QiraCrit_TcRiaziDaubert1980) tc;
  decltype(&QiraCrit_PcRiaziDaubert1980) pc;
  decltype(&QiraCrit_VcRiaziDaubert1980) vc;
  decltype(&QiraCrit_AcentricKeslerLee1976) omega;
  decltype(&QiraCrit_CostaldOmegaHT1979) omegaSrk;
  decltype(&QiraCrit_CostaldVolumeHT1979) vstar;
  decltype(&QiraAssay_LightEndCount) lightEndCount;
  decltype(&QiraAssay_LightEnd) lightEnd;
};

// The table of functions, each found by get(from, name): QIRA_ASSAY_LINKED in a program
// linked with the library, a lookup by exported name in a host that loads it (the example
// host's QIRA_GET(lib, name)).
#define QIRA_ASSAY_LINKED(unused, name) (&name)
#define QIRA_ASSAY_LIBRARY(get, from)                                                  \
  qira_assay::Library {                                                                \
    get(from, QiraRel_WatsonK), get(from, QiraRel_MwRiaziDaubert1980),                 \
        get(from, QiraCrit_TcRiaziDaubert1980), get(from, QiraCrit_PcRiaziDaubert1980), \
        get(from, QiraCrit_VcRiaziDaubert1980), get(from, QiraCrit_AcentricKeslerLee1976), \
        get(from, QiraCrit_CostaldOmegaHT1979), get(from, QiraCrit_CostaldVolumeHT1979), \
        get(from, QiraAssay_LightEndCount), get(from, QiraAssay_LightEnd)              \
  }

// Watson K of the pseudo-components.
constexpr double kWatsonK = 11.8;

// A value the library gave, or an error naming what it could not give.
inline double given(double value, const char* what, double tb) {
  if (value == QIRA_MISSING)
    throw std::runtime_error(std::string("the library gives no ") + what + " at Tb " +
                             std::to_string(tb) + " K");
  return value;
}

// The COSTALD pair of a component whose tb, tc and pc are set.
inline void costald(const Library& lib, Component& c) {
  c.wsrk = given(lib.omegaSrk(c.tb, c.tc, c.pc), "SRK acentric factor", c.tb);
  c.vchar = given(lib.vstar(c.tc, c.pc, c.wsrk), "COSTALD volume", c.tb);
}

// A pseudo-component boiling at tb (K): SG from Watson K 11.8 (the gravity at which
// Kw = Tb[R]^(1/3) / SG is 11.8), the rest from the library's correlations.
inline Component pseudoComponent(const Library& lib, double tb) {
  Component c{};
  const double sg = lib.watsonK(tb, 1.0) / kWatsonK;
  c.tb = tb;
  c.mw = given(lib.mw(tb, sg), "MW", tb);
  c.tc = given(lib.tc(tb, sg), "Tc", tb);
  c.pc = given(lib.pc(tb, sg), "Pc", tb);
  c.vc = given(lib.vc(tb, sg), "Vc", tb);
  c.omega = given(lib.omega(tb, sg, c.tc, c.pc), "acentric factor", tb);
  c.liqDen = sg * qira::kWaterDensity60F;
  costald(lib, c);
  c.hypo = 1;
  return c;
}

// The light end `name` of the library's table.
inline Component lightEnd(const Library& lib, const char* name) {
  for (int i = 0; i < lib.lightEndCount(); ++i) {
    char found[32] = "";
    double k[7] = {0};  // NBP, SG, MW, Tc, Pc, Vc, omega
    if (lib.lightEnd(i, found, sizeof found, nullptr, k) != QIRA_ASSAY_OK ||
        std::strcmp(found, name) != 0)
      continue;
    Component c{k[0], k[3], k[4], k[5], k[6], k[2], k[1] * qira::kWaterDensity60F,
                0.0,  0.0,  0.0,  0};
    costald(lib, c);
    return c;
  }
  throw std::runtime_error(std::string("the light-ends table has no ") + name);
}

// n components: three light ends (0.02, 0.03, 0.03), then n - 3 pseudo-components from
// 340 to 840 K in ascending boiling point sharing the rest, falling off towards the heavy
// end. Mole fractions sum to 1. n = 19 is the standard test assay.
inline std::vector<Component> assay(const Library& lib, int n = 19) {
  std::vector<Component> a;
  const char* lights[] = {"n-butane", "isopentane", "n-pentane"};
  const double shares[] = {0.02, 0.03, 0.03};
  for (int i = 0; i < 3; ++i) {
    a.push_back(lightEnd(lib, lights[i]));
    a.back().x = shares[i];
  }
  const int pseudo = n - 3;
  std::vector<double> w;
  double total = 0.0;
  for (int k = 0; k < pseudo; ++k) {
    const double tb = pseudo > 1 ? 340.0 + k * (500.0 / (pseudo - 1)) : 500.0;
    a.push_back(pseudoComponent(lib, tb));
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
