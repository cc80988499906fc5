// Example session: the conversion settings as the host finds them, and the yield grid
// of every distillation standard under those settings.
#include <cstdio>

#include "sections.h"

namespace {

void printGrid(const char* standard, int points, const double* yields) {
  std::printf("%-18s %2d ", standard, points);
  for (int i = 0; i < points; ++i) std::printf(" %7.3f", 100 * yields[i]);
  std::printf("\n");
}

}  // namespace

void runSettingsAndGrids(const QiraLibrary& lib) {
  auto getD86Setting = QIRA_GET(lib, GetD86Setting);
  auto d86BaseSize = QIRA_GET(lib, D86BaseSize);
  auto d86BaseSizeOption = QIRA_GET(lib, D86BaseSizeOption);
  auto d2887BaseSize = QIRA_GET(lib, D2887BaseSize);
  auto d1160BaseSize = QIRA_GET(lib, D1160BaseSize);
  auto d86ValidYields = QIRA_GET(lib, D86ValidYields);
  auto d86ValidYieldsOption = QIRA_GET(lib, D86ValidYieldsOption);
  auto d2887ValidYields = QIRA_GET(lib, D2887ValidYields);
  auto d1160ValidYields = QIRA_GET(lib, D1160ValidYields);
  auto tbpValidYields = QIRA_GET(lib, TBPValidYields);
  auto checkIbpFbp = QIRA_GET(lib, CheckIBPFBP);

  printHeading("Conversion settings");
  std::printf("D86 method: %d (nonzero: nine-point D86 curves)\n", getD86Setting());

  printHeading("Yield grids with the current settings (percent distilled)");
  std::printf("%-18s %2s  %s\n", "standard", "n", "yields");
  double yields[9];
  d86ValidYields(yields);
  printGrid("D86", d86BaseSize(), yields);
  d86ValidYieldsOption(yields);
  printGrid("D86 (by method)", d86BaseSizeOption(), yields);
  d2887ValidYields(yields);
  printGrid("D2887", d2887BaseSize(), yields);
  d1160ValidYields(yields);
  printGrid("D1160 (base)", d1160BaseSize(0, nullptr), yields);
  tbpValidYields(yields);
  printGrid("TBP", 9, yields);

  // A host's requested yields, pulled inside the IBP and FBP ends.
  double requested[5] = {0.0, 0.25, 0.5, 0.75, 1.0};
  std::printf("\nRequested yields 0, 25, 50, 75, 100 %% after the end-point clamp:");
  checkIbpFbp(requested, 5);
  for (double y : requested) std::printf(" %.3f", 100 * y);
  std::printf("\nA D1160 curve for them has %d points (4 plus those from 50 %% up).\n",
              d1160BaseSize(5, requested));
}
