// Whitson's gamma-distribution split and the MW, gravity and Watson K correlations.
// Invariants: the Watson relations invert each other, ln Gamma agrees with the standard
// library, a bracketing step stays inside its bracket, and a written split has mole
// fractions summing to 1 with finite molecular weights and densities.
#include <cmath>

#include "QIRACharacterization.h"
#include "fuzz_common.h"

namespace {

void correlations(FuzzInput& in) {
  const double mw = in.number(20, 1500), sg = in.number(0.4, 1.4), kw = in.number(9, 14);
  const double tb = in.number(100, 1500), rho = in.number(300, 1500);
  const double k = Blend_uopk(mw, sg);
  const double m = Blend_mw(sg, k);
  const double s = Blend_sg(mw, kw);
  (void)Blend_sg_katz_firoozabadi(tb);
  (void)Blend_mw_twu(tb, rho);
  const bool plausible = mw >= 20 && mw <= 1500 && sg >= 0.4 && sg <= 1.4;
  if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "mw %.17g sg %.17g k %.17g m %.17g\n", mw, sg, k, m);
  if (plausible) FUZZ_CHECK(near(m, mw, 1e-2));  // rounded published constants
  if (kw >= 9 && kw <= 14 && mw >= 20 && mw < 320) FUZZ_CHECK(near(Blend_uopk(mw, s), kw, 1e-2));
}

void gamma(FuzzInput& in) {
  const double x = in.number(0.5, 150);
  const double g = Blend_gammln(x);
  if (x >= 0.5 && x <= 150) FUZZ_CHECK(near(g, std::lgamma(x), 1e-8, 1e-9));
  const double alpha = in.number(0.3, 20), beta = in.number(0.01, 200), t = in.number(0, 2000);
  const double p = Blend_gammafun(t, alpha, beta);
  if (alpha >= 0.3 && alpha <= 20 && beta >= 0.01 && t > 0 && t <= 2000 && std::isfinite(p))
    FUZZ_CHECK(p >= 0);
}

void convergenceStep(FuzzInput& in) {
  double lo = in.number(0, 10), hi = lo + in.number(0.01, 10);
  double x = lo + (hi - lo) * in.number(0, 1);
  double xp = in.flag() ? NAN : in.number(0, 20), fp = in.flag() ? NAN : in.number(-5, 5);
  const double f = in.number(-5, 5), target = in.number(-5, 5), h = in.number(0.01, 2);
  const bool sane = std::isfinite(lo) && std::isfinite(hi) && hi > lo && x >= lo && x <= hi &&
                    std::isfinite(f) && std::isfinite(target) && h > 0 && std::isfinite(h) &&
                    (std::isnan(xp) || std::isfinite(xp)) && (std::isnan(fp) || std::isfinite(fp));
  const uint8_t nulls = in.byte();
  Blend_whitson_convg(nulls == 1 ? nullptr : &x, f, target, nulls == 2 ? nullptr : &lo,
                      nulls == 3 ? nullptr : &hi, &xp, nulls == 4 ? nullptr : &fp, h);
  if (sane && nulls > 4) FUZZ_CHECK(x >= lo - 1e-12 && x <= hi + 1e-12 && lo <= hi);
}

void whitson(FuzzInput& in) {
  const int nc = count(in, 30);
  Curve b = ascending(in, nc > 0 ? nc : 0, 300, 5, 60);
  Exact<double> nbps(b.v);
  Exact<double> fr(nbps.size(), kUntouched), mws(nbps.size(), kUntouched),
      den(nbps.size(), kUntouched);
  double mw = in.number(80, 600), sg = in.number(0.7, 1.05), kw = in.number(10, 13);
  const uint8_t missing = in.byte() % 6;
  if (missing == 1) mw = -32767.0;
  if (missing == 2) sg = -32767.0;
  if (missing == 3) kw = -32767.0;
  if (missing == 4) mw = sg = -32767.0;
  const double eta = in.flag() ? 0.0 : in.number(-10, 300);
  const bool ok = Blend_Whitson(nc, maybeNull(in, fr), mws.get(), den.get(), nbps.get(), &mw,
                                &sg, &kw, eta);
  if (!ok) {
    FUZZ_CHECK(mws.all(kUntouched) && den.all(kUntouched) && fr.all(kUntouched));
    return;
  }
  FUZZ_CHECK(nc >= 1);
  for (int i = 0; i < nc; ++i) FUZZ_CHECK(mws[i] != kUntouched && den[i] != kUntouched);
  if (fr.all(kUntouched)) return;  // a failed cut leaves the fractions as they were
  double sum = 0;
  for (int i = 0; i < nc; ++i) {
    FUZZ_CHECK(fr[i] >= 0);
    sum += fr[i];
  }
  FUZZ_CHECK(std::fabs(sum - 1) <= 1e-9 || fr.all(0.0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  applySettings(in);
  for (int calls = 0; !in.empty() && calls < 16; ++calls) {
    switch (in.byte() % 4) {
      case 0: correlations(in); break;
      case 1: gamma(in); break;
      case 2: convergenceStep(in); break;
      default: whitson(in); break;
    }
  }
  return 0;
}
