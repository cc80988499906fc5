// Batch blending indices: N property values to their blending indices, or N blended
// indices back to property values, each by the single-value function of the same name.
#include "QIRABatch.h"
#include "QIRAIndices.h"
#include "batch/batch_loop.h"

using qira::batch::eachValue;
using D = const double*;

QIRA_C_BEGIN

QIRA_API int QiraBatch_AnilinePointIndex1(int n, D anilinePoint, double* out) {
  return eachValue(n, AnilinePointIndex1, out, anilinePoint);
}
QIRA_API int QiraBatch_AnilinePointFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, AnilinePointFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_CloudPointIndex1(int n, D t, double* out) { return eachValue(n, CloudPointIndex1, out, t); }
QIRA_API int QiraBatch_CloudPointFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, CloudPointFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_CloudPointIndex2(int n, D t, double* out) { return eachValue(n, CloudPointIndex2, out, t); }
QIRA_API int QiraBatch_CloudPointFromIndex2Mix(int n, D index, double* out) {
  return eachValue(n, CloudPointFromIndex2Mix, out, index);
}
QIRA_API int QiraBatch_FlashPointIndex1(int n, D t, double* out) { return eachValue(n, FlashPointIndex1, out, t); }
QIRA_API int QiraBatch_FlashPointFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, FlashPointFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_FlashPointIndex2(int n, D t, double* out) { return eachValue(n, FlashPointIndex2, out, t); }
QIRA_API int QiraBatch_FlashPointFromIndex2Mix(int n, D index, double* out) {
  return eachValue(n, FlashPointFromIndex2Mix, out, index);
}
QIRA_API int QiraBatch_FlashPointIndexWickey(int n, D t, double* out) {
  return eachValue(n, FlashPointIndexWickey, out, t);
}
QIRA_API int QiraBatch_FlashPointFromIndexWickeyMix(int n, D index, double* out) {
  return eachValue(n, FlashPointFromIndexWickeyMix, out, index);
}
QIRA_API int QiraBatch_FreezePointIndex1(int n, D t, double* out) { return eachValue(n, FreezePointIndex1, out, t); }
QIRA_API int QiraBatch_FreezePointFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, FreezePointFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_PourPointIndex1(int n, D t, double* out) { return eachValue(n, PourPointIndex1, out, t); }
QIRA_API int QiraBatch_PourPointFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, PourPointFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_RVPIndex1(int n, D rvp, double* out) { return eachValue(n, RVPIndex1, out, rvp); }
QIRA_API int QiraBatch_RVPFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, RVPFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_Blend_ViscosityIndex1(int n, D nu, double* out) {
  return eachValue(n, Blend_ViscosityIndex1, out, nu);
}
QIRA_API int QiraBatch_Blend_ViscosityFromIndex1Mix(int n, D index, double* out) {
  return eachValue(n, Blend_ViscosityFromIndex1Mix, out, index);
}
QIRA_API int QiraBatch_Blend_ViscosityIndex2(int n, D nu, double* out) {
  return eachValue(n, Blend_ViscosityIndex2, out, nu);
}
QIRA_API int QiraBatch_Blend_ViscosityFromIndex2Mix(int n, D index, double* out) {
  return eachValue(n, Blend_ViscosityFromIndex2Mix, out, index);
}

QIRA_C_END
