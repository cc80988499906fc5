// Fit of a component's viscosity thetas: round trip through the crude-oil correlation,
// the rewriting of the caller's viscosities, the start line, and the inputs that cannot
// give a fit.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "QIRALiquidProps.h"
#include "QIRAViscosityFit.h"
#include "ViscHandler.h"
#include "visc_assay_fixture.h"

namespace {

constexpr double kP = 101.325;

// The component fitted below: a 520 K pseudo-component of the test assay.
const visc_fixture::Component kComp = visc_fixture::pseudoComponent(520.0);

int fit(int type, int start, std::vector<double>& T, std::vector<double>& visc, float& a,
        float& b) {
  return pc_fitvisc(type, start, kP, kComp.mw, kComp.tc, kComp.pc, kComp.vc,
                    static_cast<int>(T.size()), T.data(), visc.data(), kComp.vchar,
                    kComp.wsrk, &a, &b, kComp.omega);
}

// A handler holding kComp alone with the given thetas.
void singleComponent(ViscHandler& h, float thetaA, float thetaB) {
  visc_fixture::fillHandler(h, {kComp});
  h.SetThetaA(0, thetaA);
  h.SetThetaB(0, thetaB);
}

TEST(ViscosityFit, RecoversTheViscositiesOfTheCorrelation) {
  // Dynamic viscosities of the correlation with known thetas at three temperatures.
  ViscHandler h;
  singleComponent(h, -0.05f, -0.5f);
  std::vector<double> tC{30.0, 60.0, 110.0};
  std::vector<double> T, mu;
  double x[1] = {1.0};
  for (double t : tC) {
    T.push_back(t + 273.15);
    mu.push_back(h.LiquidViscosity(t, kP, x));
  }
  std::vector<double> visc = mu;
  float a = 0.0f, b = 0.0f;
  ASSERT_EQ(fit(1, 0, T, visc, a, b), 1);
  // The fit's own single-component form and the mixture form differ only in the density
  // routes (component density against mixture density), so the thetas come back close.
  EXPECT_NEAR(a, -0.05, 2e-3);
  EXPECT_NEAR(b, -0.5, 5e-3);
  // Evaluated with the fitted thetas, the correlation meets the data within 1e-5 relative
  // (the secant search stops at 0.1 micropoise; measured up to about 5e-6).
  singleComponent(h, a, b);
  for (std::size_t i = 0; i < tC.size(); ++i)
    EXPECT_NEAR(h.LiquidViscosity(tC[i], kP, x) / mu[i], 1.0, 1e-5) << tC[i];
}

TEST(ViscosityFit, RewritesTheCallersViscosities) {
  std::vector<double> T{311.15, 373.15};
  std::vector<double> dyn{2.0, 0.8};
  float a = 0.0f, b = 0.0f;
  ASSERT_EQ(fit(1, 0, T, dyn, a, b), 1);
  EXPECT_DOUBLE_EQ(dyn[0], 20000.0);  // 2 cP = 20000 micropoise
  EXPECT_DOUBLE_EQ(dyn[1], 8000.0);
  // Kinematic data become dynamic micropoise with the component's own density.
  std::vector<double> kin{2.0, 0.8};
  ASSERT_EQ(fit(2, 0, T, kin, a, b), 1);
  for (int i = 0; i < 2; ++i) {
    const double rho = pc_xden(T[i], kP, kComp.tc, kComp.pc, kComp.vchar, kComp.wsrk,
                               kComp.omega);
    EXPECT_DOUBLE_EQ(kin[i], rho * kComp.mw / 1000 * (i == 0 ? 20000.0 : 8000.0));
  }
}

TEST(ViscosityFit, StartLineIsFixedUnlessAskedFor) {
  std::vector<double> T{311.15, 373.15};
  float a1 = 123.0f, b1 = -7.0f, a2 = -3.0f, b2 = 9.0f;
  std::vector<double> v1{2.0, 0.8}, v2{2.0, 0.8};
  ASSERT_EQ(fit(1, 0, T, v1, a1, b1), 1);
  ASSERT_EQ(fit(1, 5, T, v2, a2, b2), 1);  // any start but 1 ignores the floats
  EXPECT_EQ(a1, a2);
  EXPECT_EQ(b1, b2);
  // Starting at the answer of the first fit lands on it again.
  float a3 = a1, b3 = b1;
  std::vector<double> v3{2.0, 0.8};
  ASSERT_EQ(fit(1, 1, T, v3, a3, b3), 1);
  EXPECT_NEAR(a3, a1, 1e-5);
  EXPECT_NEAR(b3, b1, 1e-5);
}

TEST(ViscosityFit, NoFitWithoutALine) {
  float a = 0.25f, b = -0.5f;
  std::vector<double> one{311.15}, oneVisc{2.0};
  EXPECT_EQ(fit(1, 0, one, oneVisc, a, b), 0);
  EXPECT_EQ(oneVisc[0], 2.0);  // untouched
  std::vector<double> same{311.15, 311.15, 311.15}, sameVisc{2.0, 2.1, 1.9};
  EXPECT_EQ(fit(1, 0, same, sameVisc, a, b), 0);
  EXPECT_EQ(sameVisc[1], 2.1);
  std::vector<double> T{311.15, 373.15}, nanVisc{2.0, std::nan("")};
  EXPECT_EQ(fit(1, 0, T, nanVisc, a, b), 0);
  EXPECT_EQ(pc_fitvisc(1, 0, kP, 100, 600, 2000, 0.5, 2, T.data(), nullptr, 0.5, 0.4, &a,
                       &b, 0.4),
            0);
  EXPECT_EQ(pc_fitvisc(1, 0, kP, 100, 600, 2000, 0.5, 2, nullptr, nanVisc.data(), 0.5, 0.4,
                       &a, &b, 0.4),
            0);
  std::vector<double> v{2.0, 0.8};
  EXPECT_EQ(pc_fitvisc(1, 0, kP, 100, 600, 2000, 0.5, 2, T.data(), v.data(), 0.5, 0.4,
                       nullptr, &b, 0.4),
            0);
  EXPECT_EQ(a, 0.25f);
  EXPECT_EQ(b, -0.5f);
}

TEST(ViscosityFit, NegativeDensityStopsTheFit) {
  // A negative characteristic volume gives a negative COSTALD density at the first
  // point: result 0, thetas unchanged, the first viscosity already scaled.
  std::vector<double> T{311.15, 373.15}, v{2.0, 0.8};
  float a = 0.25f, b = -0.5f;
  EXPECT_EQ(pc_fitvisc(1, 0, kP, kComp.mw, kComp.tc, kComp.pc, kComp.vc, 2, T.data(),
                       v.data(), -kComp.vchar, kComp.wsrk, &a, &b, kComp.omega),
            0);
  EXPECT_EQ(a, 0.25f);
  EXPECT_EQ(b, -0.5f);
  EXPECT_EQ(v[0], 20000.0);
  EXPECT_EQ(v[1], 0.8);
}

}  // namespace
