// Cutting a TBP curve into the host's pseudo-components: the curve is read on the
// probability scale at each component's NBP, and each component receives the material
// boiling between the next lower NBP and its own.
#include <cmath>
#include <vector>

#include "QIRACutting.h"
#include "distillation/curve_tools.h"
#include "distillation/probability_scale.h"
#include "frame/boundary.h"

namespace qira {
namespace {

// Scores of the curve at the sorted cut temperatures; false when they cannot be read.
bool scoresAtCuts(const double* tbp, const std::vector<double>& curveScores, int n,
                  const std::vector<double>& cuts, std::vector<double>& scores) {
  const int nc = static_cast<int>(cuts.size());
  if (n < 2) return false;
  if (n == 2) {
    if (std::fabs(tbp[1] - tbp[0]) < 1e-10) return false;
    const double slope = (curveScores[1] - curveScores[0]) / (tbp[1] - tbp[0]);
    for (int i = 0; i < nc; ++i) scores[i] = curveScores[0] + slope * (cuts[i] - tbp[0]);
    return true;
  }
  return monotoneSpline(n, tbp, curveScores.data(), nc, cuts.data(), scores.data());
}

}  // namespace

bool compositionFromTbp(const double* tbp, const double* frac, int n, const double* cuts,
                        double* compFrac, int nc) {
  std::vector<double> curveScores(n > 0 ? n : 0);
  for (int k = 0; k < n; ++k)
    curveScores[k] = probability::toScore(frac[k], probability::kCutterClamping);

  std::vector<double> sortedCuts(cuts, cuts + nc);
  std::vector<int> order(nc);
  sortNbp(sortedCuts.data(), order.data(), nc);

  std::vector<double> scores(nc);
  if (!scoresAtCuts(tbp, curveScores, n, sortedCuts, scores)) return false;

  // Cumulative fraction at each cut, turned into the material since the previous cut.
  // A cut that reads below the running total holds nothing: the curve does not rise
  // between that cut and the lower one.
  std::vector<double> share(nc);
  double total = 0.0;
  for (int i = 0; i < nc; ++i) {
    const double cumulative = probability::toFraction(scores[i]);
    if (cumulative >= total) {
      share[i] = cumulative - total;
      total = cumulative;
    } else {
      share[i] = 0.0;
    }
  }
  if (total > 1e-30)
    for (double& s : share) s /= total;
  for (int i = 0; i < nc; ++i) compFrac[order[i]] = share[i];
  return true;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_GetCompFromTBP(const double* tbp, const double* frac, int n,
                                   const double* cuts, double* compFrac, int nc) {
  if (n < 2 || nc < 1 || !tbp || !frac || !cuts || !compFrac) return false;
  if (!qira::allFinite(tbp, n) || !qira::allFinite(frac, n) || !qira::allFinite(cuts, nc))
    return false;
  return qira::guarded(false, [&] {
    return qira::compositionFromTbp(tbp, frac, n, cuts, compFrac, nc);
  });
}

QIRA_C_END
