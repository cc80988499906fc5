// Hypothetical-component viscosity curves, the Walther line fit, the thetas and the
// standard viscosities: hypo temperatures, the pentane anchor, shared boiling points,
// packing for the host, the Twu routes, and the fit on a realistic assay.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "QIRACetane.h"
#include "ViscHandler.h"
#include "visc_assay_fixture.h"

namespace {

constexpr double kP = 101.325;

TEST(HypoCurves, WaltherLineThroughTwoPoints) {
  ViscHandler h;
  double visc[2] = {10.0, 3.0};
  double temps[2] = {311.15, 373.15};
  // The line's own points come back to rounding at 10 cSt; at 3 cSt the Walther
  // transform and its inverse differ by about 1e-6 cSt.
  EXPECT_NEAR(h.GetViscAtTemp(visc, temps, 311.15, 2), 10.0, 1e-9);
  EXPECT_NEAR(h.GetViscAtTemp(visc, temps, 373.15, 2), 3.0, 2e-6);
  const double mid = h.GetViscAtTemp(visc, temps, 340.0, 2);
  EXPECT_LT(mid, 10.0);
  EXPECT_GT(mid, 3.0);
  double missing[2] = {10.0, -32767.0};
  EXPECT_EQ(h.GetViscAtTemp(missing, temps, 340.0, 2), -32767.0);
  EXPECT_EQ(h.GetViscAtTemp(visc, temps, -32767.0, 2), -32767.0);
  EXPECT_EQ(h.GetViscAtTemp(visc, temps, 340.0, 0), -32767.0);
  EXPECT_EQ(h.GetViscAtTemp(nullptr, temps, 340.0, 2), -32767.0);
  // One point: the level line through it.
  EXPECT_NEAR(h.GetViscAtTemp(visc, temps, 400.0, 1), 10.0, 1e-9);
}

TEST(HypoCurves, LinearFit) {
  ViscHandler h;
  double x[3] = {1.0, 2.0, 4.0};
  double y[3] = {3.0, 5.0, 9.0};  // y = 2x + 1
  double slope = 0.0, intercept = 0.0;
  h.GetLinearFit(y, x, 3, &slope, &intercept);
  EXPECT_DOUBLE_EQ(slope, 2.0);
  EXPECT_DOUBLE_EQ(intercept, 1.0);
  double same[2] = {5.0, 5.0};
  double ys[2] = {1.0, 3.0};
  h.GetLinearFit(ys, same, 2, &slope, &intercept);  // no spread in x
  EXPECT_EQ(slope, 0.0);
  EXPECT_EQ(intercept, 2.0);
}

TEST(HypoCurves, PentaneReference) {
  ViscHandler h;
  // Its own point at 310.93 K, within the transform's 2e-4 cSt near 2 cSt.
  const double nu = h.GetPentaneViscosityAtTemp(310.93, true);
  EXPECT_NEAR(nu, 2.296, 2e-4);
  EXPECT_DOUBLE_EQ(h.GetPentaneViscosityAtTemp(310.93, false), nu * 629.729 / 1000);
  // Never below 0.0001 cSt: a missing temperature gives no line value and the floor.
  for (double t = 250.0; t < 5000.0; t *= 1.5)
    EXPECT_GE(h.GetPentaneViscosityAtTemp(t, true), 0.0001) << t;
  EXPECT_EQ(h.GetPentaneViscosityAtTemp(-32767.0, true), 0.0001);
  EXPECT_EQ(h.GetPentaneViscosityAtTemp(-32767.0, false), 0.0001 * 629.729 / 1000);
}

// A handler with the given hypothetical boiling points (K) and one non-hypothetical
// component first.
ViscHandler hypoHandler(const std::vector<double>& bps) {
  ViscHandler h;
  const int n = static_cast<int>(bps.size()) + 1;
  h.SetNumbComp(n);
  h.SetIsHypo(0, 0);
  h.SetDCompBPs(0, 250.0);
  for (int i = 1; i < n; ++i) {
    h.SetDCompBPs(i, bps[i - 1]);
    h.SetIsHypo(i, 1);
  }
  h.SetNumbHypoComp(n - 1);
  h.SortHypoBPs();
  return h;
}

TEST(HypoCurves, SortingGivesPositionsAndSharesEqualBoilingPoints) {
  ViscHandler h = hypoHandler({500.0, 400.0, 500.0, 450.0});
  EXPECT_EQ(h.m_HypoBPs, (std::vector<double>{400.0, 450.0, 500.0, 500.0}));
  EXPECT_EQ(h.m_HypoIndex, (std::vector<int>{-32767, 3, 0, 3, 1}));
  // Fewer flagged components than the count: only the boiling points found are kept.
  ViscHandler few = hypoHandler({400.0});
  few.SetNumbHypoComp(3);
  few.SortHypoBPs();
  EXPECT_EQ(few.m_HypoBPs, (std::vector<double>{400.0}));
  EXPECT_EQ(few.m_HypoIndex[1], 0);
}

TEST(HypoCurves, HypoTemperatures) {
  ViscHandler h = hypoHandler({400.0});
  h.SetNumberOfHypoCurves();
  EXPECT_EQ(h.m_HypoTempCrvs, (std::vector<double>{38.0, 100.0}));
  double t90[1] = {90.0}, t69[1] = {69.0}, v[1] = {5.0};
  h.SetMyBulkValues(1, t90, v);
  h.SetNumberOfHypoCurves();  // |90 - 38| > |90 - 100|
  EXPECT_EQ(h.m_HypoTempCrvs, (std::vector<double>{38.0, 90.0}));
  h.SetMyBulkValues(1, t69, v);
  h.SetNumberOfHypoCurves();  // a tie puts the bulk temperature first
  EXPECT_EQ(h.m_HypoTempCrvs, (std::vector<double>{69.0, 100.0}));
  double t3[3] = {20.0, 50.0, 80.0}, v3[3] = {9.0, 5.0, 3.0};
  h.SetMyBulkValues(3, t3, v3);
  h.SetNumberOfHypoCurves();
  EXPECT_EQ(h.m_HypoTempCrvs, (std::vector<double>{20.0, 50.0, 80.0}));
  EXPECT_EQ(h.GetNHypoCurves(), 3);
  ASSERT_EQ(h.m_HypoViscCrvs.size(), 3u);
  EXPECT_EQ(h.m_HypoViscCrvs[2].size(), 2u);
  // Curves decide over bulk points.
  h.SetNcurves(2);
  h.InitializeMyCurves(2);
  double bp[2] = {100.0, 200.0}, cv[2] = {1.0, 2.0};
  h.SetOneCurve(0, 2, 40.0, bp, cv);
  h.SetOneCurve(1, 2, 120.0, bp, cv);
  h.SetOneCurve(2, 2, 999.0, bp, cv);  // beyond the curve tables: ignored
  h.SetNumberOfHypoCurves();
  EXPECT_EQ(h.m_HypoTempCrvs, (std::vector<double>{40.0, 120.0}));
}

TEST(HypoCurves, PentaneAnchorRules) {
  // Hypothetical components at 80, 150 and 300 C and at the anchor's 310.93 K.
  ViscHandler h = hypoHandler({353.15, 423.15, 573.15, 310.93});
  h.SetViscosityType(true);
  const int n = h.GetNumbComp();
  std::vector<double> out(n);
  // First boiling point 80 C: the anchor is an extra first point, the curve's own points
  // all stay (values at knots come back exactly, to rounding).
  double bpHigh[3] = {80.0, 150.0, 300.0}, visc[3] = {3.0, 8.0, 40.0};
  h.CurveFitViscosity(3, 50.0, bpHigh, visc, out.data());
  EXPECT_EQ(out[0], -32767.0);  // not hypothetical
  EXPECT_NEAR(out[1], 3.0, 1e-9);
  EXPECT_NEAR(out[2], 8.0, 1e-9);
  EXPECT_NEAR(out[3], 40.0, 1e-9);
  EXPECT_NEAR(out[4], h.GetPentaneViscosityAtTemp(323.15, true), 1e-9);
  // First boiling point 60 C: that point is replaced by the anchor, so the component at
  // 80 C no longer meets 3.0 exactly but lies between the anchor and the 150 C point.
  double bpLow[3] = {60.0, 150.0, 300.0};
  h.CurveFitViscosity(3, 50.0, bpLow, visc, out.data());
  EXPECT_NEAR(out[2], 8.0, 1e-9);
  EXPECT_NEAR(out[3], 40.0, 1e-9);
  EXPECT_GT(out[1], h.GetPentaneViscosityAtTemp(323.15, true));
  EXPECT_LT(out[1], 8.0);
  EXPECT_NE(out[1], 3.0);
  // Two points, the first replaced: two knots are too few to interpolate, nothing is
  // fitted and every value is missing.
  h.CurveFitViscosity(2, 50.0, bpLow, visc, out.data());
  for (double v : out) EXPECT_EQ(v, -32767.0);
  h.CurveFitViscosity(0, 50.0, bpLow, visc, out.data());
  EXPECT_EQ(out[2], -32767.0);
}

TEST(HypoCurves, UserCurvesFillTheHypoCurves) {
  ViscHandler h = hypoHandler({353.15, 423.15, 423.15});
  h.SetViscosityType(true);
  h.SetNcurves(2);
  h.InitializeMyCurves(2);
  // The second curve's last point is missing and left out.
  double bp0[3] = {80.0, 150.0, 300.0}, v0[3] = {3.0, 8.0, 40.0};
  double bp1[3] = {80.0, 150.0, -32767.0}, v1[3] = {1.5, 3.0, -32767.0};
  h.SetOneCurve(0, 3, 40.0, bp0, v0);
  h.SetOneCurve(1, 3, 100.0, bp1, v1);
  EXPECT_FALSE(h.InitHypoCurves());
  ASSERT_EQ(h.GetNHypoCurves(), 2);
  EXPECT_NEAR(h.m_HypoViscCrvs[0][1], 3.0, 1e-9);
  EXPECT_NEAR(h.m_HypoViscCrvs[1][2], 3.0, 1e-9);
  // Two components with one boiling point share their values.
  EXPECT_EQ(h.m_HypoIndex[2], h.m_HypoIndex[3]);
  EXPECT_EQ(h.m_HypoViscCrvs[0][2], h.m_HypoViscCrvs[0][3]);
  EXPECT_EQ(h.m_HypoViscCrvs[0][0], -32767.0);
  // Packed for the host in component order.
  std::vector<double> c0(3), c1(3), bps(3);
  double* curves[2] = {c0.data(), c1.data()};
  h.GetHypoViscCrvsAndBP(curves, bps.data());
  EXPECT_EQ(bps, (std::vector<double>{353.15, 423.15, 423.15}));
  EXPECT_EQ(c1[0], h.m_HypoViscCrvs[1][1]);
  EXPECT_EQ(c1[2], h.m_HypoViscCrvs[1][3]);
}

// A handler of the test assay with its hypothetical components sorted.
ViscHandler assayHandler(int nPseudo, bool kinematic) {
  ViscHandler h;
  visc_fixture::fillHandler(h, visc_fixture::assayComponents(nPseudo));
  h.SetViscosityType(kinematic);
  h.SortHypoBPs();
  return h;
}

TEST(HypoCurves, TwuEstimateWithoutUserCurves) {
  for (bool kinematic : {true, false}) {
    ViscHandler h = assayHandler(6, kinematic);
    h.InitHypoCurves();
    ASSERT_EQ(h.m_HypoTempCrvs, (std::vector<double>{38.0, 100.0}));
    for (int i = 3; i < h.GetNumbComp(); ++i) {
      const pc_comp_data& c = *h.m_CompData[i];
      double nu[2];
      Blend_TwuVisc(c.LiqDen, c.Boil, &nu[0], &nu[1]);
      const double scale = kinematic ? 1.0 : c.LiqDen / 1000.0;
      // At 38 C and 100 C the Walther line gives back the Twu values (311.15 K and
      // 373.15 K are its own points), within the transform's 2e-4 cSt below 2 cSt.
      EXPECT_NEAR(h.m_HypoViscCrvs[0][i] / scale, nu[0], 2e-4 + 1e-5 * nu[0]);
      EXPECT_NEAR(h.m_HypoViscCrvs[1][i] / scale, nu[1], 2e-4 + 1e-5 * nu[1]);
    }
    EXPECT_EQ(h.m_HypoViscCrvs[0][1], -32767.0);
  }
}

TEST(HypoCurves, SingleUserCurveMovesAlongTheTwuSlope) {
  ViscHandler h = assayHandler(6, true);
  h.SetNcurves(1);
  h.InitializeMyCurves(1);
  double bp[4] = {80.0, 200.0, 350.0, 500.0}, v[4] = {0.8, 2.5, 12.0, 90.0};
  h.SetOneCurve(0, 4, 60.0, bp, v);
  h.m_SingleCurveNpts = 4;
  h.InitHypoCurves();
  ASSERT_EQ(h.m_HypoTempCrvs, (std::vector<double>{60.0, 100.0}));  // |60-38| <= |60-100|
  std::vector<double> out(h.GetNumbComp());
  h.CurveFitViscosity(4, 60.0, bp, v, out.data());
  for (int i = 3; i < h.GetNumbComp(); ++i) {
    // At the curve's own temperature the curve's value; hotter, thinner.
    EXPECT_NEAR(h.m_HypoViscCrvs[0][i], out[i], 1e-9 * out[i]);
    EXPECT_LT(h.m_HypoViscCrvs[1][i], h.m_HypoViscCrvs[0][i]);
  }
}

TEST(HypoCurves, ThetasNeedTwoCurvesAndHypotheticalComponents) {
  ViscHandler h = assayHandler(4, true);
  h.InitHypoCurves();
  h.m_NHypoCurves = 1;
  EXPECT_FALSE(h.GenerateThetas(nullptr));
  EXPECT_EQ(h.GetThetaA(4), -32767.0);
  h.m_NHypoCurves = 2;
  ViscHandler none = assayHandler(4, true);
  for (int i = 0; i < none.GetNumbComp(); ++i) none.SetIsHypo(i, 0);
  none.SetNumbHypoComp(0);
  none.SortHypoBPs();
  none.InitHypoCurves();
  EXPECT_FALSE(none.GenerateThetas(nullptr));
  EXPECT_TRUE(none.GenerateStandardViscCurvesFromTheta());
  EXPECT_TRUE(none.GenerateStandardViscCurvesRefutas());
  for (int i = 0; i < none.GetNumbComp(); ++i) EXPECT_EQ(none.GetCpvVisc38(i), -32767.0);
  // A hypo value that is missing leaves that component's thetas alone.
  h.m_HypoViscCrvs[1][4] = -32767.0;
  h.GenerateThetas(nullptr);
  EXPECT_EQ(h.GetThetaA(4), -32767.0);
  EXPECT_NE(h.GetThetaA(5), -32767.0);
}

TEST(HypoCurves, FittedThetasReproduceTheHypoCurves) {
  // Twenty pseudo-components from 330 K to 850 K, Twu curves at 38 and 100 C.
  ViscHandler h = assayHandler(20, true);
  const std::vector<double> assay = visc_fixture::heldComposition(h);
  h.InitHypoCurves();
  EXPECT_TRUE(h.GenerateThetas(nullptr));
  const int n = h.GetNumbComp();
  double previous = 0.0;
  for (int i = 3; i < n; ++i) {
    EXPECT_EQ(h.GetThetaA(i), h.GetQiraThetaA(i));  // array and record agree
    std::vector<double> e = visc_fixture::pure(n, i);
    for (int j = 0; j < 2; ++j) {
      const double nu = h.LiquidKinematicViscosity(h.m_HypoTempCrvs[j], kP, e.data());
      // Measured: at most 5e-6 relative over this assay.
      EXPECT_NEAR(nu / h.m_HypoViscCrvs[j][i], 1.0, 1e-5) << i << " at " << j;
    }
    EXPECT_GT(h.m_HypoViscCrvs[0][i], previous);  // heavier, more viscous
    previous = h.m_HypoViscCrvs[0][i];
  }
  // Standard viscosities from the thetas: falling with temperature, composition kept.
  visc_fixture::heldComposition(h);
  for (int i = 0; i < n; ++i) h.m_VsData[i].x = assay[i];
  ASSERT_TRUE(h.GenerateStandardViscCurvesFromTheta());
  for (int i = 3; i < n; ++i) {
    EXPECT_NEAR(h.GetCpvVisc38(i) / h.m_HypoViscCrvs[0][i], 1.0, 1e-5);
    EXPECT_GT(h.GetCpvVisc38(i), h.GetCpvVisc50(i));
    EXPECT_GT(h.GetCpvVisc50(i), h.GetCpvVisc60(i));
    EXPECT_GT(h.GetCpvVisc60(i), h.GetCpvVisc100(i));
  }
  EXPECT_EQ(h.GetCpvVisc38(1), -32767.0);
  EXPECT_EQ(visc_fixture::heldComposition(h), assay);
}

TEST(HypoCurves, StandardViscositiesAreKinematicWhateverTheDataType) {
  for (bool kinematic : {true, false}) {
    ViscHandler h = assayHandler(6, kinematic);
    const std::vector<double> assay = visc_fixture::heldComposition(h);
    h.InitHypoCurves();
    ASSERT_TRUE(h.GenerateStandardViscCurvesRefutas());
    const int n = h.GetNumbComp();
    for (int i = 3; i < n; ++i) {
      std::vector<double> e = visc_fixture::pure(n, i);
      const double rho38 = h.LiquidMassDensity(38.0, kP, e.data());
      const double rho100 = h.LiquidMassDensity(100.0, kP, e.data());
      const double nu38 = kinematic ? h.m_HypoViscCrvs[0][i] : h.m_HypoViscCrvs[0][i] / rho38 * 1000;
      const double nu100 =
          kinematic ? h.m_HypoViscCrvs[1][i] : h.m_HypoViscCrvs[1][i] / rho100 * 1000;
      // The Walther transform and its inverse agree to about 2e-4 cSt below 2 cSt.
      EXPECT_NEAR(h.GetCpvVisc38(i), nu38, 2e-4 + 1e-9 * nu38);
      EXPECT_NEAR(h.GetCpvVisc100(i), nu100, 2e-4 + 1e-9 * nu100);
    }
    EXPECT_EQ(visc_fixture::heldComposition(h), assay);
  }
}

TEST(HypoCurves, HandlerWithoutComponentsIsSafe) {
  ViscHandler h;
  h.SetNumbHypoComp(3);
  h.SortHypoBPs();
  EXPECT_FALSE(h.InitHypoCurves());
  EXPECT_FALSE(h.GenerateThetas(nullptr));
  EXPECT_FALSE(h.GenerateStandardViscCurvesFromTheta());
  EXPECT_FALSE(h.GenerateStandardViscCurvesRefutas());
  double c0[1] = {7.0}, bps[1] = {7.0};
  double* curves[1] = {c0};
  h.GetHypoViscCrvsAndBP(curves, bps);
  EXPECT_EQ(bps[0], 7.0);
  h.SetOneCurve(0, 3, 40.0, bps, c0);  // no curve tables yet
  double out[1] = {0.0};
  EXPECT_TRUE(h.CurveFitViscosity(1, 40.0, bps, c0, out));
  // Curve tables smaller than the count the host set.
  h.SetNcurves(3);
  h.InitializeMyCurves(1);
  h.SetNumbComp(2);
  h.SetIsHypo(0, 1);
  h.SetIsHypo(1, 1);
  h.SetNumbHypoComp(2);
  h.SortHypoBPs();
  EXPECT_FALSE(h.InitHypoCurves());
}

}  // namespace
