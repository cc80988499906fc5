"""Shared helpers of the binding's tests: the package on the path, raw C arrays and the
assay used by the viscosity tests."""
import ctypes
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import qira as main  # noqa: E402  the main API (kelvin, kPa, kg/m3, fractions)
from qira import raw  # noqa: E402  the C-mirroring calls the tables were written for
from qira._core import library  # noqa: E402
from qira.assay import light_end_constants  # noqa: E402

lib = library()  # the exports with their C signatures, called directly


def c_doubles(values):
    return (ctypes.c_double * len(values))(*values)


def f_to_k(values):
    return [raw.fahrenheit_to_kelvin(v) for v in values]


def k_to_f(values):
    return [raw.kelvin_to_fahrenheit(v) for v in values]


def pseudo_component(tb, x=0.0):
    """A pseudo-component of Watson K 11.8 (the gravity at which Kw = Tb[R]^(1/3) / SG is
    11.8) with the library's correlations, as its cut table gives them: Riazi-Daubert (1980)
    MW, Tc, Pc and Vc, the Kesler-Lee acentric factor, the Hankinson-Thomson COSTALD pair;
    as tests/support/assay_fixture.h builds them for the C++ tests."""
    sg = main.units.watson_k(tb, 1.0) / 11.8
    c = main.critical.fraction(tb, sg)
    return raw.Component(tb, c.tc, c.pc, c.vc, c.omega, main.units.mw_riazi_daubert(tb, sg),
                         main.units.sg_to_density(sg), c.omega_srk, c.vstar, x, True)


def light_end(name, x):
    """The light end `name` of the library's table, with its COSTALD pair."""
    tb, sg, mw, tc, pc, vc, omega = light_end_constants()[name]
    omega_srk = main.critical.costald_omega(tb, tc, pc)
    return raw.Component(tb, tc, pc, vc, omega, mw, main.units.sg_to_density(sg), omega_srk,
                         main.critical.costald_volume(tc, pc, omega_srk), x, False)


def assay():
    """n-Butane, isopentane, n-pentane and eight pseudo-components from 340 to 760 K."""
    comps = [light_end("n-butane", 0.02), light_end("isopentane", 0.03),
             light_end("n-pentane", 0.03)]
    tbs = [340.0 + 60.0 * k for k in range(8)]
    weights = [math.exp(-(tb - 340.0) / 300.0) for tb in tbs]
    comps += [pseudo_component(tb, 0.92 * w / sum(weights)) for tb, w in zip(tbs, weights)]
    return comps
