// Curve conversions: every whole-curve conversion between D86, D2887, D1160 and TBP, and
// the single-point TBP to D86 reading, on one crude's curves.
#include <benchmark/benchmark.h>

#include "QIRABlends.h"
#include "QIRAConversions.h"
#include "QIRASettings.h"
#include "bench_inputs.h"

namespace {

using qira_bench::d1160FourPoint;
using qira_bench::d2887EightPoint;
using qira_bench::d86NinePoint;
using qira_bench::d86SevenPoint;
using qira_bench::tbpNinePoint;

void BM_API3A11_D86toTBP(benchmark::State& state) {
  double tbp[9];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API3A11_D86toTBP(tbp, d86NinePoint()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_API3A11_D86toTBP);

void BM_API3A11_TBPtoD86(benchmark::State& state) {
  double d86[9];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API3A11_TBPtoD86(tbpNinePoint(), d86));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_API3A11_TBPtoD86);

// Option forms: nine points (D86 method 1, the default) and seven (method 0), with the
// default range extension.
void optionSettings(int method) { SetD86Method(method); }
void defaultSettings() { SetD86Method(1); }

void BM_API3A11_D86toTBPOption(benchmark::State& state) {
  const int method = static_cast<int>(state.range(0));
  optionSettings(method);
  const double* d86 = method != 0 ? d86NinePoint() : d86SevenPoint();
  double tbp[9];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API3A11_D86toTBPOption(tbp, d86));
    benchmark::ClobberMemory();
  }
  defaultSettings();
}
BENCHMARK(BM_API3A11_D86toTBPOption)->ArgName("method")->Arg(1)->Arg(0);

void BM_API3A11_TBPtoD86Option(benchmark::State& state) {
  const int method = static_cast<int>(state.range(0));
  optionSettings(method);
  const double tbp7[7] = {275.0, 345.0, 405.0, 458.0, 510.0, 580.0, 650.0};
  const double* tbp = method != 0 ? tbpNinePoint() : tbp7;
  double d86[9];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API3A11_TBPtoD86Option(tbp, d86));
    benchmark::ClobberMemory();
  }
  defaultSettings();
}
BENCHMARK(BM_API3A11_TBPtoD86Option)->ArgName("method")->Arg(1)->Arg(0);

void BM_API3A31_D2887toTBP(benchmark::State& state) {
  double tbp[8];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API3A31_D2887toTBP(tbp, d2887EightPoint()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_API3A31_D2887toTBP);

void BM_API3A31_TBPtoD2887(benchmark::State& state) {
  const double tbp8[8] = {318.0, 345.0, 405.0, 458.0, 510.0, 580.0, 612.0, 650.0};
  double d2887[8];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API3A31_TBPtoD2887(tbp8, d2887));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_API3A31_TBPtoD2887);

// Fahrenheit curves of the same crude for the single-point reading.
struct FahrenheitCurves {
  double tbp[9], d86[9];
  FahrenheitCurves() {
    for (int i = 0; i < 9; ++i) {
      tbp[i] = (tbpNinePoint()[i] - 273.15) * 1.8 + 32;
      d86[i] = (d86NinePoint()[i] - 273.15) * 1.8 + 32;
    }
  }
};

void BM_SingleTBPtoD86(benchmark::State& state) {
  const FahrenheitCurves f;
  for (auto _ : state) benchmark::DoNotOptimize(SingleTBPtoD86(f.tbp, f.d86, 480.0, 0.55));
}
BENCHMARK(BM_SingleTBPtoD86);

void BM_SingleTBPtoD86Option(benchmark::State& state) {
  const FahrenheitCurves f;
  for (auto _ : state) benchmark::DoNotOptimize(SingleTBPtoD86Option(f.tbp, f.d86, 480.0, 0.55));
}
BENCHMARK(BM_SingleTBPtoD86Option);

void BM_API6_TBPtoD86(benchmark::State& state) {
  const double tbp7[7] = {275.0, 345.0, 405.0, 458.0, 510.0, 580.0, 650.0};
  double d86[7];
  for (auto _ : state) {
    benchmark::DoNotOptimize(API6_TBPtoD86(tbp7, d86));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_API6_TBPtoD86);

void BM_Blend_TBPtoD1160(benchmark::State& state) {
  const double tbp4[4] = {580.0, 635.0, 700.0, 748.0};
  double d1160[4];
  for (auto _ : state) {
    benchmark::DoNotOptimize(Blend_TBPtoD1160(tbp4, d1160));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_TBPtoD1160);

void BM_Blend_D1160toTBP(benchmark::State& state) {
  double tbp[4];
  for (auto _ : state) {
    benchmark::DoNotOptimize(Blend_D1160toTBP(tbp, d1160FourPoint()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Blend_D1160toTBP);

}  // namespace
