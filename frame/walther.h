// The viscosity-temperature line of ASTM D341 (the Walther line) in natural logarithms,
// with absolute temperature on the abscissa as ln(1.8 T), T in kelvin (Rankine scale).
#pragma once

#include <cmath>

namespace qira {

// Walther ordinate of a kinematic viscosity nu (cSt): ln ln(nu + 0.7), plus the
// low-viscosity correction exp(-1.47 - 1.84 nu - 0.51 nu^2) inside Z when nu <= 2.0.
inline double waltherOrdinate(double nu) {
  double z = nu + 0.7;
  if (nu <= 2.0) z += std::exp(-1.47 - 1.84 * nu - 0.51 * (nu * nu));
  return std::log(std::log(z));
}

// Inverse of waltherOrdinate: Z = exp(exp(Y)), t = Z - 0.7,
// nu = t - exp(-0.7487 - 3.295 t + 0.6119 t^2 - 0.3193 t^3).
inline double waltherViscosity(double y) {
  double z = std::exp(std::exp(y));
  double t = z - 0.7;
  return t - std::exp(-0.7487 - 3.295 * t + 0.6119 * (t * t) - 0.3193 * (t * t * t));
}

// Walther abscissa of an absolute temperature in kelvin: ln(1.8 T).
inline double waltherAbscissa(double kelvin) { return std::log(1.8 * kelvin); }

// The plain form with offset 1.0 and no low-viscosity term: ln ln(nu + 1).
inline double waltherUnitOrdinate(double nu) { return std::log(std::log(nu + 1)); }

// Inverse of waltherUnitOrdinate: exp(exp(y)) - 1.
inline double waltherUnitViscosity(double y) { return std::exp(std::exp(y)) - 1; }

}  // namespace qira
