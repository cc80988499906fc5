"""Laboratory-curve reading and cutting, NBP range fractions, yield cuts, mid-cut
boiling points and extrapolation correction. Temperatures in K, fractions 0-1."""
import ctypes
import math

from .._core import MISSING, QiraError, call, doubles, number, optional, out_doubles, to_list
from .settings import reads_settings


def _lab_curve(fractions, temps):
    fa, n = doubles(fractions, "fractions", minimum=1)
    ta, _ = doubles(temps, "temps", length=n)
    return fa, ta, n


def _reader(name, fractions, temps, capacity):
    fa, ta, n = _lab_curve(fractions, temps)
    tbp, frac = out_doubles(capacity), out_doubles(capacity)
    count = call(name, n, fa, ta, tbp, frac)
    if count < 1:
        raise QiraError(name, "the laboratory curve could not be read")
    values = to_list(tbp, count)
    if any(v == MISSING or math.isnan(v) for v in values):
        raise QiraError(name, "the readings could not be converted to TBP")
    return to_list(frac, count), values


@reads_settings
def d86_lab_to_tbp(fractions, temps):
    """(the nine D86 grid fractions, the TBP temperatures there) of a D86 laboratory
    curve read at its grid and converted by API 3A1.1."""
    return _reader("BlendD86toTBP", fractions, temps, 9)


@reads_settings
def d86_lab_to_tbp_option(fractions, temps):
    """As d86_lab_to_tbp on the grid of the D86 method (nine or seven points)."""
    return _reader("BlendD86toTBPOption", fractions, temps, 9)


@reads_settings
def d2887_lab_to_tbp(fractions, temps):
    """(the eight D2887 grid fractions, the TBP temperatures there) of a D2887 curve."""
    return _reader("BlendD2887toTBP", fractions, temps, 8)


@reads_settings
def d1160_lab_to_tbp(fractions, temps):
    """(fractions, TBP temperatures) of a D1160 curve: IBP, 10, 30, 50 % converted, then
    every laboratory point above 0.4999999 unconverted."""
    fa, n = doubles(fractions, "fractions", minimum=1)
    return _reader("BlendD1160toTBP", fractions, temps, call("D1160BaseSize", n, fa))


def _cutter(name, fractions, temps, cuts):
    fa, ta, n = _lab_curve(fractions, temps)
    ca, nc = doubles(cuts, "cuts", minimum=1)
    out = out_doubles(nc)
    call(name, n, fa, ta, ca, out, nc)
    values = to_list(out, nc)
    if any(math.isnan(v) for v in values):
        raise QiraError(name, "the curve could not be read, converted or cut")
    return values


@reads_settings
def d86_comp(fractions, temps, cuts):
    """The fractions of the components with NBPs `cuts` from a D86 laboratory curve."""
    return _cutter("Blend_GetD86Comp", fractions, temps, cuts)


@reads_settings
def d86_comp_option(fractions, temps, cuts):
    """As d86_comp on the grid of the D86 method."""
    return _cutter("Blend_GetD86CompOption", fractions, temps, cuts)


@reads_settings
def d2887_comp(fractions, temps, cuts):
    """The component fractions from a D2887 curve (with d2887_option nonzero the curve is
    cut directly as a TBP curve)."""
    return _cutter("Blend_GetD2887Comp", fractions, temps, cuts)


@reads_settings
def d1160_comp(fractions, temps, cuts):
    """The component fractions from a D1160 laboratory curve."""
    return _cutter("Blend_GetD1160Comp", fractions, temps, cuts)


def _corrected(name, curve, first_measured, last_measured, lo, hi):
    arr, n = doubles(curve, "curve", minimum=1)
    call(name, arr, int(first_measured), int(last_measured), n, optional(lo, "lo"),
         optional(hi, "hi"))
    return to_list(arr, n)


def correct_extrapolation(curve, first_measured, last_measured, lo=None, hi=None):
    """The curve with its extrapolated ends (before first_measured, after last_measured)
    compressed onto the bounds lo and hi (None: no bound)."""
    return _corrected("CorrectExtrapolation", curve, first_measured, last_measured, lo, hi)


def correct_user_curve(curve, first_measured, last_measured, lo=None, hi=None):
    """As correct_extrapolation, always running the four end corrections (a measured
    anchor below 1e-6 with lo = 0 is first lifted to 1.1e-6)."""
    return _corrected("Blend_CorrectUserCurveOverExtrapolation", curve, first_measured,
                      last_measured, lo, hi)


def cbp(fractions, nbp, upper_bound=None):
    """Each component's boiling point (K) at the middle of its own cut of the TBP curve
    through (NBP, cumulative fraction); upper_bound replaces a lower highest NBP."""
    fa, n = doubles(fractions, "fractions")
    na, _ = doubles(nbp, "nbp", length=n)
    out = out_doubles(n)
    if not call("Blend_CBP", fa, na, n, out, 0.0, optional(upper_bound, "upper_bound")):
        raise QiraError("Blend_CBP", "the components' curve could not be read")
    return to_list(out, n)


def nbp_temp_bound(nbp, fractions, lower=None, upper=None, per_component=True):
    """(fraction of the material boiling within (lower, upper], each component's share of
    that material or None). None for a bound means no bound on that side."""
    na, n = doubles(nbp, "nbp", minimum=1)
    fa, _ = doubles(fractions, "fractions", length=n)
    shares = out_doubles(n) if per_component else None
    total = ctypes.c_double(math.nan)
    if not call("Blend_NBPTempBound", optional(upper, "upper"), optional(lower, "lower"), na,
                fa, n, shares, ctypes.byref(total)):
        raise QiraError("Blend_NBPTempBound", "the fractions do not sum to 1 within 1e-10")
    return total.value, (to_list(shares, n) if per_component else None)


@reads_settings
def tbp_cuts_from_nbp(yields, nbp, fractions, point_mode=True):
    """TBP temperatures (K) at the ascending cumulative yields of the components' blended
    TBP curve."""
    ya, m = doubles(yields, "yields", minimum=1)
    na, n = doubles(nbp, "nbp", minimum=1)
    fa, _ = doubles(fractions, "fractions", length=n)
    out = out_doubles(m)
    ok = call("Blend_GetTBPCutsFromNBP", out, ya, m, na, fa, n, bool(point_mode))
    values = to_list(out, m)
    if not ok or any(v == MISSING for v in values):
        raise QiraError("Blend_GetTBPCutsFromNBP", "the components' curve could not be read")
    return values
