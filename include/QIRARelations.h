/** @file
 * Relations of petroleum fractions that hosts and the library's own bindings keep
 * needing: API gravity, the Watson characterization factor, the Riazi-Daubert molecular
 * weight and the Walther viscosity-temperature line. They are the library's one copy of
 * each formula (the same code its correlations use), exported so that a host or a
 * binding calls them instead of writing them again.
 *
 * An extension beyond the core interface: every name carries the prefix QiraRel_.
 * Units: temperatures in kelvin, specific gravity 60F/60F, kinematic viscosity in cSt.
 * Failure: -32767.0 (QIRA_MISSING) for an argument outside the stated domain or not a
 * finite number, and for a result that is not a finite number. No function throws,
 * logs or allocates memory.
 */
#ifndef QIRA_RELATIONS_H
#define QIRA_RELATIONS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Specific gravity 60F/60F of an API gravity: SG = 141.5 / (API + 131.5), the
 * definition of the API scale (API Technical Data Book, chapter 1).
 * Domain: api > -131.5.
 * @param[in] api API gravity, degrees API
 */
QIRA_API double QiraRel_SgFromApi(double api);

/** API gravity of a specific gravity 60F/60F: API = 141.5 / SG - 131.5.
 * Domain: sg > 0.
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraRel_ApiFromSg(double sg);

/** Watson characterization factor Kw = Tb[R]^(1/3) / SG (Watson, K.M. and Nelson, E.F.,
 * 1933, "Improved methods for approximating critical and thermal properties of petroleum
 * fractions", Ind. Eng. Chem. 25(8):880-887).
 * Domain: tb > 0, sg > 0.
 * @param[in] tb normal (or mean average) boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraRel_WatsonK(double tb, double sg);

/** Molecular weight, kg/kmol: MW = 4.5673e-5 Tb[R]^2.1962 SG^-1.0164 (Riazi, M.R. and
 * Daubert, T.E., 1980, "Simplify property predictions", Hydrocarbon Processing
 * 59(3):115-116), as QiraCrit_VcRiaziDaubert1980 uses it.
 * Validity: MW about 70 to 300 (Tb 311-728 K). Domain: tb > 0, sg > 0.
 * @param[in] tb normal boiling point, K
 * @param[in] sg specific gravity 60F/60F
 */
QIRA_API double QiraRel_MwRiaziDaubert1980(double tb, double sg);

/** Ordinate of the Walther line (ASTM D341) in natural logarithms: ln ln Z with
 * Z = nu + 0.7, plus exp(-1.47 - 1.84 nu - 0.51 nu^2) for nu <= 2 cSt (the low-viscosity
 * term of ASTM D341-09), as the viscosity handler draws its curves.
 * Domain: nu > 0 (the term keeps Z above 1 down to nu = 0, where it gives -1.04).
 * @param[in] nu kinematic viscosity, cSt
 */
QIRA_API double QiraRel_WaltherOrdinate(double nu);

/** Kinematic viscosity (cSt) of a Walther ordinate y, the inverse of
 * QiraRel_WaltherOrdinate by ASTM D341's back-transformation: Z = exp(exp(y)),
 * nu = (Z - 0.7) - exp(-0.7487 - 3.295 (Z - 0.7) + 0.6119 (Z - 0.7)^2 - 0.3193 (Z - 0.7)^3).
 * @param[in] y Walther ordinate, ln ln Z
 */
QIRA_API double QiraRel_WaltherViscosity(double y);

/** Abscissa of the Walther line: ln(1.8 T), the absolute temperature on the Rankine
 * scale. Domain: t > 0.
 * @param[in] t temperature, K
 */
QIRA_API double QiraRel_WaltherAbscissa(double t);

QIRA_C_END

#endif /* QIRA_RELATIONS_H */
