// Curves of a stream: the laboratory curve read as TBP, TBP temperatures at yields, the
// D86 and D2887 curves, the cuts' volume fractions by the standard's cutter, and the
// stream as components on a grid of cut temperatures.
#include <algorithm>
#include <cmath>
#include <limits>

#include "QIRAConversions.h"
#include "QIRACutting.h"
#include "QIRAGrids.h"
#include "QIRALabCurves.h"
#include "assay/assay_internal.h"
#include "frame/missing.h"

namespace qira {
namespace assay {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const char* standardName(int standard) {
  static const char* const names[] = {"D86", "D2887", "D1160", "TBP"};
  return names[standard];
}

bool anyNaN(const std::vector<double>& v) {
  for (double x : v)
    if (std::isnan(x)) return true;
  return false;
}

// Index of the first upper boundary at or above t (within 1e-9 K), or -1.
int cutHolding(double t, const std::vector<double>& uppers) {
  for (size_t k = 0; k < uppers.size(); ++k)
    if (t <= uppers[k] + 1e-9) return static_cast<int>(k);
  return -1;
}

// A blend's heavy components summed into the cuts ending at `uppers`, as fractions of the
// heavy part; components above the last upper boundary are shared out in proportion, as
// the laboratory-curve cutters do. The light ends lead the component list and keep rows
// of their own, so they are not summed into the first cut as well.
std::vector<double> regroup(const Stream& s, const std::vector<double>& uppers) {
  const Mixture& m = s.mixture;
  std::vector<double> out(uppers.size(), 0.0);
  for (size_t i = s.lightEnds.size(); i < m.nbp.size(); ++i) {
    const int k = cutHolding(m.nbp[i], uppers);
    if (k >= 0) out[k] += m.fractions[i];
  }
  double total = 0.0;
  for (double v : out) total += v;
  if (total > 0)
    for (double& v : out) v = v / total;
  return out;
}

}  // namespace

Curve readAsTbp(int standard, const Curve& lab) {
  if (standard == QIRA_ASSAY_TBP) return lab;
  const int n = static_cast<int>(lab.yields.size());
  int capacity = standard == QIRA_ASSAY_D86 ? 9 : 8;
  if (standard == QIRA_ASSAY_D1160) capacity = D1160BaseSize(n, lab.yields.data());
  std::vector<double> tbp(capacity, kNaN), at(capacity, kNaN);
  int count = 0;
  if (standard == QIRA_ASSAY_D86)
    count = BlendD86toTBP(n, lab.yields.data(), lab.temps.data(), tbp.data(), at.data());
  else if (standard == QIRA_ASSAY_D2887)
    count = BlendD2887toTBP(n, lab.yields.data(), lab.temps.data(), tbp.data(), at.data());
  else
    count = BlendD1160toTBP(n, lab.yields.data(), lab.temps.data(), tbp.data(), at.data());
  if (count < 1 || count > capacity)
    fail(QIRA_ASSAY_CALCULATION, "the %s curve could not be read at its standard's yields",
         standardName(standard));
  tbp.resize(count);
  at.resize(count);
  for (int i = 0; i < count; ++i)
    if (std::isnan(tbp[i]) || isMissing(tbp[i]))
      fail(QIRA_ASSAY_CALCULATION,
           "the %s readings could not be converted to TBP (yield %.6g gives no TBP "
           "temperature)", standardName(standard), at[i]);
  return Curve{at, tbp};
}

std::vector<double> tbpAt(const Stream& s, std::vector<double> yields) {
  std::vector<double> out(yields.size(), kNaN);
  if (!Blend_GetTBPFromYield(s.tbp.temps.data(), s.tbp.yields.data(),
                             static_cast<int>(s.tbp.temps.size()), out.data(), yields.data(),
                             static_cast<int>(yields.size())))
    fail(QIRA_ASSAY_CALCULATION, "the TBP curve could not be read at the requested yields");
  return out;
}

Curve d86Curve(const Stream& s) {
  if (s.isMixture) return s.mixture.d86;
  std::vector<double> y(9), d86(9, kNaN);
  D86ValidYields(y.data());
  const std::vector<double> tbp = tbpAt(s, y);
  if (!API3A11_TBPtoD86(tbp.data(), d86.data()))
    fail(QIRA_ASSAY_CALCULATION, "the TBP curve could not be converted to D86 by API 3A1.1");
  return Curve{y, d86};
}

Curve d2887Curve(const Stream& s) {
  if (s.isMixture) return s.mixture.d2887;
  std::vector<double> y(8), d2887(8, kNaN);
  D2887ValidYields(y.data());
  const std::vector<double> tbp = tbpAt(s, y);
  if (!API3A31_TBPtoD2887(tbp.data(), d2887.data()))
    fail(QIRA_ASSAY_CALCULATION, "the TBP curve could not be converted to D2887 by API 3A3.1");
  return Curve{y, d2887};
}

std::vector<double> cutFractions(const Stream& s, const std::vector<double>& uppers) {
  if (s.isMixture) return regroup(s, uppers);
  const int n = static_cast<int>(s.laboratory.yields.size());
  const int nc = static_cast<int>(uppers.size());
  std::vector<double> out(nc, kNaN);
  std::vector<double> yields = s.laboratory.yields;  // the cutters may clamp their copy
  const double* temps = s.laboratory.temps.data();
  switch (s.standard) {
    case QIRA_ASSAY_D86:
      Blend_GetD86Comp(n, yields.data(), temps, uppers.data(), out.data(), nc);
      break;
    case QIRA_ASSAY_D2887:
      Blend_GetD2887Comp(n, yields.data(), temps, uppers.data(), out.data(), nc);
      break;
    case QIRA_ASSAY_D1160:
      Blend_GetD1160Comp(n, yields.data(), temps, uppers.data(), out.data(), nc);
      break;
    default:
      if (!Blend_GetCompFromTBP(temps, yields.data(), n, uppers.data(), out.data(), nc))
        fail(QIRA_ASSAY_CALCULATION, "the TBP curve could not be cut");
      return out;
  }
  if (anyNaN(out))
    fail(QIRA_ASSAY_CALCULATION, "the %s curve could not be read, converted or cut",
         standardName(s.standard));
  return out;
}

std::vector<double> temperatureGrid(double lo, double hi, double step) {
  const int n = std::max(2, static_cast<int>(std::ceil((hi - lo) / step)));
  std::vector<double> grid(n);
  for (int i = 1; i <= n; ++i) grid[i - 1] = lo + (hi - lo) * i / n;
  return grid;
}

void components(const Stream& s, double step, std::vector<double>& nbp,
                std::vector<double>& fractions) {
  if (s.isMixture) {
    nbp = s.mixture.nbp;
    fractions = s.mixture.fractions;
    return;
  }
  const std::vector<double> grid =
      temperatureGrid(s.tbp.temps.front(), s.tbp.temps.back(), step);
  const double rest = 1.0 - s.lightEndTotal();
  const std::vector<double> x = cutFractions(s, grid);
  nbp.clear();
  fractions.clear();
  for (const LightEndShare& le : s.lightEnds) {
    nbp.push_back(lightEnd(le.index).nbp);
    fractions.push_back(le.fraction);
  }
  for (size_t i = 0; i < grid.size(); ++i) {
    nbp.push_back(grid[i]);
    fractions.push_back(rest * x[i]);
  }
}

}  // namespace assay
}  // namespace qira
