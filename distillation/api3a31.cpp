// D2887 and TBP curves by API 3A3.1. The 50 % points are equal; every other point is
// reached from its neighbour nearer the middle, one neighbour at a time, by the segment
// power law of the difference, extended beyond its limit when the constrain-range flag
// is on. Eight points: 5 % 0, 10 % 1, 30 % 2, 50 % 3, 70 % 4, 90 % 5, 95 % 6, final 7.
#include "QIRAConversions.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"

namespace qira {

namespace {

// From the 50 % point outwards, one neighbour at a time.
constexpr SegmentStep kD2887Steps[] = {
    {2, 3, kD2887_30To50},  {1, 2, kD2887_10To30}, {0, 1, kD2887FirstTo10},
    {4, 3, kD2887_50To70},  {5, 4, kD2887_70To90}, {6, 5, kD2887_90To95},
    {7, 6, kD2887_95ToFinal}};
constexpr SegmentWalk kD2887Walk = walkOver(3, kD2887Steps);

// The 50 % points of D2887 and TBP are equal.
double sameMidpoint(double f) { return f; }

}  // namespace

bool d2887ToTbp(double* tbp, const double* d2887) {
  // The order of the first seven points is checked as given, in kelvin; equal
  // neighbours are accepted and the final point is not tested.
  if (!nonDecreasing(d2887, 7)) return false;
  double S[kD2887Points], T[kD2887Points];
  curveToFahrenheit(d2887, S, kD2887Points);
  walkSegments(kD2887Walk, kApi3A31Segments, sameMidpoint, ToTbpDifference, S, T);
  curveToKelvin(T, tbp, kD2887Points);
  return true;
}

void tbpToD2887(const double* tbp, double* d2887) {
  double T[kD2887Points], S[kD2887Points];
  curveToFahrenheit(tbp, T, kD2887Points);
  walkSegments(kD2887Walk, kApi3A31Segments, sameMidpoint, FromTbpDifference, T, S);
  curveToKelvin(S, d2887, kD2887Points);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool API3A31_D2887toTBP(double* tbp, const double* d2887) {
  return qira::curveExport(qira::d2887ToTbp, tbp, d2887);
}

// No order check: true whenever both arrays are given.
QIRA_API bool API3A31_TBPtoD2887(const double* tbp, double* d2887) {
  return qira::curveExport(
      [](const double* t, double* d) {
        qira::tbpToD2887(t, d);
        return true;
      },
      tbp, d2887);
}

QIRA_C_END
