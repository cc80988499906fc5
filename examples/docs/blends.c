#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  const double x2[2] = {0.5, 0.5}, nbp2[2] = {400, 440};
  double y2[3] = {0.25, 0.5, 1.0}, t2[3];
  Blend_TBP(x2, nbp2, 2, t2, y2, 3, true, QIRA_MISSING, QIRA_MISSING);
  printf("point mode:     %.2f %.2f %.2f K\n", t2[0], t2[1], t2[2]);
  double y2m[3] = {0.25, 0.5, 1.0};
  Blend_TBP(x2, nbp2, 2, t2, y2m, 3, false, QIRA_MISSING, QIRA_MISSING);
  printf("mid-point mode: %.2f %.2f %.2f K (last yield clamped to %.5f)\n", t2[0], t2[1],
         t2[2], y2m[2]);

  const double x[3] = {0.3, 0.4, 0.3}, nbp[3] = {420, 500, 580};
  double yields[5] = {0.0, 0.1, 0.5, 0.9, 1.0}, d86[5];
  if (!Blend_D86(x, nbp, 3, d86, yields, 5, true)) return 1;
  double yields1160[5] = {0.0, 0.1, 0.5, 0.9, 1.0}, d1160[5], tbp[5];
  double yieldsTbp[5] = {0.0, 0.1, 0.5, 0.9, 1.0};
  Blend_D1160(x, nbp, 3, d1160, yields1160, 5, true);
  Blend_TBP(x, nbp, 3, tbp, yieldsTbp, 5, true, QIRA_MISSING, QIRA_MISSING);
  for (int i = 0; i < 5; ++i)
    printf("yield %.5f: TBP %.2f  D86 %.2f  D1160 %.2f K\n", yields[i], tbp[i], d86[i],
           d1160[i]);

  /* All fractions zero: no curve, every output -32767. */
  const double none[3] = {0, 0, 0};
  double yq[2] = {0.1, 0.9}, out[2];
  const bool ok = Blend_D86(none, nbp, 3, out, yq, 2, true);
  printf("empty blend: %s, %.1f %.1f\n", ok ? "ok" : "failed", out[0], out[1]);
  return 0;
}
