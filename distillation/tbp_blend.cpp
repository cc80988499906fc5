// The blended TBP curve of a set of components. The components are laid out along the
// yield axis in boiling-point order and turned into (cumulative yield, temperature)
// points, which are then read at the requested yields.
#include <vector>

#include "QIRABlends.h"
#include "distillation/blends.h"
#include "distillation/conversions.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {
namespace {

// A component whose accumulation fraction is at or below this carries no material.
constexpr double kEmptyFraction = 1e-10;
// A wide gap: past 95 % of the blend, a component of at least 5 % whose boiling point
// lies at least 50 K above the previous one gets an extra point half-way across.
constexpr double kWideGapYield = 0.95;
constexpr double kWideGapFraction = 0.05;
constexpr double kWideGapKelvin = 50.0;

struct SortedComponents {
  std::vector<double> nbp;       // ascending, with the end temperatures applied
  std::vector<double> fraction;  // in the same order
};

SortedComponents sortComponents(const double* fractions, const double* nbp, int n,
                                double initialT, double finalT) {
  SortedComponents s;
  s.nbp.assign(nbp, nbp + n);
  std::vector<int> index(n);
  sortNbp(s.nbp.data(), index.data(), n);
  s.fraction.resize(n);
  for (int i = 0; i < n; ++i) s.fraction[i] = fractions[index[i]];
  if (n > 0) {
    // A given initial temperature can only lower the first boiling point, a given final
    // temperature only raise the last.
    if (!isMissing(initialT) && s.nbp[0] > initialT) s.nbp[0] = initialT;
    if (!isMissing(finalT) && finalT > s.nbp[n - 1]) s.nbp[n - 1] = finalT;
  }
  return s;
}

// Point mode accumulates each component's whole fraction at its boiling point; mid-point
// mode accumulates every lighter component plus half of this one.
std::vector<double> accumulationFractions(const std::vector<double>& x, bool pointMode) {
  const int n = static_cast<int>(x.size());
  std::vector<double> w(x);
  if (!pointMode && n > 0) {
    w[0] = 0.5 * x[0];
    for (int i = 1; i < n; ++i) w[i] = 0.5 * x[i - 1] + 0.5 * x[i];
  }
  return w;
}

void append(BlendPoints& p, double yield, double temp) {
  p.yields.push_back(yield);
  p.temps.push_back(temp);
}

}  // namespace

// The point list grows with its content, so fractions that sum to far more than 1 (and
// so produce many wide-gap points) cannot overflow it.
BlendPoints tbpBlendPoints(const double* fractions, const double* nbp, int n,
                           bool pointMode, double initialT, double finalT) {
  const SortedComponents s = sortComponents(fractions, nbp, n, initialT, finalT);
  const std::vector<double>& B = s.nbp;
  const std::vector<double> w = accumulationFractions(s.fraction, pointMode);

  BlendPoints p;
  p.yields.reserve(n + 10);
  p.temps.reserve(n + 10);
  double cum = 0.0;
  int firstFilled = -1;
  for (int i = 0; i < n; ++i) {
    if (w[i] <= kEmptyFraction) continue;
    if (firstFilled < 0) firstFilled = i;
    cum = cum + w[i];
    if (i >= 1 && cum > kWideGapYield && w[i] >= kWideGapFraction &&
        B[i] - B[i - 1] >= kWideGapKelvin)
      append(p, cum - 0.5 * w[i], 0.5 * (B[i - 1] + B[i]));
    append(p, cum, B[i]);
  }

  if (pointMode) {
    // Zero anchor: the boiling point of the empty component just below the first
    // filled one marks the start of distillation.
    if (firstFilled > 0 && static_cast<int>(p.yields.size()) < n) {
      p.yields.insert(p.yields.begin(), 0.0);
      p.temps.insert(p.temps.begin(), B[firstFilled - 1]);
    }
  } else if (n > 0 && w[n - 1] > kEmptyFraction) {
    // Tail point: the curve ends half a boiling-point step above the heaviest component.
    // A single component has no step; its curve is its one point, so every yield reads
    // its boiling point.
    if (n >= 2)
      append(p, p.yields.back() + 0.5 * w[n - 1], B[n - 1] + 0.5 * (B[n - 1] - B[n - 2]));
  }
  return p;
}

bool blendTbp(const double* fractions, const double* nbp, int n, double* tbp,
              double* yields, int m, bool pointMode, double initialT, double finalT) {
  return readBlendPoints(tbpBlendPoints(fractions, nbp, n, pointMode, initialT, finalT), tbp,
                         yields, m);
}

bool readBlendPoints(const BlendPoints& p, double* tbp, double* yields, int m) {
  clampRequestedYields(yields, m);
  const int count = static_cast<int>(p.yields.size());
  if (count >= 1 &&
      tbpFromYield(p.temps.data(), p.yields.data(), count, tbp, yields, m))
    return true;
  fillMissing(tbp, m);
  return false;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_TBP(const double* fractions, const double* nbp, int n, double* tbp,
                        double* yields, int m, bool pointMode, double initialT,
                        double finalT) {
  if (!tbp || !yields || m < 1) return false;
  auto fail = [&] {
    qira::fillMissing(tbp, m);
    return false;
  };
  if (!fractions || !nbp || n < 1) return fail();
  if (!qira::allFinite(fractions, n) || !qira::allFinite(nbp, n)) return fail();
  if (qira::guarded(false, [&] {
        return qira::blendTbp(fractions, nbp, n, tbp, yields, m, pointMode, initialT,
                              finalT);
      }))
    return true;
  return fail();
}

QIRA_C_END
