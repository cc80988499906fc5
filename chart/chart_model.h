// The chart builder's contents: what the host passed, already checked, in SI units.
#pragma once

#include <string>
#include <vector>

namespace qira::chart {

struct Curve {
  std::string label;
  std::vector<double> fractions;  // of the material the curve describes (less light ends)
  std::vector<double> kelvin;
  std::vector<bool> extrapolated;
  bool points = false;  // laboratory readings: markers and a thin line
};

struct Cut {
  std::string name;
  double low = 0, high = 0, nbp = 0;  // K
  double fraction = 0;                // of the whole stream
};

struct LightEnd {
  std::string name;
  double nbp = 0;       // K
  double fraction = 0;  // of the whole stream
};

struct ViscosityLine {
  std::string label;
  double nu38 = 0, nu100 = 0;  // cSt
};

struct ViscosityPoint {
  double kelvin = 0, cst = 0;
  bool measured = true;
};

struct ChartModel {
  std::string title, caption;
  std::vector<Curve> curves;
  std::vector<Cut> cuts;
  std::vector<LightEnd> lightEnds;
  std::vector<ViscosityLine> lines;
  std::vector<ViscosityPoint> points;

  // Volume fraction of the whole stream held by the light ends.
  double lightEndFraction() const;
};

// Each check returns "" when the input is sound, else a message naming the argument,
// its position and value, and what was expected. Nothing is changed by a check.
std::string checkText(const char* what, const char* text);
std::string checkCurve(const char* label, int count, const double* fractions,
                       const double* kelvin, int style);
std::string checkCuts(const ChartModel& model, int count, const double* boundaries,
                      const double* nbp, const double* fractions);
std::string checkLightEnd(const ChartModel& model, const char* name, double nbp,
                          double fraction);
std::string checkViscosityLine(const char* label, double nu38, double nu100);
std::string checkViscosityPoint(double kelvin, double cst);

// The SVG document of the model.
std::string renderSvg(const ChartModel& model);

}  // namespace qira::chart
