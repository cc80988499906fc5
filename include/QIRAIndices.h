/** @file
 * Blending indices of flash, pour, cloud, freeze, aniline and smoke points, vapour
 * pressure and viscosity.
 *
 * An Index function turns a property into an index that blends linearly by fraction; the
 * matching FromIndex...Mix function turns a blended index back into the property (the
 * exact inverse of the index). The Mix functions take (fractions, values, n): n
 * caller-owned fractions and n property values, read only. Fractions are used as passed,
 * without normalisation; components whose value fails the function's test are skipped.
 * A Mix function returns -32767.0 when n < 1, when an array pointer is null, or when the
 * index sum does not exceed its threshold. Index and inverse functions test only what
 * their line says; outside a formula's domain they return what the floating-point
 * library gives. Exponents written as quotients (1/0.55, -1/0.6, 1/0.06) are the
 * doubles nearest those quotients.
 *
 * Sources. The flash-point indices are the Wickey-Chittenden blending index (Wickey,
 * R.O. and Chittenden, D.H., 1963, "Flash points of blends correlated", Hydrocarbon
 * Processing 42(6):157-158), log10 I = 2414/(T - 42.6) - 6.1188 with T in K, written
 * here for T in C and in F. The RVP index is the Chevron vapour-pressure blending
 * index, RVP^1.25 (psi). The viscosity indices are the Refutas / ASTM D341 (Walther)
 * double-logarithm form. The power-law indices of the cold-flow properties (aniline,
 * cloud, flash index 1, freeze, pour, smoke) are empirical refinery blending indices
 * whose constants are used as received; their original publication is not recorded here.
 */
#ifndef QIRA_INDICES_H
#define QIRA_INDICES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Aniline-point index exp(0.003652 AP), AP in the unit passed. Empirical index.
 * @param[in] anilinePoint aniline point, any unit
 */
QIRA_API double AnilinePointIndex1(double anilinePoint);
/** Aniline point from a blended index: ln(I) / 0.003652 (inverse of AnilinePointIndex1).
 * @param[in] index blended index
 */
QIRA_API double AnilinePointFromIndex1Mix(double index);

/** Cloud-point index (1.8 T)^(1/0.55), T in K (the index is formed on degrees Rankine).
 * @param[in] T cloud point, K
 */
QIRA_API double CloudPointIndex1(double T);
/** Cloud point (K) from a blended index: I^0.55 / 1.8 (inverse of CloudPointIndex1).
 * @param[in] index blended index
 */
QIRA_API double CloudPointFromIndex1Mix(double index);
/** Cloud-point index (1.8 T)^(1/0.06), T in K (degrees Rankine inside).
 * @param[in] T cloud point, K
 */
QIRA_API double CloudPointIndex2(double T);
/** Cloud point (K) from a blended index: I^0.06 / 1.8 (inverse of CloudPointIndex2).
 * @param[in] index blended index
 */
QIRA_API double CloudPointFromIndex2Mix(double index);

/** Flash-point index (1.8 T)^(-1/0.6), T in K (degrees Rankine inside).
 * @param[in] T flash point, K
 */
QIRA_API double FlashPointIndex1(double T);
/** Flash point (K) from a blended index: I^(-0.6) / 1.8 (inverse of FlashPointIndex1).
 * @param[in] index blended index
 */
QIRA_API double FlashPointFromIndex1Mix(double index);
/** Wickey-Chittenden (1963) flash-point index for T in F: 10^(4345.2/(T + 383) - 6.1188).
 * @param[in] T flash point, F
 */
QIRA_API double FlashPointIndex2(double T);
/** Flash point (F) from a blended index: 4345.2/(log10 I + 6.1188) - 383.
 * @param[in] index blended index
 */
QIRA_API double FlashPointFromIndex2Mix(double index);
/** Wickey-Chittenden (1963) flash-point index for T in C: 10^(2414/(T + 230.56) - 6.1188).
 * @param[in] T flash point, C
 */
QIRA_API double FlashPointIndexWickey(double T);
/** Flash point (C) from a blended index: 2414/(log10 I + 6.1188) - 230.56.
 * @param[in] index blended index
 */
QIRA_API double FlashPointFromIndexWickeyMix(double index);

/** Freeze-point index exp((1.8 T + 32) 0.03638 + 2.35), T in C (degrees F inside).
 * @param[in] T freeze point, C
 */
QIRA_API double FreezePointIndex1(double T);
/** Freeze point (C) from a blended index: ((ln I - 2.35)/0.03638 - 32)/1.8.
 * @param[in] index blended index
 */
QIRA_API double FreezePointFromIndex1Mix(double index);

/** Pour-point index exp(12.885 ln(1.8 T) - 73.0883), T in K; -32767.0 unless T > 1e-30.
 * @param[in] T pour point, K
 */
QIRA_API double PourPointIndex1(double T);
/** Pour point (K) from a blended index: exp((ln I + 73.0883)/12.885)/1.8.
 * @param[in] index blended index
 */
QIRA_API double PourPointFromIndex1Mix(double index);

/** Chevron RVP blending index (0.145 RVP)^1.25, RVP in kPa (0.145 RVP is psi).
 * @param[in] rvp Reid vapour pressure, kPa
 */
QIRA_API double RVPIndex1(double rvp);
/** RVP (kPa) from a blended index: I^0.8 / 0.145 (inverse of RVPIndex1).
 * @param[in] index blended index
 */
QIRA_API double RVPFromIndex1Mix(double index);

/** Viscosity index log10(log10(nu + 0.08)), nu in cSt; -32767.0 when nu + 0.08 < 1e-5
 * or log10(nu + 0.08) < 1e-5.
 * @param[in] nu kinematic viscosity, cSt
 */
QIRA_API double Blend_ViscosityIndex1(double nu);
/** Kinematic viscosity (cSt) from a blended index: 10^(10^I) - 0.08.
 * @param[in] index blended index
 */
QIRA_API double Blend_ViscosityFromIndex1Mix(double index);
/** Viscosity index log10(log10(nu + 0.8)) (the Refutas offset), nu in cSt; -32767.0 when
 * nu + 0.8 < 1e-5 or log10(nu + 0.8) < 1e-8.
 * @param[in] nu kinematic viscosity, cSt
 */
QIRA_API double Blend_ViscosityIndex2(double nu);
/** Kinematic viscosity (cSt) from a blended index: 10^(10^I) - 0.8.
 * @param[in] index blended index
 */
QIRA_API double Blend_ViscosityFromIndex2Mix(double index);

/** Cloud point (K) of a blend by CloudPointIndex1: components with T >= 0 count; the
 * index sum S must exceed 1e-10.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component cloud points, K
 * @param[in] n number of components
 */
QIRA_API double CloudPointMix1(const double* fractions, const double* values, int n);
/** Cloud point (K) of a blend by CloudPointIndex2: T >= 0 counts; S > 0.0001.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component cloud points, K
 * @param[in] n number of components
 */
QIRA_API double CloudPointMix2(const double* fractions, const double* values, int n);
/** Flash point (K) of a blend by FlashPointIndex1: T >= 0.001 counts; S > 1e-10.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component flash points, K
 * @param[in] n number of components
 */
QIRA_API double FlashPointMix1(const double* fractions, const double* values, int n);
/** Pour point (K) of a blend by PourPointIndex1: T > 1e-30 counts; S > 1e-10.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component pour points, K
 * @param[in] n number of components
 */
QIRA_API double PourPointMix1(const double* fractions, const double* values, int n);
/** Pour point (K) of a blend by the Fahrenheit index exp(0.03 TF): T >= 1 K counts;
 * S > 1e-10.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component pour points, K
 * @param[in] n number of components
 */
QIRA_API double PourPointMix2(const double* fractions, const double* values, int n);
/** Reid vapour pressure (kPa) of a blend by RVPIndex1: RVP >= 0.0001 counts; S > 1e-10.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component Reid vapour pressures, kPa
 * @param[in] n number of components
 */
QIRA_API double RVPMix1(const double* fractions, const double* values, int n);
/** Smoke point of a blend (unit of the values) by the index 1/SP: SP >= 1e-6 counts;
 * S > 1e-10.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component smoke points
 * @param[in] n number of components
 */
QIRA_API double Blend_SmokePointMix1(const double* fractions, const double* values, int n);

/** Freeze point of a blend (C or any unit, as passed) by the extremes rule: over the
 * components with fraction > 0.0001, Tmin + (Tmax - Tmin) fmax^(1/3), where fmax is the
 * fraction of the (first) highest freeze point. Missing (-32767.0) freeze points are
 * ignored; freeze points are expected within (-1200, 1200). -32767.0 when no component
 * counts, or n < 1, or an array pointer is null. Empirical rule; its origin is not
 * recorded here.
 * @param[in] fractions [n] component fractions
 * @param[in] values [n] component freeze points
 * @param[in] n number of components
 */
QIRA_API double Blend_FreezePoint(const double* fractions, const double* values, int n);

QIRA_C_END

#endif /* QIRA_INDICES_H */
