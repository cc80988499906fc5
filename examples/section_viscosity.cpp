// Example session: viscosity characterization of a small crude assay through the integer
// handles only: the assay shared with the tests and the benchmarks (light ends and seven
// pseudo-components), two measured bulk viscosities of the whole crude, then the
// pseudo-components' hypo curves, their viscosities at 38, 50, 60 and 100 C and thetas.
#include <cstdio>
#include <vector>

#include "support/assay_fixture.h"
#include "sections.h"

void runViscosity(const QiraLibrary& lib) {
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
  auto setThetaA = QIRA_GET(lib, SetThetaA);
  auto setThetaB = QIRA_GET(lib, SetThetaB);
  auto setVsdata = QIRA_GET(lib, SetVsdata);
  auto setDCompBPs = QIRA_GET(lib, SetDCompBPs);
  auto setIsHypo = QIRA_GET(lib, SetIsHypo);
  auto setMyBulkValues = QIRA_GET(lib, SetMyBulkValues);
  auto getNHypoCurves = QIRA_GET(lib, GetNHypoCurves);
  auto getNumbHypoComp = QIRA_GET(lib, GetNumbHypoComp);
  auto getNumbBulkPts = QIRA_GET(lib, GetNumbBulkPts);
  auto getHypoTempCrvs = QIRA_GET(lib, GetHypoTempCrvs);
  auto getBulkTemp = QIRA_GET(lib, GetBulkTemp);
  auto getBulkValues = QIRA_GET(lib, GetBulkValues);
  auto getCalcBulkValues = QIRA_GET(lib, GetCalcBulkValues);
  auto getHypoCurves = QIRA_GET(lib, GetHypoViscCrvsAndBP);
  auto visc38 = QIRA_GET(lib, GetCpvVisc38);
  auto visc50 = QIRA_GET(lib, GetCpvVisc50);
  auto visc60 = QIRA_GET(lib, GetCpvVisc60);
  auto visc100 = QIRA_GET(lib, GetCpvVisc100);
  auto thetaA = QIRA_GET(lib, GetThetaA);
  auto thetaB = QIRA_GET(lib, GetThetaB);
  auto isHypo = QIRA_GET(lib, IsHypo);
  // The realistic assay shared with the tests and the benchmarks: the light ends and seven
  // pseudo-components from 340 to 840 K, from the library's table and correlations.
  const std::vector<qira_assay::Component> crude =
      qira_assay::assay(QIRA_ASSAY_LIBRARY(QIRA_GET, lib), 10);

  const int h = create();
  if (h < 1) {
    std::printf("no viscosity handler\n");
    return;
  }
  const int n = static_cast<int>(crude.size());
  setNumbComp(h, n);
  int hypoCount = 0;
  for (int i = 0; i < n; ++i) {
    const qira_assay::Component& c = crude[static_cast<std::size_t>(i)];
    setTc(h, i, static_cast<float>(c.tc));
    setPc(h, i, static_cast<float>(c.pc));
    setVc(h, i, static_cast<float>(c.vc));
    setOmega(h, i, static_cast<float>(c.omega));
    setMw(h, i, static_cast<float>(c.mw));
    setBoil(h, i, static_cast<float>(c.tb));
    setLiqDen(h, i, static_cast<float>(c.liqDen));
    setWsrk(h, i, static_cast<float>(c.wsrk));
    setVchar(h, i, static_cast<float>(c.vchar));
    setThetaA(h, i, 0.0f);
    setThetaB(h, i, 0.0f);
    setVsdata(h, i, static_cast<float>(c.x));
    setDCompBPs(h, i, c.tb);
    setIsHypo(h, i, c.hypo);
    hypoCount += c.hypo;
  }
  setNumbHypoComp(h, hypoCount);
  // Dynamic viscosities (cP) of the whole crude measured at 20 and 60 C.
  const double bulkTemps[2] = {20.0, 60.0};
  const double bulkValues[2] = {9.0, 3.2};
  setMyBulkValues(h, 2, bulkTemps, bulkValues);
  characterize(h);

  const int k = getNHypoCurves(h);
  const int hypo = getNumbHypoComp(h);
  const double* temps = getHypoTempCrvs(h);
  printHeading("Viscosity characterization: measured and calculated bulk viscosity, cP");
  std::printf("%8s %10s %12s\n", "T, C", "measured", "calculated");
  for (int j = 0; j < getNumbBulkPts(h); ++j)
    std::printf("%8.1f %10.4f %12.4f\n", getBulkTemp(h)[j], getBulkValues(h)[j],
                getCalcBulkValues(h)[j]);

  std::vector<std::vector<double>> curves(static_cast<std::size_t>(k),
                                          std::vector<double>(static_cast<std::size_t>(hypo)));
  std::vector<double*> rows;
  for (auto& c : curves) rows.push_back(c.data());
  std::vector<double> bps(static_cast<std::size_t>(hypo));
  if (k < 1 || hypo < 1 || getHypoCurves(h, rows.data(), bps.data()) != 1) {
    std::printf("no hypo curves\n");
    remove(h);
    return;
  }

  printHeading("Pseudo-component hypo curves, cP");
  std::printf("%10s", "NBP, C");
  for (int j = 0; j < k; ++j) std::printf("   at %5.1f C", temps[j]);
  std::printf("\n");
  for (int o = 0; o < hypo; ++o) {
    std::printf("%10.1f", toCelsius(bps[static_cast<std::size_t>(o)]));
    for (int j = 0; j < k; ++j) std::printf(" %13.4f", curves[static_cast<std::size_t>(j)][static_cast<std::size_t>(o)]);
    std::printf("\n");
  }

  printHeading("Pseudo-component kinematic viscosity, cSt, and viscosity thetas");
  std::printf("%10s %11s %11s %11s %11s %10s %10s\n", "NBP, C", "38 C", "50 C", "60 C",
              "100 C", "theta A", "theta B");
  for (int i = 0; i < n; ++i) {
    if (isHypo(h, i) == 0) continue;
    std::printf("%10.1f %11.4f %11.4f %11.4f %11.4f %10.5f %10.5f\n",
                toCelsius(crude[static_cast<std::size_t>(i)].tb), visc38(h, i), visc50(h, i),
                visc60(h, i), visc100(h, i), thetaA(h, i), thetaB(h, i));
  }
  remove(h);
}
