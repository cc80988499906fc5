#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  const double tb = 658.0 / 1.8, sg = 0.7365; /* 198 F fraction, SG 0.7365 */
  const double tc = QiraCrit_TcKeslerLee1976(tb, sg), pc = QiraCrit_PcKeslerLee1976(tb, sg);
  const double omega = QiraCrit_AcentricKeslerLee1976(tb, sg, tc, pc);
  const double omegaSrk = QiraCrit_CostaldOmegaHT1979(tb, tc, pc);
  printf("Riazi-Daubert: Tc %.2f K  Pc %.1f kPa  Vc %.4f m3/kmol\n",
         QiraCrit_TcRiaziDaubert1980(tb, sg), QiraCrit_PcRiaziDaubert1980(tb, sg),
         QiraCrit_VcRiaziDaubert1980(tb, sg));
  printf("Twu:           Tc %.2f K  Pc %.1f kPa  Vc %.4f m3/kmol\n", QiraCrit_TcTwu1984(tb, sg),
         QiraCrit_PcTwu1984(tb, sg), QiraCrit_VcTwu1984(tb, sg));
  printf("Kesler-Lee:    Tc %.2f K  Pc %.1f kPa  omega %.4f\n", tc, pc, omega);
  printf("COSTALD:       omegaSRK %.4f  V* %.4f m3/kmol\n", omegaSrk,
         QiraCrit_CostaldVolumeHT1979(tc, pc, omegaSrk));
  printf("bad input:     %.1f\n", QiraCrit_TcTwu1984(-1.0, sg));
  return 0;
}
