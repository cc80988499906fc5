// Many threads at once: every re-entrant family gives on 8 threads the same bits as on
// one, each thread with its own ViscHandler object, handles, assay and chart objects;
// the handle registry under concurrent create, delete and calls; the solver singleton
// created once.
// Its own executable, so that the ThreadSanitizer build compiles the library and this
// file only (scripts/test-tsan.sh).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "QIRAPropCalculator.h"
#include "ViscHandler.h"
#include "support/assay_fixture.h"
#include "viscosity/handle_registry.h"

namespace {

using V = std::vector<double>;
constexpr int kThreads = 8;
constexpr double kP = 101.325;  // kPa
constexpr double kMiss = QIRA_MISSING;

// Holds every thread until all have arrived, so that their work overlaps.
class StartGate {
 public:
  explicit StartGate(int n) : waiting_(n) {}
  void arriveAndWait() {
    waiting_.fetch_sub(1);
    while (waiting_.load() > 0) std::this_thread::yield();
  }

 private:
  std::atomic<int> waiting_;
};

// Runs body(t) on kThreads threads released together.
template <typename Body>
void onThreads(Body body) {
  StartGate gate(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      gate.arriveAndWait();
      body(t);
    });
  for (std::thread& th : threads) th.join();
}

void append(V& r, const double* a, int n) { r.insert(r.end(), a, a + n); }

// Distillation: conversions of every standard, grids, blends, cutting, a laboratory
// curve cut and the spline; s scales the temperatures so that passes differ.
void distillationPass(V& r, double s) {
  double d86[9] = {310, 345, 362, 410, 455, 500, 560, 585, 615}, tbp[9], back[9];
  for (double& t : d86) t *= s;
  r.push_back(API3A11_D86toTBP(tbp, d86));
  append(r, tbp, 9);
  r.push_back(API3A11_TBPtoD86(tbp, back));
  append(r, back, 9);
  double d2887[8] = {330, 350, 402, 452, 505, 575, 605, 645}, t8[8], b8[8];
  r.push_back(API3A31_D2887toTBP(t8, d2887) + API3A31_TBPtoD2887(t8, b8));
  append(r, b8, 8);
  double d1160[4] = {560 * s, 610, 655, 700}, t4[4], b4[4], p7[7];
  r.push_back(Blend_D1160toTBP(t4, d1160) + Blend_TBPtoD1160(t4, b4) + API6_TBPtoD86(tbp + 1, p7));
  append(r, b4, 4);
  append(r, p7, 7);
  double yields[9];
  D86ValidYields(yields);
  append(r, yields, 9);
  const double x[3] = {0.3, 0.3, 0.4}, nbp[3] = {350 * s, 450, 550}, cuts[4] = {380, 430, 480, 530};
  double blend[9], comp[4], lab[4];
  r.push_back(Blend_TBP(x, nbp, 3, blend, yields, 9, true, kMiss, kMiss));
  append(r, blend, 9);
  r.push_back(Blend_D86(x, nbp, 3, blend, yields, 9, false));
  append(r, blend, 9);
  r.push_back(Blend_GetCompFromTBP(tbp, yields, 9, cuts, comp, 4));
  append(r, comp, 4);
  Blend_GetD86Comp(9, yields, d86, cuts, lab, 4);
  append(r, lab, 4);
  double q[3] = {0.2, 0.6, 0.8}, yq[3];
  r.push_back(Blend_spline(9, yields, tbp, 3, q, yq));
  append(r, yq, 3);
}

// Characterization, critical and liquid properties, indices, estimates, solvers.
void propertiesPass(V& r, double s) {
  const double tb = 450 * s, sg = 0.78;
  const double nbps[5] = {372, 400, 430, 460, 490 * s};
  double f[5], mws[5], den[5], mw = 140, sgw = 0.76, kw = kMiss;
  r.push_back(Blend_Whitson(5, f, mws, den, nbps, &mw, &sgw, &kw, 0.0));
  append(r, f, 5);
  const double tc = QiraCrit_TcRiaziDaubert1980(tb, sg), pc = QiraCrit_PcRiaziDaubert1980(tb, sg);
  const double om = QiraCrit_CostaldOmegaHT1979(tb, tc, pc);
  r.insert(r.end(), {Blend_uopk(200 * s, sg), Blend_mw(sg, 12.0), Blend_sg(200, 11.9), Blend_mw_twu(tb, 800),
                     tc, pc, QiraCrit_AcentricKeslerLee1976(tb, sg, tc, pc), QiraCrit_TcTwu1984(tb, sg),
                     om, QiraCrit_CostaldVolumeHT1979(tc, pc, om), pc_ppress(0.7 * s, 0.3),
                     pc_xden(320, kP, tc, pc, 0.5, om, om), Blend_CetaneIndexD4737(0.85, 500, 550 * s, 600),
                     MonClear(90 * s, 0), EstimateRefractIdx(tb, 850, 200), CloudPointIndex1(250 * s)});
  double tvp = 0, slope = 0, rvp = 60 * s;
  bool failed = false;
  char report[QIRA_RVP_REPORT_CAPACITY];
  pc_Calc_API_5B1_1TVP(310.0, rvp, 0.5, &tvp, &failed, &slope);
  pc_Calc_API_5B1_1(tvp, &rvp, 0.5, 310.0, report, "naphtha");
  r.insert(r.end(), {tvp, slope, rvp, double(failed)});
  const double fx[2] = {0.4, 0.6}, fv[2] = {250 * s, 280};
  r.push_back(CloudPointMix1(fx, fv, 2));
  double a0[2] = {4, 1}, a1[2] = {1, 3 * s}, b[2] = {1, 2}, sol[2], *A[2] = {a0, a1};
  r.push_back(EquationSolver(A, b, sol, 2));
  append(r, sol, 2);
  double coef[3] = {-6 * s, 11, -6}, roots[3];
  r.push_back(SolveCubicEq(roots, coef));
  append(r, roots, 3);
  r.insert(r.end(), {ndtr(0.3 * s), ndtri(0.4 * s)});
}

// A ViscHandler of the thread's own: characterized and read back.
void viscosityObjectPass(V& r, int n) {
  ViscHandler h;
  qira_assay::fill(h, qira_assay::assay(QIRA_ASSAY_LIBRARY(QIRA_ASSAY_LINKED, none), n));
  r.push_back(h.CharacterizeViscosity());
  for (int i = 0; i < n; ++i) r.insert(r.end(), {h.GetCpvVisc38(i), h.GetCpvVisc100(i)});
  V x(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) x[static_cast<std::size_t>(i)] = h.m_VsData[i].x;
  r.insert(r.end(), {h.LiquidViscosity(40, kP, x.data()), h.LiquidMassDensity(40, kP, x.data())});
}

// An assay object of the thread's own: a D86 curve cut into ten cuts, the whole table.
void assayPass(V& r, double s) {
  QiraAssay* a = QiraAssay_Create();
  const double yields[9] = {0.01, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.99};
  const double d86[9] = {310 * s, 345, 362, 410, 455, 500, 560, 585, 615};
  constexpr int kRows = 32;
  double table[QIRA_ASSAY_COLUMN_COUNT * kRows] = {};
  int rows = 0;
  r.insert(r.end(), {double(QiraAssay_SetCurve(a, QIRA_ASSAY_D86, 9, yields, d86)),
                     double(QiraAssay_SetGravity(a, QIRA_ASSAY_SG, 0.85)),
                     double(QiraAssay_CutByCount(a, 10, kMiss, kMiss)),
                     double(QiraAssay_Table(a, kRows, table, nullptr, &rows)), double(rows)});
  append(r, table, QIRA_ASSAY_COLUMN_COUNT * kRows);
  QiraAssay_Free(a);
}

// A chart of the thread's own, rendered; its text enters the results through its hash.
void chartPass(V& r, double s) {
  QiraChart* c = QiraChart_Create();
  const double fractions[4] = {0.0, 0.3, 0.7, 1.0}, kelvin[4] = {300 * s, 400, 480, 600};
  r.insert(r.end(), {double(QiraChart_SetText(c, "crude", "API 3A1.1")),
                     double(QiraChart_AddCurve(c, "TBP", 4, fractions, kelvin, nullptr, QIRA_CHART_LINE)),
                     double(QiraChart_AddViscosityLine(c, "cut", 10.0 * s, 2.5))});
  int needed = 0;
  QiraChart_Render(c, nullptr, 0, &needed);
  std::string svg(static_cast<std::size_t>(needed > 0 ? needed : 1), '\0');
  r.insert(r.end(), {double(QiraChart_Render(c, &svg[0], needed, nullptr)),
                     double(std::hash<std::string>{}(svg))});
  QiraChart_Free(c);
}

// The handle functions under the fill's member names.
struct ByHandle {
  int h;
  void SetNumbComp(int n) { ::SetNumbComp(h, n); }
  void SetNumbHypoComp(int n) { ::SetNumbHypoComp(h, n); }
#define QIRA_BY_HANDLE(name, T) \
  void name(int i, T v) { ::name(h, i, v); }
  QIRA_BY_HANDLE(SetTc, float) QIRA_BY_HANDLE(SetPc, float) QIRA_BY_HANDLE(SetVc, float)
  QIRA_BY_HANDLE(SetOmega, float) QIRA_BY_HANDLE(SetMw, float) QIRA_BY_HANDLE(SetBoil, float)
  QIRA_BY_HANDLE(SetLiqDen, float) QIRA_BY_HANDLE(SetWsrk, float) QIRA_BY_HANDLE(SetVchar, float)
  QIRA_BY_HANDLE(SetThetaA, float) QIRA_BY_HANDLE(SetThetaB, float) QIRA_BY_HANDLE(SetTypeHc, bool)
  QIRA_BY_HANDLE(SetVsdata, float) QIRA_BY_HANDLE(SetDCompBPs, double) QIRA_BY_HANDLE(SetIsHypo, int)
#undef QIRA_BY_HANDLE
};

// The same through a handle of the thread's own, created and deleted within the pass.
void viscosityHandlePass(V& r, int n) {
  ByHandle s{CreateViscHandler()};
  qira_assay::fill(s, qira_assay::assay(QIRA_ASSAY_LIBRARY(QIRA_ASSAY_LINKED, none), n));
  const double bulkT[2] = {40, 90}, bulkV[2] = {7, 2};
  SetMyBulkValues(s.h, 2, bulkT, bulkV);
  r.push_back(CharacterizeViscosity(s.h));
  for (int i = 0; i < n; ++i) r.insert(r.end(), {GetCpvVisc50(s.h, i), GetThetaA(s.h, i), double(IsHypo(s.h, i))});
  const double* calc = GetCalcBulkValues(s.h);
  append(r, calc, GetNumbBulkPts(s.h));
  DeleteViscHandler(s.h);
}

// One pass over every re-entrant family; k selects the inputs.
V pass(int k) {
  V r;
  const double s = 1.0 + 0.01 * (k % 5);
  distillationPass(r, s);
  propertiesPass(r, s);
  assayPass(r, s);
  chartPass(r, s);
  viscosityObjectPass(r, 7 + k % 3);
  viscosityHandlePass(r, 6 + k % 4);
  return r;
}

// Bit patterns, so that a not-a-number compares equal to itself.
std::vector<std::uint64_t> bits(const V& v) {
  std::vector<std::uint64_t> b(v.size());
  if (!v.empty()) std::memcpy(b.data(), v.data(), v.size() * sizeof(double));
  return b;
}

}  // namespace

TEST(Concurrency, EveryReentrantFamilyGivesOneThreadsBitsOnEight) {
  constexpr int kPasses = 3;
  std::vector<std::vector<std::uint64_t>> want;
  for (int k = 0; k < kThreads + kPasses; ++k) want.push_back(bits(pass(k)));
  std::vector<std::vector<std::vector<std::uint64_t>>> got(kThreads);
  onThreads([&](int t) {
    for (int i = 0; i < kPasses; ++i) got[static_cast<std::size_t>(t)].push_back(bits(pass(t + i)));
  });
  for (int t = 0; t < kThreads; ++t)
    for (int i = 0; i < kPasses; ++i)
      EXPECT_EQ(got[t][i], want[t + i]) << "thread " << t << ", pass " << i;
}

TEST(Concurrency, HandlesCreatedAndDeletedOnEveryThreadStayUnique) {
  constexpr int kPerThread = 300;
  const int before = qira::visc::lastHandle();
  std::vector<std::vector<int>> made(kThreads);
  std::vector<int> wrongCounts(kThreads, 0);
  onThreads([&](int t) {
    std::vector<int>& mine = made[static_cast<std::size_t>(t)];
    for (int i = 0; i < kPerThread; ++i) {
      const int h = CreateViscHandler();
      mine.push_back(h);
      SetNumbComp(h, t + 1);
      if (GetNumbComp(h) != t + 1) ++wrongCounts[static_cast<std::size_t>(t)];
      if (i % 3 != 2) DeleteViscHandler(mine[static_cast<std::size_t>(i / 2)]);
    }
    for (int h : mine) DeleteViscHandler(h);
  });
  std::set<int> all;
  for (int t = 0; t < kThreads; ++t) {
    all.insert(made[t].begin(), made[t].end());
    EXPECT_EQ(wrongCounts[t], 0) << "thread " << t << " read another thread's handler";
    for (std::size_t i = 1; i < made[t].size(); ++i) EXPECT_LT(made[t][i - 1], made[t][i]);
  }
  EXPECT_EQ(all.size(), std::size_t(kThreads * kPerThread)) << "no handle given out twice";
  EXPECT_EQ(*all.begin(), before + 1);
  EXPECT_EQ(*all.rbegin(), before + kThreads * kPerThread) << "no number skipped";
  EXPECT_EQ(GetNumbComp(*all.rbegin()), -1);
}

TEST(Concurrency, CallsOnAHandleDeletedMeanwhileFindItOrNot) {
  // Half the threads create, fill and delete handles in turn, publishing each, until the
  // others have made their calls on whichever handle is published. A call sees the
  // handler whole or not at all (under the old unguarded registry: a use after free).
  constexpr int kCalls = 2000;
  std::atomic<int> published{-1};
  std::atomic<int> callersDone{0};
  std::vector<int> torn(kThreads, 0);
  onThreads([&](int t) {
    if (t % 2 == 0) {
      while (callersDone.load() < kThreads / 2) {
        const int h = CreateViscHandler();
        SetNumbComp(h, 4);
        for (int c = 0; c < 4; ++c) SetMw(h, c, 100.0f);
        published.store(h);
        std::this_thread::yield();
        DeleteViscHandler(h);
      }
      return;
    }
    const double x[4] = {0.25, 0.25, 0.25, 0.25};
    for (int i = 0; i < kCalls; ++i) {
      const int h = published.load();
      const int n = GetNumbComp(h);
      const double mw = MolecularWeight(h, x);
      torn[static_cast<std::size_t>(t)] += !(n == 4 || n == -1) || !(mw == 100.0 || mw == -1.0);
      std::this_thread::yield();
    }
    callersDone.fetch_add(1);
  });
  for (int t = 1; t < kThreads; t += 2) EXPECT_EQ(torn[t], 0) << "thread " << t;
}

TEST(Concurrency, SolverInstanceCreatedOnce) {
  std::vector<NRsolver*> seen(kThreads, nullptr);
  onThreads([&](int t) { seen[static_cast<std::size_t>(t)] = NRsolver::Instance(); });
  ASSERT_NE(seen[0], nullptr);
  for (NRsolver* s : seen) EXPECT_EQ(s, seen[0]);
}
