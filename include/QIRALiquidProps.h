/** @file
 * COSTALD liquid densities, Lee-Kesler reduced vapour pressure and Reid vapour pressure by API 5B1.1. */
#ifndef QIRA_LIQUIDPROPS_H
#define QIRA_LIQUIDPROPS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Units: temperatures K, pressures kPa, characteristic (COSTALD) volume V* in m3/kmol,
 * molar densities in kmol/m3. omegaSrk is the COSTALD (SRK-fitted) acentric factor, omega
 * the acentric factor of the vapour pressure. None of these report failure; a not-a-number
 * argument gives a not-a-number result (pc_xden2: 0.0). */

/** Lee-Kesler reduced vapour pressure Psat/Pc at reduced temperature tr (not clamped; the
 * result is at most 5.0). */
QIRA_API double pc_ppress(double tr, double omega);

/** Writes the COSTALD functions V_R0(tr) and V_Rdelta(tr); tr is not clamped. Above the
 * critical point (tr > 1) the cube root of (1 - tr) is taken as the real, negative cube
 * root, so both values stay finite and continuous through tr = 1 (they have no physical
 * meaning there). A null pointer or a not-a-number tr writes nothing. */
QIRA_API void pc_costald(double tr, double* vr0, double* vrDelta);

/** Saturated molar density, kmol/m3; tr is clamped into [0.251, 0.9999]. */
QIRA_API double pc_satden(double tr, double vstar, double omegaSrk);

/** Saturated molar density of methane, kmol/m3: pc_satden(tr, 0.0994, 0.0074). */
QIRA_API double pc_c1den(double tr);

/** Compressed-liquid molar density of one component, kmol/m3; T/Tc clamped into
 * [0.251, 0.9999]; at or below the vapour pressure the saturated density. */
QIRA_API double pc_xden(double t, double p, double tc, double pc, double vstar,
                        double omegaSrk, double omega);

/** Compressed-liquid molar density of a mixture of n components, kmol/m3 (Hankinson-Thomson
 * rules; x, tc, pc, vstar, omega are each n long, read only; one acentric factor per
 * component). Returns 0.0 when there is no result: n < 1 or a null array, no component
 * with x >= 1e-5, zero mixing sums, T at or above the mixture's pseudo-critical
 * temperature, or a result that is not a finite number. */
QIRA_API double pc_xden2(int n, double t, double p, const double* x, const double* tc,
                         const double* pc, const double* vstar, const double* omega);

/** Reid vapour pressure by API 5B1.1. Units: T degrees Rankine, R (RVP) psi, TVP psia,
 * S the ASTM D86 slope at 10 % evaporated (F per volume percent). */

/** True vapour pressure from (T, R, S). T or R of 0.0 or -32767.0: *tvp = 0.0, nothing
 * else touched. A negative R, or an exponent outside (-230.3, 230.3), sets *failed to
 * true (never cleared) and writes 0.0, or the exponent itself, as *tvp. Otherwise writes
 * *tvp and *dTvpdR (the derivative with respect to R). Any null pointer: nothing written. */
QIRA_API void pc_Calc_API_5B1_1TVP(double t, double r, double s, double* tvp, bool* failed,
                                   double* dTvpdR);

/** Capacity, in bytes including the terminating NUL, that the report buffer of
 * pc_Calc_API_5B1_1 must provide. It holds every report with a phase name of up to 160
 * characters; a longer report is truncated to QIRA_RVP_REPORT_CAPACITY - 1 characters,
 * never written beyond. Only the report's own length (plus its NUL) is written. */
#define QIRA_RVP_REPORT_CAPACITY 256

/** The RVP (psi) that gives the target TVP (psia) at slope S and temperature T (R):
 * Newton's method from the guess in *rvp, at most 25 updates, tolerance 1e-5 psia.
 * On success *rvp holds the RVP found, otherwise -32767.0 (also, with the not-converged
 * report at 0 iterations, for a not-a-number guess or target). A one-line report naming the
 * phase and the iteration count is written into `report` (see QIRA_RVP_REPORT_CAPACITY).
 * Null rvp: nothing done. Null report: no report. Null phase: an empty phase name. */
QIRA_API void pc_Calc_API_5B1_1(double targetTvp, double* rvp, double s, double t,
                                char* report, const char* phase);

QIRA_C_END

#endif /* QIRA_LIQUIDPROPS_H */
