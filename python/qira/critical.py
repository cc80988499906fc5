"""Critical properties of petroleum fractions from the normal boiling point and the
specific gravity: critical temperature, pressure and volume, acentric factor, and the
COSTALD characteristic volume and SRK acentric factor.

Units: kelvin, kPa, m3/kmol; specific gravity 60F/60F. Every function also takes NumPy
arrays, which broadcast against each other (all points in one library call). Each
function checks its inputs (ValueError naming the argument and the value) and raises
QiraError naming the library function when the library answers with the missing-value
marker (the arguments lie outside the formula's domain). Sources and validity ranges are
in each docstring.

    >>> round(tc_riazi_daubert(400.0, 0.75), 1) > 0
    True
"""
from collections import namedtuple

from . import _check, raw

# Python name -> export (its C signature comes from the header, like every other export's)
_NAMES = {
    "tc_riazi_daubert": "QiraCrit_TcRiaziDaubert1980",
    "pc_riazi_daubert": "QiraCrit_PcRiaziDaubert1980",
    "vc_riazi_daubert": "QiraCrit_VcRiaziDaubert1980",
    "tc_kesler_lee": "QiraCrit_TcKeslerLee1976",
    "pc_kesler_lee": "QiraCrit_PcKeslerLee1976",
    "acentric_kesler_lee": "QiraCrit_AcentricKeslerLee1976",
    "tc_twu": "QiraCrit_TcTwu1984",
    "pc_twu": "QiraCrit_PcTwu1984",
    "vc_twu": "QiraCrit_VcTwu1984",
    "costald_volume": "QiraCrit_CostaldVolumeHT1979",
    "costald_omega": "QiraCrit_CostaldOmegaHT1979",
}


def available():
    """True when the loaded library exports the critical-property family."""
    return all(raw.library().has(name) for name in _NAMES.values())


def _positives(fn, **values):
    """The arguments as floats, each checked finite and positive (ValueError naming it)."""
    return [_check.num(fn, arg, value, "positive") for arg, value in values.items()]


def _call(key, *args):
    name = _NAMES[key]
    value = raw.library().function(name)(*args)
    if value == raw.MISSING:
        raise raw.QiraError(name, "the arguments lie outside the correlation's domain")
    return value


def _batch_name(key):
    """The library's batch form of a correlation: QiraCrit_X is QiraBatch_Crit_X."""
    return "QiraBatch_Crit_" + _NAMES[key][0][len("QiraCrit_"):]


def _arrays(key, quantities):
    """Lets the correlation take NumPy arrays, which broadcast against each other; all
    points go to the library in one call."""
    return _check.batched(_batch_name(key), quantities)


def _from_tb_sg(key, doc):
    def fn(tb, sg):
        return _call(key, *_positives(key, tb=tb, sg=sg))
    fn.__name__, fn.__doc__ = key, doc + " From the normal boiling point tb (K) and SG."
    return _arrays(key, ("positive", "positive"))(fn)


tc_riazi_daubert = _from_tb_sg("tc_riazi_daubert", """Critical temperature (K), Riazi and
    Daubert (1980); fitted for tb 311-728 K and SG 0.62-1.03.""")
pc_riazi_daubert = _from_tb_sg("pc_riazi_daubert", """Critical pressure (kPa), Riazi and
    Daubert (1980); range as tc_riazi_daubert.""")
vc_riazi_daubert = _from_tb_sg("vc_riazi_daubert", """Critical molar volume (m3/kmol), Riazi
    and Daubert (1980); range as tc_riazi_daubert.""")
tc_kesler_lee = _from_tb_sg("tc_kesler_lee", """Critical temperature (K), Kesler and Lee
    (1976); fitted for tb up to 922 K.""")
pc_kesler_lee = _from_tb_sg("pc_kesler_lee", """Critical pressure (kPa), Kesler and Lee
    (1976); fitted for tb up to 922 K.""")
tc_twu = _from_tb_sg("tc_twu", """Critical temperature (K), Twu (1984); paraffins C1-C100,
    tb up to about 1000 K.""")
pc_twu = _from_tb_sg("pc_twu", "Critical pressure (kPa), Twu (1984).")
vc_twu = _from_tb_sg("vc_twu", "Critical molar volume (m3/kmol), Twu (1984).")


@_arrays("acentric_kesler_lee", ("positive",) * 4)
def acentric_kesler_lee(tb, sg, tc, pc):
    """Acentric factor, Kesler and Lee (1976) with the Lee-Kesler vapour-pressure form
    below Tb/Tc = 0.8; tc (K) and pc (kPa) from any of the correlations here."""
    return _call("acentric_kesler_lee", *_positives("acentric_kesler_lee", tb=tb, sg=sg, tc=tc, pc=pc))


@_arrays("costald_volume", ("positive", "positive", None))
def costald_volume(tc, pc, omega_srk):
    """COSTALD characteristic volume V* (m3/kmol), Hankinson and Thomson (1979)."""
    return _call("costald_volume", *_positives("costald_volume", tc=tc, pc=pc),
                 _check.num("costald_volume", "omega_srk", omega_srk))


@_arrays("costald_omega", ("positive",) * 3)
def costald_omega(tb, tc, pc):
    """COSTALD (SRK) acentric factor: the omega for which the Soave equation boils the
    fraction at tb (K) under one atmosphere, Hankinson and Thomson (1979); 0.3 <= tb/tc
    <= 0.95."""
    return _call("costald_omega", *_positives("costald_omega", tb=tb, tc=tc, pc=pc))


Critical = namedtuple("Critical", "tc pc vc omega vstar omega_srk")

METHODS = {
    "riazi-daubert": (tc_riazi_daubert, pc_riazi_daubert, vc_riazi_daubert),
    "kesler-lee": (tc_kesler_lee, pc_kesler_lee, vc_riazi_daubert),
    "twu": (tc_twu, pc_twu, vc_twu),
}


def fraction(tb, sg, method="riazi-daubert"):
    """Critical(tc K, pc kPa, vc m3/kmol, omega, vstar m3/kmol, omega_srk) of a fraction:
    Tc and Pc by `method` ('riazi-daubert', 'kesler-lee' or 'twu'; Vc by Riazi-Daubert
    except with 'twu'), omega by Kesler-Lee, the COSTALD pair by Hankinson-Thomson."""
    try:
        ftc, fpc, fvc = METHODS[method]
    except KeyError:
        raise ValueError("method must be one of %s, not %r" % (", ".join(METHODS), method)) from None
    tc, pc, vc = ftc(tb, sg), fpc(tb, sg), fvc(tb, sg)
    omega = acentric_kesler_lee(tb, sg, tc, pc)
    omega_srk = costald_omega(tb, tc, pc)
    return Critical(tc, pc, vc, omega, costald_volume(tc, pc, omega_srk), omega_srk)
