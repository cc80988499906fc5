"""Closed-form property estimates of petroleum fractions (units per function)."""
import ctypes

from .._core import QiraError, call, checked, number


def _out(name, *args, count=1, message="the estimate could not be made"):
    cells = [ctypes.c_double() for _ in range(count)]
    if not call(name, *[number(a) for a in args], *[ctypes.byref(c) for c in cells]):
        raise QiraError(name, message)
    return cells[0].value if count == 1 else tuple(c.value for c in cells)


def bulk_sulphur_riazi(x, mw, density):
    """Sulphur content estimate from x, the molecular weight and the density (kg/m3)."""
    return _out("Blend_EstatimateBulkSulphurByRiazi", x, mw, density)


def c5_asphaltenes(a):
    """C5 asphaltenes estimate, 0.01272 a^2 + 0.74195 a (a >= 0)."""
    name = "Blend_EstimateC5asphaltenes"
    return checked(name, call(name, number(a)), "a is negative")


def ccr(v):
    """Conradson carbon residue estimate, max(148.7 - 86.96/v, 0) for v > 0."""
    return call("Blend_EstimateCCR", number(v))


def cloud_point(tb, sg):
    """Cloud point (C) from the boiling point (C) and specific gravity."""
    return _out("Blend_EstimateCloudPt", tb, sg, message="the boiling point is at or below absolute zero")


def naphthenic_by_ndm(mw, density, sulphur, tb):
    """(R1, R2) ring contents by the n-d-M method from MW, density (kg/m3), sulphur
    (percent) and boiling point (C)."""
    return _out("Blend_EstimateNaphthenicByNDM", 0.0, mw, density, sulphur, tb, count=2)


def pna_riazi_roomi(x, density):
    """(P, N, A) percent split from x and the density (kg/m3)."""
    return _out("Blend_EstimatePNAbyRiaziRoomi", x, density, count=3)


def softening_point(v):
    """Softening point estimate (quartic in v)."""
    name = "Blend_EstimateSofteningPoint"
    return checked(name, call(name, number(v)), "v is missing")


def c_to_h_ratio(tb, sg):
    """Carbon-to-hydrogen weight ratio from the boiling point (K) and specific gravity."""
    return _out("Blend_estimateCtoHRatio", tb, sg)


def pour_point_riazi(viscosity, sg, mw):
    """Pour point (K) from the kinematic viscosity, specific gravity and MW."""
    return _out("Blend_estimatePourPointRiazi", viscosity, sg, mw)


def refractive_index(tb, density, mw):
    """Refractive index from the boiling point (K), density (kg/m3) and MW."""
    name = "EstimateRefractIdx"
    return checked(name, call(name, number(tb), number(density), number(mw)), "an input is missing")
