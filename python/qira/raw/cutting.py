"""Probability scale, cutting a TBP curve into pseudo-components, boiling-point sorting,
TBP temperatures at yields and the least-squares line. Temperatures in K, fractions 0-1."""
import ctypes

from .._core import QiraError, call, doubles, out_doubles, to_list


def norm_dist_y():
    """The 101 probability-scale scores of the cumulative fractions 0, 0.01, ..., 1."""
    out = out_doubles(101)
    call("Blend_NormDistY", out)
    return to_list(out, 101)


def comp_from_tbp(tbp, fractions, cuts):
    """Each component's fraction from cutting the TBP curve (tbp, cumulative fractions,
    both ascending) at the components' NBPs `cuts` (any order); the fractions add up to 1
    and come back in the order of `cuts`."""
    ta, n = doubles(tbp, "tbp", minimum=2)
    fa, _ = doubles(fractions, "fractions", length=n)
    ca, nc = doubles(cuts, "cuts", minimum=1)
    out = out_doubles(nc)
    if not call("Blend_GetCompFromTBP", ta, fa, n, ca, out, nc):
        raise QiraError("Blend_GetCompFromTBP", "the curve could not be cut")
    return to_list(out, nc)


def sort_nbp(values):
    """(ascending values, each sorted entry's position in the given list)."""
    va, n = doubles(values, "values")
    idx = (ctypes.c_int * max(n, 1))()
    if not call("Blend_SortNBP", va, idx, n):
        raise QiraError("Blend_SortNBP")
    return to_list(va, n), to_list(idx, n)


def tbp_from_yield(tbp, fractions, yields):
    """The temperatures (K) at which the cumulative curve (tbp, fractions; ascending)
    reaches the ascending yields."""
    ta, n = doubles(tbp, "tbp", minimum=1)
    fa, _ = doubles(fractions, "fractions", length=n)
    ya, m = doubles(yields, "yields", minimum=1)
    out = out_doubles(m)
    if not call("Blend_GetTBPFromYield", ta, fa, n, out, ya, m):
        raise QiraError("Blend_GetTBPFromYield", "the curve could not be read")
    return to_list(out, m)


def line_fit(x, y):
    """(slope, intercept, correlation) of the least-squares line y = slope x + intercept."""
    xa, n = doubles(x, "x", minimum=1)
    ya, _ = doubles(y, "y", length=n)
    slope, intercept, r = ctypes.c_double(), ctypes.c_double(), ctypes.c_double()
    call("pc_LineFit1", n, xa, ya, ctypes.byref(slope), ctypes.byref(intercept), ctypes.byref(r))
    return slope.value, intercept.value, r.value
