// The numerical services: the Newton-Raphson helper through its Qira_ entry points with
// deterministic host callbacks, EquationSolver, SolveCubicEq, ndtr and ndtri.
// Invariants: a solved system satisfies its equations, a refused one leaves x untouched,
// the callbacks only ever see the stored dimension, the Jacobian of a linear system is its
// matrix, cubic roots are roots, and ndtri inverts ndtr.
#include <cmath>
#include <vector>

#include "QIRASolvers.h"
#include "fuzz_common.h"

namespace {

// The host's linear residuals F = A x - c for the callbacks, with the dimension the host
// believes it stored (the callbacks read and write exactly that many values).
struct HostSystem {
  int n = 0;
  double a[12][12] = {};
  double c[12] = {};
  double point[12] = {};
  bool pointSet = false;
} g_host;

void variablesCallback(double* x) {
  for (int i = 0; i < g_host.n; ++i) g_host.point[i] = x[i];
  g_host.pointSet = true;
}

void residualsCallback(double* f) {
  FUZZ_CHECK(g_host.pointSet);
  for (int i = 0; i < g_host.n; ++i) {
    double s = -g_host.c[i];
    for (int j = 0; j < g_host.n; ++j) s += g_host.a[i][j] * g_host.point[j];
    f[i] = s;
  }
  g_host.pointSet = false;
}

// n row pointers, each to exactly n doubles; optionally one row missing.
struct Matrix {
  std::vector<Exact<double>> rows;
  Exact<double*> ptrs;
  explicit Matrix(int n) : ptrs(n) {
    for (int i = 0; i < n; ++i) rows.emplace_back(n);
    for (int i = 0; i < n; ++i) ptrs[i] = rows[i].get();
  }
};

// A matrix: diagonally dominant (well conditioned) when dominant, otherwise anything.
void fill(FuzzInput& in, Matrix& m, int n, bool dominant) {
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) m.rows[i][j] = in.number(-1, 1);
  if (!dominant) return;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j)
      if (!(std::fabs(m.rows[i][j]) <= 1)) m.rows[i][j] = 0.5;
    m.rows[i][i] = 1.0 + n;
  }
}

bool solves(Matrix& a, const Exact<double>& b, const Exact<double>& x, int n) {
  for (int r = 0; r < n; ++r) {
    double s = 0;
    for (int c = 0; c < n; ++c) s += a.rows[c][r] * x[c];
    if (!near(s, b[r], 1e-8, 1e-8)) return false;
  }
  return true;
}

void equationSolver(FuzzInput& in) {
  const int n = in.byte() < 8 ? in.integer(-5, 0) : in.integer(1, 12);
  const int k = n > 0 ? n : 0;
  Matrix a(k);
  const bool dominant = in.flag();
  fill(in, a, k, dominant);
  Exact<double> b(k), x(k, kUntouched);
  for (int i = 0; i < k; ++i) b[i] = in.number(-10, 10);
  bool sane = dominant && allFiniteVec(b.get(), k);
  for (int i = 0; i < k; ++i) sane = sane && std::fabs(b[i]) <= 10;
  if (k > 0 && in.byte() < 10) {
    a.ptrs[in.integer(0, k - 1)] = nullptr;
    sane = false;
  }
  const bool ok = EquationSolver(maybeNull(in, a.ptrs), b.get(), maybeNull(in, x), n);
  if (n <= 0) FUZZ_CHECK(ok);
  if (!ok || n <= 0) {
    FUZZ_CHECK(x.all(kUntouched));
    return;
  }
  FUZZ_CHECK(n <= 10);
  if (sane) FUZZ_CHECK(solves(a, b, x, n));
}

void newtonRaphson(FuzzInput& in) {
  const int steps = in.integer(1, 8);
  for (int s = 0; s < steps; ++s) {
    const uint8_t op = in.byte() % 6;
    if (op == 0) {
      const int n = in.byte() < 16 ? in.integer(-3, 0) : in.integer(1, 12);
      Qira_InitializeNRsolver(n, in.integer(-5, 5), nullptr, nullptr);
      g_host.n = n > 0 ? n : 0;
      for (int i = 0; i < 12; ++i) {
        g_host.c[i] = in.number(-10, 10);
        for (int j = 0; j < 12; ++j) g_host.a[i][j] = in.number(-1, 1);
      }
    } else if (op == 1) {
      const uint8_t which = in.byte();
      Qira_SetCallbacks(which == 1 ? nullptr : reinterpret_cast<void*>(&variablesCallback),
                        which == 2 ? nullptr : reinterpret_cast<void*>(&residualsCallback));
    } else if (op == 2) {
      const int n = g_host.n;
      Exact<double> x(n), f(n, kUntouched);
      for (int i = 0; i < n; ++i) x[i] = in.number(-10, 10);
      Qira_ComputeRHS(maybeNull(in, x), maybeNull(in, f));
    } else if (op == 3) {
      const int n = g_host.n;
      Exact<double> x(n);
      for (int i = 0; i < n; ++i) x[i] = in.number(-10, 10);
      const std::vector<double> x0 = x.copy();
      Matrix j(n);
      for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) j.rows[r][c] = kUntouched;
      Qira_ComputeJacobian(x.get(), maybeNull(in, j.ptrs));
      for (int i = 0; i < n; ++i) FUZZ_CHECK(same(x[i], x0[i]));
      bool finite = allFiniteVec(x.get(), n);
      for (int r = 0; r < n; ++r) finite = finite && std::fabs(g_host.c[r]) <= 10;
      for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
          finite = finite && std::isfinite(g_host.a[r][c]) && std::fabs(g_host.a[r][c]) <= 1 &&
                   std::fabs(x[c]) <= 10;
      if (finite && j.rows.size() && j.rows[0][0] != kUntouched)
        for (int r = 0; r < n; ++r)
          for (int c = 0; c < n; ++c) FUZZ_CHECK(near(j.rows[r][c], g_host.a[r][c], 1e-6, 1e-9));
    } else {
      const int n = g_host.n;
      Matrix j(n);
      const bool dominant = in.flag();
      fill(in, j, n, dominant);
      Exact<double> rhs(n), delta(n, kUntouched);
      for (int i = 0; i < n; ++i) rhs[i] = in.number(-10, 10);
      Qira_ComputeNewDelta(maybeNull(in, j.ptrs), rhs.get(), maybeNull(in, delta));
      bool sane = dominant && n <= 10;
      for (int i = 0; i < n; ++i) sane = sane && std::fabs(rhs[i]) <= 10;
      if (sane && !delta.all(kUntouched)) FUZZ_CHECK(solves(j, rhs, delta, n));
    }
  }
}

void cubic(FuzzInput& in) {
  Exact<double> c(3), roots(3, kUntouched);
  for (int i = 0; i < 3; ++i) c[i] = in.number(-100, 100);
  const uint8_t nulls = in.byte();
  const int r = SolveCubicEq(nulls == 1 ? nullptr : roots.get(), nulls == 2 ? nullptr : c.get());
  if (nulls == 1 || nulls == 2) {
    FUZZ_CHECK(r == 0 && roots.all(kUntouched));
    return;
  }
  FUZZ_CHECK(r >= 1 && r <= 3);
  bool moderate = true;
  for (int i = 0; i < 3; ++i) moderate = moderate && std::fabs(c[i]) <= 100;
  if (!moderate) return;
  auto p = [&](double x) { return ((x + c[0]) * x + c[1]) * x + c[2]; };
  auto dp = [&](double x) { return (3 * x + 2 * c[0]) * x + c[1]; };
  // A root within a small step of where the polynomial changes sign or vanishes.
  auto isRoot = [&](double x) {
    const double scale = 1 + std::fabs(x) * std::fabs(x) * std::fabs(x) +
                         std::fabs(c[0]) * x * x + std::fabs(c[1] * x) + std::fabs(c[2]);
    return std::fabs(p(x)) <= 1e-7 * scale || std::fabs(p(x)) <= 1e-4 * std::fabs(dp(x));
  };
  dump("coefficients", c.get(), 3);
  dump("roots", roots.get(), 3);
  if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "result %d\n", r);
  FUZZ_CHECK(isRoot(roots[0]));
  if (r >= 2) FUZZ_CHECK(isRoot(roots[1]) && isRoot(roots[2]));
}

void normal(FuzzInput& in) {
  const double x = in.number(-8, 8);
  const double p = ndtr(x);
  FUZZ_CHECK(std::isnan(x) ? std::isnan(p) : p >= 0 && p <= 1);
  if (x >= -6 && x <= 6) FUZZ_CHECK(near(ndtri(p), x, 1e-6, 1e-7));
  const double q = ndtri(in.number(-0.5, 1.5));
  FUZZ_CHECK(!std::isinf(q));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  // The singleton outlives every input: start each one from a known state.
  Qira_InitializeNRsolver(0, 0, nullptr, nullptr);
  Qira_SetCallbacks(nullptr, nullptr);
  g_host = HostSystem{};
  for (int calls = 0; !in.empty() && calls < 16; ++calls) {
    switch (in.byte() % 5) {
      case 0: equationSolver(in); break;
      case 1: newtonRaphson(in); break;
      case 2: cubic(in); break;
      case 3: normal(in); break;
      default: newtonRaphson(in); break;
    }
  }
  return 0;
}
