// Temperature conversions used by every API correlation. The API procedures compute in
// degrees Fahrenheit; the interface is in kelvin. These are the exact operations and
// constants of the procedures: F = (K - 273.15) * 1.8 + 32 and K = (F - 32) / 1.8 + 273.15.
#pragma once

namespace qira {

// Kelvin at 0 C.
constexpr double kCelsiusZero = 273.15;

inline double kelvinToFahrenheit(double k) { return (k - 273.15) * 1.8 + 32; }
inline double fahrenheitToKelvin(double f) { return (f - 32) / 1.8 + 273.15; }

// Degrees Rankine from kelvin, as (K - 273.15) * 1.8 + 32 + 459.67.
inline double kelvinToRankine(double k) { return (k - 273.15) * 1.8 + 32 + 459.67; }

inline double celsiusToKelvin(double c) { return c + kCelsiusZero; }

}  // namespace qira
