// Molecular weight, specific gravity and Watson K correlations of petroleum fractions.
// Boiling points in kelvin, MW in kg/kmol, SG 60F/60F, densities in kg/m3.
#pragma once

namespace qira {

// Watson characterization factor Kw = 4.559097 MW^0.15178 SG^-0.84573.
double watsonK(double mw, double sg);

// MW from SG and Kw (the same relation solved for MW).
double molecularWeightFromSgK(double sg, double kw);

// SG from MW and Kw: the inverse relation below MW 320, a heavy-end relation from 320 on.
double specificGravityFromMwK(double mw, double kw);

// Normal boiling point (K) from MW and SG: Tb = 52.6 MW^0.45533 SG^0.4628.
double boilingPointFromMwSg(double mw, double sg);

// Katz-Firoozabadi liquid density (kg/m3) from the normal boiling point (K).
double katzFiroozabadiDensity(double tbKelvin);

// Twu (1984) molecular weight from the normal boiling point (K) and density (kg/m3),
// with the boiling-point adjustment between about 648 R and 1752 R.
double twuMolecularWeight(double tbKelvin, double density);

}  // namespace qira
