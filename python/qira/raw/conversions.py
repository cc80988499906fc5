"""Distillation curve conversions between D86, D2887, D1160 and TBP (kelvin)."""
from .._core import QiraError, call, doubles, number, out_doubles, require, to_list, MISSING
from .settings import reads_settings


def _curve_to_curve(name, curve, length, tbp_is_output):
    source, _ = doubles(curve, "curve", length=length)
    result = out_doubles(length)
    ok = call(name, result, source) if tbp_is_output else call(name, source, result)
    values = to_list(result, length)
    if not ok:
        if values and all(v == MISSING for v in values):
            raise QiraError(name, "the TBP 50 % point is not above 1e-6 F")
        raise QiraError(name, "the curve's points are out of order")
    return values


def d86_to_tbp(d86):
    """Nine-point D86 curve (K) to the nine-point TBP curve by API 3A1.1."""
    return _curve_to_curve("API3A11_D86toTBP", d86, 9, True)


def tbp_to_d86(tbp):
    """Nine-point TBP curve (K) to the nine-point D86 curve by API 3A1.1."""
    return _curve_to_curve("API3A11_TBPtoD86", tbp, 9, False)


@reads_settings
def d86_to_tbp_option(d86):
    """D86 to TBP with the segment extension: nine points, or seven with d86_method=0."""
    return _curve_to_curve("API3A11_D86toTBPOption", d86, call("D86BaseSizeOption"), True)


@reads_settings
def tbp_to_d86_option(tbp):
    """TBP to D86 with the segment extension: nine points, or seven with d86_method=0."""
    return _curve_to_curve("API3A11_TBPtoD86Option", tbp, call("D86BaseSizeOption"), False)


@reads_settings
def d2887_to_tbp(d2887):
    """Eight-point D2887 curve (K) to TBP by API 3A3.1 (reads constrain_range)."""
    return _curve_to_curve("API3A31_D2887toTBP", d2887, 8, True)


@reads_settings
def tbp_to_d2887(tbp):
    """Eight-point TBP curve (K) to D2887 by API 3A3.1 (reads constrain_range)."""
    return _curve_to_curve("API3A31_TBPtoD2887", tbp, 8, False)


def _single(name, tbp_f, d86_f, t, y, length):
    tbp_arr, _ = doubles(tbp_f, "tbp_f", length=length)
    d86_arr, _ = doubles(d86_f, "d86_f", length=length)
    value = call(name, tbp_arr, d86_arr, number(t, "t"), number(y, "y"))
    if value == MISSING:
        raise QiraError(name, "the yield is not a number")
    return value


def single_tbp_to_d86(tbp_f, d86_f, t, y):
    """One TBP temperature t (K) at yield y to D86 (K), from the stream's nine-point
    TBP and D86 curves given in degrees Fahrenheit."""
    return _single("SingleTBPtoD86", tbp_f, d86_f, t, y, 9)


@reads_settings
def single_tbp_to_d86_option(tbp_f, d86_f, t, y):
    """As single_tbp_to_d86 with nine- or seven-point curves (F) by the D86 method."""
    return _single("SingleTBPtoD86Option", tbp_f, d86_f, t, y, call("D86BaseSizeOption"))


def polynomial_tbp_to_d86(tbp):
    """Seven-point TBP curve (K) to seven-point D86 by the polynomial correlations."""
    return _curve_to_curve("API6_TBPtoD86", tbp, 7, False)


def tbp_to_d1160(tbp):
    """Four-point TBP curve (IBP, 10, 30, 50 %; K) to the four-point D1160 curve."""
    return _curve_to_curve("Blend_TBPtoD1160", tbp, 4, False)


def d1160_to_tbp(d1160):
    """Four-point D1160 curve (IBP, 10, 30, 50 %; K) to the four-point TBP curve."""
    return _curve_to_curve("Blend_D1160toTBP", d1160, 4, True)
