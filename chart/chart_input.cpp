// Argument checks of the chart builder: every value the host passes is checked before the
// builder changes, and a refusal names the argument, the position and the value.
#include <cmath>
#include <cstdio>
#include <string>

#include "QIRAChart.h"
#include "chart/chart_model.h"

namespace qira::chart {

namespace {

constexpr double kFractionSlack = 1e-6;  // rounding allowed where fractions add up to 1

std::string describe(const char* argument, int index, double value, const char* expected) {
  char text[256];
  if (index < 0)
    std::snprintf(text, sizeof text, "%s = %.10g: expected %s", argument, value, expected);
  else
    std::snprintf(text, sizeof text, "%s[%d] = %.10g: expected %s", argument, index, value,
                  expected);
  return text;
}

std::string checkCount(const char* argument, int count, int least) {
  if (count >= least && count <= QIRA_CHART_MAX_ITEMS) return "";
  char text[160];
  std::snprintf(text, sizeof text, "%s = %d: expected %d to %d", argument, count, least,
                QIRA_CHART_MAX_ITEMS);
  return text;
}

bool positive(double v) { return std::isfinite(v) && v > 0.0; }
bool fraction(double v) { return std::isfinite(v) && v >= 0.0 && v <= 1.0; }

std::string nullArgument(const char* argument) {
  return std::string(argument) + " is null";
}

double cutFraction(const ChartModel& model) {
  double sum = 0.0;
  for (const Cut& c : model.cuts) sum += c.fraction;
  return sum;
}

}  // namespace

double ChartModel::lightEndFraction() const {
  double sum = 0.0;
  for (const LightEnd& e : lightEnds) sum += e.fraction;
  return sum;
}

std::string checkText(const char* what, const char* text) {
  return text ? "" : nullArgument(what);
}

std::string checkCurve(const char* label, int count, const double* fractions,
                       const double* kelvin, int style) {
  if (!label) return nullArgument("label");
  std::string bad = checkCount("count", count, 2);
  if (!bad.empty()) return bad;
  if (!fractions) return nullArgument("fractions");
  if (!kelvin) return nullArgument("kelvin");
  if (style != QIRA_CHART_LINE && style != QIRA_CHART_POINTS)
    return describe("style", -1, style, "QIRA_CHART_LINE (0) or QIRA_CHART_POINTS (1)");
  for (int i = 0; i < count; ++i) {
    if (!fraction(fractions[i])) return describe("fractions", i, fractions[i], "0 to 1");
    if (i > 0 && fractions[i] < fractions[i - 1])
      return describe("fractions", i, fractions[i], "not below the fraction before it");
    if (!positive(kelvin[i])) return describe("kelvin", i, kelvin[i], "a positive temperature, K");
  }
  return "";
}

std::string checkCuts(const ChartModel& model, int count, const double* boundaries,
                      const double* nbp, const double* fractions) {
  std::string bad = checkCount("count", count, 1);
  if (!bad.empty()) return bad;
  if (!boundaries) return nullArgument("boundaries");
  if (!nbp) return nullArgument("nbp");
  if (!fractions) return nullArgument("fractions");
  for (int i = 0; i <= count; ++i) {
    if (!positive(boundaries[i]))
      return describe("boundaries", i, boundaries[i], "a positive temperature, K");
    if (i > 0 && boundaries[i] <= boundaries[i - 1])
      return describe("boundaries", i, boundaries[i], "above the boundary before it");
  }
  double sum = model.lightEndFraction();
  for (int i = 0; i < count; ++i) {
    if (!positive(nbp[i])) return describe("nbp", i, nbp[i], "a positive temperature, K");
    if (!fraction(fractions[i])) return describe("fractions", i, fractions[i], "0 to 1");
    sum += fractions[i];
  }
  if (sum > 1.0 + kFractionSlack)
    return describe("fractions (sum with the light ends)", -1, sum, "at most 1");
  return "";
}

std::string checkLightEnd(const ChartModel& model, const char* name, double nbp,
                          double fraction_) {
  if (!name) return nullArgument("name");
  if (!positive(nbp)) return describe("nbp", -1, nbp, "a positive temperature, K");
  if (!fraction(fraction_)) return describe("fraction", -1, fraction_, "0 to 1");
  if (model.lightEnds.size() >= QIRA_CHART_MAX_ITEMS)
    return "light ends: no more than QIRA_CHART_MAX_ITEMS";
  double sum = model.lightEndFraction() + cutFraction(model) + fraction_;
  if (sum > 1.0 + kFractionSlack)
    return describe("fraction (sum with the light ends and cuts)", -1, sum, "at most 1");
  return "";
}

std::string checkViscosityLine(const char* label, double nu38, double nu100) {
  if (!label) return nullArgument("label");
  if (!positive(nu38)) return describe("nu38", -1, nu38, "a positive viscosity, cSt");
  if (!positive(nu100)) return describe("nu100", -1, nu100, "a positive viscosity, cSt");
  if (nu100 > nu38) return describe("nu100", -1, nu100, "at most nu38 (a liquid thins when heated)");
  return "";
}

std::string checkViscosityPoint(double kelvin, double cst) {
  if (!(std::isfinite(kelvin) && kelvin >= 200.0 && kelvin <= 700.0))
    return describe("kelvin", -1, kelvin, "200 to 700 K");
  if (!positive(cst)) return describe("cst", -1, cst, "a positive viscosity, cSt");
  return "";
}

}  // namespace qira::chart
