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

/** Blend RON and MON of n components by the Healy method, from the fractions x, each
 * component's RON, MON, olefin content O and aromatic content A (n doubles each). When
 * some component with x > 0 has MON > 2 RON or MON < 0.5 RON the linear blend is written
 * instead. With n < 1 both results are 0.0. Returns true; false, writing nothing, when an
 * output pointer is null, or an input array is null with n >= 1. */
QIRA_API bool Healy_RONMON(const double* x, int n, const double* RON, const double* MON,
                           const double* O, const double* A, double* blendRON, double* blendMON);

/** MON estimated from a RON: 0.83 RON + 22.5 - 0.02 b. */
QIRA_API double MonClear(double RON, double b);

/** Octane number of a naphtha from five distillation temperatures (C) at 10, 30, 50, 70
 * and 90 % and three composition contents c1, c2, c3, which are normalised in place to
 * percent (c1 + c2 + c3 = 100). Returns -32767.0 and changes nothing when a content is
 * missing (-32767.0), when the three contents sum to zero or to a non-finite value, or
 * when a pointer is null. Returns -32767.0, with the contents already normalised, when
 * the 50 % point is missing or above 220 C. */
QIRA_API double estimate_octane(const double* T, double* c1, double* c2, double* c3);

QIRA_C_END

#endif /* QIRA_OCTANE_H */
