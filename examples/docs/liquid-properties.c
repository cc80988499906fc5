#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  /* n-hexane: Tc 507.6 K, Pc 3025 kPa, V* 0.3682 m3/kmol, omega(SRK) 0.3007. */
  printf("hexane at 300 K, 101.325 kPa: %.4f kmol/m3 (saturated %.4f)\n",
         pc_xden(300, 101.325, 507.6, 3025, 0.3682, 0.3007, 0.301),
         pc_satden(300 / 507.6, 0.3682, 0.3007));
  printf("hexane at 300 K, 20 MPa:      %.4f kmol/m3\n",
         pc_xden(300, 20000, 507.6, 3025, 0.3682, 0.3007, 0.301));

  const double x[2] = {0.4, 0.6}, tc[2] = {469.7, 507.6}, pc[2] = {3370, 3025};
  const double vs[2] = {0.3113, 0.3682}, om[2] = {0.2522, 0.3007};
  printf("pentane-hexane 40/60 at 300 K: %.4f kmol/m3\n", pc_xden2(2, 300, 500, x, tc, pc, vs, om));

  double tvp = 0, slope = 0;
  bool failed = false;
  pc_Calc_API_5B1_1TVP(559.67, 10.0, 3.0, &tvp, &failed, &slope);
  printf("TVP at 100 F of RVP 10 psi, slope 3: %.4f psia (d/dRVP %.4f)\n", tvp, slope);

  double rvp = 5.0;
  char report[QIRA_RVP_REPORT_CAPACITY];
  pc_Calc_API_5B1_1(tvp, &rvp, 3.0, 559.67, report, "Naphtha");
  printf("RVP back: %.6f psi\n%s\n", rvp, report);

  /* Dynamic viscosities (cP) of a 500 K pseudo-component at 311.15 and 373.15 K. */
  const double T[2] = {311.15, 373.15};
  double visc[2] = {2.1, 0.85};
  float a = 0, b = 0;
  if (pc_fitvisc(1, 0, 101.325, 170.0, 700.0, 1900.0, 0.68, 2, T, visc, 0.72, 0.55, &a, &b, 0.55))
    printf("thetas %.5f %.5f; visc now %.0f and %.0f micropoise\n", a, b, visc[0], visc[1]);
  return 0;
}
