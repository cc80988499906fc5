#include <stdio.h>
#include "QIRAPropCalculator.h"

/* Stops on a failed call, printing the object's message. */
static int ok(QiraAssay* a, int status, const char* call) {
  char text[512];
  if (status == QIRA_ASSAY_OK) return 1;
  QiraAssay_LastError(a, text, sizeof text, NULL);
  printf("%s: status %d: %s\n", call, status, text);
  return 0;
}

static void print_column(QiraAssay* a, const char* label, int column) {
  double v[64];
  int n = 0, i;
  QiraAssay_Column(a, column, 64, v, &n);
  printf("%-8s", label);
  for (i = 0; i < n; ++i) printf(" %.12g", v[i]);
  printf("\n");
}

static void print_curve(QiraAssay* a, const char* label, int standard) {
  double y[16], t[16];
  int n = 0, i;
  QiraAssay_Curve(a, standard, 16, y, t, &n);
  printf("%-8s", label);
  for (i = 0; i < n; ++i) printf(" %.12g", t[i]);
  printf("\n");
}

int main(void) {
  /* Straight-run diesel: D86 in percent and degrees C, read as fractions and kelvin. */
  const double d86_pct[] = {0, 5, 10, 30, 50, 70, 90, 95, 100};
  const double d86_c[] = {180, 200, 212, 245, 270, 295, 330, 345, 360};
  /* Heavy gas oil: D2887. */
  const double sd_pct[] = {0.5, 5, 10, 30, 50, 70, 90, 95, 99.5};
  const double sd_c[] = {150, 190, 210, 260, 300, 340, 390, 410, 450};
  double y[9], t[9], y2[9], t2[9], value, sg;
  const double visc_t[] = {40 + 273.15, 100 + 273.15}, diesel_cst[] = {3.0, 1.2},
               gasoil_cst[] = {5.5, 1.8};
  const double shares[] = {0.3, 0.7};
  char notes[1024];
  int i;
  QiraAssay* diesel = QiraAssay_Create();
  QiraAssay* gasoil = QiraAssay_Create();
  QiraAssay* mix = QiraAssay_Create();
  const QiraAssay* streams[2];
  for (i = 0; i < 9; ++i) {
    y[i] = d86_pct[i] / 100.0, t[i] = d86_c[i] + 273.15;
    y2[i] = sd_pct[i] / 100.0, t2[i] = sd_c[i] + 273.15;
  }
  if (!ok(diesel, QiraAssay_SetCurve(diesel, QIRA_ASSAY_D86, 9, y, t), "SetCurve") ||
      !ok(diesel, QiraAssay_SetGravity(diesel, QIRA_ASSAY_SG, 0.845), "SetGravity") ||
      !ok(diesel, QiraAssay_SetViscosities(diesel, 2, visc_t, diesel_cst), "SetViscosities") ||
      !ok(diesel, QiraAssay_SetProperty(diesel, QIRA_ASSAY_FLASH_POINT, 70 + 273.15), "flash") ||
      !ok(diesel, QiraAssay_SetProperty(diesel, QIRA_ASSAY_POUR_POINT, -12 + 273.15), "pour") ||
      !ok(diesel, QiraAssay_CutByCount(diesel, 8, QIRA_MISSING, QIRA_MISSING), "CutByCount"))
    return 1;
  printf("diesel, 8 cuts\n");
  print_column(diesel, "NBP K", QIRA_ASSAY_NBP);
  print_column(diesel, "vol", QIRA_ASSAY_VOLUME_FRACTION);
  print_column(diesel, "SG", QIRA_ASSAY_SG_COLUMN);
  print_column(diesel, "MW", QIRA_ASSAY_MW);
  print_column(diesel, "Tc K", QIRA_ASSAY_TC);
  print_column(diesel, "cSt 38C", QIRA_ASSAY_VISC38);
  print_column(diesel, "cSt 100C", QIRA_ASSAY_VISC100);
  QiraAssay_Bulk(diesel, QIRA_ASSAY_BULK_WATSON_K, &value);
  printf("Watson K %.12g\n", value);
  QiraAssay_Bulk(diesel, QIRA_ASSAY_BULK_MW, &value);
  printf("MW %.12g\n", value);

  if (!ok(gasoil, QiraAssay_SetCurve(gasoil, QIRA_ASSAY_D2887, 9, y2, t2), "SetCurve") ||
      !ok(gasoil, QiraAssay_SetGravity(gasoil, QIRA_ASSAY_SG, 0.872), "SetGravity") ||
      !ok(gasoil, QiraAssay_SetViscosities(gasoil, 2, visc_t, gasoil_cst), "SetViscosities") ||
      !ok(gasoil, QiraAssay_SetProperty(gasoil, QIRA_ASSAY_FLASH_POINT, 90 + 273.15), "flash") ||
      !ok(gasoil, QiraAssay_SetProperty(gasoil, QIRA_ASSAY_POUR_POINT, -3 + 273.15), "pour"))
    return 1;
  streams[0] = diesel, streams[1] = gasoil;
  if (!ok(mix, QiraAssay_Blend(mix, 2, streams, shares, QIRA_ASSAY_VOLUME, 5.0), "Blend"))
    return 1;
  printf("blend, diesel 0.3 + gas oil 0.7 by volume\n");
  print_curve(mix, "TBP K", QIRA_ASSAY_TBP);
  print_curve(mix, "D86 K", QIRA_ASSAY_D86);
  print_curve(mix, "D2887 K", QIRA_ASSAY_D2887);
  QiraAssay_StreamGravity(mix, &sg);
  printf("SG %.12g\n", sg);
  QiraAssay_Property(mix, QIRA_ASSAY_FLASH_POINT, &value);
  printf("flash point %.12g K\n", value);
  QiraAssay_Property(mix, QIRA_ASSAY_POUR_POINT, &value);
  printf("pour point %.12g K\n", value);
  {
    double vt[4], vc[4];
    int n = 0;
    QiraAssay_Viscosities(mix, 4, vt, vc, &n);
    for (i = 0; i < n; ++i) printf("viscosity at %.2f K %.12g cSt\n", vt[i], vc[i]);
  }

  /* A D86 curve in degrees F typed as degrees C is refused, with the reason. */
  for (i = 0; i < 9; ++i) t[i] = d86_c[i] * 1.8 + 32 + 273.15;
  if (QiraAssay_SetCurve(diesel, QIRA_ASSAY_D86, 9, y, t) == QIRA_ASSAY_IMPLAUSIBLE) {
    QiraAssay_LastError(diesel, notes, sizeof notes, NULL);
    printf("refused: %s\n", notes);
  }
  QiraAssay_Free(diesel);
  QiraAssay_Free(gasoil);
  QiraAssay_Free(mix);
  return 0;
}
