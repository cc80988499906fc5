/* Molecular weight, gravity and Watson K correlations and the Whitson gamma-distribution split of a plus fraction. */
#ifndef QIRA_CHARACTERIZATION_H
#define QIRA_CHARACTERIZATION_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/* Correlations. Units: MW kg/kmol, SG 60F/60F, Kw Rankine-based, boiling points K,
 * densities kg/m3. None reports failure: arguments outside their physical range give
 * whatever the arithmetic yields (a not-a-number propagates). */

/* Watson K: 4.559097 MW^0.15178 SG^-0.84573. */
QIRA_API double Blend_uopk(double mw, double sg);

/* MW from SG and Kw (the Watson relation solved for MW). */
QIRA_API double Blend_mw(double sg, double kw);

/* SG from MW and Kw: the Watson relation below MW 320, a separate heavy-end relation
 * for MW >= 320 (the two do not meet at 320). */
QIRA_API double Blend_sg(double mw, double kw);

/* Katz-Firoozabadi liquid density (kg/m3) from the normal boiling point (K). */
QIRA_API double Blend_sg_katz_firoozabadi(double tb);

/* Twu molecular weight from the normal boiling point (K) and density (kg/m3); the
 * gravity is capped at 1.394. */
QIRA_API double Blend_mw_twu(double tb, double density);

QIRA_C_END

#endif /* QIRA_CHARACTERIZATION_H */
