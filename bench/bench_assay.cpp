// The assay family's cut table (8 and 50 cuts of the example diesel's D86 curve, with and
// without bulk viscosities) and a two-stream blend, each beside the same library calls
// composed by hand as a host would make them: the laboratory-curve cutter, the mid-cut
// TBP reading, MW and critical properties per cut and a viscosity handler filled with the
// cuts; for the blend, the two cutters on the common grid and the curve and index blends.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "QIRAAssay.h"
#include "QIRABlends.h"
#include "QIRACharacterization.h"
#include "QIRACriticalProps.h"
#include "QIRACutting.h"
#include "QIRAGrids.h"
#include "QIRAIndices.h"
#include "QIRALabCurves.h"
#include "QIRARelations.h"
#include "ViscHandler.h"
#include "frame/constants.h"

namespace {

using V = std::vector<double>;
constexpr double kMissing = -32767.0;

// The example diesel (D86) and heavy gas oil (D2887), fractions and kelvin.
const V kDieselY{0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
const V kDieselT{453.15, 473.15, 485.15, 518.15, 543.15, 568.15, 603.15, 618.15, 633.15};
const V kGasoilY{0.005, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.995};
const V kGasoilT{423.15, 463.15, 483.15, 533.15, 573.15, 613.15, 663.15, 683.15, 723.15};
const V kViscT{313.15, 373.15}, kDieselCst{3.0, 1.2}, kGasoilCst{5.5, 1.8};

struct Stream {
  QiraAssay* a = QiraAssay_Create();
  Stream(int standard, const V& y, const V& t, double sg, const V& cst, bool viscous) {
    QiraAssay_SetCurve(a, standard, static_cast<int>(y.size()), y.data(), t.data());
    QiraAssay_SetGravity(a, QIRA_ASSAY_SG, sg);
    if (viscous) QiraAssay_SetViscosities(a, 2, kViscT.data(), cst.data());
    QiraAssay_SetProperty(a, QIRA_ASSAY_FLASH_POINT, 350.0);
  }
  ~Stream() { QiraAssay_Free(a); }
};

void cutsAndViscosities(benchmark::internal::Benchmark* b) {
  b->ArgNames({"cuts", "viscosities"});
  for (int n : {8, 50})
    for (int v : {0, 1}) b->Args({n, v});
}

void BM_QiraAssay_CutByCount(benchmark::State& state) {
  Stream s(QIRA_ASSAY_D86, kDieselY, kDieselT, 0.845, kDieselCst, state.range(1) != 0);
  for (auto _ : state) benchmark::DoNotOptimize(QiraAssay_CutByCount(s.a, static_cast<int>(state.range(0)), kMissing, kMissing));
}
BENCHMARK(BM_QiraAssay_CutByCount)->Apply(cutsAndViscosities);

// The calls of one cut table, composed by hand (Riazi-Daubert, no light ends), from the
// TBP curve read once (tbpY, tbpT), as the assay reads it once when its curve is set.
void hostCut(int n, bool viscous, const V& tbpY, const V& tbpT, V& out) {
  V uppers(n), frac(n, 0.0), mids(n), nbp(n);
  const double lo = tbpT.front(), step = (tbpT.back() - lo) / n;
  for (int i = 0; i < n; ++i) uppers[i] = lo + (i + 1) * step;
  V y = kDieselY;
  Blend_GetD86Comp(9, y.data(), kDieselT.data(), uppers.data(), frac.data(), n);
  double cum = 0, fc = 0;
  for (int i = 0; i < n; ++i) mids[i] = std::fmin(std::fmax(cum + frac[i] / 2, 1e-6), 1 - 1e-6), cum += frac[i];
  Blend_GetTBPFromYield(tbpT.data(), tbpY.data(), 9, nbp.data(), mids.data(), n);
  for (int i = 0; i < n; ++i) fc += frac[i] * QiraRel_WatsonK(nbp[i], 1.0);  // Tb[R]^(1/3)
  const double kw = fc / 0.845;
  ViscHandler h;
  h.SetNumbComp(n);
  for (int i = 0; i < n; ++i) {
    const double sg = QiraRel_WatsonK(nbp[i], 1.0) / kw, tb = nbp[i];
    const double tc = QiraCrit_TcRiaziDaubert1980(tb, sg), pc = QiraCrit_PcRiaziDaubert1980(tb, sg);
    const double omega = QiraCrit_AcentricKeslerLee1976(tb, sg, tc, pc);
    const double wsrk = QiraCrit_CostaldOmegaHT1979(tb, tc, pc);
    h.SetTc(i, static_cast<float>(tc));
    h.SetPc(i, static_cast<float>(pc));
    h.SetVc(i, static_cast<float>(QiraCrit_VcRiaziDaubert1980(tb, sg)));
    h.SetOmega(i, static_cast<float>(omega));
    h.SetMw(i, static_cast<float>(Blend_mw(sg, kw)));
    h.SetBoil(i, static_cast<float>(tb));
    h.SetLiqDen(i, static_cast<float>(sg * qira::kWaterDensity60F));
    h.SetWsrk(i, static_cast<float>(wsrk));
    h.SetVchar(i, static_cast<float>(QiraCrit_CostaldVolumeHT1979(tc, pc, wsrk)));
    h.SetVsdata(i, static_cast<float>(frac[i]));
    h.SetDCompBPs(i, tb);
    h.SetIsHypo(i, 1);
  }
  h.SetNumbHypoComp(n);
  if (viscous) {
    // 38 and 100 C, the 38 C value read on the diesel's Walther line (3.13 cSt)
    V t{38.0, 100.0}, cst{3.13, 1.2}, nu(2);
    for (int k = 0; k < 2; ++k) nu[k] = cst[k] * h.LiquidMassDensity(t[k], 101.325, frac.data()) / 1000;
    h.SetMyBulkValues(2, t.data(), nu.data());
  }
  h.CharacterizeViscosity();
  for (int i = 0; i < n; ++i) out[i] = h.GetCpvVisc38(i) + h.GetCpvVisc100(i);
  if (viscous)
    for (double t : {40.0, 100.0}) out[0] += h.LiquidKinematicViscosity(t, 101.325, frac.data());
}

void BM_HostComposedCut(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  V out(n), tbpY(9), tbpT(9);
  BlendD86toTBP(9, kDieselY.data(), kDieselT.data(), tbpT.data(), tbpY.data());
  for (auto _ : state) {
    hostCut(n, state.range(1) != 0, tbpY, tbpT, out);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_HostComposedCut)->Apply(cutsAndViscosities);

void BM_QiraAssay_Blend(benchmark::State& state) {
  Stream d(QIRA_ASSAY_D86, kDieselY, kDieselT, 0.845, kDieselCst, true);
  Stream g(QIRA_ASSAY_D2887, kGasoilY, kGasoilT, 0.872, kGasoilCst, true);
  QiraAssay* mix = QiraAssay_Create();
  const QiraAssay* streams[] = {d.a, g.a};
  const V shares{0.3, 0.7};
  for (auto _ : state)
    benchmark::DoNotOptimize(QiraAssay_Blend(mix, 2, streams, shares.data(), QIRA_ASSAY_VOLUME, 5.0));
  QiraAssay_Free(mix);
}
BENCHMARK(BM_QiraAssay_Blend);

// The calls of the same blend composed by hand: both cutters on the 5 K grid, the three
// curve blends and the flash-point and viscosity index blends.
void BM_HostComposedBlend(benchmark::State& state) {
  V dy(9), dt(9), gy(8), gt(8);
  BlendD86toTBP(9, kDieselY.data(), kDieselT.data(), dt.data(), dy.data());
  BlendD2887toTBP(9, kGasoilY.data(), kGasoilT.data(), gt.data(), gy.data());
  const double lo = std::fmin(dt.front(), gt.front()), hi = std::fmax(dt.back(), gt.back());
  const int n = static_cast<int>(std::ceil((hi - lo) / 5.0));
  V grid(n), a(n), b(n), x(n), tbpY(9), d86Y(9), d2887Y(8), out(9);
  for (int i = 0; i < n; ++i) grid[i] = lo + (hi - lo) * (i + 1) / n;
  for (auto _ : state) {
    V y1 = kDieselY, y2 = kGasoilY;
    Blend_GetD86Comp(9, y1.data(), kDieselT.data(), grid.data(), a.data(), n);
    Blend_GetD2887Comp(9, y2.data(), kGasoilT.data(), grid.data(), b.data(), n);
    for (int i = 0; i < n; ++i) x[i] = 0.3 * a[i] + 0.7 * b[i];
    TBPValidYields(tbpY.data());
    D86ValidYields(d86Y.data());
    D2887ValidYields(d2887Y.data());
    Blend_TBP(x.data(), grid.data(), n, out.data(), tbpY.data(), 9, true, kMissing, kMissing);
    Blend_D86(x.data(), grid.data(), n, out.data(), d86Y.data(), 9, true);
    Blend_D2887(x.data(), grid.data(), n, out.data(), d2887Y.data(), 8);
    const V vol{0.3, 0.7}, flash{350.0, 350.0};
    double visc = FlashPointMix1(vol.data(), flash.data(), 2);
    for (double nu : {3.0, 1.2, 5.5, 1.8}) visc += Blend_ViscosityIndex2(nu);
    benchmark::DoNotOptimize(visc + Blend_ViscosityFromIndex2Mix(visc));
  }
}
BENCHMARK(BM_HostComposedBlend);

}  // namespace
