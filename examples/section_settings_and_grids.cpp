// Example session: the conversion settings as the host finds them.
#include <cstdio>

#include "sections.h"

void runSettingsAndGrids(const QiraLibrary& lib) {
  auto getD86Setting = QIRA_GET(lib, GetD86Setting);
  printHeading("Conversion settings");
  std::printf("D86 method: %d (nonzero: nine-point D86 curves)\n", getD86Setting());
}
