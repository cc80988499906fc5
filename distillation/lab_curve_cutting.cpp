// Laboratory-curve cutting: a measured D86, D2887 or D1160 curve is read at its
// standard's fixed fractions, the readings are converted to TBP, and that TBP curve is
// cut at the host's pseudo-component NBPs on the probability scale.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "QIRALabCurves.h"
#include "distillation/blends.h"
#include "distillation/conversions.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/settings.h"

namespace qira {
namespace {

// Reads the laboratory curve (fractions as abscissae) at the count standard fractions.
// The interpolator's own verdict is not used: a curve it cannot repair is still read.
// False when a reading was not produced at all (the curve cannot be read, for instance
// fewer than three points) or is not a number.
bool readLaboratoryCurve(int n, const double* fractions, const double* temps,
                         const double* at, int count, double* readings) {
  for (int i = 0; i < count; ++i) readings[i] = std::numeric_limits<double>::quiet_NaN();
  monotoneSpline(n, fractions, temps, count, at, readings);
  return allFinite(readings, count);
}

// A TBP curve the cutter may use: every entry produced and finite.
bool completeCurve(const std::vector<double>& tbp) {
  for (double t : tbp)
    if (!isUsable(t)) return false;
  return true;
}

// The two D86 readings: the nine points by the plain API 3A1.1 law, or the layout of the
// D86 method setting with the segment extension (the ...Option form).
enum class D86Reading { kPlainNinePoints, kExtendedBySetting };

int readD86Layout(int n, const double* fractions, const double* temps, double* tbp,
                  double* fractionsOut, D86Reading reading) {
  const bool extended = reading == D86Reading::kExtendedBySetting;
  const bool ninePoint = !extended || ninePointD86();
  const int count = ninePoint ? kD86NinePoints : kD86SevenPoints;
  writeD86Grid(fractionsOut, ninePoint);
  double readings[kD86NinePoints];
  if (!readLaboratoryCurve(n, fractions, temps, fractionsOut, count, readings)) {
    fillMissing(tbp, count);
    return count;
  }
  // A refused conversion writes nothing, as the conversion itself does.
  if (extended)
    d86ToTbpExtended(tbp, readings, ninePoint);
  else
    d86ToTbpPlain(tbp, readings);
  return count;
}

// The reader of one laboratory standard: writes the TBP curve and its fractions and
// returns its point count.
using Reader = int (*)(int, const double*, const double*, double*, double*);

// Room for the longest curve a reader writes: the nine D86 points, or the four D1160
// base points and every one of the n input points.
int readerCapacity(int n) { return std::max(kD86NinePoints, kD1160BasePoints + n); }

void cutThroughReader(Reader read, int n, const double* fractions, const double* temps,
                      const double* cuts, double* out, int nc) {
  std::vector<double> tbp(readerCapacity(n), kMissing), at(readerCapacity(n), kMissing);
  const int count = read(n, fractions, temps, tbp.data(), at.data());
  tbp.resize(count);
  if (!completeCurve(tbp)) return;  // the caller's output keeps its contents
  compositionFromTbp(tbp.data(), at.data(), count, cuts, out, nc);
}

}  // namespace

int readD86AsTbp(int n, const double* fractions, const double* temps, double* tbp,
                 double* fractionsOut) {
  return readD86Layout(n, fractions, temps, tbp, fractionsOut, D86Reading::kPlainNinePoints);
}

int readD86AsTbpOption(int n, const double* fractions, const double* temps, double* tbp,
                       double* fractionsOut) {
  return readD86Layout(n, fractions, temps, tbp, fractionsOut,
                       D86Reading::kExtendedBySetting);
}

int readD2887AsTbp(int n, const double* fractions, const double* temps, double* tbp,
                   double* fractionsOut) {
  writeD2887Grid(fractionsOut);
  double readings[kD2887Points];
  if (!readLaboratoryCurve(n, fractions, temps, fractionsOut, kD2887Points, readings)) {
    fillMissing(tbp, kD2887Points);
    return kD2887Points;
  }
  if (settings().d2887Option == 1)
    for (int i = 0; i < kD2887Points; ++i) tbp[i] = readings[i];
  else
    d2887ToTbp(tbp, readings);
  return kD2887Points;
}

// The four readings at IBP, 10 %, 30 % and 50 % are converted; every input point above
// 0.4999999 follows unconverted, since above 50 % D1160 and TBP coincide. Readings that
// cannot be produced or that the conversion refuses leave -32767.0 in the four
// converted entries, never unwritten ones.
int readD1160AsTbp(int n, const double* fractions, const double* temps, double* tbp,
                   double* fractionsOut) {
  writeD1160Grid(fractionsOut);
  double readings[kD1160BasePoints];
  if (!readLaboratoryCurve(n, fractions, temps, fractionsOut, kD1160BasePoints,
                           readings) ||
      !d1160ToTbp(tbp, readings))
    fillMissing(tbp, kD1160BasePoints);
  int count = kD1160BasePoints;
  for (int i = 0; i < n; ++i) {
    if (fractions[i] > kD1160UpperYield) {
      fractionsOut[count] = fractions[i];
      tbp[count] = temps[i];
      ++count;
    }
  }
  return count;
}

void cutD86Curve(int n, double* fractions, const double* temps, const double* cuts,
                 double* out, int nc) {
  cutThroughReader(readD86AsTbp, n, fractions, temps, cuts, out, nc);
}

void cutD86CurveOption(int n, double* fractions, const double* temps, const double* cuts,
                       double* out, int nc) {
  clampRequestedYields(fractions, n);
  cutThroughReader(readD86AsTbpOption, n, fractions, temps, cuts, out, nc);
}

// Any nonzero D2887 option cuts the caller's curve directly as a TBP curve.
void cutD2887Curve(int n, double* fractions, const double* temps, const double* cuts,
                   double* out, int nc) {
  clampRequestedYields(fractions, n);
  if (settings().d2887Option != 0) {
    compositionFromTbp(temps, fractions, n, cuts, out, nc);
    return;
  }
  cutThroughReader(readD2887AsTbp, n, fractions, temps, cuts, out, nc);
}

void cutD1160Curve(int n, double* fractions, const double* temps, const double* cuts,
                   double* out, int nc) {
  clampRequestedYields(fractions, n);
  cutThroughReader(readD1160AsTbp, n, fractions, temps, cuts, out, nc);
}

}  // namespace qira

namespace {

bool curveGiven(int n, const double* fractions, const double* temps) {
  return fractions && temps && n >= 1;
}

template <typename Read>
int readerShell(int n, const double* fractions, const double* temps, double* tbp,
                double* fractionsOut, Read read) {
  if (!curveGiven(n, fractions, temps) || !tbp || !fractionsOut) return 0;
  return qira::guarded(0, [&] { return read(n, fractions, temps, tbp, fractionsOut); });
}

template <typename Cut>
void driverShell(int n, double* fractions, const double* temps, const double* cuts,
                 double* out, int nc, Cut cut) {
  if (!curveGiven(n, fractions, temps) || !cuts || !out || nc < 1) return;
  if (!qira::allFinite(fractions, n) || !qira::allFinite(temps, n) ||
      !qira::allFinite(cuts, nc))
    return;
  qira::guardedVoid([&] { cut(n, fractions, temps, cuts, out, nc); });
}

}  // namespace

QIRA_C_BEGIN

QIRA_API int BlendD86toTBP(int n, const double* fractions, const double* temps,
                           double* tbp, double* fractionsOut) {
  return readerShell(n, fractions, temps, tbp, fractionsOut, qira::readD86AsTbp);
}

QIRA_API int BlendD86toTBPOption(int n, const double* fractions, const double* temps,
                                 double* tbp, double* fractionsOut) {
  return readerShell(n, fractions, temps, tbp, fractionsOut, qira::readD86AsTbpOption);
}

QIRA_API int BlendD2887toTBP(int n, const double* fractions, const double* temps,
                             double* tbp, double* fractionsOut) {
  return readerShell(n, fractions, temps, tbp, fractionsOut, qira::readD2887AsTbp);
}

QIRA_API int BlendD1160toTBP(int n, const double* fractions, const double* temps,
                             double* tbp, double* fractionsOut) {
  return readerShell(n, fractions, temps, tbp, fractionsOut, qira::readD1160AsTbp);
}

QIRA_API void Blend_GetD86Comp(int n, double* fractions, const double* temps,
                               const double* cuts, double* out, int nc) {
  driverShell(n, fractions, temps, cuts, out, nc, qira::cutD86Curve);
}

QIRA_API void Blend_GetD86CompOption(int n, double* fractions, const double* temps,
                                     const double* cuts, double* out, int nc) {
  driverShell(n, fractions, temps, cuts, out, nc, qira::cutD86CurveOption);
}

QIRA_API void Blend_GetD2887Comp(int n, double* fractions, const double* temps,
                                 const double* cuts, double* out, int nc) {
  driverShell(n, fractions, temps, cuts, out, nc, qira::cutD2887Curve);
}

QIRA_API void Blend_GetD1160Comp(int n, double* fractions, const double* temps,
                                 const double* cuts, double* out, int nc) {
  driverShell(n, fractions, temps, cuts, out, nc, qira::cutD1160Curve);
}

QIRA_C_END
