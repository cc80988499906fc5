// Axis ticks: round linear steps for temperatures and volumes, and the 1-2-5 values of
// each decade for the viscosity axis.
#include <cmath>

#include "chart/chart_layout.h"

namespace qira::chart {

namespace {

double roundStep(double lo, double hi, int count) {
  double span = hi > lo ? hi - lo : 1.0;
  double rough = span / (count > 0 ? count : 1);
  double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * magnitude >= rough * (1 - 1e-9)) return m * magnitude;
  return 10.0 * magnitude;
}

int decimalsOf(double step) {
  return step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

}  // namespace

std::vector<Tick> linearTicks(double lo, double hi, int count) {
  double step = roundStep(lo, hi, count);
  std::vector<Tick> ticks;
  for (double k = std::ceil(lo / step - 1e-9); k * step <= hi + 1e-9 * step; k += 1.0) {
    double v = k * step;
    ticks.push_back({v, fixed(v, decimalsOf(step)), true});
    if (ticks.size() > 100) break;
  }
  return ticks;
}

void roundOutward(double& lo, double& hi, int count) {
  double step = roundStep(lo, hi, count);
  lo = std::floor(lo / step + 1e-9) * step;
  hi = std::ceil(hi / step - 1e-9) * step;
  if (hi <= lo) hi = lo + step;
}

std::vector<double> decadeValues(double lo, double hi) {
  std::vector<double> values;
  int first = static_cast<int>(std::floor(std::log10(lo)));
  int last = static_cast<int>(std::ceil(std::log10(hi)));
  for (int e = first; e <= last && values.size() < 200; ++e)
    for (double m : {1.0, 2.0, 5.0}) values.push_back(m * std::pow(10.0, e));
  // the last value at or below lo and the first at or above hi bound the run
  std::size_t from = 0, to = values.size();
  while (from + 1 < values.size() && values[from + 1] <= lo * (1 + 1e-12)) ++from;
  while (to > from + 2 && values[to - 2] >= hi * (1 - 1e-12)) --to;
  return std::vector<double>(values.begin() + static_cast<std::ptrdiff_t>(from),
                             values.begin() + static_cast<std::ptrdiff_t>(to));
}

}  // namespace qira::chart
