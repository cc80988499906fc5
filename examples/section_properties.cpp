// Example session: blend properties of three components by their indices, a cetane
// index, Healy octane blending, and the cubic and linear solvers.
#include <cstdio>

#include "sections.h"

namespace {

void blendThreeComponents(const QiraLibrary& lib) {
  auto cloudMix = QIRA_GET(lib, CloudPointMix1);
  auto pourMix = QIRA_GET(lib, PourPointMix1);
  auto flashMix = QIRA_GET(lib, FlashPointMix1);
  auto rvpMix = QIRA_GET(lib, RVPMix1);
  auto freezeBlend = QIRA_GET(lib, Blend_FreezePoint);
  auto viscIndex = QIRA_GET(lib, Blend_ViscosityIndex1);
  auto viscFromIndex = QIRA_GET(lib, Blend_ViscosityFromIndex1Mix);

  const double fractions[3] = {0.5, 0.3, 0.2};
  const double cloud[3] = {263.15, 258.15, 273.15};  // K
  const double pour[3] = {255.15, 250.15, 268.15};   // K
  const double flash[3] = {330.15, 345.15, 365.15};  // K
  const double rvp[3] = {2.0, 1.2, 0.8};             // kPa
  const double freeze[3] = {-40.0, -47.0, -30.0};    // C
  const double visc[3] = {2.5, 4.0, 12.0};           // cSt

  // The viscosity index is blended by hand: the host mixes the indices linearly.
  double viscIndexSum = 0;
  for (int i = 0; i < 3; ++i) viscIndexSum += fractions[i] * viscIndex(visc[i]);

  printHeading("Blend of three components by blending indices");
  std::printf("%-12s %10s %10s %10s %10s\n", "property", "comp 1", "comp 2", "comp 3", "blend");
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "fraction", fractions[0], fractions[1],
              fractions[2], fractions[0] + fractions[1] + fractions[2]);
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "cloud, C", toCelsius(cloud[0]),
              toCelsius(cloud[1]), toCelsius(cloud[2]), toCelsius(cloudMix(fractions, cloud, 3)));
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "pour, C", toCelsius(pour[0]),
              toCelsius(pour[1]), toCelsius(pour[2]), toCelsius(pourMix(fractions, pour, 3)));
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "flash, C", toCelsius(flash[0]),
              toCelsius(flash[1]), toCelsius(flash[2]), toCelsius(flashMix(fractions, flash, 3)));
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "RVP, kPa", rvp[0], rvp[1], rvp[2],
              rvpMix(fractions, rvp, 3));
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "freeze, C", freeze[0], freeze[1],
              freeze[2], freezeBlend(fractions, freeze, 3));
  std::printf("%-12s %10.2f %10.2f %10.2f %10.2f\n", "visc, cSt", visc[0], visc[1], visc[2],
              viscFromIndex(viscIndexSum));
}

void cetaneAndOctane(const QiraLibrary& lib) {
  auto cetane = QIRA_GET(lib, Blend_CetaneIndexD4737);
  auto healy = QIRA_GET(lib, Healy_RONMON);

  printHeading("Cetane index (four-variable form)");
  // A diesel cut of d15 = 0.845 g/cm3 recovering 10/50/90 % at 220, 275 and 330 C.
  std::printf("cetane index: %.2f\n", cetane(0.845, 493.15, 548.15, 603.15));

  printHeading("Octane blending (Healy)");
  const double x[3] = {0.5, 0.3, 0.2};
  const double ron[3] = {92.0, 98.0, 88.0}, mon[3] = {82.0, 88.0, 80.0};
  const double olefins[3] = {20.0, 0.0, 5.0}, aromatics[3] = {25.0, 60.0, 10.0};
  double blendRon = 0, blendMon = 0;
  healy(x, 3, ron, mon, olefins, aromatics, &blendRon, &blendMon);
  std::printf("blend RON %.2f, MON %.2f\n", blendRon, blendMon);
}

void solvers(const QiraLibrary& lib) {
  auto cubic = QIRA_GET(lib, SolveCubicEq);
  auto linear = QIRA_GET(lib, EquationSolver);

  printHeading("Cubic and linear solvers");
  const double coefficients[3] = {-6.0, 11.0, -6.0};  // (x - 1)(x - 2)(x - 3)
  double roots[3] = {0, 0, 0};
  const int kind = cubic(roots, coefficients);
  std::printf("x^3 - 6x^2 + 11x - 6: case %d, roots %.6f %.6f %.6f\n", kind, roots[0], roots[1],
              roots[2]);

  // The solver reads the first index as the column: the rows {2, 0} and {1, 1} passed
  // here stand for the system [[2, 1], [0, 1]] x = b.
  double row0[2] = {2.0, 0.0}, row1[2] = {1.0, 1.0};
  double* matrix[2] = {row0, row1};
  double b[2] = {2.0, 3.0}, x[2] = {0, 0};
  if (linear(matrix, b, x, 2))
    std::printf("[[2, 1], [0, 1]] x = {2, 3}: x = {%.3f, %.3f}\n", x[0], x[1]);
}

}  // namespace

void runProperties(const QiraLibrary& lib) {
  blendThreeComponents(lib);
  cetaneAndOctane(lib);
  solvers(lib);
}
