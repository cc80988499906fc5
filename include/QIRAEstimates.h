/** @file
 * Closed-form property estimates of petroleum fractions.
 *
 * Densities rho are in kg/m3 and are divided by 1000 inside to give the specific gravity
 * d. Functions with output pointers write caller-owned doubles and return a bool; they
 * return false and write nothing when an output pointer is null. Degenerate input (zero
 * molecular weight or density) gives whatever the arithmetic gives.
 */
#ifndef QIRA_ESTIMATES_H
#define QIRA_ESTIMATES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Bulk sulphur S from the host's property x, molecular weight M and density rho (kg/m3);
 * one form below M = 200, another from M = 200 up. A negative estimate is written as 0.0.
 * Returns true. */
QIRA_API bool Blend_EstatimateBulkSulphurByRiazi(double x, double M, double rho, double* S);

/** C5 asphaltenes 0.01272 a^2 + 0.74195 a for a >= 0; -32767.0 otherwise (also for NaN). */
QIRA_API double Blend_EstimateC5asphaltenes(double a);

/** Conradson carbon residue max(148.7 - 86.96/v, 0) for v > 0; 0.0 otherwise. */
QIRA_API double Blend_EstimateCCR(double v);

/** Cloud point (C) from the boiling point Tb (C) and specific gravity SG. Writes -32767.0
 * and returns false for a boiling point at or below -273.15 C (or not a number). */
QIRA_API bool Blend_EstimateCloudPt(double Tb, double SG, double* cloudPoint);

/** Ring contents by the n-d-M method from M, rho (kg/m3), sulphur S (percent) and Tb (C);
 * writes R1 and R2 and returns true. The first argument is not read. */
QIRA_API bool Blend_EstimateNaphthenicByNDM(double unused, double M, double rho, double S,
                                            double Tb, double* R1, double* R2);

/** Paraffin, naphthene and aromatic percentages (normalised to a sum of 100) from the
 * host's property x and rho (kg/m3). Returns true. */
QIRA_API bool Blend_EstimatePNAbyRiaziRoomi(double x, double rho, double* P, double* N, double* A);

/** Softening point from v as a quartic; -32767.0 for v = -32767.0. */
QIRA_API double Blend_EstimateSofteningPoint(double v);

/** Carbon-to-hydrogen weight ratio from Tb (K) and SG. Returns true. */
QIRA_API bool Blend_estimateCtoHRatio(double Tb, double SG, double* CtoH);

/** Pour point (K) from the kinematic viscosity nu, SG and M. Returns true. */
QIRA_API bool Blend_estimatePourPointRiazi(double nu, double SG, double M, double* pourPoint);

/** Refractive index from Tb (K), rho (kg/m3) and M, with one form up to M = 300 and
 * another above; -32767.0 when Tb, rho or M is -32767.0. */
QIRA_API double EstimateRefractIdx(double Tb, double rho, double M);

QIRA_C_END

#endif /* QIRA_ESTIMATES_H */
