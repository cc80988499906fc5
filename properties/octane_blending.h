// Octane blending and estimates (internal forms).
#pragma once

namespace qira {

struct OctanePair {
  double ron;
  double mon;
};

// Healy blend of n >= 0 components; the linear blend when the MON/RON band is left.
OctanePair healyBlend(const double* x, int n, const double* ron, const double* mon,
                      const double* olefins, const double* aromatics);

double monFromRon(double ron, double b);

// Octane estimate from the 10/30/50/70/90 % temperatures (C); normalises c1..c3 in place.
double estimateOctane(const double* t, double* c1, double* c2, double* c3);

}  // namespace qira
