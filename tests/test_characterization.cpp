// Molecular weight, gravity and Watson K correlations and the Whitson plus-fraction split.
#include <numeric>

#include "QIRACharacterization.h"
#include "QIRACurveFit.h"
#include "characterization/whitson_split.h"
#include "support/tables.h"

using namespace qira_test;

TEST(Correlations, WatsonRelationKatzFiroozabadiTwuAndGammaFunctions) {
  const double mw = Blend_mw(0.8, 12.0);
  const double t2000 = (2000 - 459.67 - 32) / 1.8 + 273.15;  // x = 2000 R
  const double capped = 1.394 * 998.9993 * 0.9979879;
  expectRows({{"MW of SG 0.8, Kw 12: ((12 / 1.2164404)^3 0.8^2.537169 / 52.6)^2.196209 (hand calculation)", mw,
               169.843559287290, rel(1e-12)},
              {"Kw back from that MW carries its own constants: 12.0037", Blend_uopk(mw, 0.8), 12.0037, 1e-4},
              {"SG back from that MW", Blend_sg(mw, 12.0), 0.8, 2e-4},
              {"gravity at MW exactly 320, heavy-end relation: (320 / (2.482e-7 12^8.7669))^0.08895 (hand calculation)",
               Blend_sg(320, 12.0), 0.930685471347363, rel(1e-12)},
              {"gravity just below MW 320: (52.6 320^0.45533 / (12 / 1.2164404)^3)^0.39414 (hand calculation)",
               Blend_sg(std::nextafter(320.0, 0.0), 12.0), 0.896314841715292, rel(1e-12)},
              {"Katz-Firoozabadi C7, Tb 366 K: SG 0.727 (Katz and Firoozabadi 1978)", Blend_sg_katz_firoozabadi(366) / 999, 0.727, 0.008},
              {"Katz-Firoozabadi C10, Tb 447 K: SG 0.782", Blend_sg_katz_firoozabadi(447) / 999, 0.782, 0.004},
              {"Katz-Firoozabadi C15, Tb 543 K: SG 0.836", Blend_sg_katz_firoozabadi(543) / 999, 0.836, 0.005},
              {"Katz-Firoozabadi C20, Tb 612 K: SG 0.862", Blend_sg_katz_firoozabadi(612) / 999, 0.862, 0.004},
              {"Katz-Firoozabadi at 212 F: SG quartic / 0.9991 x 998.9993 (hand calculation)",
               Blend_sg_katz_firoozabadi(373.15), 727.193847901081, rel(1e-12)},
              {"Katz-Firoozabadi at 600 K (620.33 F) (hand calculation)", Blend_sg_katz_firoozabadi(600), 855.483611445033,
               rel(1e-12)},
              {"Twu MW with the boiling-point adjustment, 450 K, 780 kg/m3 (regression)", Blend_mw_twu(450, 780),
               145.0128358215878, rel(1e-12)},
              {"Twu MW, heavy fraction, 700 K, 950 kg/m3 (regression)", Blend_mw_twu(700, 950), 362.34481027220085,
               rel(1e-12)},
              {"Twu MW, light fraction, 300 K, 650 kg/m3 (regression)", Blend_mw_twu(300, 650), 67.42151409306219,
               rel(1e-12)},
              {"Twu MW at 500 K, 800 kg/m3 (regression, as on the characterization page)", Blend_mw_twu(500, 800),
               183.36443334031614, rel(1e-12)},
              {"Twu MW just below x = 2000 R (regression)", Blend_mw_twu(t2000 - 1e-6, 900), 1983.7913076303894,
               rel(1e-12)},
              {"Twu MW just above x = 2000 R: the same root", Blend_mw_twu(t2000 + 1e-6, 900), 1983.7913, 0.2},
              {"Twu MW, gravity capped at 1.394", Blend_mw_twu(600, 1500), Blend_mw_twu(600, capped), 0},
              {"ln Gamma(5) = ln 24", Blend_gammln(5.0), std::log(24.0), 1e-10},
              {"ln Gamma(1/2) = ln sqrt(pi)", Blend_gammln(0.5), 0.5723649429247001, 1e-10},
              {"gamma density, alpha 2, beta 1, at 2: 2 e^-2", Blend_gammafun(2.0, 2.0, 1.0), 0.2706705664732254, 1e-10}});
  EXPECT_NE(Blend_mw_twu(600, capped * 0.99), Blend_mw_twu(600, capped));
  double area = 0;  // the density integrates to 1 (alpha 2.5, beta 40; midpoint rule)
  for (double x = 0.05; x < 4000; x += 0.1) area += Blend_gammafun(x, 2.5, 40.0) * 0.1;
  EXPECT_NEAR(area, 1.0, 1e-4);
}

TEST(Whitson, AlphaSearchSteps) {
  // One step of the bracketed secant search: x, f, then lo, hi, previous x and f before
  // and after (target 0, step 0.5).
  struct Step { const char* origin; double x, f, lo, hi, xp, fp; double wantX, wantLo, wantHi, wantXp, wantFp; };
  const std::vector<Step> steps = {{"above the target with room below: step down by h", 5, 3, 0.495, 20, 0, 0, 4.5, 0.495, 5, 5, 3},
                                   {"below the target with room above: step up", 4.5, -1, 0.495, 20, 5, 3, 5.0, 4.5, 20, 4.5, -1},
                                   {"secant through (0.5, -1) and (1, 2), a third into the bracket", 1, 2, 0.5, 1.2, 0.5, -1, 1 - 1.0 / 3, 0.5, 1, 0.5, -1},
                                   {"secant outside 2 %..98 % of the bracket: bisection", 1, 2, 0.5, 1.2, 0.9, 10, 0.75, 0.5, 1, 1, 2},
                                   {"no previous point yet: bisection, the point recorded", 0.65, 300, 0.495, 20, 0, kNaN, 0.5725, 0.495, 0.65, 0.65, 300}};
  for (const Step& s : steps) {
    double x = s.x, lo = s.lo, hi = s.hi, xp = s.xp, fp = s.fp;
    Blend_whitson_convg(&x, s.f, 0.0, &lo, &hi, &xp, &fp, 0.5);
    expectRows({{s.origin, x, s.wantX, 1e-15}, {s.origin, lo, s.wantLo, 0}, {s.origin, hi, s.wantHi, 0},
                {s.origin, xp, s.wantXp, 0}, {s.origin, fp, s.wantFp, 0}});
  }
}

namespace {

struct Split { bool ok; V frac, mw, den; double plusMw, plusSg, plusKw; };

Split runWhitson(double mw, double sg, double kw, double eta, V nbp = {}) {
  if (nbp.empty())
    for (int i = 0; i < 15; ++i) nbp.push_back(370 + 30 * i);  // 370 K to 790 K
  const size_t n = nbp.size();
  Split s{false, V(n, -1), V(n, -1), V(n, -1), mw, sg, kw};
  s.ok = Blend_Whitson(static_cast<int>(n), s.frac.data(), s.mw.data(), s.den.data(), nbp.data(),
                       &s.plusMw, &s.plusSg, &s.plusKw, eta);
  return s;
}

bool untouched(const Split& s) { return s.frac == V(s.frac.size(), -1) && s.mw == s.frac && s.den == s.frac; }

}  // namespace

TEST(Whitson, RealisticHeptanesPlus) {
  const Split s = runWhitson(200, 0.82, kMiss, 0);
  ASSERT_TRUE(s.ok);
  EXPECT_NEAR(s.plusKw, 12.0509, 1e-4) << "Kw completed from MW and SG";
  EXPECT_NEAR(std::accumulate(s.frac.begin(), s.frac.end(), 0.0), 1.0, 1e-12);
  for (size_t i = 1; i < s.mw.size(); ++i) EXPECT_GT(s.mw[i], s.mw[i - 1]) << i;
  for (double d : s.den) EXPECT_TRUE(d > 650 && d < 1000) << d;
  // The slice curve against a hand transcription of the distribution: alpha 2.65 in five
  // evaluations, 50 slices lumped into 19.
  qira::WhitsonSlices sl;
  ASSERT_TRUE(qira::whitsonSliceCurve(200, 0.82, s.plusKw, 84, sl));
  ASSERT_EQ(sl.count, 19);
  expectRows({{"evaluations", 1.0 * sl.evaluations, 5, 0}, {"alpha", sl.alpha, 2.65, 1e-15},
              {"cumulative fraction of slice 1", sl.z[1], 0.0032430757, 1e-9},
              {"cumulative fraction of slice 3", sl.z[3], 0.0894557243, 1e-9},
              {"boiling point of slice 1", sl.tb[1], 338.2016471, 1e-6},
              {"boiling point of slice 19", sl.tb[19], 717.9798017, 1e-6},
              {"the curve ends at 1", sl.z[19], 1.0, 1e-15}});
  EXPECT_GT(sl.z[19] - sl.z[18], 0.01) << "the lumped tail sits in the last slice";
  // MWs and densities are read off the slice curves at the NBPs.
  V nbp, sg1000, wantMw(15), wantDen(15);
  for (int i = 0; i < 15; ++i) nbp.push_back(370 + 30 * i);
  for (int i = 0; i <= sl.count; ++i) sg1000.push_back(sl.sg[i] * 1000);
  ASSERT_TRUE(Simple_spline(sl.count + 1, sl.tb.data(), sl.mw.data(), 15, nbp.data(), wantMw.data()));
  ASSERT_TRUE(Simple_spline(sl.count + 1, sl.tb.data(), sg1000.data(), 15, nbp.data(), wantDen.data()));
  EXPECT_EQ(s.mw, wantMw);
  EXPECT_EQ(s.den, wantDen);
  // The caller's order is kept for unsorted NBPs.
  const Split r = runWhitson(200, 0.82, kMiss, 0, V(nbp.rbegin(), nbp.rend()));
  for (size_t i = 0; i < 15; ++i) { EXPECT_NEAR(r.frac[14 - i], s.frac[i], 1e-12); EXPECT_NEAR(r.mw[14 - i], s.mw[i], 2e-3 * s.mw[i]); }
}

TEST(Whitson, EtaChoiceCompletionAndLimits) {
  // eta = max(min(84, MW/2), 0.4 MW) when not given.
  EXPECT_EQ(qira::whitsonDefaultEta(300), 120);
  EXPECT_EQ(qira::whitsonDefaultEta(150), 75);
  EXPECT_EQ(runWhitson(300, 0.85, kMiss, 0).mw, runWhitson(300, 0.85, kMiss, 120).mw);
  EXPECT_EQ(runWhitson(150, 0.78, kMiss, -1).mw, runWhitson(150, 0.78, kMiss, 75).mw);
  // A missing MW or SG is completed from the other two and written back.
  expectRows({{"MW completed", runWhitson(kMiss, 0.82, 12.0, 0).plusMw, Blend_mw(0.82, 12.0), 0},
              {"SG completed", runWhitson(200, kMiss, 12.0, 0).plusSg, Blend_sg(200, 12.0), 0}});
  // eta above 0.9 MW, and a light plus fraction whose slice 0 has a negative MW: false,
  // only the completed Kw written back.
  for (const Split& s : {runWhitson(200, 0.82, kMiss, 190), runWhitson(32.12, 0.8, kMiss, 28.26)}) {
    EXPECT_FALSE(s.ok);
    EXPECT_DOUBLE_EQ(s.plusKw, Blend_uopk(s.plusMw, s.plusSg));
    EXPECT_TRUE(untouched(s));
  }
  // Two missing, not-a-number, a non-physical completion: false, nothing written.
  for (const Split& s : {runWhitson(kMiss, kMiss, 12.0, 0), runWhitson(200, kNaN, 12.0, 0),
                         runWhitson(200, 0.82, 12.0, kNaN), runWhitson(200, -0.82, kMiss, 0),
                         runWhitson(200, 0.82, 12.0, 0, {400, kNaN, 500})}) {
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(untouched(s));
  }
  EXPECT_EQ(runWhitson(kMiss, kMiss, 12.0, 0).plusMw, kMiss);
  EXPECT_EQ(runWhitson(200, -0.82, kMiss, 0).plusKw, kMiss);
}

TEST(Whitson, NarrowAndVeryHeavyDistributions) {
  // MW 50, eta 44: lumping stops at five slices though the last two hold at most 1 %.
  qira::WhitsonSlices s;
  ASSERT_TRUE(qira::whitsonSliceCurve(50, 0.7, Blend_uopk(50, 0.7), 44, s));
  EXPECT_EQ(s.count, 5);
  EXPECT_LE(s.z[5] - s.z[4], 0.01);
  // MW 3000: the first residual is positive with 0.155 of bracket below 0.65; bisection,
  // then the search closes on the lower bracket (hand transcription: six evaluations).
  ASSERT_TRUE(qira::whitsonSliceCurve(3000, 1.0, Blend_uopk(3000, 1.0), 1200, s));
  EXPECT_EQ(s.evaluations, 6);
  EXPECT_DOUBLE_EQ(s.alpha, 0.49984375);
  EXPECT_TRUE(runWhitson(10000, 1.1, kMiss, 0).ok) << "far beyond the slice range";
}
