// The cost the handle interface adds to a call: a cheap getter (GetNumbComp) and a
// liquid property (MolecularWeight of three components) through a handle, with one
// handler and with 50 handlers registered (the lookup scans the registry), beside the
// same method called on the handler object directly.
#include <benchmark/benchmark.h>

#include <vector>

#include "QIRAViscHandles.h"
#include "ViscHandler.h"

namespace {

// Registers `count` handlers of three components each; the oldest is the one called,
// the last a lookup reaches. Deletes them when done.
struct Handles {
  std::vector<int> ids;
  explicit Handles(int count) {
    for (int i = 0; i < count; ++i) {
      const int h = CreateViscHandler();
      SetNumbComp(h, 3);
      for (int c = 0; c < 3; ++c) SetMw(h, c, 100.0f + 50.0f * c);
      ids.push_back(h);
    }
  }
  ~Handles() {
    for (int h : ids) DeleteViscHandler(h);
  }
  int oldest() const { return ids.front(); }
};

void registeredCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("handlers");
  for (int n : {1, 50}) b->Arg(n);
}

void BM_Handle_GetNumbComp(benchmark::State& state) {
  const Handles handles(static_cast<int>(state.range(0)));
  const int h = handles.oldest();
  for (auto _ : state) benchmark::DoNotOptimize(GetNumbComp(h));
}
BENCHMARK(BM_Handle_GetNumbComp)->Apply(registeredCounts);

void BM_Handle_MolecularWeight(benchmark::State& state) {
  const Handles handles(static_cast<int>(state.range(0)));
  const int h = handles.oldest();
  const double x[3] = {0.2, 0.3, 0.5};
  for (auto _ : state) benchmark::DoNotOptimize(MolecularWeight(h, x));
}
BENCHMARK(BM_Handle_MolecularWeight)->Apply(registeredCounts);

void BM_Object_MolecularWeight(benchmark::State& state) {
  ViscHandler v;
  v.SetNumbComp(3);
  for (int c = 0; c < 3; ++c) v.SetMw(c, 100.0f + 50.0f * c);
  double x[3] = {0.2, 0.3, 0.5};
  for (auto _ : state) benchmark::DoNotOptimize(v.MolecularWeight(x));
}
BENCHMARK(BM_Object_MolecularWeight);

}  // namespace
