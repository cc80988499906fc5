/** @file
 * Critical properties of petroleum fractions from the normal boiling point and the specific
 * gravity: critical temperature, pressure and volume, acentric factor, and the COSTALD
 * characteristic volume and SRK acentric factor.
 *
 * An extension beyond the core interface: every name carries the prefix QiraCrit_ and names
 * the correlation and the year of its source.
 *
 * Units at the interface: temperatures in kelvin, pressures in kPa, molar volumes in
 * m3/kmol, specific gravity 60F/60F. Correlations published in Rankine and psia are
 * evaluated with their own constants in those units and converted at the boundary
 * (T[R] = 1.8 T[K]; 1 psia = 6.894757293168 kPa; 1 ft3/lbmol = 0.028316846592 /
 * 0.45359237 m3/kmol, about 0.0624280).
 *
 * Failure: each function returns -32767.0 (QIRA_MISSING) when an argument is not a finite
 * positive number, when the arguments lie outside the domain in which the formula is
 * defined (stated per function), or when the result is not a finite positive number (the
 * acentric factors: not finite; a critical temperature: not above the boiling point). The validity range stated per function is where the source
 * fitted and tested the correlation; between it and the formula's domain the function
 * extrapolates without failing. No function throws, logs or allocates memory.
 */
#ifndef QIRA_CRITICALPROPS_H
#define QIRA_CRITICALPROPS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Critical temperature, K, by Riazi and Daubert.
 * Source: M. R. Riazi, T. E. Daubert, "Simplify property predictions", Hydrocarbon
 * Processing 59(3) (1980) 115-116.
 * Formula: Tc[R] = 24.2787 Tb[R]^0.58848 SG^0.3596.
 * Validity: Tb 100-850 F (311-728 K), API gravity 6.6-95 (SG 0.62-1.03). Far above it the
 * result falls below Tb (for SG 0.8 from about 1060 K).
 * Failure: -32767.0 for tb or sg not finite and positive, or a result not above tb.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_TcRiaziDaubert1980(double tb, double sg);

/** Critical pressure, kPa, by Riazi and Daubert (source and validity as
 * QiraCrit_TcRiaziDaubert1980).
 * Formula: Pc[psia] = 3.12281e9 Tb[R]^-2.3125 SG^2.3201.
 * Failure: -32767.0 for tb or sg not finite and positive, or a result that is not finite.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_PcRiaziDaubert1980(double tb, double sg);

/** Critical molar volume, m3/kmol, by Riazi and Daubert (source and validity as
 * QiraCrit_TcRiaziDaubert1980). The source correlates the specific critical volume; it is
 * made molar with the molecular weight of the same source.
 * Formula: Vc[ft3/lb] = 7.5214e-3 Tb[R]^0.2896 SG^-0.7666, times
 * MW = 4.5673e-5 Tb[R]^2.1962 SG^-1.0164.
 * Failure: -32767.0 for tb or sg not finite and positive, or a result that is not finite.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_VcRiaziDaubert1980(double tb, double sg);

/** Critical temperature, K, by Kesler and Lee.
 * Source: M. G. Kesler, B. I. Lee, "Improve prediction of enthalpy of fractions",
 * Hydrocarbon Processing 55(3) (1976) 153-158.
 * Formula: Tc[R] = 341.7 + 811 SG + (0.4244 + 0.1174 SG) Tb[R]
 *                  + (0.4669 - 3.2623 SG) 1e5 / Tb[R].
 * Validity: Tb up to 1200 F (922 K).
 * Failure: -32767.0 for tb or sg not finite and positive, or a result not above tb.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_TcKeslerLee1976(double tb, double sg);

/** Critical pressure, kPa, by Kesler and Lee (source and validity as
 * QiraCrit_TcKeslerLee1976).
 * Formula: ln Pc[psia] = 8.3634 - 0.0566/SG - (0.24244 + 2.2898/SG + 0.11857/SG^2) 1e-3 Tb
 *   + (1.4685 + 3.648/SG + 0.47227/SG^2) 1e-7 Tb^2 - (0.42019 + 1.6977/SG^2) 1e-10 Tb^3,
 *   Tb in R.
 * Failure: -32767.0 for tb or sg not finite and positive, or a result that is not finite.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_PcKeslerLee1976(double tb, double sg);

/** Acentric factor (dimensionless) by Kesler and Lee (source and validity as
 * QiraCrit_TcKeslerLee1976), from the boiling point tb (K), gravity sg and the critical
 * temperature tc (K) and pressure pc (kPa) of any of the correlations above.
 * Formula, Tbr = tb/tc <= 0.8 (the Lee-Kesler vapour-pressure form at the normal boiling
 * point): omega = (-ln(Pc/1 atm) - 5.92714 + 6.09648/Tbr + 1.28862 ln Tbr - 0.169347 Tbr^6)
 *               / (15.2518 - 15.6875/Tbr - 13.4721 ln Tbr + 0.43577 Tbr^6);
 * Tbr > 0.8: omega = -7.904 + 0.1352 Kw - 0.007465 Kw^2 + 8.359 Tbr
 *                    + (1.408 - 0.01063 Kw)/Tbr, with Kw = Tb[R]^(1/3)/SG.
 * Domain: tb < tc.
 * Failure: -32767.0 for an argument not finite and positive, tb >= tc, or a result that is
 * not finite.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 * @param[in] tc critical temperature, K
 * @param[in] pc critical pressure, kPa
 */
QIRA_API double QiraCrit_AcentricKeslerLee1976(double tb, double sg, double tc, double pc);

/** Critical temperature, K, by Twu's perturbation of the normal paraffins.
 * Source: C. H. Twu, "An internally consistent correlation for predicting the critical
 * properties and molecular weights of petroleum and coal-tar liquids", Fluid Phase
 * Equilibria 16 (1984) 137-150.
 * Formula: Tc = Tc0 ((1 + 2 fT)/(1 - 2 fT))^2, Tc0 the normal paraffin of the same boiling
 * point, fT a function of Tb and exp(5 (SG0 - SG)) - 1, SG0 the paraffin's gravity.
 * Validity: fitted to the normal paraffins C1-C100, tested on petroleum and coal-tar
 * fractions.
 * Domain: a paraffin reference Tc0 above Tb, i.e. Tb between about 84 K and 1112 K
 * (152-2002 R); |fT|, |fV|, |fP| < 1/2 (one domain for the three properties).
 * Failure: -32767.0 for tb or sg not finite and positive, outside the domain, or a result not
 * above tb.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_TcTwu1984(double tb, double sg);

/** Critical pressure, kPa, by Twu (source, validity and domain as QiraCrit_TcTwu1984 and
 * QiraCrit_VcTwu1984).
 * Formula: Pc = Pc0 (Tc/Tc0) (Vc0/Vc) ((1 + 2 fP)/(1 - 2 fP))^2, fP a function of Tb and
 * exp(0.5 (SG0 - SG)) - 1.
 * Failure: -32767.0 for tb or sg not finite and positive, outside the domain, or a result
 * that is not finite and positive.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_PcTwu1984(double tb, double sg);

/** Critical molar volume, m3/kmol, by Twu (source and validity as QiraCrit_TcTwu1984).
 * Formula: Vc = Vc0 ((1 + 2 fV)/(1 - 2 fV))^2, fV a function of Tb and
 * exp(4 (SG0^2 - SG^2)) - 1.
 * Failure: -32767.0 for tb or sg not finite and positive, outside the domain, or a result
 * that is not finite and positive.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraCrit_VcTwu1984(double tb, double sg);

/** COSTALD characteristic volume V*, m3/kmol, by Hankinson and Thomson's generalized
 * correlation for hydrocarbons.
 * Source: R. W. Hankinson, G. H. Thomson, "A new correlation for saturated densities of
 * liquids and their mixtures", AIChE Journal 25(4) (1979) 653-663.
 * Formula: V* = (R Tc/Pc)(0.2851686 - 0.06379110 omegaSRK + 0.01379173 omegaSRK^2),
 * R = 8.314462618 kPa m3/(kmol K).
 * Validity: hydrocarbons, for the COSTALD density at reduced temperatures 0.25-0.95.
 * Failure: -32767.0 for tc or pc not finite and positive, omega_srk not finite, or a result
 * that is not positive.
 * @param[in] tc critical temperature, K
 * @param[in] pc critical pressure, kPa
 * @param[in] omega_srk COSTALD (SRK) acentric factor
 */
QIRA_API double QiraCrit_CostaldVolumeHT1979(double tc, double pc, double omega_srk);

/** COSTALD (SRK) acentric factor, dimensionless: as Hankinson and Thomson obtain it, the
 * acentric factor with which the Soave-Redlich-Kwong equation reproduces the vapour
 * pressure; for a petroleum fraction the one vapour pressure known is the normal boiling
 * point, so it is the omega for which the SRK saturation pressure at tb (K) is one
 * atmosphere, with tc (K) and pc (kPa) of the fraction.
 * Source: Hankinson and Thomson (1979), as QiraCrit_CostaldVolumeHT1979; G. Soave, Chem.
 * Eng. Sci. 27 (1972) 1197-1203 for m(omega) = 0.480 + 1.574 omega - 0.176 omega^2.
 * Formula: solve Psat_SRK(tb; tc, pc, m(omega)) = 101.325 kPa for omega.
 * Validity: hydrocarbons; for n-heptane, n-decane, benzene and toluene the one-point fit
 * lies within 0.005 of the source's tabulated omegaSRK.
 * Domain: tb < tc, pc > 101.325 kPa, 101.325/pc < tb/tc (outside it the SRK equation
 * reaches one atmosphere at tb for no omega), omega found in [-0.5, 2.5].
 * Failure: -32767.0 for an argument not finite and positive or outside the domain, e.g.
 * (tb 300 K, tc 1000 K, pc 102 kPa).
 * @param[in] tb normal boiling point, K
 * @param[in] tc critical temperature, K
 * @param[in] pc critical pressure, kPa
 */
QIRA_API double QiraCrit_CostaldOmegaHT1979(double tb, double tc, double pc);

QIRA_C_END

#endif /* QIRA_CRITICALPROPS_H */
