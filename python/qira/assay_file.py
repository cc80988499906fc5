"""Assay files: the JSON and key-first CSV forms of docs/assay.md read into an Assay.

Everything in a file is checked in the file's own units before an Assay is made, and a
refusal is an AssayFileError (a ValueError) whose message names the file, the key or the
line, the value as written with its unit, and what was expected. Unknown keys are refused
with the nearest known key suggested. CSV files may be separated by commas, semicolons or
tabs (a semicolon or tab file may use decimal commas) and may start with a UTF-8 byte
order mark.
"""
import csv
import difflib
import io
import json
import math
import re

from . import critical
from .assay import LIGHT_ENDS, NAMED_CUTS, PROPERTIES, STANDARDS

# Top-level keys of the JSON form and what each holds.
KEYS = ("name", "standard", "temperature_unit", "yield_unit", "curve", "sg", "api",
        "watson_k", "mw", "viscosities", "light_ends", "properties", "cuts", "method")
# The first cell of a row of the CSV form.
CSV_KEYS = ("name", "standard", "temperature_unit", "yield_unit", "curve", "sg", "api",
            "watson_k", "mw", "viscosity", "light_end", "property", "cuts", "method")
CUT_KEYS = ("count", "lo", "hi", "temperatures", "named")
TEMPERATURE_PROPERTIES = ("flash_point", "pour_point", "cloud_point", "freeze_point",
                          "aniline_point")
UNIT_NAMES = {"K": "K", "C": "°C", "F": "°F"}

# Ranges the Assay takes (SI units); checked here first so that a refusal can speak the
# file's units.
T_CURVE = (200.0, 1500.0)      # K
T_VISCOSITY = (200.0, 700.0)   # K
T_CUTS = (90.0, 1500.0)        # K
SCALARS = {"sg": (0.3, 1.5, ""), "api": (-10.0, 150.0, " °API"),
           "watson_k": (8.0, 15.0, ""), "mw": (16.0, 3000.0, " kg/kmol")}


class AssayFileError(ValueError):
    """A refused assay file: `source` (the file), `where` (key or line) and the message."""

    def __init__(self, source, where, message):
        self.source, self.where = source, where
        super().__init__("%s: %s%s" % (source, "%s: " % where if where else "", message))


def _to_kelvin(unit):
    conv = {"K": lambda t: t, "C": lambda t: t + 273.15,
            "F": lambda t: (t - 32.0) / 1.8 + 273.15}
    if unit not in conv:
        raise ValueError("temperature_unit must be K, C or F, not %r" % unit)
    return conv[unit]


def _from_kelvin(unit):
    return {"K": lambda t: t, "C": lambda t: t - 273.15,
            "F": lambda t: (t - 273.15) * 1.8 + 32.0}[unit]


def _suggest(word, known):
    close = difflib.get_close_matches(str(word), known, n=1, cutoff=0.6)
    return ' (did you mean "%s"?)' % close[0] if close else " (known: %s)" % ", ".join(known)


class _Reader:
    """Checks the values of one file; `lines` maps locators to CSV line names."""

    def __init__(self, source, lines=None):
        self.source, self.lines = source, lines or {}

    def where(self, *locator):
        return self.lines.get(locator) or _json_path(locator)

    def fail(self, locator, message):
        raise AssayFileError(self.source, self.where(*locator) if locator else "", message)

    def number(self, locator, value, what):
        if isinstance(value, str):
            text = value.strip()
            try:
                return float(text)
            except ValueError:
                self.fail(locator, '%s "%s" is not a number' % (what, text))
        if isinstance(value, bool) or not isinstance(value, (int, float)):
            self.fail(locator, "%s must be a number, not %s" % (what, _kind(value)))
        value = float(value)
        if not math.isfinite(value):
            self.fail(locator, "%s is not a finite number" % what)
        return value

    def within(self, locator, value, lo, hi, what, unit=""):
        if not lo <= value <= hi:
            self.fail(locator, "%s %g%s lies outside %g to %g%s" % (what, value, unit, lo, hi, unit))
        return value

    def choice(self, locator, value, known, what):
        if value not in known:
            self.fail(locator, '%s "%s" is unknown%s' % (what, value, _suggest(value, known)))
        return value

    def mapping(self, locator, value, what):
        if not isinstance(value, dict):
            self.fail(locator, "must be an object of names and values, not %s" % _kind(value))
        return value

    def pairs(self, locator, value, first, second):
        if not isinstance(value, (list, tuple)):
            self.fail(locator, "must be a list of [%s, %s] pairs, not %s"
                      % (first, second, _kind(value)))
        for i, pair in enumerate(value):
            if not isinstance(pair, (list, tuple)) or len(pair) != 2:
                self.fail(locator + (i,), "expected a [%s, %s] pair, not %s"
                          % (first, second, json.dumps(pair) if _jsonable(pair) else _kind(pair)))
        return value


def _kind(value):
    return {dict: "an object", list: "a list", str: "text", bool: "true/false",
            type(None): "null"}.get(type(value), type(value).__name__)


def _jsonable(value):
    try:
        json.dumps(value)
        return True
    except (TypeError, ValueError):
        return False


def _json_path(locator):
    out = ""
    for part in locator:
        out += "[%d]" % part if isinstance(part, int) else ("." if out else "") + str(part)
    return out


def from_dict(cls, data, source="assay data", lines=None):
    """An Assay from the file schema (docs/assay.md), every value checked in the file's
    units; `source` names the file in messages, `lines` maps locators to CSV lines."""
    r = _Reader(source, lines)
    r.mapping((), data, "an assay file")
    for key in data:
        if key not in KEYS:
            r.fail((), 'unknown key "%s"%s' % (key, _suggest(key, KEYS)))
    for key in ("standard", "curve"):
        if key not in data:
            r.fail((), 'the key "%s" is missing' % key)
    tunit = r.choice(("temperature_unit",), str(data.get("temperature_unit", "K")),
                     tuple(UNIT_NAMES), "temperature_unit")
    yunit = r.choice(("yield_unit",), str(data.get("yield_unit", "fraction")),
                     ("fraction", "percent"), "yield_unit")
    standard = r.choice(("standard",), str(data["standard"]).upper(), STANDARDS, "standard")
    method = r.choice(("method",), str(data.get("method", "riazi-daubert")),
                      tuple(critical.METHODS), "method")
    temperature = _Temperatures(r, tunit)
    yields, temps = _curve(r, data["curve"], yunit, temperature)
    kwargs = {}
    for key, (lo, hi, unit) in SCALARS.items():
        if key in data:
            kwargs[key] = r.within((key,), r.number((key,), data[key], key), lo, hi, key, unit)
    given = [k for k in ("sg", "api", "watson_k") if k in kwargs]
    if len(given) != 1:
        r.fail((), "give exactly one of sg, api or watson_k (the file gives %s)"
               % (", ".join(given) or "none"))
    viscosities = []
    for i, pair in enumerate(r.pairs(("viscosities",), data.get("viscosities", []),
                                     "temperature", "cSt")):
        at = ("viscosities", i)
        t = temperature.kelvin(at, pair[0], T_VISCOSITY, "viscosity temperature")
        nu = r.within(at, r.number(at, pair[1], "viscosity"), 0.05, 1e7, "viscosity", " cSt")
        viscosities.append((t, nu))
    light_ends = {}
    for key, value in r.mapping(("light_ends",), data.get("light_ends", {}), "light_ends").items():
        r.choice(("light_ends", key), key, tuple(LIGHT_ENDS), "light end")
        at = ("light_ends", key)
        light_ends[key] = r.within(at, r.number(at, value, key), 0.0, 0.5, key + " fraction")
    properties = {}
    for key, value in r.mapping(("properties",), data.get("properties", {}), "properties").items():
        r.choice(("properties", key), key, tuple(PROPERTIES), "property")
        at = ("properties", key)
        if key in TEMPERATURE_PROPERTIES:
            properties[key] = temperature.kelvin(at, value, (100.0, 1000.0), key)
        else:
            properties[key] = r.number(at, value, key)
    cuts = _cuts(r, data.get("cuts"), temperature)
    try:
        assay = cls(standard, yields, temps, viscosities=viscosities, properties=properties,
                    light_ends=light_ends, name=str(data.get("name", "assay")), method=method,
                    **kwargs)
    except (ValueError, RuntimeError) as error:
        raise AssayFileError(source, "", temperature.explain(str(error))) from None
    if cuts:
        assay.default_cuts = cuts
    return assay


class _Temperatures:
    """Temperatures of the file in its unit: read into kelvin, told back in the unit."""

    def __init__(self, reader, unit):
        self.r, self.unit = reader, unit
        self.to_k, self.from_k = _to_kelvin(unit), _from_kelvin(unit)
        self.name = UNIT_NAMES[unit]

    def kelvin(self, locator, value, bounds, what):
        v = self.r.number(locator, value, what)
        lo, hi = (round(self.from_k(b), 2) for b in bounds)
        if not lo <= v <= hi:
            self.r.fail(locator, "%s %g %s lies outside %g to %g %s (temperature_unit %s)"
                        % (what, v, self.name, lo, hi, self.name, self.unit))
        return self.to_k(v)

    def explain(self, message):
        """The library's message in the file's terms: the curve's arrays named as the
        file's key, every kelvin value not already converted also given in the unit."""
        message = re.sub(r"^(?:temperatures|yields)(\[\d+\])?:", r"curve\1:", message)
        if self.unit == "K":
            return message
        return re.sub(r"(-?\d+(?:\.\d+)?) K\b(?!\s*\()",
                      lambda m: "%s K (%.4g %s)" % (m.group(1), self.from_k(float(m.group(1))),
                                                    self.name), message)


def _curve(r, curve, yunit, temperature):
    points = r.pairs(("curve",), curve, "yield", "temperature")
    if len(points) < 3:
        r.fail(("curve",), "needs at least 3 points, the file gives %d" % len(points))
    top, unit = (100.0, " %") if yunit == "percent" else (1.0, "")
    given, yields, temps = [], [], []
    for i, (y, t) in enumerate(points):
        at = ("curve", i)
        y = r.number(at, y, "yield")
        if yunit == "fraction" and 1.0 < y <= 100.0:
            r.fail(at, 'yield %g lies above 1 while yield_unit is "fraction": are the yields in '
                   'percent? Then give "yield_unit": "percent"' % y)
        r.within(at, y, 0.0, top, "yield", unit)
        kelvin = temperature.kelvin(at, t, T_CURVE, "temperature")
        if given and y <= given[-1]:
            r.fail(at, "yield %g%s does not ascend from the point before it (%g%s)"
                   % (y, unit, given[-1], unit))
        if temps and kelvin <= temps[-1]:
            r.fail(at, "temperature %s %s does not ascend from the point before it"
                   % (t, temperature.name))
        given.append(y)
        yields.append(y / top)
        temps.append(kelvin)
    if yunit == "percent" and given[-1] <= 1.0:
        r.fail(("curve",), 'the yields run from %g to %g while yield_unit is "percent": are '
               'they fractions? Then give "yield_unit": "fraction" or write them in percent'
               % (given[0], given[-1]))
    return yields, temps


def _cuts(r, cuts, temperature):
    if cuts is None:
        return None
    r.mapping(("cuts",), cuts, "cuts")
    out = {}
    for key, value in cuts.items():
        at = ("cuts", key)
        r.choice(at, key, CUT_KEYS, "cuts key")
        if key == "count":
            n = r.number(at, value, "count")
            if n != int(n) or not 1 <= n <= 200:
                r.fail(at, "count %g must be a whole number from 1 to 200" % n)
            out[key] = int(n)
        elif key == "named":
            out[key] = r.choice(at, str(value), tuple(NAMED_CUTS), "named cut set")
        elif key == "temperatures":
            if not isinstance(value, (list, tuple)):
                value = [value] if not isinstance(value, str) else value.split()
            out[key] = [temperature.kelvin(at + (i,), t, T_CUTS, "cut temperature")
                        for i, t in enumerate(value)]
        else:
            out[key] = temperature.kelvin(at, value, T_CUTS, key)
    return out


def load(cls, path):
    """An Assay from a .json or .csv file (docs/assay.md); AssayFileError names the file."""
    source = str(path)
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as error:
        raise AssayFileError(source, "", "cannot be read: %s" % (error.strerror or error)) from None
    try:
        text = raw.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        raise AssayFileError(source, "byte %d" % error.start,
                             "the file is not UTF-8 text (byte 0x%02x); save it as UTF-8 "
                             '(e.g. "CSV UTF-8")' % raw[error.start]) from None
    if source.lower().endswith(".csv"):
        data, lines = _csv_to_dict(text, source)
        return from_dict(cls, data, source, lines)
    try:
        data = json.loads(text)
    except json.JSONDecodeError as error:
        raise AssayFileError(source, "line %d column %d" % (error.lineno, error.colno),
                             "not valid JSON: %s" % error.msg) from None
    return from_dict(cls, data, source)


def _dialect(text):
    """The CSV delimiter: the one of , ; and tab that splits the data rows most evenly."""
    rows = [l for l in text.splitlines() if l.strip() and not l.lstrip().startswith("#")]
    best, score = ",", -1
    for delimiter in (",", ";", "\t"):
        counts = [len(next(csv.reader([l], delimiter=delimiter))) for l in rows[:50]]
        hits = sum(1 for c in counts if c >= 2)
        if hits > score:
            best, score = delimiter, hits
    return best


def _csv_to_dict(text, source="assay data"):
    """The key-first CSV form: one row per scalar (key,value), repeated rows for
    curve,<yield>,<T>; viscosity,<T>,<cSt>; light_end,<name>,<fraction>;
    property,<name>,<value>; cuts,<key>,<value>. Returns (data, lines): the JSON-form dict
    and the line of each value."""
    delimiter = _dialect(text)
    decimal_comma = delimiter != ","
    data, lines = {}, {}

    def cell(value):
        value = value.strip()
        if decimal_comma and re.fullmatch(r"[-+]?\d*,\d+", value):
            return value.replace(",", ".")
        return value
    for number, row in enumerate(csv.reader(io.StringIO(text), delimiter=delimiter), start=1):
        if not row or not row[0].strip() or row[0].lstrip().startswith("#"):
            continue
        key = row[0].strip()
        vals = [cell(c) for c in row[1:]]
        line = "line %d (%s)" % (number, key)
        if key not in CSV_KEYS:
            raise AssayFileError(source, "line %d" % number, 'unknown row key "%s"%s'
                                 % (key, _suggest(key, CSV_KEYS)))
        width = 2 if key in ("curve", "viscosity", "light_end", "property", "cuts") else 1
        if len([v for v in vals if v]) < width:
            raise AssayFileError(source, line, "expected %d value(s) after the key, found %d%s"
                                 % (width, len([v for v in vals if v]),
                                    "" if delimiter == "," else " (cells separated by %r)"
                                    % delimiter))
        if key in ("curve", "viscosity"):
            group = "curve" if key == "curve" else "viscosities"
            items = data.setdefault(group, [])
            lines[(group, len(items))] = line
            items.append(vals[:2])
        elif key in ("light_end", "property", "cuts"):
            group = {"light_end": "light_ends", "property": "properties"}.get(key, key)
            lines[(group, vals[0])] = line
            if key == "cuts" and vals[0] == "temperatures":
                data.setdefault(group, {})[vals[0]] = [v for v in vals[1:] if v]
                for i in range(len(vals) - 1):
                    lines[(group, vals[0], i)] = line
            else:
                data.setdefault(group, {})[vals[0]] = vals[1]
        else:
            if key in data:
                raise AssayFileError(source, line, '"%s" is given twice (first on %s)'
                                     % (key, lines[(key,)]))
            lines[(key,)] = line
            data[key] = vals[0]
    return data, lines
