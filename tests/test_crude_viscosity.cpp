// Crude-oil viscosity correlation and the handler's liquid properties: the signed cube
// root, the methane-like reference component, the counting threshold, the mixture
// molecular weight, the identities between the properties, degenerate mixtures and the
// physics on a realistic assay.
#include <gtest/gtest.h>

#include <vector>

#include "ViscHandler.h"
#include "support/test_support.h"
#include "visc_assay_fixture.h"

namespace {

constexpr double kP = 101.325;

// The assay composition the handler holds in its evaluation records.
std::vector<double> assayComposition(const ViscHandler& h) {
  std::vector<double> x;
  for (const pc_vs_data& r : h.m_VsData) x.push_back(r.x);
  return x;
}

TEST(CrudeViscosity, SignedCubeRoot) {
  EXPECT_DOUBLE_EQ(ViscHandler::cbrt(-8.0), -2.0);
  EXPECT_EQ(ViscHandler::cbrt(0.0), 0.0);
  EXPECT_DOUBLE_EQ(ViscHandler::cbrt(27.0), 3.0);
  EXPECT_DOUBLE_EQ(ViscHandler::cbrt(-0.001), -0.1);
}

// One component with methane's critical temperature and molecular weight.
void setMethaneLike(ViscHandler& h, int i) {
  h.SetTc(i, 190.555f);
  h.SetPc(i, 4599.0f);
  h.SetVc(i, 0.0986f);
  h.SetOmega(i, 0.0115f);
  h.SetMw(i, 16.043f);
  h.SetWsrk(i, 0.0074f);
  h.SetVchar(i, 0.0994f);
  h.SetThetaA(i, 0.0f);
  h.SetThetaB(i, 0.0f);
}

TEST(CrudeViscosity, MethaneLikeComponentMapsOntoTheReference) {
  ViscHandler h;
  h.SetNumbComp(1);
  setMethaneLike(h, 0);
  h.SetVsdata(0, 1.0f);
  std::vector<double> x{1.0};
  const double mu = h.LiquidViscosity(-170.0, kP, x.data());
  EXPECT_GT(mu, 0.0);
  // f = theta Tc / Tc0 with theta = 1; Tc is stored as the float nearest 190.555, so
  // f and its square root are 1 to single precision.
  EXPECT_NEAR(h.m_VsData[0].SqrtF, 1.0, 1e-7);
}

TEST(CrudeViscosity, TinyMoleFractionsCountNowhere) {
  const auto cs = visc_fixture::assayComponents(4);
  ViscHandler h;
  visc_fixture::fillHandler(h, cs);
  const int n = h.GetNumbComp();
  std::vector<double> with(n, 0.0), without(n, 0.0);
  with[4] = without[4] = 0.6;
  with[5] = without[5] = 0.4;
  with[6] = 1e-7;  // at the threshold: left out of every sum
  h.m_VsData[6].SqrtF = 42.0;
  h.m_VsData[6].CbrtH = 43.0;
  const double muWith = h.LiquidViscosity(50.0, kP, with.data());
  EXPECT_EQ(h.m_VsData[6].SqrtF, 42.0);  // work values untouched
  EXPECT_EQ(h.m_VsData[6].CbrtH, 43.0);
  EXPECT_EQ(muWith, h.LiquidViscosity(50.0, kP, without.data()));
  with[6] = 2e-7;  // just above: counted
  h.LiquidViscosity(50.0, kP, with.data());
  EXPECT_NE(h.m_VsData[6].SqrtF, 42.0);
}

TEST(CrudeViscosity, MixtureMolecularWeight) {
  ViscHandler h;
  h.SetNumbComp(2);
  h.SetMw(0, 100.0f);
  h.SetMw(1, 200.0f);
  std::vector<double> x{0.5, 0.5};
  EXPECT_EQ(h.MolecularWeight(x.data()), 150.0);  // 0.5*100 + 0.5*200
  ViscHandler empty;
  EXPECT_EQ(empty.MolecularWeight(x.data()), 0.0);  // no components
  EXPECT_EQ(h.MolecularWeight(nullptr), -32767.0);
}

TEST(CrudeViscosity, PropertyIdentitiesAndConversions) {
  const auto cs = visc_fixture::assayComponents(6);
  ViscHandler h;
  visc_fixture::fillHandler(h, cs);
  const std::vector<double> x = assayComposition(h);
  std::vector<double> a = x, b = x, c = x;
  const double rhom = h.LiquidMolarDensity(60.0, kP, a.data());
  const double mw = h.MolecularWeight(a.data());
  const double rho = h.LiquidMassDensity(60.0, kP, a.data());
  EXPECT_GT(rhom, 0.0);
  EXPECT_EQ(rho, mw * rhom);
  const double mu = h.LiquidViscosity(60.0, kP, b.data());
  const double nu = h.LiquidKinematicViscosity(60.0, kP, c.data());
  EXPECT_DOUBLE_EQ(nu, mu * 1000 / rho);
  double d = 0.0, k = 0.0;
  h.ConvertToDynamicVisc(10.0, d, 850.0);
  EXPECT_DOUBLE_EQ(d, 8.5);
  h.ConvertToKinematicVisc(k, 8.5, 850.0);
  EXPECT_DOUBLE_EQ(k, 10.0);
}

TEST(CrudeViscosity, EvaluationLeavesItsCompositionInTheRecords) {
  const auto cs = visc_fixture::assayComponents(4);
  ViscHandler h;
  visc_fixture::fillHandler(h, cs);
  std::vector<double> e = visc_fixture::pure(h.GetNumbComp(), 5);
  h.LiquidViscosity(40.0, kP, e.data());
  for (int i = 0; i < h.GetNumbComp(); ++i) EXPECT_EQ(h.m_VsData[i].x, e[i]);
}

TEST(CrudeViscosity, DegenerateMixturesGiveTheMissingValue) {
  const auto cs = visc_fixture::assayComponents(4);
  ViscHandler h;
  visc_fixture::fillHandler(h, cs);
  const int n = h.GetNumbComp();
  std::vector<double> none(n, 0.0);
  EXPECT_EQ(h.LiquidViscosity(40.0, kP, none.data()), -32767.0);
  EXPECT_EQ(h.LiquidKinematicViscosity(40.0, kP, none.data()), -32767.0);
  // No liquid: propane alone above its critical temperature (molar density 0).
  std::vector<double> propane = visc_fixture::pure(n, 0);
  EXPECT_EQ(h.LiquidMolarDensity(150.0, kP, propane.data()), 0.0);
  EXPECT_EQ(h.LiquidViscosity(150.0, kP, propane.data()), -32767.0);
  // A direct call with zero density, or without records.
  EXPECT_EQ(h.viscrude(n, 300.0, kP, h.m_VsData.data(), 0.0), -32767.0);
  EXPECT_EQ(h.viscrude(n, 300.0, kP, nullptr, 5.0), -32767.0);
  // Records never linked by SetVsdata do not count.
  ViscHandler unlinked;
  unlinked.SetNumbComp(2);
  std::vector<double> x{0.5, 0.5};
  EXPECT_EQ(unlinked.viscrude(2, 300.0, kP, unlinked.m_VsData.data(), 5.0), -32767.0);
  EXPECT_EQ(h.LiquidViscosity(40.0, kP, nullptr), -32767.0);
  EXPECT_EQ(h.LiquidMassDensity(40.0, kP, nullptr), -32767.0);
}

TEST(CrudeViscosity, HandlerWithoutComponentsIsSafe) {
  ViscHandler h;
  double x[1] = {1.0};
  EXPECT_EQ(h.LiquidMolarDensity(40.0, kP, x), 0.0);  // no component reaches 1e-5
  EXPECT_EQ(h.LiquidViscosity(40.0, kP, x), -32767.0);
  EXPECT_EQ(h.LiquidKinematicViscosity(40.0, kP, x), -32767.0);
}

TEST(CrudeViscosity, ViscosityFallsWithTemperatureAndRisesWithBoilingPoint) {
  const auto cs = visc_fixture::assayComponents(20);
  ViscHandler h;
  visc_fixture::fillHandler(h, cs);
  const int n = h.GetNumbComp();
  std::vector<double> x = assayComposition(h);
  double previous38 = 0.0;
  for (int i = 1; i < n; ++i) {  // propane is supercritical at 100 C
    std::vector<double> e = visc_fixture::pure(n, i);
    const double nu38 = h.LiquidKinematicViscosity(38.0, kP, e.data());
    const double nu100 = h.LiquidKinematicViscosity(100.0, kP, e.data());
    EXPECT_GT(nu38, nu100) << "component " << i;
    EXPECT_GT(nu100, 0.0) << "component " << i;
    EXPECT_GT(nu38, previous38) << "component " << i;
    previous38 = nu38;
  }
  // The mixture lies between its lightest and heaviest pseudo-components.
  const double bulk = h.LiquidKinematicViscosity(38.0, kP, x.data());
  EXPECT_GT(bulk, 0.2);
  EXPECT_LT(bulk, previous38);
}

}  // namespace
