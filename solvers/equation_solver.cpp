// Dense linear solve by Gauss-Jordan elimination with full pivoting, reading the
// matrix with its first index as the column.
#include <cmath>
#include <utility>

#include "QIRASolvers.h"
#include "frame/boundary.h"
#include "solvers/linear_solve.h"

namespace qira {

namespace {

constexpr int kNone = -1;

struct WorkSystem {
  double m[kMaxUnknowns][kMaxUnknowns];
  double b[kMaxUnknowns];
  int n;

  void swapRows(int r1, int r2) {
    for (int c = 0; c < n; ++c) std::swap(m[r1][c], m[r2][c]);
    std::swap(b[r1], b[r2]);
  }
};

// One pivot search over the rows and columns not yet used. Leaves the pivot indices as
// they were when no candidate above zero is found; false when a column has been used
// more than once.
bool searchPivot(const WorkSystem& w, const int* useCount, int& pivotRow, int& pivotCol) {
  double big = 0.0;
  for (int r = 0; r < w.n; ++r) {
    if (useCount[r] == 1) continue;
    for (int c = 0; c < w.n; ++c) {
      if (useCount[c] == 0) {
        if (std::fabs(w.m[r][c]) > big) {
          big = std::fabs(w.m[r][c]);
          pivotRow = r;
          pivotCol = c;
        }
      } else if (useCount[c] > 1) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool rowsPresent(const double* const* A, int n) {
  if (!A) return false;
  for (int i = 0; i < n; ++i)
    if (!A[i]) return false;
  return true;
}

bool gaussJordanTransposed(const double* const* A, const double* b, double* x, int n) {
  WorkSystem w;
  w.n = n;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) w.m[r][c] = A[c][r];
    w.b[r] = b[r];
  }
  int useCount[kMaxUnknowns] = {};
  // The pivot indices start as none once and carry over between steps: a step without
  // a candidate reuses the previous pivot.
  int pivotRow = kNone, pivotCol = kNone;
  for (int step = 0; step < n; ++step) {
    if (!searchPivot(w, useCount, pivotRow, pivotCol)) return false;
    if (pivotCol == kNone) return false;
    ++useCount[pivotCol];
    if (pivotRow != pivotCol) w.swapRows(pivotRow, pivotCol);
    const int pc = pivotCol;
    const double pivot = w.m[pc][pc];
    if (pivot == 0.0) return false;
    const double inverse = 1.0 / pivot;
    for (int c = 0; c < n; ++c) w.m[pc][c] *= inverse;
    w.b[pc] *= inverse;
    for (int ll = 0; ll < n; ++ll) {
      if (ll == pc) continue;
      const double d = w.m[ll][pc];
      for (int c = 0; c < n; ++c) w.m[ll][c] -= d * w.m[pc][c];
      w.b[ll] -= d * w.b[pc];
    }
  }
  for (int r = 0; r < n; ++r) x[r] = w.b[r];
  return true;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool EquationSolver(double** A, double* b, double* x, int n) {
  if (n <= 0) return true;
  if (n > qira::kMaxUnknowns || !b || !x || !qira::rowsPresent(A, n)) return false;
  return qira::guarded(false, [&] { return qira::gaussJordanTransposed(A, b, x, n); });
}

QIRA_C_END
