// D2887 and TBP curves by API 3A3.1. The 50 % points are equal; every other point is
// reached from its neighbour nearer the middle, one neighbour at a time, by the segment
// power law of the difference, extended beyond its limit when the constrain-range flag
// is on. Eight points: 5 % 0, 10 % 1, 30 % 2, 50 % 3, 70 % 4, 90 % 5, 95 % 6, final 7.
#include "QIRAConversions.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"

namespace qira {

namespace {
const ConversionSegment& seg(Api3A31Segment which) { return kApi3A31Segments[which]; }
}  // namespace

bool d2887ToTbp(double* tbp, const double* d2887) {
  // The order of the first seven points is checked as given, in kelvin; equal
  // neighbours are accepted and the final point is not tested.
  if (!nonDecreasing(d2887, 7)) return false;
  double S[kD2887Points], T[kD2887Points];
  curveToFahrenheit(d2887, S, kD2887Points);
  T[3] = S[3];
  T[2] = T[3] - ToTbpDifference(seg(kD2887_30To50), S[3] - S[2]);
  T[1] = T[2] - ToTbpDifference(seg(kD2887_10To30), S[2] - S[1]);
  T[0] = T[1] - ToTbpDifference(seg(kD2887FirstTo10), S[1] - S[0]);
  T[4] = T[3] + ToTbpDifference(seg(kD2887_50To70), S[4] - S[3]);
  T[5] = T[4] + ToTbpDifference(seg(kD2887_70To90), S[5] - S[4]);
  T[6] = T[5] + ToTbpDifference(seg(kD2887_90To95), S[6] - S[5]);
  T[7] = T[6] + ToTbpDifference(seg(kD2887_95ToFinal), S[7] - S[6]);
  curveToKelvin(T, tbp, kD2887Points);
  return true;
}

void tbpToD2887(const double* tbp, double* d2887) {
  double T[kD2887Points], S[kD2887Points];
  curveToFahrenheit(tbp, T, kD2887Points);
  S[3] = T[3];
  S[2] = S[3] - FromTbpDifference(seg(kD2887_30To50), T[3] - T[2]);
  S[1] = S[2] - FromTbpDifference(seg(kD2887_10To30), T[2] - T[1]);
  S[0] = S[1] - FromTbpDifference(seg(kD2887FirstTo10), T[1] - T[0]);
  S[4] = S[3] + FromTbpDifference(seg(kD2887_50To70), T[4] - T[3]);
  S[5] = S[4] + FromTbpDifference(seg(kD2887_70To90), T[5] - T[4]);
  S[6] = S[5] + FromTbpDifference(seg(kD2887_90To95), T[6] - T[5]);
  S[7] = S[6] + FromTbpDifference(seg(kD2887_95ToFinal), T[7] - T[6]);
  curveToKelvin(S, d2887, kD2887Points);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool API3A31_D2887toTBP(double* tbp, const double* d2887) {
  if (!tbp || !d2887) return false;
  return qira::guarded(false, [&] { return qira::d2887ToTbp(tbp, d2887); });
}

QIRA_API bool API3A31_TBPtoD2887(const double* tbp, double* d2887) {
  if (!tbp || !d2887) return false;
  return qira::guarded(false, [&] {
    qira::tbpToD2887(tbp, d2887);
    return true;
  });
}

QIRA_C_END
