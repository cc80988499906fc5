// D2887 blends on a fixed fraction basis. The caller's component fractions may be
// volume, mass or mole fractions; they are turned into mass fractions (the TBP curve
// on a mass basis, used as the D2887 curve when D2887 curves are taken as TBP) or into
// volume fractions (the D2887 blend proper) before the components are laid out.
#include <algorithm>
#include <cmath>
#include <vector>

#include "QIRABlends.h"
#include "distillation/blends.h"
#include "distillation/conversions.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/settings.h"

namespace qira {
namespace {

enum class Target { Mass, Volume };

bool knownBasis(int basis) {
  return basis == kVolumeBasis || basis == kMassBasis || basis == kMoleBasis;
}

// The arrays a conversion from `basis` to `target` reads besides the fractions.
bool needsMolarMass(int basis) { return basis == kMoleBasis; }
bool needsDensity(int basis, Target target) {
  return (basis == kVolumeBasis && target == Target::Mass) ||
         (basis != kVolumeBasis && target == Target::Volume);
}

// Converts the fractions x (basis `basis`, known) into `target` fractions. A fraction
// already on the target basis is taken unchanged; every other result is normalised to
// sum to 1. False when that sum is not a positive finite number (all fractions zero,
// zero densities): the conversion then has no meaning.
bool convertFractions(const double* x, int n, const double* molarMass,
                      const double* density, int basis, Target target,
                      std::vector<double>& out) {
  out.assign(x, x + n);
  const bool sameBasis = (basis == kMassBasis && target == Target::Mass) ||
                         (basis == kVolumeBasis && target == Target::Volume);
  if (sameBasis) return true;
  for (int i = 0; i < n; ++i) {
    if (target == Target::Mass)
      out[i] = basis == kVolumeBasis ? x[i] * density[i] : x[i] * molarMass[i];
    else
      out[i] = basis == kMassBasis ? x[i] / density[i] : x[i] * molarMass[i] / density[i];
  }
  double sum = 0.0;
  for (double v : out) sum += v;
  if (!(sum > 0.0) || !std::isfinite(sum)) return false;
  for (double& v : out) v /= sum;
  return true;
}

bool modifiedD2887(const double* x, const double* nbp, int n, double* out,
                   double* yields, int m, const double* molarMass, const double* density,
                   int fractionBasis, int curveBasis, bool pointMode) {
  if (curveBasis == 0 || curveBasis == 2) return false;
  if (settings().d2887Option == 1)
    return blendD2887FromTbp(x, nbp, n, out, yields, m, molarMass, density, fractionBasis,
                             pointMode);
  if (!knownBasis(fractionBasis)) return false;
  std::vector<double> volume;
  if (!convertFractions(x, n, molarMass, density, fractionBasis, Target::Volume, volume))
    return false;

  double grid[kD2887Points];
  writeD2887Grid(grid);
  double tg[kD2887Points], sg[kD2887Points];
  if (!blendTbp(volume.data(), nbp, n, tg, grid, kD2887Points, pointMode, kMissing,
                kMissing))
    return false;
  tbpToD2887(tg, sg);

  clampRequestedYields(yields, m);
  std::vector<double> tq(m), mapped(m, kMissing);
  if (!blendTbp(volume.data(), nbp, n, tq.data(), yields, m, pointMode, kMissing, kMissing))
    return false;
  if (!mapThroughTransferTable(kD2887Points, tg, sg, m, tq.data(), mapped.data()))
    return false;
  std::copy(mapped.begin(), mapped.end(), out);
  return true;
}

}  // namespace

// An unknown fraction basis returns false with nothing written; every other failure
// leaves -32767.0 in the outputs.
bool blendD2887FromTbp(const double* x, const double* nbp, int n, double* out,
                       double* yields, int m, const double* molarMass,
                       const double* density, int fractionBasis, bool pointMode) {
  if (!knownBasis(fractionBasis)) return false;
  std::vector<double> mass;
  if (!convertFractions(x, n, molarMass, density, fractionBasis, Target::Mass, mass)) {
    fillMissing(out, m);
    return false;
  }
  return blendTbp(mass.data(), nbp, n, out, yields, m, pointMode, kMissing, kMissing);
}

bool blendModifiedD2887(const double* x, const double* nbp, int n, double* out,
                        double* yields, int m, const double* molarMass,
                        const double* density, int fractionBasis, int curveBasis,
                        bool pointMode) {
  if (modifiedD2887(x, nbp, n, out, yields, m, molarMass, density, fractionBasis,
                    curveBasis, pointMode))
    return true;
  fillMissing(out, m);
  return false;
}

namespace {
// True when every array the conversion from fractionBasis to target reads is given.
bool basisArraysGiven(const double* molarMass, const double* density, int fractionBasis,
                      bool toMass) {
  const Target target = toMass ? Target::Mass : Target::Volume;
  if (needsMolarMass(fractionBasis) && !molarMass) return false;
  if (needsDensity(fractionBasis, target) && !density) return false;
  return true;
}
}  // namespace

}  // namespace qira

namespace {

// Component arrays usable: non-null where read, finite, and n >= 1.
bool componentsUsable(const double* x, const double* nbp, int n, const double* molarMass,
                      const double* density, int fractionBasis, bool toMass) {
  if (!x || !nbp || n < 1) return false;
  if (!qira::basisArraysGiven(molarMass, density, fractionBasis, toMass)) return false;
  return qira::allFinite(x, n) && qira::allFinite(nbp, n);
}

}  // namespace

QIRA_C_BEGIN

QIRA_API bool Blend_D2887fromTBP(const double* x, const double* nbp, int n, double* out,
                                 double* yields, int m, const double* molarMass,
                                 const double* density, int fractionBasis, int curveBasis,
                                 bool pointMode) {
  (void)curveBasis;  // not read: the result is always on a mass basis
  if (!out || !yields || m < 1) return false;
  if (!qira::knownBasis(fractionBasis)) return false;
  if (!componentsUsable(x, nbp, n, molarMass, density, fractionBasis, true)) {
    qira::fillMissing(out, m);
    return false;
  }
  if (qira::guarded(false, [&] {
        return qira::blendD2887FromTbp(x, nbp, n, out, yields, m, molarMass, density,
                                       fractionBasis, pointMode);
      }))
    return true;
  qira::fillMissing(out, m);
  return false;
}

QIRA_API bool Blend_ModifiedD2887(const double* x, const double* nbp, int n, double* out,
                                  double* yields, int m, const double* molarMass,
                                  const double* density, int fractionBasis,
                                  int curveBasis, bool pointMode) {
  if (!out || m < 1) return false;
  const bool viaMass = qira::settings().d2887Option == 1;
  if (curveBasis == 0 || curveBasis == 2 || !yields || !qira::knownBasis(fractionBasis) ||
      !componentsUsable(x, nbp, n, molarMass, density, fractionBasis, viaMass)) {
    qira::fillMissing(out, m);
    return false;
  }
  if (qira::guarded(false, [&] {
        return qira::blendModifiedD2887(x, nbp, n, out, yields, m, molarMass, density,
                                        fractionBasis, curveBasis, pointMode);
      }))
    return true;
  qira::fillMissing(out, m);
  return false;
}

QIRA_C_END
