// Newton-Raphson helper, linear equation solver, cubic roots and the normal distribution.
#include <cstring>

#include "QIRASolvers.h"
#include "support/tables.h"

using namespace qira_test;

namespace {

// A square matrix as the interface passes it: n row pointers to n doubles.
struct Matrix {
  explicit Matrix(std::vector<V> r) : data(std::move(r)) { for (auto& row : data) ptr.push_back(row.data()); }
  double** rows() { return ptr.data(); }
  std::vector<V> data;
  std::vector<double*> ptr;
};

// The host's model: one callback records the point, the other evaluates the residuals there.
struct Host {
  V point;
  void (*residuals)(const V&, double*) = nullptr;
  int calls = 0;
  const double* lastPoint = nullptr;
} host;
void takePoint(double* x) { ++host.calls; host.lastPoint = x; host.point.assign(x, x + host.point.size()); }
void giveResiduals(double* f) { host.residuals(host.point, f); }

void useModel(int n, void (*residuals)(const V&, double*)) {
  host = Host{};
  host.point.assign(n, 0.0);
  host.residuals = residuals;
  Qira_InitializeNRsolver(n, 0, nullptr, nullptr);
  Qira_SetCallbacks(reinterpret_cast<void*>(&takePoint), reinterpret_cast<void*>(&giveResiduals));
}

// A host's Newton iteration on x^2 + y^2 = 4, x y = 1 from (2, 0.3). The linear solve
// reads its matrix transposed, so the host passes J^T to solve J delta = -F.
int solveCircleHyperbola(double* x) {
  useModel(2, [](const V& p, double* f) { f[0] = p[0] * p[0] + p[1] * p[1] - 4; f[1] = p[0] * p[1] - 1; });
  for (int iter = 1; iter <= 50; ++iter) {
    double f[2], minusF[2], delta[2] = {0, 0};
    Qira_ComputeRHS(x, f);
    if (std::fabs(f[0]) + std::fabs(f[1]) < 1e-10) return iter;
    Matrix J(std::vector<V>{{0, 0}, {0, 0}});
    Qira_ComputeJacobian(x, J.rows());
    Matrix Jt(std::vector<V>{{J.data[0][0], J.data[1][0]}, {J.data[0][1], J.data[1][1]}});
    minusF[0] = -f[0], minusF[1] = -f[1];
    Qira_ComputeNewDelta(Jt.rows(), minusF, delta);
    x[0] += delta[0], x[1] += delta[1];
  }
  return -1;
}

}  // namespace

TEST(NewtonRaphson, ComputeWithoutCallbacksDoesNothing) {
  double x[2] = {1, 2}, f[2] = {7, 7};
  Matrix J(std::vector<V>{{5, 5}, {5, 5}});
  Qira_InitializeNRsolver(2, 0, nullptr, nullptr);
  Qira_SetCallbacks(nullptr, nullptr);
  Qira_ComputeRHS(x, f);
  Qira_ComputeJacobian(x, J.rows());
  EXPECT_EQ(f[0], 7);
  EXPECT_EQ(J.data[1][1], 5);
}

TEST(NewtonRaphson, JacobianByForwardDifferences) {
  useModel(3, [](const V& x, double* f) { for (int i = 0; i < 3; ++i) f[i] = (i == 1 ? -3 : 2 - 1.5 * i) * x[i]; });
  double x[3] = {0.1, 7.3, -4.0}, f[3];
  NRsolver::Instance()->ComputeRHS(x, f);
  EXPECT_EQ(host.lastPoint, x) << "the residuals are evaluated at the host's own array";
  EXPECT_EQ(f[1], -21.9);
  host.calls = 0;
  Matrix J(std::vector<V>{{9, 9, 9}, {9, 9, 9}, {9, 9, 9}});
  NRsolver::Instance()->ComputeJacobian(x, J.rows());
  const double slope[3] = {2, -3, -1};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(J.data[i][j], i == j ? slope[i] : 0.0, 1e-12);
  EXPECT_EQ(host.calls, 4) << "n + 1 evaluations";
  EXPECT_EQ(x[1], 7.3) << "the host's point is left as it was";
  // F = x^2 at x = 1, step 1 %: (1.01^2 - 1) / 0.01 = 2.01 (hand calculation).
  useModel(1, [](const V& p, double* g) { g[0] = p[0] * p[0]; });
  double one[1] = {1.0};
  Matrix J1(std::vector<V>{{0}});
  NRsolver::Instance()->ComputeJacobian(one, J1.rows());
  EXPECT_NEAR(J1.data[0][0], 2.01, 1e-12);
  // A residual the callback leaves unwritten has a zero derivative.
  useModel(2, [](const V& p, double* g) { g[0] = p[0] + p[1]; });
  Matrix J2(std::vector<V>{{9, 9}, {9, 9}});
  double x2[2] = {1, 1};
  NRsolver::Instance()->ComputeJacobian(x2, J2.rows());
  EXPECT_EQ(J2.data[1][1], 0.0);
}

TEST(NewtonRaphson, HostIterationConverges) {
  double x[2] = {2, 0.3};
  const int iterations = solveCircleHyperbola(x);
  EXPECT_TRUE(iterations > 0 && iterations < 15) << iterations;
  // Root sqrt(2 + sqrt 3) of the system (solved by hand).
  EXPECT_NEAR(x[0], 1.9318516525781366, 1e-9);
  EXPECT_NEAR(x[1], 0.5176380902050415, 1e-9);
}

// Linear systems as the library reads them: sum over c of A[c][r] x[c] = b[r].
TEST(EquationSolver, SystemsAndSingularMatrices) {
  struct Case { const char* origin; std::vector<V> a; V b, want; bool ok; };
  const std::vector<Case> cases = {{"lower-triangular pair: 2 x0 + x1 = 2, x1 = 3 (hand calculation)", {{2, 0}, {1, 1}}, {2, 3}, {-0.5, 3}, true},
                                   {"identity", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {4, -5, 6}, {4, -5, 6}, true},
                                   {"rows needing swaps (solved by hand)", {{0, 1, 0}, {1, 0, 0}, {0, 0, 2}}, {3, 4, 8}, {4, 3, 4}, true},
                                   {"zero matrix", {{0, 0}, {0, 0}}, {2, 3}, {9, 9}, false},
                                   {"diag(1, 0): the first pivot is reused", {{1, 0}, {0, 0}}, {2, 3}, {2, 3}, true},
                                   {"diag(1, 0, 0): a column used twice", {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {2, 3, 4}, {9, 9, 9}, false}};
  for (const Case& c : cases) {
    Matrix A(c.a);
    V b = c.b, x(c.b.size(), 9.0);
    EXPECT_EQ(EquationSolver(A.rows(), b.data(), x.data(), static_cast<int>(b.size())), c.ok) << c.origin;
    for (size_t i = 0; i < x.size(); ++i) EXPECT_NEAR(x[i], c.want[i], 1e-12) << c.origin;
  }
}

TEST(EquationSolver, SameBitsAsTheNewtonRaphsonSolve) {
  unsigned state = 12345;
  auto next = [&state] { state = state * 1103515245u + 12345u; return static_cast<double>((state >> 8) % 2001) / 100.0 - 10.0; };
  for (int n = 1; n <= 11; ++n) {
    std::vector<V> rows(n, V(n));
    for (auto& r : rows)
      for (double& v : r) v = next();
    Matrix A(rows);
    V b(n), x1(n, 0.0), x2(n, 0.0);
    for (double& v : b) v = next();
    NRsolver::Instance()->InitNRsolver(n, 0, nullptr, nullptr);
    const bool ok1 = EquationSolver(A.rows(), b.data(), x1.data(), n);
    ASSERT_EQ(ok1, NRsolver::Instance()->ComputeNewDelta(A.rows(), b.data(), x2.data()));
    EXPECT_EQ(ok1, n <= 10) << "at most ten unknowns";
    EXPECT_EQ(std::memcmp(x1.data(), x2.data(), n * sizeof(double)), 0) << n;
  }
}

TEST(CubicSolver, RootsOfWorkedPolynomials) {
  // x^3 + a x^2 + b x + c with coefficients {a, b, c}; the kind is the number of real roots.
  struct Case { const char* origin; double a, b, c; int kind; double r0, r1, r2, tol; };
  const std::vector<Case> cases = {{"(x - 1)(x - 2)(x - 3)", -6, 11, -6, 3, 3, 1, 2, 3e-8},
                                   {"(x - 1)^2 (x + 2): discriminant 0", 0, -3, 2, 2, -2, 1, 1, 1e-12},
                                   {"x (x^2 + 1): real root, then the pair's real and imaginary parts", 0, 1, 0, 1, 0, 0, 1, 1e-8},
                                   {"x^3 - 1: 1 and -1/2 +- i sqrt(3)/2", 0, 0, -1, 1, 1, -0.5, 0.8660254, 1e-12},
                                   {"(x - 1)(x - 2)(x - 4): trigonometric roots, q < 0", -7, 14, -8, 3, 4, 1, 2, 3e-8},
                                   {"(x + 1)(x + 2)(x + 4): trigonometric roots, q > 0", 7, 14, 8, 3, -1, -4, -2, 3e-8},
                                   {"x^3", 0, 0, 0, 2, 0, 0, 0, 0},
                                   {"discriminant underflowing to 0 (fuzz regression)", 2.1411787520073738e-150, 5.5842353213110064e-222, 0, 2, 0, 0, 0, 1e-149}};
  for (const Case& c : cases) {
    const double coef[3] = {c.a, c.b, c.c};
    double r[3] = {7, 7, 7};
    EXPECT_EQ(SolveCubicEq(r, coef), c.kind) << c.origin;
    expectRows({{c.origin, r[0], c.r0, c.tol}, {c.origin, r[1], c.r1, c.tol}, {c.origin, r[2], c.r2, c.tol}});
  }
}

TEST(NormalDistribution, PublishedQuantilesAndTails) {
  // Standard normal table values (Abramowitz and Stegun 1964, Table 26.1 and 26.5).
  expectRows({{"ndtr(0)", ndtr(0), 0.5, 0},
              {"ndtr(1.96), A&S Table 26.1", ndtr(1.96), 0.9750021048517795, 1e-15},
              {"ndtr(-1.96)", ndtr(-1.96), 0.0249978951482205, 1e-15},
              {"ndtr(40)", ndtr(40), 1.0, 0},
              {"ndtr(-40)", ndtr(-40), 0.0, 0},
              {"ndtr at the tail switch, 0.5 erfc(5)", ndtr(-7.07106781186547), 7.687298972140453e-13, 1e-20},
              {"ndtri(0.5)", ndtri(0.5), 0.0, 0},
              {"ndtri(0.975), A&S Table 26.5", ndtri(0.975), 1.959963984540054, 1e-8},
              {"ndtri(0.025)", ndtri(0.025), -1.959963984540054, 1e-8},
              {"ndtri(0.99), A&S Table 26.5", ndtri(0.99), 2.326347874040841, 1e-8},
              {"ndtri(0.001)", ndtri(0.001), -3.090232306167814, 1e-7},
              {"ndtri(0) is the bound", ndtri(0), -1.7014118346046923e38, 0},
              {"ndtri(1.5) is the bound", ndtri(1.5), 1.7014118346046923e38, 0},
              {"ndtr(nan)", ndtr(kNaN), kNaN, 0},
              {"ndtri(nan)", ndtri(kNaN), kNaN, 0}});
  // Round trip, and continuity where the tail switches to the continued fraction.
  for (double p : {1e-10, 0.001, 0.02425, 0.3, 0.97575, 0.9999})
    EXPECT_NEAR(ndtr(ndtri(p)) / p, 1.0, 5e-8) << p;
  for (double sign : {-1.0, 1.0}) {
    const double edge = sign * 7.07106781186547;
    EXPECT_NEAR(ndtr(std::nextafter(edge, 0.0)) / ndtr(edge), 1.0, 1e-8);
    EXPECT_NEAR(ndtr(std::nextafter(edge, 100 * sign)) / ndtr(edge), 1.0, 1e-8);
  }
}
