// Blended TBP, D86, D2887 and D1160 curves, the D1160 conversions and the basis-aware
// D2887 blends.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "QIRABlends.h"
#include "QIRAConversions.h"
#include "QIRACurveFit.h"
#include "QIRAGrids.h"
#include "QIRASettings.h"
#include "distillation/blends.h"
#include "support/test_support.h"

namespace {

using qira_test::FtoK;
using qira_test::KtoF;
using V = std::vector<double>;
const double kMiss = -32767.0;

struct Pt {
  double y, t;
};
std::vector<Pt> points(const V& x, const V& nbp, bool pointMode, double ti = kMiss,
                       double tf = kMiss) {
  qira::BlendPoints p = qira::tbpBlendPoints(x.data(), nbp.data(), static_cast<int>(x.size()),
                                             pointMode, ti, tf);
  std::vector<Pt> out;
  for (size_t i = 0; i < p.yields.size(); ++i) out.push_back({p.yields[i], p.temps[i]});
  return out;
}
void expectYields(const V& got, const V& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_DOUBLE_EQ(got[i], want[i]) << "yield " << i;
}
void expectPoints(const std::vector<Pt>& got, const std::vector<Pt>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_DOUBLE_EQ(got[i].y, want[i].y) << "point " << i;
    EXPECT_DOUBLE_EQ(got[i].t, want[i].t) << "point " << i;
  }
}

// A ten-cut naphtha-to-gas-oil stream, equal fractions, NBPs 360 K to 630 K, listed out of
// boiling-point order.
const V kNbp{420, 360, 390, 450, 480, 510, 540, 570, 600, 630};
const V kFrac(10, 0.1);
const int kN = 10;

// ---- Point lists ---------------------------------------------------------------------

TEST(TbpBlendPoints, PointAndMidPointModes) {
  // Two components 0.5/0.5 at 400 and 440 K (worked example).
  expectPoints(points({0.5, 0.5}, {400, 440}, true), {{0.5, 400}, {1.0, 440}});
  expectPoints(points({0.5, 0.5}, {400, 440}, false),
               {{0.25, 400}, {0.75, 440}, {1.0, 460}});
  // Given in descending order, the same lists.
  expectPoints(points({0.5, 0.5}, {440, 400}, false),
               {{0.25, 400}, {0.75, 440}, {1.0, 460}});
}

TEST(TbpBlendPoints, ZeroAnchorAndWideGap) {
  // Zero anchor: the empty component at 350 K just below the first filled one.
  expectPoints(points({0, 0, 0.5, 0.5}, {300, 350, 400, 440}, true),
               {{0.0, 350}, {0.5, 400}, {1.0, 440}});
  // Wide gap after 95 %: 80 K gap, 40 % component; no anchor (3 points, 3 components).
  expectPoints(points({0, 0.6, 0.4}, {350, 400, 480}, true),
               {{0.6, 400}, {0.8, 440}, {1.0, 480}});
  expectPoints(points({0.9, 0.1}, {600, 700}, true),
               {{0.9, 600}, {0.95, 650}, {1.0, 700}});
  // A 49 K gap or a 4 % component gets no extra point.
  expectPoints(points({0.9, 0.1}, {600, 649}, true), {{0.9, 600}, {1.0, 649}});
  expectPoints(points({0.96, 0.04}, {600, 700}, true), {{0.96, 600}, {1.0, 700}});
}

TEST(TbpBlendPoints, EndTemperaturesOnlyWiden) {
  // (Gaps kept below 50 K so that no wide-gap point appears.)
  const V x{0.5, 0.5}, b{400, 440};
  expectPoints(points(x, b, true, kMiss, kMiss), {{0.5, 400}, {1.0, 440}});
  expectPoints(points(x, b, true, 395, 444), {{0.5, 395}, {1.0, 444}});
  expectPoints(points(x, b, true, 410, 430), {{0.5, 400}, {1.0, 440}});
  expectPoints(points({0.5, 0.5}, {280, 300}, true, 300, kMiss), {{0.5, 280}, {1.0, 300}});
}

TEST(TbpBlendPoints, SingleComponentMidPointHasNoTail) {
  // Chosen tail step for one component: none. The curve is the single point, so every
  // requested yield reads the component's boiling point.
  expectPoints(points({1.0}, {450}, false), {{0.5, 450}});
  qira_test::DefaultSettings guard;
  V x{1.0}, b{450}, y{0.0, 0.3, 0.7, 1.0}, t(4);
  ASSERT_TRUE(Blend_TBP(x.data(), b.data(), 1, t.data(), y.data(), 4, false, kMiss, kMiss));
  for (double v : t) EXPECT_EQ(v, 450.0);
}

TEST(TbpBlendPoints, FractionsFarAboveOneDoNotOverflow) {
  // Thirty components of fraction 1, 100 K apart: every one after the first makes a
  // wide-gap point, 59 points in all, far beyond n + 10.
  V x(30, 1.0), b(30);
  for (int i = 0; i < 30; ++i) b[i] = 300 + 100 * i;
  EXPECT_EQ(points(x, b, true).size(), 59u);
  qira_test::DefaultSettings guard;
  V y{0.1, 0.5, 0.9}, t(3);
  Blend_TBP(x.data(), b.data(), 30, t.data(), y.data(), 3, true, kMiss, kMiss);
  for (double v : t) EXPECT_TRUE(std::isfinite(v));
}

// ---- Blend_TBP -------------------------------------------------------------------------

TEST(BlendTbp, ReadsPointListAndClampsYields) {
  qira_test::DefaultSettings guard;
  // Two knots (0.5, 400), (1.0, 440): the straight line 400 + 80 (F - 0.5).
  V x{0.5, 0.5}, b{400, 440}, y{0.0, 0.75, 1.0}, t(3);
  ASSERT_TRUE(Blend_TBP(x.data(), b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss));
  expectYields(y, V{0.01, 0.75, 0.99999});
  EXPECT_NEAR(t[1], 420.0, 1e-12);
  EXPECT_NEAR(t[0], 400 + 80 * (0.01 - 0.5), 1e-12);
}

TEST(BlendTbp, FailuresFillEveryOutput) {
  qira_test::DefaultSettings guard;
  V t(3, 1.0), y{0.1, 0.5, 0.9};
  V zero{0, 0}, b{400, 440};
  EXPECT_FALSE(Blend_TBP(zero.data(), b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss));
  EXPECT_EQ(t, V(3, kMiss)) << "no material: no point to read";
  t.assign(3, 1.0);
  V nanFrac{0.5, std::nan("")};
  EXPECT_FALSE(Blend_TBP(nanFrac.data(), b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss));
  EXPECT_EQ(t, V(3, kMiss));
  t.assign(3, 1.0);
  EXPECT_FALSE(Blend_TBP(nullptr, b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss));
  EXPECT_EQ(t, V(3, kMiss));
  EXPECT_FALSE(Blend_TBP(zero.data(), b.data(), 2, nullptr, y.data(), 3, true, kMiss, kMiss));
  EXPECT_FALSE(Blend_TBP(zero.data(), b.data(), 2, t.data(), y.data(), 0, true, kMiss, kMiss));
}

// ---- D1160 conversions -----------------------------------------------------------------

double upperToD1160(double d) {
  return 0.685678537220348 * d + 0.0042759265677684 * d * d -
         2.1124117491544803e-5 * d * d * d + 3.93440177898749e-8 * d * d * d * d;
}
double initialToD1160(double d) {
  return 0.508807276 * d - 0.00115574905155 * d * d + 2.7213726023896403e-5 * d * d * d +
         2.38213266038673e-8 * d * d * d * d;
}

TEST(D1160Conversion, SegmentsByQuarticOrCarriedOver) {
  // TBP 300, 400, 500, 700 F: 30-50 % difference 200 F (beyond 180: carried over),
  // 10-30 % difference 100 F (upper quartic), IBP-10 % 100 F (initial quartic).
  V tbp{FtoK(300), FtoK(400), FtoK(500), FtoK(700)}, d(4);
  ASSERT_TRUE(Blend_TBPtoD1160(tbp.data(), d.data()));
  EXPECT_NEAR(KtoF(d[3]), 700, 1e-9);
  EXPECT_NEAR(KtoF(d[3]) - KtoF(d[2]), 200, 1e-9);
  EXPECT_NEAR(KtoF(d[2]) - KtoF(d[1]), upperToD1160(100), 1e-9);
  EXPECT_NEAR(KtoF(d[1]) - KtoF(d[0]), initialToD1160(100), 1e-9);

  // Back: D1160 to TBP with its own quartics (hand value at d = 100 F).
  V back(4);
  ASSERT_TRUE(Blend_D1160toTBP(back.data(), tbp.data()));
  const double up = 1.35673984 * 100 - 0.0054126509 * 1e4 + 2.9883895e-5 * 1e6 - 6.007274e-8 * 1e8;
  EXPECT_NEAR(KtoF(back[2]) - KtoF(back[1]), up, 1e-9);
  EXPECT_NEAR(KtoF(back[3]) - KtoF(back[2]), 200, 1e-9);
}

TEST(D1160Conversion, RefusesPointsThatDoNotRiseStrictly) {
  V d(4, 1.0);
  for (V bad : {V{400, 400, 450, 500}, V{400, 420, 410, 500}, V{400, std::nan(""), 450, 500}}) {
    EXPECT_FALSE(Blend_TBPtoD1160(bad.data(), d.data()));
    EXPECT_FALSE(Blend_D1160toTBP(d.data(), bad.data()));
    EXPECT_EQ(d, V(4, 1.0));
  }
  EXPECT_FALSE(Blend_TBPtoD1160(nullptr, d.data()));
}

// ---- D86, D2887 and D1160 blends ---------------------------------------------------------

// The blend's TBP curve at a grid, and that grid's converted points.
V tbpAt(V yields) {
  V t(yields.size());
  EXPECT_TRUE(Blend_TBP(kFrac.data(), kNbp.data(), kN, t.data(), yields.data(),
                        static_cast<int>(yields.size()), true, kMiss, kMiss));
  return t;
}

TEST(StandardBlends, GridYieldReturnsConvertedGridPoint) {
  qira_test::DefaultSettings guard;
  V grid(9);
  D86ValidYields(grid.data());
  V tg = tbpAt(grid), sg(9);
  ASSERT_TRUE(API3A11_TBPtoD86(tg.data(), sg.data()));
  for (int fit : {0, 1}) {
    SetDistCurFitOption(fit);
    V y{0.1, 0.5, 0.9}, d(3);
    ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 3, true));
    EXPECT_NEAR(d[0], sg[2], 1e-6) << "fit " << fit;
    EXPECT_NEAR(d[1], sg[4], 1e-6) << "fit " << fit;
    EXPECT_NEAR(d[2], sg[6], 1e-6) << "fit " << fit;
  }
}

TEST(StandardBlends, DistCurFitChoosesTheMap) {
  qira_test::DefaultSettings guard;
  V grid(9);
  D86ValidYields(grid.data());
  V tg = tbpAt(grid), sg(9);
  ASSERT_TRUE(API3A11_TBPtoD86(tg.data(), sg.data()));
  V y{0.2, 0.6}, tq = tbpAt(y), spline(2), linear(2);
  ASSERT_TRUE(Simple_spline(9, tg.data(), sg.data(), 2, tq.data(), spline.data()));
  ASSERT_TRUE(Blend_Linear(9, tg.data(), sg.data(), 2, tq.data(), linear.data()));
  V d(2);
  ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 2, true));
  EXPECT_EQ(d, spline);
  SetDistCurFitOption(3);
  ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 2, true));
  EXPECT_EQ(d, linear);
}

TEST(StandardBlends, D86MethodZeroGivesOptionBlendSevenPoints) {
  qira_test::DefaultSettings guard;
  SetD86Method(0);
  V grid7(7), grid9(9);
  D86ValidYieldsOption(grid7.data());
  D86ValidYields(grid9.data());
  V tg7 = tbpAt(grid7), sg7(7), tg9 = tbpAt(grid9), sg9(9);
  ASSERT_TRUE(API3A11_TBPtoD86Option(tg7.data(), sg7.data()));
  ASSERT_TRUE(API3A11_TBPtoD86(tg9.data(), sg9.data()));
  // 7 % lies between IBP and 10 % on the seven-point grid, between 5 % and 10 % on the
  // nine-point one: the two transfer tables give different values there.
  V y{0.07}, tq = tbpAt(y), opt(1), plain(1), want7(1), want9(1);
  ASSERT_TRUE(Simple_spline(7, tg7.data(), sg7.data(), 1, tq.data(), want7.data()));
  ASSERT_TRUE(Simple_spline(9, tg9.data(), sg9.data(), 1, tq.data(), want9.data()));
  ASSERT_TRUE(Blend_D86Option(kFrac.data(), kNbp.data(), kN, opt.data(), y.data(), 1, true));
  ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, plain.data(), y.data(), 1, true));
  EXPECT_EQ(opt, want7);
  EXPECT_EQ(plain, want9);
  EXPECT_GT(std::fabs(opt[0] - plain[0]), 1e-3) << "the two transfer tables differ";
}

TEST(StandardBlends, ColdBlendMakesD86BlendsFail) {
  qira_test::DefaultSettings guard;
  // NBPs 200-240 K: the TBP 50 % point lies below 0 F, which the D86 conversion refuses.
  V x{0.5, 0.5}, b{200, 240}, y{0.1, 0.5}, d(2, 1.0);
  EXPECT_FALSE(Blend_D86(x.data(), b.data(), 2, d.data(), y.data(), 2, true));
  EXPECT_EQ(d, V(2, kMiss));
  d.assign(2, 1.0);
  EXPECT_FALSE(Blend_D86Option(x.data(), b.data(), 2, d.data(), y.data(), 2, false));
  EXPECT_EQ(d, V(2, kMiss));
}

TEST(StandardBlends, D2887ClampsFixedThenByTheSettings) {
  qira_test::DefaultSettings guard;
  V y{0.0, 0.5, 1.0}, d(3);
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 3));
  // 0 -> 1e-5 (fixed bound) -> 0.01 (the TBP blend's own IBP clamp).
  expectYields(y, V{0.01, 0.5, 0.99999});
  SetIBPValue(5);
  SetFBPValue(99);
  y = {0.0, 0.5, 1.0};
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 3));
  expectYields(y, V{0.05, 0.5, 0.99});
}

TEST(StandardBlends, D1160IsTheTbpAboveHalf) {
  qira_test::DefaultSettings guard;
  V y{0.1, 0.3, 0.5, 0.50001, 0.8}, d(5);
  ASSERT_TRUE(Blend_D1160(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 5, true));
  V t = tbpAt(y);
  EXPECT_EQ(d[3], t[3]);
  EXPECT_EQ(d[4], t[4]);
  EXPECT_NEAR(d[2], t[2], 1e-6) << "the mapped 50 % point is the TBP 50 % point";
  EXPECT_GT(d[0], t[0]) << "below 50 % the D1160 curve is flatter than the TBP curve";
}

// ---- Basis-aware D2887 blends ----------------------------------------------------------

TEST(BasisD2887, FromTbpTurnsFractionsIntoMass) {
  qira_test::DefaultSettings guard;
  V b{400, 480}, M{100, 150}, rho{600, 900}, y{0.2, 0.5, 0.8}, got(3), want(3);
  // Volume 0.5/0.5 with densities 600 and 900 is mass 0.4/0.6 (worked example).
  V vol{0.5, 0.5}, mass{0.4, 0.6};
  ASSERT_TRUE(Blend_D2887fromTBP(vol.data(), b.data(), 2, got.data(), y.data(), 3, M.data(),
                                 rho.data(), 0, 1, true));
  ASSERT_TRUE(Blend_TBP(mass.data(), b.data(), 2, want.data(), y.data(), 3, true, kMiss, kMiss));
  EXPECT_EQ(got, want);
  // Mole 0.6/0.4 with molar masses 100 and 150 is mass 60/120, 60/120 = 0.5/0.5.
  V mole{0.6, 0.4}, half{0.5, 0.5};
  ASSERT_TRUE(Blend_D2887fromTBP(mole.data(), b.data(), 2, got.data(), y.data(), 3, M.data(),
                                 nullptr, 2, 7, false));
  ASSERT_TRUE(Blend_TBP(half.data(), b.data(), 2, want.data(), y.data(), 3, false, kMiss, kMiss));
  EXPECT_EQ(got, want);
}

TEST(BasisD2887, ModifiedBlendsOnVolume) {
  qira_test::DefaultSettings guard;
  V M(kN, 120), rho(kN), mass(kN);
  double sum = 0;
  for (int i = 0; i < kN; ++i) {
    rho[i] = 650 + 25 * i;
    sum += kFrac[i] * rho[i];
  }
  for (int i = 0; i < kN; ++i) mass[i] = kFrac[i] * rho[i] / sum;
  // Volume basis in point mode is Blend_D2887 inside the clamp bounds.
  V y{0.1, 0.5, 0.9}, mod(3), d2887(3), fromMass(3);
  ASSERT_TRUE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, mod.data(), y.data(), 3,
                                  M.data(), rho.data(), 0, 1, true));
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d2887.data(), y.data(), 3));
  EXPECT_EQ(mod, d2887);
  // The mass fractions of the same stream go back to the same volume fractions.
  ASSERT_TRUE(Blend_ModifiedD2887(mass.data(), kNbp.data(), kN, fromMass.data(), y.data(), 3,
                                  M.data(), rho.data(), 1, 1, true));
  for (int j = 0; j < 3; ++j) EXPECT_NEAR(fromMass[j], mod[j], 1e-9);
  // Unlike Blend_D2887 it clamps with the IBP value only.
  y = {0.0, 0.5, 1.0};
  ASSERT_TRUE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, mod.data(), y.data(), 3,
                                  M.data(), rho.data(), 0, 1, true));
  expectYields(y, V{0.01, 0.5, 0.99999});
}

TEST(BasisD2887, OptionOneIsTheMassBasisTbp) {
  qira_test::DefaultSettings guard;
  SetD2887option(1);
  V M(kN, 120), rho(kN, 800), y{0.05, 0.3, 0.7, 0.95}, a(4), b(4);
  V y2 = y;
  for (int i = 0; i < kN; ++i) rho[i] = 700 + 20 * i;
  ASSERT_TRUE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, a.data(), y.data(), 4,
                                  M.data(), rho.data(), 0, 1, false));
  ASSERT_TRUE(Blend_D2887fromTBP(kFrac.data(), kNbp.data(), kN, b.data(), y2.data(), 4,
                                 M.data(), rho.data(), 0, 1, false));
  EXPECT_EQ(a, b);
}

TEST(BasisD2887, FailureCodes) {
  qira_test::DefaultSettings guard;
  V M(kN, 120), rho(kN, 800), y{0.1, 0.9}, out(2, 1.0);
  // Unknown fraction basis: the mass-basis blend writes nothing, the modified blend
  // writes -32767.0.
  EXPECT_FALSE(Blend_D2887fromTBP(kFrac.data(), kNbp.data(), kN, out.data(), y.data(), 2,
                                  M.data(), rho.data(), 3, 1, true));
  EXPECT_EQ(out, V(2, 1.0));
  EXPECT_FALSE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, out.data(), y.data(), 2,
                                   M.data(), rho.data(), 3, 1, true));
  EXPECT_EQ(out, V(2, kMiss));
  // Curve basis 2 fails without looking at the components.
  out.assign(2, 1.0);
  EXPECT_FALSE(Blend_ModifiedD2887(nullptr, nullptr, 0, out.data(), y.data(), 2, nullptr,
                                   nullptr, 0, 2, true));
  EXPECT_EQ(out, V(2, kMiss));
  // Zero densities: the normalisation has no meaning, so the blend fails.
  V zeroRho(kN, 0.0);
  out.assign(2, 1.0);
  EXPECT_FALSE(Blend_D2887fromTBP(kFrac.data(), kNbp.data(), kN, out.data(), y.data(), 2,
                                  M.data(), zeroRho.data(), 0, 1, true));
  EXPECT_EQ(out, V(2, kMiss));
  out.assign(2, 1.0);
  EXPECT_FALSE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, out.data(), y.data(), 2,
                                   M.data(), nullptr, 1, 1, true))
      << "mass to volume needs the densities";
  EXPECT_EQ(out, V(2, kMiss));
}

}  // namespace
