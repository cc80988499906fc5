// True vapour pressure from Reid vapour pressure (API 5B1.1) and its inverse by Newton's
// method on the RVP, with the one-line report for the host's log.
#include <cmath>
#include <cstdio>

#include "QIRALiquidProps.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {

namespace {

constexpr double kRestartRvp = 0.1;  // psi
constexpr double kTvpTolerance = 1e-5;  // psia
constexpr int kMaxUpdates = 25;
constexpr double kExponentLimit = 230.3;

struct TvpResult {
  double tvp = 0;
  double slope = kMissing;  // dTVP/dR; kMissing when the correlation did not give one
};

// The correlation at (T rankine, R psi, S): writes the TVP and, on success, the slope;
// raises `failed` (never clears it) for a non-positive R or an exponent out of range.
void trueVapourPressure(double t, double r, double s, TvpResult& out, bool& failed) {
  if (t == 0.0 || isMissing(t) || r == 0.0 || isMissing(r)) {
    out.tvp = 0.0;
    return;
  }
  if (!(r > 0)) {
    failed = true;
    out.tvp = 0.0;
    return;
  }
  const double l = std::log(r);
  const double x = (0.13751932 * r * r + 2306.00561642 * s - 10177.7866036 +
                    1097.68947465 * l - 463.19014182 * s * l + 65.61239475 * r) / t +
                   21.36512862 - 6.7769666 * s - 0.93213944 * l + 1.42680425 * s * l -
                   0.29459386 * r +
                   (0.00477103 * s - 0.00568374 - 0.00106045 * s * l + 0.00030246 * r) * t;
  if (!(x > -kExponentLimit && x < kExponentLimit)) {
    failed = true;
    out.tvp = x;
    return;
  }
  const double e = std::exp(x);
  out.tvp = e;
  out.slope = e * (1.42680425 * s / r - 0.93213944 / r - 0.29459386 +
                   (0.00030246 - 0.00106045 * s / r) * t +
                   (1097.68947465 / r - 463.19014182 * s / r + 65.61239475 +
                    0.27503864 * r) / t);
}

enum class RvpOutcome { Converged, ZeroRvps, NegativeRvps, TvpTooLarge, NotConverged };

const char* reportFormat(RvpOutcome outcome) {
  switch (outcome) {
    case RvpOutcome::Converged:
      return "Modified API_5B1_1 method converged for Phase: %s at %d iterations.";
    case RvpOutcome::ZeroRvps:
      return "Phase: %s - API 5B1.1 Successive Zero RVPs predicted at iteration %d.";
    case RvpOutcome::NegativeRvps:
      return "Phase: %s - API 5B1.1 Successive Negative RVPs predicted at iteration %d.";
    case RvpOutcome::TvpTooLarge:
      return "Phase: %s - API 5B1.1 RVP Calculation failed since predicted TVP was too "
             "large, at iteration %d.";
    case RvpOutcome::NotConverged:
      break;
  }
  return "Phase: %s - API 5B1.1 Not Converged at %d iterations.";
}

// Newton iteration on R (in: starting guess; out: the last R) towards the target TVP.
// `updates` receives the number of updates made.
RvpOutcome solveReidVapourPressure(double target, double& r, double s, double t,
                                   int& updates) {
  bool failed = false;
  TvpResult eval;
  trueVapourPressure(t, r, s, eval, failed);
  double d = eval.tvp - target;
  updates = 0;
  if (std::fabs(d) <= kTvpTolerance) return RvpOutcome::Converged;
  while (updates < kMaxUpdates) {
    ++updates;
    const double previous = r;
    if (eval.slope == 0.0 || isMissing(eval.slope)) {
      if (r == kRestartRvp) return RvpOutcome::ZeroRvps;
      r = kRestartRvp;
    } else {
      r = r - d / eval.slope;
      if (r < 0) {
        if (previous == kRestartRvp) return RvpOutcome::NegativeRvps;
        r = kRestartRvp;
      }
    }
    eval = TvpResult{};
    trueVapourPressure(t, r, s, eval, failed);
    if (failed) return RvpOutcome::TvpTooLarge;
    d = eval.tvp - target;
    if (std::fabs(d) <= kTvpTolerance) return RvpOutcome::Converged;
  }
  return RvpOutcome::NotConverged;
}

}  // namespace

}  // namespace qira

QIRA_C_BEGIN

QIRA_API void pc_Calc_API_5B1_1TVP(double t, double r, double s, double* tvp, bool* failed,
                                   double* dTvpdR) {
  if (!tvp || !failed || !dTvpdR) return;
  qira::guardedVoid([&] {
    qira::TvpResult eval;
    bool flag = false;
    qira::trueVapourPressure(t, r, s, eval, flag);
    *tvp = eval.tvp;
    if (flag) *failed = true;
    if (!qira::isMissing(eval.slope)) *dTvpdR = eval.slope;
  });
}

QIRA_API void pc_Calc_API_5B1_1(double targetTvp, double* rvp, double s, double t,
                                char* report, const char* phase) {
  if (!rvp) return;
  qira::guardedVoid([&] {
    if (!std::isfinite(*rvp) || std::isnan(targetTvp)) {
      // Nothing to iterate from or towards: not converged, with no update made. An
      // infinite guess counts as none: at T = 0 or a target of 0 the first test would
      // otherwise take it as converged and hand it back.
      *rvp = qira::kMissing;
      if (report)
        std::snprintf(report, QIRA_RVP_REPORT_CAPACITY,
                      qira::reportFormat(qira::RvpOutcome::NotConverged), phase ? phase : "", 0);
      return;
    }
    double r = *rvp;
    int updates = 0;
    const qira::RvpOutcome outcome = qira::solveReidVapourPressure(targetTvp, r, s, t, updates);
    *rvp = outcome == qira::RvpOutcome::Converged ? r : qira::kMissing;
    if (report)
      std::snprintf(report, QIRA_RVP_REPORT_CAPACITY, qira::reportFormat(outcome),
                    phase ? phase : "", updates);
  });
}

QIRA_C_END
