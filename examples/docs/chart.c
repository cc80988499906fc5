#include <stdio.h>
#include <stdlib.h>
#include "QIRAPropCalculator.h"

int main(void) {
  /* a kerosene: D86 readings (fractions, K), TBP by API 3A1.1, two cuts at 200 C */
  double y[6] = {0.0, 0.1, 0.3, 0.5, 0.7, 0.9};
  double t[6] = {438.75, 449.85, 466.45, 479.85, 495.95, 515.95};
  double tbp[9], tbpY[9], cut[2] = {473.15, 0}, x[2] = {-1, -1}, nbp[2], mid[2];
  int m = BlendD86toTBP(6, y, t, tbp, tbpY);
  cut[1] = tbp[m - 1];
  Blend_GetD86Comp(6, y, t, cut, x, 2);
  mid[0] = x[0] / 2;
  mid[1] = x[0] + x[1] / 2;
  Blend_GetTBPFromYield(tbp, tbpY, m, nbp, mid, 2);
  double bounds[3] = {tbp[0], cut[0], cut[1]};
  const char* names[2] = {"light kerosene", "heavy kerosene"};

  QiraChart* chart = QiraChart_Create();
  QiraChart_SetText(chart, "Kerosene", "TBP from D86 by API 3A1.1; cuts by Blend_GetD86Comp.");
  QiraChart_AddCurve(chart, "laboratory D86", 6, y, t, NULL, QIRA_CHART_POINTS);
  QiraChart_AddCurve(chart, "TBP (API 3A1.1)", m, tbpY, tbp, NULL, QIRA_CHART_LINE);
  QiraChart_SetCuts(chart, 2, bounds, nbp, x, names);
  /* each cut's cSt at 38 and 100 C, e.g. from the viscosity handler */
  QiraChart_AddViscosityLine(chart, "176 C", 1.21, 0.71);
  QiraChart_AddViscosityLine(chart, "233 C", 2.05, 1.02);
  /* a refused call changes nothing and says why */
  int rc = QiraChart_AddViscosityLine(chart, "bad", 1.0, 2.0);
  char message[200];
  QiraChart_LastError(chart, message, sizeof message, NULL);
  printf("refused (%d): %s\n", rc, message);

  int needed = 0;
  QiraChart_Render(chart, NULL, 0, &needed); /* the size, terminating null included */
  char* svg = malloc((size_t)needed);
  rc = QiraChart_Render(chart, svg, needed, &needed);
  printf("rendered (%d): %.40s...\n", rc, svg);
  printf("cuts: %.1f %% and %.1f %% at NBP %.1f and %.1f C\n", 100 * x[0], 100 * x[1],
         nbp[0] - 273.15, nbp[1] - 273.15);
  free(svg);
  QiraChart_Free(chart);
  return 0;
}
