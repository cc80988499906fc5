// What fraction of a set of pseudo-components boils within a temperature range, how the
// material inside the range divides among them, and the TBP temperatures at which given
// cumulative yields are reached.
#include <cmath>
#include <vector>

#include "QIRALabCurves.h"
#include "distillation/blends.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {
namespace {

constexpr double kSumTolerance = 1e-10;
// A bound this close above an NBP adds no cut of its own: the NBP serves as the cut.
constexpr double kSameCut = 1e-4;

// The sorted NBPs with the bounds inserted, at most one bound per gap (the lower one
// when both fall into the same gap).
std::vector<double> cutList(const std::vector<double>& b, double lower, double upper) {
  const int n = static_cast<int>(b.size());
  std::vector<double> cuts;
  cuts.reserve(n + 2);
  for (int i = 0; i + 1 < n; ++i) {
    cuts.push_back(b[i]);
    if (b[i] < lower && lower < b[i + 1] && std::fabs(lower - b[i]) > kSameCut)
      cuts.push_back(lower);
    else if (b[i] < upper && upper < b[i + 1] && std::fabs(upper - b[i]) > kSameCut)
      cuts.push_back(upper);
  }
  cuts.push_back(b[n - 1]);
  return cuts;
}

// Share of sorted entry i inside [lower, upper]: whole when its NBP lies in the range;
// a linear part when it straddles a bound from its lighter neighbour; else none.
double shareInRange(const std::vector<double>& b, int i, double fraction, double lower,
                    double upper) {
  const int n = static_cast<int>(b.size());
  const double t = b[i];
  if (lower <= t && t <= upper) return fraction;
  if (i >= 1 && t > upper && upper > b[i - 1]) {
    const double gap = b[i] - b[i - 1];
    return gap > 0 ? (upper - b[i - 1]) * fraction / gap : 0.0;
  }
  if (i <= n - 2 && t < lower && b[i + 1] > lower) {
    const double gap = b[i + 1] - b[i];
    return gap > 0 ? (b[i + 1] - lower) * fraction / gap : 0.0;
  }
  return 0.0;
}

}  // namespace

// An inverted range (a bound beyond the far end of the NBP span leaves the lower bound
// above the upper one) holds no material: total 0 and every share 0. Shares that all
// come out 0 stay 0 rather than being divided by their zero sum.
bool nbpRangeFraction(double upper, double lower, const double* nbp,
                      const double* fractions, int n, double* perComponent,
                      double* total) {
  std::vector<double> b(nbp, nbp + n);
  std::vector<int> index(n);
  sortNbp(b.data(), index.data(), n);
  std::vector<double> cum(n);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    sum += fractions[index[i]];
    cum[i] = sum;
  }
  if (std::fabs(cum[n - 1] - 1) > kSumTolerance) return false;

  if (isMissing(upper) || upper > b[n - 1]) upper = b[n - 1];
  if (isMissing(lower) || lower < b[0]) lower = b[0];

  std::vector<double> share(n, 0.0);
  double inRange = 0.0;
  if (lower <= upper) {
    const std::vector<double> cuts = cutList(b, lower, upper);
    const int nc = static_cast<int>(cuts.size());
    std::vector<double> cutFraction(nc, 0.0);  // stays 0 when the curve cannot be cut
    compositionFromTbp(b.data(), cum.data(), n, cuts.data(), cutFraction.data(), nc);
    for (int c = 0; c < nc; ++c)
      if (lower < cuts[c] && cuts[c] <= upper) inRange += cutFraction[c];
    double shareSum = 0.0;
    for (int i = 0; i < n; ++i) {
      share[i] = shareInRange(b, i, fractions[index[i]], lower, upper);
      shareSum += share[i];
    }
    if (shareSum != 0.0)
      for (double& s : share) s /= shareSum;
  }
  *total = inRange;
  if (perComponent)
    for (int i = 0; i < n; ++i) perComponent[index[i]] = share[i];
  return true;
}

void tbpCutsFromNbp(double* tbp, double* yields, int m, const double* nbp,
                    const double* fractions, int n, bool pointMode) {
  blendTbp(fractions, nbp, n, tbp, yields, m, pointMode, kMissing, kMissing);
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_NBPTempBound(double upper, double lower, const double* nbp,
                                 const double* fractions, int n, double* perComponent,
                                 double* total) {
  if (!nbp || !fractions || !total || n < 1) return false;
  if (std::isnan(upper) || std::isnan(lower)) return false;
  if (!qira::allFinite(nbp, n) || !qira::allFinite(fractions, n)) return false;
  return qira::guarded(false, [&] {
    return qira::nbpRangeFraction(upper, lower, nbp, fractions, n, perComponent, total);
  });
}

QIRA_API bool Blend_GetTBPCutsFromNBP(double* tbp, double* yields, int m,
                                      const double* nbp, const double* fractions, int n,
                                      bool pointMode) {
  if (!tbp || !yields || m < 1) return false;
  if (!nbp || !fractions || n < 1 || !qira::allFinite(nbp, n) ||
      !qira::allFinite(fractions, n)) {
    qira::fillMissing(tbp, m);
    return true;
  }
  if (!qira::guarded(false, [&] {
        qira::tbpCutsFromNbp(tbp, yields, m, nbp, fractions, n, pointMode);
        return true;
      }))
    qira::fillMissing(tbp, m);
  return true;
}

QIRA_C_END
