// Bulk viscosity shifting: the hypothetical-component curves are scaled until the
// assay's calculated bulk viscosity meets the measured one at every hypo temperature,
// first with one multiplier per curve by a bracketing secant search, else with one
// multiplier shared by all curves by a damped secant search. Every trial refits the
// thetas to the trial curves and recalculates the bulk values by the handler's route.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "ViscHandler.h"
#include "frame/missing.h"
#include "viscosity/bulk_internal.h"
#include "viscosity/visc_internal.h"

using qira::kMissing;
using qira::kMissingIndex;
using namespace qira::visc;

namespace {

// A private copy of the hypo curves that the characterization steps can read as k row
// pointers of n values each (rows and values the handler lacks are missing).
class TrialCurves {
 public:
  explicit TrialCurves(const ViscHandler& h)
      : rows_(std::max(at(boundedCount(h.m_NHypoCurves)), h.m_HypoViscCrvs.size())),
        pointers_(rows_.size() + 1, nullptr) {
    const std::size_t n = at(boundedCount(h.m_NumbComp));
    for (std::size_t j = 0; j < rows_.size(); ++j) {
      const std::size_t stored = j < h.m_HypoViscCrvs.size() ? h.m_HypoViscCrvs[j].size() : 0;
      std::vector<double> row(std::max(n, stored), kMissing);
      for (std::size_t i = 0; i < stored; ++i) row[i] = h.m_HypoViscCrvs[j][i];
      rows_[j] = std::move(row);
      pointers_[j] = rows_[j].data();
    }
  }
  double** data() { return pointers_.data(); }

  // Writes every value back into the handler's hypo curves.
  void copyInto(ViscHandler& h) const {
    for (std::size_t j = 0; j < h.m_HypoViscCrvs.size(); ++j)
      for (std::size_t i = 0; i < h.m_HypoViscCrvs[j].size(); ++i)
        h.m_HypoViscCrvs[j][i] = rows_[j][i];
  }

 private:
  std::vector<std::vector<double>> rows_;
  std::vector<double*> pointers_;
};

// Number of hypo curves the handler stores values for.
int storedCurveCount(const ViscHandler& h) {
  return boundedCount(h.m_NHypoCurves, h.m_HypoViscCrvs);
}

// Recalculates the bulk values from the given curves (Refutas route; null: the handler's
// own hypo curves) or from the thetas last fitted (crude-oil correlation route); the
// result is not needed.
void recalculate(ViscHandler& h, double** curves) {
  if (h.m_UseRefutas)
    h.GenerateBulkValuesRefutas(curves);
  else
    h.GenerateBulkValuesZARIX();
}

// Applies multiplier m[j] to every trial curve j and refits the thetas to them.
void applyMultipliers(ViscHandler& h, const std::vector<double>& m, TrialCurves& trial) {
  for (int j = 0; j < static_cast<int>(m.size()); ++j) h.SetMultiplierToCurve(j, m[at(j)], trial.data());
  h.GenerateThetas(trial.data());
}

// Search state of one curve in the per-curve search.
struct CurveSearch {
  double multiplier = 1.0;
  double lower = 0.0;
  double upper = 10.0;
  double calcAtLower = 0.0;
  double calcAtUpper = 0.0;
  double error = 0.0;
};

}  // namespace

void ViscHandler::SetMultiplierToCurve(int j, double m, double** out) {
  const int n = boundedCount(m_NumbComp, m_HypoIndex);
  if (j < 0 || j >= storedCurveCount(*this) || n < 1) return;
  std::vector<double>& row = m_HypoViscCrvs[at(j)];
  double* target = out ? out[j] : row.data();
  if (target == nullptr) return;
  const int count = boundedCount(n, row);
  for (int i = 0; i < count; ++i) {
    const double v = row[at(i)];
    if (m_HypoIndex[at(i)] != kMissingIndex && v != kMissing) target[i] = m * v;
  }
}

bool ViscHandler::CheckViscosityConsistency(double** curves) {
  // Without a curve set the handler's own hypo curves are checked.
  TrialCurves own(*this);
  double** set = curves ? curves : own.data();
  const int k = boundedCount(m_NHypoCurves, m_HypoTempCrvs);
  const int n = boundedCount(m_NumbComp, m_HypoIndex);
  for (int a = 0; a < k; ++a) {
    for (int b = 0; b < k; ++b) {
      const double ta = m_HypoTempCrvs[at(a)];
      const double tb = m_HypoTempCrvs[at(b)];
      if (set[a] == nullptr || set[b] == nullptr || !(ta > tb)) continue;
      for (int i = 0; i < n; ++i)
        if (m_HypoIndex[at(i)] != kMissingIndex && set[a][i] > set[b][i]) return false;
    }
  }
  return true;
}

bool ViscHandler::ShiftBulkViscosity() {
  TrialCurves trial(*this);
  const int k = storedCurveCount(*this);
  std::vector<CurveSearch> search(at(k));
  double firstError = 1e20;
  double error = 0.0;

  for (int it = 0; it < m_MaxIter; ++it) {
    recalculate(*this, trial.data());
    const int paired = pairedBulkPoints(*this);
    error = 0.0;
    // A zero (or non-numeric) calculated value or a zero bracket gives no next
    // multiplier: the search ends with the curves of this trial.
    bool stalled = false;
    for (int j = 0; j < k; ++j) {
      if (j >= paired) continue;
      const double meas = m_BulkValues[at(j)];
      const double calc = m_CalcBulkValues[at(j)];
      if (meas == kMissing) continue;
      CurveSearch& s = search[at(j)];
      s.error = (meas - calc) / meas;
      const double previous = s.multiplier;
      if (!qira::isUsable(calc)) {
        stalled = true;
      } else if (s.lower > 0 && s.upper < 10) {
        if (s.calcAtUpper - s.calcAtLower == 0)
          stalled = true;
        else
          s.multiplier = (meas - s.calcAtLower) * (s.upper - s.lower) / (s.calcAtUpper - s.calcAtLower) + s.lower;
      } else {
        if (calc == 0)
          stalled = true;
        else
          s.multiplier = s.multiplier * meas / calc;
      }
      if (it >= 2) {
        if (calc > meas && s.upper > previous) {
          s.upper = previous;
          s.calcAtUpper = calc;
        } else if (meas > calc && previous > s.lower) {
          s.lower = previous;
          s.calcAtLower = calc;
        }
      }
      error += std::fabs(s.error);
    }
    if (k < 1) break;
    if (error < 1e-5) break;
    if (it == 0) firstError = error;
    if (stalled) break;
    std::vector<double> multipliers(at(k));
    for (int j = 0; j < k; ++j) multipliers[at(j)] = search[at(j)].multiplier;
    applyMultipliers(*this, multipliers, trial);
  }

  if (CheckViscosityConsistency(trial.data()) && firstError > error) {
    trial.copyInto(*this);
    return true;
  }
  return false;
}

bool ViscHandler::ShiftBulkViscosityOneMultiplier() {
  TrialCurves trial(*this);
  const int k = storedCurveCount(*this);
  double bestMultiplier = 1.0;
  double bestError = 1e20;
  double previousMultiplier = 1.0;
  double previousError = 0.0;
  double nextMultiplier = 1.05;
  bool trialApplied = false;

  for (int it = 0; it < m_MaxIter; ++it) {
    recalculate(*this, trial.data());
    const int paired = pairedBulkPoints(*this);
    double error = 0.0;
    bool calculated = true;
    for (int j = 0; j < k && j < paired; ++j) {
      calculated = calculated && qira::isUsable(m_CalcBulkValues[at(j)]);
      error += std::fabs(m_CalcBulkValues[at(j)] - m_BulkValues[at(j)]);
    }
    // Without every calculated value, or with an error sum that is not a number, there
    // is no secant step.
    if (!calculated || !std::isfinite(error)) break;

    if (it == 0) {
      previousMultiplier = 1.0;
      nextMultiplier = 1.001;
    } else {
      const double current = nextMultiplier;
      // An unchanged error gives no secant step.
      if (error - previousError == 0) break;
      const double g = (current - previousMultiplier) / (error - previousError);
      nextMultiplier = previousMultiplier - g * previousError;
      if (std::fabs((nextMultiplier - current) / current) * 100 > 20 || nextMultiplier < 0.2 ||
          nextMultiplier > 2.0)
        nextMultiplier = previousMultiplier - 0.1 * g * previousError;
      previousMultiplier = current;
    }

    // The multiplier that produced this error counts as a candidate before the search
    // stops, so a converged trial is the one kept.
    if (error < bestError) {
      bestError = error;
      bestMultiplier = previousMultiplier;
    }
    if (error < 0.001) break;
    if (std::fabs(nextMultiplier - previousMultiplier) < 1e-5) break;

    applyMultipliers(*this, std::vector<double>(at(k), nextMultiplier), trial);
    trialApplied = true;
    previousError = error;
  }

  for (auto& row : m_HypoViscCrvs)
    for (double& v : row)
      if (v != kMissing) v *= bestMultiplier;
  // The thetas the last trial left may belong to a rejected multiplier: fit them to the
  // curves kept, so that the thetas, the curves and the bulk values agree.
  if (trialApplied) GenerateThetas(nullptr);
  recalculate(*this, nullptr);
  return true;
}
