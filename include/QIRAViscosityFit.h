/** @file
 * Fit of a component's two viscosity thetas of the crude-oil viscosity correlation. */
#ifndef QIRA_VISCOSITYFIT_H
#define QIRA_VISCOSITYFIT_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Fits ThetaA and ThetaB (temperature factor theta = exp(ThetaA + ThetaB ln Tr)) so that
 * the crude-oil viscosity correlation of the single component (the Ely-Hanley 1981
 * corresponding-states model of ViscHandler::viscrude) reproduces its n viscosities
 * visc[] at the temperatures T[] (K): per point a secant search for theta, then
 * ln theta against ln Tr by least squares, repeated until the line stops moving.
 * type: 2 = the viscosities are kinematic (cSt), otherwise dynamic (cP).
 * start: 1 = start from *ThetaA, *ThetaB; otherwise from 0.1 and -0.08.
 * P in kPa, Mw in kg/kmol, Tc in K, Pc in kPa, Vc and Vchar in m3/kmol, Wsrk the COSTALD
 * acentric factor, Omega the acentric factor of the vapour pressure.
 * visc is rewritten: on return it holds the dynamic viscosities in micropoise.
 * Returns 1 when the fit was made (converged or not; thetas written, rounded to single
 * precision), 0 when it was not (thetas unchanged): a negative liquid density (visc then
 * converted up to that point), or, with visc untouched, null arrays, n < 2, every point
 * at one temperature, or a non-finite temperature or viscosity.
 * @param[in] type 2 kinematic viscosities, otherwise dynamic
 * @param[in] start 1 start from the given thetas
 * @param[in] P pressure, kPa
 * @param[in] Mw molecular weight, kg/kmol
 * @param[in] Tc critical temperature, K
 * @param[in] Pc critical pressure, kPa
 * @param[in] Vc critical volume, m3/kmol
 * @param[in] n number of points, >= 2
 * @param[in] T [n] temperatures, K
 * @param[in,out] visc [n] viscosities in (cSt or cP), dynamic viscosities out, micropoise
 * @param[in] Vchar COSTALD characteristic volume, m3/kmol
 * @param[in] Wsrk COSTALD acentric factor
 * @param[in,out] ThetaA [1] theta A (start value with start 1)
 * @param[in,out] ThetaB [1] theta B (start value with start 1)
 * @param[in] Omega acentric factor
 */
QIRA_API int pc_fitvisc(int type, int start, double P, double Mw, double Tc, double Pc,
                        double Vc, int n, const double* T, double* visc, double Vchar,
                        double Wsrk, float* ThetaA, float* ThetaB, double Omega);

QIRA_C_END

#endif /* QIRA_VISCOSITYFIT_H */
