#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  double fractions[9] = {0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0};
  const double celsius[9] = {150, 165, 172, 190, 207, 225, 250, 262, 280};
  double temps[9];
  for (int i = 0; i < 9; ++i) temps[i] = celsius[i] + 273.15;

  double tbp[9], at[9];
  const int count = BlendD86toTBP(9, fractions, temps, tbp, at);
  for (int i = 0; i < count; ++i) printf("TBP at %7.3f %%: %6.1f C\n", 100 * at[i], tbp[i] - 273.15);

  enum { NC = 8 };
  double nbp[NC], x[NC];
  for (int i = 0; i < NC; ++i) {
    nbp[i] = 273.15 + 125 + 25 * i;
    x[i] = -1; /* stays -1 if the curve cannot be cut */
  }
  Blend_GetD86Comp(9, fractions, temps, nbp, x, NC);
  for (int i = 0; i < NC; ++i) printf("NBP %5.1f C: %6.3f %%\n", nbp[i] - 273.15, 100 * x[i]);

  double total, share[NC];
  if (Blend_NBPTempBound(273.15 + 200, 273.15 + 150, nbp, x, NC, share, &total))
    printf("boiling in (150, 200] C: %.3f %%\n", 100 * total);
  return 0;
}
