"""Unit helpers for the main API's convention: kelvin, kPa, kg/m3, fractions.

The temperature constants are the library's own (F = (K - 273.15) 1.8 + 32). Each helper
takes a number or a NumPy array (an array in, an array out); lists convert element-wise
with a comprehension.

>>> round(qira.units.fahrenheit_to_kelvin(100.0), 4)
310.9278
>>> round(qira.units.api_to_sg(35.0), 4)
0.8498
"""
from ._constants import KPA_PER_PSI as PSI_KPA, WATER_DENSITY_60F as WATER_60F
from .raw.units import (celsius_to_kelvin, fahrenheit_to_kelvin,  # noqa: F401  one copy
                        kelvin_to_celsius, kelvin_to_fahrenheit)

# PSI_KPA: kPa per psi (6.894757293168, exact); WATER_60F: density of water at 60 F,
# kg/m3 (999.016, the reference of SG 60F/60F): both the library's own, with their sources
# in qira._constants.


def rankine_to_kelvin(r):
    return r / 1.8


def kelvin_to_rankine(k):
    return k * 1.8


def psi_to_kpa(psi):
    return psi * PSI_KPA


def kpa_to_psi(kpa):
    return kpa / PSI_KPA


def _relation(name, *args):
    """The library's relation `name` at numbers, or element by element over arrays
    (QiraError naming the export when an argument lies outside its domain)."""
    from ._core import call, checked
    if any(hasattr(a, "shape") for a in args):
        import numpy
        return numpy.vectorize(lambda *v: _relation(name, *v), otypes=[float])(*args)
    return checked(name, call(name, *[float(a) for a in args]),
                   "the argument lies outside the relation's domain")


def api_to_sg(api):
    """Specific gravity 60F/60F of an API gravity: 141.5 / (API + 131.5), the library's
    QiraRel_SgFromApi."""
    return _relation("QiraRel_SgFromApi", api)


def sg_to_api(sg):
    """API gravity of a specific gravity 60F/60F: 141.5 / SG - 131.5 (QiraRel_ApiFromSg)."""
    return _relation("QiraRel_ApiFromSg", sg)


def watson_k(tb, sg):
    """Watson characterization factor (1.8 tb)^(1/3) / SG, tb in K (QiraRel_WatsonK)."""
    return _relation("QiraRel_WatsonK", tb, sg)


def mw_riazi_daubert(tb, sg):
    """Molecular weight (kg/kmol) by Riazi and Daubert (1980), tb in K
    (QiraRel_MwRiaziDaubert1980)."""
    return _relation("QiraRel_MwRiaziDaubert1980", tb, sg)


def sg_to_density(sg):
    """Density (kg/m3) of a specific gravity 60F/60F (SG times WATER_60F, 999.016 kg/m3)."""
    return sg * WATER_60F


def density_to_sg(density):
    return density / WATER_60F
