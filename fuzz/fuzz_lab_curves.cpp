// The laboratory drivers and ranges: the four readers, the four cutters, Blend_NBPTempBound,
// Blend_GetTBPCutsFromNBP, Blend_CBP and the two extrapolation corrections. Invariants:
// readers return their documented count (or 0) and write only that many entries, cut
// fractions that are written sum to 1 (or are all 0), range shares sum to 1 or are all 0
// with the total a fraction, yield cuts are a boiling curve or all missing, and failures
// write what the header says.
#include <cmath>

#include "QIRAGrids.h"
#include "QIRALabCurves.h"
#include "fuzz_common.h"

namespace {

struct LabCurve {
  Exact<double> f, t;
  bool sane;
};

LabCurve labCurve(FuzzInput& in, int n) {
  Curve f = ascending(in, n, 0.0, 1e-3, 1.0 / (n > 0 ? n : 1));
  Curve t = ascending(in, n, 280.0, 0.5, 90.0);
  return LabCurve{Exact<double>(f.v), Exact<double>(t.v), f.sane && t.sane};
}

void reader(FuzzInput& in) {
  const int kind = in.byte() % 4;
  const int n = count(in, 14);
  LabCurve c = labCurve(in, n > 0 ? n : 0);
  int expected = 0;
  switch (kind) {
    case 0: expected = 9; break;
    case 1: expected = D86BaseSizeOption(); break;
    case 2: expected = 8; break;
    default: expected = D1160BaseSize(n, c.f.get()); break;
  }
  Exact<double> tbp(expected, kUntouched), fo(expected, kUntouched);
  const double* f = maybeNull(in, c.f);
  const double* t = c.t.get();
  double* to = maybeNull(in, tbp);
  int r = 0;
  switch (kind) {
    case 0: r = BlendD86toTBP(n, f, t, to, fo.get()); break;
    case 1: r = BlendD86toTBPOption(n, f, t, to, fo.get()); break;
    case 2: r = BlendD2887toTBP(n, f, t, to, fo.get()); break;
    default: r = BlendD1160toTBP(n, f, t, to, fo.get()); break;
  }
  if (n < 1 || !f || !to) {
    FUZZ_CHECK(r == 0 && tbp.all(kUntouched) && fo.all(kUntouched));
    return;
  }
  FUZZ_CHECK(r == expected);
  for (int i = 0; i < expected; ++i) FUZZ_CHECK(fo[i] != kUntouched);
}

void cutter(FuzzInput& in) {
  const int kind = in.byte() % 4;
  const int n = count(in, 14), nc = count(in, 20);
  LabCurve c = labCurve(in, n > 0 ? n : 0);
  std::vector<double> cv(nc > 0 ? nc : 0);
  for (double& v : cv) v = in.number(250, 1200);
  Exact<double> cuts(cv), out(cuts.size(), kUntouched);
  double* f = maybeNull(in, c.f);
  const double* t = c.t.get();
  const double* k = maybeNull(in, cuts);
  switch (kind) {
    case 0: Blend_GetD86Comp(n, f, t, k, out.get(), nc); break;
    case 1: Blend_GetD86CompOption(n, f, t, k, out.get(), nc); break;
    case 2: Blend_GetD2887Comp(n, f, t, k, out.get(), nc); break;
    default: Blend_GetD1160Comp(n, f, t, k, out.get(), nc); break;
  }
  if (out.all(kUntouched)) return;
  FUZZ_CHECK(n >= 1 && nc >= 1 && f && k);
  double sum = 0;
  for (int i = 0; i < nc; ++i) {
    FUZZ_CHECK(out[i] != kUntouched && out[i] >= 0);
    sum += out[i];
  }
  FUZZ_CHECK(std::fabs(sum - 1) <= 1e-9 || out.all(0.0));
}

void nbpRange(FuzzInput& in) {
  const int n = count(in, 15);
  Curve fr = fractions(in, n > 0 ? n : 0);
  std::vector<double> nv(n > 0 ? n : 0);
  for (double& v : nv) v = in.number(250, 1100);
  Exact<double> nbp(nv), fractions(fr.v), per(nbp.size(), kUntouched), total(1, kUntouched);
  const uint8_t b = in.byte();
  const double upper = b & 1 ? -32767.0 : in.number(250, 1200);
  const double lower = b & 2 ? -32767.0 : in.number(200, 1100);
  double* perPtr = b & 4 ? nullptr : per.get();
  const bool ok = Blend_NBPTempBound(upper, lower, maybeNull(in, nbp), fractions.get(), n,
                                     perPtr, maybeNull(in, total));
  if (!ok) {
    FUZZ_CHECK(per.all(kUntouched) && total.all(kUntouched));
    return;
  }
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += fractions[i];
  FUZZ_CHECK(n >= 1 && std::fabs(sum - 1) <= 1e-10);
  FUZZ_CHECK(total[0] >= -1e-12 && total[0] <= 1 + 1e-9);
  if (!perPtr) return;
  dump("nbp", nbp.get(), n);
  dump("fractions", fractions.get(), n);
  dump("per", per.get(), n);
  dump("total", total.get(), 1);
  if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "upper %.17g lower %.17g\n", upper, lower);
  double shares = 0;
  for (int i = 0; i < n; ++i) {
    FUZZ_CHECK(per[i] != kUntouched);
    if (fr.sane) FUZZ_CHECK(per[i] >= 0);
    shares += per[i];
  }
  if (fr.sane) FUZZ_CHECK(std::fabs(shares - 1) <= 1e-9 || per.all(0.0));
}

void tbpCuts(FuzzInput& in) {
  const int n = count(in, 12), m = count(in, 15);
  Curve fr = fractions(in, n > 0 ? n : 0);
  std::vector<double> nv(n > 0 ? n : 0);
  for (double& v : nv) v = in.number(250, 1100);
  Curve y = ascending(in, m > 0 ? m : 0, 0.0, 0.0, 1.0 / (m > 0 ? m : 1));
  Exact<double> nbp(nv), fractions(fr.v), yields(y.v), tbp(yields.size(), kUntouched);
  double* out = maybeNull(in, tbp);
  double* ys = maybeNull(in, yields);
  const bool ok = Blend_GetTBPCutsFromNBP(out, ys, m, maybeNull(in, nbp), fractions.get(), n,
                                          in.flag());
  if (!out || !ys || m < 1) {
    FUZZ_CHECK(!ok && tbp.all(kUntouched));
    return;
  }
  FUZZ_CHECK(ok);
  for (int j = 0; j < m; ++j) FUZZ_CHECK(tbp[j] != kUntouched);
  // Cuts that are not all missing form a boiling curve at the (clamped) yields.
  if (!tbp.all(-32767.0)) FUZZ_CHECK(boilingCurve(tbp.get(), yields.get(), m));
}

void midCut(FuzzInput& in) {
  const int n = count(in, 15);
  Curve fr = fractions(in, n > 0 ? n : 0);
  std::vector<double> nv(n > 0 ? n : 0);
  for (double& v : nv) v = in.number(250, 1100);
  Exact<double> nbp(nv), fractions(fr.v), out(nbp.size(), kUntouched);
  const double upper = in.flag() ? -32767.0 : in.number(250, 1300);
  double* o = maybeNull(in, out);
  const bool ok = Blend_CBP(maybeNull(in, fractions), nbp.get(), n, o, in.number(0, 1), upper);
  if (n < 0 || !o) {
    FUZZ_CHECK(!ok && out.all(kUntouched));
    return;
  }
  if (!ok) FUZZ_CHECK(out.all(kUntouched) || out.all(-32767.0));
  if (ok) for (int i = 0; i < n; ++i) FUZZ_CHECK(out[i] != kUntouched);
}

void extrapolation(FuzzInput& in) {
  const int n = count(in, 20);
  Curve c = ascending(in, n > 0 ? n : 0, 250, 0, 80);
  Exact<double> curve(c.v);
  const int bound = n > 0 ? n : 1;
  const int i1 = in.integer(-2, bound + 1), i2 = in.integer(-2, bound + 1);
  const uint8_t b = in.byte();
  const double lo = b & 1 ? -32767.0 : in.number(0, 600);
  const double hi = b & 2 ? -32767.0 : in.number(300, 1500);
  const std::vector<double> before = curve.copy();
  if (b & 4)
    CorrectExtrapolation(maybeNull(in, curve), i1, i2, n, lo, hi);
  else
    Blend_CorrectUserCurveOverExtrapolation(maybeNull(in, curve), i1, i2, n, lo, hi);
  // Without a measured point (i1 > i2) CorrectExtrapolation clamps and reads no index.
  const bool clamps = (b & 4) && i1 > i2;
  if (n < 1 || (!clamps && (i1 < 0 || i1 >= n || i2 < 0 || i2 >= n)))
    for (int i = 0; i < curve.size(); ++i) FUZZ_CHECK(same(curve[i], before[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  applySettings(in);
  for (int calls = 0; !in.empty() && calls < 16; ++calls) {
    switch (in.byte() % 8) {
      case 0: reader(in); break;
      case 1: cutter(in); break;
      case 2: nbpRange(in); break;
      case 3: tbpCuts(in); break;
      case 4: midCut(in); break;
      case 5: extrapolation(in); break;
      case 6: applySettings(in); break;
      default: cutter(in); break;
    }
  }
  return 0;
}
