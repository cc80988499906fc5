/** @file
 * Octane blending and octane estimates.
 *
 * Octane numbers are plain numbers; component fractions are used as passed (no
 * normalisation); olefin and aromatic contents are in percent. The sensitivity of a
 * component is RON - MON.
 */
#ifndef QIRA_OCTANE_H
#define QIRA_OCTANE_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Blend RON and MON of n components by the Healy method (Healy, W.C., Maassen, C.W. and
 * Peterson, R.T., 1959, "A new approach to blending octanes", Proc. API Division of
 * Refining 39(III):132): the linear blend plus sensitivity, olefin and aromatic
 * interaction terms, RON = R + 0.05411 (RS - R S) + 0.00098 (O2 - O^2) - 0.00074
 * (A2 - A^2) and MON = M + 0.03908 (MS - M S) - 0.00703e-4 (A2 - A^2)^2 (bars: means
 * by fraction; S = RON - MON). The coefficients are the set adopted by this library
 * (the form is Healy's). From the fractions x, each component's RON, MON, olefin
 * content O and aromatic content A (n doubles each). When
 * some component with x > 0 has MON > 2 RON or MON < 0.5 RON the linear blend is written
 * instead. With n < 1 both results are 0.0. Returns true; false, writing nothing, when an
 * output pointer is null, or an input array is null with n >= 1.
 * @param[in] x [n] component fractions
 * @param[in] n number of components
 * @param[in] RON [n] research octane numbers
 * @param[in] MON [n] motor octane numbers
 * @param[in] O [n] olefin contents
 * @param[in] A [n] aromatic contents
 * @param[out] blendRON [1] blend RON
 * @param[out] blendMON [1] blend MON
 */
QIRA_API bool Healy_RONMON(const double* x, int n, const double* RON, const double* MON,
                           const double* O, const double* A, double* blendRON, double* blendMON);

/** MON estimated from a RON: 0.83 RON + 22.5 - 0.02 b (b: the host's property). An
 * empirical estimate whose original publication is not recorded here.
 * @param[in] RON research octane number
 * @param[in] b the host's property
 */
QIRA_API double MonClear(double RON, double b);

/** Octane number of a naphtha from five distillation temperatures (C) at 10, 30, 50, 70
 * and 90 % and three composition contents c1, c2, c3, which are normalised in place to
 * percent (c1 + c2 + c3 = 100): 70.773 + 6.884 S + 0.4711 c1 - 4.315e-3 c1 Tv +
 * 1.731e-3 c3 Tv, Tv the mean of the five temperatures (F) and S the 10-90 % slope
 * (F per percent). An empirical estimate whose original publication is not recorded
 * here. Returns -32767.0 and changes nothing when a content is
 * missing (-32767.0), when the three contents sum to zero or to a non-finite value, or
 * when a pointer is null. Returns -32767.0, with the contents already normalised, when
 * the 50 % point is missing or above 220 C.
 * @param[in] T [5] temperatures at 10, 30, 50, 70, 90 %, C
 * @param[in,out] c1 [1] first content, normalised to percent in place
 * @param[in,out] c2 [1] second content, normalised to percent in place
 * @param[in,out] c3 [1] third content, normalised to percent in place
 */
QIRA_API double estimate_octane(const double* T, double* c1, double* c2, double* c3);

QIRA_C_END

#endif /* QIRA_OCTANE_H */
