"""Local curve fitting: the local spline, the three-point fit, linear interpolation and
the monotone interpolator. Tables are (x, y) sequences of equal length."""
import ctypes

from .._core import QiraError, call, doubles, number, out_doubles, to_list


def _table(x, y, minimum):
    xa, n = doubles(x, "x", minimum=minimum)
    ya, _ = doubles(y, "y", length=n)
    return xa, ya, n


def _evaluate(name, x, y, xq, minimum, message):
    xa, ya, n = _table(x, y, minimum)
    qa, m = doubles(xq, "xq")
    if m == 0:
        return []
    out = out_doubles(m)
    if not call(name, n, xa, ya, m, qa, out):
        raise QiraError(name, message)
    return to_list(out, m)


def simple_spline(x, y, xq):
    """The table (x, y) (at least 3 points, monotone in x) at the queries xq by local
    polynomials of degree 1 to 3; queries beyond the table by the three end points."""
    return _evaluate("Simple_spline", x, y, xq, 3, "a query could not be placed in the table")


def lstsqr(x, y, xq):
    """The three points (x[0..2], y[0..2]) at xq by the quadratic through them, or the
    straight line through the two end points on the query's side."""
    xa, _ = doubles(x, "x", length=3)
    ya, _ = doubles(y, "y", length=3)
    out = ctypes.c_double()
    if not call("Blend_lstsqr", xa, ya, number(xq, "xq"), ctypes.byref(out)):
        raise QiraError("Blend_lstsqr")
    return out.value


def linear(x, y, xq):
    """Piecewise-linear interpolation over increasing x (at least 2 points), the end
    intervals extended beyond the table."""
    return _evaluate("Blend_Linear", x, y, xq, 2, "a query is not a number")


def monotone_spline(x, y, xq):
    """The curve (x ascending, at least 3 points) at the ascending queries xq, with knots
    inserted until the results follow the curve's direction."""
    return _evaluate("Blend_spline", x, y, xq, 3,
                     "the curve could not be evaluated without reversals")
