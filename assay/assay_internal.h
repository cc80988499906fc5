// Internal interface of the assay family: the object behind QiraAssay, its stream data,
// the cut table, and the steps from laboratory curve to cut table and blend. Functions
// here throw qira::assay::Failure (status and message); the exported shells catch it.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "QIRAAssay.h"
#include "frame/constants.h"
#include "frame/units.h"  // kCelsiusZero: the viscosity handler takes degrees C

namespace qira {
namespace assay {

// A refusal or a failed step: the status the export returns and the object's message.
struct Failure {
  int status;
  std::string message;
};

// Throws Failure{status, printf-formatted message}.
[[noreturn]] void fail(int status, const char* format, ...);

// ---- Constants of the workflow -------------------------------------------------------

// Liquid density = SG x water at 60 F (kWaterDensity60F); the viscosity handler's mixture
// properties at one atmosphere (kStandardAtmosphere): both in frame/constants.h.
// The cut table's viscosity temperatures, 38 and 100 C: kStandardViscosityT38 and
// kStandardViscosityT100, also in frame/constants.h.

// ---- Tables the library carries (assay_tables.cpp) -----------------------------------

struct LightEnd {
  const char* name;
  double nbp, sg, mw, tc, pc, vc, omega;  // K, -, kg/kmol, K, kPa, m3/kmol, -
};
int lightEndCount();
const LightEnd& lightEnd(int index);
int lightEndIndex(const char* name);  // -1 when the table has no such name

struct RefineryCut {
  const char* name;
  double upper;  // K; kMissing: the cut ends with the curve
};
int refineryCutCount();
const RefineryCut& refineryCut(int index);

// ---- The stream ------------------------------------------------------------------------

struct Curve {
  std::vector<double> yields, temps;
};

struct ViscosityPoint {
  double temperature, cst;
};

struct LightEndShare {
  int index;        // into the light-ends table
  double fraction;  // volume fraction of the whole stream
};

// A blend's own data: its mixed composition, blended curves and the streams' shares.
struct Mixture {
  std::vector<double> nbp, fractions;  // components: the light ends (as lightEnds), then the grid
  Curve d86, d2887;
  std::vector<double> volumeShares, massShares;
};

struct Stream {
  bool hasCurve = false;
  int standard = QIRA_ASSAY_TBP;
  Curve laboratory;  // as measured
  Curve tbp;         // the laboratory curve read as TBP
  int gravityKind = -1;           // QIRA_ASSAY_SG (also from API) or QIRA_ASSAY_WATSON_K
  double sg = 0.0, watsonK = 0.0; // the one that gravityKind names
  double mw = 0.0;                // bulk MW, when hasMw
  bool hasMw = false;
  std::vector<ViscosityPoint> viscosities;  // as given
  std::vector<LightEndShare> lightEnds;     // rows in this order
  std::array<double, QIRA_ASSAY_PROPERTY_COUNT> properties{};  // kMissing: not carried
  int method = QIRA_ASSAY_RIAZI_DAUBERT;
  bool isMixture = false;
  Mixture mixture;

  Stream();
  double lightEndTotal() const;  // sum of the light ends' fractions
};

// ---- The cut table ----------------------------------------------------------------------

struct FitPoint {
  double temperature, measured, calculated;  // K, cSt, cSt (kMissing: none)
  bool given;
};

struct CutTable {
  std::vector<std::string> names;
  std::vector<char> lightEnd;
  std::array<std::vector<double>, QIRA_ASSAY_COLUMN_COUNT> columns;
  double sg = 0.0, mw = 0.0, watsonK = 0.0, mwScale = 1.0;
  std::vector<std::string> notes;
  std::vector<FitPoint> fit;  // empty without bulk viscosities
  int rows() const { return static_cast<int>(names.size()); }
};

// Cut names and boundaries (K), boundaries one more than names.
struct Boundaries {
  std::vector<std::string> names;
  std::vector<double> bounds;
};

// ---- Steps ------------------------------------------------------------------------------

// Input checks shared by the setters and the blend (assay_inputs.cpp).
double checkedInRange(const char* what, double value, double lo, double hi);
void checkAscending(const char* what, const double* v, int n, double lo, double hi);

// Curves of the stream (stream_curves.cpp).
Curve readAsTbp(int standard, const Curve& laboratory);
std::vector<double> tbpAt(const Stream& s, std::vector<double> yields);
Curve d86Curve(const Stream& s);
Curve d2887Curve(const Stream& s);
// Volume fractions (of the curve's material) of the cuts ending at each upper boundary.
std::vector<double> cutFractions(const Stream& s, const std::vector<double>& uppers);
// Cut temperatures `step` K apart over lo..hi, the last at hi.
std::vector<double> temperatureGrid(double lo, double hi, double step);
void components(const Stream& s, double step, std::vector<double>& nbp,
                std::vector<double>& fractions);

// Cut boundaries (cut_boundaries.cpp).
Boundaries boundariesByCount(const Stream& s, int count, double lo, double hi);
Boundaries boundariesAt(const double* bounds, int n);
Boundaries boundariesNamed(const Stream& s, const char* set);

// The cut table (cut_table.cpp) and its viscosities (cut_viscosities.cpp).
CutTable cutTable(const Stream& s, const Boundaries& b);
double streamGravity(const Stream& s);
void fillViscosities(CutTable& t, const std::vector<ViscosityPoint>& bulk);
double waltherAt(const std::vector<ViscosityPoint>& points, double t);

// Plausibility (plausibility.cpp).
void refuseImplausibleCurve(int standard, const Curve& laboratory);
void refuseBoundariesOutsideCurve(const Stream& s, const Boundaries& b);
void noteUnusualTable(const Stream& s, const Boundaries& b, CutTable& t);

// Blending (stream_blend.cpp).
Stream blendStreams(const std::vector<const Stream*>& streams,
                    const std::vector<double>& shares, int basis, double step);

// Text (messages.cpp): copies text into the caller's buffer when it fits.
int copyText(const std::string& text, char* out, int size, int* needed);
std::string format(const char* format, ...);

}  // namespace assay
}  // namespace qira

// The object the host holds.
struct QiraAssay {
  qira::assay::Stream stream;
  bool hasTable = false;
  qira::assay::CutTable table;
  mutable std::string lastError;
};
