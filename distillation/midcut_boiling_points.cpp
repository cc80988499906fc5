// Mid-cut boiling points: each pseudo-component's representative boiling point is the
// TBP temperature at the middle of its own share of the cumulative yield, on the curve
// through (NBP, cumulative fraction up to and including the component).
#include <vector>

#include "QIRALabCurves.h"
#include "distillation/blends.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {
namespace {

// A cumulative fraction at or below this means no material yet.
constexpr double kNoMaterial = 1e-10;

}  // namespace

bool midCutBoilingPoints(const double* fractions, const double* nbp, int n, double* out,
                         double upperBound) {
  if (n <= 0) return true;
  if (n == 1) {
    out[0] = nbp[0];
    return true;
  }
  std::vector<double> b(nbp, nbp + n);
  std::vector<int> index(n);
  sortNbp(b.data(), index.data(), n);

  // Cumulative fractions; the lightest component is read at the top of its cut, every
  // other one at the middle of its cut.
  std::vector<double> cum(n), request(n);
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    sum += fractions[index[i]];
    cum[i] = sum;
  }
  request[0] = cum[0];
  for (int i = 1; i < n; ++i) request[i] = (cum[i - 1] + cum[i]) / 2;

  if (!isMissing(upperBound) && upperBound > b[n - 1]) b[n - 1] = upperBound;

  std::vector<double> t(n);
  if (!tbpFromYield(b.data(), cum.data(), n, t.data(), request.data(), n)) {
    fillMissing(out, n);
    return false;
  }
  for (int i = 0; i < n; ++i) {
    // A leading run of empty components has no cut to read: the mean of its NBP and
    // the one below stands in.
    const bool readable = i == 0 || cum[i] > kNoMaterial;
    out[index[i]] = readable ? t[i] : 0.5 * (b[i - 1] + b[i]);
  }
  return true;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_CBP(const double* fractions, const double* nbp, int n, double* out,
                        double unused, double upperBound) {
  (void)unused;
  if (!fractions || !nbp || !out || n < 0) return false;
  auto fail = [&] {
    qira::fillMissing(out, n);
    return false;
  };
  if (!qira::allFinite(fractions, n) || !qira::allFinite(nbp, n)) return fail();
  if (qira::guarded(false, [&] {
        return qira::midCutBoilingPoints(fractions, nbp, n, out, upperBound);
      }))
    return true;
  return fail();
}

QIRA_C_END
