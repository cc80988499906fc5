// Fit of one component's two viscosity thetas to viscosities at several temperatures
// (internal form of pc_fitvisc).
#pragma once

namespace qira {

// The component whose thetas are fitted: units K, kPa, m3/kmol, kg/kmol.
struct ViscosityFitComponent {
  double mw;
  double tc;
  double pc;
  double vc;
  double vchar;
  double wsrk;
  double omega;
};

// Fits (thetaA, thetaB) to the n points (T[i] K, visc[i]); kinematic: visc in cSt, else
// cP. visc is rewritten to dynamic micropoise. useStart: begin at the given thetas, else
// at 0.1 and -0.08. Returns 1 when the fit was made, 0 when a density came out negative
// or the points cannot give a line (n < 2, or one shared temperature; visc untouched).
int fitViscosityThetas(bool kinematic, bool useStart, double p,
                       const ViscosityFitComponent& c, int n, const double* T, double* visc,
                       float& thetaA, float& thetaB);

}  // namespace qira
