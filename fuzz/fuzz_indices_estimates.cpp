// Blend indices, one-call mixes, cetane indices, viscosity estimates, octane blending and
// the closed-form property estimates. Invariants: each index and its inverse return the
// property, a mix of one component returns its value, the Mix functions reject what the
// header says, and functions with outputs write nothing through a null pointer.
#include <cmath>

#include "QIRACetane.h"
#include "QIRAEstimates.h"
#include "QIRAIndices.h"
#include "QIRAOctane.h"
#include "fuzz_common.h"

namespace {

using IndexFn = double (*)(double);
using MixFn = double (*)(const double*, const double*, int);

struct IndexPair {
  IndexFn index, inverse;
  double lo, hi;  // a plausible property range where the pair inverts well
};

const IndexPair kPairs[] = {
    {AnilinePointIndex1, AnilinePointFromIndex1Mix, 250, 450},
    {CloudPointIndex1, CloudPointFromIndex1Mix, 200, 350},
    {CloudPointIndex2, CloudPointFromIndex2Mix, 200, 350},
    {FlashPointIndex1, FlashPointFromIndex1Mix, 250, 600},
    {FlashPointIndex2, FlashPointFromIndex2Mix, -50, 600},
    {FlashPointIndexWickey, FlashPointFromIndexWickeyMix, -50, 300},
    {FreezePointIndex1, FreezePointFromIndex1Mix, -80, 40},
    {PourPointIndex1, PourPointFromIndex1Mix, 200, 350},
    {RVPIndex1, RVPFromIndex1Mix, 1, 200},
    {Blend_ViscosityIndex1, Blend_ViscosityFromIndex1Mix, 2, 5000},
    {Blend_ViscosityIndex2, Blend_ViscosityFromIndex2Mix, 1, 5000},
};

struct Mix {
  MixFn fn;
  double lo, hi;
};

const Mix kMixes[] = {
    {CloudPointMix1, 200, 350},  {CloudPointMix2, 200, 350},  {FlashPointMix1, 250, 600},
    {PourPointMix1, 200, 350},   {PourPointMix2, 200, 350},   {RVPMix1, 1, 200},
    {Blend_SmokePointMix1, 5, 50}, {Blend_FreezePoint, -80, 40},
};

void indexPair(FuzzInput& in) {
  const IndexPair& p = kPairs[in.byte() % (sizeof kPairs / sizeof kPairs[0])];
  const double v = in.number(p.lo, p.hi);
  const double back = p.inverse(p.index(v));
  if (v >= p.lo && v <= p.hi) FUZZ_CHECK(near(back, v, 1e-9, 1e-9));
  (void)p.inverse(in.rawDouble());
}

void mix(FuzzInput& in) {
  const Mix& m = kMixes[in.byte() % (sizeof kMixes / sizeof kMixes[0])];
  const int n = count(in, 12);
  Curve f = fractions(in, n > 0 ? n : 0);
  std::vector<double> v(n > 0 ? n : 0);
  const bool one = in.flag();
  const double value = in.number(m.lo, m.hi);
  for (double& x : v) x = one ? value : in.number(m.lo, m.hi);
  Exact<double> fr(f.v), values(v);
  const double* fp = maybeNull(in, fr);
  const double* vp = maybeNull(in, values);
  const double r = m.fn(fp, vp, n);
  if (n < 1 || !fp || !vp) {
    FUZZ_CHECK(r == -32767.0);
    return;
  }
  // Every component with the same value: the blend is that value.
  if (one && f.sane && value >= m.lo && value <= m.hi) FUZZ_CHECK(near(r, value, 1e-8, 1e-8));
}

void cetane(FuzzInput& in) {
  const double d15 = in.number(0.7, 1.0), t10 = in.number(400, 550), t50 = in.number(450, 620),
               t90 = in.number(500, 680);
  const double ci = Blend_CetaneIndexD4737(d15, t10, t50, t90);
  if (!(t10 < t50 && t50 < t90)) FUZZ_CHECK(ci == -32767.0);
  (void)Blend_CetaneIndexD976(in.number(10, 60), t50);
  (void)Blend_CetaneIndexD976_2(d15, t50);
  (void)Blend_CetaneIndexD976_3(in.number(0, 100), in.number(300, 500));
  double a = kUntouched, b = kUntouched;
  const uint8_t nulls = in.byte();
  const bool ok1 = Blend_APIVisc(in.number(10, 13), in.number(10, 60), nulls == 1 ? nullptr : &a,
                                 nulls == 2 ? nullptr : &b);
  FUZZ_CHECK(ok1 == (nulls != 1 && nulls != 2));
  if (!ok1) FUZZ_CHECK(a == kUntouched && b == kUntouched);
  a = b = kUntouched;
  const bool ok2 = Blend_TwuVisc(in.number(600, 1100), in.number(300, 900),
                                 nulls == 3 ? nullptr : &a, nulls == 4 ? nullptr : &b);
  FUZZ_CHECK(ok2 == (nulls != 3 && nulls != 4));
  if (!ok2) FUZZ_CHECK(a == kUntouched && b == kUntouched);
}

void octane(FuzzInput& in) {
  const int n = count(in, 10);
  const int k = n > 0 ? n : 0;
  Curve f = fractions(in, k);
  std::vector<double> ron(k), mon(k), o(k), ar(k);
  for (int i = 0; i < k; ++i) {
    ron[i] = in.number(60, 110);
    mon[i] = in.number(55, 100);
    o[i] = in.number(0, 40);
    ar[i] = in.number(0, 60);
  }
  Exact<double> x(f.v), R(ron), M(mon), O(o), A(ar);
  double br = kUntouched, bm = kUntouched;
  const uint8_t nulls = in.byte();
  const bool ok = Healy_RONMON(maybeNull(in, x), n, R.get(), maybeNull(in, M), O.get(), A.get(),
                               nulls == 1 ? nullptr : &br, nulls == 2 ? nullptr : &bm);
  if (!ok) FUZZ_CHECK(br == kUntouched && bm == kUntouched);
  if (ok && n < 1) FUZZ_CHECK(br == 0.0 && bm == 0.0);
  (void)MonClear(in.number(60, 110), in.number(0, 40));
  Exact<double> T(5);
  for (int i = 0; i < 5; ++i) T[i] = in.number(20, 250);
  double c[3] = {in.number(0, 100), in.number(0, 100), in.number(0, 100)};
  if (in.byte() == 7) c[in.integer(0, 2)] = -32767.0;
  double c0[3] = {c[0], c[1], c[2]};
  const uint8_t np = in.byte();
  const double r = estimate_octane(np == 1 ? nullptr : T.get(), np == 2 ? nullptr : &c[0], &c[1],
                                   &c[2]);
  if (np == 1 || np == 2) FUZZ_CHECK(r == -32767.0);
  if (np == 1 || np == 2 || c0[0] == -32767.0 || c0[1] == -32767.0 || c0[2] == -32767.0)
    for (int i = 0; i < 3; ++i) FUZZ_CHECK(same(c[i], c0[i]));
}

void estimates(FuzzInput& in) {
  const double x = in.number(0, 5), M = in.number(50, 900), rho = in.number(600, 1100),
               tb = in.number(250, 1000), sg = in.number(0.6, 1.1);
  const uint8_t nulls = in.byte();
  double a = kUntouched, b = kUntouched, c = kUntouched;
  auto p = [&](int k, double* v) { return nulls == k ? nullptr : v; };
  const bool s = Blend_EstatimateBulkSulphurByRiazi(x, M, rho, p(1, &a));
  FUZZ_CHECK(s == (nulls != 1));
  if (s && std::isfinite(a)) FUZZ_CHECK(a >= 0);
  const double asph = Blend_EstimateC5asphaltenes(in.number(-1, 10));
  FUZZ_CHECK(asph == -32767.0 || !std::isnan(asph));
  const double ccr = Blend_EstimateCCR(in.number(-1, 100));
  FUZZ_CHECK(std::isnan(ccr) || ccr >= 0);
  a = kUntouched;
  const double tbC = in.number(-300, 700);
  const bool cloud = Blend_EstimateCloudPt(tbC, sg, p(2, &a));
  if (!(tbC > -273.15) && nulls != 2) FUZZ_CHECK(!cloud && a == -32767.0);
  if (nulls == 2) FUZZ_CHECK(!cloud && a == kUntouched);
  a = b = kUntouched;
  Blend_EstimateNaphthenicByNDM(0, M, rho, x, tb - 273.15, p(3, &a), p(4, &b));
  if (nulls == 3 || nulls == 4) FUZZ_CHECK(a == kUntouched && b == kUntouched);
  a = b = c = kUntouched;
  const bool pna = Blend_EstimatePNAbyRiaziRoomi(x, rho, p(5, &a), p(6, &b), p(7, &c));
  if (nulls >= 5 && nulls <= 7) FUZZ_CHECK(!pna && a == kUntouched && b == kUntouched && c == kUntouched);
  (void)Blend_EstimateSofteningPoint(in.number(-10, 200));
  FUZZ_CHECK(Blend_EstimateSofteningPoint(-32767.0) == -32767.0);
  a = kUntouched;
  FUZZ_CHECK(Blend_estimateCtoHRatio(tb, sg, p(8, &a)) == (nulls != 8));
  if (nulls == 8) FUZZ_CHECK(a == kUntouched);
  a = kUntouched;
  FUZZ_CHECK(Blend_estimatePourPointRiazi(in.number(1, 1000), sg, M, p(9, &a)) == (nulls != 9));
  if (nulls == 9) FUZZ_CHECK(a == kUntouched);
  FUZZ_CHECK(EstimateRefractIdx(-32767.0, rho, M) == -32767.0);
  (void)EstimateRefractIdx(tb, rho, M);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  for (int calls = 0; !in.empty() && calls < 32; ++calls) {
    switch (in.byte() % 6) {
      case 0: indexPair(in); break;
      case 1: mix(in); break;
      case 2: cetane(in); break;
      case 3: octane(in); break;
      case 4: estimates(in); break;
      default: mix(in); break;
    }
  }
  return 0;
}
