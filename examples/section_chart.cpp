// Example session: the picture. Writes qira_curves.svg (or the path in the environment
// variable QIRA_SVG) with two panels: a D86 laboratory curve, its TBP curve and its
// pseudo-component cut as steps; and the viscosity-temperature curves of a few
// pseudo-components on the Walther paper, from a viscosity handler run through the handles.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assay_fixture.h"
#include "sections.h"
#include "svg_chart.h"

namespace {

const char* const kPalette[] = {"#1f5fa8", "#d1495b", "#2e933c", "#e08e0b", "#7b4fa3", "#138a8a"};

// A light distillate's D86 laboratory curve: fraction distilled and temperature, C.
const std::vector<double> kLabFractions = {0.0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
const std::vector<double> kLabCelsius = {40, 72, 88, 124, 160, 198, 244, 264, 292};

svgchart::Panel distillationPanel(const QiraLibrary& lib) {
  auto d86ToTbp = QIRA_GET(lib, BlendD86toTBP);
  auto getD86Comp = QIRA_GET(lib, Blend_GetD86Comp);

  const int n = static_cast<int>(kLabFractions.size());
  std::vector<double> fractions = kLabFractions, temps;
  for (double c : kLabCelsius) temps.push_back(c + 273.15);

  svgchart::Panel panel;
  panel.title = "D86 laboratory curve, TBP curve and pseudo-component cut";
  panel.x = {"Volume distilled, %", 0, 100, svgchart::roundTicks(0, 100, 10, 0), {}};
  panel.legend = svgchart::LegendPlace::TopLeft;

  svgchart::Series lab{"D86 laboratory curve", kPalette[0], {}, {}, false, true, false};
  for (int i = 0; i < n; ++i) {
    lab.x.push_back(100 * kLabFractions[static_cast<std::size_t>(i)]);
    lab.y.push_back(kLabCelsius[static_cast<std::size_t>(i)]);
  }

  std::vector<double> tbp(9), tbpFractions(9);
  const int count = d86ToTbp(n, fractions.data(), temps.data(), tbp.data(), tbpFractions.data());
  svgchart::Series tbpSeries{"TBP curve (API 3A1.1)", kPalette[1], {}, {}, false, true, false};
  for (int i = 0; i < count; ++i) {
    if (tbp[static_cast<std::size_t>(i)] == QIRA_MISSING) continue;
    tbpSeries.x.push_back(100 * tbpFractions[static_cast<std::size_t>(i)]);
    tbpSeries.y.push_back(toCelsius(tbp[static_cast<std::size_t>(i)]));
  }

  // Pseudo-components every 20 C; each holds its cut's share at its own NBP.
  std::vector<double> nbp, share;
  for (double c = 20; c <= 340; c += 20) nbp.push_back(c + 273.15);
  share.assign(nbp.size(), -1.0);
  getD86Comp(n, fractions.data(), temps.data(), nbp.data(), share.data(),
             static_cast<int>(nbp.size()));
  svgchart::Series cut{"pseudo-components (cut)", kPalette[2], {}, {}, true, false, false};
  double cumulative = 0.0;
  if (share[0] >= 0.0) {
    for (std::size_t i = 0; i < nbp.size(); ++i) {
      cut.x.push_back(100 * cumulative);
      cut.y.push_back(toCelsius(nbp[i]));
      cumulative += share[i];
    }
    cut.x.push_back(100 * cumulative);
    cut.y.push_back(toCelsius(nbp.back()));
  }

  panel.series = {cut, lab, tbpSeries};
  double lo = 1e300, hi = -1e300;
  for (const auto& s : panel.series)
    for (double v : s.y) {
      lo = std::fmin(lo, v);
      hi = std::fmax(hi, v);
    }
  lo = std::floor(lo / 50) * 50;
  hi = std::ceil(hi / 50) * 50;
  panel.y = {"Temperature, C", lo, hi, svgchart::roundTicks(lo, hi, 8, 0), {}};
  panel.note = "Steps: each pseudo-component's share of the volume at its normal boiling point.";
  return panel;
}

// Pseudo-component data from the boiling point: the shared assay fixture's correlations.
using PseudoComponent = qira_assay::Component;
using qira_assay::pseudoComponent;


svgchart::Panel viscosityPanel(const QiraLibrary& lib) {
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
  auto getNumbHypoComp = QIRA_GET(lib, GetNumbHypoComp);
  auto getNHypoCurves = QIRA_GET(lib, GetNHypoCurves);
  auto getHypoCurves = QIRA_GET(lib, GetHypoViscCrvsAndBP);
  using Getter = double (*)(int, int);
  const Getter standard[4] = {QIRA_GET(lib, GetCpvVisc38), QIRA_GET(lib, GetCpvVisc50),
                              QIRA_GET(lib, GetCpvVisc60), QIRA_GET(lib, GetCpvVisc100)};
  const double standardCelsius[4] = {38, 50, 60, 100};
  // The Walther paper's scales are the library's own line (with its low-viscosity term).
  auto waltherOrdinate = QIRA_GET(lib, QiraRel_WaltherOrdinate);
  auto waltherAbscissa = QIRA_GET(lib, QiraRel_WaltherAbscissa);

  svgchart::Panel panel;
  panel.title = "Pseudo-component viscosity on the Walther paper";
  std::vector<svgchart::Tick> tempTicks;
  for (int c = 30; c <= 110; c += 10) tempTicks.push_back({double(c), std::to_string(c)});
  panel.x = {"Temperature, C (scale ln 1.8 T)", 30, 110, tempTicks,
             [waltherAbscissa](double celsius) { return waltherAbscissa(celsius + 273.15); }};
  panel.legend = svgchart::LegendPlace::BottomLeft;

  // Six pseudo-components of a gas oil to residue, all hypothetical.
  std::vector<PseudoComponent> comps;
  for (double tb = 480; tb <= 780; tb += 60) comps.push_back(pseudoComponent(tb));
  const int n = static_cast<int>(comps.size());
  const int h = create();
  if (h < 1) return panel;
  setNumbComp(h, n);
  for (int i = 0; i < n; ++i) {
    const PseudoComponent& c = comps[static_cast<std::size_t>(i)];
    setTc(h, i, static_cast<float>(c.tc));
    setPc(h, i, static_cast<float>(c.pc));
    setVc(h, i, static_cast<float>(c.vc));
    setOmega(h, i, static_cast<float>(c.omega));
    setMw(h, i, static_cast<float>(c.mw));
    setBoil(h, i, static_cast<float>(c.tb));
    setLiqDen(h, i, static_cast<float>(c.liqDen));
    setWsrk(h, i, static_cast<float>(c.omega));
    setVchar(h, i, static_cast<float>(c.vchar));
    setVsdata(h, i, static_cast<float>(1.0 / n));
    setDCompBPs(h, i, c.tb);
    setIsHypo(h, i, 1);
  }
  setNumbHypoComp(h, n);
  characterize(h);

  // The hypothetical components' boiling points as the handler reports them, in
  // component order, then each one's kinematic viscosities at the standard temperatures.
  const int hypo = getNumbHypoComp(h), k = getNHypoCurves(h);
  std::vector<double> bps(static_cast<std::size_t>(hypo > 0 ? hypo : 1));
  std::vector<std::vector<double>> curves(static_cast<std::size_t>(k > 0 ? k : 1),
                                          std::vector<double>(bps.size()));
  std::vector<double*> rows;
  for (auto& c : curves) rows.push_back(c.data());
  const bool haveCurves = hypo == n && k > 0 && getHypoCurves(h, rows.data(), bps.data()) == 1;

  double lo = 1e300, hi = -1e300;
  for (int i = 0; haveCurves && i < n; ++i) {
    char label[48];
    std::snprintf(label, sizeof label, "NBP %.0f C", toCelsius(bps[static_cast<std::size_t>(i)]));
    svgchart::Series s{label, kPalette[i % 6], {}, {}, false, true, false};
    for (int t = 0; t < 4; ++t) {
      const double nu = standard[t](h, i);
      if (nu == QIRA_MISSING || !(nu > 0)) continue;
      s.x.push_back(standardCelsius[t]);
      s.y.push_back(nu);
      lo = std::fmin(lo, nu);
      hi = std::fmax(hi, nu);
    }
    panel.series.push_back(s);
  }
  remove(h);

  const double steps[] = {0.5, 0.7, 1, 1.5, 2, 3, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 50000};
  // One round value below the lowest viscosity leaves room for the legend.
  double yMin = steps[0], yMax = 50000;
  for (std::size_t i = 1; i < sizeof steps / sizeof steps[0]; ++i)
    if (steps[i] <= lo) yMin = steps[i - 1];
  for (double v : steps)
    if (v >= hi) {
      yMax = v;
      break;
    }
  std::vector<svgchart::Tick> viscTicks;
  for (double v : steps)
    if (v >= yMin && v <= yMax) viscTicks.push_back({v, svgchart::formatNumber(v, v == std::floor(v) ? 0 : 1)});
  panel.y = {"Kinematic viscosity, cSt (Walther scale, ASTM D341)", yMin, yMax, viscTicks,
             waltherOrdinate};
  panel.note = "Points: viscosities at 38, 50, 60 and 100 C after CharacterizeViscosity.";
  return panel;
}

}  // namespace

void runChart(const QiraLibrary& lib) {
  const char* env = std::getenv("QIRA_SVG");
  const std::string path = env && *env ? env : "qira_curves.svg";
  svgchart::Chart chart(1280, 560, "QIRAPropCalculator: distillation cut and viscosity curves");
  chart.addPanel(distillationPanel(lib));
  chart.addPanel(viscosityPanel(lib));
  printHeading("Chart");
  if (chart.writeFile(path))
    std::printf("wrote %s (open it in a browser or an SVG viewer)\n", path.c_str());
  else
    std::printf("could not write %s\n", path.c_str());
}
