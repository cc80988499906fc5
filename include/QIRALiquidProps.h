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

/** Reduced vapour pressure Psat/Pc at reduced temperature tr by Lee, B.I. and Kesler,
 * M.G., 1975, "A generalized thermodynamic correlation based on three-parameter
 * corresponding states", AIChE J. 21(3):510-527: ln Pr = f0(tr) + omega f1(tr),
 * f0 = 5.92714 - 6.09648/tr - 1.28862 ln tr + 0.169347 tr^6,
 * f1 = 15.2518 - 15.6875/tr - 13.4721 ln tr + 0.43577 tr^6. Published for tr below 1;
 * here tr is not clamped, ln Pr is held within [-50, 50] and the result is at most 5.0.
 * @param[in] tr reduced temperature
 * @param[in] omega acentric factor
 */
QIRA_API double pc_ppress(double tr, double omega);

/** Writes the COSTALD functions of Hankinson, R.W. and Thomson, G.H., 1979, "A new
 * correlation for saturated densities of liquids and their mixtures", AIChE J.
 * 25(4):653-663: V_R0 = 1 - 1.52816 tau + 1.43907 tau^2 - 0.81446 tau^3 + 0.190454 tau^4
 * with tau = (1 - tr)^(1/3), valid for 0.25 < tr < 0.95, and V_Rdelta = (-0.296123 +
 * 0.386914 tr - 0.0427258 tr^2 - 0.0480645 tr^3)/(tr - 1.00001), valid for
 * 0.25 < tr < 1.0 (the cubic coefficient is used as -0.04806458). tr is not clamped. Above the
 * critical point (tr > 1) the cube root of (1 - tr) is taken as the real, negative cube
 * root, so both values stay finite and continuous through tr = 1 (they have no physical
 * meaning there). A null pointer or a not-a-number tr writes nothing.
 * @param[in] tr reduced temperature
 * @param[out] vr0 [1] V_R0
 * @param[out] vrDelta [1] V_Rdelta
 */
QIRA_API void pc_costald(double tr, double* vr0, double* vrDelta);

/** Saturated molar density 1/(V* V_R0 (1 - omegaSrk V_Rdelta)) by COSTALD (Hankinson and
 * Thomson 1979), kmol/m3; tr is clamped into [0.251, 0.9999].
 * @param[in] tr reduced temperature
 * @param[in] vstar characteristic volume, m3/kmol
 * @param[in] omegaSrk COSTALD acentric factor
 */
QIRA_API double pc_satden(double tr, double vstar, double omegaSrk);

/** Saturated molar density of methane, kmol/m3: pc_satden(tr, 0.0994, 0.0074).
 * @param[in] tr reduced temperature
 */
QIRA_API double pc_c1den(double tr);

/** Compressed-liquid molar density of one component, kmol/m3: the COSTALD saturated
 * density raised by the correction of Chueh, P.L. and Prausnitz, J.M., 1969, "A
 * generalized correlation for the compressibilities of normal liquids", AIChE J.
 * 15(3):471-472: rho/rhos = (1 + 9 N (P - Psat) Vstar / (R Tc))^(1/9), N = (1 - 0.89
 * omegaSrk^(1/2)) exp(6.9547 - 76.2853 tr + 191.306 tr^2 - 203.5427 tr^3 + 82.7631 tr^4)
 * (1 - 0.89 omegaSrk for omegaSrk <= 0), Psat by pc_ppress. T/Tc clamped into
 * [0.251, 0.9999]; at or below the vapour pressure the saturated density.
 * @param[in] t temperature, K
 * @param[in] p pressure, kPa
 * @param[in] tc critical temperature, K
 * @param[in] pc critical pressure, kPa
 * @param[in] vstar characteristic volume, m3/kmol
 * @param[in] omegaSrk COSTALD acentric factor
 * @param[in] omega acentric factor
 */
QIRA_API double pc_xden(double t, double p, double tc, double pc, double vstar,
                        double omegaSrk, double omega);

/** Compressed-liquid molar density of a mixture of n components, kmol/m3: the
 * Hankinson-Thomson (1979) mixing rules V*m = (sum x V* + 3 (sum x V*^(2/3))
 * (sum x V*^(1/3)))/4 and Tcm = (sum x (V* Tc)^(1/2))^2 / V*m, the correction of
 * pc_xden in atmospheres with the bubble pressure sum x Psat (x, tc, pc, vstar, omega are
 * each n long, read only; one acentric factor per component). Returns 0.0 when there is no result: n < 1 or a null array, no component
 * with x >= 1e-5, zero mixing sums, T at or above the mixture's pseudo-critical
 * temperature, or a result that is not a finite number.
 * @param[in] n number of components
 * @param[in] t temperature, K
 * @param[in] p pressure, kPa
 * @param[in] x [n] mole fractions
 * @param[in] tc [n] critical temperatures, K
 * @param[in] pc [n] critical pressures, kPa
 * @param[in] vstar [n] characteristic volumes, m3/kmol
 * @param[in] omega [n] acentric factors
 */
QIRA_API double pc_xden2(int n, double t, double p, const double* x, const double* tc,
                         const double* pc, const double* vstar, const double* omega);

/** True vapour pressure from (T, R, S) by API Technical Data Book procedure 5B1.1
 * (true vapour pressure of gasolines and finished products from the Reid vapour
 * pressure and the ASTM D86 slope at 10 % evaporated): ln TVP as a function of R, S,
 * ln R and T with the procedure's coefficients. Units: T degrees Rankine, R (RVP) psi,
 * TVP psia, S in F per volume percent. T or R of 0.0 or -32767.0: *tvp = 0.0, nothing
 * else touched. A negative R, or an exponent outside (-230.3, 230.3), sets *failed to
 * true (never cleared) and writes 0.0, or the exponent itself, as *tvp. Otherwise writes
 * *tvp and *dTvpdR (the derivative with respect to R). Any null pointer: nothing written.
 * @param[in] t temperature, R
 * @param[in] r Reid vapour pressure, psi
 * @param[in] s D86 slope at 10 %, F per volume percent
 * @param[out] tvp [1] true vapour pressure, psia
 * @param[in,out] failed [1] set to true on failure, never cleared
 * @param[out] dTvpdR [1] derivative of TVP with respect to R
 */
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
 * report at 0 iterations, for a guess that is not finite or a not-a-number target). A
 * one-line report naming the phase and the iteration count is written into `report` (see QIRA_RVP_REPORT_CAPACITY).
 * Null rvp: nothing done. Null report: no report. Null phase: an empty phase name.
 * @param[in] targetTvp target true vapour pressure, psia
 * @param[in,out] rvp [1] guess in, RVP found out, psi
 * @param[in] s D86 slope at 10 %, F per volume percent
 * @param[in] t temperature, R
 * @param[out] report [QIRA_RVP_REPORT_CAPACITY] one-line report (null: none)
 * @param[in] phase [string] phase name, NUL-terminated (null: empty)
 */
QIRA_API void pc_Calc_API_5B1_1(double targetTvp, double* rvp, double s, double t,
                                char* report, const char* phase);

QIRA_C_END

#endif /* QIRA_LIQUIDPROPS_H */
