// Gasoline octane numbers: Healy blending of research and motor octane numbers with
// sensitivity, olefin and aromatic interaction terms, MON from RON, and the octane
// estimate of a naphtha from its distillation curve and composition.
#include "properties/octane_blending.h"

#include <cmath>

#include "QIRAOctane.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {

namespace {

// The interaction terms hold only for components whose MON lies within [0.5, 2] x RON.
bool withinRatioBand(const double* x, int n, const double* ron, const double* mon) {
  for (int i = 0; i < n; ++i)
    if (x[i] > 0 && (mon[i] > 2 * ron[i] || mon[i] < 0.5 * ron[i])) return false;
  return true;
}

}  // namespace

OctanePair healyBlend(const double* x, int n, const double* ron, const double* mon,
                      const double* olefins, const double* aromatics) {
  const bool valid = withinRatioBand(x, n, ron, mon);
  double rBar = 0, mBar = 0, sBar = 0, oBar = 0, aBar = 0;
  double rs = 0, ms = 0, o2 = 0, a2 = 0;
  for (int i = 0; i < n; ++i) {
    const double s = ron[i] - mon[i];
    rBar += x[i] * ron[i];
    mBar += x[i] * mon[i];
    sBar += x[i] * s;
    oBar += x[i] * olefins[i];
    aBar += x[i] * aromatics[i];
    rs += x[i] * ron[i] * s;
    ms += x[i] * mon[i] * s;
    o2 += x[i] * olefins[i] * olefins[i];
    a2 += x[i] * aromatics[i] * aromatics[i];
  }
  if (!valid) return {rBar, mBar};
  const double vo = o2 - oBar * oBar;
  const double va = a2 - aBar * aBar;
  OctanePair out;
  out.ron = rBar + 0.05411 * (rs - rBar * sBar) + 0.00098 * vo - 0.00074 * va;
  // The aromatic term of the MON enters squared; the MON has no olefin term.
  out.mon = mBar + 0.03908 * (ms - mBar * sBar) - 0.00703 * 0.0001 * va * va;
  return out;
}

double monFromRon(double ron, double b) { return 0.83 * ron + 22.5 - 0.02 * b; }

double estimateOctane(const double* t, double* c1, double* c2, double* c3) {
  if (isMissing(*c1) || isMissing(*c2) || isMissing(*c3)) return kMissing;
  const double sum = *c1 + *c2 + *c3;
  // Contents that sum to zero (or to no number) cannot be normalised: leave them as given.
  if (sum == 0 || !std::isfinite(sum)) return kMissing;
  *c3 = 100 * *c3 / sum;
  *c2 = 100 * *c2 / sum;
  *c1 = 100 * *c1 / sum;
  if (isMissing(t[2]) || t[2] > 220) return kMissing;
  // Mean of the five points in F, and the 10-90 % slope in F per percent.
  const double tv = (t[0] + t[1] + t[2] + t[3] + t[4]) * 1.8 / 5 + 32;
  const double slope = (t[4] - t[0]) * 1.8 / 80;
  return 70.773 + 6.884 * slope + 0.4711 * *c1 - 4.315 * *c1 * tv / 1000 +
         1.731 * *c3 * tv / 1000;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Healy_RONMON(const double* x, int n, const double* RON, const double* MON,
                           const double* O, const double* A, double* blendRON, double* blendMON) {
  if (!blendRON || !blendMON) return false;
  if (n >= 1 && (!x || !RON || !MON || !O || !A)) return false;
  return qira::guarded(false, [&] {
    const qira::OctanePair blend = qira::healyBlend(x, n, RON, MON, O, A);
    *blendRON = blend.ron;
    *blendMON = blend.mon;
    return true;
  });
}

QIRA_API double MonClear(double RON, double b) {
  return qira::guarded(qira::kMissing, [&] { return qira::monFromRon(RON, b); });
}

QIRA_API double estimate_octane(const double* T, double* c1, double* c2, double* c3) {
  if (!T || !c1 || !c2 || !c3) return qira::kMissing;
  return qira::guarded(qira::kMissing, [&] { return qira::estimateOctane(T, c1, c2, c3); });
}

QIRA_C_END
