/** @file
 * Numerical services: Newton-Raphson solver, linear and cubic solvers, normal
 * distribution.
 *
 * Matrices cross the interface as n row pointers, each to n doubles, caller-owned. The
 * linear solves support at most 10 unknowns. They read the first index of the matrix as
 * the column: the system solved is sum_c A[c][r] x_c = b[r] for every r, so a host that
 * wants A x = b passes the transpose. Solves are Gauss-Jordan elimination with full
 * pivoting (Press, W.H. et al., Numerical Recipes, 2nd ed., 1992, section 2.1, gaussj); a
 * zero pivot is reported as a failed solve, never divided by.
 */
#ifndef QIRA_SOLVERS_H
#define QIRA_SOLVERS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Solves sum_c A[c][r] x_c = b[r] (r = 0..n-1). A and b are read only; x (n doubles) is
 * written only when the result is true. False, with x untouched, for a singular system
 * met by the pivot search, more than 10 unknowns, or a null array or row. n <= 0 solves
 * nothing and returns true.
 * @param[in] A [n][n] matrix, n row pointers (first index the column)
 * @param[in] b [n] right-hand side
 * @param[out] x [n] solution
 * @param[in] n number of unknowns, <= 10
 */
QIRA_API bool EquationSolver(double** A, double* b, double* x, int n);

/** Roots of x^3 + a x^2 + b x + c = 0, coefficients = {a, b, c}, in closed form: Cardano's
 * formula when one root is real, the trigonometric form (Abramowitz, M. and Stegun,
 * I.A., 1964, Handbook of Mathematical Functions, 3.8.2) when three are. The constants
 * sqrt(3)/2, pi/2 and 2 pi/3 are used to seven decimals (0.8660254, 1.5707963,
 * 2.0943951), so roots carry errors of about 1e-8 relative. Returns 1 (roots[0] the
 * real root, roots[1] and roots[2] the real and imaginary parts of the complex pair), 2
 * (roots[0] the single root, roots[1] = roots[2] the double root; also when the
 * coefficients are so small that the discriminant underflows) or 3 (three real roots). A not-a-number coefficient gives not-a-number roots with result 3. Returns 0,
 * writing nothing, for a null pointer.
 * @param[out] roots [3] roots (layout by the result)
 * @param[in] coefficients [3] a, b, c
 */
QIRA_API int SolveCubicEq(double* roots, const double* coefficients);

/** Standard normal cumulative distribution Phi(x), in [0, 1]; not-a-number for NaN. The
 * double-precision rational approximation of Hart, J.F. et al., 1968, Computer
 * Approximations (Wiley), algorithm 5666, for |x| < 7.07106781186547 and a continued
 * fraction beyond (0 beyond 37), in the arrangement of West, G., 2005, "Better
 * approximations to cumulative normal functions", Wilmott Magazine, May 2005:70-76;
 * accurate to double precision.
 * @param[in] x standard normal variate
 */
QIRA_API double ndtr(double x);

/** Inverse of the standard normal distribution: x with Phi(x) ~ p by the three-region
 * rational approximation of Acklam, P.J. (2003, "An algorithm for computing the inverse
 * normal cumulative distribution function"), without the refinement step: relative
 * error about 1.15e-9. -1.7014118346046923e38 for p <= 0, +1.7014118346046923e38 for
 * p >= 1, and not-a-number for a not-a-number p.
 * @param[in] p probability
 */
QIRA_API double ndtri(double p);

QIRA_C_END

#ifdef __cplusplus

/** The process-wide Newton-Raphson helper: residuals at a point, a forward-difference
 * Jacobian (step 0.01) and the linear solve for the step, with residuals supplied by two
 * host callbacks. Both callbacks take one double* (n values) and their results are
 * ignored: the variables callback receives the point, the residuals callback then fills
 * the n residuals at that point. The callbacks and arrays stored are kept until stored
 * again; the host owns the iteration and calls from one thread at a time, with arrays of
 * the dimension it stored (shorter arrays cannot be detected).
 *
 * ComputeRHS and ComputeJacobian do nothing until a dimension of at least 1 and both
 * callbacks are stored, or when a host pointer is null. Method signatures stay
 * non-const: hosts link against these decorated names. */
class QIRA_API NRsolver {
 public:
  /** The singleton, created on first call and kept to the end of the process; creation
   * is thread-safe (concurrent first calls all receive the one instance). Null only when
   * memory runs out. Its stored fields are shared by every thread: one thread at a time
   * drives the solver. */
  static NRsolver* Instance();
  /** Destroys the solver (the singleton itself is kept to the end of the process). */
  ~NRsolver();
  /** Copies all six fields.
   * @param[in] other the solver copied
   */
  NRsolver& operator=(const NRsolver& other);

  /** Stores the dimension n, a second count and two arrays (not read by any operation).
   * @param[in] dimension number of unknowns n
   * @param[in] secondCount stored, not read
   * @param[in] firstArray [stored] stored, not read
   * @param[in] secondArray [stored] stored, not read
   */
  void InitNRsolver(int dimension, int secondCount, double* firstArray, double* secondArray);
  /** Stores the two host callbacks, each a function taking one double* (see the class).
   * @param[in] variablesCallback [function] host function taking one double* (receives the
   *     point)
   * @param[in] residualsCallback [function] host function taking one double* (fills the
   *     residuals)
   */
  void SetCallbacks(void* variablesCallback, void* residualsCallback);
  /** F (n values) receives the residuals at x.
   * @param[in] x [n] point
   * @param[out] F [n] residuals at x
   */
  void ComputeRHS(double* x, double* F);
  /** J[i][j] = dF_i/dx_j by forward differences of 0.01; x is not modified. The callbacks
   * are called n + 1 times each, on the solver's own work arrays.
   * @param[in] x [n] point
   * @param[out] J [n][n] Jacobian, n row pointers
   */
  void ComputeJacobian(double* x, double** J);
  /** Solves sum_c J[c][r] delta_c = rhs[r]; true when delta was written. False, with delta
   * untouched, for a singular system, more than 10 unknowns or a null array or row.
   * @param[in] J [n][n] Jacobian, n row pointers (first index the column)
   * @param[in] rhs [n] right-hand side
   * @param[out] delta [n] step (untouched on failure)
   */
  bool ComputeNewDelta(double** J, double* rhs, double* delta);

 private:
  NRsolver();
  static NRsolver* m_NRsolver;

  int m_Dimension;
  int m_SecondCount;
  double* m_FirstArray;
  double* m_SecondArray;
  void* m_VariablesCallback;
  void* m_ResidualsCallback;
};

/** @name The solver's entry points
 * Each obtains the singleton (creating it if needed) and passes the call on to the
 * member of the same role. */
/** @{ */
/** NRsolver::InitNRsolver on the singleton.
 * @param[in] dimension number of unknowns n
 * @param[in] secondCount stored, not read
 * @param[in] firstArray [stored] stored, not read
 * @param[in] secondArray [stored] stored, not read
 */
QIRA_API void Qira_InitializeNRsolver(int dimension, int secondCount, double* firstArray,
                                      double* secondArray);
/** NRsolver::SetCallbacks on the singleton.
 * @param[in] variablesCallback [function] host function taking one double* (receives the
 *     point)
 * @param[in] residualsCallback [function] host function taking one double* (fills the
 *     residuals)
 */
QIRA_API void Qira_SetCallbacks(void* variablesCallback, void* residualsCallback);
/** NRsolver::ComputeRHS on the singleton.
 * @param[in] x [n] point
 * @param[out] F [n] residuals at x
 */
QIRA_API void Qira_ComputeRHS(double* x, double* F);
/** NRsolver::ComputeJacobian on the singleton.
 * @param[in] x [n] point
 * @param[out] J [n][n] Jacobian, n row pointers
 */
QIRA_API void Qira_ComputeJacobian(double* x, double** J);
/** NRsolver::ComputeNewDelta on the singleton; returns nothing: a failed solve leaves
 * delta as it was.
 * @param[in] J [n][n] Jacobian, n row pointers (first index the column)
 * @param[in] rhs [n] right-hand side
 * @param[out] delta [n] step (untouched on failure)
 */
QIRA_API void Qira_ComputeNewDelta(double** J, double* rhs, double* delta);
/** @} */

#endif /* __cplusplus */

#endif /* QIRA_SOLVERS_H */
