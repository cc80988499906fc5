// Batch scalar correlations: N argument tuples per call, each evaluated by the
// single-value function of the same name.
#include "QIRABatch.h"
#include "QIRACetane.h"
#include "QIRACharacterization.h"
#include "QIRACriticalProps.h"
#include "QIRAEstimates.h"
#include "QIRALiquidProps.h"
#include "QIRAOctane.h"
#include "batch/batch_loop.h"

using qira::batch::eachValue;
using qira::batch::FlaggedValue;
using D = const double*;

QIRA_C_BEGIN

// ---- MW, gravity and Watson K

QIRA_API int QiraBatch_Blend_uopk(int n, D mw, D sg, double* out) { return eachValue(n, Blend_uopk, out, mw, sg); }
QIRA_API int QiraBatch_Blend_mw(int n, D sg, D kw, double* out) { return eachValue(n, Blend_mw, out, sg, kw); }
QIRA_API int QiraBatch_Blend_sg(int n, D mw, D kw, double* out) { return eachValue(n, Blend_sg, out, mw, kw); }
QIRA_API int QiraBatch_Blend_sg_katz_firoozabadi(int n, D tb, double* out) {
  return eachValue(n, Blend_sg_katz_firoozabadi, out, tb);
}
QIRA_API int QiraBatch_Blend_mw_twu(int n, D tb, D density, double* out) {
  return eachValue(n, Blend_mw_twu, out, tb, density);
}

// ---- liquid density and vapour pressure

QIRA_API int QiraBatch_pc_ppress(int n, D tr, D omega, double* out) { return eachValue(n, pc_ppress, out, tr, omega); }

QIRA_API int QiraBatch_pc_costald(int n, D tr, double* vr0, double* vrDelta) {
  if (n < 1 || tr == nullptr || vr0 == nullptr || vrDelta == nullptr) return -1;
  return qira::guarded(-1, [&] {
    for (int i = 0; i < n; ++i) {
      vr0[i] = vrDelta[i] = qira::kMissing;
      pc_costald(tr[i], vr0 + i, vrDelta + i);
    }
    return n;
  });
}

QIRA_API int QiraBatch_pc_satden(int n, D tr, D vstar, D omegaSrk, double* out) {
  return eachValue(n, pc_satden, out, tr, vstar, omegaSrk);
}
QIRA_API int QiraBatch_pc_c1den(int n, D tr, double* out) { return eachValue(n, pc_c1den, out, tr); }
QIRA_API int QiraBatch_pc_xden(int n, D t, D p, D tc, D pc, D vstar, D omegaSrk, D omega, double* out) {
  return eachValue(n, pc_xden, out, t, p, tc, pc, vstar, omegaSrk, omega);
}

// ---- cetane, octane and estimates

QIRA_API int QiraBatch_Blend_CetaneIndexD4737(int n, D d15, D t10, D t50, D t90, double* out) {
  return eachValue(n, Blend_CetaneIndexD4737, out, d15, t10, t50, t90);
}
QIRA_API int QiraBatch_Blend_CetaneIndexD976_2(int n, D d15, D t50, double* out) {
  return eachValue(n, Blend_CetaneIndexD976_2, out, d15, t50);
}
QIRA_API int QiraBatch_MonClear(int n, D ron, D b, double* out) { return eachValue(n, MonClear, out, ron, b); }
QIRA_API int QiraBatch_Blend_EstimateCloudPt(int n, D tb, D sg, double* out) {
  return eachValue(n, FlaggedValue<double, double>::of<Blend_EstimateCloudPt>, out, tb, sg);
}
QIRA_API int QiraBatch_Blend_estimateCtoHRatio(int n, D tb, D sg, double* out) {
  return eachValue(n, FlaggedValue<double, double>::of<Blend_estimateCtoHRatio>, out, tb, sg);
}
QIRA_API int QiraBatch_Blend_estimatePourPointRiazi(int n, D nu, D sg, D mw, double* out) {
  return eachValue(n, FlaggedValue<double, double, double>::of<Blend_estimatePourPointRiazi>, out, nu, sg, mw);
}
QIRA_API int QiraBatch_EstimateRefractIdx(int n, D tb, D rho, D mw, double* out) {
  return eachValue(n, EstimateRefractIdx, out, tb, rho, mw);
}

// ---- critical properties

QIRA_API int QiraBatch_Crit_TcRiaziDaubert1980(int n, D tb, D sg, double* out) {
  return eachValue(n, QiraCrit_TcRiaziDaubert1980, out, tb, sg);
}
QIRA_API int QiraBatch_Crit_PcRiaziDaubert1980(int n, D tb, D sg, double* out) {
  return eachValue(n, QiraCrit_PcRiaziDaubert1980, out, tb, sg);
}
QIRA_API int QiraBatch_Crit_VcRiaziDaubert1980(int n, D tb, D sg, double* out) {
  return eachValue(n, QiraCrit_VcRiaziDaubert1980, out, tb, sg);
}
QIRA_API int QiraBatch_Crit_TcKeslerLee1976(int n, D tb, D sg, double* out) {
  return eachValue(n, QiraCrit_TcKeslerLee1976, out, tb, sg);
}
QIRA_API int QiraBatch_Crit_PcKeslerLee1976(int n, D tb, D sg, double* out) {
  return eachValue(n, QiraCrit_PcKeslerLee1976, out, tb, sg);
}
QIRA_API int QiraBatch_Crit_AcentricKeslerLee1976(int n, D tb, D sg, D tc, D pc, double* out) {
  return eachValue(n, QiraCrit_AcentricKeslerLee1976, out, tb, sg, tc, pc);
}
QIRA_API int QiraBatch_Crit_TcTwu1984(int n, D tb, D sg, double* out) { return eachValue(n, QiraCrit_TcTwu1984, out, tb, sg); }
QIRA_API int QiraBatch_Crit_PcTwu1984(int n, D tb, D sg, double* out) { return eachValue(n, QiraCrit_PcTwu1984, out, tb, sg); }
QIRA_API int QiraBatch_Crit_VcTwu1984(int n, D tb, D sg, double* out) { return eachValue(n, QiraCrit_VcTwu1984, out, tb, sg); }
QIRA_API int QiraBatch_Crit_CostaldVolumeHT1979(int n, D tc, D pc, D omegaSrk, double* out) {
  return eachValue(n, QiraCrit_CostaldVolumeHT1979, out, tc, pc, omegaSrk);
}
QIRA_API int QiraBatch_Crit_CostaldOmegaHT1979(int n, D tb, D tc, D pc, double* out) {
  return eachValue(n, QiraCrit_CostaldOmegaHT1979, out, tb, tc, pc);
}

QIRA_C_END
