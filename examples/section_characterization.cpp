// Example session: a heptanes-plus fraction known by its MW and SG has its Watson K
// completed and is split over the host's pseudo-components by Whitson's gamma
// distribution; then a COSTALD liquid density and a Reid vapour pressure with its report.
#include <cstdio>

#include "sections.h"

void runCharacterization(const QiraLibrary& lib) {
  auto whitson = QIRA_GET(lib, Blend_Whitson);
  auto mwTwu = QIRA_GET(lib, Blend_mw_twu);
  auto xden = QIRA_GET(lib, pc_xden);
  auto satden = QIRA_GET(lib, pc_satden);
  auto rvpFromTvp = QIRA_GET(lib, pc_Calc_API_5B1_1);

  // Twelve pseudo-components from 100 C to 540 C, every 40 C.
  const int n = 12;
  double nbp[n], frac[n], mw[n], density[n];
  for (int i = 0; i < n; ++i) nbp[i] = 373.15 + 40 * i;
  double plusMw = 200, plusSg = 0.82, plusKw = QIRA_MISSING;

  printHeading("C7+ split by Whitson's gamma distribution (MW 200, SG 0.82)");
  if (!whitson(n, frac, mw, density, nbp, &plusMw, &plusSg, &plusKw, 0.0)) {
    std::printf("characterization failed\n");
    return;
  }
  std::printf("Watson K completed: %.4f\n", plusKw);
  std::printf("%8s %10s %9s %14s %12s\n", "NBP C", "mole frac", "MW", "density kg/m3",
              "Twu MW");
  for (int i = 0; i < n; ++i)
    std::printf("%8.1f %10.5f %9.2f %14.1f %12.2f\n", toCelsius(nbp[i]), frac[i], mw[i],
                density[i], mwTwu(nbp[i], density[i]));

  // n-heptane at 350 K: saturated COSTALD density and compressed to 10 MPa.
  const double tc = 540.2, pc = 2740, vstar = 0.4304, omegaSrk = 0.3507, omega = 0.3494;
  printHeading("COSTALD liquid density of n-heptane at 350 K, kmol/m3");
  std::printf("saturated %.4f, at 10 MPa %.4f\n", satden(350 / tc, vstar, omegaSrk),
              xden(350, 10000, tc, pc, vstar, omegaSrk, omega));

  // The RVP of a gasoline whose TVP at 100 F (559.67 R) is 9 psia, D86 slope 3.
  printHeading("Reid vapour pressure from TVP (API 5B1.1)");
  char report[QIRA_RVP_REPORT_CAPACITY];
  double rvp = 8.0;
  rvpFromTvp(9.0, &rvp, 3.0, 559.67, report, "Gasoline");
  std::printf("RVP %.4f psi\n%s\n", rvp, report);
}
