// Newton-Raphson helper singleton, linear solve, cubic roots and the normal distribution.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "QIRASolvers.h"
#include "library_loader.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBound = 1.7014118346046923e38;

// A square matrix as the interface passes it: n row pointers to n doubles.
struct Matrix {
  explicit Matrix(std::vector<std::vector<double>> rows) : data(std::move(rows)) {
    for (auto& r : data) pointers.push_back(r.data());
  }
  Matrix(std::initializer_list<std::vector<double>> rows)
      : Matrix(std::vector<std::vector<double>>(rows)) {}
  Matrix(const Matrix&) = delete;  // the row pointers point into this object's rows
  Matrix& operator=(const Matrix&) = delete;
  double** rows() { return pointers.data(); }
  std::vector<std::vector<double>> data;
  std::vector<double*> pointers;
};

// Host callbacks: the variables callback records the point, the residuals callback
// evaluates the current model there.
struct HostModel {
  std::vector<double> point;
  void (*residuals)(const std::vector<double>& x, double* F) = nullptr;
  int variableCalls = 0;
  int residualCalls = 0;
  const double* lastPointPtr = nullptr;
  const double* lastResidualPtr = nullptr;
  int n = 0;
};
HostModel model;

void variablesCallback(double* x) {
  ++model.variableCalls;
  model.lastPointPtr = x;
  model.point.assign(x, x + model.n);
}

void residualsCallback(double* F) {
  ++model.residualCalls;
  model.lastResidualPtr = F;
  model.residuals(model.point, F);
}

void useModel(int n, void (*residuals)(const std::vector<double>&, double*)) {
  model = HostModel{};
  model.n = n;
  model.residuals = residuals;
  NRsolver::Instance()->InitNRsolver(n, 0, nullptr, nullptr);
  NRsolver::Instance()->SetCallbacks(reinterpret_cast<void*>(&variablesCallback),
                                     reinterpret_cast<void*>(&residualsCallback));
}

}  // namespace

// Runs first in its process: nothing has been stored in the singleton yet.
TEST(NewtonRaphson, ComputeBeforeSetupDoesNothing) {
  double x[2] = {1, 2}, F[2] = {7, 7};
  Matrix J({{5, 5}, {5, 5}});
  Qira_ComputeRHS(x, F);  // creates the singleton; no callbacks stored yet
  Qira_ComputeJacobian(x, J.rows());
  EXPECT_EQ(F[0], 7);
  EXPECT_EQ(J.data[1][1], 5);
  // A dimension without callbacks is still not enough.
  Qira_InitializeNRsolver(2, 0, nullptr, nullptr);
  Qira_ComputeRHS(x, F);
  Qira_ComputeJacobian(x, J.rows());
  EXPECT_EQ(F[0], 7);
  EXPECT_EQ(J.data[0][0], 5);
}

TEST(NewtonRaphson, EntryPointsShareTheSingleton) {
  model = HostModel{};
  model.n = 1;
  model.residuals = [](const std::vector<double>& x, double* F) { F[0] = 3 * x[0]; };
  Qira_InitializeNRsolver(1, 4, nullptr, nullptr);
  Qira_SetCallbacks(reinterpret_cast<void*>(&variablesCallback),
                    reinterpret_cast<void*>(&residualsCallback));
  double x[1] = {2}, F[1] = {0};
  NRsolver::Instance()->ComputeRHS(x, F);
  EXPECT_EQ(F[0], 6);
  EXPECT_EQ(model.lastPointPtr, x) << "ComputeRHS passes the host's own arrays";
  EXPECT_EQ(model.lastResidualPtr, F);
  EXPECT_EQ(NRsolver::Instance(), NRsolver::Instance());
}

TEST(NewtonRaphson, JacobianByForwardDifferences) {
  useModel(3, [](const std::vector<double>& x, double* F) {
    const double a[] = {2, -3, 0.5};
    for (int i = 0; i < 3; ++i) F[i] = a[i] * x[i];
  });
  double x[3] = {0.1, 7.3, -4.0};
  double xCopy[3];
  std::memcpy(xCopy, x, sizeof x);
  Matrix J({{9, 9, 9}, {9, 9, 9}, {9, 9, 9}});
  NRsolver::Instance()->ComputeJacobian(x, J.rows());
  const double a[] = {2, -3, 0.5};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(J.data[i][j], i == j ? a[i] : 0.0, 1e-12);
  // n + 1 evaluations, always on the solver's work arrays; x bit-for-bit unchanged.
  EXPECT_EQ(model.variableCalls, 4);
  EXPECT_EQ(model.residualCalls, 4);
  EXPECT_NE(model.lastPointPtr, x);
  EXPECT_EQ(std::memcmp(x, xCopy, sizeof x), 0);

  // F = x^2 at x = 1: (1.01^2 - 1) / 0.01 = 2.01.
  useModel(1, [](const std::vector<double>& x, double* F) { F[0] = x[0] * x[0]; });
  double one[1] = {1.0};
  Matrix J1({{0}});
  NRsolver::Instance()->ComputeJacobian(one, J1.rows());
  EXPECT_NEAR(J1.data[0][0], 2.01, 1e-12);
  EXPECT_EQ(model.residualCalls, 2);
}

TEST(NewtonRaphson, UnwrittenResidualGivesZeroDerivative) {
  useModel(2, [](const std::vector<double>& x, double* F) { F[0] = x[0] + x[1]; });
  double x[2] = {1, 1};
  Matrix J({{9, 9}, {9, 9}});
  NRsolver::Instance()->ComputeJacobian(x, J.rows());
  EXPECT_NEAR(J.data[0][0], 1, 1e-12);
  EXPECT_EQ(J.data[1][0], 0.0);
  EXPECT_EQ(J.data[1][1], 0.0);
  // Null arrays or rows: nothing is called or written.
  model.variableCalls = 0;
  NRsolver::Instance()->ComputeJacobian(nullptr, J.rows());
  double* halfRows[2] = {J.data[0].data(), nullptr};
  NRsolver::Instance()->ComputeJacobian(x, halfRows);
  NRsolver::Instance()->ComputeRHS(x, nullptr);
  EXPECT_EQ(model.variableCalls, 0);
}

TEST(NewtonRaphson, NewDeltaSolvesTheTransposedSystem) {
  NRsolver* solver = NRsolver::Instance();
  solver->InitNRsolver(2, 0, nullptr, nullptr);
  Matrix J({{2, 0}, {1, 1}});
  double rhs[2] = {2, 3}, delta[2] = {0, 0};
  ASSERT_TRUE(solver->ComputeNewDelta(J.rows(), rhs, delta));
  EXPECT_DOUBLE_EQ(delta[0], -0.5);  // not {1, 2}: the first index is the column
  EXPECT_DOUBLE_EQ(delta[1], 3.0);

  solver->InitNRsolver(1, 0, nullptr, nullptr);
  Matrix J1({{4}});
  double r1[1] = {3}, d1[1] = {0};
  ASSERT_TRUE(solver->ComputeNewDelta(J1.rows(), r1, d1));
  EXPECT_EQ(d1[0], 0.75);
  Matrix Z1({{0}});
  d1[0] = 42;
  EXPECT_FALSE(solver->ComputeNewDelta(Z1.rows(), r1, d1));
  EXPECT_EQ(d1[0], 42);

  // More than ten unknowns is refused without touching delta.
  solver->InitNRsolver(11, 0, nullptr, nullptr);
  std::vector<std::vector<double>> big(11, std::vector<double>(11, 0.0));
  for (int i = 0; i < 11; ++i) big[i][i] = 1;
  Matrix J11(big);
  std::vector<double> b11(11, 1.0), d11(11, -5.0);
  EXPECT_FALSE(solver->ComputeNewDelta(J11.rows(), b11.data(), d11.data()));
  EXPECT_EQ(d11[0], -5.0);
  // Qira_ComputeNewDelta reports a failure only by leaving delta as it was.
  Qira_ComputeNewDelta(J11.rows(), b11.data(), d11.data());
  EXPECT_EQ(d11[10], -5.0);
}

namespace {

// Host-style Newton iteration: x^2 + y^2 = 4, x y = 1, from (2, 0.3). The solver's
// linear solve reads its matrix transposed, so the host passes J^T for J delta = -F.
template <typename Api>
int solveCircleHyperbola(const Api& api, double* x) {
  model = HostModel{};
  model.n = 2;
  model.residuals = [](const std::vector<double>& p, double* F) {
    F[0] = p[0] * p[0] + p[1] * p[1] - 4;
    F[1] = p[0] * p[1] - 1;
  };
  api.init(2, 0, nullptr, nullptr);
  api.callbacks(reinterpret_cast<void*>(&variablesCallback),
                reinterpret_cast<void*>(&residualsCallback));
  for (int iter = 1; iter <= 50; ++iter) {
    double F[2], minusF[2], delta[2] = {0, 0};
    api.rhs(x, F);
    if (std::fabs(F[0]) + std::fabs(F[1]) < 1e-10) return iter;
    Matrix J({{0, 0}, {0, 0}});
    api.jacobian(x, J.rows());
    Matrix Jt({{J.data[0][0], J.data[1][0]}, {J.data[0][1], J.data[1][1]}});
    minusF[0] = -F[0];
    minusF[1] = -F[1];
    api.delta(Jt.rows(), minusF, delta);
    x[0] += delta[0];
    x[1] += delta[1];
  }
  return -1;
}

struct EntryPoints {
  decltype(&Qira_InitializeNRsolver) init;
  decltype(&Qira_SetCallbacks) callbacks;
  decltype(&Qira_ComputeRHS) rhs;
  decltype(&Qira_ComputeJacobian) jacobian;
  decltype(&Qira_ComputeNewDelta) delta;
};

void expectCircleHyperbolaRoot(const double* x) {
  EXPECT_NEAR(x[0] * x[0] + x[1] * x[1], 4, 1e-9);
  EXPECT_NEAR(x[0] * x[1], 1, 1e-9);
  EXPECT_NEAR(x[0], std::sqrt(2 + std::sqrt(3.0)), 1e-6);
}

}  // namespace

TEST(NewtonRaphson, HostIterationThroughEntryPointsConverges) {
  const EntryPoints api{Qira_InitializeNRsolver, Qira_SetCallbacks, Qira_ComputeRHS,
                        Qira_ComputeJacobian, Qira_ComputeNewDelta};
  double x[2] = {2, 0.3};
  const int iterations = solveCircleHyperbola(api, x);
  ASSERT_GT(iterations, 0);
  EXPECT_LT(iterations, 15);
  expectCircleHyperbolaRoot(x);
}

TEST(NewtonRaphson, SharedLibraryExportsDecoratedEntryPoints) {
  // The library as built (QIRA_LIBRARY_PATH, set by the build), loaded at run time. It is
  // never unloaded: its solver singleton lives to the end of the process.
  static const QiraLibrary& lib = *new QiraLibrary(QIRA_LIBRARY_PATH);
  // The decorated names the host links against, by parameter types.
  EntryPoints api{};
  api.init = reinterpret_cast<decltype(api.init)>(lib.find("_Z23Qira_InitializeNRsolveriiPdS_"));
  api.callbacks = reinterpret_cast<decltype(api.callbacks)>(lib.find("_Z17Qira_SetCallbacksPvS_"));
  api.rhs = reinterpret_cast<decltype(api.rhs)>(lib.find("_Z15Qira_ComputeRHSPdS_"));
  api.jacobian =
      reinterpret_cast<decltype(api.jacobian)>(lib.find("_Z20Qira_ComputeJacobianPdPS_"));
  api.delta = reinterpret_cast<decltype(api.delta)>(lib.find("_Z20Qira_ComputeNewDeltaPPdS_S_"));
  ASSERT_NE(api.init, nullptr);
  ASSERT_NE(api.callbacks, nullptr);
  ASSERT_NE(api.rhs, nullptr);
  ASSERT_NE(api.jacobian, nullptr);
  ASSERT_NE(api.delta, nullptr);
  EXPECT_NE(lib.find("_ZN8NRsolver8InstanceEv"), nullptr);
  EXPECT_NE(lib.find("_ZN8NRsolver10m_NRsolverE"), nullptr);
  double x[2] = {2, 0.3};
  ASSERT_GT(solveCircleHyperbola(api, x), 0);
  expectCircleHyperbolaRoot(x);
}

TEST(EquationSolver, WorkedSystems) {
  Matrix A({{2, 0}, {1, 1}});
  double b[2] = {2, 3}, x[2] = {0, 0};
  ASSERT_TRUE(EquationSolver(A.rows(), b, x, 2));
  EXPECT_DOUBLE_EQ(x[0], -0.5);
  EXPECT_DOUBLE_EQ(x[1], 3.0);

  Matrix I({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
  double b3[3] = {4, -5, 6}, x3[3] = {};
  ASSERT_TRUE(EquationSolver(I.rows(), b3, x3, 3));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(x3[i], b3[i]);

  // A general system needing row swaps: sum_c A[c][r] x_c = b[r] holds for the result.
  Matrix G({{0.5, 4, -1}, {3, -2, 0.25}, {1, 1, 7}});
  double bg[3] = {1, -2, 3}, xg[3] = {};
  ASSERT_TRUE(EquationSolver(G.rows(), bg, xg, 3));
  for (int r = 0; r < 3; ++r) {
    double sum = 0;
    for (int c = 0; c < 3; ++c) sum += G.data[c][r] * xg[c];
    EXPECT_NEAR(sum, bg[r], 1e-12);
  }
}

TEST(EquationSolver, SingularSystemsAndPivotReuse) {
  double b[3] = {2, 3, 4}, x[3] = {9, 9, 9};
  Matrix Z({{0, 0}, {0, 0}});
  EXPECT_FALSE(EquationSolver(Z.rows(), b, x, 2));
  EXPECT_EQ(x[0], 9);
  // diag(1, 0): the second step finds no candidate and reuses the first pivot.
  Matrix D2({{1, 0}, {0, 0}});
  ASSERT_TRUE(EquationSolver(D2.rows(), b, x, 2));
  EXPECT_EQ(x[0], 2);
  EXPECT_EQ(x[1], 3);
  // diag(1, 0, 0): the reuse leaves a column used twice, which the third search meets.
  Matrix D3({{1, 0, 0}, {0, 0, 0}, {0, 0, 0}});
  x[0] = 9;
  EXPECT_FALSE(EquationSolver(D3.rows(), b, x, 3));
  EXPECT_EQ(x[0], 9);
}

TEST(EquationSolver, ArgumentChecks) {
  double b[2] = {1, 1}, x[2] = {9, 9};
  Matrix A({{1, 0}, {0, 1}});
  EXPECT_TRUE(EquationSolver(A.rows(), b, x, 0));
  EXPECT_TRUE(EquationSolver(nullptr, nullptr, nullptr, -1));
  EXPECT_EQ(x[0], 9) << "n = 0 writes nothing";
  EXPECT_FALSE(EquationSolver(nullptr, b, x, 2));
  EXPECT_FALSE(EquationSolver(A.rows(), nullptr, x, 2));
  EXPECT_FALSE(EquationSolver(A.rows(), b, nullptr, 2));
  double* partial[2] = {A.data[0].data(), nullptr};
  EXPECT_FALSE(EquationSolver(partial, b, x, 2));
  std::vector<std::vector<double>> big(11, std::vector<double>(11, 0.0));
  for (int i = 0; i < 11; ++i) big[i][i] = 1;
  Matrix A11(big);
  std::vector<double> b11(11, 1.0), x11(11, 9.0);
  EXPECT_FALSE(EquationSolver(A11.rows(), b11.data(), x11.data(), 11));
  EXPECT_EQ(x11[0], 9.0);
}

TEST(EquationSolver, BitIdenticalToNewDelta) {
  unsigned state = 12345;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<double>((state >> 8) % 2001) / 100.0 - 10.0;
  };
  for (int n = 1; n <= 10; ++n) {
    std::vector<std::vector<double>> rows(n, std::vector<double>(n));
    for (auto& r : rows)
      for (double& v : r) v = next();
    Matrix A(rows);
    std::vector<double> b(n), x1(n, 0.0), x2(n, 0.0);
    for (double& v : b) v = next();
    NRsolver::Instance()->InitNRsolver(n, 0, nullptr, nullptr);
    const bool ok1 = EquationSolver(A.rows(), b.data(), x1.data(), n);
    const bool ok2 = NRsolver::Instance()->ComputeNewDelta(A.rows(), b.data(), x2.data());
    ASSERT_EQ(ok1, ok2);
    EXPECT_EQ(std::memcmp(x1.data(), x2.data(), n * sizeof(double)), 0) << n;
  }
}

TEST(CubicSolver, WorkedExamples) {
  double roots[3];
  const double threeReal[3] = {-6, 11, -6};  // (x - 1)(x - 2)(x - 3)
  ASSERT_EQ(SolveCubicEq(roots, threeReal), 3);
  EXPECT_NEAR(roots[0], 3, 3e-8);
  EXPECT_NEAR(roots[1], 1, 1e-8);
  EXPECT_NEAR(roots[2], 2, 2e-8);

  const double doubleRoot[3] = {0, -3, 2};  // (x - 1)^2 (x + 2), D = 0
  ASSERT_EQ(SolveCubicEq(roots, doubleRoot), 2);
  EXPECT_EQ(roots[0], -2);
  EXPECT_EQ(roots[1], 1);
  EXPECT_EQ(roots[2], 1);

  const double complexPair[3] = {0, 1, 0};  // x (x^2 + 1)
  ASSERT_EQ(SolveCubicEq(roots, complexPair), 1);
  EXPECT_EQ(roots[0], 0);
  EXPECT_EQ(roots[1], 0);
  EXPECT_NEAR(roots[2], 0.9999999956, 1e-10) << "shortened by the seven-decimal 0.8660254";

  const double unity[3] = {0, 0, -1};  // x^3 - 1: u = 1, v = 0
  ASSERT_EQ(SolveCubicEq(roots, unity), 1);
  EXPECT_EQ(roots[0], 1);
  EXPECT_EQ(roots[1], -0.5);
  EXPECT_EQ(roots[2], 0.8660254);

  const double zero[3] = {0, 0, 0};
  ASSERT_EQ(SolveCubicEq(roots, zero), 2);
  for (double r : roots) EXPECT_EQ(r, 0.0);
}

TEST(CubicSolver, NotANumberAndNullPointers) {
  double roots[3] = {1, 1, 1};
  const double bad[3] = {kNaN, 1, 1};
  ASSERT_EQ(SolveCubicEq(roots, bad), 3);
  for (double r : roots) EXPECT_TRUE(std::isnan(r));
  EXPECT_EQ(SolveCubicEq(nullptr, bad), 0);
  EXPECT_EQ(SolveCubicEq(roots, nullptr), 0);
}

TEST(NormalDistribution, CumulativeFunction) {
  EXPECT_EQ(ndtr(0), 0.5);
  EXPECT_EQ(ndtr(40), 1.0);
  EXPECT_EQ(ndtr(-40), 0.0);
  // Reference value 0.5 erfc(-x / sqrt 2).
  EXPECT_NEAR(ndtr(1.96), 0.9750021048517795, 1e-15);
  // At the switch the continued fraction gives 7.687298944391138e-13 (independent
  // transcription), 3.6e-9 relative below 0.5 erfc(x / sqrt 2) = 7.687298972140453e-13.
  EXPECT_NEAR(ndtr(-7.07106781186547), 7.687298944391138e-13, 1e-27);
  EXPECT_NEAR(ndtr(-7.07106781186547), 7.687298972140453e-13, 1e-20);
  // Continuity where the tail switches to the continued fraction.
  const double edge = 7.07106781186547;
  for (double sign : {-1.0, 1.0}) {
    const double below = ndtr(sign * std::nextafter(edge, 0.0));
    const double at = ndtr(sign * edge);
    const double above = ndtr(sign * std::nextafter(edge, 100.0));
    EXPECT_LT(std::fabs(below - at), 1e-15);
    EXPECT_LT(std::fabs(above - at), 1e-15);
  }
  EXPECT_NEAR(ndtr(-7.07106781186547) / ndtr(-std::nextafter(7.07106781186547, 0.0)), 1.0, 1e-8)
      << "relative step of the two tail forms in the lower tail";
  EXPECT_TRUE(std::isnan(ndtr(kNaN)));
}

TEST(NormalDistribution, InverseFunction) {
  EXPECT_EQ(ndtri(0.5), 0.0);
  EXPECT_EQ(ndtri(0), -kBound);
  EXPECT_EQ(ndtri(-0.1), -kBound);
  EXPECT_EQ(ndtri(1), kBound);
  EXPECT_EQ(ndtri(1.5), kBound);
  // 1.959963984540054 and 2.326347874040841 are the exact quantiles; the approximation
  // keeps a relative error of order 1e-9 without refinement.
  EXPECT_NEAR(ndtri(0.975), 1.959963984540054, 1e-8);
  EXPECT_NEAR(ndtri(0.025), -1.959963984540054, 1e-8);
  EXPECT_NEAR(ndtri(0.01), -2.326347874040841, 1e-8);
  EXPECT_NEAR(ndtri(0.99), 2.326347874040841, 1e-8);
  for (double p : {1e-10, 0.001, 0.02425, 0.3, 0.97575, 0.9999}) {
    const double x = ndtri(p);
    EXPECT_NEAR(ndtr(x) / p, 1.0, 5e-8) << p;
  }
  EXPECT_TRUE(std::isnan(ndtri(kNaN)));
}
