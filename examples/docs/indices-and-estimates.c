#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  const double x[3] = {0.5, 0.3, 0.2};
  const double cloudK[3] = {255.15, 263.15, 271.15};
  const double flashK[3] = {315.15, 335.15, 365.15};
  const double viscCst[3] = {1.8, 3.5, 12.0};
  printf("cloud point %.2f K, flash point %.2f K\n", CloudPointMix1(x, cloudK, 3),
         FlashPointMix1(x, flashK, 3));

  double index = 0;
  for (int i = 0; i < 3; ++i) index += x[i] * Blend_ViscosityIndex2(viscCst[i]);
  printf("viscosity %.4f cSt\n", Blend_ViscosityFromIndex2Mix(index));
  printf("viscosity index of 0.2 cSt: %.1f (missing)\n", Blend_ViscosityIndex2(0.2));

  printf("cetane index D4737: %.3f\n", Blend_CetaneIndexD4737(0.85, 488.15, 533.15, 583.15));
  printf("MON from RON 90: %.1f\n", MonClear(90, 0));

  const double ron[2] = {92, 98}, mon[2] = {82, 86}, ole[2] = {20, 5}, aro[2] = {25, 45};
  const double xo[2] = {0.6, 0.4};
  double blendRon, blendMon;
  Healy_RONMON(xo, 2, ron, mon, ole, aro, &blendRon, &blendMon);
  printf("Healy blend RON %.3f, MON %.3f\n", blendRon, blendMon);

  double nu100, nu210;
  Blend_TwuVisc(850.0, 600.0, &nu100, &nu210);
  printf("Twu: %.3f cSt at 100 F, %.3f cSt at 210 F\n", nu100, nu210);
  printf("refractive index %.4f\n", EstimateRefractIdx(600.0, 850.0, 250.0));
  return 0;
}
