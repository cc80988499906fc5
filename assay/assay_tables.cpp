// The tables the assay workflow carries: the pure light ends and the refinery cut set.
#include <cstring>

#include "assay/assay_internal.h"
#include "frame/missing.h"

namespace qira {
namespace assay {
namespace {

// Pure light ends: NBP K, SG 60F/60F, MW, Tc K, Pc kPa, Vc m3/kmol, acentric factor.
// B. E. Poling, J. M. Prausnitz, J. P. O'Connell, The Properties of Gases and Liquids,
// 5th ed. (2001), appendix A; SG from GPA 2145.
constexpr LightEnd kLightEnds[] = {
    {"ethane", 184.55, 0.3562, 30.070, 305.32, 4872.0, 0.1455, 0.0995},
    {"propane", 231.02, 0.5070, 44.097, 369.83, 4248.0, 0.2000, 0.1523},
    {"isobutane", 261.34, 0.5629, 58.123, 407.85, 3640.0, 0.2627, 0.1770},
    {"n-butane", 272.66, 0.5840, 58.123, 425.12, 3796.0, 0.2550, 0.2002},
    {"isopentane", 300.99, 0.6247, 72.150, 460.39, 3381.0, 0.3060, 0.2275},
    {"n-pentane", 309.22, 0.6311, 72.150, 469.70, 3370.0, 0.3110, 0.2515},
};

// Refinery cuts by their upper TBP temperature (K); the first starts and the last ends
// with the curve. The round metric cut points of a crude unit's products as refinery
// practice quotes them (kerosene 180-240 C, atmospheric gas oils to the 370 C residue
// cut, vacuum gas oil to about 550 C); no single published table, and published ranges
// differ by some tens of degrees: light naphtha to 80 C, heavy naphtha 180 C, kerosene
// 240 C, light gas oil 320 C, heavy gas oil 370 C, vacuum gas oil 550 C, the residue
// above. This is the one copy: hosts and the Python package name the set, not the values.
constexpr RefineryCut kRefineryCuts[] = {
    {"light naphtha", 353.15}, {"heavy naphtha", 453.15}, {"kerosene", 513.15},
    {"light gas oil", 593.15}, {"heavy gas oil", 643.15}, {"vacuum gas oil", 823.15},
    {"residue", kMissing},
};

}  // namespace

int lightEndCount() { return static_cast<int>(sizeof kLightEnds / sizeof kLightEnds[0]); }

const LightEnd& lightEnd(int index) { return kLightEnds[index]; }

int lightEndIndex(const char* name) {
  for (int i = 0; i < lightEndCount(); ++i)
    if (std::strcmp(kLightEnds[i].name, name) == 0) return i;
  return -1;
}

int refineryCutCount() {
  return static_cast<int>(sizeof kRefineryCuts / sizeof kRefineryCuts[0]);
}

const RefineryCut& refineryCut(int index) { return kRefineryCuts[index]; }

}  // namespace assay
}  // namespace qira
