// Point counts and yield grids of each distillation standard, and the end-point clamp
// of requested yields. The IBP and FBP ends come from the settings at each call.
#include "QIRAGrids.h"

#include "distillation/conversions.h"
#include "frame/boundary.h"
#include "frame/settings.h"

namespace qira {

int d86PointsBySetting() { return ninePointD86() ? kD86NinePoints : kD86SevenPoints; }

void writeD86Grid(double* yields, bool ninePoint) {
  const double ibp = ibpYield(), fbp = fbpYield();
  if (ninePoint) {
    const double grid[kD86NinePoints] = {ibp, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, fbp};
    for (int i = 0; i < kD86NinePoints; ++i) yields[i] = grid[i];
  } else {
    const double grid[kD86SevenPoints] = {ibp, 0.1, 0.3, 0.5, 0.7, 0.9, fbp};
    for (int i = 0; i < kD86SevenPoints; ++i) yields[i] = grid[i];
  }
}

void writeD2887Grid(double* yields) {
  const double grid[kD2887Points] = {0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, fbpYield()};
  for (int i = 0; i < kD2887Points; ++i) yields[i] = grid[i];
}

void writeD1160Grid(double* yields) {
  const double grid[kD1160BasePoints] = {ibpYield(), 0.1, 0.3, 0.5};
  for (int i = 0; i < kD1160BasePoints; ++i) yields[i] = grid[i];
}

void writeTbpGrid(double* yields) {
  const double grid[kTbpPoints] = {0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
  for (int i = 0; i < kTbpPoints; ++i) yields[i] = grid[i];
}

int d1160CurvePoints(int n, const double* yields) {
  int points = kD1160BasePoints;
  for (int i = 0; i < n; ++i)
    if (yields[i] > kD1160UpperYield) ++points;
  return points;
}

void clampRequestedYields(double* yields, int n) {
  const double ibp = ibpYield();
  if (ibp > yields[0]) yields[0] = ibp;
  const double fbp = fbpYield();
  if (yields[n - 1] > fbp) yields[n - 1] = fbp;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API int D86BaseSize(void) { return qira::kD86NinePoints; }

QIRA_API int D86BaseSizeOption(void) { return qira::d86PointsBySetting(); }

QIRA_API int D2887BaseSize(void) { return qira::kD2887Points; }

QIRA_API int D1160BaseSize(int n, const double* yields) {
  if (!yields || n < 1) return qira::kD1160BasePoints;
  return qira::guarded(qira::kD1160BasePoints,
                       [&] { return qira::d1160CurvePoints(n, yields); });
}

QIRA_API void D86ValidYields(double* yields) {
  if (!yields) return;
  qira::guardedVoid([&] { qira::writeD86Grid(yields, true); });
}

QIRA_API void D86ValidYieldsOption(double* yields) {
  if (!yields) return;
  qira::guardedVoid([&] { qira::writeD86Grid(yields, qira::ninePointD86()); });
}

QIRA_API void D2887ValidYields(double* yields) {
  if (!yields) return;
  qira::guardedVoid([&] { qira::writeD2887Grid(yields); });
}

QIRA_API void D1160ValidYields(double* yields) {
  if (!yields) return;
  qira::guardedVoid([&] { qira::writeD1160Grid(yields); });
}

QIRA_API void TBPValidYields(double* yields) {
  if (!yields) return;
  qira::guardedVoid([&] { qira::writeTbpGrid(yields); });
}

QIRA_API void CheckIBPFBP(double* yields, int n) {
  if (!yields || n < 1) return;
  qira::guardedVoid([&] { qira::clampRequestedYields(yields, n); });
}

QIRA_C_END
