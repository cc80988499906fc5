"""qira: Python access to the QIRAPropCalculator shared library (ctypes, no dependencies).

Petroleum-assay property calculations: distillation-curve conversions, blends, cutting
into pseudo-components, characterization, liquid properties, viscosity characterization,
blend indices and estimates, and small numerical solvers.

Conventions: temperatures in kelvin unless a function says otherwise, yields and
fractions from 0 to 1, sequences in and lists of floats out. A failure the library
reports (a false result, or the missing-value marker -32767.0 where that is the failure)
raises QiraError naming the library function. The conversion settings can be given as
keyword arguments to the functions that read them, or for a block with
``with qira.settings(...)``.

The shared library is found through the environment variable QIRA_LIBRARY, beside the
package, in the checkout's build trees, or by the system loader (see qira._core).
"""
from ._core import MISSING, QiraError, find_library, library
from .settings import (Settings, get_settings, reset_settings, set_settings, settings)
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
from . import characterization, estimates, indices, liquidprops, solvers
from .viscosity import Component, ViscHandler

__version__ = "1.0.0"
