// Internal helpers of the bulk viscosity calculation and the bulk shifting, shared by
// their source files and the tests.
#pragma once

#include <vector>

#include "ViscHandler.h"

namespace qira {
namespace visc {

// Kinematic viscosity (cSt) of the mixture x at t (C) and the characterization pressure
// by the crude-oil correlation: x is written into the evaluation records first.
double assayKinematicViscosity(ViscHandler& h, double t, std::vector<double>& x);

// Number of hypo curves j whose bulk point j has both a measured and a calculated value
// slot: the points the shifting loops compare.
int pairedBulkPoints(const ViscHandler& h);

}  // namespace visc
}  // namespace qira
