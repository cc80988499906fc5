"""ViscHandler: viscosity characterization of an assay's components over the library's
integer handle interface.

Units: temperatures of bulk points, curves and hypo curves in degrees Celsius; curve
boiling points in degrees Celsius; component boiling points and Tc in kelvin; pressures
kPa; densities kg/m3; Vc and Vchar m3/kmol; viscosities cP (handlers made through the
handle interface hold dynamic data); standard viscosities always cSt.

    with qira.ViscHandler() as vh:
        vh.set_components(components)
        vh.characterize()
        print(vh.standard_viscosities())

The handle is deleted on close(), at the end of a ``with`` block, or when the object is
collected. Values the library reports as missing come back as None.
"""
import ctypes
from dataclasses import dataclass
from typing import Optional

from .._core import MISSING, QiraError, call, doubles, library, none_if_missing, number, to_list


@dataclass
class Component:
    """One component's data for ViscHandler.set_components.

    tb: normal boiling point (K); tc (K), pc (kPa), vc (m3/kmol), omega, mw (kg/kmol),
    liq_den (kg/m3), wsrk (COSTALD acentric factor), vchar (m3/kmol); x: mole fraction;
    hypo: a hypothetical (pseudo-) component; theta_a/theta_b: optional thetas;
    type_hc: optional hydrocarbon-type flag."""

    tb: float
    tc: float
    pc: float
    vc: float
    omega: float
    mw: float
    liq_den: float
    wsrk: float
    vchar: float
    x: float
    hypo: bool = True
    theta_a: Optional[float] = None
    theta_b: Optional[float] = None
    type_hc: Optional[bool] = None


_FLOAT_SETTERS = (("tc", "SetTc"), ("pc", "SetPc"), ("vc", "SetVc"), ("omega", "SetOmega"),
                  ("mw", "SetMw"), ("tb", "SetBoil"), ("liq_den", "SetLiqDen"),
                  ("wsrk", "SetWsrk"), ("vchar", "SetVchar"))

STANDARD_TEMPERATURES = (38.0, 50.0, 60.0, 100.0)


class ViscHandler:
    """One viscosity handler of the library, named by its integer handle."""

    def __init__(self):
        handle = call("CreateViscHandler")
        if handle < 0:
            raise QiraError("CreateViscHandler", "no handler could be created")
        self._handle = handle
        # Kept so that collection at interpreter exit still reaches the library.
        self._delete = library().function("DeleteViscHandler")

    # ---- lifecycle ----
    @property
    def handle(self):
        """The integer handle, or None once closed."""
        return self._handle

    @property
    def closed(self):
        return self._handle is None

    def close(self):
        """Deletes the library's handler; further calls raise QiraError."""
        handle, self._handle = getattr(self, "_handle", None), None
        if handle is not None:
            self._delete(handle)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def __del__(self):
        try:
            self.close()
        except Exception:  # the library may already be unloaded at interpreter exit
            pass

    def __repr__(self):
        return "<ViscHandler %s>" % ("closed" if self.closed else "handle %d" % self._handle)

    def _h(self, name):
        if self._handle is None:
            raise QiraError(name, "the handler is closed")
        return self._handle

    def raw(self, name, *args):
        """Calls the handle function `name` with this handler's handle and `args`; an
        unregistered-handle result (-1) raises QiraError."""
        result = call(name, self._h(name), *args)
        # Setters and counts answer -1 only for a handle the library does not know.
        if type(result) is int and result == -1 and name != "IsHypo":
            raise QiraError(name, "the library does not know handle %d" % self._handle)
        return result

    # ---- filling ----
    def set_components(self, components):
        """Sets the component count and every component's properties, mole fraction,
        boiling point and hypothetical flag, then the number of hypothetical components.
        `components` is a sequence of Component (or of dicts with its field names)."""
        comps = [c if isinstance(c, Component) else Component(**c) for c in components]
        self.raw("SetNumbComp", len(comps))
        for i, c in enumerate(comps):
            for field, setter in _FLOAT_SETTERS:
                self.raw(setter, i, number(getattr(c, field), field))
            if c.theta_a is not None:
                self.raw("SetThetaA", i, number(c.theta_a, "theta_a"))
            if c.theta_b is not None:
                self.raw("SetThetaB", i, number(c.theta_b, "theta_b"))
            if c.type_hc is not None:
                self.raw("SetTypeHc", i, bool(c.type_hc))
            self.raw("SetVsdata", i, number(c.x, "x"))
            self.raw("SetDCompBPs", i, number(c.tb, "tb"))
            self.raw("SetIsHypo", i, 1 if c.hypo else 0)
        self.raw("SetNumbHypoComp", sum(1 for c in comps if c.hypo))

    def set_composition(self, x):
        """Sets every component's mole fraction (for instance after a property call with
        another composition)."""
        values = [number(v, "x") for v in x]
        self._expect_components(len(values), "SetVsdata")
        for i, v in enumerate(values):
            self.raw("SetVsdata", i, v)

    def set_bulk_values(self, temps, values):
        """Stores measured bulk viscosities (handler's unit) at temperatures (C); None
        marks a missing value."""
        ta, n = doubles([MISSING if t is None else t for t in temps], "temps")
        va, _ = doubles([MISSING if v is None else v for v in values], "values", length=n)
        self.raw("SetMyBulkValues", n, ta, va)

    def set_curves(self, curves):
        """Stores the host's viscosity curves: a sequence of (temperature C, boiling
        points C, viscosities) triples, each curve a viscosity per boiling point."""
        curves = list(curves)
        self.raw("SetNcurves", len(curves))
        self.raw("InitializeMyCurves", len(curves))
        for k, (temp, bps, viscs) in enumerate(curves):
            ba, n = doubles(bps, "bps", minimum=1)
            va, _ = doubles(viscs, "viscs", length=n)
            self.raw("SetOneCurve", k, n, number(temp, "temp"), ba, va)

    def characterize(self):
        """Runs the viscosity characterization (read the results with the getters)."""
        self._h("CharacterizeViscosity")
        call("CharacterizeViscosity", self._handle)

    # ---- results ----
    @property
    def component_count(self):
        return self.raw("GetNumbComp")

    @property
    def hypo_count(self):
        return self.raw("GetNumbHypoComp")

    @property
    def kinematic(self):
        """True when the handler's viscosity data are kinematic."""
        return bool(call("IsKinVisc", self._h("IsKinVisc")))

    def is_hypo(self, i):
        value = call("IsHypo", self._h("IsHypo"), int(i))
        return None if value == -32767 else value

    def _expect_components(self, n, name):
        count = self.raw("GetNumbComp")
        if n != count:
            raise ValueError("%s: %d values given for %d components" % (name, n, count))

    def standard_viscosities(self):
        """Per component a tuple of the kinematic viscosities (cSt) at 38, 50, 60 and
        100 C, None where the handler has none."""
        n = self.raw("GetNumbComp")
        names = ("GetCpvVisc38", "GetCpvVisc50", "GetCpvVisc60", "GetCpvVisc100")
        return [tuple(none_if_missing(self.raw(name, i)) for name in names) for i in range(n)]

    def thetas(self):
        """Per component (ThetaA, ThetaB) of its property record, None where absent."""
        n = self.raw("GetNumbComp")
        return [(none_if_missing(self.raw("GetThetaA", i)), none_if_missing(self.raw("GetThetaB", i)))
                for i in range(n)]

    def _array(self, name, count):
        ptr = self.raw(name)
        if not ptr or count <= 0:
            return []
        return [none_if_missing(v) for v in to_list(ptr, count)]

    def hypo_temperatures(self):
        """Temperatures (C) of the hypothetical components' viscosity curves."""
        return self._array("GetHypoTempCrvs", self.raw("GetNHypoCurves"))

    def hypo_curves(self):
        """(temperatures C, boiling points K, curves): the hypothetical components in
        component order; curves[j][o] is component o's viscosity at temperature j (the
        handler's unit, None where missing)."""
        k, h = self.raw("GetNHypoCurves"), self.raw("GetNumbHypoComp")
        temps = self.hypo_temperatures()
        if k < 1 or h < 1:
            return temps, [], []
        rows = [(ctypes.c_double * h)(*([MISSING] * h)) for _ in range(k)]
        table = (ctypes.POINTER(ctypes.c_double) * k)(
            *[ctypes.cast(r, ctypes.POINTER(ctypes.c_double)) for r in rows])
        bps = (ctypes.c_double * h)()
        self.raw("GetHypoViscCrvsAndBP", table, bps)
        return temps, to_list(bps, h), [[none_if_missing(v) for v in r] for r in rows]

    def bulk_points(self):
        """(temperatures C, measured values, calculated values) of the bulk points."""
        b = self.raw("GetNumbBulkPts")
        return (self._array("GetBulkTemp", b), self._array("GetBulkValues", b),
                self._array("GetCalcBulkValues", b))

    # ---- liquid properties of a mixture (t C, p kPa, x mole fractions) ----
    def _property(self, name, t, p, x):
        xa, n = doubles(x, "x")
        self._expect_components(n, name)
        value = self.raw(name, number(t, "t"), number(p, "p"), xa)
        if value == MISSING:
            raise QiraError(name, "no value for this state")
        return value

    def liquid_viscosity(self, t, p, x):
        """Dynamic viscosity (cP) of the mixture x. Leaves x as the handler's stored
        composition: call set_composition before characterize() again."""
        return self._property("LiquidViscosity", t, p, x)

    def liquid_kinematic_viscosity(self, t, p, x):
        """Kinematic viscosity (cSt) of the mixture x (leaves x stored, as above)."""
        return self._property("LiquidKinematicViscosity", t, p, x)

    def liquid_mass_density(self, t, p, x):
        """Mass density (kg/m3) of the mixture x."""
        return self._property("LiquidMassDensity", t, p, x)

    def liquid_molar_density(self, t, p, x):
        """Molar density (kmol/m3) of the mixture x."""
        return self._property("LiquidMolarDensity", t, p, x)

    def molecular_weight(self, x):
        """Molecular weight (kg/kmol) of the mixture x."""
        xa, n = doubles(x, "x")
        self._expect_components(n, "MolecularWeight")
        return checked_missing("MolecularWeight", self.raw("MolecularWeight", xa))


def checked_missing(name, value):
    if value == MISSING:
        raise QiraError(name, "no value for this mixture")
    return value
