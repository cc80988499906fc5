// Bad input per family (nulls, counts below one, NaN, bad indices): no crash, the documented result.
#include <climits>

#include "QIRAPropCalculator.h"
#include "ViscHandler.h"
#include "support/tables.h"

using namespace qira_test;

namespace {

struct Clause { const char* call; bool (*holds)(); };  // call: function, bad argument, documented result
void expectClauses(const std::vector<Clause>& clauses) { for (const Clause& c : clauses) EXPECT_TRUE(c.holds()) << c.call; }

V out9() { return V(9, 7.0); }
const V kGoodD86 = kelvinOf({100, 130, 150, 200, 250, 300, 370, 400, 430});
V withNaN(V v, size_t at) { return v[at] = kNaN, v; }

}  // namespace

TEST(Contract, Conversions) {
  expectClauses({{"API3A11_D86toTBP, null output: false", [] { return !API3A11_D86toTBP(nullptr, kGoodD86.data()); }},
                 {"API3A11_D86toTBP, null curve: false, nothing written", [] { V o = out9(); return !API3A11_D86toTBP(o.data(), nullptr) && o == out9(); }},
                 {"API3A11_TBPtoD86, null curve: false", [] { V o = out9(); return !API3A11_TBPtoD86(nullptr, o.data()) && o == out9(); }},
                 {"API3A11_D86toTBPOption, null curve: false", [] { V o = out9(); return !API3A11_D86toTBPOption(o.data(), nullptr); }},
                 {"API3A11_TBPtoD86Option, null curve: false", [] { V o = out9(); return !API3A11_TBPtoD86Option(nullptr, o.data()); }},
                 {"API3A31_D2887toTBP, null curve: false", [] { V o = out9(); return !API3A31_D2887toTBP(o.data(), nullptr); }},
                 {"API3A31_TBPtoD2887, null curve: false", [] { V o = out9(); return !API3A31_TBPtoD2887(nullptr, o.data()); }},
                 {"API6_TBPtoD86, null curve: false", [] { V o = out9(); return !API6_TBPtoD86(nullptr, o.data()); }},
                 {"API3A11_D86toTBP, NaN among the checked points: false, nothing written", [] { V o = out9(), c = withNaN(kGoodD86, 4); return !API3A11_D86toTBP(o.data(), c.data()) && o == out9(); }},
                 {"API3A11_TBPtoD86, NaN: false", [] { V o = out9(), c = withNaN(kGoodD86, 4); return !API3A11_TBPtoD86(c.data(), o.data()); }},
                 {"API3A31_D2887toTBP, NaN: false", [] { V o = out9(), c = withNaN(kGoodD86, 4); return !API3A31_D2887toTBP(o.data(), c.data()); }},
                 {"API6_TBPtoD86, NaN: false", [] { V o = out9(), c = withNaN(kGoodD86, 4); return !API6_TBPtoD86(c.data(), o.data()); }},
                 {"API3A31_TBPtoD2887, NaN: true, carried outward from the 50 % point", [] { V o = out9(), c = withNaN(kGoodD86, 4); return API3A31_TBPtoD2887(c.data(), o.data()) && std::isnan(o[4]); }},
                 {"SingleTBPtoD86, null curve: the missing value", [] { return SingleTBPtoD86(nullptr, kGoodD86.data(), 300, 0.2) == kMiss; }},
                 {"SingleTBPtoD86Option, null curve: the missing value", [] { return SingleTBPtoD86Option(kGoodD86.data(), nullptr, 300, 0.2) == kMiss; }},
                 {"SingleTBPtoD86, NaN temperature: NaN", [] { return std::isnan(SingleTBPtoD86(kGoodD86.data(), kGoodD86.data(), kNaN, 0.2)); }},
                 {"Blend_TBPtoD1160, null curve: false", [] { V o(4); return !Blend_TBPtoD1160(nullptr, o.data()); }},
                 {"CheckIBPFBP, count 0, -3 or null: nothing written", [] { V y{0.0, 2.0}; CheckIBPFBP(y.data(), 0); CheckIBPFBP(y.data(), -3); CheckIBPFBP(nullptr, 2); return y == V{0.0, 2.0}; }},
                 {"the yield grids, null: nothing happens", [] { D86ValidYields(nullptr); D86ValidYieldsOption(nullptr); D2887ValidYields(nullptr); D1160ValidYields(nullptr); TBPValidYields(nullptr); return true; }},
                 {"D1160BaseSize, null yields or count below 1: the four grid points", [] { V y{0.7}; return D1160BaseSize(4, nullptr) == 4 && D1160BaseSize(0, y.data()) == 4 && D1160BaseSize(-1, y.data()) == 4; }}});
}

TEST(Contract, BlendsAndCutting) {
  expectClauses({{"Blend_TBP, no material: false, every output missing", [] { V x{0, 0}, b{400, 440}, t(3, 1.0), y{0.1, 0.5, 0.9}; return !Blend_TBP(x.data(), b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss) && t == V(3, kMiss); }},
                 {"Blend_TBP, NaN fraction: false, outputs missing", [] { V x{0.5, kNaN}, b{400, 440}, t(3, 1.0), y{0.1, 0.5, 0.9}; return !Blend_TBP(x.data(), b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss) && t == V(3, kMiss); }},
                 {"Blend_TBP, null fractions: false, outputs missing", [] { V b{400, 440}, t(3, 1.0), y{0.1, 0.5, 0.9}; return !Blend_TBP(nullptr, b.data(), 2, t.data(), y.data(), 3, true, kMiss, kMiss) && t == V(3, kMiss); }},
                 {"Blend_TBP, null output or no yields: false",
                   [] { V x{0.5, 0.5}, b{400, 440}, t(3), y{0.5}; return !Blend_TBP(x.data(), b.data(), 2, nullptr, y.data(), 1, true, kMiss, kMiss) && !Blend_TBP(x.data(), b.data(), 2, t.data(), y.data(), 0, true, kMiss, kMiss); }},
                 {"Blend_D86 and Blend_D86Option, TBP 50 % below 0 F: false, outputs missing",
                   [] { V x{0.5, 0.5}, b{200, 240}, y{0.1, 0.5}, d(2, 1.0), e(2, 1.0);
                   return !Blend_D86(x.data(), b.data(), 2, d.data(), y.data(), 2, true) && !Blend_D86Option(x.data(), b.data(), 2, e.data(), y.data(), 2, false) && d == V(2, kMiss) && e == V(2, kMiss); }},
                 {"Blend_D2887fromTBP, unknown fraction basis 3: false, nothing written",
                   [] { V x(2, 0.5), b{400, 480}, M(2, 120), r(2, 800), y{0.1, 0.9}, o(2, 1.0); return !Blend_D2887fromTBP(x.data(), b.data(), 2, o.data(), y.data(), 2, M.data(), r.data(), 3, 1, true) && o == V(2, 1.0); }},
                 {"Blend_ModifiedD2887, unknown fraction basis 3: false, outputs missing",
                   [] { V x(2, 0.5), b{400, 480}, M(2, 120), r(2, 800), y{0.1, 0.9}, o(2, 1.0); return !Blend_ModifiedD2887(x.data(), b.data(), 2, o.data(), y.data(), 2, M.data(), r.data(), 3, 1, true) && o == V(2, kMiss); }},
                 {"Blend_ModifiedD2887, curve basis 2: false without reading the components", [] { V y{0.1, 0.9}, o(2, 1.0); return !Blend_ModifiedD2887(nullptr, nullptr, 0, o.data(), y.data(), 2, nullptr, nullptr, 0, 2, true) && o == V(2, kMiss); }},
                 {"Blend_D2887fromTBP, zero densities: false, outputs missing",
                   [] { V x(2, 0.5), b{400, 480}, M(2, 120), r(2, 0.0), y{0.1, 0.9}, o(2, 1.0); return !Blend_D2887fromTBP(x.data(), b.data(), 2, o.data(), y.data(), 2, M.data(), r.data(), 0, 1, true) && o == V(2, kMiss); }},
                 {"Blend_ModifiedD2887, mass to volume without densities: false",
                   [] { V x(2, 0.5), b{400, 480}, M(2, 120), y{0.1, 0.9}, o(2, 1.0); return !Blend_ModifiedD2887(x.data(), b.data(), 2, o.data(), y.data(), 2, M.data(), nullptr, 1, 1, true) && o == V(2, kMiss); }},
                 {"Blend_GetCompFromTBP, one point, equal temperatures, no cuts, null, NaN: false, nothing written",
                   [] { const double t[] = {400, 400 + 1e-11}, f[] = {0.2, 0.8}, cuts[] = {400, 500}, nanCut[] = {400, kNaN}; double o[2] = {-1, -1};
                   return !Blend_GetCompFromTBP(t, f, 1, cuts, o, 2) && !Blend_GetCompFromTBP(t, f, 2, cuts, o, 2) && !Blend_GetCompFromTBP(t, f, 2, cuts, o, 0) &&
                   !Blend_GetCompFromTBP(t, nullptr, 2, cuts, o, 2) && !Blend_GetCompFromTBP(t, f, 2, nanCut, o, 2) && o[0] == -1 && o[1] == -1; }},
                 {"Blend_SortNBP, nothing to sort: true; null indices: false", [] { double v[] = {450}; return Blend_SortNBP(nullptr, nullptr, 0) && !Blend_SortNBP(v, nullptr, 1); }},
                 {"Blend_GetTBPFromYield, NaN request, no knots, no requests, null: false, nothing written",
                   [] { const double t[] = {420, 430, 440, 450}, f[] = {0.1, 0.4, 0.6, 0.9}, q[] = {0.2, 0.8}, nq[] = {0.2, kNaN}; double o[2] = {-1, -1};
                   return !Blend_GetTBPFromYield(t, f, 4, o, nq, 2) && !Blend_GetTBPFromYield(t, f, 0, o, q, 2) && !Blend_GetTBPFromYield(t, f, 4, o, q, 0) &&
                   !Blend_GetTBPFromYield(nullptr, f, 4, o, q, 2) && o[0] == -1; }},
                 {"Blend_GetTBPFromYield, two knots before the end of the scale: false", [] { const double t[] = {420, 430, 440}, f[] = {0.3, 1.0, 1.0}, q[] = {0.2}; double o[1]; return !Blend_GetTBPFromYield(t, f, 3, o, q, 1); }},
                 {"pc_LineFit1, no points or null output: nothing written", [] { const double x[] = {0, 1, 2}; double k = -1; pc_LineFit1(0, x, x, &k, &k, &k); pc_LineFit1(3, x, x, &k, nullptr, &k); return k == -1; }},
                 {"Blend_NormDistY, null: nothing happens", [] { Blend_NormDistY(nullptr); return true; }}});
}

TEST(Contract, LaboratoryCurvesAndCurveFitting) {
  expectClauses({{"CorrectExtrapolation, null, count below 1, indices out of range: nothing changes",
                   [] { V c{-10, 0, 10, 99}; CorrectExtrapolation(nullptr, 0, 1, 2, 0, 1); CorrectExtrapolation(c.data(), 1, 2, 0, 0, 30);
                   CorrectExtrapolation(c.data(), -1, 2, 4, 0, 30); CorrectExtrapolation(c.data(), 1, 4, 4, 0, 30);
                   Blend_CorrectUserCurveOverExtrapolation(c.data(), 5, 2, 4, 0, 30); Blend_CorrectUserCurveOverExtrapolation(nullptr, 0, 1, 2, 0, 1); return c == V{-10, 0, 10, 99}; }},
                 {"Blend_CBP, no components: true", [] { double x = 1, b = 455, o = 0; return Blend_CBP(&x, &b, 0, &o, 0, kMiss); }},
                 {"Blend_CBP, NaN fraction: false, outputs missing", [] { V x{0.5, kNaN}, b{400, 440}, o(2, 1.0); return !Blend_CBP(x.data(), b.data(), 2, o.data(), 0, kMiss) && o == V(2, kMiss); }},
                 {"Blend_CBP, null fractions: false", [] { V b{400, 440}, o(2); return !Blend_CBP(nullptr, b.data(), 2, o.data(), 0, kMiss); }},
                 {"BlendD86toTBP, two points for nine fractions: the TBP entries missing", [] { V f{0.1, 0.9}, t{400, 500}, o(9, 1.0), a(9); return BlendD86toTBP(2, f.data(), t.data(), o.data(), a.data()) == 9 && o == V(9, kMiss); }},
                 {"BlendD2887toTBP, null fractions: 0", [] { V t{400, 450, 500}, o(8), a(8); return BlendD2887toTBP(3, nullptr, t.data(), o.data(), a.data()) == 0; }},
                 {"the cutting drivers, unreadable curves, null cuts or no points: the output left alone",
                   [] { V f{0.1, 0.9}, t{400, 500}, cuts{420, 480}, o(2, 7.0), f3{0.1, 0.5, 0.9}, nanT{400, kNaN, 500};
                   Blend_GetD86Comp(2, f.data(), t.data(), cuts.data(), o.data(), 2); Blend_GetD1160Comp(2, f.data(), t.data(), cuts.data(), o.data(), 2);
                   Blend_GetD86CompOption(3, f3.data(), nanT.data(), cuts.data(), o.data(), 2); Blend_GetD2887Comp(3, f3.data(), t.data(), nullptr, o.data(), 2);
                   Blend_GetD86Comp(0, f.data(), t.data(), cuts.data(), o.data(), 2); return o == V(2, 7.0); }},
                 {"Blend_NBPTempBound, fractions adding to 0.9: false, nothing written",
                   [] { V b{500, 400, 600}, x{0.5, 0.2, 0.2}, s(3, 7.0); double tot = -1; return !Blend_NBPTempBound(kMiss, kMiss, b.data(), x.data(), 3, s.data(), &tot) && tot == -1 && s == V(3, 7.0); }},
                 {"Blend_NBPTempBound, one component: true, all of it above the cut at its NBP", [] { double b = 450, x = 1, s = 0, tot = -1; return Blend_NBPTempBound(kMiss, kMiss, &b, &x, 1, &s, &tot) && tot == 0 && s == 1; }},
                 {"Blend_NBPTempBound, NaN bound or null total: false",
                   [] { V b{500, 400, 600}, x{0.5, 0.2, 0.3}, s(3); double tot; return !Blend_NBPTempBound(kNaN, kMiss, b.data(), x.data(), 3, s.data(), &tot) && !Blend_NBPTempBound(kMiss, kMiss, b.data(), x.data(), 3, s.data(), nullptr); }},
                 {"Simple_spline, fewer than three knots or null: false, nothing written",
                   [] { const double x[] = {1, 2, 3}, q[] = {1.5}; double o[1] = {-1}; return !Simple_spline(2, x, x, 1, q, o) && !Simple_spline(3, nullptr, x, 1, q, o) && !Simple_spline(3, x, x, 1, nullptr, o) && o[0] == -1; }},
                 {"Simple_spline and Blend_spline, no queries: true", [] { const double x[] = {1, 2, 3}; return Simple_spline(3, x, x, 0, nullptr, nullptr) && Blend_spline(3, x, x, 0, nullptr, nullptr); }},
                 {"Simple_spline, NaN query: false, the earlier result kept, the later untouched",
                   [] { const double x[] = {1, 2, 3}, y[] = {10, 20, 30}, q[] = {1.5, kNaN, 2.5}; double o[3] = {-1, -1, -1}; return !Simple_spline(3, x, y, 3, q, o) && std::fabs(o[0] - 15) < 1e-12 && o[2] == -1; }},
                 {"Simple_spline, NaN abscissa: false", [] { const double x[] = {1, kNaN, 3}, q[] = {2}; double o[1]; return !Simple_spline(3, x, x, 1, q, o); }},
                 {"Blend_spline, fewer than three knots, null, NaN query: false",
                   [] { const double x[] = {1, 2, 3}, q[] = {1.5, kNaN}; double o[2]; return !Blend_spline(2, x, x, 2, q, o) && !Blend_spline(3, nullptr, x, 2, q, o) && !Blend_spline(3, x, x, 2, q, nullptr) && !Blend_spline(3, x, x, 2, q, o); }},
                 {"Blend_spline, left repair with every knot on one abscissa: false", [] { const double x[] = {1, 1, 1}, y[] = {0, 5, 6}, q[] = {-3, -2}; double o[2]; return !Blend_spline(3, x, y, 2, q, o); }},
                 {"Blend_Linear, one knot, NaN query, null: false, nothing written",
                   [] { const double x[] = {1, 2, 4}, q[] = {1.5}, nq[] = {kNaN}; double o[1] = {-1}; return !Blend_Linear(1, x, x, 1, q, o) && !Blend_Linear(3, x, x, 1, nq, o) && !Blend_Linear(3, x, nullptr, 1, q, o) && o[0] == -1 && Blend_Linear(3, x, x, 0, nullptr, nullptr); }},
                 {"Blend_lstsqr, null output: false", [] { const double x[] = {0, 1, 2}; return !Blend_lstsqr(x, x, 1, nullptr); }}});
}

TEST(Contract, CharacterizationPropertiesAndSolvers) {
  expectClauses({{"Blend_Whitson, no components or null arrays: false",
                   [] { double f = 0, m = 0, d = 0, b = 400, mw = 200, sg = 0.82, kw = 12;
                   return !Blend_Whitson(0, &f, &m, &d, &b, &mw, &sg, &kw, 0) && !Blend_Whitson(1, nullptr, &m, &d, &b, &mw, &sg, &kw, 0) && !Blend_Whitson(1, &f, &m, &d, &b, &mw, nullptr, &kw, 0); }},
                 {"Blend_whitson_convg, null point: nothing happens", [] { double lo = 0, hi = 1, xp = 0, fp = 0; Blend_whitson_convg(nullptr, 1, 0, &lo, &hi, &xp, &fp, 0.5); return true; }},
                 {"index mixes, no components or null arrays: the missing value",
                   [] { using Mix = double (*)(const double*, const double*, int);
                   const Mix mixes[] = {CloudPointMix1, CloudPointMix2, FlashPointMix1, PourPointMix1, PourPointMix2, RVPMix1, Blend_SmokePointMix1, Blend_FreezePoint};
                   const double f[] = {1.0}, v[] = {300.0}; bool ok = true;
                   for (Mix m : mixes) ok = ok && m(f, v, 0) == kMiss && m(f, v, -3) == kMiss && m(nullptr, v, 1) == kMiss && m(f, nullptr, 1) == kMiss && m(f, v, 1) != kMiss;
                   return ok; }},
                 {"PourPointIndex1, 1e-30 or NaN: the missing value", [] { return PourPointIndex1(1e-30) == kMiss && PourPointIndex1(kNaN) == kMiss; }},
                 {"Blend_ViscosityIndex1 and 2, below their domain: the missing value", [] { return Blend_ViscosityIndex1(-0.5) == kMiss && Blend_ViscosityIndex2(-0.79999) == kMiss; }},
                 {"Blend_EstimateCloudPt, at or below absolute zero, NaN: false, the missing value",
                   [] { double a = 0, b = 0, c = 0; return !Blend_EstimateCloudPt(-273.15, 0.85, &a) && !Blend_EstimateCloudPt(-300, 0.85, &b) && !Blend_EstimateCloudPt(kNaN, 0.85, &c) && a == kMiss && b == kMiss && c == kMiss; }},
                 {"the estimates with a null output: false",
                   [] { double v; return !Blend_EstimateCloudPt(300, 0.85, nullptr) && !Blend_EstatimateBulkSulphurByRiazi(1, 150, 850, nullptr) && !Blend_EstimateNaphthenicByNDM(0, 250, 860, 0.5, 300, &v, nullptr) &&
                   !Blend_EstimatePNAbyRiaziRoomi(3, 850, &v, nullptr, &v) && !Blend_estimateCtoHRatio(600, 0.88, nullptr) && !Blend_estimatePourPointRiazi(10, 0.88, 350, nullptr) &&
                   !Blend_APIVisc(11.8, 30, nullptr, &v) && !Blend_TwuVisc(850, 600, &v, nullptr); }},
                 {"Blend_EstimateC5asphaltenes, NaN: the missing value; Blend_EstimateCCR below 0: 0", [] { return Blend_EstimateC5asphaltenes(kNaN) == kMiss && Blend_EstimateCCR(-1) == 0.0; }},
                 {"Blend_CetaneIndexD4737 and D976_3, NaN temperature: the missing value", [] { return Blend_CetaneIndexD4737(0.85, kNaN, 500, 550) == kMiss && Blend_CetaneIndexD976_3(50, kNaN) == kMiss; }},
                 {"Healy_RONMON, no components: true and 0; null arrays or outputs: false, nothing written",
                   [] { double r = -1, m = -1; const double v[] = {90}; bool ok = Healy_RONMON(nullptr, 0, nullptr, nullptr, nullptr, nullptr, &r, &m) && r == 0 && m == 0;
                   r = m = 7; return ok && !Healy_RONMON(v, 1, v, nullptr, v, v, &r, &m) && !Healy_RONMON(v, 1, v, v, v, v, nullptr, &m) && r == 7 && m == 7; }},
                 {"estimate_octane, contents missing, zero, cancelling or NaN, null: the missing value, contents unchanged",
                   [] { const double t[] = {60, 80, 100, 120, 150}; double a = kMiss, b = 4, c = 2, z1 = 0, z2 = 0, z3 = 0, p = 5, q = -5, r = 0;
                   return estimate_octane(t, &a, &b, &c) == kMiss && b == 4 && estimate_octane(t, &z1, &z2, &z3) == kMiss && estimate_octane(t, &p, &q, &r) == kMiss && p == 5 &&
                   estimate_octane(nullptr, &p, &q, &r) == kMiss && estimate_octane(t, &p, nullptr, &r) == kMiss; }},
                 {"pc_costald, NaN or null: nothing written", [] { double a = 7, b = 8; pc_costald(kNaN, &a, &b); pc_costald(0.5, nullptr, &b); pc_costald(0.5, &a, nullptr); return a == 7 && b == 8; }},
                 {"pc_xden2, nothing above 1e-5, no components, null, NaN, negative V*: 0",
                   [] { double x[2] = {1, 0}, tiny[2] = {9e-6, 9e-6}, tc[2] = {540.2, 617.7}, pc[2] = {2740, 2110}, vs[2] = {0.4304, 0.6192}, bad[2] = {-0.4, 0.6}, w[2] = {0.35, 0.49};
                   return pc_xden2(2, 350, 2e4, tiny, tc, pc, vs, w) == 0 && pc_xden2(0, 350, 2e4, x, tc, pc, vs, w) == 0 && pc_xden2(2, 350, 2e4, x, nullptr, pc, vs, w) == 0 &&
                   pc_xden2(2, kNaN, 2e4, x, tc, pc, vs, w) == 0 && pc_xden2(2, 350, 2e4, x, tc, pc, bad, w) == 0; }},
                 {"pc_Calc_API_5B1_1TVP, temperature 0 or RVP missing: TVP 0, flag and derivative untouched; null TVP: nothing",
                   [] { double tvp = 5, s = -1; bool failed = false; pc_Calc_API_5B1_1TVP(0, 10, 3, &tvp, &failed, &s); bool ok = tvp == 0;
                   pc_Calc_API_5B1_1TVP(559.67, kMiss, 3, &tvp, &failed, &s); pc_Calc_API_5B1_1TVP(559.67, 10, 3, nullptr, &failed, &s);
                   pc_Calc_API_5B1_1TVP(559.67, 10, 3, &tvp, nullptr, &s); return ok && tvp == 0 && !failed && s == -1; }},
                 {"pc_Calc_API_5B1_1, null RVP: nothing happens", [] { char r[QIRA_RVP_REPORT_CAPACITY]; pc_Calc_API_5B1_1(5, nullptr, 3, 559.67, r, "x"); return true; }},
                 {"pc_fitvisc, null temperatures, viscosities or thetas: 0, thetas unchanged",
                   [] { float a = 0.25f, b = -0.5f; double T[2] = {311.15, 373.15}, v[2] = {2.0, 0.8};
                   return pc_fitvisc(1, 0, 101.325, 100, 600, 2000, 0.5, 2, T, nullptr, 0.5, 0.4, &a, &b, 0.4) == 0 && pc_fitvisc(1, 0, 101.325, 100, 600, 2000, 0.5, 2, nullptr, v, 0.5, 0.4, &a, &b, 0.4) == 0 &&
                   pc_fitvisc(1, 0, 101.325, 100, 600, 2000, 0.5, 2, T, v, 0.5, 0.4, nullptr, &b, 0.4) == 0 && a == 0.25f && b == -0.5f; }},
                 {"EquationSolver, no unknowns: true, nothing written", [] { double x[1] = {9}; return EquationSolver(nullptr, nullptr, x, 0) && EquationSolver(nullptr, nullptr, nullptr, -1) && x[0] == 9; }},
                 {"EquationSolver, null matrix, vector, result or row: false",
                   [] { double r0[2] = {1, 0}, r1[2] = {0, 1}, b[2] = {1, 1}, x[2] = {9, 9}; double* A[2] = {r0, r1}; double* half[2] = {r0, nullptr};
                   return !EquationSolver(nullptr, b, x, 2) && !EquationSolver(A, nullptr, x, 2) && !EquationSolver(A, b, nullptr, 2) && !EquationSolver(half, b, x, 2) && x[0] == 9; }},
                 {"NRsolver::ComputeJacobian and ComputeRHS, null arrays or rows: nothing called or written",
                   [] { NRsolver::Instance()->InitNRsolver(2, 0, nullptr, nullptr); double r0[2] = {9, 9}, x[2] = {1, 1}; double* rows[2] = {r0, nullptr};
                   NRsolver::Instance()->ComputeJacobian(nullptr, rows); NRsolver::Instance()->ComputeJacobian(x, rows); NRsolver::Instance()->ComputeRHS(x, nullptr); return r0[0] == 9; }},
                 {"Qira_ComputeNewDelta, more than ten unknowns or a singular matrix: delta left as it was",
                   [] { NRsolver::Instance()->InitNRsolver(1, 0, nullptr, nullptr); double z[1] = {0}, r[1] = {3}, d[1] = {42}; double* Z[1] = {z};
                   Qira_ComputeNewDelta(Z, r, d); return d[0] == 42; }},
                 {"SolveCubicEq, null roots or coefficients: 0", [] { double r[3]; const double c[3] = {1, 1, 1}; return SolveCubicEq(nullptr, c) == 0 && SolveCubicEq(r, nullptr) == 0; }},
                 {"SolveCubicEq, NaN coefficient: NaN roots", [] { double r[3] = {1, 1, 1}; const double c[3] = {kNaN, 1, 1}; return SolveCubicEq(r, c) == 3 && std::isnan(r[0]) && std::isnan(r[1]) && std::isnan(r[2]); }}});
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
    EXPECT_FALSE(CharacterizeViscosity(h) || IsKinVisc(h) || InitializeMyCurves(h, 2) ||
                 SetOneCurve(h, 0, 2, 50.0, x, x) || SetMyBulkValues(h, 2, x, x));
    EXPECT_TRUE(!GetBulkTemp(h) && !GetBulkValues(h) && !GetCalcBulkValues(h) && !GetHypoTempCrvs(h));
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
    EXPECT_EQ(GetCpvVisc100(h, i), kMiss);
    EXPECT_EQ(GetThetaB(h, i), kMiss);
    EXPECT_EQ(IsHypo(h, i), -32767);
    EXPECT_EQ(SetMw(h, i, 100.0f) + SetIsHypo(h, i, 1) + SetVsdata(h, i, 0.5f), 3) << "nothing stored, still 1";
  }
  EXPECT_EQ(SetNumbComp(h, -4), 1);
  EXPECT_EQ(GetNumbComp(h), 2) << "a count below zero stores nothing";
  EXPECT_EQ(SetNumbHypoComp(h, -1), 1);
  EXPECT_EQ(GetNumbHypoComp(h), 0);
  const double v[2] = {1.0, 2.0};
  EXPECT_TRUE(InitializeMyCurves(h, -3));
  EXPECT_TRUE(SetOneCurve(h, 0, 2, 50.0, v, v)) << "no curve slots yet";
  EXPECT_TRUE(InitializeMyCurves(h, 1));
  EXPECT_TRUE(SetOneCurve(h, 1, 2, 50.0, v, v) && SetOneCurve(h, 0, 2, 50.0, nullptr, v) && SetOneCurve(h, 0, 0, 50.0, v, v));
  EXPECT_FALSE(SetMyBulkValues(h, 2, nullptr, v) || SetMyBulkValues(h, -2, v, v));
  EXPECT_EQ(GetNumbBulkPts(h), 0);
  for (double r : {LiquidViscosity(h, 40.0, 101.325, nullptr), LiquidMassDensity(h, kNaN, 101.325, v),
                   LiquidMolarDensity(h, 40.0, INFINITY, v), MolecularWeight(h, nullptr)})
    EXPECT_EQ(r, kMiss);
  double* rows[2] = {nullptr, nullptr};
  double bps[2] = {7.0, 7.0};
  EXPECT_EQ(GetHypoViscCrvsAndBP(h, nullptr, bps) + GetHypoViscCrvsAndBP(h, rows, bps), 2);
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
  EXPECT_FALSE(c.InitHypoCurves() || c.GenerateThetas(nullptr) || c.GenerateStandardViscCurvesFromTheta());
  ViscHandler unlinked;
  unlinked.SetNumbComp(2);
  EXPECT_EQ(unlinked.viscrude(2, 300.0, 101.325, unlinked.m_VsData.data(), 5.0), kMiss);
  EXPECT_EQ(unlinked.viscrude(2, 300.0, 101.325, nullptr, 5.0), kMiss);
}
