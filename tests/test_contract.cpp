// Bad input per family (nulls, counts below one, NaN, bad indices): no crash, the documented
// result. One clause per call, so that a failure names the call and the argument.
#include <climits>

#include "QIRAPropCalculator.h"
#include "ViscHandler.h"
#include "support/tables.h"

using namespace qira_test;

namespace {

// call: the function, its bad argument and the documented result; holds: makes the one call
// and says whether that result came back.
struct Clause {
  const char* call;
  bool (*holds)();
};
void expectClauses(const std::vector<Clause>& clauses) {
  for (const Clause& c : clauses) EXPECT_TRUE(c.holds()) << c.call;
}

V out9() { return V(9, 7.0); }
const V kGoodD86 = kelvinOf({100, 130, 150, 200, 250, 300, 370, 400, 430});
V withNaN(V v, size_t at) { return v[at] = kNaN, v; }
const V kNaNCurve = withNaN(kGoodD86, 4);

// Two components, three requested yields and an output that shows what was written.
struct Blend {
  V x{0.5, 0.5}, nbp{400, 440}, yields{0.1, 0.5, 0.9}, out = V(3, 1.0);
  bool tbp(const double* fractions, double* out3, int m = 3) {
    return Blend_TBP(fractions, nbp.data(), 2, out3, yields.data(), m, true, kMiss, kMiss);
  }
  bool allMissing() const { return out == V(3, kMiss); }
};

// Two components for the basis blends: fractions, NBPs, molar masses, densities, outputs.
struct BasisBlend {
  V x = V(2, 0.5), nbp{400, 480}, mw = V(2, 120), rho = V(2, 800), yields{0.1, 0.9}, out = V(2, 1.0);
  bool fromTbp(int basis) {
    return Blend_D2887fromTBP(x.data(), nbp.data(), 2, out.data(), yields.data(), 2, mw.data(),
                              rho.data(), basis, 1, true);
  }
  bool modified(int basis, const double* densities) {
    return Blend_ModifiedD2887(x.data(), nbp.data(), 2, out.data(), yields.data(), 2, mw.data(),
                               densities, basis, 1, true);
  }
};

// A curve to cut: two points, their fractions, two cuts and an output left at -1.
struct Cut {
  double t[2] = {400, 500}, f[2] = {0.2, 0.8}, cuts[2] = {400, 500}, o[2] = {-1, -1};
  bool untouched() const { return o[0] == -1 && o[1] == -1; }
};

// Four knots of a cumulative yield curve and an output left at -1.
struct Yields {
  double t[4] = {420, 430, 440, 450}, f[4] = {0.1, 0.4, 0.6, 0.9}, q[2] = {0.2, 0.8}, o[2] = {-1, -1};
};

// A laboratory curve that cannot be read (two points) and an output that must stay.
struct LabCut {
  V f{0.1, 0.9}, t{400, 500}, cuts{420, 480}, out = V(2, 7.0), f3{0.1, 0.5, 0.9}, nanT{400, kNaN, 500};
  bool untouched() const { return out == V(2, 7.0); }
};

// Three components whose fractions add to 0.9, and the range outputs.
struct Range {
  V nbp{500, 400, 600}, x{0.5, 0.2, 0.2}, share = V(3, 7.0);
  double total = -1;
};

// A three-knot table for the interpolators.
const double kX[] = {1, 2, 3}, kY[] = {10, 20, 30};

// The Whitson split of one component: outputs and the plus fraction's MW, SG and Kw.
struct Split {
  double f = 0, m = 0, d = 0, nbp = 400, mw = 200, sg = 0.82, kw = 12;
};

using Mix = double (*)(const double*, const double*, int);
const Mix kMixes[] = {CloudPointMix1, CloudPointMix2, FlashPointMix1,       PourPointMix1,
                      PourPointMix2,  RVPMix1,        Blend_SmokePointMix1, Blend_FreezePoint};
// Whether every index mix returns the missing value for the arguments given.
bool everyMixMissing(const double* f, const double* v, int n) {
  for (Mix m : kMixes)
    if (m(f, v, n) != kMiss) return false;
  return true;
}
// Whether no index mix returns the missing value for the arguments given.
bool noMixMissing(const double* f, const double* v, int n) {
  for (Mix m : kMixes)
    if (m(f, v, n) == kMiss) return false;
  return true;
}
const double kOneFraction[] = {1.0}, kOneValue[] = {300.0};

// Two components for the mixture density: fractions, Tc, Pc, V*, omega.
struct Mixture {
  double x[2] = {1, 0}, tiny[2] = {9e-6, 9e-6}, tc[2] = {540.2, 617.7}, pc[2] = {2740, 2110};
  double vs[2] = {0.4304, 0.6192}, badVs[2] = {-0.4, 0.6}, w[2] = {0.35, 0.49};
};

// Two viscosity points and the thetas the fit must leave alone.
struct Fit {
  float a = 0.25f, b = -0.5f;
  double T[2] = {311.15, 373.15}, v[2] = {2.0, 0.8};
  int fit(const double* temps, double* viscs, float* thetaA) {
    return pc_fitvisc(1, 0, 101.325, 100, 600, 2000, 0.5, 2, temps, viscs, 0.5, 0.4, thetaA, &b, 0.4);
  }
  bool thetasKept() const { return a == 0.25f && b == -0.5f; }
};

// A 2 x 2 identity as row pointers, one with a null row, and the vectors of the solve.
struct System {
  double r0[2] = {1, 0}, r1[2] = {0, 1}, b[2] = {1, 1}, x[2] = {9, 9};
  double* A[2] = {r0, r1};
  double* half[2] = {r0, nullptr};
};

// Solver callbacks that take the point and give zero residuals.
void ignorePoint(double*) {}
void zeroResiduals(double* f) { f[0] = f[1] = 0; }

// The octane estimate's temperatures.
const double kOctaneT[] = {60, 80, 100, 120, 150};

}  // namespace

TEST(Contract, ConversionsRefuseNullAndUncheckedCurves) {
  expectClauses({
      {"API3A11_D86toTBP, null output: false", [] { return !API3A11_D86toTBP(nullptr, kGoodD86.data()); }},
      {"API3A11_D86toTBP, null curve: false, nothing written",
       [] { V o = out9(); return !API3A11_D86toTBP(o.data(), nullptr) && o == out9(); }},
      {"API3A11_TBPtoD86, null curve: false, nothing written",
       [] { V o = out9(); return !API3A11_TBPtoD86(nullptr, o.data()) && o == out9(); }},
      {"API3A11_D86toTBPOption, null curve: false",
       [] { V o = out9(); return !API3A11_D86toTBPOption(o.data(), nullptr); }},
      {"API3A11_TBPtoD86Option, null curve: false",
       [] { V o = out9(); return !API3A11_TBPtoD86Option(nullptr, o.data()); }},
      {"API3A31_D2887toTBP, null curve: false", [] { V o = out9(); return !API3A31_D2887toTBP(o.data(), nullptr); }},
      {"API3A31_TBPtoD2887, null curve: false", [] { V o = out9(); return !API3A31_TBPtoD2887(nullptr, o.data()); }},
      {"API6_TBPtoD86, null curve: false", [] { V o = out9(); return !API6_TBPtoD86(nullptr, o.data()); }},
      {"API3A11_D86toTBP, NaN among the checked points: false, nothing written",
       [] { V o = out9(); return !API3A11_D86toTBP(o.data(), kNaNCurve.data()) && o == out9(); }},
      {"API3A11_TBPtoD86, NaN: false", [] { V o = out9(); return !API3A11_TBPtoD86(kNaNCurve.data(), o.data()); }},
      {"API3A31_D2887toTBP, NaN: false", [] { V o = out9(); return !API3A31_D2887toTBP(o.data(), kNaNCurve.data()); }},
      {"API6_TBPtoD86, NaN: false", [] { V o = out9(); return !API6_TBPtoD86(kNaNCurve.data(), o.data()); }},
      {"API3A31_TBPtoD2887, NaN: true, carried outward from the 50 % point",
       [] { V o = out9(); return API3A31_TBPtoD2887(kNaNCurve.data(), o.data()) && std::isnan(o[4]); }},
      {"SingleTBPtoD86, null curve: the missing value",
       [] { return SingleTBPtoD86(nullptr, kGoodD86.data(), 300, 0.2) == kMiss; }},
      {"SingleTBPtoD86Option, null curve: the missing value",
       [] { return SingleTBPtoD86Option(kGoodD86.data(), nullptr, 300, 0.2) == kMiss; }},
      {"SingleTBPtoD86, NaN temperature: NaN",
       [] { return std::isnan(SingleTBPtoD86(kGoodD86.data(), kGoodD86.data(), kNaN, 0.2)); }},
      {"Blend_TBPtoD1160, null curve: false", [] { V o(4); return !Blend_TBPtoD1160(nullptr, o.data()); }},
  });
}

TEST(Contract, GridsIgnoreNullsAndCountsBelowOne) {
  expectClauses({
      {"CheckIBPFBP, count 0: nothing written",
       [] { V y{0.0, 2.0}; CheckIBPFBP(y.data(), 0); return y == V{0.0, 2.0}; }},
      {"CheckIBPFBP, count -3: nothing written",
       [] { V y{0.0, 2.0}; CheckIBPFBP(y.data(), -3); return y == V{0.0, 2.0}; }},
      {"CheckIBPFBP, null: nothing happens", [] { CheckIBPFBP(nullptr, 2); return true; }},
      {"D86ValidYields, null: nothing happens", [] { D86ValidYields(nullptr); return true; }},
      {"D86ValidYieldsOption, null: nothing happens", [] { D86ValidYieldsOption(nullptr); return true; }},
      {"D2887ValidYields, null: nothing happens", [] { D2887ValidYields(nullptr); return true; }},
      {"D1160ValidYields, null: nothing happens", [] { D1160ValidYields(nullptr); return true; }},
      {"TBPValidYields, null: nothing happens", [] { TBPValidYields(nullptr); return true; }},
      {"D1160BaseSize, null yields: the four grid points", [] { return D1160BaseSize(4, nullptr) == 4; }},
      {"D1160BaseSize, count 0: the four grid points", [] { V y{0.7}; return D1160BaseSize(0, y.data()) == 4; }},
      {"D1160BaseSize, count -1: the four grid points", [] { V y{0.7}; return D1160BaseSize(-1, y.data()) == 4; }},
  });
}

TEST(Contract, BlendsFailWithEveryOutputMissing) {
  expectClauses({
      {"Blend_TBP, no material: false, every output missing",
       [] { Blend b; V zero{0, 0}; return !b.tbp(zero.data(), b.out.data()) && b.allMissing(); }},
      {"Blend_TBP, NaN fraction: false, outputs missing",
       [] { Blend b; V x{0.5, kNaN}; return !b.tbp(x.data(), b.out.data()) && b.allMissing(); }},
      {"Blend_TBP, null fractions: false, outputs missing",
       [] { Blend b; return !b.tbp(nullptr, b.out.data()) && b.allMissing(); }},
      {"Blend_TBP, null output: false", [] { Blend b; return !b.tbp(b.x.data(), nullptr); }},
      {"Blend_TBP, no yields: false", [] { Blend b; return !b.tbp(b.x.data(), b.out.data(), 0); }},
      {"Blend_D86, TBP 50 % below 0 F: false, outputs missing",
       [] {
         Blend b;
         b.nbp = {200, 240};
         return !Blend_D86(b.x.data(), b.nbp.data(), 2, b.out.data(), b.yields.data(), 3, true) && b.allMissing();
       }},
      {"Blend_D86Option, TBP 50 % below 0 F: false, outputs missing",
       [] {
         Blend b;
         b.nbp = {200, 240};
         return !Blend_D86Option(b.x.data(), b.nbp.data(), 2, b.out.data(), b.yields.data(), 3, false) &&
                b.allMissing();
       }},
      {"Blend_D2887fromTBP, unknown fraction basis 3: false, nothing written",
       [] { BasisBlend b; return !b.fromTbp(3) && b.out == V(2, 1.0); }},
      {"Blend_D2887fromTBP, zero densities: false, outputs missing",
       [] { BasisBlend b; b.rho = V(2, 0.0); return !b.fromTbp(0) && b.out == V(2, kMiss); }},
      {"Blend_ModifiedD2887, unknown fraction basis 3: false, outputs missing",
       [] { BasisBlend b; return !b.modified(3, b.rho.data()) && b.out == V(2, kMiss); }},
      {"Blend_ModifiedD2887, mass to volume without densities: false, outputs missing",
       [] { BasisBlend b; return !b.modified(1, nullptr) && b.out == V(2, kMiss); }},
      {"Blend_ModifiedD2887, curve basis 2: false without reading the components",
       [] {
         V y{0.1, 0.9}, o(2, 1.0);
         return !Blend_ModifiedD2887(nullptr, nullptr, 0, o.data(), y.data(), 2, nullptr, nullptr, 0, 2, true) &&
                o == V(2, kMiss);
       }},
  });
}

TEST(Contract, CuttingRefusesWithNothingWritten) {
  expectClauses({
      {"Blend_GetCompFromTBP, one point: false, nothing written",
       [] { Cut c; return !Blend_GetCompFromTBP(c.t, c.f, 1, c.cuts, c.o, 2) && c.untouched(); }},
      {"Blend_GetCompFromTBP, two points within 1e-10 K: false, nothing written",
       [] { Cut c; c.t[1] = 400 + 1e-11; return !Blend_GetCompFromTBP(c.t, c.f, 2, c.cuts, c.o, 2) && c.untouched(); }},
      {"Blend_GetCompFromTBP, no cuts: false",
       [] { Cut c; return !Blend_GetCompFromTBP(c.t, c.f, 2, c.cuts, c.o, 0); }},
      {"Blend_GetCompFromTBP, null fractions: false, nothing written",
       [] { Cut c; return !Blend_GetCompFromTBP(c.t, nullptr, 2, c.cuts, c.o, 2) && c.untouched(); }},
      {"Blend_GetCompFromTBP, NaN cut: false, nothing written",
       [] { Cut c; c.cuts[1] = kNaN; return !Blend_GetCompFromTBP(c.t, c.f, 2, c.cuts, c.o, 2) && c.untouched(); }},
      {"Blend_SortNBP, nothing to sort: true", [] { return Blend_SortNBP(nullptr, nullptr, 0); }},
      {"Blend_SortNBP, null indices: false", [] { double v[] = {450}; return !Blend_SortNBP(v, nullptr, 1); }},
      {"Blend_GetTBPFromYield, NaN request: false, nothing written",
       [] { Yields y; y.q[1] = kNaN; return !Blend_GetTBPFromYield(y.t, y.f, 4, y.o, y.q, 2) && y.o[0] == -1; }},
      {"Blend_GetTBPFromYield, no knots: false",
       [] { Yields y; return !Blend_GetTBPFromYield(y.t, y.f, 0, y.o, y.q, 2); }},
      {"Blend_GetTBPFromYield, no requests: false",
       [] { Yields y; return !Blend_GetTBPFromYield(y.t, y.f, 4, y.o, y.q, 0); }},
      {"Blend_GetTBPFromYield, null curve: false, nothing written",
       [] { Yields y; return !Blend_GetTBPFromYield(nullptr, y.f, 4, y.o, y.q, 2) && y.o[0] == -1; }},
      {"Blend_GetTBPFromYield, two knots before the end of the scale: false",
       [] {
         const double t[] = {420, 430, 440}, f[] = {0.3, 1.0, 1.0}, q[] = {0.2};
         double o[1];
         return !Blend_GetTBPFromYield(t, f, 3, o, q, 1);
       }},
      {"pc_LineFit1, no points: nothing written",
       [] { double k = -1; pc_LineFit1(0, kX, kY, &k, &k, &k); return k == -1; }},
      {"pc_LineFit1, null output: nothing written",
       [] { double k = -1; pc_LineFit1(3, kX, kY, &k, nullptr, &k); return k == -1; }},
      {"Blend_NormDistY, null: nothing happens", [] { Blend_NormDistY(nullptr); return true; }},
  });
}

TEST(Contract, LaboratoryCurvesLeaveTheCallersArrays) {
  expectClauses({
      {"CorrectExtrapolation, null curve: nothing happens",
       [] { CorrectExtrapolation(nullptr, 0, 1, 2, 0, 1); return true; }},
      {"CorrectExtrapolation, count 0: nothing changes",
       [] { V c{-10, 0, 10, 99}; CorrectExtrapolation(c.data(), 1, 2, 0, 0, 30); return c == V{-10, 0, 10, 99}; }},
      {"CorrectExtrapolation, first measured index -1: nothing changes",
       [] { V c{-10, 0, 10, 99}; CorrectExtrapolation(c.data(), -1, 2, 4, 0, 30); return c == V{-10, 0, 10, 99}; }},
      {"CorrectExtrapolation, last measured index beyond the curve: nothing changes",
       [] { V c{-10, 0, 10, 99}; CorrectExtrapolation(c.data(), 1, 4, 4, 0, 30); return c == V{-10, 0, 10, 99}; }},
      {"Blend_CorrectUserCurveOverExtrapolation, index beyond the curve: nothing changes",
       [] {
         V c{-10, 0, 10, 99};
         Blend_CorrectUserCurveOverExtrapolation(c.data(), 5, 2, 4, 0, 30);
         return c == V{-10, 0, 10, 99};
       }},
      {"Blend_CorrectUserCurveOverExtrapolation, null curve: nothing happens",
       [] { Blend_CorrectUserCurveOverExtrapolation(nullptr, 0, 1, 2, 0, 1); return true; }},
      {"Blend_CBP, no components: true",
       [] { double x = 1, b = 455, o = 0; return Blend_CBP(&x, &b, 0, &o, 0, kMiss); }},
      {"Blend_CBP, NaN fraction: false, outputs missing",
       [] {
         V x{0.5, kNaN}, b{400, 440}, o(2, 1.0);
         return !Blend_CBP(x.data(), b.data(), 2, o.data(), 0, kMiss) && o == V(2, kMiss);
       }},
      {"Blend_CBP, null fractions: false",
       [] { V b{400, 440}, o(2); return !Blend_CBP(nullptr, b.data(), 2, o.data(), 0, kMiss); }},
      {"BlendD86toTBP, two points for nine fractions: 9, the TBP entries missing",
       [] {
         V f{0.1, 0.9}, t{400, 500}, o(9, 1.0), a(9);
         return BlendD86toTBP(2, f.data(), t.data(), o.data(), a.data()) == 9 && o == V(9, kMiss);
       }},
      {"BlendD2887toTBP, null fractions: 0",
       [] { V t{400, 450, 500}, o(8), a(8); return BlendD2887toTBP(3, nullptr, t.data(), o.data(), a.data()) == 0; }},
      {"Blend_GetD86Comp, two points: the output left alone",
       [] {
         LabCut c;
         Blend_GetD86Comp(2, c.f.data(), c.t.data(), c.cuts.data(), c.out.data(), 2);
         return c.untouched();
       }},
      {"Blend_GetD1160Comp, two points: the output left alone",
       [] {
         LabCut c;
         Blend_GetD1160Comp(2, c.f.data(), c.t.data(), c.cuts.data(), c.out.data(), 2);
         return c.untouched();
       }},
      {"Blend_GetD86CompOption, NaN temperature: the output left alone",
       [] {
         LabCut c;
         Blend_GetD86CompOption(3, c.f3.data(), c.nanT.data(), c.cuts.data(), c.out.data(), 2);
         return c.untouched();
       }},
      {"Blend_GetD2887Comp, null cuts: the output left alone",
       [] {
         LabCut c;
         Blend_GetD2887Comp(3, c.f3.data(), c.t.data(), nullptr, c.out.data(), 2);
         return c.untouched();
       }},
      {"Blend_GetD86Comp, no points: the output left alone",
       [] {
         LabCut c;
         Blend_GetD86Comp(0, c.f.data(), c.t.data(), c.cuts.data(), c.out.data(), 2);
         return c.untouched();
       }},
      {"Blend_NBPTempBound, fractions adding to 0.9: false, nothing written",
       [] {
         Range r;
         return !Blend_NBPTempBound(kMiss, kMiss, r.nbp.data(), r.x.data(), 3, r.share.data(), &r.total) &&
                r.total == -1 && r.share == V(3, 7.0);
       }},
      {"Blend_NBPTempBound, one component: true, all of it above the cut at its NBP",
       [] {
         double b = 450, x = 1, s = 0, t = -1;
         return Blend_NBPTempBound(kMiss, kMiss, &b, &x, 1, &s, &t) && t == 0 && s == 1;
       }},
      {"Blend_NBPTempBound, NaN bound: false",
       [] {
         Range r;
         r.x[2] = 0.3;
         return !Blend_NBPTempBound(kNaN, kMiss, r.nbp.data(), r.x.data(), 3, r.share.data(), &r.total);
       }},
      {"Blend_NBPTempBound, null total: false",
       [] {
         Range r;
         r.x[2] = 0.3;
         return !Blend_NBPTempBound(kMiss, kMiss, r.nbp.data(), r.x.data(), 3, r.share.data(), nullptr);
       }},
  });
}

TEST(Contract, CurveFittingRefusesWhatItCannotPlace) {
  expectClauses({
      {"Simple_spline, two knots: false, nothing written",
       [] { const double q[] = {1.5}; double o[1] = {-1}; return !Simple_spline(2, kX, kX, 1, q, o) && o[0] == -1; }},
      {"Simple_spline, null abscissae: false",
       [] { const double q[] = {1.5}; double o[1]; return !Simple_spline(3, nullptr, kX, 1, q, o); }},
      {"Simple_spline, null queries: false", [] { double o[1]; return !Simple_spline(3, kX, kX, 1, nullptr, o); }},
      {"Simple_spline, no queries: true", [] { return Simple_spline(3, kX, kX, 0, nullptr, nullptr); }},
      {"Blend_spline, no queries: true", [] { return Blend_spline(3, kX, kX, 0, nullptr, nullptr); }},
      {"Simple_spline, NaN query: false, the earlier result kept, the later untouched",
       [] {
         const double q[] = {1.5, kNaN, 2.5};
         double o[3] = {-1, -1, -1};
         return !Simple_spline(3, kX, kY, 3, q, o) && std::fabs(o[0] - 15) < 1e-12 && o[2] == -1;
       }},
      {"Simple_spline, NaN abscissa: false",
       [] { const double x[] = {1, kNaN, 3}, q[] = {2}; double o[1]; return !Simple_spline(3, x, x, 1, q, o); }},
      {"Blend_spline, two knots: false",
       [] { const double q[] = {1.5, 2}; double o[2]; return !Blend_spline(2, kX, kX, 2, q, o); }},
      {"Blend_spline, null abscissae: false",
       [] { const double q[] = {1.5, 2}; double o[2]; return !Blend_spline(3, nullptr, kX, 2, q, o); }},
      {"Blend_spline, null output: false",
       [] { const double q[] = {1.5, 2}; return !Blend_spline(3, kX, kX, 2, q, nullptr); }},
      {"Blend_spline, NaN query: false",
       [] { const double q[] = {1.5, kNaN}; double o[2]; return !Blend_spline(3, kX, kX, 2, q, o); }},
      {"Blend_spline, left repair with every knot on one abscissa: false",
       [] {
         const double x[] = {1, 1, 1}, y[] = {0, 5, 6}, q[] = {-3, -2};
         double o[2];
         return !Blend_spline(3, x, y, 2, q, o);
       }},
      {"Blend_Linear, one knot: false, nothing written",
       [] { const double q[] = {1.5}; double o[1] = {-1}; return !Blend_Linear(1, kX, kX, 1, q, o) && o[0] == -1; }},
      {"Blend_Linear, NaN query: false, nothing written",
       [] { const double q[] = {kNaN}; double o[1] = {-1}; return !Blend_Linear(3, kX, kX, 1, q, o) && o[0] == -1; }},
      {"Blend_Linear, null ordinates: false",
       [] { const double q[] = {1.5}; double o[1]; return !Blend_Linear(3, kX, nullptr, 1, q, o); }},
      {"Blend_Linear, no queries: true", [] { return Blend_Linear(3, kX, kX, 0, nullptr, nullptr); }},
      {"Blend_lstsqr, null output: false", [] { return !Blend_lstsqr(kX, kX, 1, nullptr); }},
  });
}

TEST(Contract, CharacterizationAndIndicesGiveTheMarker) {
  expectClauses({
      {"Blend_Whitson, no components: false",
       [] { Split s; return !Blend_Whitson(0, &s.f, &s.m, &s.d, &s.nbp, &s.mw, &s.sg, &s.kw, 0); }},
      {"Blend_Whitson, null fractions: false",
       [] { Split s; return !Blend_Whitson(1, nullptr, &s.m, &s.d, &s.nbp, &s.mw, &s.sg, &s.kw, 0); }},
      {"Blend_Whitson, null SG: false",
       [] { Split s; return !Blend_Whitson(1, &s.f, &s.m, &s.d, &s.nbp, &s.mw, nullptr, &s.kw, 0); }},
      {"Blend_whitson_convg, null point: nothing happens",
       [] {
         double lo = 0, hi = 1, xp = 0, fp = 0;
         Blend_whitson_convg(nullptr, 1, 0, &lo, &hi, &xp, &fp, 0.5);
         return true;
       }},
      {"index mixes, one component at 300: a value", [] { return noMixMissing(kOneFraction, kOneValue, 1); }},
      {"index mixes, no components: the missing value", [] { return everyMixMissing(kOneFraction, kOneValue, 0); }},
      {"index mixes, count -3: the missing value", [] { return everyMixMissing(kOneFraction, kOneValue, -3); }},
      {"index mixes, null fractions: the missing value", [] { return everyMixMissing(nullptr, kOneValue, 1); }},
      {"index mixes, null values: the missing value", [] { return everyMixMissing(kOneFraction, nullptr, 1); }},
      {"PourPointIndex1, 1e-30: the missing value", [] { return PourPointIndex1(1e-30) == kMiss; }},
      {"PourPointIndex1, NaN: the missing value", [] { return PourPointIndex1(kNaN) == kMiss; }},
      {"Blend_ViscosityIndex1, below its domain: the missing value",
       [] { return Blend_ViscosityIndex1(-0.5) == kMiss; }},
      {"Blend_ViscosityIndex2, below its domain: the missing value",
       [] { return Blend_ViscosityIndex2(-0.79999) == kMiss; }},
  });
}

TEST(Contract, EstimatesRefuseNullOutputs) {
  expectClauses({
      {"Blend_EstimateCloudPt, at absolute zero: false, the missing value",
       [] { double a = 0; return !Blend_EstimateCloudPt(-273.15, 0.85, &a) && a == kMiss; }},
      {"Blend_EstimateCloudPt, below absolute zero: false, the missing value",
       [] { double a = 0; return !Blend_EstimateCloudPt(-300, 0.85, &a) && a == kMiss; }},
      {"Blend_EstimateCloudPt, NaN: false, the missing value",
       [] { double a = 0; return !Blend_EstimateCloudPt(kNaN, 0.85, &a) && a == kMiss; }},
      {"Blend_EstimateCloudPt, null output: false", [] { return !Blend_EstimateCloudPt(300, 0.85, nullptr); }},
      {"Blend_EstatimateBulkSulphurByRiazi, null output: false",
       [] { return !Blend_EstatimateBulkSulphurByRiazi(1, 150, 850, nullptr); }},
      {"Blend_EstimateNaphthenicByNDM, null output: false",
       [] { double v; return !Blend_EstimateNaphthenicByNDM(0, 250, 860, 0.5, 300, &v, nullptr); }},
      {"Blend_EstimatePNAbyRiaziRoomi, null output: false",
       [] { double v; return !Blend_EstimatePNAbyRiaziRoomi(3, 850, &v, nullptr, &v); }},
      {"Blend_estimateCtoHRatio, null output: false", [] { return !Blend_estimateCtoHRatio(600, 0.88, nullptr); }},
      {"Blend_estimatePourPointRiazi, null output: false",
       [] { return !Blend_estimatePourPointRiazi(10, 0.88, 350, nullptr); }},
      {"Blend_APIVisc, null output: false", [] { double v; return !Blend_APIVisc(11.8, 30, nullptr, &v); }},
      {"Blend_TwuVisc, null output: false", [] { double v; return !Blend_TwuVisc(850, 600, &v, nullptr); }},
      {"Blend_EstimateC5asphaltenes, NaN: the missing value",
       [] { return Blend_EstimateC5asphaltenes(kNaN) == kMiss; }},
      {"Blend_EstimateCCR, below 0: 0", [] { return Blend_EstimateCCR(-1) == 0.0; }},
      {"Blend_CetaneIndexD4737, NaN temperature: the missing value",
       [] { return Blend_CetaneIndexD4737(0.85, kNaN, 500, 550) == kMiss; }},
      {"Blend_CetaneIndexD976_3, NaN temperature: the missing value",
       [] { return Blend_CetaneIndexD976_3(50, kNaN) == kMiss; }},
      {"Healy_RONMON, no components: true, both results 0",
       [] {
         double r = -1, m = -1;
         return Healy_RONMON(nullptr, 0, nullptr, nullptr, nullptr, nullptr, &r, &m) && r == 0 && m == 0;
       }},
      {"Healy_RONMON, null MON array: false, nothing written",
       [] {
         double r = 7, m = 7;
         const double v[] = {90};
         return !Healy_RONMON(v, 1, v, nullptr, v, v, &r, &m) && r == 7 && m == 7;
       }},
      {"Healy_RONMON, null RON output: false, nothing written",
       [] { double m = 7; const double v[] = {90}; return !Healy_RONMON(v, 1, v, v, v, v, nullptr, &m) && m == 7; }},
      {"estimate_octane, a content missing: the missing value, contents unchanged",
       [] { double a = kMiss, b = 4, c = 2; return estimate_octane(kOctaneT, &a, &b, &c) == kMiss && b == 4; }},
      {"estimate_octane, contents all zero: the missing value",
       [] { double a = 0, b = 0, c = 0; return estimate_octane(kOctaneT, &a, &b, &c) == kMiss; }},
      {"estimate_octane, contents cancelling to zero: the missing value, contents unchanged",
       [] { double a = 5, b = -5, c = 0; return estimate_octane(kOctaneT, &a, &b, &c) == kMiss && a == 5; }},
      {"estimate_octane, null temperatures: the missing value",
       [] { double a = 5, b = 5, c = 0; return estimate_octane(nullptr, &a, &b, &c) == kMiss; }},
      {"estimate_octane, null content: the missing value",
       [] { double a = 5, c = 0; return estimate_octane(kOctaneT, &a, nullptr, &c) == kMiss; }},
  });
}

TEST(Contract, LiquidPropertiesWriteNothingOnBadInput) {
  expectClauses({
      {"pc_costald, NaN: nothing written",
       [] { double a = 7, b = 8; pc_costald(kNaN, &a, &b); return a == 7 && b == 8; }},
      {"pc_costald, null first output: nothing written",
       [] { double b = 8; pc_costald(0.5, nullptr, &b); return b == 8; }},
      {"pc_costald, null second output: nothing written",
       [] { double a = 7; pc_costald(0.5, &a, nullptr); return a == 7; }},
      {"pc_xden2, no fraction above 1e-5: 0",
       [] { Mixture m; return pc_xden2(2, 350, 2e4, m.tiny, m.tc, m.pc, m.vs, m.w) == 0; }},
      {"pc_xden2, no components: 0", [] { Mixture m; return pc_xden2(0, 350, 2e4, m.x, m.tc, m.pc, m.vs, m.w) == 0; }},
      {"pc_xden2, null Tc: 0", [] { Mixture m; return pc_xden2(2, 350, 2e4, m.x, nullptr, m.pc, m.vs, m.w) == 0; }},
      {"pc_xden2, NaN temperature: 0",
       [] { Mixture m; return pc_xden2(2, kNaN, 2e4, m.x, m.tc, m.pc, m.vs, m.w) == 0; }},
      {"pc_xden2, negative V*: 0", [] { Mixture m; return pc_xden2(2, 350, 2e4, m.x, m.tc, m.pc, m.badVs, m.w) == 0; }},
      {"pc_Calc_API_5B1_1TVP, temperature 0: TVP 0, flag and derivative untouched",
       [] {
         double tvp = 5, s = -1;
         bool failed = false;
         pc_Calc_API_5B1_1TVP(0, 10, 3, &tvp, &failed, &s);
         return tvp == 0 && !failed && s == -1;
       }},
      {"pc_Calc_API_5B1_1TVP, RVP missing: TVP 0, flag and derivative untouched",
       [] {
         double tvp = 5, s = -1;
         bool failed = false;
         pc_Calc_API_5B1_1TVP(559.67, kMiss, 3, &tvp, &failed, &s);
         return tvp == 0 && !failed && s == -1;
       }},
      {"pc_Calc_API_5B1_1TVP, null TVP: nothing written",
       [] {
         double s = -1;
         bool failed = false;
         pc_Calc_API_5B1_1TVP(559.67, 10, 3, nullptr, &failed, &s);
         return !failed && s == -1;
       }},
      {"pc_Calc_API_5B1_1TVP, null flag: nothing written",
       [] {
         double tvp = 5, s = -1;
         pc_Calc_API_5B1_1TVP(559.67, 10, 3, &tvp, nullptr, &s);
         return tvp == 5 && s == -1;
       }},
      {"pc_Calc_API_5B1_1, null RVP: nothing happens",
       [] { char r[QIRA_RVP_REPORT_CAPACITY]; pc_Calc_API_5B1_1(5, nullptr, 3, 559.67, r, "x"); return true; }},
      {"pc_fitvisc, null viscosities: 0, thetas unchanged",
       [] { Fit f; return f.fit(f.T, nullptr, &f.a) == 0 && f.thetasKept(); }},
      {"pc_fitvisc, null temperatures: 0, thetas unchanged",
       [] { Fit f; return f.fit(nullptr, f.v, &f.a) == 0 && f.thetasKept(); }},
      {"pc_fitvisc, null theta A: 0, theta B unchanged",
       [] { Fit f; return f.fit(f.T, f.v, nullptr) == 0 && f.thetasKept(); }},
  });
}

TEST(Contract, SolversRefuseNullAndSingularSystems) {
  expectClauses({
      {"EquationSolver, no unknowns: true, nothing written",
       [] { double x[1] = {9}; return EquationSolver(nullptr, nullptr, x, 0) && x[0] == 9; }},
      {"EquationSolver, count -1: true", [] { return EquationSolver(nullptr, nullptr, nullptr, -1); }},
      {"EquationSolver, null matrix: false, nothing written",
       [] { System s; return !EquationSolver(nullptr, s.b, s.x, 2) && s.x[0] == 9; }},
      {"EquationSolver, null vector: false", [] { System s; return !EquationSolver(s.A, nullptr, s.x, 2); }},
      {"EquationSolver, null result: false", [] { System s; return !EquationSolver(s.A, s.b, nullptr, 2); }},
      {"EquationSolver, null row: false, nothing written",
       [] { System s; return !EquationSolver(s.half, s.b, s.x, 2) && s.x[0] == 9; }},
      {"NRsolver::ComputeJacobian, null point: nothing written",
       [] {
         NRsolver::Instance()->InitNRsolver(2, 0, nullptr, nullptr);
         System s;
         s.r0[0] = 9;
         NRsolver::Instance()->ComputeJacobian(nullptr, s.half);
         return s.r0[0] == 9;
       }},
      {"NRsolver::ComputeJacobian, callbacks set, null row: nothing written",
       [] {
         NRsolver::Instance()->InitNRsolver(2, 0, nullptr, nullptr);
         Qira_SetCallbacks(reinterpret_cast<void*>(&ignorePoint), reinterpret_cast<void*>(&zeroResiduals));
         System s;
         s.r0[0] = 9;
         NRsolver::Instance()->ComputeJacobian(s.x, s.half);
         Qira_SetCallbacks(nullptr, nullptr);
         return s.r0[0] == 9;
       }},
      {"NRsolver::ComputeRHS, null residuals: nothing happens",
       [] { System s; NRsolver::Instance()->ComputeRHS(s.x, nullptr); return true; }},
      {"Qira_ComputeNewDelta, a singular matrix: delta left as it was",
       [] {
         NRsolver::Instance()->InitNRsolver(1, 0, nullptr, nullptr);
         double z[1] = {0}, r[1] = {3}, d[1] = {42};
         double* Z[1] = {z};
         Qira_ComputeNewDelta(Z, r, d);
         return d[0] == 42;
       }},
      {"SolveCubicEq, null roots: 0", [] { const double c[3] = {1, 1, 1}; return SolveCubicEq(nullptr, c) == 0; }},
      {"SolveCubicEq, null coefficients: 0", [] { double r[3]; return SolveCubicEq(r, nullptr) == 0; }},
      {"SolveCubicEq, NaN coefficient: 3, NaN roots",
       [] {
         double r[3] = {1, 1, 1};
         const double c[3] = {kNaN, 1, 1};
         return SolveCubicEq(r, c) == 3 && std::isnan(r[0]) && std::isnan(r[1]) && std::isnan(r[2]);
       }},
  });
}

// Every one of the 46 handle functions, given a handle no handler bears, returns its
// fixed result and writes nothing into the arrays passed.
TEST(Contract, UnregisteredViscosityHandles) {
  const int deleted = CreateViscHandler();
  SetNumbComp(deleted, 3);
  DeleteViscHandler(deleted);
  for (int h : {987654, 0, -1, deleted}) {
    SCOPED_TRACE(h);
    V sentinel(4, 123.0), bps(4, 123.0);
    double* rows[1] = {sentinel.data()};
    const double x[2] = {0.5, 0.5};
    DeleteViscHandler(h);
    for (bool b : {CharacterizeViscosity(h), IsKinVisc(h), InitializeMyCurves(h, 2), SetOneCurve(h, 0, 2, 50.0, x, x),
                   SetMyBulkValues(h, 2, x, x)})
      EXPECT_FALSE(b);
    for (const double* p : {GetBulkTemp(h), GetBulkValues(h), GetCalcBulkValues(h), GetHypoTempCrvs(h)})
      EXPECT_EQ(p, nullptr);
    for (double v : {GetCpvVisc38(h, 0), GetCpvVisc50(h, 0), GetCpvVisc60(h, 0), GetCpvVisc100(h, 0),
                     GetThetaA(h, 0), GetThetaB(h, 0), LiquidViscosity(h, 40.0, 101.325, x),
                     LiquidKinematicViscosity(h, 40.0, 101.325, x), LiquidMassDensity(h, 40.0, 101.325, x),
                     LiquidMolarDensity(h, 40.0, 101.325, x), MolecularWeight(h, x)})
      EXPECT_EQ(v, -1.0);
    for (int v : {GetNHypoCurves(h), GetNumbBulkPts(h), GetNumbComp(h), GetNumbHypoComp(h), IsHypo(h, 0),
                  GetHypoViscCrvsAndBP(h, rows, bps.data()), SetNumbComp(h, 3), SetNumbHypoComp(h, 1),
                  SetNcurves(h, 1), SetDCompBPs(h, 0, 400.0), SetIsHypo(h, 0, 1), SetVsdata(h, 0, 0.5f),
                  SetTypeHc(h, 0, true), SetTc(h, 0, 600.0f), SetPc(h, 0, 2000.0f), SetVc(h, 0, 0.5f),
                  SetOmega(h, 0, 0.3f), SetMw(h, 0, 120.0f), SetBoil(h, 0, 400.0f), SetLiqDen(h, 0, 750.0f),
                  SetWsrk(h, 0, 0.3f), SetVchar(h, 0, 0.5f), SetThetaA(h, 0, 0.1f), SetThetaB(h, 0, 0.1f)})
      EXPECT_EQ(v, -1);
    EXPECT_EQ(sentinel, V(4, 123.0));
    EXPECT_EQ(bps, V(4, 123.0));
  }
}

TEST(Contract, ViscosityIndicesAndArraysAHostGetsWrong) {
  const int h = CreateViscHandler();
  SetNumbComp(h, 2);
  for (int i : {2, 1000, -1, INT_MAX, INT_MIN}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetCpvVisc100(h, i), kMiss);
    EXPECT_EQ(GetThetaB(h, i), kMiss);
    EXPECT_EQ(IsHypo(h, i), -32767);
    EXPECT_EQ(SetMw(h, i, 100.0f), 1) << "nothing stored, still 1";
    EXPECT_EQ(SetIsHypo(h, i, 1), 1);
    EXPECT_EQ(SetVsdata(h, i, 0.5f), 1);
  }
  EXPECT_EQ(SetNumbComp(h, -4), 1);
  EXPECT_EQ(GetNumbComp(h), 2) << "a count below zero stores nothing";
  EXPECT_EQ(SetNumbHypoComp(h, -1), 1);
  EXPECT_EQ(GetNumbHypoComp(h), 0);
  const double v[2] = {1.0, 2.0};
  EXPECT_TRUE(InitializeMyCurves(h, -3));
  EXPECT_TRUE(SetOneCurve(h, 0, 2, 50.0, v, v)) << "no curve slots yet";
  EXPECT_TRUE(InitializeMyCurves(h, 1));
  EXPECT_TRUE(SetOneCurve(h, 1, 2, 50.0, v, v)) << "a slot beyond the one made";
  EXPECT_TRUE(SetOneCurve(h, 0, 2, 50.0, nullptr, v)) << "null boiling points";
  EXPECT_TRUE(SetOneCurve(h, 0, 0, 50.0, v, v)) << "no points";
  EXPECT_FALSE(SetMyBulkValues(h, 2, nullptr, v)) << "null temperatures";
  EXPECT_FALSE(SetMyBulkValues(h, -2, v, v)) << "count below zero";
  EXPECT_EQ(GetNumbBulkPts(h), 0);
  EXPECT_EQ(LiquidViscosity(h, 40.0, 101.325, nullptr), kMiss);
  EXPECT_EQ(LiquidMassDensity(h, kNaN, 101.325, v), kMiss);
  EXPECT_EQ(LiquidMolarDensity(h, 40.0, INFINITY, v), kMiss);
  EXPECT_EQ(MolecularWeight(h, nullptr), kMiss);
  double* rows[2] = {nullptr, nullptr};
  double bps[2] = {7.0, 7.0};
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, nullptr, bps), 1) << "null curves";
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, rows, bps), 1) << "null first curve";
  EXPECT_EQ(bps[0], 7.0);
  DeleteViscHandler(h);
  // The class: no components, unlinked records, null arrays.
  ViscHandler c;
  double one[1] = {1.0}, t[2] = {311.15, 373.15}, visc[2] = {10, 3};
  EXPECT_EQ(c.LiquidMolarDensity(40.0, 101.325, one), 0.0);
  EXPECT_EQ(c.LiquidViscosity(40.0, 101.325, one), kMiss);
  EXPECT_EQ(c.MolecularWeight(nullptr), kMiss);
  EXPECT_EQ(c.GetViscAtTemp(nullptr, t, 340.0, 2), kMiss);
  EXPECT_EQ(c.GetViscAtTemp(visc, t, kMiss, 2), kMiss);
  EXPECT_EQ(c.GetViscAtTemp(visc, t, 340.0, 0), kMiss);
  EXPECT_FALSE(c.InitHypoCurves());
  EXPECT_FALSE(c.GenerateThetas(nullptr));
  EXPECT_FALSE(c.GenerateStandardViscCurvesFromTheta());
  ViscHandler unlinked;
  unlinked.SetNumbComp(2);
  EXPECT_EQ(unlinked.viscrude(2, 300.0, 101.325, unlinked.m_VsData.data(), 5.0), kMiss);
  EXPECT_EQ(unlinked.viscrude(2, 300.0, 101.325, nullptr, 5.0), kMiss);
}
