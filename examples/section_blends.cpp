// Example session: the typical request of a host, a laboratory D86 curve turned into the
// fractions of its pseudo-components, and two streams blended into one D86 curve.
#include <cstdio>

#include "sections.h"

namespace {

constexpr int kLabPoints = 9;
constexpr int kComponents = 16;

// Pseudo-components every 20 C from 30 C to 330 C, in kelvin.
void pseudoComponentNbps(double* nbp) {
  for (int i = 0; i < kComponents; ++i) nbp[i] = 273.15 + 30 + 20 * i;
}

}  // namespace

void runBlends(const QiraLibrary& lib) {
  auto getD86Comp = QIRA_GET(lib, Blend_GetD86Comp);
  auto blendD86 = QIRA_GET(lib, Blend_D86);
  auto d86ValidYields = QIRA_GET(lib, D86ValidYields);

  // Laboratory D86 curves of a light naphtha and a kerosene (fraction distilled, C).
  double fractions[kLabPoints] = {0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
  const double naphthaC[kLabPoints] = {35, 48, 55, 70, 85, 100, 122, 132, 145};
  const double keroseneC[kLabPoints] = {150, 165, 172, 190, 207, 225, 250, 262, 280};
  double naphtha[kLabPoints], kerosene[kLabPoints];
  for (int i = 0; i < kLabPoints; ++i) {
    naphtha[i] = naphthaC[i] + 273.15;
    kerosene[i] = keroseneC[i] + 273.15;
  }

  double nbp[kComponents], xNaphtha[kComponents] = {0}, xKerosene[kComponents] = {0};
  pseudoComponentNbps(nbp);
  getD86Comp(kLabPoints, fractions, naphtha, nbp, xNaphtha, kComponents);
  getD86Comp(kLabPoints, fractions, kerosene, nbp, xKerosene, kComponents);

  printHeading("D86 laboratory curves to pseudo-component fractions, %");
  std::printf("%10s %10s %10s\n", "NBP C", "naphtha", "kerosene");
  for (int i = 0; i < kComponents; ++i)
    std::printf("%10.1f %10.3f %10.3f\n", toCelsius(nbp[i]), 100 * xNaphtha[i],
                100 * xKerosene[i]);

  // 40 % naphtha and 60 % kerosene by volume: the blend's component fractions are the
  // weighted sums, and its D86 curve comes from the blended TBP curve.
  double xBlend[kComponents];
  for (int i = 0; i < kComponents; ++i) xBlend[i] = 0.4 * xNaphtha[i] + 0.6 * xKerosene[i];
  double yields[kLabPoints], d86[kLabPoints];
  d86ValidYields(yields);

  printHeading("Blend of 40 % naphtha and 60 % kerosene, D86 in degrees Celsius");
  if (!blendD86(xBlend, nbp, kComponents, d86, yields, kLabPoints, true)) {
    std::printf("blend failed\n");
    return;
  }
  std::printf("%9s %10s %10s %10s\n", "yield %", "naphtha", "kerosene", "blend");
  for (int i = 0; i < kLabPoints; ++i)
    std::printf("%9.3f %10.1f %10.1f %10.1f\n", 100 * yields[i], naphthaC[i], keroseneC[i],
                toCelsius(d86[i]));
  std::printf("(the laboratory curves' first and last points are their IBP and FBP)\n");
}
