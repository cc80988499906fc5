#include <stdio.h>
#include "QIRAPropCalculator.h"

typedef struct {
  double tb, tc, pc, vc, omega, mw, liqDen, wsrk, vchar, x;
  int hypo;
} Component;

/* NBP K, Tc K, Pc kPa, Vc m3/kmol, acentric factor, MW, liquid density kg/m3, COSTALD
 * acentric factor and volume m3/kmol, mole fraction, hypothetical. */
static const Component assay[4] = {
    {309.2, 469.7, 3370, 0.3130, 0.2520, 72.2, 631.0, 0.2522, 0.3113, 0.10, 0},
    {450.0, 637.9, 2342, 0.5766, 0.4003, 141.7, 789.2, 0.4003, 0.5930, 0.40, 1},
    {600.0, 782.0, 1504, 0.9984, 0.6552, 241.8, 868.6, 0.6552, 1.0698, 0.30, 1},
    {760.0, 924.6, 1046, 1.4589, 1.0061, 375.0, 939.8, 1.0061, 1.7094, 0.20, 1}};

int main(void) {
  const int h = CreateViscHandler();
  if (h < 1) return 1;
  SetNumbComp(h, 4);
  for (int i = 0; i < 4; ++i) {
    const Component* c = &assay[i];
    SetTc(h, i, (float)c->tc);
    SetPc(h, i, (float)c->pc);
    SetVc(h, i, (float)c->vc);
    SetOmega(h, i, (float)c->omega);
    SetMw(h, i, (float)c->mw);
    SetBoil(h, i, (float)c->tb);
    SetLiqDen(h, i, (float)c->liqDen);
    SetWsrk(h, i, (float)c->wsrk);
    SetVchar(h, i, (float)c->vchar);
    SetThetaA(h, i, 0.0f);
    SetThetaB(h, i, 0.0f);
    SetVsdata(h, i, (float)c->x);
    SetDCompBPs(h, i, c->tb);
    SetIsHypo(h, i, c->hypo);
  }
  SetNumbHypoComp(h, 3);
  const double bulkT[1] = {40.0}, bulkV[1] = {6.0}; /* cP at 40 C */
  SetMyBulkValues(h, 1, bulkT, bulkV);
  CharacterizeViscosity(h);

  const int k = GetNHypoCurves(h);
  double c0[3], c1[3], bps[3];
  double* curves[2] = {c0, c1};
  const double* temps = GetHypoTempCrvs(h);
  if (k == 2 && GetHypoViscCrvsAndBP(h, curves, bps) == 1)
    for (int o = 0; o < 3; ++o)
      printf("NBP %.1f K: %.4f cP at %.0f C, %.4f cP at %.0f C\n", bps[o], c0[o], temps[0],
             c1[o], temps[1]);
  for (int i = 0; i < 4; ++i)
    printf("component %d: %10.4f %10.4f %10.4f %10.4f cSt\n", i, GetCpvVisc38(h, i),
           GetCpvVisc50(h, i), GetCpvVisc60(h, i), GetCpvVisc100(h, i));
  printf("bulk at %.0f C: measured %.4f, calculated %.4f cP\n", GetBulkTemp(h)[0],
         GetBulkValues(h)[0], GetCalcBulkValues(h)[0]);

  DeleteViscHandler(h);
  printf("after delete: GetNumbComp = %d\n", GetNumbComp(h));
  return 0;
}
