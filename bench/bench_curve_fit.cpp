// Local curve fitting: Simple_spline and the monotone interpolator Blend_spline reading a
// cumulative TBP curve of 9 to 200 knots at 21 fractions.
#include <benchmark/benchmark.h>

#include <vector>

#include "QIRACurveFit.h"
#include "bench_inputs.h"

namespace {

constexpr int kQueries = 21;

void knotCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("knots");
  for (int n : {9, 25, 50, 100, 200}) b->Arg(n);
}

void BM_Simple_spline(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const qira_bench::Curve c = qira_bench::tbpCurve(n);
  const std::vector<double> q = qira_bench::queryFractions(kQueries);
  std::vector<double> out(kQueries);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Simple_spline(n, c.x.data(), c.y.data(), kQueries, q.data(), out.data()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Simple_spline)->Apply(knotCounts);

void BM_Blend_spline(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const qira_bench::Curve c = qira_bench::tbpCurve(n);
  const std::vector<double> q = qira_bench::queryFractions(kQueries);
  std::vector<double> out(kQueries);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Blend_spline(n, c.x.data(), c.y.data(), kQueries, q.data(), out.data()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_spline)->Apply(knotCounts);

}  // namespace
