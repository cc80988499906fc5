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

The library's assay family (QiraAssay_, include/QIRAAssay.h) does the work: it reads the
laboratory curve as TBP, cuts it, fits one Watson K to the bulk gravity, scales the MWs,
gives each cut its critical constants, COSTALD pair and viscosities at 38 and 100 C, checks
plausibility (refusing curves their standard cannot hold and boundaries that miss the
curve, noting what is unusual) and blends streams. This module checks types and arguments,
converts to and from the library's arrays, and formats the results.
"""
import csv
import ctypes
import io
import json
import math
from collections import OrderedDict, namedtuple

from ._constants import STANDARD_VISCOSITY_T38, STANDARD_VISCOSITY_T100
from ._core import MISSING, QiraError, library
from .units import WATER_60F, api_to_sg, sg_to_api

STANDARDS = ("D86", "D2887", "D1160", "TBP")
_STANDARD_CODES = {"D86": 0, "D2887": 1, "D1160": 2, "TBP": 3}
T38, T100 = STANDARD_VISCOSITY_T38, STANDARD_VISCOSITY_T100
STANDARD_K = (T38, T100)     # the cut table's viscosity temperatures, 38 and 100 C

# The named cut sets the library knows; their cut points are the library's own table
# (QiraAssay_CutNamed in include/QIRAAssay.h).
NAMED_CUTS = ("refinery",)

# Properties blended by index, with their unit in the Assay API (in the library's order).
PROPERTIES = OrderedDict([
    ("flash_point", "K"), ("pour_point", "K"), ("cloud_point", "K"), ("freeze_point", "K"),
    ("aniline_point", "K"), ("smoke_point", "mm"), ("rvp", "kPa"),
])
_METHOD_CODES = {"riazi-daubert": 0, "kesler-lee": 1, "twu": 2}

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


# ---- the library's assay objects --------------------------------------------------------

_INPUT_STATUSES = (2, 3, 4)   # invalid, implausible, not ready: the caller's input
_TOO_SMALL = 6
_D, _I = ctypes.c_double, ctypes.c_int


_FUNCTIONS = {}


def _fn(name):
    fn = _FUNCTIONS.get(name)
    if fn is None:
        fn = _FUNCTIONS[name] = library().function(name)
    return fn


class _Object:
    """One QiraAssay of the library, freed with this object."""

    def __init__(self):
        self.ptr = _fn("QiraAssay_Create")()
        if not self.ptr:
            raise MemoryError("QiraAssay_Create: no memory for an assay")
        self._free = _fn("QiraAssay_Free")

    def __del__(self):
        ptr, self.ptr = getattr(self, "ptr", None), None
        if ptr:
            try:
                self._free(ptr)
            except Exception:  # the library may already be unloaded at interpreter exit
                pass

    def message(self):
        return self.text("QiraAssay_LastError")

    def check(self, name, status):
        if status:  # the failure's message, in the library's words
            raise (ValueError(self.message()) if status in _INPUT_STATUSES
                   else QiraError(name, self.message()))

    def call(self, name, *args):
        self.check(name, _fn(name)(self.ptr, *args))

    def arrays(self, name, types, *lead):
        """The arrays a QiraAssay_ query writes (capacity, arrays..., count) as lists."""
        capacity, count = 64, _I(0)
        bufs = [(t * capacity)() for t in types]
        status = _fn(name)(self.ptr, *lead, capacity, *bufs, ctypes.byref(count))
        if status == _TOO_SMALL:
            capacity = count.value
            bufs = [(t * capacity)() for t in types]
            status = _fn(name)(self.ptr, *lead, capacity, *bufs, ctypes.byref(count))
        self.check(name, status)
        n = count.value
        return [b[:n] for b in bufs]

    def text(self, name, *lead):
        """The text a QiraAssay_ query writes (buffer, size, needed)."""
        buf, size = ctypes.create_string_buffer(1024), _I(0)
        status = _fn(name)(self.ptr, *lead, buf, 1024, ctypes.byref(size))
        if status == _TOO_SMALL:
            buf = ctypes.create_string_buffer(size.value)
            status = _fn(name)(self.ptr, *lead, buf, size.value, None)
        if name != "QiraAssay_LastError":
            self.check(name, status)
        return buf.value.decode()

    def value(self, name, *lead):
        out = _D(0.0)
        self.call(name, *lead, ctypes.byref(out))
        return out.value


def _doubles(values):
    values = list(values)
    return len(values), (_D * max(len(values), 1))(*values)


def _light_end_table():
    table = OrderedDict()
    for i in range(_fn("QiraAssay_LightEndCount")()):
        name = ctypes.create_string_buffer(32)
        constants = (_D * 7)()
        _fn("QiraAssay_LightEnd")(i, name, len(name), None, constants)
        table[name.value.decode()] = tuple(constants)
    return table


_LIGHT_ENDS = None


def light_end_constants():
    """The library's light-ends table: {name: (NBP K, SG, MW, Tc K, Pc kPa, Vc m3/kmol,
    omega)}, ethane to n-pentane (Poling, Prausnitz and O'Connell 2001, appendix A; SG from
    GPA 2145)."""
    global _LIGHT_ENDS
    if _LIGHT_ENDS is None:
        _LIGHT_ENDS = _light_end_table()
    return _LIGHT_ENDS


def __getattr__(name):
    if name == "LIGHT_ENDS":
        return light_end_constants()
    raise AttributeError(name)


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
    carried for blending. The library refuses (ValueError) readings the standard cannot
    hold, such as a D86 curve above 400 C.
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
            sg = api_to_sg(_ranged("api", api, -10.0, 150.0))
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
            if key not in light_end_constants():
                raise ValueError("light_ends: %r is none of %s" % (key, ", ".join(light_end_constants())))
            self.light_ends[key] = _ranged("light_ends[%s]" % key, frac, 0.0, 0.5)
        self.properties = OrderedDict()
        for key, value in (properties or {}).items():
            if key not in PROPERTIES:
                raise ValueError("properties: %r is none of %s" % (key, ", ".join(PROPERTIES)))
            self.properties[key] = _real("properties[%s]" % key, value)
        if method not in _METHOD_CODES:
            raise ValueError("method must be one of %s, not %r" % (", ".join(_METHOD_CODES), method))
        self._obj = _Object()
        self._fill()
        self._tbp = self._curve(3)

    def _fill(self):
        o = self._obj
        n, y = _doubles(self.yields)
        o.call("QiraAssay_SetCurve", _STANDARD_CODES[self.standard], n, y,
               _doubles(self.temperatures)[1])
        if self._sg is not None:
            o.call("QiraAssay_SetGravity", 0, self._sg)
        else:
            o.call("QiraAssay_SetGravity", 2, self._kw)
        if self.mw is not None:
            o.call("QiraAssay_SetMolecularWeight", self.mw)
        if self.viscosities:
            n, t = _doubles(t for t, _ in self.viscosities)
            o.call("QiraAssay_SetViscosities", n, t, _doubles(v for _, v in self.viscosities)[1])
        if self.light_ends:
            names = (ctypes.c_char_p * len(self.light_ends))(*[k.encode() for k in self.light_ends])
            n, f = _doubles(self.light_ends.values())
            o.call("QiraAssay_SetLightEnds", n, names, f)
        for key, value in self.properties.items():
            o.call("QiraAssay_SetProperty", list(PROPERTIES).index(key), value)
        o.call("QiraAssay_SetMethod", _METHOD_CODES[self.method])

    @classmethod
    def _wrap(cls, obj, name):
        """The Assay of a library object holding a blend."""
        self = cls.__new__(cls)
        self._obj, self.name, self.standard, self.method = obj, name, "TBP", "riazi-daubert"
        self._tbp = self._curve(3)
        self.yields, self.temperatures = list(self._tbp[0]), list(self._tbp[1])
        self._sg, self._kw, self.mw = obj.value("QiraAssay_StreamGravity"), None, None
        t, nu = obj.arrays("QiraAssay_Viscosities", (_D, _D))
        self.viscosities = list(zip(t, nu))
        idx, frac = obj.arrays("QiraAssay_LightEnds", (_I, _D))
        names = list(light_end_constants())
        self.light_ends = OrderedDict((names[i], f) for i, f in zip(idx, frac))
        self.properties = OrderedDict()
        for code, key in enumerate(PROPERTIES):
            value = obj.value("QiraAssay_Property", code)
            if value != MISSING:
                self.properties[key] = value
        return self

    # ---- curves ----
    def _curve(self, code):
        y, t = self._obj.arrays("QiraAssay_Curve", (_D, _D), code)
        return y, t

    @property
    def tbp(self):
        """(yields, TBP temperatures K) of the laboratory curve's material."""
        return tuple(list(v) for v in self._tbp)

    @property
    def d86(self):
        """(yields, D86 temperatures K) on the nine-point grid."""
        return self._curve(0)

    @property
    def d2887(self):
        """(yields, D2887 temperatures K) on the eight-point grid."""
        return self._curve(1)

    def components(self, step=5.0):
        """(NBPs K, volume fractions of the whole stream): the stream on a grid of cut
        temperatures `step` K apart over its TBP range, light ends first, as the library's
        blends take it."""
        nbp, x = self._obj.arrays("QiraAssay_Components", (_D, _D), _real("step", step))
        return nbp, x

    # ---- bulk values ----
    @property
    def sg(self):
        """Bulk SG (given, from API, or from the given Watson K and a 20-cut table)."""
        if self._sg is not None:
            return self._sg
        return self._obj.value("QiraAssay_StreamGravity")

    @property
    def api(self):
        return sg_to_api(self.sg)

    def density15(self):
        """Density at 15 C (kg/m3), taken as SG times water at 60 F."""
        return self.sg * WATER_60F

    def cetane_index(self):
        """Cetane index by ASTM D4737 from the D86 10, 50 and 90 % points and the density
        at 15 C."""
        from . import raw
        y, t = self.d86
        t10, t50, t90 = (raw.tbp_from_yield(t, y, [f])[0] for f in (0.1, 0.5, 0.9))
        return raw.indices.cetane_index_d4737(self.density15() / 1000.0, t10, t50, t90)

    # ---- cutting ----
    def _cut(self, count=None, temperatures=None, named=None, lo=None, hi=None):
        chosen = [k for k, v in (("count", count), ("temperatures", temperatures),
                                 ("named", named)) if v is not None]
        if len(chosen) > 1:
            raise ValueError("give one of count, temperatures or named (got %s)" % ", ".join(chosen))
        if temperatures is not None:
            bounds = _ascending("temperatures", temperatures, 100.0, 1500.0)
            if len(bounds) < 2:
                raise ValueError("temperatures needs at least 2 boundaries, got %d" % len(bounds))
            n, arr = _doubles(bounds)
            self._obj.call("QiraAssay_CutAt", n, arr)
            return
        if named is not None:
            if named not in NAMED_CUTS:
                raise ValueError("named must be one of %s, not %r" % (", ".join(NAMED_CUTS), named))
            self._obj.call("QiraAssay_CutNamed", named.encode())
            return
        count = 10 if count is None else count
        if isinstance(count, bool) or not isinstance(count, int) or not 1 <= count <= 200:
            raise ValueError("count must be an int from 1 to 200, not %r" % (count,))
        lo = MISSING if lo is None else _ranged("lo", lo, 90.0, 1500.0)
        hi = MISSING if hi is None else _ranged("hi", hi, 90.0, 1500.0)
        self._obj.call("QiraAssay_CutByCount", count, lo, hi)

    def cut_temperatures(self, count=None, temperatures=None, named=None, lo=None, hi=None):
        """(names, boundaries K): count cuts of equal TBP width between lo and hi (the
        curve's ends by default), the given boundaries, or a named set (NAMED_CUTS)."""
        table = self.cut(count, temperatures, named, lo, hi)
        cuts = [r for r in table._rows if r["hypo"]]
        return [r["cut"] for r in cuts], [r["t_low"] for r in cuts] + [cuts[-1]["t_high"]]

    def cut(self, count=None, temperatures=None, named=None, lo=None, hi=None):
        """The CutTable of this assay. Material below the first boundary joins the first
        cut, material above the last is shared out over the cuts in proportion (the
        library's cutting rule). Boundaries none of which lies within the TBP curve's range
        are refused (ValueError). Without arguments: the cuts of the file the assay was
        loaded from (its "cuts"), else 10 cuts of equal TBP width."""
        if self.default_cuts and all(v is None for v in (count, temperatures, named, lo, hi)):
            return self.cut(**self.default_cuts)
        self._cut(count, temperatures, named, lo, hi)
        return CutTable(self)

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




# ---- the cut table --------------------------------------------------------------------

class CutTable:
    """Pseudo-components of an assay: records (dicts keyed by COLUMNS), CSV and a pandas
    DataFrame, with the fitted Watson K, the bulk values the cuts reproduce, the notes
    (Kesler-Lee acentric factors that stood in, plausibility warnings) and the viscosity
    fit report. Read from the library's cut table of the assay's latest cut."""

    def __init__(self, assay):
        self.assay = assay
        o = assay._obj
        n = _I(0)
        o.call("QiraAssay_RowCount", ctypes.byref(n))
        n = n.value
        values, light = (_D * (n * (len(COLUMNS) - 1)))(), (_I * n)()
        o.call("QiraAssay_Table", n, values, light, None)
        self._names = o.text("QiraAssay_RowNames").split("\n")
        self._light = light[:n]
        values = values[:]
        self._columns = [values[k * n:(k + 1) * n] for k in range(len(COLUMNS) - 1)]
        self._records = None
        self.sg, self.mw, self.watson_k, self.mw_scale = (
            o.value("QiraAssay_Bulk", q) for q in range(4))
        self.notes = [line for line in o.text("QiraAssay_Notes").split("\n") if line]
        t, m, c, g = o.arrays("QiraAssay_ViscosityFit", (_D, _D, _D, _I))
        self.viscosity_fit = [ViscosityFit(ti, mi, None if ci == MISSING else ci, bool(gi))
                              for ti, mi, ci, gi in zip(t, m, c, g)] if assay.viscosities else None

    @property
    def _rows(self):
        """The rows as dicts (COLUMNS and hypo), built on first use."""
        if self._records is None:
            columns = list(self._columns)
            for key in ("visc38", "visc100"):
                k = COLUMNS.index(key) - 1
                columns[k] = [None if v == MISSING else v for v in columns[k]]
            keys, self._records = COLUMNS[1:], []
            for name, light, row in zip(self._names, self._light, zip(*columns)):
                record = dict(zip(keys, row))
                record["cut"], record["hypo"] = name, not light
                self._records.append(record)
        return self._records

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

    def __str__(self):
        return self.format()

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
                     % (self.sg, sg_to_api(self.sg), self.watson_k, self.mw,
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
    obj = _Object()
    parts = (ctypes.c_void_p * len(assays))(*[a._obj.ptr for a in assays])
    n, arr = _doubles(shares)
    obj.call("QiraAssay_Blend", n, parts, arr, BASES.index(basis), _real("step", step))
    label = name or " + ".join("%s %.0f%%" % (a.name, 100 * s) for a, s in zip(assays, shares))
    mix = Assay._wrap(obj, label)
    mix.streams = [(a, s) for a, s in zip(assays, shares)]
    vol, mass = obj.arrays("QiraAssay_BlendShares", (_D, _D))
    mix.basis, mix.volume_fractions, mix.mass_fractions = basis, vol, mass
    return mix


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
