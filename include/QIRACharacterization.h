/** @file
 * Molecular weight, gravity and Watson K correlations and the Whitson gamma-distribution split of a plus fraction. */
#ifndef QIRA_CHARACTERIZATION_H
#define QIRA_CHARACTERIZATION_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Correlations. Units: MW kg/kmol, SG 60F/60F, Kw Rankine-based, boiling points K,
 * densities kg/m3. None reports failure: arguments outside their physical range give
 * whatever the arithmetic yields (a not-a-number propagates). */

/** Watson characterization factor Kw = 4.559097 MW^0.15178 SG^-0.84573: the Watson
 * factor (Tb^(1/3)/SG, Tb in R) with Tb = 52.6 MW^0.45533 SG^0.4628 (K), the MW
 * correlation of Riazi, M.R. and Daubert, T.E., 1980, "Simplify property predictions",
 * Hydrocarbon Processing 59(3):115-116, solved for Tb. The form is Whitson's (Whitson,
 * C.H., 1983, "Characterizing hydrocarbon plus fractions", SPE Journal 23(4):683-694,
 * who prints 4.5579); 4.559097 = (1.8 x 52.6)^(1/3) keeps the three MW-SG-Kw
 * functions exact inverses of one another. Riazi-Daubert: MW about 70 to 300.
 * @param[in] mw molecular weight, kg/kmol
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double Blend_uopk(double mw, double sg);

/** MW from SG and Kw: the Blend_uopk relation solved for MW,
 * MW = ((Kw/1.2164404)^3 SG^2.537169 / 52.6)^2.196209 (1.2164404 = 1.8^(1/3)).
 * @param[in] sg specific gravity 60F/60F
 * @param[in] kw Watson characterization factor
 */
QIRA_API double Blend_mw(double sg, double kw);

/** SG from MW and Kw: below MW 320 the Blend_uopk relation solved for SG,
 * SG = (52.6 MW^0.45533 / (Kw/1.2164404)^3)^0.39414; from MW 320 on the heavy-end
 * relation SG = (MW / (2.482e-7 Kw^8.7669))^0.08895, whose published origin is not
 * recorded here (the two do not meet at 320).
 * @param[in] mw molecular weight, kg/kmol
 * @param[in] kw Watson characterization factor
 */
QIRA_API double Blend_sg(double mw, double kw);

/** Liquid density (kg/m3) from the normal boiling point (K, F inside) along the
 * single-carbon-number table of Katz, D.L. and Firoozabadi, A., 1978, "Predicting phase
 * behavior of condensate/crude-oil systems using methane interaction coefficients",
 * J. Petrol. Technol. 30(11):1649-1655, fitted as SG = 0.5516 + 1.208e-3 T -
 * 2.231e-6 T^2 + 2.265e-9 T^3 - 8.614e-13 T^4; density = SG / 0.9991 x 998.9993.
 * The table spans C6 to C45 (about 337 K to 810 K).
 * @param[in] tb normal boiling point, K
 */
QIRA_API double Blend_sg_katz_firoozabadi(double tb);

/** Molecular weight from the normal boiling point (K) and density (kg/m3): Twu, C.H.,
 * 1984, "An internally consistent correlation for predicting the critical properties
 * and molecular weights of petroleum and coal-tar liquids", Fluid Phase Equilibria
 * 16:137-150: the n-alkane reference MW0 from Tb by Newton's method, corrected to the
 * fraction's gravity, ln MW = ((1 + 2f)/(1 - 2f))^2 ln MW0. The boiling point gets an
 * adjustment of up to about 5.7 % between about 648 R and 1752 R, and the gravity is
 * capped at 1.394. Published for Tb up to about 1900 R.
 * @param[in] tb normal boiling point, K
 * @param[in] density liquid density, kg/m3
 */
QIRA_API double Blend_mw_twu(double tb, double density);

/** Whitson gamma-distribution split of a plus fraction over nc host components
 * (Whitson 1983, as for Blend_uopk): mole fractions of slices of MW width 14 from the
 * three-parameter gamma distribution, each slice's SG from Blend_sg and its boiling
 * point from Tb = 52.6 MW^0.45533 SG^0.4628 (K).
 * nbps[nc]: the components' normal boiling points (K, any order, read only). Written:
 * fractions[nc] (mole fractions summing to 1), mws[nc] (kg/kmol) and densities[nc]
 * (kg/m3, slice SG x 1000), each read off the slice curves at the NBPs.
 * *mw, *sg, *kw: the plus fraction; one of them may be -32767.0 (missing) and is then
 * completed (MW, then SG, then Kw) and written back. eta: the lowest MW of the
 * distribution; a value <= 0 chooses max(min(84, MW/2), 0.4 MW).
 * The shape alpha is fitted by Blend_whitson_convg's step from 0.65 in [0.495, 20]; when
 * the first residual is positive there is no previous point yet, and that first secant
 * step is a bisection of the bracket (the current point becoming the previous point).
 * Returns true when the outputs were written. Returns false, writing nothing, for nc < 1,
 * a null pointer, a not-a-number argument or NBP, two or three of MW, SG and Kw missing,
 * or a completed value that is not a finite positive number. Returns false with only MW,
 * SG and Kw written back when eta > 0.9 MW, or when the distribution cannot be discretised
 * (fewer than three slices, or no finite boiling-point curve). As with the cutter
 * and interpolator themselves, their failure is not reported: a failed cut leaves
 * fractions[] as it was.
 * @param[in] nc number of host components, >= 1
 * @param[out] fractions [nc] mole fractions
 * @param[out] mws [nc] molecular weights, kg/kmol
 * @param[out] densities [nc] densities, kg/m3
 * @param[in] nbps [nc] component normal boiling points, K
 * @param[in,out] mw [1] plus-fraction molecular weight, kg/kmol, or -32767.0 to complete
 * @param[in,out] sg [1] plus-fraction specific gravity, or -32767.0 to complete
 * @param[in,out] kw [1] plus-fraction Watson factor, or -32767.0 to complete
 * @param[in] eta lowest molecular weight of the distribution, kg/kmol (<= 0: chosen)
 */
QIRA_API bool Blend_Whitson(int nc, double* fractions, double* mws, double* densities,
                            const double* nbps, double* mw, double* sg, double* kw,
                            double eta);

/** ln Gamma(x) by the Lanczos approximation with the six-term series of Press, W.H. et al.,
 * Numerical Recipes (2nd ed., 1992, section 6.1, gammln), error below 2e-10 for x > 0.
 * @param[in] x argument, > 0
 */
QIRA_API double Blend_gammln(double x);

/** Gamma probability density x^(alpha-1) exp(-x/beta) / (beta^alpha Gamma(alpha)), with
 * Gamma(alpha) from Blend_gammln.
 * @param[in] x variate
 * @param[in] alpha shape
 * @param[in] beta scale
 */
QIRA_API double Blend_gammafun(double x, double alpha, double beta);

/** One bracketing step towards f = target for the current point *x with value f, bracket
 * [*lo, *hi], previous point (*xp, *fp) and step h: a fixed step of h (down when
 * f > target, else up) while more than 1.2 h of bracket remains on that side, otherwise a
 * secant step through the previous point, kept when it lands within 2 %..98 % of the
 * bracket, else a bisection. The previous point is replaced by the current one when that
 * is nearer the target. A *fp of not-a-number means no previous point yet: the step
 * bisects and records the current point as the previous one. Null pointers: nothing.
 * @param[in,out] x [1] current point, replaced by the next one
 * @param[in] f value at the current point
 * @param[in] target value sought
 * @param[in,out] lo [1] lower end of the bracket
 * @param[in,out] hi [1] upper end of the bracket
 * @param[in,out] xp [1] previous point
 * @param[in,out] fp [1] value at the previous point (not-a-number: none yet)
 * @param[in] h fixed step
 */
QIRA_API void Blend_whitson_convg(double* x, double f, double target, double* lo, double* hi,
                                  double* xp, double* fp, double h);

QIRA_C_END

#endif /* QIRA_CHARACTERIZATION_H */
