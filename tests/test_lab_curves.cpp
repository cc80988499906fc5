// Extrapolation correction, mid-cut boiling points, laboratory-curve cutting, NBP range
// fractions and yield cuts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "QIRABlends.h"
#include "QIRAConversions.h"
#include "QIRACutting.h"
#include "QIRAGrids.h"
#include "QIRALabCurves.h"
#include "QIRASettings.h"
#include "support/test_support.h"

namespace {

const double kMiss = -32767.0;
using Curve = std::vector<double>;

// ---- Extrapolation correction --------------------------------------------------------

TEST(ExtrapolationCorrection, EachEndIsCompressedOntoItsBound) {
  // Front below lo: anchor 10, span 20, clearance 10, r = 0.5 (hand calculation).
  Curve c{-10, 0, 10, 20, 30};
  CorrectExtrapolation(c.data(), 2, 4, 5, 0.0, kMiss);
  EXPECT_EQ(c, (Curve{0, 5, 10, 20, 30}));

  // Front above hi: anchor 10, span 30, clearance 15, r = 0.5.
  c = {40, 25, 10, 5};
  CorrectExtrapolation(c.data(), 2, 3, 4, kMiss, 25.0);
  EXPECT_EQ(c, (Curve{25, 17.5, 10, 5}));

  // Back below lo: anchor 10, span 20, clearance 10, r = 0.5.
  c = {30, 10, 0, -10};
  CorrectExtrapolation(c.data(), 0, 1, 4, 0.0, kMiss);
  EXPECT_EQ(c, (Curve{30, 10, 5, 0}));

  // Both ends, front first: front r = 0.5; back anchor 20, span 30, clearance 10.
  c = {-10, 10, 20, 35, 50};
  CorrectExtrapolation(c.data(), 1, 2, 5, 0.0, 30.0);
  EXPECT_EQ(c[0], 0.0);
  EXPECT_EQ(c[1], 10.0);
  EXPECT_EQ(c[2], 20.0);
  EXPECT_NEAR(c[3], 25.0, 1e-12);
  EXPECT_NEAR(c[4], 30.0, 1e-12);
}

TEST(ExtrapolationCorrection, GuardStopsLaterCorrections) {
  // Front below lo = 0 with its anchor (-5) below lo too: the call ends at once and the
  // back end, above hi, stays as it was.
  Curve c{-10, -5, 20, 50};
  CorrectExtrapolation(c.data(), 1, 2, 4, 0.0, 30.0);
  EXPECT_EQ(c, (Curve{-10, -5, 20, 50}));

  // No bounds: nothing changes.
  c = {-10, 0, 10, 99};
  CorrectExtrapolation(c.data(), 1, 2, 4, kMiss, kMiss);
  Blend_CorrectUserCurveOverExtrapolation(c.data(), 1, 2, 4, kMiss, kMiss);
  EXPECT_EQ(c, (Curve{-10, 0, 10, 99}));
}

TEST(ExtrapolationCorrection, UserCurveLiftsZeroAnchor) {
  // Measured first value 0 with lo = 0: the plain form stops (clearance 0), the
  // user-curve form lifts the anchor to 1.1e-6 and compresses the front onto zero.
  Curve plain{-4, 0, 5, 10};
  CorrectExtrapolation(plain.data(), 1, 3, 4, 0.0, kMiss);
  EXPECT_EQ(plain, (Curve{-4, 0, 5, 10}));

  Curve user{-4, 0, 5, 10};
  Blend_CorrectUserCurveOverExtrapolation(user.data(), 1, 3, 4, 0.0, kMiss);
  EXPECT_EQ(user[1], 1.1e-6);
  EXPECT_NEAR(user[0], 0.0, 1e-15);
  EXPECT_EQ(user[2], 5.0);
}

TEST(ExtrapolationCorrection, NoMeasuredPointClampsAllButLast) {
  Curve c{-5, 50, 15, 100};
  CorrectExtrapolation(c.data(), 3, 0, 4, 0.0, 30.0);
  EXPECT_EQ(c, (Curve{0, 30, 15, 100}));
  Curve one{-5};
  CorrectExtrapolation(one.data(), 1, 0, 1, 0.0, 30.0);
  EXPECT_EQ(one[0], -5.0);
}

TEST(ExtrapolationCorrection, BadArgumentsTouchNothing) {
  CorrectExtrapolation(nullptr, 0, 1, 2, 0.0, 1.0);
  Blend_CorrectUserCurveOverExtrapolation(nullptr, 0, 1, 2, 0.0, 1.0);
  Curve c{-10, 0, 10, 99};
  const Curve before = c;
  CorrectExtrapolation(c.data(), 1, 2, 0, 0.0, 30.0);              // n below 1
  CorrectExtrapolation(c.data(), -1, 2, 4, 0.0, 30.0);             // index below 0
  CorrectExtrapolation(c.data(), 1, 4, 4, 0.0, 30.0);              // index beyond n
  Blend_CorrectUserCurveOverExtrapolation(c.data(), 5, 2, 4, 0.0, 30.0);
  EXPECT_EQ(c, before);
  // A not-a-number anchor ends the call instead of spreading into the end.
  Curve nan{-10, std::nan(""), 10, 20};
  CorrectExtrapolation(nan.data(), 1, 3, 4, 0.0, kMiss);
  EXPECT_EQ(nan[0], -10.0);
}

// ---- Mid-cut boiling points ----------------------------------------------------------

TEST(MidCutBoilingPoints, ReadsTheMiddleOfEachCut) {
  Curve x{0.5, 0.5}, b{400, 440}, out(2);
  // Two knots (400, 0.5), (440, 1.0): the line 400 + 80 (F - 0.5); the lighter read at
  // the top of its cut (0.5), the heavier at its middle (0.75) -> 400 and 420 K.
  ASSERT_TRUE(Blend_CBP(x.data(), b.data(), 2, out.data(), 0.0, kMiss));
  EXPECT_NEAR(out[0], 400.0, 1e-12);
  EXPECT_NEAR(out[1], 420.0, 1e-12);

  Curve one{1.0}, nbp1{455}, out1{0};
  ASSERT_TRUE(Blend_CBP(one.data(), nbp1.data(), 1, out1.data(), 0.0, kMiss));
  EXPECT_EQ(out1[0], 455.0);
  EXPECT_TRUE(Blend_CBP(one.data(), nbp1.data(), 0, out1.data(), 0.0, kMiss));
}

TEST(MidCutBoilingPoints, CallerOrderEmptyLeadersAndUpperBound) {
  Curve x{0.2, 0.3, 0.1, 0.4}, b{380, 420, 460, 520}, asc(4);
  ASSERT_TRUE(Blend_CBP(x.data(), b.data(), 4, asc.data(), 0.0, kMiss));
  Curve xr{0.4, 0.1, 0.3, 0.2}, br{520, 460, 420, 380}, desc(4);
  ASSERT_TRUE(Blend_CBP(xr.data(), br.data(), 4, desc.data(), 0.0, kMiss));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(desc[3 - i], asc[i]);
  for (int i = 1; i < 4; ++i) {
    EXPECT_GT(asc[i], b[i - 1]);
    EXPECT_LT(asc[i], b[i]) << "the middle of a cut lies between its two NBPs";
  }

  // The two lowest components are empty: the second gets the mean of the two NBPs.
  Curve xe{0, 0, 0.5, 0.5}, be{300, 350, 400, 440}, oute(4);
  ASSERT_TRUE(Blend_CBP(xe.data(), be.data(), 4, oute.data(), 0.0, kMiss));
  EXPECT_EQ(oute[1], 325.0);

  // This curve is read in the fraction scale: the heaviest cut's middle (0.8) lies
  // half-way between 460 K and the highest NBP, 490 K; an upper bound of 560 K replaces
  // that NBP and gives 510 K (hand calculation); a bound below it changes nothing.
  Curve raised(4), same(4);
  EXPECT_NEAR(asc[3], 490.0, 1e-9);
  ASSERT_TRUE(Blend_CBP(x.data(), b.data(), 4, raised.data(), 0.0, 560));
  ASSERT_TRUE(Blend_CBP(x.data(), b.data(), 4, same.data(), 0.0, 500));
  EXPECT_NEAR(raised[3], 510.0, 1e-9);
  EXPECT_EQ(same, asc);
}

TEST(MidCutBoilingPoints, UnreadableCurveGivesMissing) {
  Curve x{0.5, std::nan("")}, b{400, 440}, out(2, 1.0);
  EXPECT_FALSE(Blend_CBP(x.data(), b.data(), 2, out.data(), 0.0, kMiss));
  EXPECT_EQ(out, Curve(2, kMiss));
  EXPECT_FALSE(Blend_CBP(nullptr, b.data(), 2, out.data(), 0.0, kMiss));
}

// ---- Laboratory-curve readers and cutters ----------------------------------------------

// A full-range laboratory D86 curve (IBP 40 C to FBP 400 C), given at the D86 fractions.
const Curve kLabFrac{0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
const Curve kLabC{40, 70, 90, 150, 210, 270, 340, 370, 400};
Curve labKelvin() {
  Curve t;
  for (double c : kLabC) t.push_back(c + 273.15);
  return t;
}
// Thirty pseudo-components, NBPs 20 C to 460 C in equal steps.
Curve thirtyNbps() {
  Curve nbp(30);
  for (int i = 0; i < 30; ++i) nbp[i] = 273.15 + 20 + i * (460.0 - 20) / 29;
  return nbp;
}

TEST(LabCurveReaders, D86ReadersConvertTheirGrid) {
  qira_test::DefaultSettings guard;
  // Read at the curve's own fractions the readings are the laboratory temperatures
  // themselves (a spline returns its knots), so the TBP curve is their conversion.
  Curve t = labKelvin(), frac = kLabFrac;
  frac[0] = 0.01;
  frac[8] = 0.99999;
  Curve tbp(9), at(9), want(9);
  ASSERT_EQ(BlendD86toTBP(9, frac.data(), t.data(), tbp.data(), at.data()), 9);
  ASSERT_TRUE(API3A11_D86toTBP(want.data(), t.data()));
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(tbp[i], want[i], 1e-9) << i;
  for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(at[i], frac[i]) << i;

  SetD86Method(0);
  Curve t7{t[0], t[2], t[3], t[4], t[5], t[6], t[8]}, want7(7);
  ASSERT_EQ(BlendD86toTBPOption(9, frac.data(), t.data(), tbp.data(), at.data()), 7);
  ASSERT_TRUE(API3A11_D86toTBPOption(want7.data(), t7.data()));
  for (int i = 0; i < 7; ++i) EXPECT_NEAR(tbp[i], want7[i], 1e-9) << i;
  EXPECT_DOUBLE_EQ(at[1], 0.1);
}

TEST(LabCurveReaders, D2887OptionsAndD1160UpperPoints) {
  qira_test::DefaultSettings guard;
  Curve frac{0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 0.99999};
  Curve t{320, 340, 390, 430, 470, 520, 545, 600}, tbp(8), at(8), want(8);
  ASSERT_EQ(BlendD2887toTBP(8, frac.data(), t.data(), tbp.data(), at.data()), 8);
  ASSERT_TRUE(API3A31_D2887toTBP(want.data(), t.data()));
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(tbp[i], want[i], 1e-9) << i;
  SetD2887option(1);
  ASSERT_EQ(BlendD2887toTBP(8, frac.data(), t.data(), tbp.data(), at.data()), 8);
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(tbp[i], t[i], 1e-9) << "copied unconverted";

  // D1160 points at 0.6, 0.8 and 0.95 follow the four converted readings unconverted.
  Curve df{0.01, 0.1, 0.3, 0.45, 0.6, 0.8, 0.95}, dt{400, 430, 470, 495, 520, 560, 600};
  ASSERT_EQ(D1160BaseSize(7, df.data()), 7);
  Curve d(7), dat(7), d4{0, 0, 0, 0};
  ASSERT_EQ(BlendD1160toTBP(7, df.data(), dt.data(), d.data(), dat.data()), 7);
  EXPECT_EQ((Curve{d[4], d[5], d[6]}), (Curve{520, 560, 600}));
  EXPECT_EQ((Curve{dat[4], dat[5], dat[6]}), (Curve{0.6, 0.8, 0.95}));
  Curve readings(4);
  Curve grid(4);
  D1160ValidYields(grid.data());
  EXPECT_EQ((Curve{dat[0], dat[1], dat[2], dat[3]}), grid);
  // An input point at exactly 0.5 is present twice: converted and unconverted.
  Curve hf{0.01, 0.1, 0.3, 0.5, 0.7}, ht{400, 430, 470, 500, 540}, h(6), hat(6);
  ASSERT_EQ(BlendD1160toTBP(5, hf.data(), ht.data(), h.data(), hat.data()), 6);
  EXPECT_EQ(hat[3], 0.5);
  EXPECT_EQ(hat[4], 0.5);
  EXPECT_NEAR(h[3], 500, 1e-9) << "the 50 % point is shared by D1160 and TBP";
  EXPECT_EQ(h[4], 500);
}

TEST(LabCurveReaders, RefusedD1160ReadingsAreNeverCut) {
  qira_test::DefaultSettings guard;
  // A flat front: the readings do not rise strictly, so the D1160 conversion refuses
  // them. The reader marks its four converted entries missing, still appends the upper
  // points, and the driver leaves the caller's output as it was.
  Curve f{0.01, 0.1, 0.3, 0.5, 0.8}, t{450, 450, 450, 450, 560}, tbp(6, 1.0), at(6);
  ASSERT_EQ(BlendD1160toTBP(5, f.data(), t.data(), tbp.data(), at.data()), 6);
  EXPECT_EQ((Curve{tbp[0], tbp[1], tbp[2], tbp[3]}), Curve(4, kMiss));
  EXPECT_EQ(tbp[5], 560.0);
  Curve cuts{440, 480, 520, 600}, out(4, 7.0);
  Blend_GetD1160Comp(5, f.data(), t.data(), cuts.data(), out.data(), 4);
  EXPECT_EQ(out, Curve(4, 7.0));
}

TEST(LabCurveCutting, DriversClampAndCutTheirCurves) {
  qira_test::DefaultSettings guard;
  const Curve t = labKelvin(), cuts{330, 380, 430, 480, 530, 600, 700};
  const int nc = 7;
  // The plain D86 driver leaves the caller's fractions alone; the option drivers clamp.
  Curve f = kLabFrac, out(nc, -1.0);
  Blend_GetD86Comp(9, f.data(), t.data(), cuts.data(), out.data(), nc);
  EXPECT_EQ(f, kLabFrac);
  double sum = 0;
  for (double v : out) sum += v;
  EXPECT_NEAR(sum, 1.0, 1e-12);

  // With D86 method 0 the option driver cuts the seven-point TBP curve of its reader.
  SetD86Method(0);
  f = kLabFrac;
  Blend_GetD86CompOption(9, f.data(), t.data(), cuts.data(), out.data(), nc);
  EXPECT_DOUBLE_EQ(f[0], 0.01);
  EXPECT_DOUBLE_EQ(f[8], 0.99999);
  Curve tbp(9), at(9), want(nc);
  ASSERT_EQ(BlendD86toTBPOption(9, f.data(), t.data(), tbp.data(), at.data()), 7);
  ASSERT_TRUE(Blend_GetCompFromTBP(tbp.data(), at.data(), 7, cuts.data(), want.data(), nc));
  EXPECT_EQ(out, want);

  // D2887 options 1 and 2 cut the caller's (clamped) curve directly as a TBP curve.
  for (int option : {1, 2}) {
    SetD2887option(option);
    f = kLabFrac;
    Blend_GetD2887Comp(9, f.data(), t.data(), cuts.data(), out.data(), nc);
    ASSERT_TRUE(Blend_GetCompFromTBP(t.data(), f.data(), 9, cuts.data(), want.data(), nc));
    EXPECT_EQ(out, want) << "option " << option;
    EXPECT_DOUBLE_EQ(f[0], 0.01);
  }
  // Option 0 converts by API 3A3.1 first: another result.
  SetD2887option(0);
  Curve converted(nc);
  Blend_GetD2887Comp(9, f.data(), t.data(), cuts.data(), converted.data(), nc);
  EXPECT_NE(converted, want);
}

TEST(LabCurveCutting, BadCurvesLeaveTheOutput) {
  qira_test::DefaultSettings guard;
  Curve f{0.1, 0.9}, t{400, 500}, cuts{420, 480}, out(2, 7.0), tbp(9, 1.0), at(9);
  // Two points cannot be read at nine fractions: the reader marks its TBP entries.
  EXPECT_EQ(BlendD86toTBP(2, f.data(), t.data(), tbp.data(), at.data()), 9);
  EXPECT_EQ(tbp, Curve(9, kMiss));
  Blend_GetD86Comp(2, f.data(), t.data(), cuts.data(), out.data(), 2);
  Blend_GetD1160Comp(2, f.data(), t.data(), cuts.data(), out.data(), 2);
  Curve nanT{400, std::nan(""), 500}, f3{0.1, 0.5, 0.9};
  Blend_GetD86CompOption(3, f3.data(), nanT.data(), cuts.data(), out.data(), 2);
  Blend_GetD2887Comp(3, f3.data(), t.data(), nullptr, out.data(), 2);
  Blend_GetD86Comp(0, f.data(), t.data(), cuts.data(), out.data(), 2);
  EXPECT_EQ(out, Curve(2, 7.0));
  EXPECT_EQ(BlendD2887toTBP(3, nullptr, t.data(), tbp.data(), at.data()), 0);
}

TEST(LabCurveCutting, D86CurveCutIntoThirtyAndBlendedBack) {
  qira_test::DefaultSettings guard;
  // The host's typical request and back: a full-range D86 curve cut into thirty
  // pseudo-components at NBPs 20 C to 460 C, then blended back (point mode: each NBP is
  // the top of its cut, as the cutter assigns it) at the laboratory yields.
  Curve f = kLabFrac, t = labKelvin(), nbp = thirtyNbps(), x(30), y = kLabFrac, d86(9);
  Blend_GetD86Comp(9, f.data(), t.data(), nbp.data(), x.data(), 30);
  ASSERT_TRUE(Blend_D86(x.data(), nbp.data(), 30, d86.data(), y.data(), 9, true));
  // Deviation found (blended back minus laboratory, K) at 1, 5, 10, 30, 50, 70, 90, 95
  // and 99.999 %:
  //  - 10 % to 95 %: within 1.25 K. The thirty cuts resolve the curve; what is left is
  //    the probability-scale interpolation between cuts 15 K apart.
  //  - 5 %: +5.0 K. The TBP front is steep (29 C at 5 %, 65 C at 10 %) and only two
  //    cuts lie on it, so the blend rebuilds it from a coarse staircase.
  //  - 1 %: -6.8 K. Everything below the lowest cut (TBP from 8 C up to 20 C) sits at the
  //    lightest component's NBP; the blended curve extrapolates below its first point.
  //  - 99.999 %: -9.0 K. The laboratory TBP curve runs to 500 C, beyond the heaviest
  //    cut at 460 C; that tail is shared out over all components, so the blended curve
  //    ends near 460 C instead.
  const Curve found{-6.789, 5.026, -1.041, 0.045, -0.074, -0.273, 1.208, -0.156, -8.986};
  for (int i = 0; i < 9; ++i) {
    const double dev = d86[i] - t[i];
    EXPECT_NEAR(dev, found[i], 0.25) << "yield " << y[i];
    if (y[i] >= 0.1 && y[i] <= 0.7) {
      EXPECT_LT(std::fabs(dev), 1.5) << "yield " << y[i];
    }
  }
}

// ---- NBP range fractions and yield cuts ----------------------------------------------

const Curve kRangeNbp{500, 400, 600};  // caller's order, unsorted
const Curve kRangeFrac{0.5, 0.2, 0.3};

TEST(NbpRanges, WholeSpanAndStraddlingSplit) {
  double total = -1;
  Curve share(3);
  // Both bounds open: the cut at the lowest NBP lies on the lower bound and is not
  // counted; every component keeps its own fraction.
  ASSERT_TRUE(Blend_NBPTempBound(kMiss, kMiss, kRangeNbp.data(), kRangeFrac.data(), 3,
                                 share.data(), &total));
  Curve curveT{400, 500, 600}, curveC{0.2, 0.7, 1.0}, cuts{400, 500, 600}, cf(3);
  ASSERT_TRUE(Blend_GetCompFromTBP(curveT.data(), curveC.data(), 3, cuts.data(), cf.data(), 3));
  EXPECT_NEAR(total, 1 - cf[0], 1e-12);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(share[i], kRangeFrac[i], 1e-12);

  // Up to 450 K: the cut list gains 450; the component at 500 K straddles the bound
  // and contributes (450 - 400) / 100 of its 0.5 = 0.25 beside 0.2 (hand calculation).
  ASSERT_TRUE(Blend_NBPTempBound(450, kMiss, kRangeNbp.data(), kRangeFrac.data(), 3,
                                 share.data(), &total));
  EXPECT_NEAR(share[0], 0.25 / 0.45, 1e-12);
  EXPECT_NEAR(share[1], 0.2 / 0.45, 1e-12);
  EXPECT_EQ(share[2], 0.0);
  Curve cuts4{400, 450, 500, 600}, cf4(4);
  ASSERT_TRUE(Blend_GetCompFromTBP(curveT.data(), curveC.data(), 3, cuts4.data(), cf4.data(), 4));
  EXPECT_NEAR(total, cf4[1], 1e-12);

  // A bound within 1e-4 above an NBP adds no cut: the NBP serves as the cut.
  double atNbp = -1, justAbove = -1;
  ASSERT_TRUE(Blend_NBPTempBound(500, kMiss, kRangeNbp.data(), kRangeFrac.data(), 3,
                                 nullptr, &atNbp));
  ASSERT_TRUE(Blend_NBPTempBound(500 + 5e-5, kMiss, kRangeNbp.data(), kRangeFrac.data(),
                                 3, nullptr, &justAbove));
  EXPECT_EQ(atNbp, justAbove);
}

TEST(NbpRanges, EmptyRangesAndBadSums) {
  double total = -1;
  Curve share(3, 7.0);
  // Bounds beyond the far end of the NBP span: nothing boils in the range.
  ASSERT_TRUE(Blend_NBPTempBound(kMiss, 650, kRangeNbp.data(), kRangeFrac.data(), 3,
                                 share.data(), &total));
  EXPECT_EQ(total, 0.0);
  EXPECT_EQ(share, Curve(3, 0.0));
  ASSERT_TRUE(Blend_NBPTempBound(350, kMiss, kRangeNbp.data(), kRangeFrac.data(), 3,
                                 share.data(), &total));
  EXPECT_EQ(total, 0.0);
  EXPECT_EQ(share, Curve(3, 0.0));
  // A range inside one gap whose straddling components are empty: shares stay 0.
  Curve f0{1.0, 0.0, 0.0}, b0{400, 500, 600};
  ASSERT_TRUE(Blend_NBPTempBound(580, 520, b0.data(), f0.data(), 3, share.data(), &total));
  EXPECT_EQ(share, Curve(3, 0.0));

  // Fractions adding up to 0.9: false, nothing written.
  Curve bad{0.5, 0.2, 0.2};
  total = -1;
  share.assign(3, 7.0);
  EXPECT_FALSE(Blend_NBPTempBound(kMiss, kMiss, kRangeNbp.data(), bad.data(), 3,
                                  share.data(), &total));
  EXPECT_EQ(total, -1.0);
  EXPECT_EQ(share, Curve(3, 7.0));
  EXPECT_FALSE(Blend_NBPTempBound(std::nan(""), kMiss, kRangeNbp.data(), kRangeFrac.data(),
                                  3, share.data(), &total));
  EXPECT_FALSE(Blend_NBPTempBound(kMiss, kMiss, kRangeNbp.data(), kRangeFrac.data(), 3,
                                  share.data(), nullptr));
}

TEST(NbpRanges, YieldCutsAreTheBlendedTbp) {
  qira_test::DefaultSettings guard;
  Curve y{0.0, 0.5, 1.0}, y2 = y, cuts(3), tbp(3);
  ASSERT_TRUE(Blend_GetTBPCutsFromNBP(cuts.data(), y.data(), 3, kRangeNbp.data(),
                                      kRangeFrac.data(), 3, false));
  ASSERT_TRUE(Blend_TBP(kRangeFrac.data(), kRangeNbp.data(), 3, tbp.data(), y2.data(), 3,
                        false, kMiss, kMiss));
  EXPECT_EQ(cuts, tbp);
  EXPECT_EQ(y, y2) << "the yields are clamped as by the TBP blend";
  // A failed blend (no material) still reports true, with -32767.0 everywhere.
  Curve none(3, 0.0);
  EXPECT_TRUE(Blend_GetTBPCutsFromNBP(cuts.data(), y.data(), 3, kRangeNbp.data(),
                                      none.data(), 3, true));
  EXPECT_EQ(cuts, Curve(3, kMiss));
}

}  // namespace
