// D86 and TBP curves by API 3A1.1. The 50 % points are related by a power law of the
// temperature itself; every other point is reached from its neighbour nearer the middle
// by a power law of the difference between the two points (the initial point from the
// 10 % point and the final point from the 90 % point). All arithmetic is in Fahrenheit.
//
// The plain pair uses a * d^b and (t / a)^(1/b) on nine points. The extended pair uses
// ToTbpDifference / FromTbpDifference, which continue a segment beyond its limit when
// the constrain-range flag is on, on nine or seven points.
#include <cmath>

#include "QIRAConversions.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/settings.h"

namespace qira {

namespace {

double plainToTbp(const ConversionSegment& s, double d) { return s.a * std::pow(d, s.b); }
double plainFromTbp(const ConversionSegment& s, double t) {
  return std::pow(t / s.a, 1.0 / s.b);
}

// A TBP 50 % point at or below this (F) cannot be taken back to D86.
constexpr double kLowestTbpMidpointF = 1e-6;

// Nine points: IBP 0, 5 % 1, 10 % 2, 30 % 3, 50 % 4, 70 % 5, 90 % 6, 95 % 7, FBP 8. The
// 5 % and initial points are both reached from the 10 % point, the 95 % and final
// points both from the 90 % point.
constexpr SegmentStep kNinePointSteps[] = {
    {3, 4, kD86_30To50},     {2, 3, kD86_10To30},    {1, 2, kD86InitialTo10},
    {0, 2, kD86InitialTo10}, {5, 4, kD86_50To70},    {6, 5, kD86_70To90},
    {7, 6, kD86_90ToFinal},  {8, 6, kD86_90ToFinal}};
// Seven points: IBP 0, 10 % 1, 30 % 2, 50 % 3, 70 % 4, 90 % 5, FBP 6.
constexpr SegmentStep kSevenPointSteps[] = {
    {2, 3, kD86_30To50}, {1, 2, kD86_10To30}, {0, 1, kD86InitialTo10},
    {4, 3, kD86_50To70}, {5, 4, kD86_70To90}, {6, 5, kD86_90ToFinal}};

struct D86Layout {
  int points;
  SegmentWalk walk;
};
constexpr D86Layout kNinePoint{kD86NinePoints, walkOver(4, kNinePointSteps)};
constexpr D86Layout kSevenPoint{kD86SevenPoints, walkOver(3, kSevenPointSteps)};

const D86Layout& layout(bool ninePoint) { return ninePoint ? kNinePoint : kSevenPoint; }

bool d86ToTbp(double* tbp, const double* d86, const D86Layout& l, SegmentLaw toTbp) {
  double D[kD86NinePoints], T[kD86NinePoints];
  curveToFahrenheit(d86, D, l.points);
  // The first seven points: on nine points the 95 % and final points are not checked.
  if (!strictlyIncreasing(D, 7)) return false;
  walkSegments(l.walk, kApi3A11Segments, d86MidpointToTbp, toTbp, D, T);
  curveToKelvin(T, tbp, l.points);
  return true;
}

// Order check (equal neighbours accepted) and 50 % check of a TBP curve going to D86.
// On an unusable 50 % point every output point gets the missing-value marker.
bool tbpToD86(const double* tbp, double* d86, const D86Layout& l, SegmentLaw fromTbp) {
  double T[kD86NinePoints], D[kD86NinePoints];
  curveToFahrenheit(tbp, T, l.points);
  if (!nonDecreasing(T, 7)) return false;
  if (!(T[l.walk.midpoint] > kLowestTbpMidpointF)) {
    fillMissing(d86, l.points);
    return false;
  }
  walkSegments(l.walk, kApi3A11Segments, tbpMidpointToD86, fromTbp, T, D);
  curveToKelvin(D, d86, l.points);
  return true;
}

}  // namespace

double d86MidpointToTbp(double d86F) { return 0.8718 * std::pow(d86F, 1.0258); }
double tbpMidpointToD86(double tbpF) { return std::pow(tbpF / 0.8718, 0.9748488984207447); }

bool d86ToTbpPlain(double* tbp, const double* d86) {
  return d86ToTbp(tbp, d86, kNinePoint, plainToTbp);
}

bool tbpToD86Plain(const double* tbp, double* d86) {
  return tbpToD86(tbp, d86, kNinePoint, plainFromTbp);
}

bool d86ToTbpExtended(double* tbp, const double* d86, bool ninePoint) {
  return d86ToTbp(tbp, d86, layout(ninePoint), ToTbpDifference);
}

bool tbpToD86Extended(const double* tbp, double* d86, bool ninePoint) {
  return tbpToD86(tbp, d86, layout(ninePoint), FromTbpDifference);
}

bool d86ToTbpBySetting(double* tbp, const double* d86) {
  return d86ToTbpExtended(tbp, d86, ninePointD86());
}

bool tbpToD86BySetting(const double* tbp, double* d86) {
  return tbpToD86Extended(tbp, d86, ninePointD86());
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool API3A11_D86toTBP(double* tbp, const double* d86) {
  return qira::curveExport(qira::d86ToTbpPlain, tbp, d86);
}

QIRA_API bool API3A11_TBPtoD86(const double* tbp, double* d86) {
  return qira::curveExport(qira::tbpToD86Plain, tbp, d86);
}

QIRA_API bool API3A11_D86toTBPOption(double* tbp, const double* d86) {
  return qira::curveExport(qira::d86ToTbpBySetting, tbp, d86);
}

QIRA_API bool API3A11_TBPtoD86Option(const double* tbp, double* d86) {
  return qira::curveExport(qira::tbpToD86BySetting, tbp, d86);
}

QIRA_C_END
