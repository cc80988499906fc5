// One TBP temperature at a known yield to the D86 scale. The point is placed in the
// API 3A1.1 segment that holds its yield and converted by that segment's plain inverse
// power law, measured from the segment's end nearer the 50 % point, where both curves
// are known. The two curves are in Fahrenheit; the temperature is in kelvin.
#include <cmath>

#include "QIRAConversions.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/settings.h"
#include "frame/units.h"

namespace qira {

namespace {

// Plain inverse power law of one API 3A1.1 segment: (difference / a)^(1/b).
double d86Difference(Api3A11Segment which, double tbpDifference) {
  const ConversionSegment& s = kApi3A11Segments[which];
  return std::pow(tbpDifference / s.a, 1.0 / s.b);
}

}  // namespace

double singleTbpToD86(const double* tbpF, const double* d86F, double tK, double y,
                      bool ninePoint) {
  // Array positions of the 10, 30, 50, 70 and 90 % points.
  const int p10 = ninePoint ? 2 : 1;
  const int p30 = p10 + 1, p50 = p10 + 2, p70 = p10 + 3, p90 = p10 + 4;
  const double t = kelvinToFahrenheit(tK);
  double d86;
  if (y < 0.1)
    d86 = d86F[p10] - d86Difference(kD86InitialTo10, tbpF[p10] - t);
  else if (y < 0.3)
    d86 = d86F[p30] - d86Difference(kD86_10To30, tbpF[p30] - t);
  else if (y < 0.5)
    d86 = d86F[p50] - d86Difference(kD86_30To50, tbpF[p50] - t);
  else if (y == 0.5)
    d86 = tbpMidpointToD86(tbpF[p50]);  // the curve's own 50 % point; t is not used
  else if (y < 0.7)
    d86 = d86F[p50] + d86Difference(kD86_50To70, t - tbpF[p50]);
  else if (y < 0.9)
    d86 = d86F[p70] + d86Difference(kD86_70To90, t - tbpF[p70]);
  else
    d86 = d86F[p90] + d86Difference(kD86_90ToFinal, t - tbpF[p90]);
  return fahrenheitToKelvin(d86);
}

}  // namespace qira

namespace {

// A yield that is not a number lies in no segment: no value rather than the last one.
double singlePointShell(const double* tbpF, const double* d86F, double t, double y,
                        bool ninePoint) {
  if (!tbpF || !d86F || std::isnan(y)) return qira::kMissing;
  return qira::guarded(qira::kMissing, [&] {
    return qira::singleTbpToD86(tbpF, d86F, t, y, ninePoint);
  });
}

}  // namespace

QIRA_C_BEGIN

QIRA_API double SingleTBPtoD86(const double* tbpF, const double* d86F, double t, double y) {
  return singlePointShell(tbpF, d86F, t, y, true);
}

QIRA_API double SingleTBPtoD86Option(const double* tbpF, const double* d86F, double t,
                                     double y) {
  return singlePointShell(tbpF, d86F, t, y, qira::ninePointD86());
}

QIRA_C_END
