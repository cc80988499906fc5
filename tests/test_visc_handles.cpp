// The integer-handle interface to viscosity handlers: handle numbering, the fixed
// results for unregistered handles, isolation between handlers, indices and arrays a
// host may get wrong, and a full characterization through handles only.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "QIRAViscHandles.h"
#include "ViscHandler.h"
#include "support/test_support.h"
#include "visc_char_assay.h"
#include "viscosity/handle_registry.h"

namespace {

constexpr double kMissing = -32767.0;

// The per-component setters of the fill order, through a handle.
struct HandleSink {
  int h;
  void SetNumbComp(int n) { ::SetNumbComp(h, n); }
  void SetNumbHypoComp(int n) { ::SetNumbHypoComp(h, n); }
  void SetTc(int i, float v) { ::SetTc(h, i, v); }
  void SetPc(int i, float v) { ::SetPc(h, i, v); }
  void SetVc(int i, float v) { ::SetVc(h, i, v); }
  void SetOmega(int i, float v) { ::SetOmega(h, i, v); }
  void SetMw(int i, float v) { ::SetMw(h, i, v); }
  void SetBoil(int i, float v) { ::SetBoil(h, i, v); }
  void SetLiqDen(int i, float v) { ::SetLiqDen(h, i, v); }
  void SetWsrk(int i, float v) { ::SetWsrk(h, i, v); }
  void SetVchar(int i, float v) { ::SetVchar(h, i, v); }
  void SetThetaA(int i, float v) { ::SetThetaA(h, i, v); }
  void SetThetaB(int i, float v) { ::SetThetaB(h, i, v); }
  void SetTypeHc(int i, bool v) { ::SetTypeHc(h, i, v); }
  void SetVsdata(int i, float v) { ::SetVsdata(h, i, v); }
  void SetDCompBPs(int i, double v) { ::SetDCompBPs(h, i, v); }
  void SetIsHypo(int i, int v) { ::SetIsHypo(h, i, v); }
};

// Two user curves at 50 and 100 C (boiling points C, viscosities cP) and two bulk points.
std::vector<double> curveBps = {100, 200, 300, 400, 500};
std::vector<double> curve50 = {2.2, 4.0, 14.0, 120.0, 3000.0};
std::vector<double> curve100 = {0.9, 1.6, 4.5, 25.0, 300.0};
std::vector<double> bulkTemps = {40.0, 90.0};
std::vector<double> bulkValues = {7.0, 2.0};

void fillThroughHandle(int h) {
  HandleSink s{h};
  visc_test::fillAssay(s, visc_test::realisticAssay());
  SetMyBulkValues(h, 2, bulkTemps.data(), bulkValues.data());
  SetNcurves(h, 2);
  InitializeMyCurves(h, 2);
  SetOneCurve(h, 0, 5, 50.0, curveBps.data(), curve50.data());
  SetOneCurve(h, 1, 5, 100.0, curveBps.data(), curve100.data());
}

void fillThroughClass(ViscHandler& v) {
  visc_test::fillAssay(v, visc_test::realisticAssay());
  v.SetMyBulkValues(2, bulkTemps.data(), bulkValues.data());
  v.SetNcurves(2);
  v.InitializeMyCurves(2);
  v.SetOneCurve(0, 5, 50.0, curveBps.data(), curve50.data());
  v.SetOneCurve(1, 5, 100.0, curveBps.data(), curve100.data());
}

// Must run first in a fresh process (each test runs in its own process under ctest).
TEST(ViscHandleNumbering, HandlesCountFromOneAndAreNeverReused) {
  ASSERT_EQ(qira::visc::lastHandle(), 0);
  EXPECT_EQ(CreateViscHandler(), 1);
  EXPECT_EQ(CreateViscHandler(), 2);
  DeleteViscHandler(1);
  EXPECT_EQ(CreateViscHandler(), 3);
  EXPECT_EQ(GetNumbComp(1), -1);
  EXPECT_EQ(GetNumbComp(2), 0);
  EXPECT_EQ(GetNumbComp(3), 0);
  DeleteViscHandler(2);
  DeleteViscHandler(3);
}

// Every one of the 46 functions, given handle h that no handler bears, returns its
// fixed result and writes nothing into the arrays passed.
void expectUnregistered(int h) {
  SCOPED_TRACE(h);
  std::vector<double> sentinel(4, 123.0);
  double* rows[1] = {sentinel.data()};
  std::vector<double> bps(4, 123.0);
  const double x[2] = {0.5, 0.5};
  DeleteViscHandler(h);  // nothing happens
  EXPECT_FALSE(CharacterizeViscosity(h));
  EXPECT_EQ(GetBulkTemp(h), nullptr);
  EXPECT_EQ(GetBulkValues(h), nullptr);
  EXPECT_EQ(GetCalcBulkValues(h), nullptr);
  EXPECT_EQ(GetHypoTempCrvs(h), nullptr);
  EXPECT_EQ(GetCpvVisc38(h, 0), -1.0);
  EXPECT_EQ(GetCpvVisc50(h, 0), -1.0);
  EXPECT_EQ(GetCpvVisc60(h, 0), -1.0);
  EXPECT_EQ(GetCpvVisc100(h, 0), -1.0);
  EXPECT_EQ(GetThetaA(h, 0), -1.0);
  EXPECT_EQ(GetThetaB(h, 0), -1.0);
  EXPECT_EQ(GetNHypoCurves(h), -1);
  EXPECT_EQ(GetNumbBulkPts(h), -1);
  EXPECT_EQ(GetNumbComp(h), -1);
  EXPECT_EQ(GetNumbHypoComp(h), -1);
  EXPECT_EQ(IsHypo(h, 0), -1);
  EXPECT_FALSE(IsKinVisc(h));
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, rows, bps.data()), -1);
  EXPECT_FALSE(InitializeMyCurves(h, 2));
  EXPECT_FALSE(SetOneCurve(h, 0, 2, 50.0, x, x));
  EXPECT_FALSE(SetMyBulkValues(h, 2, x, x));
  EXPECT_EQ(LiquidViscosity(h, 40.0, 101.325, x), -1.0);
  EXPECT_EQ(LiquidKinematicViscosity(h, 40.0, 101.325, x), -1.0);
  EXPECT_EQ(LiquidMassDensity(h, 40.0, 101.325, x), -1.0);
  EXPECT_EQ(LiquidMolarDensity(h, 40.0, 101.325, x), -1.0);
  EXPECT_EQ(MolecularWeight(h, x), -1.0);
  EXPECT_EQ(SetNumbComp(h, 3), -1);
  EXPECT_EQ(SetNumbHypoComp(h, 1), -1);
  EXPECT_EQ(SetNcurves(h, 1), -1);
  EXPECT_EQ(SetDCompBPs(h, 0, 400.0), -1);
  EXPECT_EQ(SetIsHypo(h, 0, 1), -1);
  EXPECT_EQ(SetVsdata(h, 0, 0.5f), -1);
  EXPECT_EQ(SetTypeHc(h, 0, true), -1);
  EXPECT_EQ(SetTc(h, 0, 600.0f), -1);
  EXPECT_EQ(SetPc(h, 0, 2000.0f), -1);
  EXPECT_EQ(SetVc(h, 0, 0.5f), -1);
  EXPECT_EQ(SetOmega(h, 0, 0.3f), -1);
  EXPECT_EQ(SetMw(h, 0, 120.0f), -1);
  EXPECT_EQ(SetBoil(h, 0, 400.0f), -1);
  EXPECT_EQ(SetLiqDen(h, 0, 750.0f), -1);
  EXPECT_EQ(SetWsrk(h, 0, 0.3f), -1);
  EXPECT_EQ(SetVchar(h, 0, 0.5f), -1);
  EXPECT_EQ(SetThetaA(h, 0, 0.1f), -1);
  EXPECT_EQ(SetThetaB(h, 0, 0.1f), -1);
  EXPECT_EQ(sentinel, std::vector<double>(4, 123.0));
  EXPECT_EQ(bps, std::vector<double>(4, 123.0));
}

TEST(ViscHandles, UnregisteredHandlesGiveTheFixedResults) {
  expectUnregistered(987654);  // never created
  expectUnregistered(0);
  expectUnregistered(-1);
  const int h = CreateViscHandler();
  fillThroughHandle(h);
  DeleteViscHandler(h);
  expectUnregistered(h);  // deleted
  DeleteViscHandler(h);   // twice
}

TEST(ViscHandles, FreshHandlerHoldsNothing) {
  const int h = CreateViscHandler();
  EXPECT_FALSE(IsKinVisc(h));
  EXPECT_EQ(GetNumbBulkPts(h), 0);
  EXPECT_EQ(GetNHypoCurves(h), 0);
  EXPECT_EQ(GetNumbComp(h), 0);
  EXPECT_EQ(GetBulkTemp(h), nullptr);
  EXPECT_EQ(GetHypoTempCrvs(h), nullptr);
  // No records yet: the setters store nothing and still report 1.
  EXPECT_EQ(SetTc(h, 0, 600.5f), 1);
  EXPECT_EQ(SetThetaA(h, 0, 0.25f), 1);
  EXPECT_EQ(SetTypeHc(h, 0, true), 1);
  EXPECT_EQ(SetVsdata(h, 0, 0.5f), 1);
  EXPECT_EQ(SetDCompBPs(h, 0, 400.0), 1);
  EXPECT_EQ(SetIsHypo(h, 0, 1), 1);
  EXPECT_EQ(GetThetaA(h, 0), kMissing);
  EXPECT_EQ(GetThetaB(h, 0), kMissing);
  EXPECT_EQ(GetCpvVisc38(h, 0), kMissing);
  EXPECT_EQ(IsHypo(h, 0), -32767);
  EXPECT_EQ(SetNumbComp(h, 3), 1);
  EXPECT_EQ(GetThetaA(h, 0), 0.0);  // the record exists now
  EXPECT_EQ(SetThetaA(h, 1, 0.25f), 1);
  EXPECT_EQ(GetThetaA(h, 1), 0.25);
  EXPECT_EQ(IsHypo(h, 2), -1);  // flag never set
  DeleteViscHandler(h);
}

TEST(ViscHandles, IndicesAndArraysAHostGetsWrongTouchNothing) {
  const int h = CreateViscHandler();
  SetNumbComp(h, 2);
  for (int i : {2, 1000, -1, INT_MAX, INT_MIN}) {
    EXPECT_EQ(GetCpvVisc100(h, i), kMissing);
    EXPECT_EQ(GetThetaB(h, i), kMissing);
    EXPECT_EQ(IsHypo(h, i), -32767);
    EXPECT_EQ(SetMw(h, i, 100.0f), 1);
    EXPECT_EQ(SetIsHypo(h, i, 1), 1);
    EXPECT_EQ(SetVsdata(h, i, 0.5f), 1);
  }
  // Counts below zero store nothing.
  EXPECT_EQ(SetNumbComp(h, -4), 1);
  EXPECT_EQ(GetNumbComp(h), 2);
  EXPECT_EQ(SetNumbHypoComp(h, -1), 1);
  EXPECT_EQ(GetNumbHypoComp(h), 0);
  EXPECT_TRUE(InitializeMyCurves(h, -3));
  // Curve slots that do not exist, and absent arrays.
  const double v[2] = {1.0, 2.0};
  EXPECT_TRUE(SetOneCurve(h, 0, 2, 50.0, v, v));  // no slots yet
  EXPECT_TRUE(InitializeMyCurves(h, 1));
  EXPECT_TRUE(SetOneCurve(h, 1, 2, 50.0, v, v));
  EXPECT_TRUE(SetOneCurve(h, 0, 2, 50.0, nullptr, v));
  EXPECT_TRUE(SetOneCurve(h, 0, 0, 50.0, v, v));
  EXPECT_FALSE(SetMyBulkValues(h, 2, nullptr, v));
  EXPECT_FALSE(SetMyBulkValues(h, -2, v, v));
  EXPECT_EQ(GetNumbBulkPts(h), 0);
  EXPECT_EQ(LiquidViscosity(h, 40.0, 101.325, nullptr), kMissing);
  EXPECT_EQ(LiquidMassDensity(h, NAN, 101.325, v), kMissing);
  EXPECT_EQ(LiquidMolarDensity(h, 40.0, INFINITY, v), kMissing);
  EXPECT_EQ(MolecularWeight(h, nullptr), kMissing);
  double* rows[2] = {nullptr, nullptr};
  double bps[2] = {7.0, 7.0};
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, nullptr, bps), 1);
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, rows, bps), 1);
  EXPECT_EQ(bps[0], 7.0);
  DeleteViscHandler(h);
}

TEST(ViscHandles, AnyCallOrderIsSafe) {
  const int h = CreateViscHandler();
  EXPECT_EQ(GetHypoTempCrvs(h), nullptr);  // before characterizing
  EXPECT_FALSE(CharacterizeViscosity(h));  // before SetNumbComp
  EXPECT_EQ(GetNHypoCurves(h), 2);          // 38 and 100 C, for no components
  SetNumbComp(h, 4);
  EXPECT_EQ(GetCpvVisc38(h, 0), kMissing);  // before characterizing
  EXPECT_FALSE(CharacterizeViscosity(h));   // components without any data
  SetMyBulkValues(h, 2, bulkTemps.data(), bulkValues.data());
  EXPECT_FALSE(CharacterizeViscosity(h));
  fillThroughHandle(h);
  SetNumbHypoComp(h, 2);  // fewer than flagged
  EXPECT_FALSE(CharacterizeViscosity(h));
  SetNumbComp(h, 0);  // components gone, hypo curves of the old count remain
  EXPECT_FALSE(CharacterizeViscosity(h));
  DeleteViscHandler(h);
  DeleteViscHandler(h);
}

TEST(ViscHandles, DeletingOneHandlerLeavesTheOthersIntact) {
  const int a = CreateViscHandler();
  const int b = CreateViscHandler();
  const int c = CreateViscHandler();
  fillThroughHandle(a);
  fillThroughHandle(b);
  SetNumbComp(c, 2);
  SetMw(c, 1, 250.0f);
  CharacterizeViscosity(a);
  CharacterizeViscosity(b);
  const int n = GetNumbComp(b);
  std::vector<double> before;
  for (int i = 0; i < n; ++i) before.push_back(GetCpvVisc50(b, i));
  const std::vector<double> temps(GetHypoTempCrvs(b), GetHypoTempCrvs(b) + GetNHypoCurves(b));
  DeleteViscHandler(a);
  EXPECT_EQ(GetNumbComp(a), -1);
  EXPECT_EQ(GetNumbComp(b), n);
  for (int i = 0; i < n; ++i) EXPECT_EQ(GetCpvVisc50(b, i), before[static_cast<std::size_t>(i)]);
  EXPECT_EQ(std::vector<double>(GetHypoTempCrvs(b), GetHypoTempCrvs(b) + GetNHypoCurves(b)), temps);
  EXPECT_EQ(GetNumbComp(c), 2);
  const double x[2] = {0.0, 1.0};
  EXPECT_EQ(MolecularWeight(c, x), 250.0);
  DeleteViscHandler(b);
  DeleteViscHandler(c);
}

TEST(ViscHandles, CharacterizationThroughHandlesMatchesTheClass) {
  const int h = CreateViscHandler();
  fillThroughHandle(h);
  ViscHandler direct;
  fillThroughClass(direct);
  EXPECT_EQ(GetNumbHypoComp(h), 16);
  EXPECT_FALSE(IsKinVisc(h));  // handles always run with dynamic data

  // Liquid properties of the assay forward unchanged.
  std::vector<double> x;
  for (const auto& c : visc_test::realisticAssay()) x.push_back(static_cast<double>(static_cast<float>(c.x)));
  std::vector<double> y = x;
  EXPECT_EQ(LiquidMolarDensity(h, 60.0, 101.325, x.data()), direct.LiquidMolarDensity(60.0, 101.325, y.data()));
  EXPECT_EQ(LiquidMassDensity(h, 60.0, 101.325, x.data()), direct.LiquidMassDensity(60.0, 101.325, y.data()));
  EXPECT_EQ(MolecularWeight(h, x.data()), direct.MolecularWeight(y.data()));
  EXPECT_EQ(LiquidViscosity(h, 60.0, 101.325, x.data()), direct.LiquidViscosity(60.0, 101.325, y.data()));
  EXPECT_EQ(LiquidKinematicViscosity(h, 60.0, 101.325, x.data()),
            direct.LiquidKinematicViscosity(60.0, 101.325, y.data()));

  EXPECT_FALSE(CharacterizeViscosity(h));
  EXPECT_FALSE(direct.CharacterizeViscosity());
  const int n = GetNumbComp(h);
  ASSERT_EQ(n, direct.GetNumbComp());
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(GetCpvVisc38(h, i), direct.GetCpvVisc38(i));
    EXPECT_EQ(GetCpvVisc50(h, i), direct.GetCpvVisc50(i));
    EXPECT_EQ(GetCpvVisc60(h, i), direct.GetCpvVisc60(i));
    EXPECT_EQ(GetCpvVisc100(h, i), direct.GetCpvVisc100(i));
    EXPECT_EQ(GetThetaA(h, i), direct.GetQiraThetaA(i));
    EXPECT_EQ(GetThetaB(h, i), direct.GetQiraThetaB(i));
    EXPECT_EQ(IsHypo(h, i), direct.IsHypo(i));
  }
  const int k = GetNHypoCurves(h);
  const int b = GetNumbBulkPts(h);
  ASSERT_EQ(k, 2);  // the two user curves' temperatures
  ASSERT_EQ(b, 2);
  for (int j = 0; j < k; ++j) EXPECT_EQ(GetHypoTempCrvs(h)[j], direct.GetHypoTempCrvs()[j]);
  for (int j = 0; j < b; ++j) {
    EXPECT_EQ(GetBulkTemp(h)[j], direct.GetBulkTemp()[j]);
    EXPECT_EQ(GetBulkValues(h)[j], direct.GetBulkValues()[j]);
    EXPECT_EQ(GetCalcBulkValues(h)[j], direct.GetCalcBulkValues()[j]);
  }

  // Hypo curves of the pseudo-components, packed in component order.
  const int hypo = GetNumbHypoComp(h);
  std::vector<std::vector<double>> curves(static_cast<std::size_t>(k), std::vector<double>(static_cast<std::size_t>(hypo), 0.0));
  std::vector<double*> rows = {curves[0].data(), curves[1].data()};
  std::vector<double> bps(static_cast<std::size_t>(hypo), 0.0);
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, rows.data(), bps.data()), 1);
  for (int o = 0; o < hypo; ++o) {
    const std::size_t i = static_cast<std::size_t>(3 + o);  // the lights come first
    EXPECT_EQ(bps[static_cast<std::size_t>(o)], direct.m_DCompBPs[i]);
    EXPECT_EQ(curves[0][static_cast<std::size_t>(o)], direct.m_HypoViscCrvs[0][i]);
    EXPECT_GT(curves[0][static_cast<std::size_t>(o)], curves[1][static_cast<std::size_t>(o)]);  // 50 C above 100 C
  }
  DeleteViscHandler(h);
}

// Runs last: it moves the handle counter to the end of its range.
TEST(ViscHandleRange, TheLastHandleIsNeverFollowedByAReusedOne) {
  const int kept = CreateViscHandler();
  SetNumbComp(kept, 5);
  qira::visc::advanceHandleCounter(INT_MAX - 1);
  const int last = CreateViscHandler();
  EXPECT_EQ(last, INT_MAX);
  EXPECT_EQ(CreateViscHandler(), -1);  // nothing created
  EXPECT_EQ(CreateViscHandler(), -1);
  EXPECT_EQ(GetNumbComp(-1), -1);
  qira::visc::advanceHandleCounter(1);  // never moves back
  EXPECT_EQ(CreateViscHandler(), -1);
  EXPECT_EQ(GetNumbComp(kept), 5);
  EXPECT_EQ(GetNumbComp(last), 0);
  DeleteViscHandler(last);
  DeleteViscHandler(kept);
}

}  // namespace
