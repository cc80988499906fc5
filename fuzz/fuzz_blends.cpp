// The blends: Blend_TBP, Blend_D86, Blend_D86Option, Blend_D2887, Blend_D1160,
// Blend_D2887fromTBP, Blend_ModifiedD2887 and the D1160 conversions. Invariants: a failed
// blend leaves every output at -32767.0 (or untouched where nothing may be written), a
// successful TBP blend is finite and positive, and non-decreasing at rising yields,
// every success of a sane blend is finite, and the D1160 conversions refuse exactly the
// unordered curves.
#include <cmath>

#include "QIRABlends.h"
#include "fuzz_common.h"

namespace {

struct Components {
  Exact<double> fractions, nbp, molarMass, density;
  bool sane;
};

Components components(FuzzInput& in, int n) {
  const int k = n > 0 ? n : 0;
  Curve f = fractions(in, k);
  std::vector<double> nbp(k), mw(k), rho(k);
  bool sane = f.sane;
  for (int i = 0; i < k; ++i) {
    nbp[i] = in.number(250, 1100);
    mw[i] = in.number(30, 800);
    rho[i] = in.number(500, 1100);
    sane = sane && nbp[i] >= 250 && nbp[i] <= 1100 && mw[i] >= 30 && mw[i] <= 800 &&
           rho[i] >= 500 && rho[i] <= 1100;
  }
  return Components{Exact<double>(f.v), Exact<double>(nbp), Exact<double>(mw),
                    Exact<double>(rho), sane};
}

struct Request {
  Exact<double> yields, out;
  bool sane;
};

Request request(FuzzInput& in, int m) {
  const int k = m > 0 ? m : 0;
  Curve y = ascending(in, k, 0.0, 0.0, 1.0 / (k > 0 ? k : 1));
  bool sane = y.sane;
  for (double v : y.v) sane = sane && v >= 0 && v <= 1;
  return Request{Exact<double>(y.v), Exact<double>(k, kUntouched), sane};
}

// What every blend promises about its outputs.
void checkBlend(bool ok, const Request& r, int n, int m, bool outGiven, bool yieldsGiven,
                bool saneInput, bool missingWithoutYields = false) {
  if (!ok) {
    if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "n %d m %d out %d yields %d\n", n, m, outGiven, yieldsGiven);
    dump("out", r.out.get(), r.out.size());
    if (!outGiven || m < 1 || (!yieldsGiven && !missingWithoutYields))
      FUZZ_CHECK(r.out.all(kUntouched));
    else
      FUZZ_CHECK(r.out.all(kUntouched) || r.out.all(-32767.0));
    return;
  }
  FUZZ_CHECK(n >= 1 && m >= 1);
  for (int i = 0; i < m; ++i) FUZZ_CHECK(r.out[i] != kUntouched);
  if (saneInput) FUZZ_CHECK(allFiniteVec(r.out.get(), m));
}

void blend(FuzzInput& in) {
  const int kind = in.byte() % 7;
  const int n = count(in, 15), m = count(in, 20);
  Components c = components(in, n);
  Request r = request(in, m);
  const bool pointMode = in.flag();
  double* out = maybeNull(in, r.out);
  double* yields = maybeNull(in, r.yields);
  const double* f = maybeNull(in, c.fractions);
  const double* nbp = c.nbp.get();
  if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "kind %d pointMode %d\n", kind, pointMode);
  dump("fractions", c.fractions.get(), c.fractions.size());
  dump("nbp", nbp, c.nbp.size());
  dump("yields", r.yields.get(), r.yields.size());
  bool ok = false;
  bool sane = c.sane && r.sane && settingsSane();
  switch (kind) {
    case 0: {
      const uint8_t e = in.byte();
      const double initialT = e & 1 ? in.number(200, 400) : -32767.0;
      const double finalT = e & 2 ? in.number(600, 1400) : -32767.0;
      ok = Blend_TBP(f, nbp, n, out, yields, m, pointMode, initialT, finalT);
      checkBlend(ok, r, n, m, out, yields, sane);
      dump("out", r.out.get(), m);
      dump("yieldsAfter", r.yields.get(), m);
      if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "initialT %.17g finalT %.17g\n", initialT, finalT);
      // A blend's TBP curve is a boiling curve (at the yields as clamped) or a failure.
      if (ok) FUZZ_CHECK(boilingCurve(r.out.get(), r.yields.get(), m));
      return;
    }
    case 1: ok = Blend_D86(f, nbp, n, out, yields, m, pointMode); break;
    case 2: ok = Blend_D86Option(f, nbp, n, out, yields, m, pointMode); break;
    case 3: ok = Blend_D2887(f, nbp, n, out, yields, m); break;
    case 4: ok = Blend_D1160(f, nbp, n, out, yields, m, pointMode); break;
    case 5:
    case 6: {
      const int fb = in.integer(-1, 3), cb = in.integer(-1, 3);
      const double* mw = maybeNull(in, c.molarMass);
      const double* rho = maybeNull(in, c.density);
      ok = kind == 5 ? Blend_D2887fromTBP(f, nbp, n, out, yields, m, mw, rho, fb, cb, pointMode)
                     : Blend_ModifiedD2887(f, nbp, n, out, yields, m, mw, rho, fb, cb,
                                           pointMode);
      if (kind == 5 && (fb < 0 || fb > 2)) FUZZ_CHECK(!ok && r.out.all(kUntouched));
      if (kind == 6 && (cb == 0 || cb == 2)) FUZZ_CHECK(!ok);
      break;
    }
  }
  // Conversions of wide component spans can leave the correlations' range; the finite
  // check applies to moderate spans only.
  // Blend_ModifiedD2887 gives -32767.0 for every failure, a null yields array included.
  checkBlend(ok, r, n, m, out, yields, false, kind == 6);
  (void)sane;
}

void d1160(FuzzInput& in) {
  Curve c = ascending(in, 4, 300.0, 0.5, 80.0);
  Exact<double> a(c.v), b(4, kUntouched);
  const bool toD1160 = in.flag();
  const bool ok = toD1160 ? Blend_TBPtoD1160(a.get(), maybeNull(in, b))
                          : Blend_D1160toTBP(maybeNull(in, b), a.get());
  const bool rising = c.v[1] > c.v[0] && c.v[2] > c.v[1] && c.v[3] > c.v[2];
  if (!ok) {
    FUZZ_CHECK(b.all(kUntouched));
    return;
  }
  FUZZ_CHECK(rising);
  dump("in", a.get(), 4);
  dump("out", b.get(), 4);
  FUZZ_CHECK(near(b[3], a[3], 1e-14));
  if (c.sane) FUZZ_CHECK(allFiniteVec(b.get(), 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  applySettings(in);
  for (int calls = 0; !in.empty() && calls < 16; ++calls) {
    switch (in.byte() % 3) {
      case 0: d1160(in); break;
      case 1: applySettings(in); break;
      default: blend(in); break;
    }
  }
  return 0;
}
