// Relations of a petroleum fraction's gravity, boiling point and molecular weight that
// several families use: API gravity, the Watson characterization factor and the
// Riazi-Daubert molecular weight. Temperatures in kelvin, gravities 60F/60F.
#pragma once

#include <cmath>

namespace qira {

// Specific gravity of an API gravity, by the definition of the API scale:
// SG = 141.5 / (API + 131.5).
inline double specificGravityFromApi(double api) { return 141.5 / (api + 131.5); }

// API gravity of a specific gravity: 141.5 / SG - 131.5.
inline double apiFromSpecificGravity(double sg) { return 141.5 / sg - 131.5; }

// Watson characterization factor Tb[R]^(1/3) / SG (Watson, K.M. and Nelson, E.F., 1933,
// Ind. Eng. Chem. 25(8):880-887), from the boiling point in kelvin.
inline double watsonFactorFromBoilingPoint(double tbKelvin, double sg) {
  return std::cbrt(tbKelvin * 1.8) / sg;
}

// Molecular weight 4.5673e-5 Tb[R]^2.1962 SG^-1.0164 (Riazi, M.R. and Daubert, T.E., 1980,
// "Simplify property predictions", Hydrocarbon Processing 59(3):115-116), from the boiling
// point in kelvin; fitted for MW about 70 to 300.
inline double riaziDaubertMolecularWeight(double tbKelvin, double sg) {
  return 4.5673e-5 * std::pow(tbKelvin * 1.8, 2.1962) * std::pow(sg, -1.0164);
}

}  // namespace qira
