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

// One segment's difference law: standard-curve difference <-> TBP difference (F).
using SegmentLaw = double (*)(const ConversionSegment&, double);

double plainToTbp(const ConversionSegment& s, double d) { return s.a * std::pow(d, s.b); }
double plainFromTbp(const ConversionSegment& s, double t) {
  return std::pow(t / s.a, 1.0 / s.b);
}

const ConversionSegment& seg(Api3A11Segment which) { return kApi3A11Segments[which]; }

// A TBP 50 % point at or below this (F) cannot be taken back to D86.
constexpr double kLowestTbpMidpointF = 1e-6;

// Nine points: IBP 0, 5 % 1, 10 % 2, 30 % 3, 50 % 4, 70 % 5, 90 % 6, 95 % 7, FBP 8.
bool d86ToTbpNine(double* tbp, const double* d86, SegmentLaw toTbp) {
  double D[kD86NinePoints], T[kD86NinePoints];
  curveToFahrenheit(d86, D, kD86NinePoints);
  if (!strictlyIncreasing(D, 7)) return false;  // 95 % and final point not checked
  T[4] = d86MidpointToTbp(D[4]);
  T[3] = T[4] - toTbp(seg(kD86_30To50), D[4] - D[3]);
  T[2] = T[3] - toTbp(seg(kD86_10To30), D[3] - D[2]);
  T[1] = T[2] - toTbp(seg(kD86InitialTo10), D[2] - D[1]);
  T[0] = T[2] - toTbp(seg(kD86InitialTo10), D[2] - D[0]);
  T[5] = T[4] + toTbp(seg(kD86_50To70), D[5] - D[4]);
  T[6] = T[5] + toTbp(seg(kD86_70To90), D[6] - D[5]);
  T[7] = T[6] + toTbp(seg(kD86_90ToFinal), D[7] - D[6]);
  T[8] = T[6] + toTbp(seg(kD86_90ToFinal), D[8] - D[6]);
  curveToKelvin(T, tbp, kD86NinePoints);
  return true;
}

// Seven points: IBP 0, 10 % 1, 30 % 2, 50 % 3, 70 % 4, 90 % 5, FBP 6.
bool d86ToTbpSeven(double* tbp, const double* d86) {
  double D[kD86SevenPoints], T[kD86SevenPoints];
  curveToFahrenheit(d86, D, kD86SevenPoints);
  if (!strictlyIncreasing(D, kD86SevenPoints)) return false;
  T[3] = d86MidpointToTbp(D[3]);
  T[2] = T[3] - ToTbpDifference(seg(kD86_30To50), D[3] - D[2]);
  T[1] = T[2] - ToTbpDifference(seg(kD86_10To30), D[2] - D[1]);
  T[0] = T[1] - ToTbpDifference(seg(kD86InitialTo10), D[1] - D[0]);
  T[4] = T[3] + ToTbpDifference(seg(kD86_50To70), D[4] - D[3]);
  T[5] = T[4] + ToTbpDifference(seg(kD86_70To90), D[5] - D[4]);
  T[6] = T[5] + ToTbpDifference(seg(kD86_90ToFinal), D[6] - D[5]);
  curveToKelvin(T, tbp, kD86SevenPoints);
  return true;
}

// Order check and 50 % check of a TBP curve going to D86. On an unusable 50 % point
// every one of the n output points gets the missing-value marker.
bool tbpUsableForD86(const double* T, int midpoint, double* d86, int n) {
  if (!nonDecreasing(T, 7)) return false;  // equal neighbours accepted
  if (!(T[midpoint] > kLowestTbpMidpointF)) {
    for (int i = 0; i < n; ++i) d86[i] = kMissing;
    return false;
  }
  return true;
}

bool tbpToD86Nine(const double* tbp, double* d86, SegmentLaw fromTbp) {
  double T[kD86NinePoints], D[kD86NinePoints];
  curveToFahrenheit(tbp, T, kD86NinePoints);
  if (!tbpUsableForD86(T, 4, d86, kD86NinePoints)) return false;
  D[4] = tbpMidpointToD86(T[4]);
  D[3] = D[4] - fromTbp(seg(kD86_30To50), T[4] - T[3]);
  D[2] = D[3] - fromTbp(seg(kD86_10To30), T[3] - T[2]);
  D[1] = D[2] - fromTbp(seg(kD86InitialTo10), T[2] - T[1]);
  D[0] = D[2] - fromTbp(seg(kD86InitialTo10), T[2] - T[0]);
  D[5] = D[4] + fromTbp(seg(kD86_50To70), T[5] - T[4]);
  D[6] = D[5] + fromTbp(seg(kD86_70To90), T[6] - T[5]);
  D[7] = D[6] + fromTbp(seg(kD86_90ToFinal), T[7] - T[6]);
  D[8] = D[6] + fromTbp(seg(kD86_90ToFinal), T[8] - T[6]);
  curveToKelvin(D, d86, kD86NinePoints);
  return true;
}

bool tbpToD86Seven(const double* tbp, double* d86) {
  double T[kD86SevenPoints], D[kD86SevenPoints];
  curveToFahrenheit(tbp, T, kD86SevenPoints);
  if (!tbpUsableForD86(T, 3, d86, kD86SevenPoints)) return false;
  D[3] = tbpMidpointToD86(T[3]);
  D[2] = D[3] - FromTbpDifference(seg(kD86_30To50), T[3] - T[2]);
  D[1] = D[2] - FromTbpDifference(seg(kD86_10To30), T[2] - T[1]);
  D[0] = D[1] - FromTbpDifference(seg(kD86InitialTo10), T[1] - T[0]);
  D[4] = D[3] + FromTbpDifference(seg(kD86_50To70), T[4] - T[3]);
  D[5] = D[4] + FromTbpDifference(seg(kD86_70To90), T[5] - T[4]);
  D[6] = D[5] + FromTbpDifference(seg(kD86_90ToFinal), T[6] - T[5]);
  curveToKelvin(D, d86, kD86SevenPoints);
  return true;
}

}  // namespace

double d86MidpointToTbp(double d86F) { return 0.8718 * std::pow(d86F, 1.0258); }
double tbpMidpointToD86(double tbpF) { return std::pow(tbpF / 0.8718, 0.9748488984207447); }

bool d86ToTbpPlain(double* tbp, const double* d86) {
  return d86ToTbpNine(tbp, d86, plainToTbp);
}

bool tbpToD86Plain(const double* tbp, double* d86) {
  return tbpToD86Nine(tbp, d86, plainFromTbp);
}

bool d86ToTbpExtended(double* tbp, const double* d86, bool ninePoint) {
  return ninePoint ? d86ToTbpNine(tbp, d86, ToTbpDifference) : d86ToTbpSeven(tbp, d86);
}

bool tbpToD86Extended(const double* tbp, double* d86, bool ninePoint) {
  return ninePoint ? tbpToD86Nine(tbp, d86, FromTbpDifference) : tbpToD86Seven(tbp, d86);
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
  if (!tbp || !d86) return false;
  return qira::guarded(false, [&] { return qira::d86ToTbpPlain(tbp, d86); });
}

QIRA_API bool API3A11_TBPtoD86(const double* tbp, double* d86) {
  if (!tbp || !d86) return false;
  return qira::guarded(false, [&] { return qira::tbpToD86Plain(tbp, d86); });
}

QIRA_API bool API3A11_D86toTBPOption(double* tbp, const double* d86) {
  if (!tbp || !d86) return false;
  return qira::guarded(false, [&] { return qira::d86ToTbpBySetting(tbp, d86); });
}

QIRA_API bool API3A11_TBPtoD86Option(const double* tbp, double* d86) {
  if (!tbp || !d86) return false;
  return qira::guarded(false, [&] { return qira::tbpToD86BySetting(tbp, d86); });
}

QIRA_C_END
