// Closed-form property estimates of petroleum fractions (internal forms).
#pragma once

namespace qira {

double sulphurByRiazi(double x, double M, double rho);
double c5Asphaltenes(double a);
double conradsonCarbon(double v);
// Writes kMissing and returns false for a boiling point at or below -273.15 C.
bool cloudPointEstimate(double tbC, double sg, double& cloudC);
struct RingContents {
  double r1;
  double r2;
};
RingContents naphthenicByNdm(double M, double rho, double sulphur, double tbC);
struct PnaSplit {
  double p;
  double n;
  double a;
};
PnaSplit pnaByRiaziRoomi(double x, double rho);
double softeningPoint(double v);
double carbonToHydrogenRatio(double tbK, double sg);
double pourPointByRiazi(double nu, double sg, double M);
double refractiveIndex(double tbK, double rho, double M);

}  // namespace qira
