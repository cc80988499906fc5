/** @file
 * Closed-form property estimates of petroleum fractions.
 *
 * Densities rho are in kg/m3 and are divided by 1000 inside to give the specific gravity
 * d. Functions with output pointers write caller-owned doubles and return a bool; they
 * return false and write nothing when an output pointer is null. Degenerate input (zero
 * molecular weight or density) gives whatever the arithmetic gives.
 *
 * Where a source is named as Riazi (2005) it is Riazi, M.R., 2005, Characterization and
 * Properties of Petroleum Fractions, ASTM Manual MNL50, ASTM International.
 */
#ifndef QIRA_ESTIMATES_H
#define QIRA_ESTIMATES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Bulk sulphur S (wt %) from the host's property x, molecular weight M and density rho
 * (kg/m3, d = rho/1000): 177.448 - 170.946 x below M = 200; 38.4628 x - 58.02 -
 * 0.0229 (d - 1.4315) x + 22.4 d from M = 200 up. Form as in the sulphur correlation of
 * Riazi, M.R., Nasimi, N. and Roomi, Y.A., 1999, "Estimation of sulfur content of
 * petroleum products and crude oils", Ind. Eng. Chem. Res. 38(11):4507-4512 (wt % sulphur
 * from molecular weight, refractive index and specific gravity; fitted on fractions of M
 * about 75 to 1500 with up to 6 wt % sulphur), also given in Riazi (2005, ch. 3); the
 * constants are as received and have not been checked term by term against the paper.
 * A negative estimate is written as 0.0. Returns true.
 * @param[in] x the host's property
 * @param[in] M molecular weight, kg/kmol
 * @param[in] rho density, kg/m3
 * @param[out] S [1] sulphur, wt %
 */
QIRA_API bool Blend_EstatimateBulkSulphurByRiazi(double x, double M, double rho, double* S);

/** C5 asphaltenes 0.01272 a^2 + 0.74195 a for a >= 0; -32767.0 otherwise (also for NaN).
 * An empirical fit whose original publication is not recorded here.
 * @param[in] a the host's property
 */
QIRA_API double Blend_EstimateC5asphaltenes(double a);

/** Conradson carbon residue max(148.7 - 86.96/v, 0) for v > 0; 0.0 otherwise. An
 * empirical fit whose original publication is not recorded here.
 * @param[in] v the host's property
 */
QIRA_API double Blend_EstimateCCR(double v);

/** Cloud point (C) from the boiling point Tb (C) and specific gravity SG, by Riazi (2005,
 * ch. 3): log10 TCP = -7.41 + 5.49 log10 Tb - 0.712 Tb^0.315 - 0.133 SG, temperatures in
 * R. Writes -32767.0 and returns false for a boiling point at or below -273.15 C (or not
 * a number).
 * @param[in] Tb boiling point, C
 * @param[in] SG specific gravity
 * @param[out] cloudPoint [1] cloud point, C
 */
QIRA_API bool Blend_EstimateCloudPt(double Tb, double SG, double* cloudPoint);

/** Ring contents by the n-d-M method (ASTM D3238): v = 2.51 (n - 1.4750) - (d - 0.8510),
 * w = (d - 0.8510) - 1.11 (n - 1.4750), %CA and %CR from v, w, M and S, with the
 * refractive index n estimated as 1 + 0.8447 d^1.2056 Tb^-0.0557 M^-0.0044 (Tb in K),
 * from M, rho (kg/m3), sulphur S (percent) and Tb (C); writes R1 and R2 and returns
 * true. The first argument is not read.
 * @param[in] unused not read
 * @param[in] M molecular weight, kg/kmol
 * @param[in] rho density, kg/m3
 * @param[in] S sulphur, percent
 * @param[in] Tb boiling point, C
 * @param[out] R1 [1] first ring content
 * @param[out] R2 [1] second ring content
 */
QIRA_API bool Blend_EstimateNaphthenicByNDM(double unused, double M, double rho, double S,
                                            double Tb, double* R1, double* R2);

/** Paraffin, naphthene and aromatic percentages (normalised to a sum of 100) from the
 * host's property x and rho (kg/m3, d = rho/1000): %P = 325.74 - 348.14 d + 1.166 x,
 * %N = 263.853 d - 195.71 - 3.992 (d - 1.4315) x, %A the rest. Named after Riazi, M.R.
 * and Roomi, Y.A., 2001, "Use of the refractive index in the estimation of thermophysical
 * properties of hydrocarbons and petroleum mixtures", Ind. Eng. Chem. Res. 40:1975-1984,
 * which estimates the composition of petroleum fractions from refractive-index
 * parameters; the coefficients are as received and have not been matched against the
 * paper's printed equations. Returns true.
 * @param[in] x the host's property
 * @param[in] rho density, kg/m3
 * @param[out] P [1] paraffins, percent
 * @param[out] N [1] naphthenes, percent
 * @param[out] A [1] aromatics, percent
 */
QIRA_API bool Blend_EstimatePNAbyRiaziRoomi(double x, double rho, double* P, double* N, double* A);

/** Softening point 38.342 - 0.036 v + 0.0006434 v^2 - 1.774e-6 v^3 + 1.449e-9 v^4;
 * -32767.0 for v = -32767.0. An empirical fit whose original publication is not
 * recorded here.
 * @param[in] v the host's property
 */
QIRA_API double Blend_EstimateSofteningPoint(double v);

/** Carbon-to-hydrogen weight ratio from Tb (K) and SG (Riazi 2005, ch. 2; Riazi-Daubert
 * form): CH = 8.7743e-10 exp(7.176e-3 Tb + 30.06242 SG - 7.35e-3 Tb SG) Tb^-0.98445
 * SG^-18.2753. Returns true.
 * @param[in] Tb normal boiling point, K
 * @param[in] SG specific gravity
 * @param[out] CtoH [1] carbon-to-hydrogen weight ratio
 */
QIRA_API bool Blend_estimateCtoHRatio(double Tb, double SG, double* CtoH);

/** Pour point (K) from the kinematic viscosity nu (cSt at 100 F), SG and M: Riazi, M.R.
 * and Daubert, T.E., 1987, "Predicting flash and pour points", Hydrocarbon Processing
 * 66(9):81-83: TP = 130.47 SG^2.970566 M^(0.61235 - 0.47367 SG) nu^(0.310331 - 0.32834 SG)
 * (R in the paper), the two exponents floored at 0.001. Returns true.
 * @param[in] nu kinematic viscosity at 100 F, cSt
 * @param[in] SG specific gravity
 * @param[in] M molecular weight, kg/kmol
 * @param[out] pourPoint [1] pour point, K
 */
QIRA_API bool Blend_estimatePourPointRiazi(double nu, double SG, double M, double* pourPoint);

/** Refractive index n20 from Tb (K), rho (kg/m3) and M through Huang's parameter I:
 * Riazi, M.R. and Daubert, T.E., 1987, "Characterization parameters for petroleum
 * fractions", Ind. Eng. Chem. Res. 26(4):755-759: I = 0.023435 exp(7.029e-4 Tb + 2.468 d
 * - 1.0267e-3 Tb d) Tb^0.0572 d^-0.72 up to M = 300, I = 0.01843 exp(1.1635e-3 Tb +
 * 5.144 d - 5.92e-4 Tb d) Tb^-0.4077 d^-3.333 above; n = ((1 + 2I)/(1 - I))^(1/2).
 * -32767.0 when Tb, rho or M is -32767.0.
 * @param[in] Tb normal boiling point, K
 * @param[in] rho density, kg/m3
 * @param[in] M molecular weight, kg/kmol
 */
QIRA_API double EstimateRefractIdx(double Tb, double rho, double M);

QIRA_C_END

#endif /* QIRA_ESTIMATES_H */
