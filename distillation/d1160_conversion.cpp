// D1160 and TBP curves of four points (initial point, 10 %, 30 %, 50 %). The curves
// coincide at 50 %; each lower point follows from the one above it through the
// difference across the segment, by a quartic without constant term in degrees
// Fahrenheit. Beyond its correlation limit a segment's difference is carried over
// unchanged: the two curves run parallel there.
#include "QIRABlends.h"
#include "distillation/blends.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"
#include "frame/units.h"

namespace qira {
namespace {

struct SegmentQuartic {
  double c1, c2, c3, c4;  // coefficients of d, d^2, d^3, d^4
  double limit;           // largest difference (F) the quartic is used for
  double operator()(double d) const {
    if (d > limit) return d;
    return c1 * d + c2 * (d * d) + c3 * (d * d * d) + c4 * (d * d * d * d);
  }
};

// TBP difference to D1160 difference: 10 %-30 % and 30 %-50 %, and initial point-10 %.
constexpr SegmentQuartic kTbpToD1160Upper{0.685678537220348, 0.0042759265677684,
                                          -2.1124117491544803e-5, 3.93440177898749e-8,
                                          180};
constexpr SegmentQuartic kTbpToD1160Initial{0.508807276, -0.00115574905155,
                                            2.7213726023896403e-5, 2.38213266038673e-8,
                                            140};
// D1160 difference to TBP difference, same segments.
constexpr SegmentQuartic kD1160ToTbpUpper{1.35673984, -0.0054126509, 2.9883895e-5,
                                          -6.007274e-8, 180};
constexpr SegmentQuartic kD1160ToTbpInitial{2.23652561, -0.0139334703, 3.6358409e-5,
                                            1.433117e-8, 140};

// Walks down from the shared 50 % point: to[3] = from[3], then each lower point by the
// difference across its segment. Curves in kelvin; false, nothing written, unless the
// four points rise strictly.
bool convertFourPoints(const double* fromK, double* toK, const SegmentQuartic& upper,
                       const SegmentQuartic& initial) {
  double f[kD1160BasePoints];
  curveToFahrenheit(fromK, f, kD1160BasePoints);
  if (!strictlyIncreasing(f, kD1160BasePoints)) return false;
  double t[kD1160BasePoints];
  t[3] = f[3];
  t[2] = t[3] - upper(f[3] - f[2]);
  t[1] = t[2] - upper(f[2] - f[1]);
  t[0] = t[1] - initial(f[1] - f[0]);
  curveToKelvin(t, toK, kD1160BasePoints);
  return true;
}

}  // namespace

bool tbpToD1160(const double* tbp, double* d1160) {
  return convertFourPoints(tbp, d1160, kTbpToD1160Upper, kTbpToD1160Initial);
}

bool d1160ToTbp(double* tbp, const double* d1160) {
  return convertFourPoints(d1160, tbp, kD1160ToTbpUpper, kD1160ToTbpInitial);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_TBPtoD1160(const double* tbp, double* d1160) {
  return qira::curveExport(qira::tbpToD1160, tbp, d1160);
}

QIRA_API bool Blend_D1160toTBP(double* tbp, const double* d1160) {
  return qira::curveExport(qira::d1160ToTbp, tbp, d1160);
}

QIRA_C_END
