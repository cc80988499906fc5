"""Assays: a laboratory distillation curve and a few bulk measurements turned into a table
of pseudo-components, and streams blended into one.

Units: temperatures in kelvin, pressures in kPa, densities in kg/m3, yields and fractions
from 0 to 1, kinematic viscosities in cSt (at temperatures in kelvin), molar volumes in
m3/kmol, MW in kg/kmol, SG 60F/60F.

    >>> a = Assay("D86", [0.0, 0.1, 0.3, 0.5, 0.7, 0.9],
    ...           [438.75, 449.85, 466.45, 479.85, 495.95, 515.95], sg=0.80, name="kerosene")
    >>> table = a.cut(count=5)
    >>> len(table.records), round(sum(r["volume_fraction"] for r in table.records), 6)
    (5, 1.0)

The chain, each step with the library's own procedures:

1. The laboratory curve becomes a TBP curve (API 3A1.1 for D86, API 3A3.1 for D2887, the
   D1160 conversion, or the TBP curve as given).
2. The cuts' volume fractions come from the library's laboratory-curve cutters, which read
   the curve at its standard's grid, convert it and cut it on the probability scale; the
   mid-cut NBP is the TBP temperature at the middle of the cut's volume.
3. One Watson K is fitted so that the cuts, each with SG = (1.8 NBP)^(1/3) / K and mixed
   by volume, reproduce the bulk gravity exactly (closed form).
4. MW from SG and K (the library's Watson relation), scaled to the bulk MW when one is
   given; mass and mole fractions follow.
5. Tc, Pc, Vc, the acentric factor and the COSTALD pair from qira.critical.
6. Viscosities at 38 and 100 C from a ViscHandler fitted to the bulk viscosities.
"""
import csv
import io
import json
import math
from collections import OrderedDict, namedtuple

from . import critical, raw

STANDARDS = ("D86", "D2887", "D1160", "TBP")
WATER_60F = 999.016          # kg/m3, water at 60 F: density = SG * WATER_60F
P_ATM = 101.325
T38, T100 = 311.15, 373.15

# Pure light ends: NBP K, SG 60F/60F, MW, Tc K, Pc kPa, Vc m3/kmol, omega (Poling,
# Prausnitz and O'Connell 2001, appendix A; SG from GPA 2145).
LIGHT_ENDS = OrderedDict([
    ("ethane", (184.55, 0.3562, 30.070, 305.32, 4872.0, 0.1455, 0.0995)),
    ("propane", (231.02, 0.5070, 44.097, 369.83, 4248.0, 0.2000, 0.1523)),
    ("isobutane", (261.34, 0.5629, 58.123, 407.85, 3640.0, 0.2627, 0.1770)),
    ("n-butane", (272.66, 0.5840, 58.123, 425.12, 3796.0, 0.2550, 0.2002)),
    ("isopentane", (300.99, 0.6247, 72.150, 460.39, 3381.0, 0.3060, 0.2275)),
    ("n-pentane", (309.22, 0.6311, 72.150, 469.70, 3370.0, 0.3110, 0.2515)),
])

# Refinery cuts by TBP range (K); the first starts and the last ends with the curve.
REFINERY_CUTS = OrderedDict([
    ("light naphtha", 353.15), ("heavy naphtha", 453.15), ("kerosene", 513.15),
    ("light gas oil", 593.15), ("heavy gas oil", 643.15), ("vacuum gas oil", 823.15),
    ("residue", None),
])
NAMED_CUTS = {"refinery": REFINERY_CUTS}

# Properties blended by index, with their unit in the Assay API.
PROPERTIES = OrderedDict([
    ("flash_point", "K"), ("pour_point", "K"), ("cloud_point", "K"), ("freeze_point", "K"),
    ("aniline_point", "K"), ("smoke_point", "mm"), ("rvp", "kPa"),
])

COLUMNS = ("cut", "t_low", "t_high", "nbp", "volume_fraction", "mass_fraction",
           "mole_fraction", "sg", "watson_k", "mw", "tc", "pc", "vc", "omega", "vstar",
           "omega_srk", "visc38", "visc100")
UNITS = {"t_low": "K", "t_high": "K", "nbp": "K", "mw": "kg/kmol", "tc": "K", "pc": "kPa",
         "vc": "m3/kmol", "vstar": "m3/kmol", "visc38": "cSt", "visc100": "cSt"}

ViscosityFit = namedtuple("ViscosityFit", "temperature measured calculated given")
ViscosityFit.__doc__ = """One point of the viscosity fit: temperature (K), measured and
calculated kinematic viscosity (cSt), and whether the user gave it. A given point's
calculated value is the fitted mixture's viscosity at its temperature; a point not given was
derived on the Walther line through the measured ones (the 38 and 100 C points the fit is
anchored at, or a point the handler moved a single measurement to) and its calculated value
is the handler's."""


# ---- input checks ---------------------------------------------------------------------

def _real(what, value, position=None):
    where = what if position is None else "%s[%d]" % (what, position)
    if isinstance(value, bool) or not isinstance(value, (int, float)):
        raise ValueError("%s must be a real number, not %r" % (where, value))
    value = float(value)
    if not math.isfinite(value):
        raise ValueError("%s is not finite: %r" % (where, value))
    return value


def _ranged(what, value, lo, hi, position=None):
    value = _real(what, value, position)
    if not lo <= value <= hi:
        where = what if position is None else "%s[%d]" % (what, position)
        raise ValueError("%s = %r lies outside %g to %g" % (where, value, lo, hi))
    return value


def _ascending(what, values, lo, hi, strict=True):
    out = [_ranged(what, v, lo, hi, i) for i, v in enumerate(values)]
    for i in range(1, len(out)):
        if out[i] < out[i - 1] or (strict and out[i] == out[i - 1]):
            raise ValueError("%s[%d] = %r does not ascend from %r" % (what, i, out[i], out[i - 1]))
    return out


# ---- the assay ------------------------------------------------------------------------

class Assay:
    """A stream known by a laboratory curve and bulk measurements.

    standard: 'D86', 'D2887', 'D1160' or 'TBP'; yields: ascending fractions 0..1;
    temperatures: K, ascending, one per yield (D1160 at 1.33 kPa converted to normal
    boiling points is the caller's business: give the atmospheric-equivalent curve).
    Bulk gravity by sg or api (one of them), or watson_k alone; mw: bulk MW (kg/kmol)
    that the cuts are scaled to reproduce; viscosities: (temperature K, cSt) pairs;
    light_ends: {name: volume fraction of the whole stream} for names in LIGHT_ENDS, the
    laboratory curve then describing the rest; properties: any of PROPERTIES (K, mm, kPa),
    carried for blending.
    """

    def __init__(self, standard, yields, temperatures, *, sg=None, api=None, mw=None,
                 watson_k=None, viscosities=(), light_ends=None, properties=None,
                 name="assay", method="riazi-daubert"):
        standard = str(standard).upper()
        if standard not in STANDARDS:
            raise ValueError("standard must be one of %s, not %r" % (", ".join(STANDARDS), standard))
        self.standard, self.name, self.method = standard, str(name), method
        yields, temperatures = list(yields), list(temperatures)
        if len(yields) != len(temperatures) or len(yields) < 3:
            raise ValueError("yields and temperatures need the same length, at least 3 "
                             "(got %d and %d)" % (len(yields), len(temperatures)))
        self.yields = _ascending("yields", yields, 0.0, 1.0)
        self.temperatures = _ascending("temperatures", temperatures, 200.0, 1500.0)
        given = [k for k, v in (("sg", sg), ("api", api), ("watson_k", watson_k)) if v is not None]
        if len(given) != 1:
            raise ValueError("give exactly one of sg, api or watson_k (got %s)"
                             % (", ".join(given) or "none"))
        if api is not None:
            sg = 141.5 / (_ranged("api", api, -10.0, 150.0) + 131.5)
        self._sg = None if sg is None else _ranged("sg", sg, 0.3, 1.5)
        self._kw = None if watson_k is None else _ranged("watson_k", watson_k, 8.0, 15.0)
        self.mw = None if mw is None else _ranged("mw", mw, 16.0, 3000.0)
        self.viscosities = []
        for i, pair in enumerate(viscosities or ()):
            t, nu = pair
            self.viscosities.append((_ranged("viscosities temperature", t, 200.0, 700.0, i),
                                     _ranged("viscosities cSt", nu, 0.05, 1e7, i)))
        self.light_ends = OrderedDict()
        for key, frac in (light_ends or {}).items():
            if key not in LIGHT_ENDS:
                raise ValueError("light_ends: %r is none of %s" % (key, ", ".join(LIGHT_ENDS)))
            self.light_ends[key] = _ranged("light_ends[%s]" % key, frac, 0.0, 0.5)
        if sum(self.light_ends.values()) >= 0.9:
            raise ValueError("light_ends add up to %g of the stream" % sum(self.light_ends.values()))
        self.properties = OrderedDict()
        for key, value in (properties or {}).items():
            if key not in PROPERTIES:
                raise ValueError("properties: %r is none of %s" % (key, ", ".join(PROPERTIES)))
            self.properties[key] = _real("properties[%s]" % key, value)
        if method not in critical.METHODS:
            raise ValueError("method must be one of %s, not %r" % (", ".join(critical.METHODS), method))
        self._curves = {}         # blended curves of a mixture
        self._components = None   # a mixture's own composition (nbp, volume fractions)
        self._tbp = self._tbp_curve()

    # ---- curves ----
    def _tbp_curve(self):
        readers = {"D86": raw.d86_lab_to_tbp, "D2887": raw.d2887_lab_to_tbp,
                   "D1160": raw.d1160_lab_to_tbp}
        if self.standard == "TBP":
            return list(self.yields), list(self.temperatures)
        fractions, temps = readers[self.standard](self.yields, self.temperatures)
        return list(fractions), list(temps)

    @property
    def tbp(self):
        """(yields, TBP temperatures K) of the laboratory curve's material."""
        return tuple(list(v) for v in self._tbp)

    def _tbp_at(self, yields):
        return raw.tbp_from_yield(self._tbp[1], self._tbp[0], list(yields))

    @property
    def d86(self):
        """(yields, D86 temperatures K) on the nine-point grid."""
        if "D86" in self._curves:
            return self._curves["D86"]
        y = raw.d86_valid_yields()
        return y, raw.tbp_to_d86(self._tbp_at(y))

    @property
    def d2887(self):
        """(yields, D2887 temperatures K) on the eight-point grid."""
        if "D2887" in self._curves:
            return self._curves["D2887"]
        y = raw.d2887_valid_yields()
        return y, raw.tbp_to_d2887(self._tbp_at(y))

    # ---- bulk values ----
    def _cut_fractions(self, uppers):
        """Volume fractions of the material up to each upper cut temperature (ascending),
        by the library's cutter for this standard; the last takes what lies above."""
        if self._components is not None:
            nbp, x = self._components
            return _regroup(nbp, x, uppers)
        cutters = {"D86": raw.d86_comp, "D2887": raw.d2887_comp, "D1160": raw.d1160_comp}
        if self.standard == "TBP":
            return raw.comp_from_tbp(self.temperatures, self.yields, uppers)
        return cutters[self.standard](self.yields, self.temperatures, uppers)

    def components(self, step=5.0):
        """(NBPs K, volume fractions of the whole stream): the stream on a grid of cut
        temperatures `step` K apart over its TBP range, light ends first, as the library's
        blends take it."""
        if self._components is not None:
            return tuple(list(v) for v in self._components)
        lo, hi = self._tbp[1][0], self._tbp[1][-1]
        grid = _grid(lo, hi, step)
        rest = 1.0 - sum(self.light_ends.values())
        x = self._cut_fractions(grid)
        nbp = [LIGHT_ENDS[k][0] for k in self.light_ends] + grid
        return nbp, list(self.light_ends.values()) + [rest * v for v in x]

    @property
    def sg(self):
        """Bulk SG (given, from API, or from the given Watson K and the cuts)."""
        if self._sg is not None:
            return self._sg
        return self.cut(count=20).sg

    @property
    def api(self):
        return 141.5 / self.sg - 131.5

    def density15(self):
        """Density at 15 C (kg/m3), taken as SG times water at 60 F."""
        return self.sg * WATER_60F

    def cetane_index(self):
        """Cetane index by ASTM D4737 from the D86 10, 50 and 90 % points and the density
        at 15 C."""
        y, t = self.d86
        t10, t50, t90 = (raw.tbp_from_yield(t, y, [f])[0] for f in (0.1, 0.5, 0.9))
        return raw.indices.cetane_index_d4737(self.density15() / 1000.0, t10, t50, t90)

    # ---- cutting ----
    def cut_temperatures(self, count=None, temperatures=None, named=None, lo=None, hi=None):
        """(names, boundaries K): count cuts of equal TBP width between lo and hi (the
        curve's ends by default), the given boundaries, or a named set (NAMED_CUTS)."""
        first, last = self._tbp[1][0], self._tbp[1][-1]
        chosen = [k for k, v in (("count", count), ("temperatures", temperatures),
                                 ("named", named)) if v is not None]
        if len(chosen) > 1:
            raise ValueError("give one of count, temperatures or named (got %s)" % ", ".join(chosen))
        if temperatures is not None:
            bounds = _ascending("temperatures", temperatures, 100.0, 1500.0)
            if len(bounds) < 2:
                raise ValueError("temperatures needs at least 2 boundaries, got %d" % len(bounds))
            return ["cut %d" % (i + 1) for i in range(len(bounds) - 1)], bounds
        if named is not None:
            if named not in NAMED_CUTS:
                raise ValueError("named must be one of %s, not %r" % (", ".join(NAMED_CUTS), named))
            names, bounds = [], [first]
            for cut_name, upper in NAMED_CUTS[named].items():
                upper = last if upper is None else min(upper, last)
                if upper > bounds[-1]:
                    names.append(cut_name)
                    bounds.append(upper)
            return names, bounds
        count = 10 if count is None else count
        if isinstance(count, bool) or not isinstance(count, int) or not 1 <= count <= 200:
            raise ValueError("count must be an int from 1 to 200, not %r" % (count,))
        lo = first if lo is None else _ranged("lo", lo, 90.0, 1500.0)
        hi = last if hi is None else _ranged("hi", hi, 90.0, 1500.0)
        if hi <= lo:
            raise ValueError("hi = %r must lie above lo = %r" % (hi, lo))
        step = (hi - lo) / count
        return (["cut %d" % (i + 1) for i in range(count)],
                [lo + i * step for i in range(count)] + [hi])

    def cut(self, count=None, temperatures=None, named=None, lo=None, hi=None):
        """The CutTable of this assay. Material below the first boundary joins the first
        cut, material above the last is shared out over the cuts in proportion (the
        library's cutting rule)."""
        names, bounds = self.cut_temperatures(count, temperatures, named, lo, hi)
        return CutTable(self, names, bounds)

    def blend_shares(self):
        return None

    def __repr__(self):
        return "<Assay %r %s, SG %.4f>" % (self.name, self.standard, self.sg)

    # ---- files ----
    @classmethod
    def from_dict(cls, data):
        """An Assay from the file schema (docs/assay.md); see qira.assay_file."""
        from . import assay_file
        return assay_file.from_dict(cls, data)

    @classmethod
    def load(cls, path):
        """An Assay from a .json or .csv file (docs/assay.md); see qira.assay_file."""
        from . import assay_file
        return assay_file.load(cls, path)

    default_cuts = None

    def default_cut(self):
        """The cut table of the file's cuts, else 10 equal cuts."""
        return self.cut(**(self.default_cuts or {}))


def _grid(lo, hi, step):
    n = max(2, int(math.ceil((hi - lo) / step)))
    return [lo + (hi - lo) * i / n for i in range(1, n + 1)]


def _regroup(nbp, x, uppers):
    """Sums fractions of components (nbp) into the cuts ending at `uppers`; components
    above the last upper are shared out in proportion, as the library's cutter does."""
    out = [0.0] * len(uppers)
    for t, f in zip(nbp, x):
        i = next((k for k, u in enumerate(uppers) if t <= u + 1e-9), None)
        if i is not None:
            out[i] += f
    total = sum(out)
    return [v / total for v in out] if total > 0 else out


# ---- the cut table --------------------------------------------------------------------

class CutTable:
    """Pseudo-components of an assay: records (dicts keyed by COLUMNS), CSV and a pandas
    DataFrame, with the fitted Watson K, the bulk values the cuts reproduce and the
    viscosity fit report."""

    def __init__(self, assay, names, bounds):
        self.assay = assay
        rest = 1.0 - sum(assay.light_ends.values())
        frac = assay._cut_fractions(bounds[1:])
        # mid-cut NBP: the TBP temperature at the middle of the cut's volume
        cum, mids = 0.0, []
        for f in frac:
            mids.append(min(max(cum + f / 2.0, 1e-6), 1.0 - 1e-6))
            cum += f
        nbp = assay._tbp_at(mids)
        nbp = [min(max(t, lo), hi) for t, lo, hi in zip(nbp, bounds[:-1], bounds[1:])]
        le = [(k, LIGHT_ENDS[k], v) for k, v in assay.light_ends.items()]
        vol = [v for _, _, v in le] + [rest * f for f in frac]
        le_sg = sum(v * d[1] for _, d, v in le)
        cube = [(1.8 * t) ** (1.0 / 3.0) for t in nbp]
        if assay._sg is not None:
            # one Watson K: sum(v_i (1.8 Tb_i)^(1/3) / K) + light ends = bulk SG
            self.watson_k = rest * sum(f * c for f, c in zip(frac, cube)) / (assay._sg - le_sg)
            if not self.watson_k > 0:
                raise ValueError("sg = %r lies below the light ends' own gravity" % assay._sg)
        else:
            self.watson_k = assay._kw
        sg_cut = [c / self.watson_k for c in cube]
        self.sg = le_sg + rest * sum(f * s for f, s in zip(frac, sg_cut))
        mw_cut = [raw.characterization.mw_from_sg_kw(s, self.watson_k) for s in sg_cut]
        sgs = [d[1] for _, d, _ in le] + sg_cut
        mass = [v * s / self.sg for v, s in zip(vol, sgs)]
        self.mw_scale = 1.0
        if assay.mw is not None:
            le_moles = sum(m / d[2] for m, (_, d, _) in zip(mass, le))
            cut_moles = sum(m / w for m, w in zip(mass[len(le):], mw_cut))
            # the cuts' MWs scaled so that sum(w) / sum(w / MW) is the bulk MW
            self.mw_scale = cut_moles / (1.0 / assay.mw - le_moles)
            if not self.mw_scale > 0:
                raise ValueError("mw = %r cannot be reached with the light ends given" % assay.mw)
            mw_cut = [w * self.mw_scale for w in mw_cut]
        mws = [d[2] for _, d, _ in le] + mw_cut
        moles = [m / w for m, w in zip(mass, mws)]
        self.mw = 1.0 / sum(moles)
        mole = [n * self.mw for n in moles]
        rows = []
        for k, d, _ in le:
            crit = _light_end_critical(d)
            rows.append(dict(cut=k, t_low=d[0], t_high=d[0], nbp=d[0], sg=d[1],
                             watson_k=(1.8 * d[0]) ** (1 / 3.0) / d[1], mw=d[2], hypo=False,
                             **crit._asdict()))
        self.notes = []
        for i, name in enumerate(names):
            crit = _cut_critical(nbp[i], sg_cut[i], assay.method, name, self.notes)
            rows.append(dict(cut=name, t_low=bounds[i], t_high=bounds[i + 1], nbp=nbp[i],
                             sg=sg_cut[i], watson_k=self.watson_k, mw=mw_cut[i], hypo=True,
                             **crit._asdict()))
        for r, v, m, x in zip(rows, vol, mass, mole):
            r.update(volume_fraction=v, mass_fraction=m, mole_fraction=x)
        self.viscosity_fit = _viscosities(rows, assay.viscosities)
        self._rows = rows

    @property
    def records(self):
        """One dict per pseudo-component, keys COLUMNS (units in UNITS)."""
        return [OrderedDict((c, r.get(c)) for c in COLUMNS) for r in self._rows]

    def to_csv(self, path=None):
        """The table as CSV text (units in the header); written to `path` when given."""
        out = io.StringIO()
        w = csv.writer(out, lineterminator="\n")
        w.writerow(["%s [%s]" % (c, UNITS[c]) if c in UNITS else c for c in COLUMNS])
        for r in self.records:
            w.writerow([("" if v is None else (v if isinstance(v, str) else "%.6g" % v))
                        for v in r.values()])
        if path is not None:
            with open(path, "w", newline="") as f:
                f.write(out.getvalue())
        return out.getvalue()

    def to_dataframe(self):
        """A pandas DataFrame of the records (ImportError without pandas)."""
        import pandas
        return pandas.DataFrame(self.records, columns=list(COLUMNS))

    def format(self):
        """A printable table in engineering units (temperatures in degrees C)."""
        head = ("%-16s %7s %7s %7s %7s %7s %6s %6s %7s %7s %7s %6s %6s %9s %9s"
                % ("cut", "NBP C", "vol %", "mass %", "mole %", "SG", "Kw", "MW", "Tc C",
                   "Pc kPa", "Vc", "omega", "w_srk", "cSt 38C", "cSt 100C"))
        lines = [head, "-" * len(head)]

        def num(v, f):
            return ("%" + f) % v if v is not None else "-"
        for r in self.records:
            lines.append("%-16s %7.1f %7.3f %7.3f %7.3f %7.4f %6.2f %6.1f %7.1f %7.0f %7.4f "
                         "%6.3f %6.3f %9s %9s" % (
                             r["cut"][:16], r["nbp"] - 273.15, 100 * r["volume_fraction"],
                             100 * r["mass_fraction"], 100 * r["mole_fraction"], r["sg"],
                             r["watson_k"], r["mw"], r["tc"] - 273.15, r["pc"], r["vc"],
                             r["omega"], r["omega_srk"], num(r["visc38"], ".4g"),
                             num(r["visc100"], ".4g")))
        lines.append("bulk: SG %.4f (API %.2f), Watson K %.3f, MW %.1f%s"
                     % (self.sg, 141.5 / self.sg - 131.5, self.watson_k, self.mw,
                        "" if self.mw_scale == 1.0 else ", MW scale %.4f" % self.mw_scale))
        lines += ["note: " + n for n in self.notes]
        fit = self.viscosity_fit or ()
        anchored = len({p.temperature for p in fit if p.given}) > 1   # fitted at 38 and 100 C
        for p in fit:
            # more than 1 K outside: 100 F (37.8 C) still counts as 38 C
            outside = anchored and not STANDARD_K[0] - 1.0 <= p.temperature <= STANDARD_K[1] + 1.0
            lines.append("viscosity at %.1f C: measured %.4g cSt, calculated %s cSt%s"
                         % (p.temperature - 273.15, p.measured,
                            "-" if p.calculated is None else "%.4g" % p.calculated,
                            " (synthesized point)" if not p.given else
                            " (outside the fitted 38-100 C range)" if outside else ""))
        return "\n".join(lines)


def _cut_critical(tb, sg, method, name, notes):
    """critical.fraction, except that an SRK acentric factor outside the Hankinson-Thomson
    domain (a very heavy cut) is replaced by the Kesler-Lee acentric factor, with a note."""
    try:
        return critical.fraction(tb, sg, method)
    except raw.QiraError as error:
        if "CostaldOmega" not in str(error):
            raise
    ftc, fpc, fvc = critical.METHODS[method]
    tc, pc, vc = ftc(tb, sg), fpc(tb, sg), fvc(tb, sg)
    omega = critical.acentric_kesler_lee(tb, sg, tc, pc)
    notes.append("%s: SRK acentric factor outside the Hankinson-Thomson domain, the "
                 "Kesler-Lee acentric factor %.3f used" % (name, omega))
    return critical.Critical(tc, pc, vc, omega, critical.costald_volume(tc, pc, omega), omega)


def _light_end_critical(d):
    tb, _, _, tc, pc, vc, omega = d
    omega_srk = critical.costald_omega(tb, tc, pc)
    return critical.Critical(tc, pc, vc, omega, critical.costald_volume(tc, pc, omega_srk),
                             omega_srk)


STANDARD_K = (311.15, 373.15)   # the cut table's viscosity temperatures, 38 and 100 C


def _fit_points(bulk):
    """The bulk points the ViscHandler is fitted to. With two or more measured points:
    exactly two points, at 38 and 100 C, each the measured value where one was measured
    there, else read from the ASTM D341 (Walther) line through the two measured points
    nearest it. The handler fits every cut's thetas over the bulk points'
    temperatures and extrapolates beyond them; anchoring the fit at the standard
    temperatures keeps the cuts' 38 and 100 C values interpolated, so that their Walther
    lines rise with NBP instead of crossing. One measured point: the point as given (the
    handler moves it along a Walther line itself). Two values at one temperature are
    refused."""
    pts = sorted(bulk)
    if len({t for t, _ in pts}) < len(pts):
        raise ValueError("viscosities: two values at one temperature")
    if len(pts) < 2:
        return pts
    out = []
    for t in STANDARD_K:
        same = [nu for tm, nu in pts if abs(tm - t) < 1e-6]
        out.append((t, same[0] if same else _walther_at(pts, t)))
    return out


def _viscosities(rows, bulk):
    """Fills visc38/visc100 of the rows from a ViscHandler fitted to the bulk viscosities
    ((K, cSt) pairs) through _fit_points; returns the fit report or None.

    The report (ViscosityFit per point, by temperature) holds every measured point, given,
    with the fitted mixture's kinematic viscosity there (the handler's whole-mixture
    correlation evaluated at that temperature), and every other point the handler was
    fitted to, not given (derived from the measured ones), with its value and the
    handler's calculated one."""
    comps = [raw.Component(tb=r["nbp"], tc=r["tc"], pc=r["pc"], vc=r["vc"], omega=r["omega"],
                           mw=r["mw"], liq_den=r["sg"] * WATER_60F, wsrk=r["omega_srk"],
                           vchar=r["vstar"], x=r["mole_fraction"], hypo=r["hypo"]) for r in rows]
    x = [r["mole_fraction"] for r in rows]
    report = None
    with raw.ViscHandler() as vh:
        vh.set_components(comps)

        def mixture(prop, t_c):
            value = prop(t_c, P_ATM, x)
            vh.set_composition(x)   # the property call leaves x stored
            return value
        if bulk:
            points = [(t - 273.15, nu) for t, nu in _fit_points(bulk)]
            # the handle interface holds dynamic viscosities: cP = cSt * rho / 1000
            vh.set_bulk_values([tc for tc, _ in points],
                               [nu * mixture(vh.liquid_mass_density, tc) / 1000.0
                                for tc, nu in points])
        vh.characterize()
        for r, std in zip(rows, vh.standard_viscosities()):
            r["visc38"], r["visc100"] = std[0], std[3]
        if bulk:
            given = sorted(bulk)
            report = [ViscosityFit(t, nu, mixture(vh.liquid_kinematic_viscosity, t - 273.15),
                                   True) for t, nu in given]
            for tc, meas, calc in zip(*vh.bulk_points()):
                if any(abs(tc + 273.15 - t) < 1e-6 for t, _ in given):
                    continue
                rho = mixture(vh.liquid_mass_density, tc)
                report.append(ViscosityFit(tc + 273.15, meas * 1000.0 / rho,
                                           None if calc is None else calc * 1000.0 / rho, False))
            report.sort(key=lambda p: p.temperature)
    return report


# ---- blending -------------------------------------------------------------------------

BASES = ("volume", "mass", "mole")


def blend(streams, basis="volume", step=5.0, name=None):
    """The Assay of a mixture of streams [(Assay, share), ...], shares on `basis`
    ('volume', 'mass' or 'mole'; they must add up to 1).

    Each stream is cut by its own laboratory cutter onto one grid of cut temperatures
    `step` K apart, the volume fractions are mixed, and the library's blends give the
    mixture's TBP, D86 and D2887 curves. Flash, pour, cloud and freeze points, aniline and
    smoke points and RVP are blended by their indices (volume fractions) where every
    stream carries them; viscosities at 38 and 100 C by the Refutas index (mass fractions)
    where every stream has at least two measured viscosities.
    """
    streams = list(streams)
    if not streams:
        raise ValueError("streams is empty")
    if basis not in BASES:
        raise ValueError("basis must be one of %s, not %r" % (", ".join(BASES), basis))
    for i, item in enumerate(streams):
        if not (isinstance(item, (tuple, list)) and len(item) == 2 and isinstance(item[0], Assay)):
            raise ValueError("streams[%d] must be an (Assay, share) pair, not %r" % (i, item))
    shares = [_ranged("shares", s, 0.0, 1.0, i) for i, (_, s) in enumerate(streams)]
    if abs(sum(shares) - 1.0) > 1e-6:
        raise ValueError("shares add up to %r, not 1" % sum(shares))
    assays = [a for a, _ in streams]
    sgs = [a.sg for a in assays]
    if basis == "mass":
        raw_vol = [s / g for s, g in zip(shares, sgs)]
    elif basis == "mole":
        mws = [a.cut(count=20).mw for a in assays]
        raw_vol = [s * m / g for s, m, g in zip(shares, mws, sgs)]
    else:
        raw_vol = shares
    vol = [v / sum(raw_vol) for v in raw_vol]
    mass = [v * g for v, g in zip(vol, sgs)]
    mass = [m / sum(mass) for m in mass]

    lo = min(a._tbp[1][0] for a in assays)
    hi = max(a._tbp[1][-1] for a in assays)
    grid = _grid(lo, hi, step)
    light = OrderedDict()
    for a, v in zip(assays, vol):
        for k, f in a.light_ends.items():
            light[k] = light.get(k, 0.0) + v * f
    x = [0.0] * len(grid)
    for a, v in zip(assays, vol):
        rest = 1.0 - sum(a.light_ends.values())
        for i, f in enumerate(a._cut_fractions(grid)):
            x[i] += v * rest * f
    nbp_all = [LIGHT_ENDS[k][0] for k in light] + grid
    x_all = list(light.values()) + x
    # the mixture's heavy part (what its TBP curve describes) renormalised
    xs = [f / sum(x) for f in x]
    ty = raw.tbp_valid_yields()
    tbp = raw.blend_tbp(xs, grid, ty)
    props = OrderedDict()
    for key in PROPERTIES:
        if all(key in a.properties for a in assays):
            props[key] = _blend_property(key, vol, [a.properties[key] for a in assays])
    visc = []
    if all(len(a.viscosities) >= 2 for a in assays):
        for t in (T38, T100):
            idx = sum(m * raw.indices.viscosity_index2(_walther_at(a.viscosities, t))
                      for a, m in zip(assays, mass))
            visc.append((t, raw.indices.viscosity_from_index2(idx)))
    label = name or " + ".join("%s %.0f%%" % (a.name, 100 * s) for a, s in zip(assays, shares))
    mix = Assay("TBP", ty, _strict(tbp), sg=sum(v * g for v, g in zip(vol, sgs)),
                viscosities=visc, light_ends=light, properties=props, name=label)
    mix._components = (nbp_all, x_all)
    d86y, d2887y = raw.d86_valid_yields(), raw.d2887_valid_yields()
    mix._curves["D86"] = (d86y, raw.blend_d86(xs, grid, d86y))
    mix._curves["D2887"] = (d2887y, raw.blend_d2887(xs, grid, d2887y))
    mix.streams = [(a, s) for a, s in zip(assays, shares)]
    mix.basis, mix.volume_fractions, mix.mass_fractions = basis, vol, mass
    return mix


def _strict(temps):
    out = list(temps)
    for i in range(1, len(out)):
        if out[i] <= out[i - 1]:
            out[i] = out[i - 1] + 1e-6
    return out


def walther(nu):
    """The ASTM D341 ordinate log10 log10(Z) of a kinematic viscosity (cSt), with
    Z = nu + 0.7 plus the low-viscosity term exp(-1.47 - 1.84 nu - 0.51 nu^2) below 2 cSt."""
    z = nu + 0.7
    if nu <= 2.0:
        z += math.exp(-1.47 - 1.84 * nu - 0.51 * nu * nu)
    return math.log10(math.log10(z))


def walther_inverse(w):
    """The kinematic viscosity (cSt) of an ASTM D341 ordinate (inverse of walther)."""
    t = 10 ** (10 ** w) - 0.7
    return t - math.exp(-0.7487 - 3.295 * t + 0.6119 * t * t - 0.3193 * t ** 3)


def _walther_at(points, t):
    """Kinematic viscosity (cSt) at t (K) on the ASTM D341 line through the two measured
    points nearest t (at two different temperatures)."""
    near = sorted(points, key=lambda p: abs(p[0] - t))
    other = [p for p in near if p[0] != near[0][0]]
    if not other:
        raise ValueError("viscosities: a Walther line needs two different temperatures")
    (t1, v1), (t2, v2) = sorted([near[0], other[0]])
    w1, w2 = walther(v1), walther(v2)
    slope = (w2 - w1) / (math.log10(t2) - math.log10(t1))
    return walther_inverse(w1 + slope * (math.log10(t) - math.log10(t1)))


def _blend_property(key, vol, values):
    ind = raw.indices
    k2c = [v - 273.15 for v in values]
    if key == "flash_point":
        return ind.flash_point_mix(vol, values)
    if key == "pour_point":
        return ind.pour_point_mix1(vol, values)
    if key == "cloud_point":
        return ind.cloud_point_mix1(vol, values)
    if key == "freeze_point":
        return ind.freeze_point_blend(vol, k2c) + 273.15
    if key == "aniline_point":
        # the index exp(0.003652 AP) formed on the aniline point in degrees F
        s = sum(v * ind.aniline_point_index(c * 1.8 + 32.0) for v, c in zip(vol, k2c))
        return (ind.aniline_point_from_index(s) - 32.0) / 1.8 + 273.15
    if key == "smoke_point":
        return ind.smoke_point_mix(vol, values)
    return ind.rvp_mix(vol, values)
