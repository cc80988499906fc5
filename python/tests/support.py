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
from qira._constants import GAS_CONSTANT, STANDARD_ATMOSPHERE  # noqa: E402

lib = library()  # the exports with their C signatures, called directly


def c_doubles(values):
    return (ctypes.c_double * len(values))(*values)


def f_to_k(values):
    return [raw.fahrenheit_to_kelvin(v) for v in values]


def k_to_f(values):
    return [raw.kelvin_to_fahrenheit(v) for v in values]


def pseudo_component(tb, x=0.0):
    """A pseudo-component of Watson K 11.8 from standard petroleum-fraction correlations,
    each evaluated by the library: Riazi-Daubert (1980) MW, Tc and Pc, the Edmister
    acentric factor, Pitzer's critical compressibility for Vc and a Hankinson-Thomson
    characteristic volume, as bench/assay_fixture.h builds them."""
    kw = 11.8
    sg = (1.8 * tb) ** (1 / 3) / kw
    mw = main.units.mw_riazi_daubert(tb, sg)
    tc = main.critical.tc_riazi_daubert(tb, sg)
    pc = main.critical.pc_riazi_daubert(tb, sg)
    omega = 3 / 7 * math.log10(pc / STANDARD_ATMOSPHERE) / (tc / tb - 1) - 1
    vc = (0.2918 - 0.0928 * omega) * GAS_CONSTANT * tc / pc
    vchar = GAS_CONSTANT * tc / pc * (0.2905331 - 0.08057958 * omega + 0.02276965 * omega ** 2)
    return raw.Component(tb, tc, pc, vc, omega, mw, main.units.sg_to_density(sg), omega, vchar,
                         x, True)


def assay():
    """Butane, pentane, hexane and eight pseudo-components from 340 to 760 K."""
    comps = [raw.Component(272.65, 425.12, 3796.0, 0.255, 0.200, 58.12, 584.0, 0.2008, 0.2547, 0.02, False),
             raw.Component(309.22, 469.70, 3370.0, 0.313, 0.252, 72.15, 631.0, 0.2522, 0.3113, 0.03, False),
             raw.Component(341.88, 507.60, 3025.0, 0.371, 0.301, 86.18, 664.0, 0.3007, 0.3682, 0.03, False)]
    tbs = [340.0 + 60.0 * k for k in range(8)]
    weights = [math.exp(-(tb - 340.0) / 300.0) for tb in tbs]
    comps += [pseudo_component(tb, 0.92 * w / sum(weights)) for tb, w in zip(tbs, weights)]
    return comps
