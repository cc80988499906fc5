"""Characterization, liquid properties, blend indices and estimates in the main API's
units: kelvin, kPa, kg/m3, fractions; MW in kg/kmol, SG 60F/60F, viscosities in cSt.

The procedures that work in other units (Reid vapour pressure in degrees Rankine and psi,
the cetane density in g/cm3, the estimates in degrees Celsius, indices in degrees
Fahrenheit or Celsius, octane contents in percent) convert at this boundary; their C
forms stay available in ``qira.raw``. A scalar correlation takes NumPy arrays, which
broadcast against each other, and returns an array (a tuple of arrays for a tuple); the
MW, gravity, liquid-property, cetane, octane, index and estimate correlations evaluate all
points in one library call.
"""
import math
from collections import namedtuple

from . import _check as c
from . import raw
from .units import PSI_KPA, sg_to_density

_C = 273.15


# ---- MW, gravity and Watson K --------------------------------------------------------

@c.batched("QiraBatch_Blend_uopk", ("mw", "sg"))
def uopk(mw, sg):
    """Watson characterization factor Kw = 4.5579 MW^0.15178 SG^-0.84573 (Riazi and
    Daubert, 1980), from the molecular weight (kg/kmol) and specific gravity (60F/60F).
    Fitted to petroleum fractions of MW 70 to 700.

    >>> round(qira.uopk(200.0, 0.8), 3)
    12.305
    """
    return c.result("uopk", raw.uopk(c.num("uopk", "mw", mw, "mw"), c.num("uopk", "sg", sg, "sg")))


@c.batched("QiraBatch_Blend_mw", ("sg", "positive"))
def mw_from_sg_kw(sg, kw):
    """Molecular weight (kg/kmol) from SG and Watson K (the uopk relation solved for MW).

    >>> round(qira.mw_from_sg_kw(0.8, 12.305205))
    200
    """
    fn = "mw_from_sg_kw"
    return c.result(fn, raw.mw_from_sg_kw(c.num(fn, "sg", sg, "sg"), c.num(fn, "kw", kw, "positive")))


@c.batched("QiraBatch_Blend_sg", ("mw", "positive"))
def sg_from_mw_kw(mw, kw):
    """Specific gravity from MW (kg/kmol) and Watson K (the uopk relation, with a
    heavy-end form from MW 320 on).

    >>> round(qira.sg_from_mw_kw(200.0, 12.305205), 3)
    0.8
    """
    fn = "sg_from_mw_kw"
    return c.result(fn, raw.sg_from_mw_kw(c.num(fn, "mw", mw, "mw"), c.num(fn, "kw", kw, "positive")))


@c.batched("QiraBatch_Blend_sg_katz_firoozabadi", ("tb",))
def sg_katz_firoozabadi(tb):
    """Liquid density (kg/m3) of a C6-C45 petroleum fraction from its normal boiling point
    (K), Katz and Firoozabadi (1978) generalized single-carbon-number table.

    >>> round(qira.sg_katz_firoozabadi(400.0), 1)
    750.8
    """
    return c.result("sg_katz_firoozabadi", raw.sg_katz_firoozabadi(c.num("sg_katz_firoozabadi", "tb", tb, "tb")))


@c.batched("QiraBatch_Blend_mw_twu", ("tb", "rho"))
def mw_twu(tb, density):
    """Molecular weight (kg/kmol) by Twu (1984) from the normal boiling point (K) and
    liquid density (kg/m3); fitted for boiling points up to about 1000 K.

    >>> round(qira.mw_twu(500.0, 850.0), 1)
    173.0
    """
    fn = "mw_twu"
    return c.result(fn, raw.mw_twu(c.num(fn, "tb", tb, "tb"), c.num(fn, "density", density, "rho")))


Whitson = namedtuple("Whitson", "fractions mws densities mw sg kw closure")
WhitsonClosure = namedtuple("WhitsonClosure", "sum_z sum_z_mw mw shortfall tail_fraction")


def whitson(nbp, mw=None, sg=None, kw=None, eta=None):
    """Splits a plus fraction over components by Whitson's three-parameter gamma
    distribution (Whitson, 1983; Whitson and Brule, 2000).

    nbp: the components' normal boiling points (K, ascending); mw (kg/kmol), sg (60F/60F)
    and kw (Watson K) of the plus fraction, at most one of them None (completed from the
    other two); eta: the distribution's origin (kg/kmol), None to let the method choose
    max(min(84, MW/2), 0.4 MW); it must not exceed 0.9 MW. Returns Whitson(fractions
    (mole, summing to 1), mws, densities (kg/m3), mw, sg, kw, closure) where closure is
    WhitsonClosure(sum_z, sum_z_mw, mw, shortfall, tail_fraction): Σz, Σz·MW of the split
    against the plus fraction's MW, shortfall = (MW - Σz·MW) / MW, and tail_fraction, the
    share of the distribution boiling above the last component, which the split leaves
    out (the fractions are renormalised over the rest; add a heavier component to keep
    it).

    >>> r = qira.whitson([372.0, 400.0, 430.0, 460.0, 490.0], mw=140.0, sg=0.76)
    >>> round(sum(r.fractions), 6), round(r.kw, 2)
    (1.0, 12.17)
    """
    fn = "whitson"
    t = c.seq(fn, "nbp", nbp, "tb", ascending=True)
    given = {k: v for k, v in (("mw", mw), ("sg", sg), ("kw", kw)) if v is not None}
    if len(given) < 2:
        missing = [k for k in ("mw", "sg", "kw") if k not in given]
        raise ValueError("%s: at most one of mw, sg, kw may be missing; missing: %s" % (fn, ", ".join(missing)))
    q = {"mw": "mw", "sg": "sg", "kw": "positive"}
    vals = {k: c.num(fn, k, v, q[k]) for k, v in given.items()}
    if "kw" in vals:
        c.num(fn, "kw", vals["kw"], "kw")
    total_mw = vals.get("mw") or raw.mw_from_sg_kw(vals["sg"], vals["kw"])
    if eta is not None:
        eta = c.num(fn, "eta", eta, "positive")
        if eta > 0.9 * total_mw:
            raise ValueError("%s: eta = %r exceeds 0.9 mw (%g), the largest origin the "
                             "distribution allows" % (fn, eta, 0.9 * total_mw))
    split = raw.whitson(t, vals.get("mw"), vals.get("sg"), vals.get("kw"), eta or 0.0)
    c.results(fn, split.fractions + split.mws + split.densities)
    sum_z = math.fsum(split.fractions)
    sum_zm = math.fsum(z * m for z, m in zip(split.fractions, split.mws))
    # The share above the last boiling point: cut again with one more component far above.
    # The share boiling above the last component: cut again with one more component far above.
    tail = raw.whitson(t + [t[-1] + 2000.0], split.mw, split.sg, split.kw, eta or 0.0).fractions[-1]
    closure = WhitsonClosure(sum_z, sum_zm, split.mw, (split.mw - sum_zm) / split.mw, tail)
    rho = [sg_to_density(d / 1000.0) for d in split.densities]
    return Whitson(split.fractions, split.mws, rho, split.mw, split.sg, split.kw, closure)


# ---- liquid properties ---------------------------------------------------------------

@c.batched("QiraBatch_pc_ppress", ("positive", None))
def ppress(tr, omega):
    """Reduced vapour pressure Psat/Pc by Lee and Kesler (1975) at the reduced temperature
    tr = T/Tc (0.3 to 1) and acentric factor omega.

    >>> round(qira.ppress(0.7, 0.3), 4)
    0.0501
    """
    return c.result("ppress", raw.ppress(c.num("ppress", "tr", tr, "positive"), c.num("ppress", "omega", omega)))


@c.batched("QiraBatch_pc_costald", ("positive",), outputs=2)
def costald(tr):
    """(V_R0, V_Rdelta): the two functions of the reduced temperature tr = T/Tc (0.25 to
    0.95) of the COSTALD saturated-liquid volume (Hankinson and Thomson, 1979).

    >>> [round(v, 4) for v in qira.costald(0.7)]
    [0.4158, 0.209]
    """
    return tuple(c.results("costald", raw.costald(c.num("costald", "tr", tr, "positive"))))


@c.batched("QiraBatch_pc_satden", ("positive", "positive", None))
def satden(tr, vstar, omega_srk):
    """Saturated-liquid molar density (kmol/m3) by COSTALD (Hankinson and Thomson, 1979)
    from tr = T/Tc (clamped into 0.251 to 0.9999), V* (m3/kmol) and omega_SRK.

    >>> round(qira.satden(0.7, 0.3, 0.3), 4)
    8.5526
    """
    fn = "satden"
    return c.result(fn, raw.satden(c.num(fn, "tr", tr, "positive"), c.num(fn, "vstar", vstar, "positive"),
                                   c.num(fn, "omega_srk", omega_srk)))


def xden(t, p, tc, pc, vstar, omega_srk, omega):
    """Compressed-liquid molar density (kmol/m3) of one component: the COSTALD saturated
    density (Hankinson and Thomson, 1979) raised by the compressibility correction of
    Chueh and Prausnitz (1969) above the Lee-Kesler vapour pressure: T (K), P (kPa),
    Tc (K), Pc (kPa), V* (m3/kmol).

    >>> round(qira.xden(300.0, 101.325, 507.6, 3025.0, 0.3682, 0.3007, 0.301), 4)
    7.6026
    """
    fn = "xden"
    args = [c.num(fn, k, v, q) for k, v, q in (("t", t, "t"), ("p", p, "p"), ("tc", tc, "t"), ("pc", pc, "p"),
                                                 ("vstar", vstar, "positive"), ("omega_srk", omega_srk, None),
                                                 ("omega", omega, None))]
    return c.result(fn, raw.xden(*args))


def _psi(kpa):
    return kpa / PSI_KPA


def tvp_from_rvp(t, rvp, d86_slope):
    """(true vapour pressure kPa, dTVP/dRVP) of a gasoline or naphtha from its Reid vapour
    pressure, by the API 5B1.1 procedure (API Technical Data Book).

    t: temperature (K); rvp: Reid vapour pressure (kPa); d86_slope: the D86 slope at
    10 % in K per unit fraction distilled (degrees F per volume percent times 100/1.8).
    Valid for RVP 14 to 138 kPa (2 to 20 psi) and slopes 0.5 to 4 F/%.

    >>> round(qira.tvp_from_rvp(311.11, 68.95, 3.0 * 100 / 1.8)[0], 1)
    75.8
    """
    fn = "tvp_from_rvp"
    tvp, d = raw.api_5b1_1_tvp(c.num(fn, "t", t, "t") * 1.8, _psi(c.num(fn, "rvp", rvp, "positive")),
                               c.num(fn, "d86_slope", d86_slope, "positive") * 1.8 / 100.0)
    return c.result(fn, tvp) * PSI_KPA, d


def rvp_from_tvp(tvp, t, d86_slope, guess=68.95):
    """(Reid vapour pressure kPa, report) that gives the true vapour pressure tvp (kPa) at
    t (K) and the D86 10 % slope (K per unit fraction), by Newton's method on API 5B1.1.

    >>> round(qira.rvp_from_tvp(75.78, 311.11, 3.0 * 100 / 1.8)[0], 1)
    69.0
    """
    fn = "rvp_from_tvp"
    rvp, text = raw.api_5b1_1_rvp(_psi(c.num(fn, "tvp", tvp, "positive")), _psi(c.num(fn, "guess", guess, "positive")),
                                  c.num(fn, "d86_slope", d86_slope, "positive") * 1.8 / 100.0, c.num(fn, "t", t, "t") * 1.8)
    return c.result(fn, rvp) * PSI_KPA, text


# ---- blend indices (temperatures in K) ----------------------------------------------

def _batch_of(raw_fn):
    # The library's N-value form of a raw index function (named after its C function).
    return "QiraBatch_" + raw_fn.__name__


def _index(name, raw_fn, to_raw=None, doc="", quantity="t"):
    @c.batched(_batch_of(raw_fn), (quantity,), to_library=to_raw and (lambda t: (to_raw(t),)))
    def index(t):
        v = c.num(name, "t", t, quantity)
        return c.result(name, raw_fn(to_raw(v) if to_raw else v))
    index.__name__ = index.__qualname__ = name
    index.__doc__ = doc
    return index


def _from_index(name, raw_fn, from_raw=None, doc=""):
    @c.batched(_batch_of(raw_fn), (None,), from_library=from_raw)
    def inverse(index):
        v = c.result(name, raw_fn(c.num(name, "index", index)))
        return from_raw(v) if from_raw else v
    inverse.__name__ = inverse.__qualname__ = name
    inverse.__doc__ = doc
    return inverse


def _mix(name, raw_fn, quantity="t", doc=""):
    @c.arrays()
    def mix(fractions, values):
        x = c.seq(name, "fractions", fractions, "fraction", total=1.0)
        return c.result(name, raw_fn(x, c.seq(name, "values", values, quantity, length=len(x))))
    mix.__name__ = mix.__qualname__ = name
    mix.__doc__ = doc
    return mix


def _f(k):
    return raw.kelvin_to_fahrenheit(k)


flash_point_index = _index("flash_point_index", raw.indices.flash_point_index1,
                           doc="""Flash point blending index (1.8 T)^(-1/0.6) of a flash point T (K) (API Technical
    Data Book 2B7.1).

    >>> round(qira.flash_point_from_index(qira.flash_point_index(330.0)), 6)
    330.0
    """)
flash_point_from_index = _from_index("flash_point_from_index", raw.indices.flash_point_from_index1,
                                     doc="Flash point (K) of a blended flash point index (the inverse of flash_point_index).")
flash_point_mix = _mix("flash_point_mix", raw.indices.flash_point_mix, doc="""Blend flash point (K)
    by the flash point index (1.8 T)^(-1/0.6) (API Technical Data Book 2B7.1); fractions
    (volume, summing to 1) and the components' flash points (K).

    >>> round(qira.flash_point_mix([0.5, 0.5], [320.0, 360.0]), 1)
    338.4
    """)
flash_point_index_api = _index("flash_point_index_api", raw.indices.flash_point_index2, _f,
                               """Flash point index 10^(4345.2/(T_F + 383) - 6.1188) of a flash point T (K), T_F its
    value in degrees Fahrenheit (API Technical Data Book 2B7.1 alternative form).

    >>> round(qira.flash_point_index_api(330.0), 4)
    190.7572
    """)
flash_point_index_wickey = _index("flash_point_index_wickey", raw.indices.flash_point_index_wickey,
                                  lambda k: k - _C, """Flash point blending index of Wickey and Chittenden (1963) of a flash point T (K).

    >>> round(qira.flash_point_index_wickey(330.0), 4)
    190.7002
    """)
pour_point_index = _index("pour_point_index", raw.indices.pour_point_index, doc="""Pour point blending index of a pour point T (K) (API Technical Data Book 2B8.1).

    >>> round(qira.pour_point_index(250.0), 1)
    278.5
    """)
pour_point_mix = _mix("pour_point_mix", raw.indices.pour_point_mix1, doc="""Blend pour point (K) by the pour point index; fractions (volume, summing to 1) and
    the components' pour points (K).

    >>> round(qira.pour_point_mix([0.5, 0.5], [250.0, 270.0]), 2)
    262.2
    """)
cloud_point_index = _index("cloud_point_index", raw.indices.cloud_point_index1, doc="""Cloud point blending index (1.8 T)^(1/0.55) of a cloud point T (K) (API Technical
    Data Book 2B8.1).

    >>> round(qira.cloud_point_index(250.0), 1)
    66684.2
    """)
cloud_point_mix = _mix("cloud_point_mix", raw.indices.cloud_point_mix1, doc="""Blend cloud point (K) by the cloud point index; fractions (volume, summing to 1)
    and the components' cloud points (K).

    >>> round(qira.cloud_point_mix([0.25, 0.75], [250.0, 270.0]), 2)
    265.12
    """)
freeze_point_index = _index("freeze_point_index", raw.indices.freeze_point_index, lambda k: k - _C,
                            """Freeze point blending index of a freeze point T (K) (jet fuels, 200 to 260 K).

    >>> round(qira.freeze_point_from_index(qira.freeze_point_index(230.0)), 6)
    230.0
    """)
freeze_point_from_index = _from_index("freeze_point_from_index", raw.indices.freeze_point_from_index,
                                      lambda v: v + _C, "Freeze point (K) of a blended freeze point index.")
rvp_index = _index("rvp_index", raw.indices.rvp_index, doc="""Reid vapour pressure blending index (0.145 RVP)^1.25 of a Reid vapour pressure (kPa)
    (Chevron blending index, API Technical Data Book 5B2.1).

    >>> round(qira.rvp_index(50.0), 3)
    11.897
    """,
                   quantity="positive")
rvp_mix = _mix("rvp_mix", raw.indices.rvp_mix, "positive", """Blend Reid vapour pressure (kPa) by the index (0.145 RVP)^1.25; fractions
    (volume, summing to 1) and the components' RVP (kPa).

    >>> round(qira.rvp_mix([0.5, 0.5], [40.0, 80.0]), 2)
    60.84
    """)
smoke_point_mix = _mix("smoke_point_mix", raw.indices.smoke_point_mix, "positive", """Blend smoke point (mm) by the reciprocal 1/SP; fractions (volume, summing to 1).

    >>> round(qira.smoke_point_mix([0.5, 0.5], [20.0, 30.0]), 2)
    24.0
    """)
viscosity_mix = _mix("viscosity_mix", lambda x, v: raw.indices.viscosity_from_index2(
    math.fsum(a * raw.indices.viscosity_index2(b) for a, b in zip(x, v))), "positive",
    """Blend kinematic viscosity (cSt) by the Refutas index log10(log10(nu + 0.8)); fractions
    (mass, summing to 1) and the components' viscosities (cSt) at one temperature.

    >>> round(qira.viscosity_mix([0.5, 0.5], [2.0, 20.0]), 3)
    5.058
    """)


# ---- cetane, viscosity estimates, octane --------------------------------------------

@c.batched("QiraBatch_Blend_CetaneIndexD4737", ("rho", "lab", "lab", "lab"),
           to_library=lambda d, t10, t50, t90: (d / 1000.0, t10, t50, t90),
           valid=lambda d, t10, t50, t90: (t10 < t50) & (t50 < t90))
def cetane_index_d4737(density, t10, t50, t90):
    """Calculated cetane index by ASTM D4737 (four-variable equation) from the density at
    15 C (kg/m3) and the D86 10, 50 and 90 % temperatures (K, ascending). For diesel fuels
    of density 805 to 895 kg/m3 and T50 of 455 to 615 K.

    >>> round(qira.cetane_index_d4737(850.0, 500.0, 550.0, 600.0), 2)
    49.28
    """
    fn = "cetane_index_d4737"
    t = c.seq(fn, "t10, t50, t90", [t10, t50, t90], "lab", ascending=True)
    return c.result(fn, raw.cetane_index_d4737(c.num(fn, "density", density, "rho") / 1000.0, *t))


@c.batched("QiraBatch_Blend_CetaneIndexD976_2", ("rho", "lab"), to_library=lambda d, t: (d / 1000.0, t))
def cetane_index_d976(density, t50):
    """Calculated cetane index by ASTM D976 (two-variable, density form) from the density
    at 15 C (kg/m3) and the D86 50 % temperature (K).

    >>> round(qira.cetane_index_d976(850.0, 550.0), 2)
    49.26
    """
    fn = "cetane_index_d976"
    return c.result(fn, raw.cetane_index_d976_density(c.num(fn, "density", density, "rho") / 1000.0,
                                                      c.num(fn, "t50", t50, "lab")))


def api_visc(watson_k, api):
    """(nu100, nu210): kinematic viscosities (cSt) at 100 F and 210 F from Watson K and
    API gravity (API Technical Data Book 11A4.1 nomograph equations).

    >>> round(qira.api_visc(11.8, 30.0)[0], 3)
    8.582
    """
    return raw.api_visc(c.num("api_visc", "watson_k", watson_k, "positive"), c.num("api_visc", "api", api))


def twu_visc(density, tb):
    """(nu100, nu210): kinematic viscosities (cSt) at 100 F and 210 F by Twu (1985) from
    the liquid density (kg/m3) and normal boiling point (K).

    >>> [round(v, 3) for v in qira.twu_visc(850.0, 600.0)]
    [6.317, 1.91]
    """
    return raw.twu_visc(c.num("twu_visc", "density", density, "rho"), c.num("twu_visc", "tb", tb, "tb"))


def healy_ron_mon(fractions, ron, mon, olefins, aromatics):
    """(RON, MON) of a gasoline blend by the Healy method (Healy, Maassen and Peterson,
    1959): fractions (volume, summing to 1), the components' RON and MON, and their olefin
    and aromatic contents as fractions (0..1).

    >>> [round(v, 2) for v in qira.healy_ron_mon([0.5, 0.5], [95.0, 85.0], [85.0, 80.0], [0.1, 0.0], [0.3, 0.1])]
    [90.63, 82.74]
    """
    fn = "healy_ron_mon"
    x = c.seq(fn, "fractions", fractions, "fraction", total=1.0)
    n = len(x)
    o = [100.0 * v for v in c.seq(fn, "olefins", olefins, "fraction", length=n)]
    a = [100.0 * v for v in c.seq(fn, "aromatics", aromatics, "fraction", length=n)]
    return raw.healy_ron_mon(x, c.seq(fn, "ron", ron, "positive", n), c.seq(fn, "mon", mon, "positive", n), o, a)


@c.batched("QiraBatch_MonClear", ("positive", None))
def mon_clear(ron, correction=0.0):
    """A motor octane number estimated from a research octane number: 0.83 RON + 22.5 -
    0.02 correction. The correction term is the caller's (the procedure subtracts it as
    0.02 per unit and defines it no further); 0 gives the plain estimate.

    >>> qira.mon_clear(90.0)
    97.2
    """
    fn = "mon_clear"
    return raw.mon_clear(c.num(fn, "ron", ron, "positive"), c.num(fn, "correction", correction))


def estimate_octane(temps, c1, c2, c3):
    """(octane number, (c1, c2, c3) normalised to fractions) of a naphtha from its D86
    temperatures (K) at 10, 30, 50, 70 and 90 % (T50 at most 493 K) and three
    composition contents given as fractions.

    >>> round(qira.estimate_octane([330.0, 350.0, 370.0, 390.0, 420.0], 0.3, 0.3, 0.4)[0], 2)
    86.21
    """
    fn = "estimate_octane"
    t = [v - _C for v in c.seq(fn, "temps", temps, "lab", length=5, ascending=True)]
    contents = [100.0 * c.num(fn, k, v, "fraction") for k, v in (("c1", c1), ("c2", c2), ("c3", c3))]
    value, norm = raw.estimate_octane(t, *contents)
    return value, tuple(v / 100.0 for v in norm)


# ---- estimates -----------------------------------------------------------------------

@c.batched("QiraBatch_Blend_EstimateCloudPt", ("tb", "sg"), to_library=lambda tb, sg: (tb - _C, sg),
           from_library=lambda v: v + _C)
def cloud_point(tb, sg):
    """Cloud point (K) of a middle distillate from its normal boiling point (K) and SG
    (Riazi and Daubert, 1986 form of the API cloud point correlation).

    >>> round(qira.cloud_point(523.15, 0.85), 2)
    247.15
    """
    fn = "cloud_point"
    return c.result(fn, raw.estimates.cloud_point(c.num(fn, "tb", tb, "tb") - _C, c.num(fn, "sg", sg, "sg"))) + _C


@c.batched("QiraBatch_Blend_estimatePourPointRiazi", ("positive", "sg", "mw"))
def pour_point_riazi(viscosity, sg, mw):
    """Pour point (K) by Riazi and Daubert (1987) from the kinematic viscosity at 38 C
    (cSt), SG and MW (kg/kmol); for fractions of MW 140 to 800.

    >>> round(qira.pour_point_riazi(5.0, 0.85, 250.0), 1)
    269.5
    """
    fn = "pour_point_riazi"
    return c.result(fn, raw.estimates.pour_point_riazi(c.num(fn, "viscosity", viscosity, "positive"),
                                                       c.num(fn, "sg", sg, "sg"), c.num(fn, "mw", mw, "mw")))


@c.batched("QiraBatch_Blend_estimateCtoHRatio", ("tb", "sg"))
def c_to_h_ratio(tb, sg):
    """Carbon-to-hydrogen weight ratio (Riazi and Daubert, 1986) from the normal boiling
    point (K) and SG.

    >>> round(qira.c_to_h_ratio(500.0, 0.85), 3)
    7.504
    """
    fn = "c_to_h_ratio"
    return c.result(fn, raw.estimates.c_to_h_ratio(c.num(fn, "tb", tb, "tb"), c.num(fn, "sg", sg, "sg")))


@c.batched("QiraBatch_EstimateRefractIdx", ("tb", "rho", "mw"))
def refractive_index(tb, density, mw):
    """Refractive index at 20 C (Riazi and Daubert, 1980) from the normal boiling point
    (K), density (kg/m3) and MW (kg/kmol).

    >>> round(qira.refractive_index(500.0, 850.0, 200.0), 4)
    1.4746
    """
    fn = "refractive_index"
    return c.result(fn, raw.estimates.refractive_index(c.num(fn, "tb", tb, "tb"), c.num(fn, "density", density, "rho"),
                                                       c.num(fn, "mw", mw, "mw")))


def naphthenic_by_ndm(mw, density, sulphur, tb):
    """(R1, R2) ring contents by the n-d-M method (van Nes and van Westen, 1951) from MW
    (kg/kmol), density (kg/m3), sulphur (mass fraction) and the boiling point (K).

    >>> [round(v, 3) for v in qira.naphthenic_by_ndm(200.0, 850.0, 0.01, 523.15)]
    [36.252, 50.038]
    """
    fn = "naphthenic_by_ndm"
    return raw.estimates.naphthenic_by_ndm(c.num(fn, "mw", mw, "mw"), c.num(fn, "density", density, "rho"),
                                           100.0 * c.num(fn, "sulphur", sulphur, "fraction"), c.num(fn, "tb", tb, "tb") - _C)


def pna_riazi_roomi(x, density):
    """(P, N, A) fractions (summing to 1) by Riazi and Roomi (2001) from x and the
    density (kg/m3).

    >>> [round(v, 3) for v in qira.pna_riazi_roomi(1.0, 850.0)]
    [0.31, 0.309, 0.381]
    """
    p, n, a = raw.estimates.pna_riazi_roomi(c.num("pna_riazi_roomi", "x", x), c.num("pna_riazi_roomi", "density", density, "rho"))
    return p / 100.0, n / 100.0, a / 100.0
