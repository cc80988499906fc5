// Example session: viscosity characterization of a small crude assay through the integer
// handles only: n-pentane plus six pseudo-components, two measured bulk viscosities of
// the whole crude, then the pseudo-components' hypo curves, their viscosities at 38, 50,
// 60 and 100 C and their thetas.
#include <cstdio>
#include <vector>

#include "sections.h"

namespace {

struct Component {
  double tb, tc, pc, vc, omega, mw, liqDen, wsrk, vchar, x;
  int hypo;
};

// Normal boiling point K, Tc K, Pc kPa, Vc m3/kmol, acentric factor, molecular weight,
// liquid density kg/m3, COSTALD acentric factor and volume, mole fraction, hypothetical.
const std::vector<Component> kAssay = {
    {309.2, 469.7, 3370, 0.3130, 0.2520, 72.2, 631.0, 0.2522, 0.3113, 0.08, 0},
    {380.0, 565.9, 3039, 0.4095, 0.2942, 103.5, 745.9, 0.2942, 0.4162, 0.22, 1},
    {450.0, 637.9, 2342, 0.5766, 0.4003, 141.7, 789.2, 0.4003, 0.5930, 0.20, 1},
    {520.0, 706.6, 1875, 0.7651, 0.5132, 185.3, 828.1, 0.5132, 0.7996, 0.17, 1},
    {600.0, 782.0, 1504, 0.9984, 0.6552, 241.8, 868.6, 0.6552, 1.0698, 0.14, 1},
    {680.0, 854.5, 1241, 1.2368, 0.8167, 305.0, 905.6, 0.8167, 1.3737, 0.11, 1},
    {760.0, 924.6, 1046, 1.4589, 1.0061, 375.0, 939.8, 1.0061, 1.7094, 0.08, 1}};

}  // namespace

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

  const int h = create();
  if (h < 1) {
    std::printf("no viscosity handler\n");
    return;
  }
  const int n = static_cast<int>(kAssay.size());
  setNumbComp(h, n);
  int hypoCount = 0;
  for (int i = 0; i < n; ++i) {
    const Component& c = kAssay[static_cast<std::size_t>(i)];
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
                toCelsius(kAssay[static_cast<std::size_t>(i)].tb), visc38(h, i), visc50(h, i),
                visc60(h, i), visc100(h, i), thetaA(h, i), thetaB(h, i));
  }
  remove(h);
}
