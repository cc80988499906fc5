// Viscosity characterization driver: from a filled handler to hypothetical-component
// viscosity curves, their fitted thetas, the curves shifted onto the measured bulk
// viscosities, and every hypothetical component's viscosities at 38, 50, 60 and 100 C.
#include "ViscHandler.h"

bool ViscHandler::CharacterizeViscosity() {
  SortHypoBPs();
  // The single user curve's point count, read by the hypo-curve fit.
  if (m_Ncurves == 1 && !m_CurveNpts.empty()) m_SingleCurveNpts = m_CurveNpts[0];
  InitHypoCurves();
  if (!m_IsKorumProp) GenerateThetas(nullptr);
  if (m_NumbBulkPts > 0) {
    SyncronizeBulkValues();
    if (!ShiftBulkViscosity()) {
      // Back to the thetas of the unshifted curves before the common-multiplier search.
      GenerateThetas(nullptr);
      ShiftBulkViscosityOneMultiplier();
    }
  }
  if (m_UseRefutas)
    GenerateStandardViscCurvesRefutas();
  else
    GenerateStandardViscCurvesFromTheta();
  // The outcome is in the result arrays.
  return false;
}
