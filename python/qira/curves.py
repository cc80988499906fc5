"""Distillation curves in kelvin and fractions: conversions between D86, D2887, D1160 and
TBP, yield grids, blends of components, laboratory curves, cutting and curve fitting.

Every temperature is in kelvin and every yield, fraction and share a fraction (0..1).
Lists in give lists out; NumPy arrays in give arrays out, and the curve conversions take
a 2-D array with one curve per row (all rows converted in one library call). The conversion settings (``ibp``, ``fbp``, ...; see
``qira.settings``) can be passed as keyword arguments to the functions that read them.

The worked D86 curve used in the examples (100, 130, 150, 200, 250, 300, 370, 400, 430 F
at IBP, 5, 10, 30, 50, 70, 90, 95 % and FBP):

>>> D86 = [310.93, 327.59, 338.71, 366.48, 394.26, 422.04, 460.93, 477.59, 494.26]
"""
from . import _check as c
from . import raw
from .settings import reads_settings

_BASES = ("volume", "mass", "mole")


def _curve(fn, raw_fn, name, curve, n, quantity, batch_name):
    if c.is_rows(curve):  # one curve per row, all converted in one library call
        return c.curve_rows(batch_name, curve, n, quantity,
                            lambda row: _curve(fn, raw_fn, name, row, n, quantity, batch_name))
    values = c.seq(fn, name, curve, quantity, length=n, ascending=True)
    return c.results(fn, raw_fn(values))


@c.arrays(batch=True)
def d86_to_tbp(d86):
    """The TBP curve of a nine-point D86 curve, by the API 3A1.1 procedure (Riazi and
    Daubert, 1986; API Technical Data Book, 1997).

    d86: D86 temperatures (K) at IBP, 5, 10, 30, 50, 70, 90, 95 % and FBP, strictly
    ascending, 200 to 1200 K. Returns the TBP temperatures (K) at the same nine points.
    The correlation was fitted to curves up to about 750 K.

    >>> [round(t, 1) for t in qira.d86_to_tbp(D86)]
    [268.1, 286.5, 311.5, 356.4, 395.0, 429.7, 471.5, 490.1, 530.3]
    """
    return _curve("d86_to_tbp", raw.d86_to_tbp, "d86", d86, 9, "lab", "QiraBatch_D86toTBP")


@c.arrays(batch=True)
def tbp_to_d86(tbp):
    """The D86 curve of a nine-point TBP curve (K), by API 3A1.1 (Riazi and Daubert,
    1986), the inverse of d86_to_tbp. Points as for d86_to_tbp; result in K.

    >>> [round(t, 1) for t in qira.tbp_to_d86(qira.d86_to_tbp(D86))][:3]
    [310.9, 327.6, 338.7]
    """
    return _curve("tbp_to_d86", raw.tbp_to_d86, "tbp", tbp, 9, "tb", "QiraBatch_TBPtoD86")


@c.arrays(batch=True)
@reads_settings
def d86_to_tbp_option(d86):
    """As d86_to_tbp on the grid of the D86 method: nine points, or seven (5 % to 95 %)
    with ``d86_method=0``; API 3A1.1 with the segments extended past their limits.

    >>> len(qira.d86_to_tbp_option(D86[1:8], d86_method=0))
    7
    """
    return _curve("d86_to_tbp_option", raw.d86_to_tbp_option, "d86", d86,
                  raw.d86_base_size_option(), "lab", "QiraBatch_D86toTBPOption")


@c.arrays(batch=True)
@reads_settings
def tbp_to_d86_option(tbp):
    """As tbp_to_d86 on the grid of the D86 method (nine points, or seven).

    >>> len(qira.tbp_to_d86_option(qira.d86_to_tbp(D86)))
    9
    """
    return _curve("tbp_to_d86_option", raw.tbp_to_d86_option, "tbp", tbp,
                  raw.d86_base_size_option(), "tb", "QiraBatch_TBPtoD86Option")


@c.arrays(batch=True)
@reads_settings
def d2887_to_tbp(d2887):
    """The TBP curve of an eight-point D2887 (simulated distillation) curve, by the
    API 3A3.1 procedure (Daubert, 1994). d2887: K at 5, 10, 30, 50, 70, 90, 95 % and FBP,
    ascending. Reads ``constrain_range``. Returns K at the same points.

    >>> [round(t) for t in qira.d2887_to_tbp([350, 370, 420, 460, 500, 550, 570, 600])][:2]
    [360, 374]
    """
    return _curve("d2887_to_tbp", raw.d2887_to_tbp, "d2887", d2887, 8, "lab", "QiraBatch_D2887toTBP")


@c.arrays(batch=True)
@reads_settings
def tbp_to_d2887(tbp):
    """The D2887 curve of an eight-point TBP curve (K), API 3A3.1 (Daubert, 1994).

    >>> len(qira.tbp_to_d2887([354, 376, 424, 463, 501, 549, 568, 598]))
    8
    """
    return _curve("tbp_to_d2887", raw.tbp_to_d2887, "tbp", tbp, 8, "tb", "QiraBatch_TBPtoD2887")


@c.arrays(batch=True)
def polynomial_tbp_to_d86(tbp):
    """The seven-point D86 curve (5 % to 95 %) of a seven-point TBP curve (K) by the
    polynomial correlations of the API Technical Data Book (procedure 3A1.1, 1987 form).

    >>> len(qira.polynomial_tbp_to_d86([330, 340, 360, 400, 430, 470, 490]))
    7
    """
    return _curve("polynomial_tbp_to_d86", raw.polynomial_tbp_to_d86, "tbp", tbp, 7, "tb", "QiraBatch_API6_TBPtoD86")


@c.arrays(batch=True)
def tbp_to_d1160(tbp):
    """The D1160 curve (IBP, 10, 30, 50 %) of a four-point TBP curve (K), by API 3A2.1
    (atmospheric-equivalent D1160; Edmister and Okamoto, 1959). Above 50 % D1160 and
    TBP coincide.

    >>> len(qira.tbp_to_d1160([550, 600, 650, 700]))
    4
    """
    return _curve("tbp_to_d1160", raw.tbp_to_d1160, "tbp", tbp, 4, "tb", "QiraBatch_TBPtoD1160")


@c.arrays(batch=True)
def d1160_to_tbp(d1160):
    """The TBP curve of a four-point D1160 curve (IBP, 10, 30, 50 %; K), API 3A2.1.

    >>> len(qira.d1160_to_tbp([560, 610, 655, 700]))
    4
    """
    return _curve("d1160_to_tbp", raw.d1160_to_tbp, "d1160", d1160, 4, "lab", "QiraBatch_D1160toTBP")


def single_tbp_to_d86(tbp, d86, t, y):
    """One TBP temperature t (K) at yield y (fraction) to D86 (K), from the stream's
    nine-point TBP and D86 curves (K), by API 3A1.1 applied to the single point.

    >>> round(qira.single_tbp_to_d86(qira.d86_to_tbp(D86), D86, 395.0, 0.5), 1)
    394.3
    """
    fn = "single_tbp_to_d86"
    tbp_f = [raw.kelvin_to_fahrenheit(v) for v in c.seq(fn, "tbp", tbp, "tb", 9, ascending=True)]
    d86_f = [raw.kelvin_to_fahrenheit(v) for v in c.seq(fn, "d86", d86, "lab", 9, ascending=True)]
    return c.result(fn, raw.single_tbp_to_d86(tbp_f, d86_f, c.num(fn, "t", t, "tb"),
                                              c.num(fn, "y", y, "fraction")))


# ---- grids --------------------------------------------------------------------------

d86_base_size = raw.d86_base_size
d86_base_size_option = raw.d86_base_size_option
d2887_base_size = raw.d2887_base_size
d1160_base_size = raw.d1160_base_size
tbp_valid_yields = raw.tbp_valid_yields


@reads_settings
def d86_valid_yields():
    """The nine D86 yields (fractions): IBP, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP.

    >>> qira.d86_valid_yields()[:3]
    [0.01, 0.05, 0.1]
    """
    return raw.d86_valid_yields()


@reads_settings
def d86_valid_yields_option():
    """The D86 yields of the ...Option functions (nine, or seven with d86_method=0).

    >>> qira.d86_valid_yields_option(d86_method=0)[:3]
    [0.01, 0.1, 0.3]
    """
    return raw.d86_valid_yields_option()


@reads_settings
def d2887_valid_yields():
    """The eight D2887 yields: 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP.

    >>> qira.d2887_valid_yields()[:3]
    [0.05, 0.1, 0.3]
    """
    return raw.d2887_valid_yields()


@reads_settings
def d1160_valid_yields():
    """The four D1160 yields: IBP, 0.1, 0.3, 0.5.

    >>> qira.d1160_valid_yields()
    [0.01, 0.1, 0.3, 0.5]
    """
    return raw.d1160_valid_yields()


# ---- blends -------------------------------------------------------------------------

def _components(fn, fractions, nbp):
    x = c.seq(fn, "fractions", fractions, "fraction", total=1.0)
    t = c.seq(fn, "nbp", nbp, "tb", length=len(x))
    return x, t


def _yields(fn, yields):
    return c.seq(fn, "yields", yields, "fraction", ascending=True)


def _blend(fn, raw_fn, fractions, nbp, yields, *extra):
    x, t = _components(fn, fractions, nbp)
    return c.results(fn, raw_fn(x, t, _yields(fn, yields), *extra))


@c.arrays()
@reads_settings
def blend_tbp(fractions, nbp, yields, point_mode=True, initial_t=None, final_t=None):
    """The TBP curve (K) at the yields of a blend of components.

    fractions: the components' volume fractions, summing to 1; nbp: their normal boiling
    points (K), any order; yields: ascending fractions (0..1), clamped to the IBP and FBP
    settings. point_mode places each fraction at its boiling point, otherwise centred on
    it; initial_t/final_t (K) can only widen the curve's ends.

    >>> [round(t, 1) for t in qira.blend_tbp([0.5, 0.5], [350.0, 450.0], [0.1, 0.5, 0.9])]
    [270.0, 350.0, 430.0]
    """
    fn = "blend_tbp"
    ends = [None if v is None else c.num(fn, k, v, "tb") for k, v in (("initial_t", initial_t), ("final_t", final_t))]
    return _blend(fn, raw.blend_tbp, fractions, nbp, yields, point_mode, *ends)


@c.arrays()
@reads_settings
def blend_d86(fractions, nbp, yields, point_mode=True):
    """The D86 curve (K) at the yields of a blend (its TBP curve converted by API 3A1.1).
    Arguments as for blend_tbp: fractions summing to 1, nbp in K, yields as fractions.

    >>> [round(t) for t in qira.blend_d86([0.5, 0.5], [350.0, 450.0], [0.1, 0.5, 0.9])]
    [298, 350, 420]
    """
    return _blend("blend_d86", raw.blend_d86, fractions, nbp, yields, point_mode)


@c.arrays()
@reads_settings
def blend_d86_option(fractions, nbp, yields, point_mode=True):
    """As blend_d86 on the grid of the D86 method (nine points, or seven).

    >>> len(qira.blend_d86_option([0.5, 0.5], [350.0, 450.0], qira.d86_valid_yields_option(d86_method=0), d86_method=0))
    7
    """
    return _blend("blend_d86_option", raw.blend_d86_option, fractions, nbp, yields, point_mode)


@c.arrays()
@reads_settings
def blend_d2887(fractions, nbp, yields):
    """The D2887 curve (K) at the yields of a blend (API 3A3.1 from its TBP curve).

    >>> [round(t) for t in qira.blend_d2887([0.5, 0.5], [350.0, 450.0], [0.1, 0.5, 0.9])]
    [270, 350, 425]
    """
    return _blend("blend_d2887", raw.blend_d2887, fractions, nbp, yields)


@c.arrays()
@reads_settings
def blend_d1160(fractions, nbp, yields, point_mode=True):
    """The D1160 curve (K) at the yields of a blend; above 50 % it is the TBP curve.

    >>> [round(t) for t in qira.blend_d1160([0.5, 0.5], [550.0, 650.0], [0.1, 0.5])]
    [478, 550]
    """
    return _blend("blend_d1160", raw.blend_d1160, fractions, nbp, yields, point_mode)


def _basis_blend(fn, raw_fn, x, nbp, yields, molar_mass, density, fraction_basis, *rest):
    xs, t = _components(fn, x, nbp)
    mw = c.seq(fn, "molar_mass", molar_mass, "mw", length=len(xs))
    rho = c.seq(fn, "density", density, "rho", length=len(xs))
    if fraction_basis not in _BASES:
        raise ValueError("%s: fraction_basis must be one of %s, not %r" % (fn, ", ".join(_BASES), fraction_basis))
    return c.results(fn, raw_fn(xs, t, _yields(fn, yields), mw, rho, fraction_basis, *rest))


@c.arrays()
@reads_settings
def blend_d2887_from_tbp(x, nbp, yields, molar_mass, density, fraction_basis="volume",
                         point_mode=True):
    """The blend's TBP curve (K) on a mass basis from fractions on `fraction_basis`
    ('volume', 'mass' or 'mole'); molar masses kg/kmol, densities kg/m3.

    >>> [round(t) for t in qira.blend_d2887_from_tbp([0.5, 0.5], [350.0, 450.0], [0.1, 0.5, 0.9], [100.0, 140.0], [700.0, 760.0])]
    [277, 354, 431]
    """
    return _basis_blend("blend_d2887_from_tbp", raw.blend_d2887_from_tbp, x, nbp, yields,
                        molar_mass, density, fraction_basis, point_mode)


@c.arrays()
@reads_settings
def blend_modified_d2887(x, nbp, yields, molar_mass, density, fraction_basis="volume",
                         point_mode=True):
    """The blend's D2887 curve (K) on a volume basis, from fractions on `fraction_basis`.

    >>> [round(t) for t in qira.blend_modified_d2887([0.5, 0.5], [350.0, 450.0], [0.1, 0.5, 0.9], [100.0, 140.0], [700.0, 760.0])]
    [270, 350, 425]
    """
    return _basis_blend("blend_modified_d2887", raw.blend_modified_d2887, x, nbp, yields,
                        molar_mass, density, fraction_basis, 1, point_mode)


# ---- laboratory curves, cutting, ranges ----------------------------------------------

def _lab(fn, fractions, temps):
    f = c.seq(fn, "fractions", fractions, "fraction", ascending=True)
    t = c.seq(fn, "temps", temps, "lab", length=len(f), ascending=True)
    return f, t


def _lab_reader(fn, raw_fn):
    @c.arrays()
    @reads_settings
    def reader(fractions, temps):
        f, tbp = raw_fn(*_lab(fn, fractions, temps))
        return f, c.results(fn, tbp)
    reader.__name__ = reader.__qualname__ = fn
    return reader


d86_lab_to_tbp = _lab_reader("d86_lab_to_tbp", raw.d86_lab_to_tbp)
d86_lab_to_tbp.__doc__ = """(the nine D86 grid fractions, the TBP temperatures there in K) of a
    D86 laboratory curve: fractions distilled (0..1, ascending) and temperatures (K,
    ascending), read at the grid and converted by API 3A1.1.

    >>> f, t = qira.d86_lab_to_tbp([0.0, 0.1, 0.5, 0.9, 1.0], [310.0, 340.0, 395.0, 460.0, 495.0])
    >>> len(t), f[4]
    (9, 0.5)
    """
d86_lab_to_tbp_option = _lab_reader("d86_lab_to_tbp_option", raw.d86_lab_to_tbp_option)
d86_lab_to_tbp_option.__doc__ = """As d86_lab_to_tbp on the grid of the D86 method (nine or seven points).

    >>> len(qira.d86_lab_to_tbp_option([0.0, 0.1, 0.5, 0.9, 1.0], [310.0, 340.0, 395.0, 460.0, 495.0], d86_method=0)[1])
    7
    """
d2887_lab_to_tbp = _lab_reader("d2887_lab_to_tbp", raw.d2887_lab_to_tbp)
d2887_lab_to_tbp.__doc__ = """(the eight D2887 grid fractions, TBP temperatures K) of a D2887 laboratory curve
    (fractions 0..1 and K, ascending), converted by API 3A3.1.

    >>> [round(t) for t in qira.d2887_lab_to_tbp([0.0, 0.1, 0.5, 0.9, 1.0], [330.0, 360.0, 420.0, 500.0, 560.0])[1]][:3]
    [362, 371, 404]
    """
d1160_lab_to_tbp = _lab_reader("d1160_lab_to_tbp", raw.d1160_lab_to_tbp)
d1160_lab_to_tbp.__doc__ = """(fractions, TBP temperatures K) of a D1160 laboratory curve: IBP, 10, 30 and 50 %
    converted by API 3A2.1, then every laboratory point above 50 % as it stands.

    >>> [round(t, 1) for t in qira.d1160_lab_to_tbp([0.0, 0.1, 0.5, 0.9], [550.0, 600.0, 660.0, 720.0])[1]][:3]
    [531.3, 591.5, 625.7]
    """


def _lab_cutter(fn, raw_fn, example):
    @c.arrays()
    @reads_settings
    def cutter(fractions, temps, cuts):
        f, t = _lab(fn, fractions, temps)
        return c.results(fn, raw_fn(f, t, c.seq(fn, "cuts", cuts, "tb")))
    cutter.__name__ = cutter.__qualname__ = fn
    cutter.__doc__ = ("The fractions of the components with boiling points `cuts` (K) cut from a "
                      "%s laboratory curve (fractions 0..1 and K, ascending).\n\n    >>> [round(v, 3) "
                      "for v in qira.%s([0.0, 0.1, 0.5, 0.9, 1.0], [310.0, 340.0, 395.0, 460.0, 495.0], "
                      "[350.0, 420.0, 500.0])]\n    %s\n    " % (fn.split("_")[0].upper(), fn, example))
    return cutter


d86_comp = _lab_cutter("d86_comp", raw.d86_comp, [0.219, 0.413, 0.368])
d86_comp_option = _lab_cutter("d86_comp_option", raw.d86_comp_option, [0.261, 0.366, 0.373])
d2887_comp = _lab_cutter("d2887_comp", raw.d2887_comp, [0.072, 0.585, 0.343])
d1160_comp = _lab_cutter("d1160_comp", raw.d1160_comp, [0.204, 0.484, 0.311])


@c.arrays()
def comp_from_tbp(tbp, fractions, cuts):
    """Each component's fraction from cutting the TBP curve (tbp K and cumulative
    fractions 0..1, both ascending) at the components' boiling points `cuts` (K, any
    order); the fractions sum to 1, in the order of `cuts`.

    >>> [round(v, 3) for v in qira.comp_from_tbp([300.0, 500.0], [0.0, 1.0], [350.0, 450.0])]
    [0.007, 0.993]
    """
    fn = "comp_from_tbp"
    t = c.seq(fn, "tbp", tbp, "tb", minimum=2, ascending=True)
    f = c.seq(fn, "fractions", fractions, "fraction", length=len(t), ascending=True)
    return c.results(fn, raw.comp_from_tbp(t, f, c.seq(fn, "cuts", cuts, "tb")))


@c.arrays()
def tbp_from_yield(tbp, fractions, yields):
    """The temperatures (K) at which the cumulative TBP curve (K, fractions 0..1, both
    ascending) reaches the ascending yields (fractions).

    >>> qira.tbp_from_yield([300.0, 500.0], [0.0, 1.0], [0.5])
    [400.0]
    """
    fn = "tbp_from_yield"
    t = c.seq(fn, "tbp", tbp, "tb", ascending=True)
    f = c.seq(fn, "fractions", fractions, "fraction", length=len(t), ascending=True)
    return c.results(fn, raw.tbp_from_yield(t, f, _yields(fn, yields)))


@c.arrays()
def cbp(fractions, nbp, upper_bound=None):
    """Each component's boiling point (K) at the middle of its own cut of the blend's TBP
    curve; fractions sum to 1, nbp in K; upper_bound (K) replaces a lower highest NBP.

    >>> [round(t, 1) for t in qira.cbp([0.5, 0.5], [350.0, 450.0])]
    [350.0, 400.0]
    """
    fn = "cbp"
    x, t = _components(fn, fractions, nbp)
    ub = None if upper_bound is None else c.num(fn, "upper_bound", upper_bound, "tb")
    return c.results(fn, raw.cbp(x, t, ub))


def nbp_temp_bound(nbp, fractions, lower=None, upper=None, per_component=True):
    """(fraction of the material boiling within (lower, upper] K, each component's share
    of it or None); fractions sum to 1; None for a bound means no bound on that side.

    >>> round(qira.nbp_temp_bound([350.0, 450.0], [0.5, 0.5], upper=400.0)[0], 4)
    0.493
    """
    fn = "nbp_temp_bound"
    t = c.seq(fn, "nbp", nbp, "tb")
    x = c.seq(fn, "fractions", fractions, "fraction", length=len(t), total=1.0)
    lo, hi = [None if v is None else c.num(fn, k, v, "tb") for k, v in (("lower", lower), ("upper", upper))]
    return raw.nbp_temp_bound(t, x, lo, hi, per_component)


@c.arrays()
@reads_settings
def tbp_cuts_from_nbp(yields, nbp, fractions, point_mode=True):
    """TBP temperatures (K) at the ascending yields (fractions) of the components' blended
    TBP curve (nbp K, fractions summing to 1).

    >>> [round(t, 1) for t in qira.tbp_cuts_from_nbp([0.25, 0.75], [350.0, 450.0], [0.5, 0.5])]
    [300.0, 400.0]
    """
    fn = "tbp_cuts_from_nbp"
    y = _yields(fn, yields)
    t = c.seq(fn, "nbp", nbp, "tb")
    x = c.seq(fn, "fractions", fractions, "fraction", length=len(t), total=1.0)
    return c.results(fn, raw.tbp_cuts_from_nbp(y, t, x, point_mode))


# ---- curve fitting (no units) --------------------------------------------------------

def _fit(fn, raw_fn, minimum):
    @c.arrays()
    def fit(x, y, xq):
        xs = c.seq(fn, "x", x, minimum=minimum, ascending=True)
        return c.results(fn, raw_fn(xs, c.seq(fn, "y", y, length=len(xs)), c.seq(fn, "xq", xq, minimum=0)))
    fit.__name__ = fit.__qualname__ = fn
    return fit


simple_spline = _fit("simple_spline", raw.simple_spline, 3)
simple_spline.__doc__ = """The table (x ascending, y; at least 3 points) at the queries xq by
    local polynomials of degree 1 to 3 (the blends' local spline).

    >>> qira.simple_spline([0.0, 1.0, 2.0], [0.0, 1.0, 2.0], [0.5])
    [0.5]
    """
linear = _fit("linear", raw.linear, 2)
linear.__doc__ = """Piecewise-linear interpolation over ascending x (at least 2 points), the end
    intervals extended beyond the table.

    >>> qira.linear([0.0, 1.0], [0.0, 2.0], [0.25, 2.0])
    [0.5, 4.0]
    """
monotone_spline = _fit("monotone_spline", raw.monotone_spline, 3)
monotone_spline.__doc__ = """The curve (x ascending, at least 3 points) at ascending queries, with knots
    inserted until the values follow the curve's direction.

    >>> [round(v, 3) for v in qira.monotone_spline([0.0, 1.0, 2.0], [0.0, 1.0, 4.0], [0.5, 1.5])]
    [0.5, 2.25]
    """
