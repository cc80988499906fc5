// Cetane indices and the API and Twu viscosity estimates (internal forms).
#pragma once

namespace qira {

double cetaneIndexD4737(double d15, double t10K, double t50K, double t90K);
double cetaneIndexD976(double api, double t50K);
double cetaneIndexD976Density(double d15, double t50K);
double cetaneBlendingIndexD976(double a, double tK);

// Kinematic viscosities (cSt) at 100 F and 210 F.
struct ViscosityPair {
  double nu100;
  double nu210;
};

ViscosityPair apiViscosity(double watsonK, double api);
// Twu estimate from liquid density (kg/m3) and normal boiling point (K).
ViscosityPair twuViscosity(double rho, double tbK);

}  // namespace qira
