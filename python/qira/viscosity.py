"""ViscHandler in the main API's units: every temperature in kelvin (bulk points, curves,
curve boiling points, hypo curves, liquid-property states), pressures kPa, densities
kg/m3, viscosities cP (the handle interface holds dynamic data) or cSt where named.

    with qira.ViscHandler() as vh:
        vh.set_components(components)        # qira.Component records, tb and tc in K
        vh.set_bulk_values([311.0, 372.0], [5.1, 1.8])
        fit = vh.characterize()              # a Characterization: calculated v measured

The C form in degrees Celsius stays available as ``qira.raw.ViscHandler``.
"""
from collections import namedtuple

from . import _check as c
from . import raw
from .raw.viscosity import Component

_C = 273.15

BulkPoint = namedtuple("BulkPoint", "t measured calculated synthesized")
Characterization = namedtuple("Characterization", "points route shift max_deviation")


class ViscHandler(raw.ViscHandler):
    """A viscosity characterization of an assay's components (temperatures in K).

    The characterization builds each hypothetical component's viscosity curve (from the
    given curves, else the Twu (1985) correlation), fits the thetas of the crude-oil
    viscosity correlation to it and, when bulk viscosities were given, scales the curves
    until the assay's viscosity calculated by that correlation for the whole mixture
    meets them.

    >>> with qira.ViscHandler() as vh:
    ...     vh.component_count
    0
    """

    _given = ()

    def set_bulk_values(self, temps, values):
        """Stores measured bulk viscosities of the whole assay (cP) at temperatures (K).
        Every value must be a positive number: a missing value is refused (leave the point
        out instead), as is a temperature outside 200 to 800 K."""
        fn = "ViscHandler.set_bulk_values"
        t = c.seq(fn, "temps", temps, "visc_t", ascending=True)
        v = c.seq(fn, "values", values, "positive", length=len(t))
        self._given = tuple(zip(t, v))
        super().set_bulk_values([k - _C for k in t], v)

    def set_curves(self, curves):
        """Stores viscosity curves: (temperature K, boiling points K, viscosities cP)
        triples, each a viscosity per boiling point."""
        fn = "ViscHandler.set_curves"
        out = []
        for k, (temp, bps, viscs) in enumerate(curves):
            b = c.seq(fn, "curves[%d] boiling points" % k, bps, "tb", ascending=True)
            v = c.seq(fn, "curves[%d] viscosities" % k, viscs, "positive", length=len(b))
            out.append((c.num(fn, "curves[%d] temperature" % k, temp, "visc_t") - _C, [x - _C for x in b], v))
        super().set_curves(out)

    def characterize(self):
        """Runs the characterization and returns Characterization(points, route, shift,
        max_deviation): per bulk point BulkPoint(t K, measured, calculated,
        synthesized), synthesized being True for a point moved onto a curve temperature
        from the given ones along a Walther line; route, "whole-mixture correlation" (the
        only route the handle interface runs; the Refutas blending route needs the C++ class); shift, "none" without bulk points, "per-curve" when every
        calculated value met its measured one within 1 %, else "one-multiplier" (the
        common-multiplier fallback ran or the fit stayed short); max_deviation, the
        largest |calculated/measured - 1|."""
        super().characterize()
        points = self.bulk_points()
        devs = [abs(p.calculated / p.measured - 1.0) for p in points
                if p.calculated is not None and p.measured]
        worst = max(devs) if devs else None
        shift = "none" if not points else ("per-curve" if worst is not None and worst <= 0.01 else "one-multiplier")
        return Characterization(points, "whole-mixture correlation", shift, worst)

    def bulk_points(self):
        """The bulk points after characterization as BulkPoint(t K, measured cP,
        calculated cP or None, synthesized): the characterization moves the given points
        onto the hypothetical curves' temperatures, so a point whose temperature was not
        given is marked synthesized."""
        temps, measured, calc = super().bulk_points()
        given = [t for t, _ in self._given]
        return [BulkPoint(t + _C, m, k, not any(abs(t + _C - g) < 1e-9 for g in given))
                for t, m, k in zip(temps, measured, calc)]

    def hypo_temperatures(self):
        """Temperatures (K) of the hypothetical components' viscosity curves."""
        return [t + _C for t in super().hypo_temperatures()]

    def hypo_curves(self):
        """(temperatures K, boiling points K, curves): curves[j][o] is hypothetical
        component o's viscosity (cP) at temperature j."""
        temps, bps, rows = super().hypo_curves()
        return [t + _C for t in temps], bps, rows

    def _property(self, name, t, p, x):
        fn = "ViscHandler." + name
        xs = c.seq(fn, "x", x, "fraction", total=1.0)
        return super()._property(name, c.num(fn, "t", t, "t") - _C, c.num(fn, "p", p, "p"), xs)


__all__ = ["ViscHandler", "Component", "BulkPoint", "Characterization"]
