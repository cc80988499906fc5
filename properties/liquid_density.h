// COSTALD saturated and compressed-liquid molar densities and the Lee-Kesler reduced
// vapour pressure, for the viscosity correlations and the exported pc_ functions.
// Units: kelvin, kPa, characteristic volumes in m3/kmol, densities in kmol/m3.
#pragma once

namespace qira {

// Lee-Kesler reduced vapour pressure Psat/Pc at reduced temperature tr (not clamped);
// ln Pr is held within [-50, 50] and the result is at most 5.0.
double leeKeslerReducedPressure(double tr, double omega);

// The COSTALD reference volume function V_R0(tr) and deviation function V_Rdelta(tr).
// For tr > 1 the cube root of (1 - tr) is the real (negative) cube root.
double costaldVR0(double tr);
double costaldVRdelta(double tr);

// Saturated molar density from the COSTALD volume, tr clamped into [0.251, 0.9999].
double costaldSaturatedDensity(double tr, double vstar, double omegaSrk);

// Saturated molar density of methane (V* 0.0994 m3/kmol, omegaSRK 0.0074).
double methaneSaturatedDensity(double tr);

// Compressed-liquid molar density of one component: omega enters the vapour pressure,
// omegaSrk the COSTALD terms. Below the vapour pressure the saturated density.
double costaldCompressedDensity(double t, double p, double tc, double pc, double vstar,
                                double omegaSrk, double omega);

// Compressed-liquid molar density of a mixture by the Hankinson-Thomson mixing rules
// over n components (x, tc, pc, vstar, omega each n long). 0.0 when there is no result:
// no component with x >= 1e-5, zero mixing sums, or t at or above the mixture's
// pseudo-critical temperature.
double costaldMixtureDensity(int n, double t, double p, const double* x, const double* tc,
                             const double* pc, const double* vstar, const double* omega);

}  // namespace qira
