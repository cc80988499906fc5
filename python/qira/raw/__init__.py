"""The C-mirroring calls, in the library's own units.

Each function calls one export with the arguments the C interface takes: kelvin for most
temperatures, but degrees Celsius for the viscosity handler, degrees Rankine and psi for
the Reid vapour pressure procedure, g/cm3 for the cetane density, percent for the IBP and
FBP settings. Inputs are passed through unchecked beyond their type and length; a failure
the library reports raises QiraError. The main ``qira`` API wraps these with one unit
convention and input checks; use ``qira.raw`` to reproduce a C host's call exactly.

Every function is reachable as ``qira.raw.<name>``; the family modules stay reachable as
``qira.raw.<family>.<name>`` (characterization, estimates, indices, liquidprops,
solvers, and the others).
"""
from .._core import MISSING, QiraError, find_library, library
from . import (blends, characterization, conversions, curvefit, cutting, estimates, grids,
               indices, labcurves, liquidprops, settings as _settings_module, solvers, units,
               viscosity)
from .settings import Settings, get_settings, reset_settings, set_settings, settings
from .units import celsius_to_kelvin, fahrenheit_to_kelvin, kelvin_to_celsius, kelvin_to_fahrenheit
from .conversions import (d1160_to_tbp, d2887_to_tbp, d86_to_tbp, d86_to_tbp_option,
                          polynomial_tbp_to_d86, single_tbp_to_d86, single_tbp_to_d86_option,
                          tbp_to_d1160, tbp_to_d2887, tbp_to_d86, tbp_to_d86_option)
from .grids import (check_ibp_fbp, d1160_base_size, d1160_valid_yields, d2887_base_size,
                    d2887_valid_yields, d86_base_size, d86_base_size_option, d86_valid_yields,
                    d86_valid_yields_option, tbp_valid_yields)
from .curvefit import linear, lstsqr, monotone_spline, simple_spline
from .cutting import comp_from_tbp, line_fit, norm_dist_y, sort_nbp, tbp_from_yield
from .blends import (blend_d1160, blend_d2887, blend_d2887_from_tbp, blend_d86,
                     blend_d86_option, blend_modified_d2887, blend_tbp)
from .labcurves import (cbp, correct_extrapolation, correct_user_curve, d1160_comp,
                        d1160_lab_to_tbp, d2887_comp, d2887_lab_to_tbp, d86_comp,
                        d86_comp_option, d86_lab_to_tbp, d86_lab_to_tbp_option, nbp_temp_bound,
                        tbp_cuts_from_nbp)
from .viscosity import Component, ViscHandler


def _flatten(*modules):
    # The family-only functions flattened beside the module names (no name is shared
    # between families, so qira.raw.uopk is qira.raw.characterization.uopk).
    for module in modules:
        for name in getattr(module, "__all__", None) or dir(module):
            value = getattr(module, name)
            if callable(value) and not name.startswith("_") and \
                    getattr(value, "__module__", module.__name__) == module.__name__:
                globals().setdefault(name, value)


_flatten(characterization, estimates, indices, liquidprops, solvers)
