// Viscosities of the cut table: a viscosity handler filled with the rows (cuts as
// hypothetical components, light ends as pure ones) and fitted to the bulk viscosities,
// the rows' kinematic viscosities at 38 and 100 C, and the fit report. Bulk points read
// on the ASTM D341 (Walther) line where none was measured at 38 or 100 C.
#include <algorithm>
#include <cmath>

#include "ViscHandler.h"
#include "assay/assay_internal.h"
#include "frame/missing.h"
#include "frame/walther.h"

namespace qira {
namespace assay {
namespace {

bool byTemperature(const ViscosityPoint& a, const ViscosityPoint& b) {
  return a.temperature < b.temperature || (a.temperature == b.temperature && a.cst < b.cst);
}

// The bulk points the handler is fitted to: with two or more measured points exactly two,
// at 38 and 100 C, each the measured value there or read on the Walther line through the
// two measured points nearest it (the handler fits each cut's thetas over the bulk
// points' temperatures and extrapolates beyond them; anchored at the standard
// temperatures the cuts' Walther lines rise with NBP instead of crossing). One measured
// point: as given (the handler moves it along a Walther line itself).
std::vector<ViscosityPoint> fitPoints(std::vector<ViscosityPoint> pts) {
  std::sort(pts.begin(), pts.end(), byTemperature);
  if (pts.size() < 2) return pts;
  std::vector<ViscosityPoint> out;
  for (double t : {kStandardViscosityT38, kStandardViscosityT100}) {
    const auto same = std::find_if(pts.begin(), pts.end(), [&](const ViscosityPoint& p) {
      return std::fabs(p.temperature - t) < 1e-6;
    });
    out.push_back({t, same != pts.end() ? same->cst : waltherAt(pts, t)});
  }
  return out;
}

// The handler holding the table's rows, with their mole fractions as composition.
struct Handler {
  ViscHandler h;
  std::vector<double> x;

  explicit Handler(const CutTable& t) : x(t.columns[QIRA_ASSAY_MOLE_FRACTION]) {
    const int n = t.rows();
    h.SetNumbComp(n);
    int hypo = 0;
    for (int i = 0; i < n; ++i) {
      const auto v = [&](int column) { return static_cast<float>(t.columns[column][i]); };
      h.SetTc(i, v(QIRA_ASSAY_TC));
      h.SetPc(i, v(QIRA_ASSAY_PC));
      h.SetVc(i, v(QIRA_ASSAY_VC));
      h.SetOmega(i, v(QIRA_ASSAY_OMEGA));
      h.SetMw(i, v(QIRA_ASSAY_MW));
      h.SetBoil(i, v(QIRA_ASSAY_NBP));
      h.SetLiqDen(i, static_cast<float>(t.columns[QIRA_ASSAY_SG_COLUMN][i] * kWaterDensity60F));
      h.SetWsrk(i, v(QIRA_ASSAY_OMEGA_SRK));
      h.SetVchar(i, v(QIRA_ASSAY_VSTAR));
      h.SetVsdata(i, static_cast<float>(x[i]));
      h.SetDCompBPs(i, t.columns[QIRA_ASSAY_NBP][i]);
      h.SetIsHypo(i, t.lightEnd[i] ? 0 : 1);
      hypo += t.lightEnd[i] ? 0 : 1;
    }
    h.SetNumbHypoComp(hypo);
  }

  // A property of the whole mixture at t (C); the call leaves the mole fractions stored
  // as doubles, so they are set again as the handler keeps them.
  double mixture(double (ViscHandler::*property)(double, double, double*), double tC,
                 const char* what) {
    std::vector<double> c = x;
    const double value = (h.*property)(tC, kStandardAtmosphere, c.data());
    if (isMissing(value))
      fail(QIRA_ASSAY_CALCULATION, "the viscosity handler gives no mixture %s at %.10g K",
           what, tC + kCelsiusZero);
    for (size_t i = 0; i < x.size(); ++i) h.SetVsdata(static_cast<int>(i), static_cast<float>(x[i]));
    return value;
  }
  double density(double tC) {
    const double rho = mixture(&ViscHandler::LiquidMassDensity, tC, "density");
    if (!(rho > 0 && std::isfinite(rho)))
      fail(QIRA_ASSAY_CALCULATION, "the viscosity handler gives a mixture density of %g kg/m3 "
           "at %.10g K", rho, tC + kCelsiusZero);
    return rho;
  }
};

// The handler's bulk points (C, measured, calculated in its dynamic unit).
std::vector<std::array<double, 3>> bulkPoints(ViscHandler& h) {
  const int b = h.GetNumbBulkPts();
  const double *t = h.GetBulkTemp(), *m = h.GetBulkValues(), *c = h.GetCalcBulkValues();
  std::vector<std::array<double, 3>> out;
  if (!t || !m || !c || b <= 0) return out;
  for (int i = 0; i < b; ++i) out.push_back({t[i], m[i], c[i]});
  return out;
}

}  // namespace

double waltherAt(const std::vector<ViscosityPoint>& points, double t) {
  std::vector<ViscosityPoint> near = points;
  std::stable_sort(near.begin(), near.end(), [&](const ViscosityPoint& a, const ViscosityPoint& b) {
    return std::fabs(a.temperature - t) < std::fabs(b.temperature - t);
  });
  const auto other = std::find_if(near.begin(), near.end(), [&](const ViscosityPoint& p) {
    return p.temperature != near.front().temperature;
  });
  if (other == near.end())
    fail(QIRA_ASSAY_INVALID, "viscosities: a Walther line needs two different temperatures");
  ViscosityPoint p1 = near.front(), p2 = *other;
  if (byTemperature(p2, p1)) std::swap(p1, p2);
  const double w1 = waltherOrdinate(p1.cst), w2 = waltherOrdinate(p2.cst);
  const double x1 = waltherAbscissa(p1.temperature), x2 = waltherAbscissa(p2.temperature);
  return waltherViscosity(w1 + (w2 - w1) / (x2 - x1) * (waltherAbscissa(t) - x1));
}

void fillViscosities(CutTable& t, const std::vector<ViscosityPoint>& bulk) {
  Handler v(t);
  if (!bulk.empty()) {
    std::vector<double> temps, values;
    for (const ViscosityPoint& p : fitPoints(bulk)) temps.push_back(p.temperature - kCelsiusZero);
    // the handler holds dynamic viscosities: cP = cSt * rho / 1000
    const std::vector<ViscosityPoint> points = fitPoints(bulk);
    for (size_t i = 0; i < points.size(); ++i)
      values.push_back(points[i].cst * v.density(temps[i]) / 1000.0);
    v.h.SetMyBulkValues(static_cast<int>(temps.size()), temps.data(), values.data());
  }
  v.h.CharacterizeViscosity();
  for (int i = 0; i < t.rows(); ++i) {
    // a value the handler could not compute (not a number) counts as none
    t.columns[QIRA_ASSAY_VISC38][i] = finiteOrMissing(v.h.GetCpvVisc38(i));
    t.columns[QIRA_ASSAY_VISC100][i] = finiteOrMissing(v.h.GetCpvVisc100(i));
  }
  if (bulk.empty()) return;
  std::vector<ViscosityPoint> given = bulk;
  std::sort(given.begin(), given.end(), byTemperature);
  std::vector<FitPoint> report;
  for (const ViscosityPoint& p : given)
    report.push_back({p.temperature, p.cst,
                      finiteOrMissing(v.mixture(&ViscHandler::LiquidKinematicViscosity,
                                                p.temperature - kCelsiusZero, "kinematic viscosity")),
                      true});
  for (const auto& b : bulkPoints(v.h)) {
    const double tK = b[0] + kCelsiusZero;
    const bool measured = std::any_of(given.begin(), given.end(), [&](const ViscosityPoint& p) {
      return std::fabs(b[0] + kCelsiusZero - p.temperature) < 1e-6;
    });
    if (measured) continue;
    const double rho = v.density(b[0]);
    report.push_back({tK, b[1] * 1000.0 / rho,
                      isMissing(b[2]) ? kMissing : finiteOrMissing(b[2] * 1000.0 / rho), false});
  }
  std::stable_sort(report.begin(), report.end(), [](const FitPoint& a, const FitPoint& b) {
    return a.temperature < b.temperature;
  });
  t.fit = report;
}

}  // namespace assay
}  // namespace qira
