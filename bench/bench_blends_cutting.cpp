// Blends, cutting and the plus-fraction split: Blend_TBP and Blend_D86 of 10 to 1000
// components, Blend_GetCompFromTBP at 10 to 200 cuts, Blend_GetD86Comp at 50 cuts and
// Blend_Whitson over 20 components.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "QIRABlends.h"
#include "QIRACharacterization.h"
#include "QIRACutting.h"
#include "QIRALabCurves.h"
#include "bench_inputs.h"

namespace {

void componentCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("components");
  for (int n : {10, 50, 200, 1000}) b->Arg(n);
}

// The blends clamp the caller's end yields in place: each iteration restores them so
// every call does the same work.
struct BlendCase {
  qira_bench::Components comp;
  std::vector<double> requested, yields, out;
  explicit BlendCase(int n)
      : comp(qira_bench::components(n)), requested(qira_bench::blendYields()),
        yields(requested), out(requested.size()) {}
  int m() const { return static_cast<int>(requested.size()); }
  void restore() { std::copy(requested.begin(), requested.end(), yields.begin()); }
};

void BM_Blend_TBP(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BlendCase b(n);
  for (auto _ : state) {
    b.restore();
    benchmark::DoNotOptimize(Blend_TBP(b.comp.fractions.data(), b.comp.nbp.data(), n, b.out.data(),
                                       b.yields.data(), b.m(), false, qira_bench::kMissing,
                                       qira_bench::kMissing));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_TBP)->Apply(componentCounts);

void BM_Blend_D86(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  BlendCase b(n);
  for (auto _ : state) {
    b.restore();
    benchmark::DoNotOptimize(Blend_D86(b.comp.fractions.data(), b.comp.nbp.data(), n, b.out.data(),
                                       b.yields.data(), b.m(), false));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_D86)->Apply(componentCounts);

// Cut NBPs spread over the TBP curve's range, 280 to 660 K.
std::vector<double> cutTemperatures(int nc) {
  std::vector<double> cuts;
  for (int i = 0; i < nc; ++i) cuts.push_back(280.0 + 380.0 * (i + 0.5) / nc);
  return cuts;
}

void BM_Blend_GetCompFromTBP(benchmark::State& state) {
  const int nc = static_cast<int>(state.range(0));
  const std::vector<double> cuts = cutTemperatures(nc);
  std::vector<double> out(static_cast<std::size_t>(nc));
  for (auto _ : state) {
    benchmark::DoNotOptimize(Blend_GetCompFromTBP(qira_bench::tbpNinePoint(), qira_bench::tbpNineYields(), 9,
                                                  cuts.data(), out.data(), nc));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_GetCompFromTBP)->ArgName("cuts")->Arg(10)->Arg(50)->Arg(200);

void BM_Blend_GetD86Comp(benchmark::State& state) {
  const int nc = static_cast<int>(state.range(0));
  const qira_bench::LabCurve lab = qira_bench::d86LabCurve();
  std::vector<double> fractions = lab.fractions;  // not clamped by this cutter
  const std::vector<double> cuts = cutTemperatures(nc);
  std::vector<double> out(static_cast<std::size_t>(nc));
  const int n = static_cast<int>(lab.temps.size());
  for (auto _ : state) {
    Blend_GetD86Comp(n, fractions.data(), lab.temps.data(), cuts.data(), out.data(), nc);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_GetD86Comp)->ArgName("cuts")->Arg(50);

// A C7+ fraction of MW 250 and SG 0.88 split over 20 host components (360 to 820 K).
void BM_Blend_Whitson(benchmark::State& state) {
  const int nc = 20;
  std::vector<double> nbps;
  for (int i = 0; i < nc; ++i) nbps.push_back(360.0 + 460.0 * i / (nc - 1));
  std::vector<double> fractions(nc), mws(nc), densities(nc);
  for (auto _ : state) {
    double mw = 250.0, sg = 0.88, kw = qira_bench::kMissing;  // kw completed and written back
    benchmark::DoNotOptimize(Blend_Whitson(nc, fractions.data(), mws.data(), densities.data(), nbps.data(),
                                           &mw, &sg, &kw, 0.0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_Whitson);

}  // namespace
