// Batch entry points: over seeded inputs (valid curves and values, and ones each single
// function rejects) every batch output equals, bit for bit, a loop of single calls; the
// argument checks write nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "QIRAPropCalculator.h"
#include "support/tables.h"

namespace {

using qira_test::kMiss;
using qira_test::kNaN;
using qira_test::V;
constexpr double kFill = 12345.678;  // what an output holds before a call

std::vector<std::uint64_t> bits(const V& v) {
  std::vector<std::uint64_t> b(v.size());
  std::memcpy(b.data(), v.data(), v.size() * sizeof(double));
  return b;
}

// n seeded curves of `width` points around a crude's range: most ascending, every fifth
// with two points swapped and every seventh with a point not a number.
V seededCurves(int n, int width, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> start(280.0, 420.0), step(5.0, 45.0);
  V c;
  for (int i = 0; i < n; ++i) {
    double t = start(rng);
    const std::size_t row = c.size();
    for (int j = 0; j < width; ++j) c.push_back(t += step(rng));
    if (i % 5 == 4) std::swap(c[row + 1], c[row + 2]);
    if (i % 7 == 6) c[row + width / 2] = kNaN;
  }
  return c;
}

struct CurveCase {
  const char* name;
  int width;
  std::function<int(int, const double*, double*, bool*)> batch;
  std::function<bool(const double*, double*)> single;  // input first
};

}  // namespace

TEST(Batch, CurvesAreLoopsOfSingleConversionsBitForBit) {
  const std::vector<CurveCase> cases = {
      {"D86 to TBP", 9, QiraBatch_D86toTBP, [](const double* i, double* o) { return API3A11_D86toTBP(o, i); }},
      {"TBP to D86", 9, QiraBatch_TBPtoD86, API3A11_TBPtoD86},
      {"D86 to TBP, Option", 9, QiraBatch_D86toTBPOption, [](const double* i, double* o) { return API3A11_D86toTBPOption(o, i); }},
      {"TBP to D86, Option", 9, QiraBatch_TBPtoD86Option, API3A11_TBPtoD86Option},
      {"D2887 to TBP", 8, QiraBatch_D2887toTBP, [](const double* i, double* o) { return API3A31_D2887toTBP(o, i); }},
      {"TBP to D2887", 8, QiraBatch_TBPtoD2887, API3A31_TBPtoD2887},
      {"D1160 to TBP", 4, QiraBatch_D1160toTBP, [](const double* i, double* o) { return Blend_D1160toTBP(o, i); }},
      {"TBP to D1160", 4, QiraBatch_TBPtoD1160, Blend_TBPtoD1160},
      {"TBP to D86, polynomial", 7, QiraBatch_API6_TBPtoD86, API6_TBPtoD86},
  };
  constexpr int kCurves = 70;
  for (const CurveCase& c : cases) {
    const V in = seededCurves(kCurves, c.width, 26u + c.width);
    V got(in.size(), kFill), want(in.size(), kFill);
    std::vector<bool> wantOk;
    int wantCount = 0;
    for (int i = 0; i < kCurves; ++i) {
      wantOk.push_back(c.single(&in[i * c.width], &want[i * c.width]));
      wantCount += wantOk.back();
    }
    bool ok[kCurves];
    EXPECT_EQ(c.batch(kCurves, in.data(), got.data(), ok), wantCount) << c.name;
    EXPECT_EQ(std::vector<bool>(ok, ok + kCurves), wantOk) << c.name;
    EXPECT_EQ(bits(got), bits(want)) << c.name;
    EXPECT_GT(wantCount, 0) << c.name;
    V noStatus(in.size(), kFill);
    EXPECT_EQ(c.batch(kCurves, in.data(), noStatus.data(), nullptr), wantCount) << c.name << ", status not wanted";
    EXPECT_EQ(bits(noStatus), bits(want)) << c.name;
  }
}

TEST(Batch, OptionCurvesFollowTheD86MethodsGrid) {
  // Seven points per curve under D86 method 0 (restored by the suite after the test).
  SetD86Method(0);
  ASSERT_EQ(D86BaseSizeOption(), 7);
  const V in = seededCurves(12, 7, 7u);
  V got(in.size(), kFill), want(in.size(), kFill);
  for (int i = 0; i < 12; ++i) API3A11_D86toTBPOption(&want[i * 7], &in[i * 7]);
  QiraBatch_D86toTBPOption(12, in.data(), got.data(), nullptr);
  EXPECT_EQ(bits(got), bits(want));
}

namespace {

// n seeded values in [lo, hi], with a not-a-number, a zero and a negative value among
// them, so that each correlation's failure result is compared too.
V seededValues(int n, double lo, double hi, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(lo, hi);
  V v;
  for (int i = 0; i < n; ++i) v.push_back(u(rng));
  v[3] = kNaN;
  v[5] = 0.0;
  v[8] = -lo;
  return v;
}

struct ValueCase {
  const char* name;
  std::vector<std::pair<double, double>> ranges;  // per argument
  // Calls the batch on the argument arrays; returns its result.
  std::function<int(int, const std::vector<const double*>&, double*)> batch;
  std::function<double(const V&)> single;
};

// Binds a batch and a single function of one to five double arguments.
#define QIRA_VALUE_CASE_1(b, s, r1) {#s, {r1}, [](int n, const auto& a, double* o) { return b(n, a[0], o); }, [](const V& x) { return s(x[0]); }}
#define QIRA_VALUE_CASE_2(b, s, r1, r2) {#s, {r1, r2}, [](int n, const auto& a, double* o) { return b(n, a[0], a[1], o); }, [](const V& x) { return s(x[0], x[1]); }}
#define QIRA_VALUE_CASE_3(b, s, r1, r2, r3) {#s, {r1, r2, r3}, [](int n, const auto& a, double* o) { return b(n, a[0], a[1], a[2], o); }, [](const V& x) { return s(x[0], x[1], x[2]); }}
#define QIRA_VALUE_CASE_4(b, s, r1, r2, r3, r4) {#s, {r1, r2, r3, r4}, [](int n, const auto& a, double* o) { return b(n, a[0], a[1], a[2], a[3], o); }, [](const V& x) { return s(x[0], x[1], x[2], x[3]); }}

double cloudPoint(double tb, double sg) { double v = kMiss; Blend_EstimateCloudPt(tb, sg, &v); return v; }
double cToH(double tb, double sg) { double v = kMiss; Blend_estimateCtoHRatio(tb, sg, &v); return v; }
double pourPoint(double nu, double sg, double mw) { double v = kMiss; Blend_estimatePourPointRiazi(nu, sg, mw, &v); return v; }
double xdenAtmospheric(double t, double tc, double pc, double vstar) { return pc_xden(t, 101.325, tc, pc, vstar, 0.3, 0.3); }
int xdenAtmosphericBatch(int n, const double* t, const double* tc, const double* pc, const double* vstar, double* out) {
  const V p(n, 101.325), om(n, 0.3);
  return QiraBatch_pc_xden(n, t, p.data(), tc, pc, vstar, om.data(), om.data(), out);
}

}  // namespace

TEST(Batch, ValuesAreLoopsOfSingleCallsBitForBit) {
  const std::pair<double, double> tb{250, 1100}, sg{0.55, 1.1}, mw{50, 900}, kw{10, 13.5}, tr{0.2, 1.05},
      omega{0, 1.2}, tc{400, 1200}, pc{800, 5000}, vol{0.1, 1.5}, rho{600, 1050}, t{300, 650}, d15{0.78, 0.93},
      octane{60, 110}, nu{1, 500}, tbC{-50, 700}, tC{-60, 350}, tF{-80, 650}, rvp{5, 150}, cst{0.3, 2000},
      aniline{0.5, 3}, unit{0.05, 1.2};
  const std::vector<ValueCase> cases = {
      QIRA_VALUE_CASE_2(QiraBatch_Blend_uopk, Blend_uopk, mw, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Blend_mw, Blend_mw, sg, kw),
      QIRA_VALUE_CASE_2(QiraBatch_Blend_sg, Blend_sg, mw, kw),
      QIRA_VALUE_CASE_1(QiraBatch_Blend_sg_katz_firoozabadi, Blend_sg_katz_firoozabadi, tb),
      QIRA_VALUE_CASE_2(QiraBatch_Blend_mw_twu, Blend_mw_twu, tb, rho),
      QIRA_VALUE_CASE_2(QiraBatch_pc_ppress, pc_ppress, tr, omega),
      QIRA_VALUE_CASE_3(QiraBatch_pc_satden, pc_satden, tr, vol, omega),
      QIRA_VALUE_CASE_1(QiraBatch_pc_c1den, pc_c1den, tr),
      QIRA_VALUE_CASE_4(xdenAtmosphericBatch, xdenAtmospheric, t, tc, pc, vol),
      QIRA_VALUE_CASE_4(QiraBatch_Blend_CetaneIndexD4737, Blend_CetaneIndexD4737, d15, t, t, t),
      QIRA_VALUE_CASE_2(QiraBatch_Blend_CetaneIndexD976_2, Blend_CetaneIndexD976_2, d15, t),
      QIRA_VALUE_CASE_2(QiraBatch_MonClear, MonClear, octane, omega),
      QIRA_VALUE_CASE_2(QiraBatch_Blend_EstimateCloudPt, cloudPoint, tbC, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Blend_estimateCtoHRatio, cToH, tb, sg),
      QIRA_VALUE_CASE_3(QiraBatch_Blend_estimatePourPointRiazi, pourPoint, nu, sg, mw),
      QIRA_VALUE_CASE_3(QiraBatch_EstimateRefractIdx, EstimateRefractIdx, tb, rho, mw),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_TcRiaziDaubert1980, QiraCrit_TcRiaziDaubert1980, tb, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_PcRiaziDaubert1980, QiraCrit_PcRiaziDaubert1980, tb, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_VcRiaziDaubert1980, QiraCrit_VcRiaziDaubert1980, tb, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_TcKeslerLee1976, QiraCrit_TcKeslerLee1976, tb, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_PcKeslerLee1976, QiraCrit_PcKeslerLee1976, tb, sg),
      QIRA_VALUE_CASE_4(QiraBatch_Crit_AcentricKeslerLee1976, QiraCrit_AcentricKeslerLee1976, tb, sg, tc, pc),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_TcTwu1984, QiraCrit_TcTwu1984, tb, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_PcTwu1984, QiraCrit_PcTwu1984, tb, sg),
      QIRA_VALUE_CASE_2(QiraBatch_Crit_VcTwu1984, QiraCrit_VcTwu1984, tb, sg),
      QIRA_VALUE_CASE_3(QiraBatch_Crit_CostaldVolumeHT1979, QiraCrit_CostaldVolumeHT1979, tc, pc, omega),
      QIRA_VALUE_CASE_3(QiraBatch_Crit_CostaldOmegaHT1979, QiraCrit_CostaldOmegaHT1979, tb, tc, pc),
      QIRA_VALUE_CASE_1(QiraBatch_AnilinePointIndex1, AnilinePointIndex1, t),
      QIRA_VALUE_CASE_1(QiraBatch_AnilinePointFromIndex1Mix, AnilinePointFromIndex1Mix, aniline),
      QIRA_VALUE_CASE_1(QiraBatch_CloudPointIndex1, CloudPointIndex1, t),
      QIRA_VALUE_CASE_1(QiraBatch_CloudPointFromIndex1Mix, CloudPointFromIndex1Mix, octane),
      QIRA_VALUE_CASE_1(QiraBatch_CloudPointIndex2, CloudPointIndex2, t),
      QIRA_VALUE_CASE_1(QiraBatch_CloudPointFromIndex2Mix, CloudPointFromIndex2Mix, cst),
      QIRA_VALUE_CASE_1(QiraBatch_FlashPointIndex1, FlashPointIndex1, t),
      QIRA_VALUE_CASE_1(QiraBatch_FlashPointFromIndex1Mix, FlashPointFromIndex1Mix, unit),
      QIRA_VALUE_CASE_1(QiraBatch_FlashPointIndex2, FlashPointIndex2, tF),
      QIRA_VALUE_CASE_1(QiraBatch_FlashPointFromIndex2Mix, FlashPointFromIndex2Mix, cst),
      QIRA_VALUE_CASE_1(QiraBatch_FlashPointIndexWickey, FlashPointIndexWickey, tC),
      QIRA_VALUE_CASE_1(QiraBatch_FlashPointFromIndexWickeyMix, FlashPointFromIndexWickeyMix, cst),
      QIRA_VALUE_CASE_1(QiraBatch_FreezePointIndex1, FreezePointIndex1, tC),
      QIRA_VALUE_CASE_1(QiraBatch_FreezePointFromIndex1Mix, FreezePointFromIndex1Mix, cst),
      QIRA_VALUE_CASE_1(QiraBatch_PourPointIndex1, PourPointIndex1, t),
      QIRA_VALUE_CASE_1(QiraBatch_PourPointFromIndex1Mix, PourPointFromIndex1Mix, cst),
      QIRA_VALUE_CASE_1(QiraBatch_RVPIndex1, RVPIndex1, rvp),
      QIRA_VALUE_CASE_1(QiraBatch_RVPFromIndex1Mix, RVPFromIndex1Mix, cst),
      QIRA_VALUE_CASE_1(QiraBatch_Blend_ViscosityIndex1, Blend_ViscosityIndex1, cst),
      QIRA_VALUE_CASE_1(QiraBatch_Blend_ViscosityFromIndex1Mix, Blend_ViscosityFromIndex1Mix, unit),
      QIRA_VALUE_CASE_1(QiraBatch_Blend_ViscosityIndex2, Blend_ViscosityIndex2, cst),
      QIRA_VALUE_CASE_1(QiraBatch_Blend_ViscosityFromIndex2Mix, Blend_ViscosityFromIndex2Mix, unit),
  };
  constexpr int kN = 200;
  unsigned seed = 2026;
  for (const ValueCase& c : cases) {
    std::vector<V> args;
    std::vector<const double*> ptrs;
    for (const auto& r : c.ranges) args.push_back(seededValues(kN, r.first, r.second, ++seed));
    for (const V& a : args) ptrs.push_back(a.data());
    V got(kN, kFill), want;
    for (int i = 0; i < kN; ++i) {
      V x;
      for (const V& a : args) x.push_back(a[i]);
      want.push_back(c.single(x));
    }
    EXPECT_EQ(c.batch(kN, ptrs, got.data()), kN) << c.name;
    EXPECT_EQ(bits(got), bits(want)) << c.name;
  }
  // The COSTALD pair, both outputs (a not-a-number tr leaves the marker in each).
  const V trs = seededValues(kN, 0.2, 1.05, 99);
  V vr0(kN, kFill), vrd(kN, kFill), want0(kN, kMiss), wantD(kN, kMiss);
  for (int i = 0; i < kN; ++i) pc_costald(trs[i], &want0[i], &wantD[i]);
  EXPECT_EQ(QiraBatch_pc_costald(kN, trs.data(), vr0.data(), vrd.data()), kN);
  EXPECT_EQ(bits(vr0), bits(want0));
  EXPECT_EQ(bits(vrd), bits(wantD));
}

TEST(Batch, BadCountsAndNullArraysWriteNothing) {
  V in(18, 400.0), out(18, kFill);
  bool ok[2] = {true, true};
  struct Case { const char* origin; int got; };
  const Case cases[] = {
      {"no curves", QiraBatch_D86toTBP(0, in.data(), out.data(), ok)},
      {"negative count", QiraBatch_TBPtoD2887(-3, in.data(), out.data(), ok)},
      {"null curves in", QiraBatch_D2887toTBP(2, nullptr, out.data(), ok)},
      {"null curves out", QiraBatch_TBPtoD1160(2, in.data(), nullptr, ok)},
      {"no values", QiraBatch_Blend_uopk(0, in.data(), in.data(), out.data())},
      {"null argument array", QiraBatch_Crit_AcentricKeslerLee1976(2, in.data(), nullptr, in.data(), in.data(), out.data())},
      {"null result array", QiraBatch_pc_c1den(2, in.data(), nullptr)},
      {"null second output", QiraBatch_pc_costald(2, in.data(), out.data(), nullptr)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, -1) << c.origin;
  EXPECT_EQ(out, V(18, kFill));
  EXPECT_TRUE(ok[0] && ok[1]);
}
