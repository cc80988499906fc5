// The physical constants and unit factors that more than one family uses, each written
// once with its source. The Python package reads this file's values through
// python/qira/_constants.py, which scripts/gen_python_tables.py writes from it (one line
// per constant: `constexpr double kName = value;  // unit: source`), and the test
// python_tables_from_headers fails when the two disagree.
#pragma once

namespace qira {

// kg/m3: density of water at 60 F (15.5556 C) and one atmosphere, the reference of
// specific gravity 60F/60F in the petroleum measurement tables (API MPMS Chapter 11.1,
// 2004; ASTM D1250-04). The density formula of Tanaka et al. (2001, Metrologia
// 38:301-309) for air-free standard mean ocean water agrees to within 0.001 kg/m3.
constexpr double kWaterDensity60F = 999.016;

// kPa per psi: 0.45359237 kg x 9.80665 m/s2 / (0.0254 m)^2 = 6.894757293168361...,
// exact by the definitions of the pound (1959) and standard gravity (NIST SP 811, 2008,
// appendix B); written to twelve decimals (5e-14 relative), the value the library has
// always used.
constexpr double kKpaPerPsi = 6.894757293168;

// m3/kmol per ft3/lbmol: 0.028316846592 m3 per ft3 over 0.45359237 kg per lb, exact by
// the definitions of the foot and the pound (1959).
constexpr double kM3PerKmolPerFt3PerLbmol = 0.028316846592 / 0.45359237;

// kPa m3/(kmol K): the molar gas constant N_A k = 8.31446261815324..., exact since the
// 2019 SI (CODATA 2018); written to nine decimals (2e-11 relative), as the critical
// properties always used it.
constexpr double kGasConstant = 8.314462618;

// kPa m3/(kmol K): the molar gas constant of the U.S. Standard Atmosphere (1976), with
// which the COSTALD density and the crude-oil viscosity correlation were written; their
// results keep it.
constexpr double kGasConstant1976 = 8.31432;

// kPa: one standard atmosphere, exact by definition.
constexpr double kStandardAtmosphere = 101.325;

// K: 38 C (about 100 F), the lower of the two temperatures at which the cut table and
// the viscosity handler's standard curves report kinematic viscosities, near the 100 and
// 210 F of the API Technical Data Book's petroleum-fraction viscosities.
constexpr double kStandardViscosityT38 = 311.15;

// K: 100 C (212 F), the upper of those two temperatures.
constexpr double kStandardViscosityT100 = 373.15;

}  // namespace qira
