#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  const double mw = Blend_mw(0.8, 12.0);
  printf("MW(SG 0.8, Kw 12) = %.2f, Kw back = %.4f\n", mw, Blend_uopk(mw, 0.8));
  printf("Twu MW at 500 K, 800 kg/m3: %.2f\n", Blend_mw_twu(500.0, 800.0));

  /* A C7+ fraction of MW 215 and SG 0.84 over six pseudo-components; Kw completed. */
  const double nbp[6] = {400, 450, 500, 550, 600, 700};
  double x[6], mws[6], dens[6];
  double plusMw = 215.0, plusSg = 0.84, plusKw = QIRA_MISSING;
  if (!Blend_Whitson(6, x, mws, dens, nbp, &plusMw, &plusSg, &plusKw, 0.0)) return 1;
  printf("completed Kw %.4f\n", plusKw);
  for (int i = 0; i < 6; ++i)
    printf("NBP %.0f K: mole fraction %.4f, MW %7.2f, density %6.1f kg/m3\n", nbp[i], x[i],
           mws[i], dens[i]);
  return 0;
}
