"""Molecular weight, gravity and Watson K correlations and the Whitson gamma-distribution
split of a plus fraction. MW kg/kmol, SG 60F/60F, boiling points K, densities kg/m3."""
import ctypes
from collections import namedtuple

from .._core import MISSING, QiraError, call, doubles, number, optional, out_doubles, to_list


def uopk(mw, sg):
    """Watson K from MW and SG."""
    return call("Blend_uopk", number(mw, "mw"), number(sg, "sg"))


def mw_from_sg_kw(sg, kw):
    """MW from SG and Watson K."""
    return call("Blend_mw", number(sg, "sg"), number(kw, "kw"))


def sg_from_mw_kw(mw, kw):
    """SG from MW and Watson K (a heavy-end relation from MW 320 on)."""
    return call("Blend_sg", number(mw, "mw"), number(kw, "kw"))


def sg_katz_firoozabadi(tb):
    """Katz-Firoozabadi liquid density (kg/m3) from the normal boiling point (K)."""
    return call("Blend_sg_katz_firoozabadi", number(tb, "tb"))


def mw_twu(tb, density):
    """Twu molecular weight from the normal boiling point (K) and density (kg/m3)."""
    return call("Blend_mw_twu", number(tb, "tb"), number(density, "density"))


WhitsonSplit = namedtuple("WhitsonSplit", "fractions mws densities mw sg kw")


def whitson(nbp, mw=None, sg=None, kw=None, eta=0.0):
    """Splits a plus fraction (MW, SG, Watson K; at most one None) over the components
    with the NBPs `nbp` (K) by a gamma distribution. eta <= 0 lets the library choose the
    distribution's origin. Returns WhitsonSplit(fractions, mws, densities, mw, sg, kw)
    with the completed plus-fraction properties."""
    na, n = doubles(nbp, "nbp", minimum=1)
    fr, mws, dens = out_doubles(n), out_doubles(n), out_doubles(n)
    p_mw = ctypes.c_double(optional(mw, "mw"))
    p_sg = ctypes.c_double(optional(sg, "sg"))
    p_kw = ctypes.c_double(optional(kw, "kw"))
    ok = call("Blend_Whitson", n, fr, mws, dens, na, ctypes.byref(p_mw), ctypes.byref(p_sg),
              ctypes.byref(p_kw), number(eta, "eta"))
    if not ok:
        raise QiraError("Blend_Whitson", "the distribution's origin eta exceeds 0.9 MW")
    return WhitsonSplit(to_list(fr, n), to_list(mws, n), to_list(dens, n), p_mw.value,
                        p_sg.value, p_kw.value)


def gammln(x):
    """ln Gamma(x) by the Lanczos approximation."""
    return call("Blend_gammln", number(x, "x"))


def gammafun(x, alpha, beta):
    """The gamma density at x with shape alpha and scale beta."""
    return call("Blend_gammafun", number(x, "x"), number(alpha, "alpha"), number(beta, "beta"))


def whitson_convg(x, f, target, lo, hi, x_prev, f_prev, step):
    """One bracketing step of the shape-parameter search; returns the updated
    (x, lo, hi, x_prev, f_prev)."""
    cells = [ctypes.c_double(number(v)) for v in (x, lo, hi, x_prev, f_prev)]
    call("Blend_whitson_convg", ctypes.byref(cells[0]), number(f, "f"),
         number(target, "target"), ctypes.byref(cells[1]), ctypes.byref(cells[2]),
         ctypes.byref(cells[3]), ctypes.byref(cells[4]), number(step, "step"))
    return tuple(c.value for c in cells)


__all__ = ["uopk", "mw_from_sg_kw", "sg_from_mw_kw", "sg_katz_firoozabadi", "mw_twu",
           "whitson", "WhitsonSplit", "gammln", "gammafun", "whitson_convg", "MISSING"]
