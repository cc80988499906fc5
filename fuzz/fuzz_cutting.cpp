// The cutters: Blend_GetCompFromTBP, Blend_SortNBP, Blend_GetTBPFromYield, pc_LineFit1
// and the probability-scale table. Invariants: written cut fractions are non-negative and
// sum to 1, the sort returns a sorted permutation of its input, yields read at rising
// requests rise, and failures write nothing where documented.
#include <algorithm>
#include <cmath>

#include "QIRACutting.h"
#include "fuzz_common.h"

namespace {

// A TBP curve: temperatures (K) and cumulative fractions, both ascending when sane.
struct TbpCurve {
  Exact<double> t, f;
  bool sane;
};

TbpCurve tbpCurve(FuzzInput& in, int n) {
  Curve t = ascending(in, n, 250.0, 1.0, 120.0);
  Curve f = ascending(in, n, 0.0, 1e-3, 1.0 / (n > 0 ? n : 1));
  return TbpCurve{Exact<double>(t.v), Exact<double>(f.v),
                  t.sane && f.sane && strictlyIncreasing(t.v) && strictlyIncreasing(f.v)};
}

void compFromTbp(FuzzInput& in) {
  const int n = count(in, 12), nc = count(in, 25);
  TbpCurve c = tbpCurve(in, n > 0 ? n : 0);
  std::vector<double> cv(nc > 0 ? nc : 0);
  for (double& v : cv) v = in.number(200, 1300);
  Exact<double> cuts(cv), out(cuts.size(), kUntouched);
  const bool ok = Blend_GetCompFromTBP(c.t.get(), maybeNull(in, c.f), n, maybeNull(in, cuts),
                                       out.get(), nc);
  if (!ok) {
    FUZZ_CHECK(out.all(kUntouched));
    return;
  }
  FUZZ_CHECK(n >= 2 && nc >= 1);
  dump("tbp", c.t.get(), n);
  dump("frac", c.f.get(), n);
  dump("cuts", cuts.get(), nc);
  dump("out", out.get(), nc);
  double sum = 0;
  for (int i = 0; i < nc; ++i) {
    FUZZ_CHECK(out[i] != kUntouched);
    FUZZ_CHECK(out[i] >= 0);
    sum += out[i];
  }
  // A curve that reads no material at or below the highest cut gives all zeros.
  FUZZ_CHECK(std::fabs(sum - 1.0) <= 1e-9 || out.all(0.0));
}

void sortNbp(FuzzInput& in) {
  const int n = count(in, 30);
  std::vector<double> v(n > 0 ? n : 0);
  const bool ties = in.flag();
  for (double& x : v) x = ties ? in.integer(0, 3) : in.number(200, 1300);
  Exact<double> values(v);
  Exact<int> indices(values.size(), -99);
  const bool ok = Blend_SortNBP(maybeNull(in, values), maybeNull(in, indices), n);
  if (!ok) {
    FUZZ_CHECK(indices.all(-99));
    return;
  }
  if (n <= 0) {
    FUZZ_CHECK(indices.all(-99));
    return;
  }
  std::vector<int> seen(n, 0);
  bool anyNan = false;
  for (double x : v) anyNan |= std::isnan(x);
  for (int i = 0; i < n; ++i) {
    FUZZ_CHECK(indices[i] >= 0 && indices[i] < n);
    FUZZ_CHECK(++seen[indices[i]] == 1);
    FUZZ_CHECK(same(values[i], v[indices[i]]));
    if (!anyNan && i > 0) FUZZ_CHECK(values[i] >= values[i - 1]);
  }
}

void tbpFromYield(FuzzInput& in) {
  const int n = count(in, 12), m = count(in, 20);
  TbpCurve c = tbpCurve(in, n > 0 ? n : 0);
  Curve y = ascending(in, m > 0 ? m : 0, 0.0, 0.0, 1.0 / (m > 0 ? m : 1));
  Exact<double> yields(y.v), out(yields.size(), kUntouched);
  const bool ok = Blend_GetTBPFromYield(c.t.get(), c.f.get(), n, maybeNull(in, out),
                                        maybeNull(in, yields), m);
  dump("tbp", c.t.get(), c.t.size());
  dump("frac", c.f.get(), c.f.size());
  dump("yields", yields.get(), yields.size());
  dump("out", out.get(), out.size());
  if (n < 1 || m < 1) FUZZ_CHECK(!ok && out.all(kUntouched));
  // A boiling curve or a failure, whatever the knots.
  if (ok) FUZZ_CHECK(boilingCurve(out.get(), yields.get(), m));
}

void lineFit(FuzzInput& in) {
  const int n = count(in, 12);
  Curve x = ascending(in, n > 0 ? n : 0, -10, 0, 5), y = ascending(in, n > 0 ? n : 0, -10, 0, 5);
  Exact<double> xs(x.v), ys(y.v);
  Exact<double> slope(1, kUntouched), intercept(1, kUntouched), r(1, kUntouched);
  pc_LineFit1(n, maybeNull(in, xs), ys.get(), maybeNull(in, slope), intercept.get(), r.get());
  if (n < 1) FUZZ_CHECK(slope.all(kUntouched) && intercept.all(kUntouched) && r.all(kUntouched));
}

void normDist(FuzzInput& in) {
  Exact<double> z(101, kUntouched);
  Blend_NormDistY(maybeNull(in, z));
  if (z[0] == kUntouched) return;
  FUZZ_CHECK(z[50] == 0);
  for (int i = 0; i <= 100; ++i) FUZZ_CHECK(z[100 - i] == -z[i]);
  FUZZ_CHECK(nonDecreasing(z.get(), 101));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  applySettings(in);
  while (!in.empty()) {
    switch (in.byte() % 5) {
      case 0: compFromTbp(in); break;
      case 1: sortNbp(in); break;
      case 2: tbpFromYield(in); break;
      case 3: lineFit(in); break;
      default: normDist(in); break;
    }
  }
  return 0;
}
