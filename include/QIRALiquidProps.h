/* COSTALD liquid densities, Lee-Kesler reduced vapour pressure and Reid vapour pressure by API 5B1.1. */
#ifndef QIRA_LIQUIDPROPS_H
#define QIRA_LIQUIDPROPS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/* Units: temperatures K, pressures kPa, characteristic (COSTALD) volume V* in m3/kmol,
 * molar densities in kmol/m3. omegaSrk is the COSTALD (SRK-fitted) acentric factor, omega
 * the acentric factor of the vapour pressure. None of these report failure; a not-a-number
 * argument gives a not-a-number result (pc_xden2: 0.0). */

/* Lee-Kesler reduced vapour pressure Psat/Pc at reduced temperature tr (not clamped; the
 * result is at most 5.0). */
QIRA_API double pc_ppress(double tr, double omega);

/* Writes the COSTALD functions V_R0(tr) and V_Rdelta(tr); tr is not clamped. Above the
 * critical point (tr > 1) the cube root of (1 - tr) is taken as the real, negative cube
 * root, so both values stay finite and continuous through tr = 1 (they have no physical
 * meaning there). A null pointer or a not-a-number tr writes nothing. */
QIRA_API void pc_costald(double tr, double* vr0, double* vrDelta);

/* Saturated molar density, kmol/m3; tr is clamped into [0.251, 0.9999]. */
QIRA_API double pc_satden(double tr, double vstar, double omegaSrk);

/* Saturated molar density of methane, kmol/m3: pc_satden(tr, 0.0994, 0.0074). */
QIRA_API double pc_c1den(double tr);

/* Compressed-liquid molar density of one component, kmol/m3; T/Tc clamped into
 * [0.251, 0.9999]; at or below the vapour pressure the saturated density. */
QIRA_API double pc_xden(double t, double p, double tc, double pc, double vstar,
                        double omegaSrk, double omega);

/* Compressed-liquid molar density of a mixture of n components, kmol/m3 (Hankinson-Thomson
 * rules; x, tc, pc, vstar, omega are each n long, read only; one acentric factor per
 * component). Returns 0.0 when there is no result: n < 1 or a null array, no component
 * with x >= 1e-5, zero mixing sums, T at or above the mixture's pseudo-critical
 * temperature, or a result that is not a finite number. */
QIRA_API double pc_xden2(int n, double t, double p, const double* x, const double* tc,
                         const double* pc, const double* vstar, const double* omega);

QIRA_C_END

#endif /* QIRA_LIQUIDPROPS_H */
