/** @file
 * Blending indices of flash, pour, cloud, freeze, aniline and smoke points, vapour
 * pressure and viscosity.
 *
 * An Index function turns a property into an index that blends linearly by fraction; the
 * matching FromIndex...Mix function turns a blended index back into the property. The
 * Mix functions take (fractions, values, n): n caller-owned fractions and n property
 * values, read only. Fractions are used as passed, without normalisation; components
 * whose value fails the function's test are skipped. A Mix function returns -32767.0
 * when n < 1, when an array pointer is null, or when the index sum does not exceed its
 * threshold. Index and inverse functions test only what their line says; outside a
 * formula's domain they return what the floating-point library gives.
 */
#ifndef QIRA_INDICES_H
#define QIRA_INDICES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Aniline point (unit as passed): exp(0.003652 AP); inverse ln(I)/0.003652. */
QIRA_API double AnilinePointIndex1(double anilinePoint);
QIRA_API double AnilinePointFromIndex1Mix(double index);

/** Cloud point (K): (1.8 T)^(1/0.55); inverse I^0.55/1.8 (K). */
QIRA_API double CloudPointIndex1(double T);
QIRA_API double CloudPointFromIndex1Mix(double index);
/** Cloud point (K): (1.8 T)^(1/0.06); inverse I^0.06/1.8 (K). */
QIRA_API double CloudPointIndex2(double T);
QIRA_API double CloudPointFromIndex2Mix(double index);

/** Flash point (K): (1.8 T)^(-1/0.6); inverse I^(-0.6)/1.8 (K). */
QIRA_API double FlashPointIndex1(double T);
QIRA_API double FlashPointFromIndex1Mix(double index);
/** Flash point (F): 10^(4345.2/(T + 383) - 6.1188); inverse in F. */
QIRA_API double FlashPointIndex2(double T);
QIRA_API double FlashPointFromIndex2Mix(double index);
/** Flash point (C, Wickey form): 10^(2414/(T + 230.56) - 6.1188); inverse in C. */
QIRA_API double FlashPointIndexWickey(double T);
QIRA_API double FlashPointFromIndexWickeyMix(double index);

/** Freeze point (C): exp((1.8 T + 32) 0.03638 + 2.35); inverse in C. */
QIRA_API double FreezePointIndex1(double T);
QIRA_API double FreezePointFromIndex1Mix(double index);

/** Pour point (K): exp(12.885 ln(1.8 T) - 73.0883), -32767.0 unless T > 1e-30;
 * inverse exp((ln(I) + 73.0883)/12.885)/1.8 (K). */
QIRA_API double PourPointIndex1(double T);
QIRA_API double PourPointFromIndex1Mix(double index);

/** Reid vapour pressure (kPa): (0.145 RVP)^1.25; inverse I^0.8/0.145 (kPa). */
QIRA_API double RVPIndex1(double rvp);
QIRA_API double RVPFromIndex1Mix(double index);

/** Kinematic viscosity (cSt): log10(log10(nu + 0.08)), -32767.0 when nu + 0.08 < 1e-5 or
 * log10(nu + 0.08) < 1e-5; inverse 10^(10^I) - 0.08 (cSt). */
QIRA_API double Blend_ViscosityIndex1(double nu);
QIRA_API double Blend_ViscosityFromIndex1Mix(double index);
/** Kinematic viscosity (cSt): log10(log10(nu + 0.8)), -32767.0 when nu + 0.8 < 1e-5 or
 * log10(nu + 0.8) < 1e-8; inverse 10^(10^I) - 0.8 (cSt). */
QIRA_API double Blend_ViscosityIndex2(double nu);
QIRA_API double Blend_ViscosityFromIndex2Mix(double index);

/** One-call mixes. Component i counts when its value passes the stated test; the result
 * is -32767.0 unless the index sum S exceeds the stated threshold. */
/** Cloud point (K), by index 1: T >= 0, S > 1e-10. */
QIRA_API double CloudPointMix1(const double* fractions, const double* values, int n);
/** Cloud point (K), by index 2: T >= 0, S > 0.0001. */
QIRA_API double CloudPointMix2(const double* fractions, const double* values, int n);
/** Flash point (K), by index 1: T >= 0.001, S > 1e-10. */
QIRA_API double FlashPointMix1(const double* fractions, const double* values, int n);
/** Pour point (K), by index 1: T > 1e-30, S > 1e-10. */
QIRA_API double PourPointMix1(const double* fractions, const double* values, int n);
/** Pour point (K), by the Fahrenheit index exp(0.03 TF): T >= 1 K, S > 1e-10. */
QIRA_API double PourPointMix2(const double* fractions, const double* values, int n);
/** Reid vapour pressure (kPa): RVP >= 0.0001, S > 1e-10. */
QIRA_API double RVPMix1(const double* fractions, const double* values, int n);
/** Smoke point (unit of the values), by 1/SP: SP >= 1e-6, S > 1e-10. */
QIRA_API double Blend_SmokePointMix1(const double* fractions, const double* values, int n);

/** Freeze point of a blend (C or any unit, as passed) by the extremes rule: over the
 * components with fraction > 0.0001, Tmin + (Tmax - Tmin) fmax^(1/3), where fmax is the
 * fraction of the (first) highest freeze point. Missing (-32767.0) freeze points are
 * ignored; freeze points are expected within (-1200, 1200). -32767.0 when no component
 * counts, or n < 1, or an array pointer is null. */
QIRA_API double Blend_FreezePoint(const double* fractions, const double* values, int n);

QIRA_C_END

#endif /* QIRA_INDICES_H */
