// Example session: an assay's TBP curve read at a set of yields, then cut into about
// twenty pseudo-components, each known by its normal boiling point.
#include <cstdio>

#include "sections.h"

void runCutting(const QiraLibrary& lib) {
  auto tbpFromYield = QIRA_GET(lib, Blend_GetTBPFromYield);
  auto compFromTbp = QIRA_GET(lib, Blend_GetCompFromTBP);

  // A crude-oil TBP assay: cumulative fraction distilled against temperature (K).
  const int nPoints = 9;
  const double assayYield[nPoints] = {0.0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
  const double assayTbp[nPoints] = {300, 345, 375, 470, 560, 660, 790, 850, 960};

  // The curve read at the host's yields.
  const int nYields = 7;
  const double yields[nYields] = {0.01, 0.2, 0.4, 0.6, 0.8, 0.95, 0.99};
  double tbpAtYield[nYields];
  printHeading("TBP curve read at yields, degrees Celsius");
  if (!tbpFromYield(assayTbp, assayYield, nPoints, tbpAtYield, yields, nYields)) {
    std::printf("the curve could not be read\n");
    return;
  }
  std::printf("%9s %10s\n", "yield %", "TBP");
  for (int j = 0; j < nYields; ++j)
    std::printf("%9.1f %10.2f\n", 100 * yields[j], toCelsius(tbpAtYield[j]));

  // Twenty pseudo-components, 30 K apart, cut on the probability scale.
  const int nComp = 20;
  double nbp[nComp], fraction[nComp];
  for (int i = 0; i < nComp; ++i) nbp[i] = 330 + 30.0 * i;
  printHeading("Pseudo-components cut from the TBP curve");
  if (!compFromTbp(assayTbp, assayYield, nPoints, nbp, fraction, nComp)) {
    std::printf("the curve could not be cut\n");
    return;
  }
  double total = 0;
  std::printf("%5s %10s %10s\n", "comp", "NBP, C", "fraction");
  for (int i = 0; i < nComp; ++i) {
    std::printf("%5d %10.1f %10.5f\n", i + 1, toCelsius(nbp[i]), fraction[i]);
    total += fraction[i];
  }
  std::printf("%5s %10s %10.5f\n", "", "total", total);
}
