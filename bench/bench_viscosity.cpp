// Liquid density and viscosity: pc_xden2 and ViscHandler::viscrude of 10, 40 and 100
// components, the single-component theta fit pc_fitvisc, and the whole characterization
// ViscHandler::CharacterizeViscosity of 10, 40 and 100 components, without measured data
// and with three bulk points, by the correlation route and the index-blending route.
#include <benchmark/benchmark.h>

#include <vector>

#include "QIRALiquidProps.h"
#include "QIRAViscosityFit.h"
#include "ViscHandler.h"
#include "bench_inputs.h"

namespace {

using qira_bench::kAtmosphere;

void componentCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("components");
  for (int n : {10, 40, 100}) b->Arg(n);
}

// The assay's columns as pc_xden2 reads them (the SRK acentric factor per component).
struct DensityColumns {
  std::vector<double> x, tc, pc, vchar, wsrk;
  explicit DensityColumns(const std::vector<qira_bench::AssayComponent>& a) {
    for (const auto& c : a) {
      x.push_back(c.x);
      tc.push_back(static_cast<float>(c.tc));
      pc.push_back(static_cast<float>(c.pc));
      vchar.push_back(static_cast<float>(c.vchar));
      wsrk.push_back(static_cast<float>(c.wsrk));
    }
  }
  double density(double t) const {
    return pc_xden2(static_cast<int>(x.size()), t, kAtmosphere, x.data(), tc.data(), pc.data(), vchar.data(),
                    wsrk.data());
  }
};

constexpr double kT38 = 311.15;  // K

void BM_pc_xden2(benchmark::State& state) {
  const DensityColumns d(qira_bench::assay(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(d.density(kT38));
}
BENCHMARK(BM_pc_xden2)->Apply(componentCounts);

// viscrude rewrites only the work values of its records, all of them at every call.
void BM_viscrude(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto a = qira_bench::assay(n);
  ViscHandler h;
  qira_bench::fillHandler(h, a, false, false);
  for (auto& r : h.m_VsData) {  // thetas of a fitted assay
    r.Comp->ThetaA = 0.2f;
    r.Comp->ThetaB = -0.6f;
  }
  const double rhom = DensityColumns(a).density(kT38);
  for (auto _ : state)
    benchmark::DoNotOptimize(h.viscrude(n, kT38, kAtmosphere, h.m_VsData.data(), rhom));
}
BENCHMARK(BM_viscrude)->Apply(componentCounts);

// A 500 K pseudo-component's kinematic viscosities at 38, 50, 60 and 100 C; the fit
// rewrites them into micropoise, so each iteration restores them.
void BM_pc_fitvisc(benchmark::State& state) {
  const qira_bench::AssayComponent c = qira_bench::pseudoComponent(500.0);
  const double T[4] = {311.15, 323.15, 333.15, 373.15};
  const double measured[4] = {2.6, 2.1, 1.8, 1.05};
  for (auto _ : state) {
    double visc[4] = {measured[0], measured[1], measured[2], measured[3]};
    float a = 0.0f, b = 0.0f;
    benchmark::DoNotOptimize(pc_fitvisc(2, 0, kAtmosphere, c.mw, c.tc, c.pc, c.vc, 4, T, visc, c.vchar,
                                        c.wsrk, &a, &b, c.omega));
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(BM_pc_fitvisc);

// The characterization rewrites most of its handler: every iteration starts from a copy
// of the filled handler, made outside the timing.
void characterize(benchmark::State& state, bool bulkPoints) {
  const int n = static_cast<int>(state.range(0));
  const bool refutas = state.range(1) != 0;
  ViscHandler filled;
  qira_bench::fillHandler(filled, qira_bench::assay(n), true, refutas);
  if (bulkPoints) {
    // On one Walther line through about 8 cSt at 40 C and 1.7 cSt at 100 C.
    double t[3] = {20.0, 50.0, 80.0};
    double v[3] = {18.68, 5.69, 2.53};
    filled.SetMyBulkValues(3, t, v);
  }
  ViscHandler h(filled);
  for (auto _ : state) {
    state.PauseTiming();
    h = filled;
    state.ResumeTiming();
    benchmark::DoNotOptimize(h.CharacterizeViscosity());
    benchmark::ClobberMemory();
  }
}

void characterizationCases(benchmark::internal::Benchmark* b) {
  b->ArgNames({"components", "refutas"});
  for (int refutas : {0, 1})
    for (int n : {10, 40, 100}) b->Args({n, refutas});
  b->Unit(benchmark::kMicrosecond);
}

void BM_CharacterizeViscosity_NoData(benchmark::State& state) { characterize(state, false); }
BENCHMARK(BM_CharacterizeViscosity_NoData)->Apply(characterizationCases);

void BM_CharacterizeViscosity_ThreeBulkPoints(benchmark::State& state) { characterize(state, true); }
// A run takes up to a few hundred milliseconds: a short minimum time keeps the suite
// quick, each repetition still timing at least one whole characterization.
BENCHMARK(BM_CharacterizeViscosity_ThreeBulkPoints)->Apply(characterizationCases)->MinTime(0.05);

}  // namespace
