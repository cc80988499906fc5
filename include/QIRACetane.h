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

/** Cetane index, ASTM D4737 (procedure A, four-variable equation), from d15 (g/cm3) and
 * the 10, 50 and 90 % recovery temperatures (K, taken in C inside):
 * CI = 45.2 + 0.0892 T10N + (0.131 + 0.901 B) T50N + (0.0523 - 0.420 B) T90N +
 * 0.00049 (T10N^2 - T90N^2) + 107 B + 60 B^2, with T10N = T10 - 215, T50N = T50 - 260,
 * T90N = T90 - 310 and B = exp(-3.5 (d15 - 0.85)) - 1. -32767.0 unless T10 < T50 < T90
 * strictly.
 * @param[in] d15 density at 15 C, g/cm3
 * @param[in] T10 10 % recovery temperature, K
 * @param[in] T50 50 % recovery temperature, K
 * @param[in] T90 90 % recovery temperature, K
 */
QIRA_API double Blend_CetaneIndexD4737(double d15, double T10, double T50, double T90);

/** Cetane index, ASTM D976 (two-variable equation), from API gravity G and the 50 %
 * temperature M (K in, F inside): CI = -420.34 + 0.016 G^2 + 0.192 G log10 M +
 * 65.01 (log10 M)^2 - 0.0001809 M^2. -32767.0 when T50 is below 0 F.
 * @param[in] api API gravity
 * @param[in] T50 50 % recovery temperature, K
 */
QIRA_API double Blend_CetaneIndexD976(double api, double T50);

/** Cetane index, ASTM D976 density form (also IP 218), from d15 D (g/cm3) and T50 B (K
 * in, C inside): CI = 454.74 - 1641.416 D + 774.74 D^2 - 0.554 B + 97.803 (log10 B)^2.
 * Tests nothing: a T50 at or below 273.15 K gives the logarithm's undefined result.
 * @param[in] d15 density at 15 C, g/cm3
 * @param[in] T50 50 % recovery temperature, K
 */
QIRA_API double Blend_CetaneIndexD976_2(double d15, double T50);

/** Blending index 0.9187 (a/10)^1.26687 (TF/100)^1.44227 of the host's property a at the
 * temperature T (K, TF in F); -32767.0 unless 145 F < TF < 375 F strictly. An empirical
 * index whose original publication is not recorded here.
 * @param[in] a the host's property
 * @param[in] T temperature, K
 */
QIRA_API double Blend_CetaneIndexD976_3(double a, double T);

/** Kinematic viscosities (cSt) at 100 F and 210 F from the Watson factor K and API
 * gravity G: Abbott, M.M., Kaufmann, T.G. and Domash, L., 1971, "A correlation for
 * predicting liquid viscosities of petroleum fractions", Can. J. Chem. Eng. 49:379-384
 * (API Technical Data Book procedure 11A4.2): log10 nu100 and log10 nu210 as quadratics
 * in K and G plus a rational term in them. Published for Kw about 10 to 13 and API
 * about 0 to 80. Writes both outputs and returns true; false, writing nothing, for a
 * null output pointer.
 * @param[in] watsonK Watson characterization factor
 * @param[in] api API gravity
 * @param[out] nu100 [1] kinematic viscosity at 100 F, cSt
 * @param[out] nu210 [1] kinematic viscosity at 210 F, cSt
 */
QIRA_API bool Blend_APIVisc(double watsonK, double api, double* nu100, double* nu210);

/** Kinematic viscosities (cSt) at 100 F and 210 F by Twu, C.H., 1985, "Internally
 * consistent correlation for predicting liquid viscosities of petroleum fractions",
 * Ind. Eng. Chem. Process Des. Dev. 24(4):1287-1293: the n-alkane reference viscosity at
 * the boiling point, carried to the fraction by ln(nu + 450/Tb) scaled by
 * ((1 + 2f)/(1 - 2f))^2, f from the gravity difference to the reference alkane. From
 * the liquid density rho (kg/m3) and normal boiling point Tb (K). The boiling point is
 * capped at 1800 R and the specific gravity at 1.394. Writes both outputs and returns
 * true; false, writing nothing, for a null output pointer.
 * @param[in] rho liquid density, kg/m3
 * @param[in] Tb normal boiling point, K
 * @param[out] nu100 [1] kinematic viscosity at 100 F, cSt
 * @param[out] nu210 [1] kinematic viscosity at 210 F, cSt
 */
QIRA_API bool Blend_TwuVisc(double rho, double Tb, double* nu100, double* nu210);

QIRA_C_END

#endif /* QIRA_CETANE_H */
