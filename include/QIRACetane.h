/** @file
 * Cetane indices and viscosity estimates of petroleum fractions.
 *
 * Temperatures enter in kelvin and are converted inside to the unit of each formula.
 * d15 is the density at 15 C in g/cm3; rho of Blend_TwuVisc is a liquid density in kg/m3.
 * Kinematic viscosities are in cSt; nu100 and nu210 are those at 100 F and 210 F.
 * Functions that reject input return the missing-value marker -32767.0. A not-a-number
 * argument that passes the domain tests propagates into the result.
 */
#ifndef QIRA_CETANE_H
#define QIRA_CETANE_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Cetane index, ASTM D4737 four-variable form, from d15 (g/cm3) and the 10, 50 and 90 %
 * recovery temperatures (K). -32767.0 unless T10 < T50 < T90 strictly. */
QIRA_API double Blend_CetaneIndexD4737(double d15, double T10, double T50, double T90);

/** Cetane index, ASTM D976, from API gravity and the 50 % temperature (K).
 * -32767.0 when T50 is below 0 F. */
QIRA_API double Blend_CetaneIndexD976(double api, double T50);

/** Cetane index, ASTM D976 density form, from d15 (g/cm3) and T50 (K). Tests nothing: a
 * T50 at or below 273.15 K gives the logarithm's undefined result. */
QIRA_API double Blend_CetaneIndexD976_2(double d15, double T50);

/** Blending index 0.9187 (a/10)^1.26687 (TF/100)^1.44227 of the host's property a at the
 * temperature T (K); -32767.0 unless 145 F < TF < 375 F strictly. */
QIRA_API double Blend_CetaneIndexD976_3(double a, double T);

/** Kinematic viscosities (cSt) at 100 F and 210 F from the Watson factor K and API
 * gravity. Writes both outputs and returns true; false, writing nothing, for a null
 * output pointer. */
QIRA_API bool Blend_APIVisc(double watsonK, double api, double* nu100, double* nu210);

/** Kinematic viscosities (cSt) at 100 F and 210 F by the Twu correlation from the liquid
 * density rho (kg/m3) and normal boiling point Tb (K). The boiling point is capped at
 * 1800 R and the specific gravity at 1.394. Writes both outputs and returns true; false,
 * writing nothing, for a null output pointer. */
QIRA_API bool Blend_TwuVisc(double rho, double Tb, double* nu100, double* nu210);

QIRA_C_END

#endif /* QIRA_CETANE_H */
