"""Blending indices (flash, pour, cloud, freeze, aniline and smoke points, Reid vapour
pressure, viscosity), cetane indices, viscosity estimates and octane blending.

Every function raises QiraError where the library returns the missing-value marker
(a value outside the index's domain, or a mix with nothing to blend). Units are those of
each property: see the docstrings."""
import ctypes

from .._core import MISSING, QiraError, call, checked, doubles, number, to_list


def _unary(name, doc):
    def fn(value):
        return checked(name, call(name, number(value)), "the value is outside the index's domain")
    fn.__name__ = name
    fn.__doc__ = doc
    return fn


aniline_point_index = _unary("AnilinePointIndex1", "Aniline point index exp(0.003652 AP).")
aniline_point_from_index = _unary("AnilinePointFromIndex1Mix", "Aniline point of a blended index.")
cloud_point_index1 = _unary("CloudPointIndex1", "Cloud point (K) index (1.8 T)^(1/0.55).")
cloud_point_from_index1 = _unary("CloudPointFromIndex1Mix", "Cloud point (K) of a blended index 1.")
cloud_point_index2 = _unary("CloudPointIndex2", "Cloud point (K) index (1.8 T)^(1/0.06).")
cloud_point_from_index2 = _unary("CloudPointFromIndex2Mix", "Cloud point (K) of a blended index 2.")
flash_point_index1 = _unary("FlashPointIndex1", "Flash point (K) index (1.8 T)^(-1/0.6).")
flash_point_from_index1 = _unary("FlashPointFromIndex1Mix", "Flash point (K) of a blended index 1.")
flash_point_index2 = _unary("FlashPointIndex2", "Flash point (F) index 10^(4345.2/(T+383)-6.1188).")
flash_point_from_index2 = _unary("FlashPointFromIndex2Mix", "Flash point (F) of a blended index 2.")
flash_point_index_wickey = _unary("FlashPointIndexWickey", "Flash point (C) index, Wickey form.")
flash_point_from_index_wickey = _unary("FlashPointFromIndexWickeyMix",
                                       "Flash point (C) of a blended Wickey index.")
freeze_point_index = _unary("FreezePointIndex1", "Freeze point (C) index.")
freeze_point_from_index = _unary("FreezePointFromIndex1Mix", "Freeze point (C) of a blended index.")
pour_point_index = _unary("PourPointIndex1", "Pour point (K) index; T must exceed 1e-30.")
pour_point_from_index = _unary("PourPointFromIndex1Mix", "Pour point (K) of a blended index.")
rvp_index = _unary("RVPIndex1", "Reid vapour pressure (kPa) index (0.145 RVP)^1.25.")
rvp_from_index = _unary("RVPFromIndex1Mix", "Reid vapour pressure (kPa) of a blended index.")
viscosity_index1 = _unary("Blend_ViscosityIndex1", "Viscosity (cSt) index log10(log10(nu + 0.08)).")
viscosity_from_index1 = _unary("Blend_ViscosityFromIndex1Mix", "Viscosity (cSt) of a blended index 1.")
viscosity_index2 = _unary("Blend_ViscosityIndex2", "Viscosity (cSt) index log10(log10(nu + 0.8)).")
viscosity_from_index2 = _unary("Blend_ViscosityFromIndex2Mix", "Viscosity (cSt) of a blended index 2.")


def _mix(name, doc):
    def fn(fractions, values):
        fa, n = doubles(fractions, "fractions", minimum=1)
        va, _ = doubles(values, "values", length=n)
        return checked(name, call(name, fa, va, n), "no component could be blended")
    fn.__name__ = name
    fn.__doc__ = doc + " Fractions are used as passed (no normalisation)."
    return fn


cloud_point_mix1 = _mix("CloudPointMix1", "Blend cloud point (K) by index 1.")
cloud_point_mix2 = _mix("CloudPointMix2", "Blend cloud point (K) by index 2.")
flash_point_mix = _mix("FlashPointMix1", "Blend flash point (K) by index 1.")
pour_point_mix1 = _mix("PourPointMix1", "Blend pour point (K) by index 1.")
pour_point_mix2 = _mix("PourPointMix2", "Blend pour point (K) by the Fahrenheit index exp(0.03 TF).")
rvp_mix = _mix("RVPMix1", "Blend Reid vapour pressure (kPa).")
smoke_point_mix = _mix("Blend_SmokePointMix1", "Blend smoke point by 1/SP.")
freeze_point_blend = _mix("Blend_FreezePoint", "Blend freeze point by the extremes rule.")


def cetane_index_d4737(d15, t10, t50, t90):
    """Cetane index, ASTM D4737, from the density at 15 C (g/cm3) and the 10, 50 and
    90 % recovery temperatures (K, strictly increasing)."""
    name = "Blend_CetaneIndexD4737"
    return checked(name, call(name, *[number(v) for v in (d15, t10, t50, t90)]),
                   "T10 < T50 < T90 does not hold")


def cetane_index_d976(api, t50):
    """Cetane index, ASTM D976, from API gravity and the 50 % temperature (K)."""
    name = "Blend_CetaneIndexD976"
    return checked(name, call(name, number(api), number(t50)), "T50 is below 0 F")


def cetane_index_d976_density(d15, t50):
    """Cetane index, ASTM D976 density form, from d15 (g/cm3) and T50 (K)."""
    return call("Blend_CetaneIndexD976_2", number(d15), number(t50))


def cetane_blending_index(a, t):
    """Blending index 0.9187 (a/10)^1.26687 (TF/100)^1.44227 at T (K; 145 F < TF < 375 F)."""
    name = "Blend_CetaneIndexD976_3"
    return checked(name, call(name, number(a), number(t)), "T is outside 145 F to 375 F")


def _two_viscosities(name, a, b):
    nu100, nu210 = ctypes.c_double(), ctypes.c_double()
    if not call(name, number(a), number(b), ctypes.byref(nu100), ctypes.byref(nu210)):
        raise QiraError(name)
    return nu100.value, nu210.value


def api_visc(watson_k, api):
    """(nu100, nu210): kinematic viscosities (cSt) at 100 F and 210 F from Watson K and
    API gravity."""
    return _two_viscosities("Blend_APIVisc", watson_k, api)


def twu_visc(density, tb):
    """(nu100, nu210): kinematic viscosities (cSt) at 100 F and 210 F by the Twu
    correlation from the liquid density (kg/m3) and normal boiling point (K)."""
    return _two_viscosities("Blend_TwuVisc", density, tb)


def healy_ron_mon(fractions, ron, mon, olefins, aromatics):
    """(RON, MON) of a blend by the Healy method (olefin and aromatic contents in
    percent); the linear blend when some MON/RON ratio lies outside 0.5 to 2."""
    fa, n = doubles(fractions, "fractions", minimum=1)
    arrays = [doubles(v, name, length=n)[0] for v, name in
              ((ron, "ron"), (mon, "mon"), (olefins, "olefins"), (aromatics, "aromatics"))]
    r, m = ctypes.c_double(), ctypes.c_double()
    if not call("Healy_RONMON", fa, n, *arrays, ctypes.byref(r), ctypes.byref(m)):
        raise QiraError("Healy_RONMON")
    return r.value, m.value


def mon_clear(ron, b):
    """MON estimated from a RON: 0.83 RON + 22.5 - 0.02 b."""
    return call("MonClear", number(ron), number(b))


def estimate_octane(temps, c1, c2, c3):
    """(octane number, (c1, c2, c3) normalised to percent) of a naphtha from its
    distillation temperatures (C) at 10, 30, 50, 70 and 90 % and three contents."""
    ta, _ = doubles(temps, "temps", length=5)
    cells = [ctypes.c_double(number(c)) for c in (c1, c2, c3)]
    value = call("estimate_octane", ta, *[ctypes.byref(c) for c in cells])
    if value == MISSING:
        raise QiraError("estimate_octane",
                        "a content or the 50 % point is missing, or the 50 % point is above 220 C")
    return value, tuple(c.value for c in cells)
