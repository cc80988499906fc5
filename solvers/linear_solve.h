// Gauss-Jordan solve with full pivoting shared by the Newton-Raphson step and the
// stateless equation solver.
#pragma once

namespace qira {

// The pivot bookkeeping holds this many unknowns.
constexpr int kMaxUnknowns = 10;

// Solves sum_c A[c][r] x_c = b[r] for r = 0..n-1 (A's first index is the column).
// 0 <= n <= kMaxUnknowns, every row pointer valid. Writes x only on success; false when
// the pivot search meets a column used twice, finds no candidate on its first step, or
// lands on a zero pivot.
bool gaussJordanTransposed(const double* const* A, const double* b, double* x, int n);

// True when n rows of A are non-null (A itself non-null).
bool rowsPresent(const double* const* A, int n);

}  // namespace qira
