#include <cstdio>
#include "QIRAPropCalculator.h"

// Residuals of x0^2 + x1^2 = 4 and x0 = x1 (solution sqrt(2), sqrt(2)).
static double point[2];
static void takePoint(double* x) { point[0] = x[0]; point[1] = x[1]; }
static void residuals(double* f) {
  f[0] = point[0] * point[0] + point[1] * point[1] - 4.0;
  f[1] = point[0] - point[1];
}

int main() {
  double r0[2] = {2, 0}, r1[2] = {1, 1};
  double* A[2] = {r0, r1};
  double b[2] = {2, 3}, x[2];
  if (EquationSolver(A, b, x, 2)) std::printf("linear: %.4f %.4f\n", x[0], x[1]);

  const double cubic[3] = {-6, 11, -6};  // (x - 1)(x - 2)(x - 3)
  double roots[3];
  const int kind = SolveCubicEq(roots, cubic);
  std::printf("cubic kind %d: %.6f %.6f %.6f\n", kind, roots[0], roots[1], roots[2]);
  std::printf("ndtr(1.96) = %.6f, ndtri(0.975) = %.6f\n", ndtr(1.96), ndtri(0.975));

  Qira_InitializeNRsolver(2, 0, nullptr, nullptr);
  Qira_SetCallbacks(reinterpret_cast<void*>(&takePoint), reinterpret_cast<void*>(&residuals));
  double v[2] = {1.0, 0.5}, f[2], j0[2], j1[2], jt0[2], jt1[2], delta[2];
  double* J[2] = {j0, j1};
  double* Jt[2] = {jt0, jt1};
  for (int it = 0; it < 20; ++it) {
    Qira_ComputeRHS(v, f);
    if (f[0] * f[0] + f[1] * f[1] < 1e-20) break;
    Qira_ComputeJacobian(v, J);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 2; ++c) Jt[c][r] = J[r][c];  // solve J delta = -F
    double rhs[2] = {-f[0], -f[1]};
    Qira_ComputeNewDelta(Jt, rhs, delta);
    v[0] += delta[0];
    v[1] += delta[1];
  }
  std::printf("Newton-Raphson: %.8f %.8f\n", v[0], v[1]);
  return 0;
}
