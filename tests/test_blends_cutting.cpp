// Blended TBP/D86/D2887/D1160 curves, basis-aware D2887 blends, TBP cutting, laboratory curves.
#include <algorithm>
#include <numeric>
#include <random>

#include "QIRABlends.h"
#include "QIRAConversions.h"
#include "QIRACurveFit.h"
#include "QIRACutting.h"
#include "QIRAGrids.h"
#include "QIRALabCurves.h"
#include "QIRASettings.h"
#include "distillation/blends.h"
#include "distillation/probability_scale.h"
#include "support/tables.h"

using namespace qira_test;

namespace {

// A ten-cut naphtha-to-gas-oil stream, equal fractions, NBPs 360 K to 630 K, listed out
// of boiling-point order.
const V kNbp{420, 360, 390, 450, 480, 510, 540, 570, 600, 630};
const V kFrac(10, 0.1);
const int kN = 10;

V tbpAt(V y, const V& x = kFrac, const V& nbp = kNbp, bool pointMode = true) {
  V t(y.size());
  EXPECT_TRUE(Blend_TBP(x.data(), nbp.data(), static_cast<int>(x.size()), t.data(), y.data(),
                        static_cast<int>(y.size()), pointMode, kMiss, kMiss));
  return t;
}

}  // namespace

TEST(TbpBlend, PointListsOfEachMode) {
  // The point list as (yield, temperature) pairs.
  struct Case { const char* origin; V x, nbp; bool pointMode; double ti, tf; V points; };
  const std::vector<Case> cases = {{"point mode, 0.5/0.5 at 400 and 440 K: each whole fraction at its NBP (definition)", {0.5, 0.5}, {400, 440}, true, kMiss, kMiss, {0.5, 400, 1.0, 440}},
                                   {"mid-point mode adds the tail step", {0.5, 0.5}, {400, 440}, false, kMiss, kMiss, {0.25, 400, 0.75, 440, 1.0, 460}},
                                   {"descending order gives the same list", {0.5, 0.5}, {440, 400}, false, kMiss, kMiss, {0.25, 400, 0.75, 440, 1.0, 460}},
                                   {"zero anchor just below the first filled component", {0, 0, 0.5, 0.5}, {300, 350, 400, 440}, true, kMiss, kMiss, {0.0, 350, 0.5, 400, 1.0, 440}},
                                   {"wide gap after 95 %: a midpoint", {0.9, 0.1}, {600, 700}, true, kMiss, kMiss, {0.9, 600, 0.95, 650, 1.0, 700}},
                                   {"wide gap of a 40 % component", {0, 0.6, 0.4}, {350, 400, 480}, true, kMiss, kMiss, {0.6, 400, 0.8, 440, 1.0, 480}},
                                   {"a 49 K gap gets no extra point", {0.9, 0.1}, {600, 649}, true, kMiss, kMiss, {0.9, 600, 1.0, 649}},
                                   {"a 4 % component gets no extra point", {0.96, 0.04}, {600, 700}, true, kMiss, kMiss, {0.96, 600, 1.0, 700}},
                                   {"end temperatures widen the ends", {0.5, 0.5}, {400, 440}, true, 395, 444, {0.5, 395, 1.0, 444}},
                                   {"end temperatures never narrow them", {0.5, 0.5}, {400, 440}, true, 410, 430, {0.5, 400, 1.0, 440}},
                                   {"an initial temperature above the first NBP is ignored", {0.5, 0.5}, {280, 300}, true, 300, kMiss, {0.5, 280, 1.0, 300}},
                                   {"single component in mid-point mode: no tail step", {1.0}, {450}, false, kMiss, kMiss, {0.5, 450}}};
  for (const Case& c : cases) {
    const qira::BlendPoints p = qira::tbpBlendPoints(c.x.data(), c.nbp.data(), static_cast<int>(c.x.size()), c.pointMode, c.ti, c.tf);
    V got;
    for (size_t i = 0; i < p.yields.size(); ++i) got.insert(got.end(), {p.yields[i], p.temps[i]});
    EXPECT_EQ(got, c.points) << c.origin;
  }
  // Thirty components of fraction 1, 100 K apart: 59 points, far beyond n + 10.
  V x(30, 1.0), b(30);
  for (int i = 0; i < 30; ++i) b[i] = 300 + 100 * i;
  EXPECT_EQ(qira::tbpBlendPoints(x.data(), b.data(), 30, true, kMiss, kMiss).yields.size(), 59u);
  V y{0.1, 0.5, 0.9}, t(3);
  Blend_TBP(x.data(), b.data(), 30, t.data(), y.data(), 3, true, kMiss, kMiss);
  for (double v : t) EXPECT_TRUE(std::isfinite(v));
}

TEST(StandardBlends, TransferOfTheTbpCurveOntoEachMethod) {
  V grid(9), sg(9);
  D86ValidYields(grid.data());
  const V tg = tbpAt(grid);
  ASSERT_TRUE(API3A11_TBPtoD86(tg.data(), sg.data()));
  // A requested yield on the grid returns the converted grid point with either map.
  for (int fit : {0, 1}) {
    SetDistCurFitOption(fit);
    V y{0.1, 0.5, 0.9}, d(3);
    ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 3, true));
    expectRows({{"10 % on the grid", d[0], sg[2], 1e-6}, {"50 %", d[1], sg[4], 1e-6}, {"90 %", d[2], sg[6], 1e-6}});
  }
  // DistCurFit 0 maps by the local spline, any other value by straight lines.
  V y{0.2, 0.6}, tq = tbpAt(y), spline(2), linear(2), d(2);
  ASSERT_TRUE(Simple_spline(9, tg.data(), sg.data(), 2, tq.data(), spline.data()));
  ASSERT_TRUE(Blend_Linear(9, tg.data(), sg.data(), 2, tq.data(), linear.data()));
  SetDistCurFitOption(0);
  ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 2, true));
  EXPECT_EQ(d, spline);
  SetDistCurFitOption(3);
  ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 2, true));
  EXPECT_EQ(d, linear);
  // D86 method 0: the option blend maps through the seven-point table.
  SetDistCurFitOption(0);
  SetD86Method(0);
  V grid7(7), sg7(7), q{0.07}, tq7 = tbpAt(q), want7(1), opt(1), plain(1);
  D86ValidYieldsOption(grid7.data());
  const V tg7 = tbpAt(grid7);
  ASSERT_TRUE(API3A11_TBPtoD86Option(tg7.data(), sg7.data()));
  ASSERT_TRUE(Simple_spline(7, tg7.data(), sg7.data(), 1, tq7.data(), want7.data()));
  ASSERT_TRUE(Blend_D86Option(kFrac.data(), kNbp.data(), kN, opt.data(), q.data(), 1, true));
  ASSERT_TRUE(Blend_D86(kFrac.data(), kNbp.data(), kN, plain.data(), q.data(), 1, true));
  EXPECT_EQ(opt, want7);
  EXPECT_GT(std::fabs(opt[0] - plain[0]), 1e-3) << "the two transfer tables differ at 7 %";
}

TEST(StandardBlends, D2887AndD1160Blends) {
  // D2887 yields: 0 goes to the fixed bound 1e-5, then to the TBP blend's IBP clamp.
  V y{0.0, 0.5, 1.0}, d(3);
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 3));
  EXPECT_EQ(y, (V{0.01, 0.5, kFbp}));
  SetIBPValue(5);
  SetFBPValue(99);
  y = {0.0, 0.5, 1.0};
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 3));
  EXPECT_DOUBLE_EQ(y[0], 0.05);
  EXPECT_DOUBLE_EQ(y[2], 0.99);
  SetFBPValue(100);
  y = {0.5, 1.0};
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d.data(), y.data(), 2));
  EXPECT_EQ(y[1], 0.99999) << "the fixed upper bound of D2887 yields";
  SetOptionsNew(1.0, 99.999, 0, 0, 1);
  // The D1160 curve is the TBP curve above 50 %, flatter below it.
  V q{0.1, 0.3, 0.5, 0.50001, 0.8}, d1160(5);
  ASSERT_TRUE(Blend_D1160(kFrac.data(), kNbp.data(), kN, d1160.data(), q.data(), 5, true));
  const V t = tbpAt(q);
  EXPECT_EQ(d1160[3], t[3]);
  EXPECT_EQ(d1160[4], t[4]);
  EXPECT_NEAR(d1160[2], t[2], 1e-6);
  EXPECT_GT(d1160[0], t[0]);
}

TEST(BasisBlends, D2887OnMassAndVolumeBasis) {
  V b{400, 480}, M{100, 150}, rho{600, 900}, y{0.2, 0.5, 0.8}, got(3);
  // Volume 0.5/0.5 at densities 600 and 900 is mass 0.4/0.6; mole 0.6/0.4 at molar masses
  // 100 and 150 is mass 0.5/0.5 (hand calculation).
  V vol{0.5, 0.5}, mole{0.6, 0.4};
  ASSERT_TRUE(Blend_D2887fromTBP(vol.data(), b.data(), 2, got.data(), y.data(), 3, M.data(), rho.data(), 0, 1, true));
  EXPECT_EQ(got, tbpAt(y, {0.4, 0.6}, b));
  ASSERT_TRUE(Blend_D2887fromTBP(mole.data(), b.data(), 2, got.data(), y.data(), 3, M.data(), nullptr, 2, 7, false));
  EXPECT_EQ(got, tbpAt(y, {0.5, 0.5}, b, false));
  // The modified blend on volume in point mode is Blend_D2887 inside its clamp bounds,
  // and the same stream's mass fractions give the same curve.
  V Mn(kN, 120), rhon(kN), mass(kN), mod(3), d2887(3), fromMass(3), q{0.1, 0.5, 0.9};
  double sum = 0;
  for (int i = 0; i < kN; ++i) sum += kFrac[i] * (rhon[i] = 650 + 25 * i);
  for (int i = 0; i < kN; ++i) mass[i] = kFrac[i] * rhon[i] / sum;
  ASSERT_TRUE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, mod.data(), q.data(), 3, Mn.data(), rhon.data(), 0, 1, true));
  ASSERT_TRUE(Blend_D2887(kFrac.data(), kNbp.data(), kN, d2887.data(), q.data(), 3));
  ASSERT_TRUE(Blend_ModifiedD2887(mass.data(), kNbp.data(), kN, fromMass.data(), q.data(), 3, Mn.data(), rhon.data(), 1, 1, true));
  EXPECT_EQ(mod, d2887);
  for (int j = 0; j < 3; ++j) EXPECT_NEAR(fromMass[j], mod[j], 1e-9);
  q = {0.0, 0.5, 1.0};
  ASSERT_TRUE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, mod.data(), q.data(), 3, Mn.data(), rhon.data(), 0, 1, true));
  EXPECT_EQ(q, (V{0.01, 0.5, kFbp})) << "clamped with the IBP value only";
  // D2887 option 1: the modified blend is the mass-basis TBP blend.
  SetD2887option(1);
  V q1{0.05, 0.3, 0.7, 0.95}, q2 = q1, a(4), c(4);
  ASSERT_TRUE(Blend_ModifiedD2887(kFrac.data(), kNbp.data(), kN, a.data(), q1.data(), 4, Mn.data(), rhon.data(), 0, 1, false));
  ASSERT_TRUE(Blend_D2887fromTBP(kFrac.data(), kNbp.data(), kN, c.data(), q2.data(), 4, Mn.data(), rhon.data(), 0, 1, false));
  EXPECT_EQ(a, c);
}

TEST(Cutting, CompositionFromTheTbpCurve) {
  const double kTbp[] = {310, 360, 385, 440, 500, 560, 640, 680, 760};
  const double kF[] = {0.0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
  // Two points: scores -0.906 at 300 K and +0.906 at 500 K; the cut at 400 K reads 0.5,
  // the one at 500 K about 0.9 (hand calculation), returned in the caller's order.
  const double t2[] = {300, 500}, f2[] = {0.1, 0.9}, c2[] = {500, 400};
  const double falling[] = {0.8, 0.2}, c3[] = {350, 450}, c4[] = {200, 440, 500};
  double two[2], fall[2], below[3];
  ASSERT_TRUE(Blend_GetCompFromTBP(t2, f2, 2, c2, two, 2));
  ASSERT_TRUE(Blend_GetCompFromTBP(t2, falling, 2, c3, fall, 2));
  ASSERT_TRUE(Blend_GetCompFromTBP(kTbp, kF, 9, c4, below, 3));
  expectRows({{"two-point curve, cut at 500 K", two[0], 0.4 / 0.9, 1e-3},
              {"two-point curve, cut at 400 K", two[1], 0.5 / 0.9, 1e-3},
              {"fractions add to one", two[0] + two[1], 1.0, 1e-15},
              {"a falling curve: the lower cut takes everything", fall[0], 1.0, 0},
              {"a cut reading below the running total gets nothing", fall[1], 0.0, 0},
              {"a cut below the curve reads 0", below[0], 0.0, 0},
              {"30 % below 440 K of the 50 % below 500 K", below[1], 0.6, 2e-3},
              {"the rest up to 500 K", below[2], 0.4, 2e-3}});
  const double sorted[] = {330, 380, 420, 470, 520, 580, 650, 720};
  const double shuffled[] = {520, 330, 720, 420, 380, 650, 470, 580};
  const int where[] = {1, 4, 3, 6, 0, 7, 5, 2};
  double a[8], b[8];
  ASSERT_TRUE(Blend_GetCompFromTBP(kTbp, kF, 9, sorted, a, 8));
  ASSERT_TRUE(Blend_GetCompFromTBP(kTbp, kF, 9, shuffled, b, 8));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(a[i], b[where[i]]) << i;
  EXPECT_NEAR(std::accumulate(a, a + 8, 0.0), 1.0, 1e-12);
  // Sorting keeps ties in their order; the indices give the caller's positions.
  double v[] = {2, 2, 1};
  int idx[3];
  ASSERT_TRUE(Blend_SortNBP(v, idx, 3));
  EXPECT_EQ(std::vector<int>(idx, idx + 3), (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(v[0], 1);
}

TEST(Cutting, TbpFromYields) {
  auto read = [](V t, V f, V q) {
    V out(q.size(), kNaN);
    EXPECT_TRUE(Blend_GetTBPFromYield(t.data(), f.data(), static_cast<int>(t.size()), out.data(), q.data(), static_cast<int>(q.size())));
    return out;
  };
  const V one = read({455}, {0.3}, {0.1, 0.9}), line = read({400, 480}, {0.2, 0.6}, {0.1, 0.5, 0.9});
  const V equal = read({400, 480}, {0.5, 0.5}, {0.1, 0.5, 0.9}), flat = read({420, 420, 420, 420}, {0.1, 0.4, 0.6, 0.9}, {0.2, 0.8});
  V straight;  // T = 300 + 500 F, straight in the fraction scale
  for (double f : {0.1, 0.3, 0.6, 0.8, 0.95}) straight.push_back(300 + 500 * f);
  const V four = read(V(straight.begin(), straight.begin() + 4), {0.1, 0.3, 0.6, 0.8}, {0.2, 0.7});
  const V five = read(straight, {0.1, 0.3, 0.6, 0.8, 0.95}, {0.2, 0.7});
  const V low = read({21, 30, 60}, {0.3, 0.5, 0.8}, {0.01}), above = read({21, 30, 60}, {0.3, 0.5, 0.8}, {0.292});
  expectRows({{"one knot: its temperature everywhere", one[0] + one[1], 910, 0},
              {"two knots: the line through (0.2, 400) and (0.6, 480)", line[0], 380, 1e-12},
              {"two knots, extrapolated", line[2], 540, 1e-12},
              {"equal knot fractions: the first temperature up to them", equal[1], 400, 0},
              {"equal knot fractions: the second above", equal[2], 480, 0},
              {"constant temperatures: a flat curve", flat[0] + flat[1], 840, 0},
              {"four knots fit the fraction scale better (rF = 1 > rP): the line", four[0], 400, 1e-9},
              {"four knots, upper request", four[1], 650, 1e-9},
              {"low result takes the first knot temperature", low[0], 21, 0},
              {"a result above 20.54 stands", above[0], 20.6020604064, 1e-9}});
  // Two knots below 50 % and three above: separate fits, both on the probability scale.
  double z[5], zq[2] = {qira::probability::toScore(0.2, qira::probability::kRequestClamping),
                        qira::probability::toScore(0.7, qira::probability::kRequestClamping)};
  const double f5[] = {0.1, 0.3, 0.6, 0.8, 0.95};
  for (int i = 0; i < 5; ++i) z[i] = qira::probability::toScore(f5[i], qira::probability::kKnotClamping);
  V want(2);
  ASSERT_TRUE(Blend_spline(5, z, straight.data(), 2, zq, want.data()));
  EXPECT_EQ(five, want);
  // A knot at fraction 1 ends the curve.
  EXPECT_EQ(read({350, 400, 450, 520, 900}, {0.1, 0.4, 0.7, 1.0, 1.0}, {0.05, 0.5, 0.99999}),
            read({350, 400, 450, 520}, {0.1, 0.4, 0.7, 1.0}, {0.05, 0.5, 0.99999}));
  // The line fit: (0, 1), (1, 3), (2, 5) has slope 2, intercept 1, correlation 1.
  const double x[] = {0, 1, 2}, y[] = {1, 3, 5}, c[] = {7, 7, 7};
  double s = 0, b = 0, r = 0;
  pc_LineFit1(3, x, y, &s, &b, &r);
  expectRows({{"slope", s, 2, 1e-15}, {"intercept", b, 1, 1e-15}, {"correlation", r, 1, 1e-15}});
  pc_LineFit1(3, x, c, &s, &b, &r);
  EXPECT_TRUE(s == 0 && std::isnan(r)) << "constant ordinates: no correlation";
}

namespace {

// Finite, above 0 K and, at rising yields y, never falling by more than 1e-9 of the
// temperature before.
bool isBoilingCurve(const V& t, const V& y) {
  const bool rising = std::is_sorted(y.begin(), y.end());
  for (size_t j = 0; j < t.size(); ++j)
    if (!std::isfinite(t[j]) || !(t[j] > 0) || (rising && j > 0 && t[j] < t[j - 1] - 1e-9 * t[j - 1])) return false;
  return true;
}

}  // namespace

TEST(Cutting, CurvesThatAreNotBoilingCurvesAreRefused) {
  // A reading that reaches 0 K or is not finite is a failure, and so is one that falls at
  // rising yields; requests out of order are read as they come.
  struct Read { const char* origin; V t, f, q; bool ok; };
  const V tk{345.05882352941177, 440.32549019607842, 535.35246814679181, 634.35246814679181, 668.35506218051421, 743.08839551384756, 777.22172884718088};
  const V fk{0.14285714285714285, 0.2857142857142857, 0.42802594905666547, 0.42902594905666547, 0.54239905830036295, 0.65577216754406042, 0.7691452767877579};
  const V qk{0.021280466691315857, 0.084628882980908621, 0.16146744839809615, 0.20905564261023177, 0.23043940114207911, 0.25971676907817903, 0.33663984600125596,
             0.41356292292433289, 0.49019020957679693, 0.49019020957679693, 0.49531841470500204, 0.50044661983320715, 0.51956852181159807};
  const std::vector<Read> reads = {{"two knots near the top: the line is below 0 K at 1 % (-1480 K)", {400, 480}, {0.95, 0.99}, {0.01, 0.5}, false},
                                   {"a low result lifted to the first knot (21 K) lies above the next (20.6 K)", {21, 30, 60}, {0.3, 0.5, 0.8}, {0.01, 0.292}, false},
                                   {"requests out of order are read as they come (60, 21, 20.6 K)", {21, 30, 60}, {0.3, 0.5, 0.8}, {0.8, 0.01, 0.292}, true},
                                   {"out of order too, a temperature below 0 K is refused", {400, 480}, {0.95, 0.99}, {0.5, 0.01}, false},
                                   {"knots 0.001 apart and 99 K apart: 654.27 K then 651.40 K (fuzz finding)", tk, fk, qk, false},
                                   {"a knot temperature that is not a number", {400, kNaN, 480}, {0.1, 0.5, 0.9}, {0.2, 0.8}, false},
                                   {"an infinite knot temperature", {400, HUGE_VAL}, {0.1, 0.9}, {0.5, 0.95}, false},
                                   {"repeated requests read equal temperatures", {400, 480}, {0.5, 0.9}, {0.6, 0.6, 0.7}, true}};
  for (const Read& r : reads) {
    V out(r.q.size());
    EXPECT_EQ(Blend_GetTBPFromYield(r.t.data(), r.f.data(), static_cast<int>(r.t.size()), out.data(), r.q.data(), static_cast<int>(r.q.size())), r.ok) << r.origin;
  }
  // Blends read at the TBP grid 0 .. 1: a refused reading fails the blend with markers.
  struct Blend { const char* origin; V x, nbp; bool pointMode; double ti; bool ok; };
  const std::vector<Blend> blends = {{"0.9 at 500 K, 0.1 at 600 K, point mode: 100 K at 50 % after 500 K at 30 %", {0.9, 0.1}, {500, 600}, true, kMiss, false},
                                     {"the same blend in mid-point mode rises from 412 K to 610 K", {0.9, 0.1}, {500, 600}, false, kMiss, true},
                                     {"0.99999 and 7.5e-6 at 526.67 K from 300 K: about -3.0e7 K at 1 %", {0.99999, 7.5e-6}, {526.67, 526.67}, true, 300, false},
                                     {"the same without an initial temperature: 526.67 K throughout", {0.99999, 7.5e-6}, {526.67, 526.67}, true, kMiss, true}};
  for (const Blend& b : blends) {
    V y(9), t(9), d(9);
    TBPValidYields(y.data());
    const V y0 = y;
    EXPECT_EQ(Blend_TBP(b.x.data(), b.nbp.data(), 2, t.data(), y.data(), 9, b.pointMode, b.ti, kMiss), b.ok) << b.origin;
    EXPECT_TRUE(b.ok ? isBoilingCurve(t, y) : t == V(9, kMiss)) << b.origin;
    if (b.ti != kMiss) continue;
    y = y0;
    EXPECT_EQ(Blend_GetTBPCutsFromNBP(d.data(), y.data(), 9, b.nbp.data(), b.x.data(), 2, b.pointMode), true) << "yield cuts report no failure: " << b.origin;
    EXPECT_EQ(d, t) << "yield cuts are the blend's curve or markers: " << b.origin;
  }
}

TEST(TbpBlend, ASuccessfulBlendIsABoilingCurve) {
  // Property over seeded random blends of both modes: true implies finite temperatures
  // above 0 K, non-decreasing where the clamped yields rise (raising a first yield below
  // the IBP value can put it above the next one); false leaves markers everywhere. Both
  // outcomes occur.
  std::mt19937 rng(30);
  std::uniform_real_distribution<double> u(0, 1);
  int successes = 0, failures = 0;
  for (int c = 0; c < 4000; ++c) {
    const int n = 2 + static_cast<int>(u(rng) * 29), m = 1 + static_cast<int>(u(rng) * 20);
    V x(n), nbp(n), y(m), t(m);
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += x[i] = -std::log(1 - u(rng));
    for (int i = 0; i < n; ++i) {
      x[i] /= sum;
      nbp[i] = 300 + 500 * u(rng);
    }
    for (double& v : y) v = u(rng);
    std::sort(y.begin(), y.end());
    if (Blend_TBP(x.data(), nbp.data(), n, t.data(), y.data(), m, c % 2 == 0, kMiss, kMiss)) {
      ++successes;
      ASSERT_TRUE(isBoilingCurve(t, y)) << "case " << c;
    } else {
      ++failures;
      ASSERT_EQ(t, V(m, kMiss)) << "case " << c;
    }
  }
  EXPECT_GT(failures, 0);
  EXPECT_GT(successes, 9 * failures);
}

TEST(LabCurves, ExtrapolationCorrection) {
  struct Case { const char* origin; V curve; int i1, i2; double lo, hi; bool user; V want; };
  const std::vector<Case> cases = {{"front below lo: anchor 10, span 20, clearance 10, r = 0.5", {-10, 0, 10, 20, 30}, 2, 4, 0, kMiss, false, {0, 5, 10, 20, 30}},
                                   {"front above hi", {40, 25, 10, 5}, 2, 3, kMiss, 25, false, {25, 17.5, 10, 5}},
                                   {"back below lo", {30, 10, 0, -10}, 0, 1, 0, kMiss, false, {30, 10, 5, 0}},
                                   {"both ends, front first", {-10, 10, 20, 35, 50}, 1, 2, 0, 30, false, {0, 10, 20, 25, 30}},
                                   {"anchor below lo ends the call", {-10, -5, 20, 50}, 1, 2, 0, 30, false, {-10, -5, 20, 50}},
                                   {"no bounds: nothing changes", {-10, 0, 10, 99}, 1, 2, kMiss, kMiss, false, {-10, 0, 10, 99}},
                                   {"zero clearance stops the plain form", {-4, 0, 5, 10}, 1, 3, 0, kMiss, false, {-4, 0, 5, 10}},
                                   {"the user-curve form lifts a zero anchor to 1.1e-6", {-4, 0, 5, 10}, 1, 3, 0, kMiss, true, {0, 1.1e-6, 5, 10}},
                                   {"no measured point: all but the last clamped", {-5, 50, 15, 100}, 3, 0, 0, 30, false, {0, 30, 15, 100}},
                                   {"a not-a-number anchor ends the call", {-10, kNaN, 10, 20}, 1, 3, 0, kMiss, false, {-10, kNaN, 10, 20}}};
  for (const Case& c : cases) {
    V v = c.curve;
    (c.user ? Blend_CorrectUserCurveOverExtrapolation : CorrectExtrapolation)(v.data(), c.i1, c.i2, static_cast<int>(v.size()), c.lo, c.hi);
    for (size_t i = 0; i < v.size(); ++i) expectRows({{c.origin, v[i], c.want[i], 1e-12}});
  }
}

TEST(LabCurves, MidCutBoilingPoints) {
  auto cbp = [](V x, V b, double hi = kMiss) {
    V out(x.size());
    EXPECT_TRUE(Blend_CBP(x.data(), b.data(), static_cast<int>(x.size()), out.data(), 0.0, hi));
    return out;
  };
  const V two = cbp({0.5, 0.5}, {400, 440}), asc = cbp({0.2, 0.3, 0.1, 0.4}, {380, 420, 460, 520});
  const V desc = cbp({0.4, 0.1, 0.3, 0.2}, {520, 460, 420, 380}), empty = cbp({0, 0, 0.5, 0.5}, {300, 350, 400, 440});
  expectRows({{"the lighter read at the top of its cut", two[0], 400, 1e-12},
              {"the heavier at its middle, 0.75 on the line", two[1], 420, 1e-12},
              {"one component: its NBP", cbp({1.0}, {455})[0], 455, 0},
              {"an empty second component: the mean of the two NBPs", empty[1], 325, 0},
              {"the heaviest cut's middle, half-way to the highest NBP", asc[3], 490, 1e-9},
              {"an upper bound of 560 K replaces that NBP: (460 + 560) / 2 (hand calculation)", cbp({0.2, 0.3, 0.1, 0.4}, {380, 420, 460, 520}, 560)[3], 510, 1e-9},
              {"a bound below it changes nothing", cbp({0.2, 0.3, 0.1, 0.4}, {380, 420, 460, 520}, 500)[3], 490, 1e-9}});
  for (int i = 0; i < 4; ++i) EXPECT_EQ(desc[3 - i], asc[i]) << "caller's order";
}

namespace {

// A full-range laboratory D86 curve (IBP 40 C to FBP 400 C) at the D86 fractions.
const V kLabFrac{0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
const V kLabK{313.15, 343.15, 363.15, 423.15, 483.15, 543.15, 613.15, 643.15, 673.15};

}  // namespace

TEST(LabCurves, ReadersConvertTheirGrid) {
  // Read at its own fractions a spline returns its knots: the TBP curve is the conversion
  // of the laboratory temperatures themselves.
  V frac = kLabFrac, tbp(9), at(9), want(9);
  frac[0] = 0.01;
  frac[8] = kFbp;
  ASSERT_EQ(BlendD86toTBP(9, frac.data(), kLabK.data(), tbp.data(), at.data()), 9);
  ASSERT_TRUE(API3A11_D86toTBP(want.data(), kLabK.data()));
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(tbp[i], want[i], 1e-9) << i;
  EXPECT_EQ(at, frac);
  // D2887 option 1 copies the readings unconverted.
  const V df{0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.99999}, dt{320, 340, 390, 430, 470, 520, 545, 600};
  SetD2887option(1);
  ASSERT_EQ(BlendD2887toTBP(8, df.data(), dt.data(), tbp.data(), at.data()), 8);
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(tbp[i], dt[i], 1e-9);
  // D1160: four converted grid readings, then the points above 50 % unconverted; a point
  // at exactly 0.5 is present twice.
  const V hf{0.01, 0.1, 0.3, 0.5, 0.7}, ht{400, 430, 470, 500, 540};
  V h(6), hat(6);
  ASSERT_EQ(BlendD1160toTBP(5, hf.data(), ht.data(), h.data(), hat.data()), 6);
  EXPECT_EQ(hat, (V{0.01, 0.1, 0.3, 0.5, 0.5, 0.7}));
  EXPECT_NEAR(h[3], 500, 1e-9);
  EXPECT_EQ(h[5], 540);
  // Readings that do not rise are refused: the converted entries are missing, and the
  // cutting driver leaves the caller's output alone.
  const V ff{0.01, 0.1, 0.3, 0.5, 0.8}, flat{450, 450, 450, 450, 560}, cuts{440, 480, 520, 600};
  V f6(6, 1.0), a6(6), out(4, 7.0);
  ASSERT_EQ(BlendD1160toTBP(5, ff.data(), flat.data(), f6.data(), a6.data()), 6);
  EXPECT_EQ(f6, (V{kMiss, kMiss, kMiss, kMiss, 450, 560}));
  V ffc = ff;
  Blend_GetD1160Comp(5, ffc.data(), flat.data(), cuts.data(), out.data(), 4);
  EXPECT_EQ(out, V(4, 7.0));
}

TEST(LabCurves, DriversCutTheirCurves) {
  const V cuts{330, 380, 430, 480, 530, 600, 700};
  V f = kLabFrac, out(7), want(7), tbp(9), at(9);
  Blend_GetD86Comp(9, f.data(), kLabK.data(), cuts.data(), out.data(), 7);
  EXPECT_EQ(f, kLabFrac) << "the plain D86 driver leaves the fractions alone";
  EXPECT_NEAR(std::accumulate(out.begin(), out.end(), 0.0), 1.0, 1e-12);
  // With D86 method 0 the option driver clamps and cuts its reader's seven-point curve.
  SetD86Method(0);
  Blend_GetD86CompOption(9, f.data(), kLabK.data(), cuts.data(), out.data(), 7);
  EXPECT_EQ(f[0], 0.01);
  ASSERT_EQ(BlendD86toTBPOption(9, f.data(), kLabK.data(), tbp.data(), at.data()), 7);
  ASSERT_TRUE(Blend_GetCompFromTBP(tbp.data(), at.data(), 7, cuts.data(), want.data(), 7));
  EXPECT_EQ(out, want);
  // D2887 options 1 and 2 cut the clamped curve directly; option 0 converts it first.
  for (int option : {1, 2, 0}) {
    SetD2887option(option);
    f = kLabFrac;
    Blend_GetD2887Comp(9, f.data(), kLabK.data(), cuts.data(), out.data(), 7);
    ASSERT_TRUE(Blend_GetCompFromTBP(kLabK.data(), f.data(), 9, cuts.data(), want.data(), 7));
    EXPECT_EQ(out == want, option != 0) << "option " << option;
  }
}

TEST(LabCurves, NbpRangeFractionsAndYieldCuts) {
  const V nbp{500, 400, 600}, frac{0.5, 0.2, 0.3};  // caller's order, unsorted
  auto range = [&](double upper, double lower, V& share, const V& x) {
    double total = -1;
    share.assign(3, 7.0);
    EXPECT_TRUE(Blend_NBPTempBound(upper, lower, nbp.data(), x.data(), 3, share.data(), &total));
    return total;
  };
  V whole, upTo, beyond, gap;
  const double all = range(kMiss, kMiss, whole, frac), part = range(450, kMiss, upTo, frac);
  const V f0{0.0, 1.0, 0.0}, curveT{400, 500, 600}, curveC{0.2, 0.7, 1.0}, cuts4{400, 450, 500, 600};
  V cf4(4);  // the material between 400 and 450 K read on the blend's TBP curve
  ASSERT_TRUE(Blend_GetCompFromTBP(curveT.data(), curveC.data(), 3, cuts4.data(), cf4.data(), 4));
  expectRows({{"up to 450 K: the material between the lowest NBP and the bound", part, cf4[1], 1e-12},
              {"both bounds open: the cut at the lowest NBP is not counted", all, 0.8, 2e-3},
              {"open bounds keep every fraction", whole[0] + whole[2], 0.8, 1e-12},
              {"up to 450 K: 0.5 of the straddling component's 0.5 beside 0.2", upTo[0], 0.25 / 0.45, 1e-12},
              {"up to 450 K, the lightest", upTo[1], 0.2 / 0.45, 1e-12},
              {"up to 450 K, the heaviest", upTo[2], 0, 0},
              {"a range beyond the far end holds nothing", range(kMiss, 650, beyond, frac), 0, 0},
              {"a range inside a gap of empty components", range(580, 520, gap, f0) + gap[0] + gap[2], 0, 0}});
  double atNbp = -1, justAbove = -1;
  ASSERT_TRUE(Blend_NBPTempBound(500, kMiss, nbp.data(), frac.data(), 3, nullptr, &atNbp));
  ASSERT_TRUE(Blend_NBPTempBound(500 + 5e-5, kMiss, nbp.data(), frac.data(), 3, nullptr, &justAbove));
  EXPECT_EQ(atNbp, justAbove) << "a bound within 1e-4 of an NBP adds no cut";
  // Yield cuts are the blended TBP curve at the clamped yields; a failed blend still
  // reports true with every cut missing.
  V y{0.0, 0.5, 1.0}, y2 = y, cuts(3);
  ASSERT_TRUE(Blend_GetTBPCutsFromNBP(cuts.data(), y.data(), 3, nbp.data(), frac.data(), 3, false));
  EXPECT_EQ(cuts, tbpAt(y2, frac, nbp, false));
  EXPECT_EQ(y, (V{0.01, 0.5, kFbp})) << "clamped as by the TBP blend";
  const V none(3, 0.0);
  EXPECT_TRUE(Blend_GetTBPCutsFromNBP(cuts.data(), y.data(), 3, nbp.data(), none.data(), 3, true));
  EXPECT_EQ(cuts, V(3, kMiss));
}
