// Internal interface of the distillation-curve conversions and grids, for the blends,
// the cutters and the other distillation families. These functions check nothing: the
// caller passes valid arrays of the stated lengths. Curves are in kelvin unless stated.
#pragma once

#include "frame/boundary.h"
#include "frame/segment.h"
#include "frame/units.h"

namespace qira {

// The shell of the whole-curve conversions' exports: false for a null array, else the
// kernel's verdict on (a, b), false should it throw.
template <typename Kernel, typename A, typename B>
bool curveExport(Kernel kernel, A* a, B* b) {
  if (!a || !b) return false;
  return guarded(false, [&] { return kernel(a, b); });
}

// Curve sizes of each standard.
constexpr int kD86NinePoints = 9;
constexpr int kD86SevenPoints = 7;
constexpr int kD2887Points = 8;
constexpr int kD1160BasePoints = 4;
constexpr int kTbpPoints = 9;

// A requested yield above this counts as lying above the D1160 50 % point.
constexpr double kD1160UpperYield = 0.4999999;

// The API 3A1.1 segment table (D86 differences to TBP differences, F), in curve order.
enum Api3A11Segment { kD86InitialTo10, kD86_10To30, kD86_30To50, kD86_50To70, kD86_70To90,
                      kD86_90ToFinal, kApi3A11SegmentCount };
inline constexpr ConversionSegment kApi3A11Segments[kApi3A11SegmentCount] = {
    {7.4012, 0.60244, 100},  {4.9004, 0.71644, 250}, {3.0305, 0.80076, 250},
    {2.5282, 0.82002, 150},  {3.0419, 0.75497, 100}, {0.11798, 1.6606, 10000}};

// The API 3A3.1 segment table (D2887 differences to TBP differences, F), in curve order.
enum Api3A31Segment { kD2887FirstTo10, kD2887_10To30, kD2887_30To50, kD2887_50To70,
                      kD2887_70To90, kD2887_90To95, kD2887_95ToFinal, kApi3A31SegmentCount };
inline constexpr ConversionSegment kApi3A31Segments[kApi3A31SegmentCount] = {
    {0.15779, 1.4296, 40}, {0.011903, 2.0253, 75}, {0.05342, 1.6988, 75},
    {0.19861, 1.3975, 75}, {0.31531, 1.2938, 75},  {0.97476, 0.8723, 40},
    {0.02172, 1.9733, 30}};

// D86 50 % point from the TBP one and back (F): TBP50 = 0.8718 * D86_50^1.0258.
double d86MidpointToTbp(double d86F);
double tbpMidpointToD86(double tbpF);

// --- Curve helpers shared by the conversions --------------------------------------------

// Copies n points, kelvin to Fahrenheit, or Fahrenheit to kelvin.
inline void curveToFahrenheit(const double* kelvin, double* fahrenheit, int n) {
  for (int i = 0; i < n; ++i) fahrenheit[i] = kelvinToFahrenheit(kelvin[i]);
}
inline void curveToKelvin(const double* fahrenheit, double* kelvin, int n) {
  for (int i = 0; i < n; ++i) kelvin[i] = fahrenheitToKelvin(fahrenheit[i]);
}
// Order tests over the first n points; a not-a-number point fails both.
inline bool strictlyIncreasing(const double* v, int n) {
  for (int i = 1; i < n; ++i)
    if (!(v[i - 1] < v[i])) return false;
  return true;
}
inline bool nonDecreasing(const double* v, int n) {
  for (int i = 1; i < n; ++i)
    if (!(v[i - 1] <= v[i])) return false;
  return true;
}

// --- Yield grids (fractions), read from the IBP and FBP settings at each call ---------

// Points of the D86 layout that the ...Option functions use (D86 method setting).
int d86PointsBySetting();
// Writes the nine-point (or seven-point) D86 grid.
void writeD86Grid(double* yields, bool ninePoint);
void writeD2887Grid(double* yields);
void writeD1160Grid(double* yields);
void writeTbpGrid(double* yields);
// Points of a D1160 curve for n requested yields: 4 plus those above 0.4999999.
int d1160CurvePoints(int n, const double* yields);
// The end-point clamp of requested yields (n >= 1): raises the first to the IBP yield,
// lowers the last to the FBP yield; the blends and cutters apply it before they
// evaluate a curve at the yields.
void clampRequestedYields(double* yields, int n);

// --- Whole-curve conversions (kelvin in and out) ---------------------------------------

// API 3A1.1 on nine points with the plain power law. False, nothing written, on
// out-of-order points; tbpToD86 also fails, writing -32767.0 into all nine points,
// for a TBP 50 % point not above 1e-6 F.
bool d86ToTbpPlain(double* tbp, const double* d86);
bool tbpToD86Plain(const double* tbp, double* d86);
// API 3A1.1 through the segment table with the constrain-range extension, on nine or
// seven points (ninePoint), the form of the ...Option functions.
bool d86ToTbpExtended(double* tbp, const double* d86, bool ninePoint);
bool tbpToD86Extended(const double* tbp, double* d86, bool ninePoint);
// The same, with the layout chosen by the D86 method setting (read once).
bool d86ToTbpBySetting(double* tbp, const double* d86);
bool tbpToD86BySetting(const double* tbp, double* d86);

// API 3A3.1 on eight points. d2887ToTbp fails (nothing written) on out-of-order points;
// tbpToD2887 has no check and cannot fail.
bool d2887ToTbp(double* tbp, const double* d2887);
void tbpToD2887(const double* tbp, double* d2887);

// One TBP temperature tK (kelvin) at yield y to D86 (kelvin), from TBP and D86 curves
// in Fahrenheit of nine or seven points.
double singleTbpToD86(const double* tbpF, const double* d86F, double tK, double y,
                      bool ninePoint);

// Seven-point TBP to seven-point D86 by the polynomial correlations. False, nothing
// written, unless the seven TBP points increase strictly.
bool tbpToD86Polynomial(const double* tbp, double* d86);

}  // namespace qira
