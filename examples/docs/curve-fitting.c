#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  /* A cumulative curve: temperature (K) against fraction distilled. */
  const double frac[5] = {0.0, 0.1, 0.5, 0.9, 1.0};
  const double temp[5] = {300, 350, 450, 560, 640};
  const double q[4] = {0.05, 0.3, 0.7, 0.95};
  double spline[4], monotone[4], lin[4];
  if (!Simple_spline(5, frac, temp, 4, q, spline)) return 1;
  if (!Blend_spline(5, frac, temp, 4, q, monotone)) return 1;
  if (!Blend_Linear(5, frac, temp, 4, q, lin)) return 1;
  for (int i = 0; i < 4; ++i)
    printf("at %.2f: local spline %.3f, monotone %.3f, linear %.3f\n", q[i], spline[i],
           monotone[i], lin[i]);

  /* The table (1, 10), (2, 20), (4, 20) read piecewise-linearly at 0.5, 3 and 5. */
  const double x[3] = {1, 2, 4}, y[3] = {10, 20, 20}, xq[3] = {0.5, 3, 5};
  double out[3];
  Blend_Linear(3, x, y, 3, xq, out);
  printf("linear: %.1f %.1f %.1f\n", out[0], out[1], out[2]);

  /* A straight three-point table read below its start: the line itself. */
  const double lx[3] = {1, 2, 3}, ly[3] = {10, 20, 30};
  double v;
  Blend_lstsqr(lx, ly, 0.5, &v);
  printf("three-point fit at 0.5: %.1f\n", v);
  return 0;
}
