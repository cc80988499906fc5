"""Numerical services: the linear solver, the cubic solver, the normal distribution and
the Newton-Raphson pieces (residuals, Jacobian, step) over Python callables."""
import ctypes

from .._core import QiraError, call, doubles, library, number, out_doubles, to_list
from .._signatures import NR_SYMBOLS

_DOUBLE_P = ctypes.POINTER(ctypes.c_double)


def _matrix(rows, n, what="matrix"):
    rows = [doubles(r, what + " row", length=n)[0] for r in rows]
    if len(rows) != n:
        raise ValueError("%s must have %d rows" % (what, n))
    table = (_DOUBLE_P * max(n, 1))(*[ctypes.cast(r, _DOUBLE_P) for r in rows])
    return table, rows


def equation_solver(a, b):
    """x solving sum_c a[c][r] x[c] = b[r] for every r (the first index of `a` is the
    column), by Gauss-Jordan elimination with full pivoting; at most 10 unknowns."""
    ba, n = doubles(b, "b", minimum=1)
    table, _keep = _matrix(a, n, "a")
    x = out_doubles(n)
    if not call("EquationSolver", table, ba, x, n):
        raise QiraError("EquationSolver", "the system is singular")
    return to_list(x, n)


def solve_cubic(a, b, c):
    """(kind, roots) of x^3 + a x^2 + b x + c = 0: kind 1 gives (real root, real part,
    imaginary part of the complex pair), 2 (single root, double root, double root),
    3 three distinct real roots."""
    coeffs, _ = doubles([a, b, c], "coefficients", length=3)
    roots = out_doubles(3)
    kind = call("SolveCubicEq", roots, coeffs)
    return kind, tuple(to_list(roots, 3))


def ndtr(x):
    """The standard normal cumulative distribution at x."""
    return call("ndtr", number(x))


def ndtri(p):
    """The inverse of ndtr (+-2^127 outside (0, 1))."""
    return call("ndtri", number(p))


_CALLBACK = ctypes.CFUNCTYPE(None, _DOUBLE_P)


class NewtonRaphson:
    """The library's Newton-Raphson pieces for n residuals computed by a Python callable
    residuals(x) -> sequence of n floats. The library keeps one solver per process: the
    latest NewtonRaphson to call a method owns it. An exception raised by `residuals`
    cannot cross the library: ctypes prints it and the residuals keep their old values."""

    def __init__(self, n, residuals):
        if not 1 <= n <= 10:
            raise ValueError("the solver takes 1 to 10 unknowns")
        self.n = n
        self._residuals = residuals
        self._point = [0.0] * n
        self._vars_cb = _CALLBACK(self._take_point)
        self._res_cb = _CALLBACK(self._give_residuals)

    def _take_point(self, ptr):
        self._point = to_list(ptr, self.n)

    def _give_residuals(self, ptr):
        values = list(self._residuals(list(self._point)))
        for i in range(self.n):
            ptr[i] = float(values[i])

    def _fn(self, name):
        return library().function(NR_SYMBOLS[name])

    def _bind(self):
        self._fn("Qira_InitializeNRsolver")(self.n, 0, None, None)
        self._fn("Qira_SetCallbacks")(ctypes.cast(self._vars_cb, ctypes.c_void_p),
                                      ctypes.cast(self._res_cb, ctypes.c_void_p))

    def rhs(self, x):
        """The residuals at x, through the library."""
        self._bind()
        xa, _ = doubles(x, "x", length=self.n)
        f = out_doubles(self.n)
        self._fn("Qira_ComputeRHS")(xa, f)
        return to_list(f, self.n)

    def jacobian(self, x):
        """J[i][j] = dF_i/dx_j by forward differences of 0.01."""
        self._bind()
        xa, _ = doubles(x, "x", length=self.n)
        table, rows = _matrix([[0.0] * self.n] * self.n, self.n, "J")
        self._fn("Qira_ComputeJacobian")(xa, table)
        return [to_list(r, self.n) for r in rows]

    def new_delta(self, j, rhs):
        """delta solving sum_c j[c][r] delta[c] = rhs[r] (the library reads the first
        index of j as the column, so pass the transpose to solve J delta = rhs)."""
        table, _keep = _matrix(j, self.n, "j")
        ra, _ = doubles(rhs, "rhs", length=self.n)
        marker = float("nan")
        delta = out_doubles(self.n, marker)
        self._fn("Qira_ComputeNewDelta")(table, ra, delta)
        values = to_list(delta, self.n)
        if any(v != v for v in values):
            raise QiraError("Qira_ComputeNewDelta", "the system is singular")
        return values
