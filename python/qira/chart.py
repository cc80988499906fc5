"""The SVG chart of an assay's cut table, drawn by the library's chart builder
(QiraChart_*): the laboratory readings, the TBP curve (dashed where extrapolated beyond the
readings) and the cut staircase with its boundaries, names and light ends; the
pseudo-components' Walther (ASTM D341) lines with the bulk viscosity points; a caption
naming the methods.

    svg(table, title=None) -> str      the SVG document
    write(table, path, title=None)     the document written to path
"""
import ctypes

from ._core import library

_OK, _TOO_SMALL = 0, -2
_LINE, _POINTS = 0, 1

_CONVERSION = {"D86": "TBP from D86 by API 3A1.1",
               "D2887": "TBP from D2887 by API 3A3.1",
               "D1160": "TBP from D1160 by the D1160 conversion (IBP to 50 %, the rest as TBP)",
               "TBP": "TBP as given"}
_CRITICAL = {"riazi-daubert": "Riazi and Daubert (1980)", "kesler-lee": "Kesler and Lee (1976)",
             "twu": "Twu (1984)"}


class _Builder:
    """A QiraChart builder, freed on leaving the with-block."""

    def __init__(self):
        self.lib = library()
        self.handle = self.lib.QiraChart_Create()
        if not self.handle:
            raise MemoryError("QiraChart_Create: out of memory")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.lib.QiraChart_Free(self.handle)

    def _text(self, function):
        needed = ctypes.c_int(0)
        function(self.handle, None, 0, ctypes.byref(needed))
        buffer = ctypes.create_string_buffer(max(needed.value, 1))
        rc = function(self.handle, buffer, len(buffer), ctypes.byref(needed))
        if rc != _OK:
            raise RuntimeError("chart: the library could not return its text (code %d)" % rc)
        return buffer.value.decode("utf-8", "replace")

    def __call__(self, name, *args):
        rc = getattr(self.lib, name)(self.handle, *args)
        if rc != _OK:
            raise ValueError("%s: %s" % (name, self._text(self.lib.QiraChart_LastError)))

    def render(self):
        return self._text(self.lib.QiraChart_Render)


def _doubles(values):
    values = [float(v) for v in values]
    return (ctypes.c_double * max(len(values), 1))(*values)


def _utf8(text):
    return str(text).encode("utf-8")


def _curve(build, label, fractions, kelvin, extrapolated=None, style=_LINE):
    flags = None
    if extrapolated is not None:
        flags = (ctypes.c_bool * len(extrapolated))(*extrapolated)
    build("QiraChart_AddCurve", _utf8(label), len(fractions), _doubles(fractions),
          _doubles(kelvin), flags, style)


def _beyond(fractions, lo, hi):
    """Flags of the points outside the readings' yield range [lo, hi]."""
    return [f < lo - 1e-9 or f > hi + 1e-9 for f in fractions]


def _add_curves(build, assay):
    blended = getattr(assay, "streams", None)
    if blended:
        for label, (y, t) in (("TBP (blended)", assay.tbp), ("D86 (blended)", assay.d86),
                              ("D2887 (blended)", assay.d2887)):
            _curve(build, label, y, t)
        return
    lo, hi = min(assay.yields), max(assay.yields)
    _curve(build, "laboratory %s readings" % assay.standard, assay.yields, assay.temperatures,
           style=_POINTS)
    if assay.standard != "TBP":
        y, t = assay.tbp
        _curve(build, "TBP (%s)" % _CONVERSION[assay.standard].split(" by ")[-1], y, t,
               _beyond(y, lo, hi))


def _add_staircase(build, table):
    records = table.records
    light = [r for r in records if r["t_low"] == r["t_high"]]
    cuts = [r for r in records if r["t_low"] != r["t_high"]]
    for r in light:
        build("QiraChart_AddLightEnd", _utf8(r["cut"]), r["nbp"], r["volume_fraction"])
    if cuts:
        names = (ctypes.c_char_p * len(cuts))(*[_utf8(r["cut"]) for r in cuts])
        build("QiraChart_SetCuts", len(cuts), _doubles([cuts[0]["t_low"]] + [r["t_high"] for r in cuts]),
              _doubles([r["nbp"] for r in cuts]), _doubles([r["volume_fraction"] for r in cuts]),
              names)
    for r in cuts:
        if r["visc38"] and r["visc100"]:
            build("QiraChart_AddViscosityLine", _utf8("%.0f °C" % (r["nbp"] - 273.15)),
                  r["visc38"], r["visc100"])
    for p in table.viscosity_fit or ():
        build("QiraChart_AddViscosityPoint", p.temperature, p.measured, bool(p.given))


def caption(table):
    """The methods behind the chart, one sentence each."""
    a = table.assay
    blended = getattr(a, "streams", None)
    if blended:
        first = ("Curves of the blend by the library's TBP, D86 and D2887 blends of the mixed "
                 "cut fractions.")
    elif a.standard == "TBP":
        first = "TBP readings as given."
    else:
        first = "%s; dashed: beyond the laboratory readings." % _CONVERSION[a.standard]
    return (first + " Cuts: volume fractions by the library's laboratory-curve cutter "
            "between the boundaries, mid-cut NBP at the middle of each cut's volume; SG from "
            "one Watson K (%.3f) fitted to the bulk SG; critical constants by %s. Viscosity: "
            "each pseudo-component's values at 38 and 100 °C from the viscosity handler fitted "
            "to the bulk points, drawn as a straight line on ASTM D341 (Walther) paper."
            % (table.watson_k, _CRITICAL.get(a.method, a.method)))


def svg(table, title=None):
    """The SVG text of the chart of a CutTable."""
    a = table.assay
    head = title or "%s: %s curve, SG %.4f, Watson K %.3f, %d pseudo-components" % (
        a.name, a.standard, table.sg, table.watson_k, len(table.records))
    with _Builder() as build:
        build("QiraChart_SetText", _utf8(head), _utf8(caption(table)))
        _add_curves(build, a)
        _add_staircase(build, table)
        return build.render()


def write(table, path, title=None):
    """Writes the chart's SVG to `path` (UTF-8) and returns the path."""
    text = svg(table, title)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return path
