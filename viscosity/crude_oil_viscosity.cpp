// Crude-oil viscosity correlation: a corresponding-states model with methane as the
// reference fluid. Each component maps onto methane by a temperature factor f (carrying
// the component's two viscosity thetas) and a volume factor h; the mixture's factors come
// from mixing rules and an iteration tying h to the mixture's molar density.
#include <cmath>

#include "ViscHandler.h"

namespace {

// Reference-fluid constants, in index order: methane critical data, the first-density
// term A, B, C, F, the dense-fluid constants j1..j7, the critical mass density and the
// dilute-gas coefficients G1..G9. Entries 1, 3, 4 and 27..34 are kept for completeness
// and read by nothing.
constexpr double kReferenceConstants[35] = {
    190.555,     45.387,       0.283742,    10.23,        0.01131,     16.043,
    1.69698592,  -0.133372346, 1.4,         168.0,        -10.2391604, 174.227229,
    17.4605456,  -2847.63282,  0.133685021, 142.072397,   5002.06697,  0.1628,
    2907741.3,   -3312874.0,   1608101.8,   -433190.48,   70624.813,   -7116.6207,
    432.51744,   -14.459112,   0.20371194,  0.090569,     -0.862762,   0.316636,
    -0.46568,    0.394901,     -1.023545,   -0.932813,    -0.754639};

}  // namespace

void ViscHandler::initvisc() {
  for (int i = 0; i < 35; ++i) m_CrudeConst[i] = kReferenceConstants[i];
}

double ViscHandler::cbrt(double x) {
  const double r = std::pow(std::fabs(x), 1.0 / 3.0);
  return x < 0 ? -r : r;
}
