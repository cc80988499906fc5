// A batch call against the loop of single calls it replaces: 20,000 nine-point D86
// curves to TBP, and 20,000 Watson K values.
#include <benchmark/benchmark.h>

#include <vector>

#include "QIRABatch.h"
#include "QIRACharacterization.h"
#include "QIRAConversions.h"
#include "bench_inputs.h"

namespace {

constexpr int kItems = 20000;

// kItems copies of the crude's D86 curve, each shifted by up to 20 K.
std::vector<double> d86Curves() {
  std::vector<double> c;
  for (int i = 0; i < kItems; ++i)
    for (int j = 0; j < 9; ++j) c.push_back(qira_bench::d86NinePoint()[j] + (i % 21));
  return c;
}

void BM_D86toTBP_LoopOfSingleCalls(benchmark::State& state) {
  const std::vector<double> in = d86Curves();
  std::vector<double> out(in.size());
  for (auto _ : state)
    for (int i = 0; i < kItems; ++i) benchmark::DoNotOptimize(API3A11_D86toTBP(&out[i * 9], &in[i * 9]));
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_D86toTBP_LoopOfSingleCalls);

void BM_D86toTBP_Batch(benchmark::State& state) {
  const std::vector<double> in = d86Curves();
  std::vector<double> out(in.size());
  for (auto _ : state) benchmark::DoNotOptimize(QiraBatch_D86toTBP(kItems, in.data(), out.data(), nullptr));
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_D86toTBP_Batch);

void BM_uopk_LoopOfSingleCalls(benchmark::State& state) {
  std::vector<double> mw(kItems), sg(kItems), out(kItems);
  for (int i = 0; i < kItems; ++i) mw[i] = 80.0 + 0.025 * i, sg[i] = 0.7 + 1e-5 * i;
  for (auto _ : state)
    for (int i = 0; i < kItems; ++i) benchmark::DoNotOptimize(out[i] = Blend_uopk(mw[i], sg[i]));
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_uopk_LoopOfSingleCalls);

void BM_uopk_Batch(benchmark::State& state) {
  std::vector<double> mw(kItems), sg(kItems), out(kItems);
  for (int i = 0; i < kItems; ++i) mw[i] = 80.0 + 0.025 * i, sg[i] = 0.7 + 1e-5 * i;
  for (auto _ : state) benchmark::DoNotOptimize(QiraBatch_Blend_uopk(kItems, mw.data(), sg.data(), out.data()));
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_uopk_Batch);

}  // namespace
