// Local curve fitting and the monotone interpolator: Simple_spline, Blend_lstsqr,
// Blend_Linear and Blend_spline on any table and any queries. Invariants: failures write
// nothing where documented, the linear interpolation passes through its knots, and a
// successful monotone interpolation of a rising table at ascending queries does not fall.
#include <cmath>

#include "QIRACurveFit.h"
#include "fuzz_common.h"

namespace {

struct Table {
  Exact<double> x, y;
  bool sane;  // x strictly increasing, y non-decreasing, all finite
};

Table table(FuzzInput& in, int n) {
  Curve x = ascending(in, n, 0.0, 1e-3, 1.0);
  Curve y = ascending(in, n, 250.0, 0.0, 100.0);
  const bool sane = x.sane && y.sane && strictlyIncreasing(x.v);
  return Table{Exact<double>(x.v), Exact<double>(y.v), sane};
}

// Ascending queries over about the table's span (and beyond it when wide).
Exact<double> queries(FuzzInput& in, int m, const Table& t, bool wide, bool& sane) {
  const int n = t.x.size();
  const double lo = n ? t.x[0] : 0, hi = n ? t.x[n - 1] : 1;
  const double span = std::isfinite(hi - lo) ? hi - lo : 1;
  const double start = wide ? lo - 0.2 * span : lo;
  Curve q = ascending(in, m, start, 0.0, (wide ? 1.4 : 1.0) * span / (m > 0 ? m : 1));
  sane = q.sane;
  Exact<double> out(q.v);
  for (int j = 0; j < m && !wide; ++j)
    if (out[j] > hi) out[j] = hi;
  return out;
}

void simpleSpline(FuzzInput& in) {
  const int n = count(in, 12), m = count(in, 12);
  Table t = table(in, n > 0 ? n : 0);
  bool qs;
  Exact<double> xq = queries(in, m > 0 ? m : 0, t, in.flag(), qs);
  Exact<double> out(xq.size(), kUntouched);
  const bool ok = Simple_spline(n, maybeNull(in, t.x), t.y.get(), m, xq.get(), maybeNull(in, out));
  if (n < 3) FUZZ_CHECK(!ok);
  if (!ok && n < 3) FUZZ_CHECK(out.all(kUntouched));
  if (ok && n >= 3 && m >= 1 && t.sane && qs) FUZZ_CHECK(allFiniteVec(out.get(), m));
}

void lstsqr(FuzzInput& in) {
  Exact<double> x(3), y(3), out(1, kUntouched);
  for (int i = 0; i < 3; ++i) x[i] = in.number(-10, 10);
  for (int i = 0; i < 3; ++i) y[i] = in.number(-10, 10);
  const double xq = in.number(-20, 20);
  const bool given = in.byte() & 7;
  const bool ok = Blend_lstsqr(x.get(), y.get(), xq, given ? out.get() : nullptr);
  FUZZ_CHECK(ok == given);
  if (given && allFiniteVec(x.get(), 3) && allFiniteVec(y.get(), 3) && std::isfinite(xq) &&
      std::fabs(xq) < 1e6 && std::fabs(x[0]) < 1e3 && std::fabs(x[1]) < 1e3 &&
      std::fabs(x[2]) < 1e3 && std::fabs(y[0]) < 1e6 && std::fabs(y[1]) < 1e6 && std::fabs(y[2]) < 1e6)
    FUZZ_CHECK(!std::isnan(out[0]));
}

void linear(FuzzInput& in) {
  const int n = count(in, 12), m = count(in, 12);
  Table t = table(in, n > 0 ? n : 0);
  bool qs;
  Exact<double> xq = queries(in, m > 0 ? m : 0, t, true, qs);
  Exact<double> out(xq.size(), kUntouched);
  const bool ok = Blend_Linear(n, t.x.get(), maybeNull(in, t.y), m, xq.get(), maybeNull(in, out));
  if (n < 2) FUZZ_CHECK(!ok);
  if (!ok) FUZZ_CHECK(out.all(kUntouched));
  if (!ok || !t.sane || n < 2) return;
  // Through its knots.
  Exact<double> knotOut(n, kUntouched);
  FUZZ_CHECK(Blend_Linear(n, t.x.get(), t.y.get(), n, t.x.get(), knotOut.get()));
  for (int i = 0; i < n; ++i) FUZZ_CHECK(near(knotOut[i], t.y[i], 1e-9, 1e-9));
}

void monotone(FuzzInput& in) {
  const int n = count(in, 14), m = count(in, 20);
  Table t = table(in, n > 0 ? n : 0);
  bool qs;
  const bool wide = in.flag();
  Exact<double> xq = queries(in, m > 0 ? m : 0, t, wide, qs);
  Exact<double> out(xq.size(), kUntouched);
  const std::vector<double> x0 = t.x.copy(), y0 = t.y.copy();
  const bool ok = Blend_spline(n, t.x.get(), t.y.get(), m, maybeNull(in, xq), out.get());
  for (int i = 0; i < t.x.size(); ++i) FUZZ_CHECK(same(t.x[i], x0[i]) && same(t.y[i], y0[i]));
  if (n < 3) FUZZ_CHECK(!ok);
  if (ok && n >= 3 && m >= 1 && t.sane && qs && !wide) {
    FUZZ_CHECK(allFiniteVec(out.get(), m));
    FUZZ_CHECK(nonDecreasing(out.get(), m, 1e-9 * std::fabs(t.y[n - 1])));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  while (!in.empty()) {
    switch (in.byte() % 4) {
      case 0: simpleSpline(in); break;
      case 1: lstsqr(in); break;
      case 2: linear(in); break;
      default: monotone(in); break;
    }
  }
  return 0;
}
