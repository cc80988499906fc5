// Example session: a laboratory D86 curve converted to the true boiling point curve and
// back, and a simulated-distillation D2887 curve converted to TBP.
#include <cstdio>

#include "sections.h"

void runConversions(const QiraLibrary& lib) {
  auto d86ToTbp = QIRA_GET(lib, API3A11_D86toTBP);
  auto tbpToD86 = QIRA_GET(lib, API3A11_TBPtoD86);
  auto d2887ToTbp = QIRA_GET(lib, API3A31_D2887toTBP);
  auto d86ValidYields = QIRA_GET(lib, D86ValidYields);
  auto d2887ValidYields = QIRA_GET(lib, D2887ValidYields);

  // A kerosene-range D86 curve, measured in Fahrenheit, exchanged in kelvin.
  const double d86F[9] = {100, 130, 150, 200, 250, 300, 370, 400, 430};
  double d86[9], tbp[9], back[9], yields[9];
  for (int i = 0; i < 9; ++i) d86[i] = fromFahrenheit(d86F[i]);
  d86ValidYields(yields);

  printHeading("D86 to TBP and back (API 3A1.1), degrees Celsius");
  if (!d86ToTbp(tbp, d86) || !tbpToD86(tbp, back)) {
    std::printf("conversion failed\n");
    return;
  }
  std::printf("%9s %10s %10s %12s\n", "yield %", "D86", "TBP", "D86 again");
  for (int i = 0; i < 9; ++i)
    std::printf("%9.3f %10.2f %10.2f %12.2f\n", 100 * yields[i], toCelsius(d86[i]),
                toCelsius(tbp[i]), toCelsius(back[i]));

  // A gas-oil simulated distillation (D2887), in Fahrenheit.
  const double d2887F[8] = {100, 130, 200, 260, 320, 400, 430, 480};
  double d2887[8], tbp8[8], yields8[8];
  for (int i = 0; i < 8; ++i) d2887[i] = fromFahrenheit(d2887F[i]);
  d2887ValidYields(yields8);

  printHeading("D2887 to TBP (API 3A3.1), degrees Celsius");
  if (!d2887ToTbp(tbp8, d2887)) {
    std::printf("conversion failed\n");
    return;
  }
  std::printf("%9s %10s %10s\n", "yield %", "D2887", "TBP");
  for (int i = 0; i < 8; ++i)
    std::printf("%9.3f %10.2f %10.2f\n", 100 * yields8[i], toCelsius(d2887[i]),
                toCelsius(tbp8[i]));
}
