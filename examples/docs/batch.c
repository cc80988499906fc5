#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  double d86[3][9] = {
      {310.93, 327.59, 338.71, 366.48, 394.26, 422.04, 460.93, 477.59, 494.26},
      {350.0, 380.0, 395.0, 430.0, 460.0, 495.0, 540.0, 560.0, 590.0},
      {350.0, 380.0, 395.0, 390.0, 460.0, 495.0, 540.0, 560.0, 590.0}};
  double tbp[3][9] = {{0.0}};
  bool ok[3];
  const int converted = QiraBatch_D86toTBP(3, &d86[0][0], &tbp[0][0], ok);
  printf("converted %d of 3\n", converted);
  for (int i = 0; i < 3; ++i) {
    double one[9] = {0.0};
    const bool single = API3A11_D86toTBP(one, d86[i]);
    printf("curve %d: ok %d, TBP 50 %% %.2f K, as one call: %s\n", i, ok[i], tbp[i][4],
           single == ok[i] && one[4] == tbp[i][4] ? "yes" : "no");
  }
  const double mw[3] = {120.0, 200.0, 350.0}, sg[3] = {0.75, 0.82, 0.90};
  double kw[3];
  QiraBatch_Blend_uopk(3, mw, sg, kw);
  printf("Watson K: %.3f %.3f %.3f\n", kw[0], kw[1], kw[2]);
  printf("no curves: %d\n", QiraBatch_D86toTBP(0, &d86[0][0], &tbp[0][0], ok));
  return 0;
}
