// Example session: the picture. A D86 laboratory curve with a light end is converted to
// TBP, cut into pseudo-components, their viscosities estimated by a viscosity handler, and
// the whole drawn by the library's chart builder into qira_curves.svg (or the path in the
// environment variable QIRA_SVG).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "QIRAChart.h"
#include "support/assay_fixture.h"
#include "sections.h"

namespace {

// A light distillate's D86 laboratory curve: fraction distilled and temperature, C; the
// curve describes the stream less its n-butane (2 % by volume).
const std::vector<double> kLabFractions = {0.0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
const std::vector<double> kLabCelsius = {40, 72, 88, 124, 160, 198, 244, 264, 292};
const double kButaneNbp = 272.66, kButaneFraction = 0.02;
// Upper cut temperatures, C; the last cut ends at the TBP curve's final point.
const std::vector<double> kCutUppers = {80, 120, 160, 200, 240};

struct Staircase {
  std::vector<double> tbp, tbpFractions;            // K, fractions of the curve's material
  std::vector<double> boundaries, nbp, fractions;   // K, K, fractions of the whole stream
};

Staircase cutCurve(const QiraLibrary& lib) {
  auto d86ToTbp = QIRA_GET(lib, BlendD86toTBP);
  auto getD86Comp = QIRA_GET(lib, Blend_GetD86Comp);
  auto tbpAt = QIRA_GET(lib, Blend_GetTBPFromYield);
  const int n = static_cast<int>(kLabFractions.size());
  std::vector<double> fractions = kLabFractions, temps;
  for (double c : kLabCelsius) temps.push_back(c + 273.15);

  Staircase s;
  s.tbp.assign(9, 0.0);
  s.tbpFractions.assign(9, 0.0);
  const int m = d86ToTbp(n, fractions.data(), temps.data(), s.tbp.data(), s.tbpFractions.data());
  s.tbp.resize(static_cast<std::size_t>(m));
  s.tbpFractions.resize(static_cast<std::size_t>(m));

  std::vector<double> uppers;
  for (double c : kCutUppers) uppers.push_back(c + 273.15);
  uppers.push_back(s.tbp.back());
  std::vector<double> share(uppers.size(), 0.0);
  getD86Comp(n, fractions.data(), temps.data(), uppers.data(), share.data(),
             static_cast<int>(uppers.size()));

  // mid-cut NBP: the TBP temperature at the middle of each cut's volume
  std::vector<double> middles;
  double cumulative = 0.0;
  for (double x : share) {
    middles.push_back(cumulative + x / 2);
    cumulative += x;
  }
  s.nbp.assign(share.size(), 0.0);
  tbpAt(s.tbp.data(), s.tbpFractions.data(), m, s.nbp.data(), middles.data(),
        static_cast<int>(middles.size()));
  s.boundaries.push_back(s.tbp.front());
  s.boundaries.insert(s.boundaries.end(), uppers.begin(), uppers.end());
  for (double x : share) s.fractions.push_back((1 - kButaneFraction) * x);
  return s;
}

// Kinematic viscosities at 38 and 100 C of pseudo-components at the given NBPs (K), from
// a viscosity handler filled with the shared fixture's correlations.
std::vector<std::pair<double, double>> standardViscosities(const QiraLibrary& lib,
                                                           const std::vector<double>& nbp) {
  auto create = QIRA_GET(lib, CreateViscHandler);
  auto remove = QIRA_GET(lib, DeleteViscHandler);
  auto characterize = QIRA_GET(lib, CharacterizeViscosity);
  auto setNumbComp = QIRA_GET(lib, SetNumbComp);
  auto setNumbHypoComp = QIRA_GET(lib, SetNumbHypoComp);
  auto setTc = QIRA_GET(lib, SetTc);
  auto setPc = QIRA_GET(lib, SetPc);
  auto setVc = QIRA_GET(lib, SetVc);
  auto setOmega = QIRA_GET(lib, SetOmega);
  auto setMw = QIRA_GET(lib, SetMw);
  auto setBoil = QIRA_GET(lib, SetBoil);
  auto setLiqDen = QIRA_GET(lib, SetLiqDen);
  auto setWsrk = QIRA_GET(lib, SetWsrk);
  auto setVchar = QIRA_GET(lib, SetVchar);
  auto setVsdata = QIRA_GET(lib, SetVsdata);
  auto setDCompBPs = QIRA_GET(lib, SetDCompBPs);
  auto setIsHypo = QIRA_GET(lib, SetIsHypo);
  auto visc38 = QIRA_GET(lib, GetCpvVisc38);
  auto visc100 = QIRA_GET(lib, GetCpvVisc100);

  const qira_assay::Library library = QIRA_ASSAY_LIBRARY(QIRA_GET, lib);
  std::vector<std::pair<double, double>> out;
  const int n = static_cast<int>(nbp.size());
  const int h = create();
  if (h < 1) return out;
  setNumbComp(h, n);
  for (int i = 0; i < n; ++i) {
    const qira_assay::Component c =
        qira_assay::pseudoComponent(library, nbp[static_cast<std::size_t>(i)]);
    setTc(h, i, static_cast<float>(c.tc));
    setPc(h, i, static_cast<float>(c.pc));
    setVc(h, i, static_cast<float>(c.vc));
    setOmega(h, i, static_cast<float>(c.omega));
    setMw(h, i, static_cast<float>(c.mw));
    setBoil(h, i, static_cast<float>(c.tb));
    setLiqDen(h, i, static_cast<float>(c.liqDen));
    setWsrk(h, i, static_cast<float>(c.wsrk));
    setVchar(h, i, static_cast<float>(c.vchar));
    setVsdata(h, i, static_cast<float>(1.0 / n));
    setDCompBPs(h, i, c.tb);
    setIsHypo(h, i, 1);
  }
  setNumbHypoComp(h, n);
  characterize(h);
  for (int i = 0; i < n; ++i) out.push_back({visc38(h, i), visc100(h, i)});
  remove(h);
  return out;
}

// The chart's SVG text, or "" when the builder refused something (its message printed).
std::string drawChart(const QiraLibrary& lib, const Staircase& s,
                      const std::vector<std::pair<double, double>>& visc) {
  auto create = QIRA_GET(lib, QiraChart_Create);
  auto release = QIRA_GET(lib, QiraChart_Free);
  auto setText = QIRA_GET(lib, QiraChart_SetText);
  auto addCurve = QIRA_GET(lib, QiraChart_AddCurve);
  auto setCuts = QIRA_GET(lib, QiraChart_SetCuts);
  auto addLightEnd = QIRA_GET(lib, QiraChart_AddLightEnd);
  auto addLine = QIRA_GET(lib, QiraChart_AddViscosityLine);
  auto render = QIRA_GET(lib, QiraChart_Render);
  auto lastError = QIRA_GET(lib, QiraChart_LastError);

  QiraChart* chart = create();
  if (!chart) return "";
  std::vector<double> labK;
  for (double c : kLabCelsius) labK.push_back(c + 273.15);
  int rc = setText(chart, "Light distillate: D86 curve, TBP and pseudo-component cut",
                   "TBP from D86 by API 3A1.1. Cuts: volume fractions by the D86 cutter "
                   "(Blend_GetD86Comp), mid-cut NBP at the middle of each cut's volume "
                   "(Blend_GetTBPFromYield). Viscosities at 38 and 100 C: the viscosity "
                   "handler's estimates for pseudo-components of Watson K 11.8 with "
                   "Riazi-Daubert critical constants, drawn on ASTM D341 (Walther) paper.");
  rc |= addCurve(chart, "laboratory D86 readings", static_cast<int>(labK.size()),
                 kLabFractions.data(), labK.data(), nullptr, QIRA_CHART_POINTS);
  rc |= addCurve(chart, "TBP (API 3A1.1)", static_cast<int>(s.tbp.size()),
                 s.tbpFractions.data(), s.tbp.data(), nullptr, QIRA_CHART_LINE);
  rc |= addLightEnd(chart, "n-butane", kButaneNbp, kButaneFraction);
  rc |= setCuts(chart, static_cast<int>(s.nbp.size()), s.boundaries.data(), s.nbp.data(),
                s.fractions.data(), nullptr);
  for (std::size_t i = 0; i < visc.size(); ++i) {
    char label[32];
    std::snprintf(label, sizeof label, "%.0f C", toCelsius(s.nbp[i]));
    rc |= addLine(chart, label, visc[i].first, visc[i].second);
  }
  std::string svg;
  int needed = 0;
  if (rc == QIRA_CHART_OK && render(chart, nullptr, 0, &needed) == QIRA_CHART_BUFFER_TOO_SMALL) {
    svg.assign(static_cast<std::size_t>(needed), '\0');
    if (render(chart, &svg[0], needed, &needed) == QIRA_CHART_OK) svg.resize(svg.size() - 1);
    else svg.clear();
  } else {
    char message[256];
    lastError(chart, message, sizeof message, nullptr);
    std::printf("the chart builder refused: %s\n", message);
  }
  release(chart);
  return svg;
}

}  // namespace

void runChart(const QiraLibrary& lib) {
  const char* env = std::getenv("QIRA_SVG");
  const std::string path = env && *env ? env : "qira_curves.svg";
  printHeading("Chart: pseudo-components of a light distillate");
  const Staircase s = cutCurve(lib);
  const auto visc = standardViscosities(lib, s.nbp);
  std::printf("%7s %7s %7s %8s %9s %9s\n", "from C", "to C", "NBP C", "vol %", "cSt 38C", "cSt 100C");
  for (std::size_t i = 0; i < s.nbp.size(); ++i)
    std::printf("%7.1f %7.1f %7.1f %8.3f %9.4f %9.4f\n", toCelsius(s.boundaries[i]),
                toCelsius(s.boundaries[i + 1]), toCelsius(s.nbp[i]), 100 * s.fractions[i],
                i < visc.size() ? visc[i].first : QIRA_MISSING,
                i < visc.size() ? visc[i].second : QIRA_MISSING);
  const std::string svg = drawChart(lib, s, visc);
  FILE* file = svg.empty() ? nullptr : std::fopen(path.c_str(), "wb");
  bool written = false;
  if (file) {
    written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    written = std::fclose(file) == 0 && written;
  }
  if (written)
    std::printf("wrote %s (open it in a browser or an SVG viewer)\n", path.c_str());
  else
    std::printf("could not write %s\n", path.c_str());
}
