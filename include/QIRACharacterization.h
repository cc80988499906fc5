/** @file
 * Molecular weight, gravity and Watson K correlations and the Whitson gamma-distribution split of a plus fraction. */
#ifndef QIRA_CHARACTERIZATION_H
#define QIRA_CHARACTERIZATION_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Correlations. Units: MW kg/kmol, SG 60F/60F, Kw Rankine-based, boiling points K,
 * densities kg/m3. None reports failure: arguments outside their physical range give
 * whatever the arithmetic yields (a not-a-number propagates). */

/** Watson K: 4.559097 MW^0.15178 SG^-0.84573. */
QIRA_API double Blend_uopk(double mw, double sg);

/** MW from SG and Kw (the Watson relation solved for MW). */
QIRA_API double Blend_mw(double sg, double kw);

/** SG from MW and Kw: the Watson relation below MW 320, a separate heavy-end relation
 * for MW >= 320 (the two do not meet at 320). */
QIRA_API double Blend_sg(double mw, double kw);

/** Katz-Firoozabadi liquid density (kg/m3) from the normal boiling point (K). */
QIRA_API double Blend_sg_katz_firoozabadi(double tb);

/** Twu molecular weight from the normal boiling point (K) and density (kg/m3); the
 * gravity is capped at 1.394. */
QIRA_API double Blend_mw_twu(double tb, double density);

/** Whitson gamma-distribution split of a plus fraction over nc host components.
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
 * fractions[] as it was. */
QIRA_API bool Blend_Whitson(int nc, double* fractions, double* mws, double* densities,
                            const double* nbps, double* mw, double* sg, double* kw,
                            double eta);

/** ln Gamma(x) (Lanczos approximation). */
QIRA_API double Blend_gammln(double x);

/** Gamma probability density x^(alpha-1) exp(-x/beta) / (beta^alpha Gamma(alpha)). */
QIRA_API double Blend_gammafun(double x, double alpha, double beta);

/** One bracketing step towards f = target for the current point *x with value f, bracket
 * [*lo, *hi], previous point (*xp, *fp) and step h: a fixed step of h (down when
 * f > target, else up) while more than 1.2 h of bracket remains on that side, otherwise a
 * secant step through the previous point, kept when it lands within 2 %..98 % of the
 * bracket, else a bisection. The previous point is replaced by the current one when that
 * is nearer the target. A *fp of not-a-number means no previous point yet: the step
 * bisects and records the current point as the previous one. Null pointers: nothing. */
QIRA_API void Blend_whitson_convg(double* x, double f, double target, double* lo, double* hi,
                                  double* xp, double* fp, double h);

QIRA_C_END

#endif /* QIRA_CHARACTERIZATION_H */
