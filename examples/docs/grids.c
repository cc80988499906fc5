#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  double d86[9], d2887[8];
  D86ValidYields(d86);
  D2887ValidYields(d2887);
  printf("D86 grid:  ");
  for (int i = 0; i < D86BaseSize(); ++i) printf(" %.5f", d86[i]);
  printf("\nD2887 grid:");
  for (int i = 0; i < D2887BaseSize(); ++i) printf(" %.5f", d2887[i]);

  SetIBPValue(0.5);
  SetD86Method(0);
  double seven[9];
  D86ValidYieldsOption(seven);
  printf("\nIBP 0.5 %%, seven points (%d):", D86BaseSizeOption());
  for (int i = 0; i < D86BaseSizeOption(); ++i) printf(" %.5f", seven[i]);

  double requested[3] = {0.001, 0.5, 1.0};
  CheckIBPFBP(requested, 3);
  printf("\nclamped: %.5f %.5f %.5f\n", requested[0], requested[1], requested[2]);

  const double wanted[4] = {0.1, 0.5, 0.7, 0.9};
  printf("D1160 points for 0.1, 0.5, 0.7, 0.9: %d\n", D1160BaseSize(4, wanted));
  SetOptionsNew(1.0, 99.999, 0, 0, 1); /* back to the defaults */
  return 0;
}
