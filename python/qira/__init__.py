"""qira: petroleum-assay property calculations (distillation-curve conversions, blends,
cutting, characterization, liquid properties, viscosity characterization, blend indices
and estimates) over the QIRAPropCalculator shared library, standard library only.

One unit convention throughout: kelvin, kPa, kg/m3, and fractions (0..1) for every yield,
share and the IBP/FBP settings; ``qira.units`` converts from degrees Celsius, Fahrenheit
and Rankine, psi and API gravity. Every function checks its inputs first: ValueError
names the function, the argument, the position and the value (``set_range_checks("warn")``
turns the physical-range checks into RangeWarning); a result the library cannot give
raises QiraError naming the function. Lists in give lists out; with NumPy installed,
arrays in give arrays out. ``qira.raw`` holds the C-mirroring calls in the C units.

>>> [round(t, 1) for t in qira.d86_to_tbp([310.93, 327.59, 338.71, 366.48, 394.26, 422.04, 460.93, 477.59, 494.26])]
[268.1, 286.5, 311.5, 356.4, 395.0, 429.7, 471.5, 490.1, 530.3]
"""
from ._core import MISSING, LibraryNotFound, QiraError, find_library, library
from ._check import RangeWarning, set_range_checks
from . import raw, units
from .units import (api_to_sg, celsius_to_kelvin, density_to_sg, fahrenheit_to_kelvin,
                    kelvin_to_celsius, kelvin_to_fahrenheit, kelvin_to_rankine, kpa_to_psi,
                    psi_to_kpa, rankine_to_kelvin, sg_to_api, sg_to_density)
from .settings import Settings, get_settings, reset_settings, set_settings, settings
from .curves import (blend_d1160, blend_d2887, blend_d2887_from_tbp, blend_d86,
                     blend_d86_option, blend_modified_d2887, blend_tbp, cbp, comp_from_tbp,
                     d1160_base_size, d1160_comp, d1160_lab_to_tbp, d1160_to_tbp,
                     d1160_valid_yields, d2887_base_size, d2887_comp, d2887_lab_to_tbp,
                     d2887_to_tbp, d2887_valid_yields, d86_base_size, d86_base_size_option,
                     d86_comp, d86_comp_option, d86_lab_to_tbp, d86_lab_to_tbp_option,
                     d86_to_tbp, d86_to_tbp_option, d86_valid_yields, d86_valid_yields_option,
                     linear, monotone_spline, nbp_temp_bound, polynomial_tbp_to_d86,
                     simple_spline, single_tbp_to_d86, tbp_cuts_from_nbp, tbp_from_yield,
                     tbp_to_d1160, tbp_to_d2887, tbp_to_d86, tbp_to_d86_option,
                     tbp_valid_yields)
from .properties import (Whitson, WhitsonClosure, api_visc, c_to_h_ratio, cetane_index_d4737,
                         cetane_index_d976, cloud_point, cloud_point_index, cloud_point_mix,
                         costald, estimate_octane, flash_point_from_index, flash_point_index,
                         flash_point_index_api, flash_point_index_wickey, flash_point_mix,
                         freeze_point_from_index, freeze_point_index, healy_ron_mon,
                         mon_clear, mw_from_sg_kw, mw_twu, naphthenic_by_ndm, pna_riazi_roomi,
                         pour_point_index, pour_point_mix, pour_point_riazi, ppress,
                         refractive_index, rvp_from_tvp, rvp_index, rvp_mix, satden,
                         sg_from_mw_kw, sg_katz_firoozabadi, smoke_point_mix, tvp_from_rvp,
                         twu_visc, uopk, viscosity_mix, whitson, xden)
from .raw.solvers import NewtonRaphson, equation_solver, ndtr, ndtri, solve_cubic
from .viscosity import BulkPoint, Characterization, Component, ViscHandler
from . import critical
from .assay import Assay, blend

__version__ = "1.0.0"
