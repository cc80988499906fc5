#include <stdio.h>
#include "QIRAPropCalculator.h"

static double fromF(double f) { return (f - 32) / 1.8 + 273.15; }
static double toF(double k) { return (k - 273.15) * 1.8 + 32; }

int main(void) {
  const double d86F[9] = {100, 130, 150, 200, 250, 300, 370, 400, 430};
  double d86[9], tbp[9], back[9];
  for (int i = 0; i < 9; ++i) d86[i] = fromF(d86F[i]);

  if (!API3A11_D86toTBP(tbp, d86) || !API3A11_TBPtoD86(tbp, back)) return 1;
  for (int i = 0; i < 9; ++i)
    printf("D86 %6.1f F  TBP %8.3f F  D86 again %8.3f F\n", d86F[i], toF(tbp[i]), toF(back[i]));

  /* The seven-point layout: IBP, 10, 30, 50, 70, 90 %, FBP. */
  const int seven[7] = {0, 2, 3, 4, 5, 6, 8};
  double d86s[7], tbps[7];
  for (int i = 0; i < 7; ++i) d86s[i] = d86[seven[i]];
  SetD86Method(0);
  if (API3A11_D86toTBPOption(tbps, d86s))
    printf("seven-point TBP IBP %.3f F, FBP %.3f F\n", toF(tbps[0]), toF(tbps[6]));
  SetD86Method(1);

  /* Out of order: refused, nothing written. */
  double bad[9];
  for (int i = 0; i < 9; ++i) bad[i] = d86[i];
  bad[1] = bad[0];
  printf("equal first points accepted: %s\n", API3A11_D86toTBP(tbp, bad) ? "yes" : "no");
  return 0;
}
