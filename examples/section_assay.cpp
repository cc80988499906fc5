// Example session: a crude oil's TBP assay with light ends and two bulk viscosities,
// cut into the refinery cuts through the assay interface, and a cut boundary set typed in
// degrees C where kelvin was meant, refused with the library's reason.
#include <cstdio>

#include "sections.h"

void runAssay(const QiraLibrary& lib) {
  auto create = QIRA_GET(lib, QiraAssay_Create);
  auto release = QIRA_GET(lib, QiraAssay_Free);
  auto setCurve = QIRA_GET(lib, QiraAssay_SetCurve);
  auto setGravity = QIRA_GET(lib, QiraAssay_SetGravity);
  auto setLightEnds = QIRA_GET(lib, QiraAssay_SetLightEnds);
  auto setViscosities = QIRA_GET(lib, QiraAssay_SetViscosities);
  auto cutNamed = QIRA_GET(lib, QiraAssay_CutNamed);
  auto cutAt = QIRA_GET(lib, QiraAssay_CutAt);
  auto rowCount = QIRA_GET(lib, QiraAssay_RowCount);
  auto column = QIRA_GET(lib, QiraAssay_Column);
  auto rowName = QIRA_GET(lib, QiraAssay_RowName);
  auto bulk = QIRA_GET(lib, QiraAssay_Bulk);
  auto lastError = QIRA_GET(lib, QiraAssay_LastError);

  // Light crude: TBP (fraction, K), API 35, light ends, viscosities at 20 and 40 C.
  const double yields[] = {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
  const double tbp[] = {308.15, 373.15, 423.15, 473.15, 523.15, 573.15,
                        623.15, 693.15, 773.15, 873.15, 1023.15};
  const char* lightEnds[] = {"propane", "isobutane", "n-butane", "isopentane", "n-pentane"};
  const double lightFractions[] = {0.005, 0.004, 0.010, 0.008, 0.012};
  const double viscT[] = {293.15, 313.15}, viscCst[] = {8.0, 5.0};

  printHeading("Crude oil cut into refinery cuts");
  QiraAssay* crude = create();
  if (!crude) return;
  char text[512];
  if (setCurve(crude, QIRA_ASSAY_TBP, 11, yields, tbp) || setGravity(crude, QIRA_ASSAY_API, 35.0) ||
      setLightEnds(crude, 5, lightEnds, lightFractions) ||
      setViscosities(crude, 2, viscT, viscCst) || cutNamed(crude, "refinery")) {
    lastError(crude, text, sizeof text, nullptr);
    std::printf("the assay could not be cut: %s\n", text);
    release(crude);
    return;
  }
  int rows = 0;
  rowCount(crude, &rows);
  const int columns[] = {QIRA_ASSAY_NBP, QIRA_ASSAY_VOLUME_FRACTION, QIRA_ASSAY_SG_COLUMN,
                         QIRA_ASSAY_MW, QIRA_ASSAY_TC, QIRA_ASSAY_VISC38, QIRA_ASSAY_VISC100};
  double values[7][32];
  for (int c = 0; c < 7; ++c) column(crude, columns[c], 32, values[c], &rows);
  std::printf("%-16s %8s %7s %7s %7s %8s %9s %9s\n", "row", "NBP, C", "vol %", "SG", "MW",
              "Tc, C", "cSt 38C", "cSt 100C");
  for (int i = 0; i < rows; ++i) {
    rowName(crude, i, text, sizeof text, nullptr, nullptr);
    char nu38[16] = "-", nu100[16] = "-";  // light ends: the handler gives none
    if (values[5][i] != QIRA_MISSING) std::snprintf(nu38, sizeof nu38, "%.4g", values[5][i]);
    if (values[6][i] != QIRA_MISSING) std::snprintf(nu100, sizeof nu100, "%.4g", values[6][i]);
    std::printf("%-16s %8.1f %7.3f %7.4f %7.1f %8.1f %9s %9s\n", text,
                toCelsius(values[0][i]), 100 * values[1][i], values[2][i], values[3][i],
                toCelsius(values[4][i]), nu38, nu100);
  }
  double sg = 0, mw = 0, kw = 0;
  bulk(crude, QIRA_ASSAY_BULK_SG, &sg);
  bulk(crude, QIRA_ASSAY_BULK_MW, &mw);
  bulk(crude, QIRA_ASSAY_BULK_WATSON_K, &kw);
  std::printf("bulk: SG %.4f, MW %.1f, Watson K %.3f\n", sg, mw, kw);

  // Boundaries of 200, 250 and 300 C typed in kelvin's place miss the curve entirely.
  const double typedAsKelvin[] = {200, 250, 300};
  const int status = cutAt(crude, 3, typedAsKelvin);
  lastError(crude, text, sizeof text, nullptr);
  std::printf("cut at 200, 250, 300 \"K\": status %d, %s\n", status, text);
  release(crude);
}
