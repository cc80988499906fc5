#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  const double tbp[5] = {320, 380, 450, 540, 650};   /* K */
  const double frac[5] = {0.0, 0.1, 0.5, 0.9, 1.0};  /* cumulative */
  const double cuts[6] = {600, 350, 400, 450, 500, 550};
  double x[6];
  if (!Blend_GetCompFromTBP(tbp, frac, 5, cuts, x, 6)) return 1;
  double sum = 0;
  for (int i = 0; i < 6; ++i) {
    printf("NBP %.0f K: %.4f\n", cuts[i], x[i]);
    sum += x[i];
  }
  printf("sum %.6f\n", sum);

  double nbp[3] = {2, 2, 1};
  int order[3];
  Blend_SortNBP(nbp, order, 3);
  printf("sorted %.0f %.0f %.0f from positions %d %d %d\n", nbp[0], nbp[1], nbp[2], order[0],
         order[1], order[2]);

  const double want[2] = {0.3, 0.7};
  double at[2];
  if (Blend_GetTBPFromYield(tbp, frac, 5, at, want, 2))
    printf("TBP at 30 %% %.2f K, at 70 %% %.2f K\n", at[0], at[1]);
  return 0;
}
