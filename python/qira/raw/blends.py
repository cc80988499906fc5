"""Blended TBP, D86, D2887 and D1160 curves of a set of components.

Components are fractions (parts of one) and normal boiling points (K) in any order;
requested yields are ascending fractions, clamped by the library to the IBP and FBP
settings (D2887: to 1e-5 and 0.99999 first). Results are temperatures in K.
"""
from .._core import QiraError, call, doubles, optional, out_doubles, to_list
from .settings import reads_settings

BASES = {"volume": 0, "mass": 1, "mole": 2}


def _basis(value):
    if isinstance(value, str):
        try:
            return BASES[value]
        except KeyError:
            raise ValueError("basis must be one of %s" % ", ".join(BASES)) from None
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("basis must be 'volume', 'mass', 'mole' or an int code")
    return value


def _components(fractions, nbp):
    fa, n = doubles(fractions, "fractions", minimum=1)
    na, _ = doubles(nbp, "nbp", length=n)
    return fa, na, n


def _blend(name, fractions, nbp, yields, *extra):
    fa, na, n = _components(fractions, nbp)
    ya, m = doubles(yields, "yields", minimum=1)
    out = out_doubles(m)
    if not call(name, fa, na, n, out, ya, m, *extra):
        raise QiraError(name, "the blend's curve could not be built")
    return to_list(out, m)


@reads_settings
def blend_tbp(fractions, nbp, yields, point_mode=True, initial_t=None, final_t=None):
    """The blend's TBP curve at the yields. point_mode places each fraction at its
    boiling point, otherwise centred on it; initial_t can only lower the lowest boiling
    point and final_t only raise the highest (None: not given)."""
    return _blend("Blend_TBP", fractions, nbp, yields, bool(point_mode),
                  optional(initial_t, "initial_t"), optional(final_t, "final_t"))


@reads_settings
def blend_d86(fractions, nbp, yields, point_mode=True):
    """The blend's D86 curve at the yields (nine-point transfer table, API 3A1.1)."""
    return _blend("Blend_D86", fractions, nbp, yields, bool(point_mode))


@reads_settings
def blend_d86_option(fractions, nbp, yields, point_mode=True):
    """As blend_d86 on the grid of the D86 method (nine points, or seven)."""
    return _blend("Blend_D86Option", fractions, nbp, yields, bool(point_mode))


@reads_settings
def blend_d2887(fractions, nbp, yields):
    """The blend's D2887 curve at the yields (point mode, API 3A3.1)."""
    return _blend("Blend_D2887", fractions, nbp, yields)


@reads_settings
def blend_d1160(fractions, nbp, yields, point_mode=True):
    """The blend's D1160 curve at the yields; above 50 % it is the blend's TBP curve."""
    return _blend("Blend_D1160", fractions, nbp, yields, bool(point_mode))


def _basis_blend(name, x, nbp, yields, molar_mass, density, fraction_basis, curve_basis,
                 point_mode):
    fa, na, n = _components(x, nbp)
    ma, _ = doubles(molar_mass, "molar_mass", length=n)
    da, _ = doubles(density, "density", length=n)
    ya, m = doubles(yields, "yields", minimum=1)
    out = out_doubles(m)
    if not call(name, fa, na, n, out, ya, m, ma, da, _basis(fraction_basis),
                _basis(curve_basis), bool(point_mode)):
        raise QiraError(name, "the blend's curve could not be built")
    return to_list(out, m)


@reads_settings
def blend_d2887_from_tbp(x, nbp, yields, molar_mass, density, fraction_basis="volume",
                         point_mode=True):
    """The blend's TBP curve on a mass basis, from fractions on `fraction_basis`
    ('volume', 'mass' or 'mole'); molar masses and densities in any consistent units."""
    return _basis_blend("Blend_D2887fromTBP", x, nbp, yields, molar_mass, density,
                        fraction_basis, 1, point_mode)


@reads_settings
def blend_modified_d2887(x, nbp, yields, molar_mass, density, fraction_basis="volume",
                         curve_basis=1, point_mode=True):
    """The D2887 blend on a volume basis (with d2887_option=1 exactly
    blend_d2887_from_tbp's curve). curve_basis 0 or 2 is refused."""
    return _basis_blend("Blend_ModifiedD2887", x, nbp, yields, molar_mass, density,
                        fraction_basis, curve_basis, point_mode)
