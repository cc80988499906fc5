// Blended D86, D2887 and D1160 curves. No standard curve is blended directly: the
// blend's TBP curve is built at the standard's own yield grid, those points are
// converted to the standard, and the (TBP, standard) pairs serve as a transfer table
// through which the blend's TBP temperatures at the requested yields are mapped.
#include <algorithm>
#include <vector>

#include "QIRABlends.h"
#include "distillation/blends.h"
#include "distillation/conversions.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/settings.h"

namespace qira {
namespace {

// Fixed bounds of the requested yields of the D2887 blend, whatever the settings.
constexpr double kD2887LowestYield = 1e-5;
constexpr double kD2887HighestYield = 0.99999;

// How one standard enters the shared scheme.
enum class Standard { D86, D86Option, D2887, D1160 };

struct Grid {
  std::vector<double> yields;
};

Grid standardGrid(Standard s, bool ninePoint) {
  Grid g;
  switch (s) {
    case Standard::D86:
      g.yields.resize(kD86NinePoints);
      writeD86Grid(g.yields.data(), true);
      break;
    case Standard::D86Option:
      g.yields.resize(ninePoint ? kD86NinePoints : kD86SevenPoints);
      writeD86Grid(g.yields.data(), ninePoint);
      break;
    case Standard::D2887:
      g.yields.resize(kD2887Points);
      writeD2887Grid(g.yields.data());
      break;
    case Standard::D1160:
      g.yields.resize(kD1160BasePoints);
      writeD1160Grid(g.yields.data());
      break;
  }
  return g;
}

bool convertGrid(Standard s, bool ninePoint, const double* tbp, double* out) {
  switch (s) {
    case Standard::D86: return tbpToD86Plain(tbp, out);
    case Standard::D86Option: return tbpToD86Extended(tbp, out, ninePoint);
    case Standard::D2887: tbpToD2887(tbp, out); return true;
    case Standard::D1160: return tbpToD1160(tbp, out);
  }
  return false;
}

void clampD2887Yields(double* yields, int m) {
  if (yields[0] < kD2887LowestYield) yields[0] = kD2887LowestYield;
  if (yields[m - 1] > kD2887HighestYield) yields[m - 1] = kD2887HighestYield;
}

bool hasMissing(const std::vector<double>& v) {
  for (double x : v)
    if (isMissing(x)) return true;
  return false;
}

bool blendInStandard(Standard s, const double* fractions, const double* nbp, int n,
                     double* out, double* yields, int m, bool pointMode) {
  const bool ninePoint = ninePointD86();
  Grid grid = standardGrid(s, ninePoint);
  const int g = static_cast<int>(grid.yields.size());
  std::vector<double> tg(g), sg(g, kMissing);
  // One point list serves the grid and the requested yields.
  const BlendPoints points = tbpBlendPoints(fractions, nbp, n, pointMode, kMissing, kMissing);
  if (!readBlendPoints(points, tg.data(), grid.yields.data(), g)) return false;
  if ((s == Standard::D86 || s == Standard::D86Option) && hasMissing(tg)) return false;
  if (!convertGrid(s, ninePoint, tg.data(), sg.data())) return false;

  if (s == Standard::D2887)
    clampD2887Yields(yields, m);
  else
    clampRequestedYields(yields, m);
  std::vector<double> tq(m);
  if (!readBlendPoints(points, tq.data(), yields, m)) return false;

  std::vector<double> mapped(m, kMissing);
  if (!mapThroughTransferTable(g, tg.data(), sg.data(), m, tq.data(), mapped.data()))
    return false;
  // Above 50 % the D1160 temperature is the TBP temperature.
  if (s == Standard::D1160)
    for (int j = 0; j < m; ++j)
      if (yields[j] > 0.5) mapped[j] = tq[j];
  std::copy(mapped.begin(), mapped.end(), out);
  return true;
}

bool blendOrMissing(Standard s, const double* fractions, const double* nbp, int n,
                    double* out, double* yields, int m, bool pointMode) {
  if (blendInStandard(s, fractions, nbp, n, out, yields, m, pointMode)) return true;
  fillMissing(out, m);
  return false;
}

}  // namespace

// Simple_spline, or Blend_Linear when the DistCurFit option is nonzero. A linear map
// that refuses its queries (not-a-number) fails like the spline.
bool mapThroughTransferTable(int g, const double* tg, const double* sg, int m,
                             const double* tq, double* out) {
  if (settings().distCurFitOption != 0) return linearMap(g, tg, sg, m, tq, out);
  return simpleSpline(g, tg, sg, m, tq, out);
}

bool blendD86(const double* fractions, const double* nbp, int n, double* out,
              double* yields, int m, bool pointMode) {
  return blendOrMissing(Standard::D86, fractions, nbp, n, out, yields, m, pointMode);
}
bool blendD86Option(const double* fractions, const double* nbp, int n, double* out,
                    double* yields, int m, bool pointMode) {
  return blendOrMissing(Standard::D86Option, fractions, nbp, n, out, yields, m,
                        pointMode);
}
bool blendD2887(const double* fractions, const double* nbp, int n, double* out,
                double* yields, int m) {
  return blendOrMissing(Standard::D2887, fractions, nbp, n, out, yields, m, true);
}
bool blendD1160(const double* fractions, const double* nbp, int n, double* out,
                double* yields, int m, bool pointMode) {
  return blendOrMissing(Standard::D1160, fractions, nbp, n, out, yields, m, pointMode);
}

}  // namespace qira

namespace {

// Shared shell of the four blends: invalid arguments and any thrown failure give
// -32767.0 in every output (when there is an output to write) and false.
template <typename Body>
bool blendShell(const double* fractions, const double* nbp, int n, double* out,
                double* yields, int m, Body body) {
  if (!out || !yields || m < 1) return false;
  if (!fractions || !nbp || n < 1 || !qira::allFinite(fractions, n) ||
      !qira::allFinite(nbp, n)) {
    qira::fillMissing(out, m);
    return false;
  }
  if (qira::guarded(false, body)) return true;
  qira::fillMissing(out, m);
  return false;
}

}  // namespace

QIRA_C_BEGIN

QIRA_API bool Blend_D86(const double* fractions, const double* nbp, int n, double* d86,
                        double* yields, int m, bool pointMode) {
  return blendShell(fractions, nbp, n, d86, yields, m, [&] {
    return qira::blendD86(fractions, nbp, n, d86, yields, m, pointMode);
  });
}

QIRA_API bool Blend_D86Option(const double* fractions, const double* nbp, int n,
                              double* d86, double* yields, int m, bool pointMode) {
  return blendShell(fractions, nbp, n, d86, yields, m, [&] {
    return qira::blendD86Option(fractions, nbp, n, d86, yields, m, pointMode);
  });
}

QIRA_API bool Blend_D2887(const double* fractions, const double* nbp, int n,
                          double* d2887, double* yields, int m) {
  return blendShell(fractions, nbp, n, d2887, yields, m, [&] {
    return qira::blendD2887(fractions, nbp, n, d2887, yields, m);
  });
}

QIRA_API bool Blend_D1160(const double* fractions, const double* nbp, int n,
                          double* d1160, double* yields, int m, bool pointMode) {
  return blendShell(fractions, nbp, n, d1160, yields, m, [&] {
    return qira::blendD1160(fractions, nbp, n, d1160, yields, m, pointMode);
  });
}

QIRA_C_END
