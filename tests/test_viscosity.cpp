// ViscHandler: crude-oil viscosity, hypo curves and thetas, bulk shifting, the driver, the theta fit, handles vs class.
#include <climits>
#include <cstdlib>

#include "QIRACetane.h"
#include "QIRALiquidProps.h"
#include "QIRAViscHandles.h"
#include "QIRAViscosityFit.h"
#include "ViscHandler.h"
#include "support/assay_fixture.h"
#include "support/tables.h"
#include "viscosity/handle_registry.h"

using namespace qira_test;

namespace {

constexpr double kP = 101.325;
constexpr int kLights = 3;  // the assay's light ends come first
const qira_assay::Library kLibrary = QIRA_ASSAY_LIBRARY(QIRA_ASSAY_LINKED, none);

// A handler holding the shared assay of n components.
ViscHandler assayHandler(int n = 19, bool kinematic = true, bool refutas = false) {
  ViscHandler h;
  qira_assay::fill(h, qira_assay::assay(kLibrary, n));
  h.SetViscosityType(kinematic);
  h.SetUseRefutas(refutas);
  return h;
}
V held(const ViscHandler& h) { V x; for (const pc_vs_data& r : h.m_VsData) x.push_back(r.x); return x; }
V pure(int n, int i) { V e(n, 0.0); e[i] = 1.0; return e; }
void setBulk(ViscHandler& h, V t, V v) { h.SetMyBulkValues(static_cast<int>(t.size()), t.data(), v.data()); }
void setHypoTemps(ViscHandler& h, const V& temps) {
  h.m_NHypoCurves = static_cast<int>(temps.size());
  h.m_HypoTempCrvs = temps;
  h.m_HypoViscCrvs.assign(temps.size(), V(h.m_VsData.size(), kMiss));
}

}  // namespace

TEST(CrudeViscosity, ReferenceThresholdAndIdentities) {
  EXPECT_DOUBLE_EQ(ViscHandler::cbrt(-8.0), -2.0) << "signed cube root";
  // A component with methane's critical temperature maps onto the reference: f = 1.
  ViscHandler m;
  m.SetNumbComp(1);
  m.SetTc(0, 190.555f), m.SetPc(0, 4599.0f), m.SetVc(0, 0.0986f), m.SetOmega(0, 0.0115f);
  m.SetMw(0, 16.043f), m.SetWsrk(0, 0.0074f), m.SetVchar(0, 0.0994f), m.SetVsdata(0, 1.0f);
  V one{1.0};
  EXPECT_GT(m.LiquidViscosity(-170.0, kP, one.data()), 0.0);
  EXPECT_NEAR(m.m_VsData[0].SqrtF, 1.0, 1e-7);
  // A mole fraction of 1e-7 counts nowhere; 2e-7 counts.
  ViscHandler h = assayHandler(7);
  V with(7, 0.0), without(7, 0.0);
  with[4] = without[4] = 0.6;
  with[5] = without[5] = 0.4;
  with[6] = 1e-7;
  h.m_VsData[6].SqrtF = 42.0;
  EXPECT_EQ(h.LiquidViscosity(50.0, kP, with.data()), h.LiquidViscosity(50.0, kP, without.data()));
  EXPECT_EQ(h.m_VsData[6].SqrtF, 42.0);
  with[6] = 2e-7;
  h.LiquidViscosity(50.0, kP, with.data());
  EXPECT_NE(h.m_VsData[6].SqrtF, 42.0);
  EXPECT_EQ(held(h), with) << "an evaluation leaves its composition in the records";
  // The properties' identities on the assay composition.
  const V x = held(assayHandler(9));
  ViscHandler a = assayHandler(9);
  V c1 = x, c2 = x, c3 = x;
  const double rhom = a.LiquidMolarDensity(60.0, kP, c1.data()), mw = a.MolecularWeight(c1.data());
  EXPECT_EQ(a.LiquidMassDensity(60.0, kP, c1.data()), mw * rhom);
  EXPECT_DOUBLE_EQ(a.LiquidKinematicViscosity(60.0, kP, c2.data()),
                   a.LiquidViscosity(60.0, kP, c3.data()) * 1000 / (mw * rhom));
  ViscHandler two;
  two.SetNumbComp(2);
  two.SetMw(0, 100.0f), two.SetMw(1, 200.0f);
  V half{0.5, 0.5};
  EXPECT_EQ(two.MolecularWeight(half.data()), 150) << "0.5 x 100 + 0.5 x 200";
  double nu = 0, mu = 0;  // cSt = cP x 1000 / (kg/m3): 8.5 cP at 850 kg/m3 is 10 cSt
  two.ConvertToKinematicVisc(nu, 8.5, 850), two.ConvertToDynamicVisc(10, mu, 850);
  EXPECT_DOUBLE_EQ(nu, 10);
  EXPECT_DOUBLE_EQ(mu, 8.5);
  // No material, or no liquid (n-butane alone at 160 C, above its critical point).
  V none(9, 0.0), butane = pure(9, 0);
  EXPECT_EQ(a.LiquidViscosity(40.0, kP, none.data()), kMiss);
  EXPECT_EQ(a.LiquidMolarDensity(160.0, kP, butane.data()), 0.0);
  EXPECT_EQ(a.LiquidViscosity(160.0, kP, butane.data()), kMiss);
  EXPECT_EQ(a.viscrude(9, 300.0, kP, a.m_VsData.data(), 0.0), kMiss) << "zero density";
}

TEST(CrudeViscosity, PublishedAndPhysicalBehaviour) {
  ViscHandler h = assayHandler(23);
  const int n = h.GetNumbComp();
  V x = held(h);
  double previous = 0.0, lightest = 0.0;
  for (int i = 0; i < n; ++i) {
    V e = pure(n, i);
    const double nu38 = h.LiquidKinematicViscosity(38.0, kP, e.data());
    const double nu100 = h.LiquidKinematicViscosity(100.0, kP, e.data());
    EXPECT_GT(nu38, nu100) << "viscosity falls with temperature, component " << i;
    EXPECT_GT(nu38, previous) << "and rises with the boiling point, component " << i;
    previous = nu38;
    if (i == 0) lightest = nu38;
  }
  const double bulk = h.LiquidKinematicViscosity(38.0, kP, x.data());
  EXPECT_TRUE(bulk > lightest && bulk < previous) << "the mixture lies between its components";
}

TEST(HypoCurves, WaltherLinePentaneAnchorAndFit) {
  ViscHandler h;
  double visc[2] = {10.0, 3.0}, temps[2] = {311.15, 373.15}, missing[2] = {10.0, kMiss};
  double x[3] = {1, 2, 4}, y[3] = {3, 5, 9}, slope = 0, intercept = 0;
  h.GetLinearFit(y, x, 3, &slope, &intercept);
  expectRows({{"Walther line through its own point", h.GetViscAtTemp(visc, temps, 311.15, 2), 10, 1e-9},
              {"Walther line at its second point (transform round trip)", h.GetViscAtTemp(visc, temps, 373.15, 2), 3, 2e-6},
              {"Walther line between its points, ASTM D341 with Z = nu + 0.7", h.GetViscAtTemp(visc, temps, 340.0, 2), 5.192009088122601, 2e-6},
              {"one point: the level line", h.GetViscAtTemp(visc, temps, 400.0, 1), 10, 1e-9},
              {"a missing point", h.GetViscAtTemp(missing, temps, 340.0, 2), kMiss, 0},
              {"line fit slope, y = 2x + 1", slope, 2, 1e-12}, {"line fit intercept", intercept, 1, 1e-12},
              {"n-pentane anchor at 310.93 K: 2.296 cSt", h.GetPentaneViscosityAtTemp(310.93, true), 2.296, 2e-4},
              {"n-pentane anchor in cP", h.GetPentaneViscosityAtTemp(310.93, false), 2.296 * 0.629729, 2e-4},
              {"n-pentane anchor floored at 0.0001 cSt", h.GetPentaneViscosityAtTemp(kMiss, true), 0.0001, 0}});
  for (double t = 250.0; t < 5000.0; t *= 1.5) EXPECT_GE(h.GetPentaneViscosityAtTemp(t, true), 0.0001) << t;
}

namespace {

// A handler with one light component first, then hypothetical components at bps (K).
ViscHandler hypoHandler(const V& bps) {
  ViscHandler h;
  const int n = static_cast<int>(bps.size()) + 1;
  h.SetNumbComp(n);
  h.SetIsHypo(0, 0);
  h.SetDCompBPs(0, 250.0);
  for (int i = 1; i < n; ++i) h.SetDCompBPs(i, bps[i - 1]), h.SetIsHypo(i, 1);
  h.SetNumbHypoComp(n - 1);
  h.SortHypoBPs();
  h.SetViscosityType(true);
  return h;
}

}  // namespace

TEST(HypoCurves, TemperaturesSortingAndUserCurves) {
  ViscHandler s = hypoHandler({500, 400, 500, 450});
  EXPECT_EQ(s.m_HypoBPs, (V{400, 450, 500, 500}));
  EXPECT_EQ(s.m_HypoIndex, (std::vector<int>{-32767, 3, 0, 3, 1})) << "equal boiling points share a position";
  // The hypo temperatures: 38 and 100 C, one of them replaced by the nearer bulk
  // temperature (a tie puts it first), all bulk temperatures when there are more, and the
  // user curves' temperatures above all.
  struct Case { const char* origin; V bulk; V want; };
  for (const Case& c : std::vector<Case>{{"no bulk points", {}, {38, 100}},
                                         {"90 C is nearer 100 C", {90}, {38, 90}},
                                         {"69 C is as near to both", {69}, {69, 100}},
                                         {"three bulk points", {20, 50, 80}, {20, 50, 80}}}) {
    ViscHandler h = hypoHandler({400});
    setBulk(h, c.bulk, V(c.bulk.size(), 5.0));
    h.SetNumberOfHypoCurves();
    EXPECT_EQ(h.m_HypoTempCrvs, c.want) << c.origin;
  }
  // Two user curves, the second missing its last point; values at the knots come back.
  ViscHandler h = hypoHandler({353.15, 423.15, 423.15});
  h.SetNcurves(2);
  ASSERT_TRUE(h.InitializeMyCurves(2));
  double bp0[3] = {80, 150, 300}, v0[3] = {3, 8, 40}, bp1[3] = {80, 150, kMiss}, v1[3] = {1.5, 3, kMiss};
  h.SetOneCurve(0, 3, 40.0, bp0, v0);
  h.SetOneCurve(1, 3, 100.0, bp1, v1);
  h.SetOneCurve(2, 3, 150.0, bp0, v0);  // beyond the curve tables: ignored
  EXPECT_FALSE(h.InitHypoCurves());
  EXPECT_EQ(h.m_HypoTempCrvs, (V{40, 100}));
  EXPECT_NEAR(h.m_HypoViscCrvs[0][1], 3.0, 1e-9);
  EXPECT_NEAR(h.m_HypoViscCrvs[1][2], 3.0, 1e-9);
  EXPECT_EQ(h.m_HypoViscCrvs[0][2], h.m_HypoViscCrvs[0][3]);
  EXPECT_EQ(h.m_HypoViscCrvs[0][0], kMiss) << "not hypothetical";
  V c0(3), c1(3), bps(3);
  double* curves[2] = {c0.data(), c1.data()};
  h.GetHypoViscCrvsAndBP(curves, bps.data());
  EXPECT_EQ(bps, (V{353.15, 423.15, 423.15})) << "packed for the host in component order";
  EXPECT_EQ(c1[2], h.m_HypoViscCrvs[1][3]);
}

TEST(HypoCurves, PentaneAnchorRules) {
  ViscHandler h = hypoHandler({353.15, 423.15, 573.15, 310.93});
  V out(5);
  const double anchor = h.GetPentaneViscosityAtTemp(323.15, true);
  // First boiling point 80 C: the anchor is an extra first point; the curve's own points stay.
  double bpHigh[3] = {80, 150, 300}, bpLow[3] = {60, 150, 300}, visc[3] = {3, 8, 40};
  h.CurveFitViscosity(3, 50.0, bpHigh, visc, out.data());
  expectRows({{"not hypothetical", out[0], kMiss, 0}, {"the curve's own point", out[1], 3, 1e-9},
              {"the anchor's boiling point", out[4], anchor, 1e-9}});
  // First boiling point 60 C: that point is replaced by the anchor.
  h.CurveFitViscosity(3, 50.0, bpLow, visc, out.data());
  EXPECT_TRUE(out[1] > anchor && out[1] < 8.0 && out[1] != 3.0);
  EXPECT_NEAR(out[2], 8.0, 1e-9);
  // Two points, the first replaced: too few to interpolate, every value missing.
  h.CurveFitViscosity(2, 50.0, bpLow, visc, out.data());
  for (double v : out) EXPECT_EQ(v, kMiss);
}

TEST(HypoCurves, TwuEstimatesThetasAndStandardViscosities) {
  for (bool kinematic : {true, false}) {
    ViscHandler h = assayHandler(9, kinematic);
    h.SortHypoBPs();
    h.InitHypoCurves();
    ASSERT_EQ(h.m_HypoTempCrvs, (V{38, 100}));
    for (int i = kLights; i < 9; ++i) {
      const pc_comp_data& c = *h.m_CompData[i];
      double nu[2];
      Blend_TwuVisc(c.LiqDen, c.Boil, &nu[0], &nu[1]);
      const double scale = kinematic ? 1.0 : c.LiqDen / 1000.0;
      // 311.15 K and 373.15 K are the Walther line's own points: the Twu values come back.
      EXPECT_NEAR(h.m_HypoViscCrvs[0][i] / scale, nu[0], 2e-4 + 1e-5 * nu[0]);
      EXPECT_NEAR(h.m_HypoViscCrvs[1][i] / scale, nu[1], 2e-4 + 1e-5 * nu[1]);
    }
    EXPECT_EQ(h.m_HypoViscCrvs[0][1], kMiss);
  }
  // Thetas fitted to the curves reproduce them through the correlation (measured: at
  // most 5e-6 relative), and the standard viscosities follow from them.
  ViscHandler h = assayHandler(23);
  const V assay = held(h);
  h.SortHypoBPs();
  h.InitHypoCurves();
  ASSERT_TRUE(h.GenerateThetas(nullptr));
  for (int i = kLights; i < 23; ++i) {
    EXPECT_EQ(h.GetThetaA(i), h.GetQiraThetaA(i));
    for (int j = 0; j < 2; ++j) {
      V e = pure(23, i);
      EXPECT_NEAR(h.LiquidKinematicViscosity(h.m_HypoTempCrvs[j], kP, e.data()) / h.m_HypoViscCrvs[j][i], 1.0, 1e-5);
    }
  }
  for (int i = 0; i < 23; ++i) h.m_VsData[i].x = assay[i];
  ASSERT_TRUE(h.GenerateStandardViscCurvesFromTheta());
  for (int i = kLights; i < 23; ++i) {
    EXPECT_NEAR(h.GetCpvVisc38(i) / h.m_HypoViscCrvs[0][i], 1.0, 1e-5);
    EXPECT_TRUE(h.GetCpvVisc38(i) > h.GetCpvVisc50(i) && h.GetCpvVisc50(i) > h.GetCpvVisc60(i) &&
                h.GetCpvVisc60(i) > h.GetCpvVisc100(i));
  }
  EXPECT_EQ(held(h), assay);
  // Thetas need two curves; a missing hypo value leaves that component's thetas alone.
  const double theta5 = h.GetThetaA(5), theta6 = h.GetThetaA(6);
  h.m_HypoViscCrvs[1][5] = kMiss;
  h.m_HypoViscCrvs[0][6] *= 2;
  h.GenerateThetas(nullptr);
  EXPECT_EQ(h.GetThetaA(5), theta5);
  EXPECT_NE(h.GetThetaA(6), theta6);
  h.m_NHypoCurves = 1;
  EXPECT_FALSE(h.GenerateThetas(nullptr));
  // The Refutas route's standard values are kinematic whatever the data type.
  for (bool kinematic : {true, false}) {
    ViscHandler r = assayHandler(9, kinematic);
    r.SortHypoBPs();
    r.InitHypoCurves();
    ASSERT_TRUE(r.GenerateStandardViscCurvesRefutas());
    for (int i = kLights; i < 9; ++i) {
      V e = pure(9, i);
      const double rho = kinematic ? 1000 : r.LiquidMassDensity(38.0, kP, e.data());
      EXPECT_NEAR(r.GetCpvVisc38(i), r.m_HypoViscCrvs[0][i] * 1000 / rho, 2e-4);
    }
  }
}

TEST(BulkValues, StorageResamplingAndBothRoutes) {
  ViscHandler s;
  V t{40, 100}, v{8, kMiss}, nan{kNaN, 50};
  EXPECT_FALSE(s.SetMyBulkValues(2, t.data(), v.data())) << "stores and returns false";
  EXPECT_EQ(s.m_BulkValues, v) << "a missing value is kept";
  EXPECT_EQ(s.m_CalcBulkValues, V(2, kMiss));
  s.SetMyBulkValues(2, nan.data(), v.data());
  EXPECT_EQ(s.m_BulkTemp, t) << "unusable input stores nothing";
  // One bulk point moves onto the Walther line of the calculated viscosities (hand
  // transcription of the slope at 40 and 100 C through ln ln(8 + 1) at 40 C).
  for (bool kinematic : {true, false}) {
    ViscHandler h = assayHandler(19, kinematic);
    setBulk(h, {40}, {8});
    h.SortHypoBPs();
    h.SetNumberOfHypoCurves();
    h.SyncronizeBulkValues();
    ASSERT_EQ(h.m_BulkTemp, (V{40, 100}));
    V x = held(h), y = x, z = x;
    auto walther = [](double nu) { return std::log(std::log(nu + 1)); };
    auto lnR = [](double c) { return std::log((c + 273.15) * 1.8); };
    const double q0 = h.LiquidKinematicViscosity(40, kP, y.data()), q1 = h.LiquidKinematicViscosity(100, kP, z.data());
    const double slope = (walther(q0) - walther(q1)) / (lnR(40) - lnR(100));
    const double nu = std::exp(std::exp((lnR(100) - lnR(40)) * slope + walther(8))) - 1;
    const double want = kinematic ? nu : h.LiquidMassDensity(100, kP, x.data()) * nu / 1000;
    EXPECT_NEAR(h.m_BulkValues[1], want, 1e-12 * want);
    EXPECT_EQ(held(h), x) << "the assay composition is back in the records";
  }
  // Points at the curve temperatures keep their measured values; equal counts are kept.
  ViscHandler c = assayHandler();
  setHypoTemps(c, {50, 100});
  setBulk(c, {100, 50, 75}, {3, 9, 5});
  c.SyncronizeBulkValues();
  EXPECT_EQ(c.m_BulkValues, (V{9, 3}));
  setBulk(c, {20, 30}, {12, 9});
  c.SyncronizeBulkValues();
  EXPECT_EQ(c.m_BulkTemp, (V{20, 30}));
  // The correlation route gives the mixture's own viscosity at each bulk point.
  for (bool kinematic : {true, false}) {
    ViscHandler h = assayHandler(19, kinematic);
    EXPECT_FALSE(h.GenerateBulkValuesZARIX()) << "no bulk points";
    setBulk(h, {38, 100}, {8, 2});
    EXPECT_TRUE(h.GenerateBulkValuesZARIX());
    V x = held(h);
    EXPECT_DOUBLE_EQ(h.m_CalcBulkValues[1], kinematic ? h.LiquidKinematicViscosity(100, kP, x.data())
                                                      : h.LiquidViscosity(100, kP, x.data()));
  }
}

TEST(BulkValues, RefutasBlendWeighsTheIndexByMass) {
  // Two hypothetical components of 2 and 50 cSt at 50 C, mole fractions 0.5, MW 100 and
  // 300; a third as given.
  auto pair = [](float x3, double v3) {
    ViscHandler h;
    h.SetNumbComp(3);
    h.SetViscosityType(true);
    const float mw[3] = {100, 300, 200}, x[3] = {0.5f, 0.5f, x3};
    for (int i = 0; i < 3; ++i) h.SetMw(i, mw[i]), h.SetVsdata(i, x[i]), h.SetIsHypo(i, 1);
    setHypoTemps(h, {50});
    h.m_HypoViscCrvs[0] = {2, 50, v3};
    setBulk(h, {50}, {10});
    h.GenerateBulkValuesRefutas(nullptr);
    return h;
  };
  ViscHandler h = pair(0.0f, 1e6);
  expectRows({{"VBI(2) = 11.398630, VBI(50) = 30.859713, mass-weighted 25.994442: 15.8188 cSt (hand calculation)",
                h.m_CalcBulkValues[0], 15.818828164599612, 1e-9},
              {"a component whose viscosity plus C is at most 1 adds to the weight only: 6.3377 cSt",
                pair(0.25f, 0.1).m_CalcBulkValues[0], 6.337740027329546, 1e-9}});
  V trial = {4, 100, 0};
  double* rows[1] = {trial.data()};
  h.GenerateBulkValuesRefutas(rows);
  EXPECT_GT(h.m_CalcBulkValues[0], 15.82) << "trial curves passed in replace the handler's own";
  EXPECT_EQ(held(h), (V{0.5, 0.5, 0}));
}

namespace {

// The handler as the driver leaves it before shifting.
ViscHandler readyToShift(ViscHandler h) {
  h.SortHypoBPs();
  if (h.m_Ncurves == 1) h.m_SingleCurveNpts = h.m_CurveNpts[0];
  h.InitHypoCurves();
  if (!h.m_IsKorumProp) h.GenerateThetas(nullptr);
  h.SyncronizeBulkValues();
  return h;
}
double bulkError(const ViscHandler& h, bool relative = true) {
  double e = 0.0;
  for (size_t j = 0; j < h.m_BulkValues.size(); ++j)
    e += std::fabs((h.m_BulkValues[j] - h.m_CalcBulkValues[j]) / (relative ? h.m_BulkValues[j] : 1.0));
  return e;
}

}  // namespace

TEST(BulkShifting, MultipliersAndTheirSearches) {
  ViscHandler m;
  m.SetNumbComp(3);
  setHypoTemps(m, {38, 100});
  m.m_HypoIndex = {0, -32767, 1};
  m.m_HypoViscCrvs = {{2, 5, kMiss}, {1, 3, 4}};
  m.SetMultiplierToCurve(1, 2.0, nullptr);
  m.SetMultiplierToCurve(2, 2.0, nullptr);  // beyond the curves
  EXPECT_EQ(m.m_HypoViscCrvs[1], (V{2, 3, 8})) << "only hypothetical values of one curve";
  m.m_HypoViscCrvs = {{5, 1, 6}, {2, 9, 3}};
  EXPECT_TRUE(m.CheckViscosityConsistency(nullptr)) << "component 1 is not hypothetical";
  m.m_HypoViscCrvs[1][0] = 6;
  EXPECT_FALSE(m.CheckViscosityConsistency(nullptr)) << "viscosity rising with temperature";
  // The per-curve search meets one measured value by both routes and either data type,
  // with one multiplier per curve.
  for (bool refutas : {false, true})
    for (bool kinematic : {true, false}) {
      ViscHandler h = assayHandler(19, kinematic, refutas);
      setBulk(h, {40}, {8});
      h = readyToShift(h);
      const auto before = h.m_HypoViscCrvs;
      ASSERT_TRUE(h.ShiftBulkViscosity()) << refutas << kinematic;
      EXPECT_LT(bulkError(h), 1e-5);
      const double m0 = h.m_HypoViscCrvs[0][18] / before[0][18], m1 = h.m_HypoViscCrvs[1][18] / before[1][18];
      EXPECT_NEAR(h.m_HypoViscCrvs[0][5] / before[0][5], m0, 1e-12);
      EXPECT_GT(std::fabs(m0 - m1), 1e-6);
    }
  // The common multiplier finds a factor of 1.3 that the bulk values were made with.
  for (bool refutas : {false, true}) {
    ViscHandler h = assayHandler(19, true, refutas);
    setBulk(h, {40}, {8});
    h = readyToShift(h);
    ViscHandler scaled(h);
    for (auto& row : scaled.m_HypoViscCrvs)
      for (double& v : row) v = v == kMiss ? v : v * 1.3;
    scaled.GenerateThetas(nullptr);
    refutas ? scaled.GenerateBulkValuesRefutas(nullptr) : scaled.GenerateBulkValuesZARIX();
    h.m_BulkValues = scaled.m_CalcBulkValues;
    const auto before = h.m_HypoViscCrvs;
    EXPECT_TRUE(h.ShiftBulkViscosityOneMultiplier());
    EXPECT_NEAR(h.m_HypoViscCrvs[0][5] / before[0][5], 1.3, 0.01);
    EXPECT_NEAR(h.m_HypoViscCrvs[1][10] / before[1][10], h.m_HypoViscCrvs[0][5] / before[0][5], 1e-12);
  }
  // Without iterations neither search makes a trial; unchanged inconsistent curves fail.
  ViscHandler z = assayHandler();
  setBulk(z, {40}, {8});
  z = readyToShift(z);
  z.SetMaxIter(0);
  const auto curves = z.m_HypoViscCrvs;
  EXPECT_TRUE(z.ShiftBulkViscosity());
  EXPECT_EQ(z.m_CalcBulkValues[0], kMiss);
  EXPECT_TRUE(z.ShiftBulkViscosityOneMultiplier());
  EXPECT_EQ(z.m_HypoViscCrvs, curves);
  z.m_HypoViscCrvs[1][18] = 2 * z.m_HypoViscCrvs[0][18];
  EXPECT_FALSE(z.ShiftBulkViscosity());
  // No composition: no bulk value can be formed, so no multiplier either.
  ViscHandler e = assayHandler();
  setBulk(e, {40}, {8});
  e = readyToShift(e);
  for (pc_vs_data& r : e.m_VsData) r.x = 0.0;
  const auto kept = e.m_HypoViscCrvs;
  EXPECT_FALSE(e.ShiftBulkViscosity());
  EXPECT_TRUE(e.ShiftBulkViscosityOneMultiplier());
  EXPECT_EQ(e.m_HypoViscCrvs, kept);
}

TEST(Characterization, EveryDataScenarioGivesFiniteOrderedResults) {
  // User curves (boiling points C, viscosities) at 50, 100 and 38 C.
  const V bps{100, 200, 300, 400, 500};
  const std::vector<std::pair<double, V>> curves = {{50, {2.2, 4.0, 14.0, 120.0, 3000.0}},
                                                    {100, {0.9, 1.6, 4.5, 25.0, 300.0}},
                                                    {38, {2.8, 5.5, 20.0, 200.0, 6000.0}}};
  struct Scenario { const char* name; int curves; V bulkT, bulkV; };
  const std::vector<Scenario> scenarios = {
      {"no measured data", 0, {}, {}},
      {"one bulk point", 0, {40}, {8}},
      {"bulk points on one Walther line", 0, {20, 50, 80}, {18.68, 5.69, 2.53}},
      {"one user curve", 1, {}, {}},
      {"two user curves", 2, {}, {}},
      {"three user curves", 3, {}, {}},
      {"two user curves and bulk points", 2, {50, 100, 75}, {7, 2.5, 4}}};
  for (const Scenario& sc : scenarios)
    for (bool refutas : {false, true})
      for (bool kinematic : {true, false}) {
        SCOPED_TRACE(testing::Message() << sc.name << " refutas " << refutas << " kinematic " << kinematic);
        ViscHandler h = assayHandler(19, kinematic, refutas);
        setBulk(h, sc.bulkT, sc.bulkV);
        h.SetNcurves(sc.curves);
        h.InitializeMyCurves(sc.curves);
        for (int j = 0; j < sc.curves; ++j) { V v = curves[j].second, b = bps; h.SetOneCurve(j, 5, curves[j].first, b.data(), v.data()); }
        const ViscHandler filled(h);
        EXPECT_FALSE(h.CharacterizeViscosity());
        double previous = 0.0;
        for (int i = 0; i < h.GetNumbComp(); ++i) {
          if (i < kLights) { EXPECT_EQ(h.GetCpvVisc38(i), kMiss) << "only pseudo-components get standard values"; continue; }
          const double v38 = h.GetCpvVisc38(i), v50 = h.GetCpvVisc50(i), v60 = h.GetCpvVisc60(i), v100 = h.GetCpvVisc100(i);
          ASSERT_TRUE(std::isfinite(v38) && std::isfinite(v100)) << i;
          EXPECT_TRUE(v38 > v50 && v50 > v60 && v60 > v100 && v100 > 0) << i;
          EXPECT_GT(v38, previous) << i;
          previous = v38;
        }
        if (sc.bulkT.empty()) { EXPECT_EQ(h.GetNumbBulkPts(), 0); continue; }
        // Where the per-curve search succeeds the bulk values meet the measured ones;
        // otherwise the common multiplier leaves them no further off than unshifted.
        ViscHandler perCurve = readyToShift(filled);
        if (perCurve.ShiftBulkViscosity()) {
          EXPECT_LT(bulkError(h), 1e-5);
        } else {
          ViscHandler unshifted = readyToShift(filled);
          unshifted.GenerateThetas(nullptr);
          refutas ? unshifted.GenerateBulkValuesRefutas(nullptr) : unshifted.GenerateBulkValuesZARIX();
          EXPECT_LE(bulkError(h, false), bulkError(unshifted, false) * (1 + 1e-12));
        }
      }
}

TEST(Characterization, HostThetasAndTheFallback) {
  // Host thetas serve when they are not generated.
  ViscHandler h = assayHandler();
  h.SetIsKorumProp(true);
  h.SetThetaA(10, -0.3f);
  h.SetThetaB(10, -1.0f);
  h.CharacterizeViscosity();
  EXPECT_EQ(h.GetQiraThetaA(10), static_cast<double>(-0.3f));
  V e = pure(19, 10);
  EXPECT_DOUBLE_EQ(h.GetCpvVisc38(10), h.LiquidKinematicViscosity(38.0f, kP, e.data()));
  // With no iterations the per-curve search fails exactly when the unshifted curves are
  // inconsistent; only then are the thetas regenerated before the common multiplier.
  for (bool consistent : {true, false}) {
    ViscHandler f = assayHandler();
    f.SetIsKorumProp(true);
    f.SetMaxIter(0);
    f.SetNcurves(2);
    f.InitializeMyCurves(2);
    V bps{100, 200, 300, 400, 500}, c50{2.2, 4.0, 14.0, 120.0, 3000.0}, c100{0.9, 1.6, 4.5, 25.0, consistent ? 300.0 : 5000.0};
    f.SetOneCurve(0, 5, 50, bps.data(), c50.data());
    f.SetOneCurve(1, 5, 100, bps.data(), c100.data());
    setBulk(f, {50, 100}, {7, 2.5});
    f.SetThetaA(5, 0.7f);
    f.SetThetaB(5, 0.7f);
    f.CharacterizeViscosity();
    EXPECT_EQ(f.GetQiraThetaA(5) == static_cast<double>(0.7f), consistent);
    EXPECT_EQ(f.m_CalcBulkValues[0] == kMiss, consistent);
  }
}

TEST(ViscosityFit, ThetasRoundTripThroughTheCorrelation) {
  const qira_assay::Component c = qira_assay::pseudoComponent(kLibrary, 520.0);
  auto fit = [&c](int type, int start, V T, V& visc, float& a, float& b) {
    return pc_fitvisc(type, start, kP, c.mw, c.tc, c.pc, c.vc, static_cast<int>(T.size()), T.data(), visc.data(),
                      c.vchar, c.wsrk, &a, &b, c.omega);
  };
  ViscHandler h;
  qira_assay::fill(h, {c});
  h.SetThetaA(0, -0.05f);
  h.SetThetaB(0, -0.5f);
  V T, mu, one{1.0};
  for (double t : {30.0, 60.0, 110.0}) T.push_back(t + 273.15), mu.push_back(h.LiquidViscosity(t, kP, one.data()));
  V visc = mu;
  float a = 0, b = 0;
  ASSERT_EQ(fit(1, 0, T, visc, a, b), 1);
  expectRows({{"theta A back", a, -0.05, 2e-3}, {"theta B back", b, -0.5, 5e-3},
              {"1 cP is rewritten as 10000 micropoise", visc[0], mu[0] * 10000, 1e-9}});
  h.SetThetaA(0, a);
  h.SetThetaB(0, b);
  for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(h.LiquidViscosity(T[i] - 273.15, kP, one.data()) / mu[i], 1.0, 1e-5);
  // Kinematic data become dynamic micropoise with the component's own density.
  V kin{2.0, 0.8}, T2{311.15, 373.15};
  ASSERT_EQ(fit(2, 0, T2, kin, a, b), 1);
  EXPECT_DOUBLE_EQ(kin[0], pc_xden(311.15, kP, c.tc, c.pc, c.vchar, c.wsrk, c.omega) * c.mw / 1000 * 20000);
  // Any start but 1 ignores the given thetas; starting at the answer lands on it again.
  float a1 = 123, b1 = -7, a2 = -3, b2 = 9;
  V v1{2.0, 0.8}, v2 = v1, v3 = v1;
  fit(1, 0, T2, v1, a1, b1);
  fit(1, 5, T2, v2, a2, b2);
  EXPECT_TRUE(a1 == a2 && b1 == b2);
  float a3 = a1, b3 = b1;
  ASSERT_EQ(fit(1, 1, T2, v3, a3, b3), 1);
  EXPECT_NEAR(a3, a1, 1e-5);
  // No line: one temperature, equal temperatures, a viscosity that is not a number.
  float ka = 0.25f, kb = -0.5f;
  V single{2.0}, same{2.0, 2.1, 1.9}, nan{2.0, kNaN};
  EXPECT_EQ(fit(1, 0, {311.15}, single, ka, kb), 0);
  EXPECT_EQ(fit(1, 0, {311.15, 311.15, 311.15}, same, ka, kb), 0);
  EXPECT_EQ(fit(1, 0, T2, nan, ka, kb), 0);
  EXPECT_TRUE(ka == 0.25f && kb == -0.5f && same[1] == 2.1);
}

namespace {

// The handle functions behind the class's member names, so that one fill serves both.
#define QIRA_BY_HANDLE(name, T) \
  void name(int i, T v) { ::name(h, i, v); }
struct ByHandle {
  int h;
  void SetNumbComp(int n) { ::SetNumbComp(h, n); }
  void SetNumbHypoComp(int n) { ::SetNumbHypoComp(h, n); }
  void SetNcurves(int n) { ::SetNcurves(h, n); }
  void InitializeMyCurves(int n) { ::InitializeMyCurves(h, n); }
  void SetMyBulkValues(int n, double* t, double* v) { ::SetMyBulkValues(h, n, t, v); }
  void SetOneCurve(int j, int n, double t, double* b, double* v) { ::SetOneCurve(h, j, n, t, b, v); }
  QIRA_BY_HANDLE(SetTc, float) QIRA_BY_HANDLE(SetPc, float) QIRA_BY_HANDLE(SetVc, float)
  QIRA_BY_HANDLE(SetOmega, float) QIRA_BY_HANDLE(SetMw, float) QIRA_BY_HANDLE(SetBoil, float)
  QIRA_BY_HANDLE(SetLiqDen, float) QIRA_BY_HANDLE(SetWsrk, float) QIRA_BY_HANDLE(SetVchar, float)
  QIRA_BY_HANDLE(SetThetaA, float) QIRA_BY_HANDLE(SetThetaB, float) QIRA_BY_HANDLE(SetTypeHc, bool)
  QIRA_BY_HANDLE(SetVsdata, float) QIRA_BY_HANDLE(SetDCompBPs, double) QIRA_BY_HANDLE(SetIsHypo, int)
};

// The assay with two bulk points and two user curves at 50 and 100 C.
template <typename Sink>
void fillWithData(Sink& s) {
  qira_assay::fill(s, qira_assay::assay(kLibrary));
  V t{40, 90}, v{7, 2}, bps{100, 200, 300, 400, 500}, c50{2.2, 4.0, 14.0, 120.0, 3000.0}, c100{0.9, 1.6, 4.5, 25.0, 300.0};
  s.SetMyBulkValues(2, t.data(), v.data());
  s.SetNcurves(2);
  s.InitializeMyCurves(2);
  s.SetOneCurve(0, 5, 50.0, bps.data(), c50.data());
  s.SetOneCurve(1, 5, 100.0, bps.data(), c100.data());
}
int filledHandle() {
  ByHandle s{CreateViscHandler()};
  fillWithData(s);
  return s.h;
}

}  // namespace

TEST(ViscHandles, NumberingWithoutReuseToTheEndOfTheRange) {
  const int first = CreateViscHandler();
  EXPECT_EQ(first, qira::visc::lastHandle());
  EXPECT_EQ(CreateViscHandler(), first + 1);
  DeleteViscHandler(first);
  EXPECT_EQ(CreateViscHandler(), first + 2) << "a deleted handle is not reused";
  EXPECT_EQ(GetNumbComp(first) * 10 + GetNumbComp(first + 2), -10);
  // INT_MAX is the last handle, then nothing more is created (in a child process, so
  // that the other tests keep their handles).
  EXPECT_EXIT(
      {
        const int kept = CreateViscHandler();
        SetNumbComp(kept, 5);
        qira::visc::advanceHandleCounter(INT_MAX - 1);
        const bool last = CreateViscHandler() == INT_MAX && CreateViscHandler() == -1;
        qira::visc::advanceHandleCounter(1);  // never moves back
        std::exit(last && CreateViscHandler() == -1 && GetNumbComp(kept) == 5 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST(ViscHandles, CharacterizationThroughHandlesMatchesTheClass) {
  const int h = filledHandle();
  ViscHandler direct;
  fillWithData(direct);
  EXPECT_FALSE(IsKinVisc(h)) << "handles always run with dynamic data";
  V x = held(direct), y = x;
  EXPECT_EQ(LiquidMolarDensity(h, 60.0, kP, x.data()), direct.LiquidMolarDensity(60.0, kP, y.data()));
  EXPECT_EQ(LiquidMassDensity(h, 60.0, kP, x.data()), direct.LiquidMassDensity(60.0, kP, y.data()));
  EXPECT_EQ(MolecularWeight(h, x.data()), direct.MolecularWeight(y.data()));
  EXPECT_EQ(LiquidViscosity(h, 60.0, kP, x.data()), direct.LiquidViscosity(60.0, kP, y.data()));
  EXPECT_EQ(LiquidKinematicViscosity(h, 60.0, kP, x.data()), direct.LiquidKinematicViscosity(60.0, kP, y.data()));
  EXPECT_EQ(CharacterizeViscosity(h), direct.CharacterizeViscosity());
  ASSERT_EQ(GetNumbComp(h), direct.GetNumbComp());
  for (int i = 0; i < GetNumbComp(h); ++i) {
    EXPECT_EQ(V({GetCpvVisc38(h, i), GetCpvVisc50(h, i), GetCpvVisc60(h, i), GetCpvVisc100(h, i), GetThetaA(h, i), GetThetaB(h, i)}),
              V({direct.GetCpvVisc38(i), direct.GetCpvVisc50(i), direct.GetCpvVisc60(i), direct.GetCpvVisc100(i),
                 direct.GetQiraThetaA(i), direct.GetQiraThetaB(i)})) << i;
    EXPECT_EQ(IsHypo(h, i), direct.IsHypo(i));
  }
  ASSERT_EQ(GetNHypoCurves(h) * 10 + GetNumbBulkPts(h), 22);
  for (int j = 0; j < 2; ++j) {
    EXPECT_EQ(GetHypoTempCrvs(h)[j], direct.GetHypoTempCrvs()[j]);
    EXPECT_EQ(GetBulkValues(h)[j], direct.GetBulkValues()[j]);
    EXPECT_EQ(GetCalcBulkValues(h)[j], direct.GetCalcBulkValues()[j]);
  }
  const int hypo = GetNumbHypoComp(h);
  std::vector<V> curves(2, V(hypo));
  double* rows[2] = {curves[0].data(), curves[1].data()};
  V hb(hypo);
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, rows, hb.data()), 1);
  for (int o = 0; o < hypo; ++o) {
    EXPECT_EQ(hb[o], direct.m_DCompBPs[kLights + o]) << "packed in component order";
    EXPECT_EQ(curves[0][o], direct.m_HypoViscCrvs[0][kLights + o]);
    EXPECT_GT(curves[0][o], curves[1][o]) << "50 C above 100 C";
  }
  // Deleting another handler leaves this one intact.
  const int other = filledHandle();
  CharacterizeViscosity(other);
  DeleteViscHandler(other);
  EXPECT_EQ(GetNumbComp(other), -1);
  EXPECT_EQ(GetCpvVisc50(h, 10), direct.GetCpvVisc50(10));
  DeleteViscHandler(h);
}

TEST(ViscHandles, AnyCallOrderIsSafe) {
  const int h = CreateViscHandler();
  EXPECT_EQ(SetTc(h, 0, 600.5f), 1) << "no records yet: nothing stored, still 1";
  EXPECT_EQ(GetThetaA(h, 0), kMiss);
  EXPECT_FALSE(CharacterizeViscosity(h)) << "before SetNumbComp";
  EXPECT_EQ(GetNHypoCurves(h), 2) << "38 and 100 C, for no components";
  SetNumbComp(h, 4);
  EXPECT_EQ(GetThetaA(h, 0), 0.0) << "the record exists now";
  EXPECT_EQ(IsHypo(h, 2), -1) << "flag never set";
  EXPECT_FALSE(CharacterizeViscosity(h)) << "components without any data";
  DeleteViscHandler(h);
  const int f = filledHandle();
  SetNumbHypoComp(f, 2);  // fewer than flagged
  EXPECT_FALSE(CharacterizeViscosity(f));
  SetNumbComp(f, 0);  // components gone, hypo curves of the old count remain
  EXPECT_FALSE(CharacterizeViscosity(f));
  DeleteViscHandler(f);
  ViscHandler again = assayHandler(19, false, true);  // flags inconsistent with the count
  setBulk(again, {40}, {8});
  again.SetNumbHypoComp(3);
  again.CharacterizeViscosity();
  again.CharacterizeViscosity();
  EXPECT_TRUE(std::isfinite(again.GetCpvVisc38(10)));
}
