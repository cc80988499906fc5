// Bulk viscosity values: the host's measured viscosities of the whole assay, their
// resampling onto the hypo-curve temperatures, and the assay's calculated bulk viscosity
// by the crude-oil correlation for the whole mixture or by the Refutas blending index
// over the components.
#include <cmath>
#include <cstddef>
#include <vector>

#include "ViscHandler.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "frame/units.h"
#include "frame/walther.h"
#include "viscosity/bulk_internal.h"
#include "viscosity/visc_internal.h"

using qira::celsiusToKelvin;
using qira::finiteOrMissing;
using qira::kMissing;
using namespace qira::visc;

namespace {

constexpr double kP = kCharacterizationPressure;

// Component i's molecular weight widened from its record, 0 without a record.
double molecularWeightOf(ViscHandler& h, int i) {
  const pc_comp_data* rec = record(h, i);
  return rec ? static_cast<double>(rec->Mw) : 0.0;
}

// Number of hypo curves that have a temperature.
int hypoCurveCount(const ViscHandler& h) {
  return boundedCount(h.m_NHypoCurves, h.m_HypoTempCrvs);
}

// Refutas viscosity blending index of a kinematic viscosity (cSt), and its inverse.
double refutasIndex(const ViscHandler& h, double nu) {
  return h.m_RefutasA * std::log10(std::log10(nu + h.m_RefutasC)) + h.m_RefutasB;
}
double refutasViscosity(const ViscHandler& h, double index) {
  return std::pow(10.0, std::pow(10.0, (index - h.m_RefutasB) / h.m_RefutasA)) - h.m_RefutasC;
}

}  // namespace

namespace qira {
namespace visc {

double assayKinematicViscosity(ViscHandler& h, double t, std::vector<double>& x) {
  storeComposition(h, x);
  const double molar = h.LiquidMolarDensity(t, kP, x.data());
  const double mu = h.viscrude(componentCount(h), celsiusToKelvin(t), kP, h.m_VsData.data(), molar);
  return kinematicFrom(mu, h.LiquidMassDensity(t, kP, x.data()));
}

int pairedBulkPoints(const ViscHandler& h) {
  return boundedCount(h.m_NHypoCurves, h.m_BulkValues, h.m_CalcBulkValues);
}

}  // namespace visc
}  // namespace qira

bool ViscHandler::SetMyBulkValues(int b, double* temps, double* values) {
  // A negative count or absent arrays for a positive count store nothing, and so do
  // points that are not numbers (the missing-value marker is a number and is kept).
  if (b < 0) return false;
  if (b > 0 && (temps == nullptr || values == nullptr)) return false;
  if (!qira::allFinite(temps, b) || !qira::allFinite(values, b)) return false;
  m_NumbBulkPts = b;
  m_BulkTemp.assign(temps, temps + b);
  m_BulkValues.assign(values, values + b);
  m_CalcBulkValues.assign(at(b), kMissing);
  return false;
}

namespace {

// The assay's kinematic viscosity (cSt) by the crude-oil correlation at every hypo-curve
// temperature; the assay composition stays in the evaluation records.
void assayKinematicAtHypoTemps(ViscHandler& h, double* out) {
  if (out == nullptr) return;
  std::vector<double> x = storedComposition(h);
  const int k = hypoCurveCount(h);
  for (int j = 0; j < k; ++j) out[j] = assayKinematicViscosity(h, h.m_HypoTempCrvs[at(j)], x);
}

}  // namespace

void ViscHandler::GenerateBulkKinViscValuesZARIX(double* out) {
  assayKinematicAtHypoTemps(*this, out);
}

// The Refutas route resamples the measured points along the same calculated kinematic
// viscosities of the whole assay.
void ViscHandler::GenerateBulkKinViscValuesRefutas(double* out) {
  assayKinematicAtHypoTemps(*this, out);
}

bool ViscHandler::GenerateBulkValuesZARIX() {
  if (m_NumbBulkPts <= 0) return false;
  std::vector<double> x = storedComposition(*this);
  const int n = componentCount(*this);
  const double mw = MolecularWeight(x.data());
  const int b = boundedCount(m_NumbBulkPts, m_BulkTemp, m_CalcBulkValues);
  for (int j = 0; j < b; ++j) {
    const double t = m_BulkTemp[at(j)];
    const double molar = LiquidMolarDensity(t, kP, x.data());
    storeComposition(*this, x);
    const double mu = viscrude(n, celsiusToKelvin(t), kP, m_VsData.data(), molar);
    m_CalcBulkValues[at(j)] = finiteOrMissing(m_IsKinVisc ? kinematicFrom(mu, molar * mw) : mu);
  }
  return true;
}

bool ViscHandler::GenerateBulkValuesRefutas(double** curves) {
  if (m_NumbBulkPts <= 0) return false;
  const std::vector<double> x0 = storedComposition(*this);
  const int n = componentCount(*this);
  // Calculated values are written per hypo curve; curves beyond the calculated-value
  // array (bulk points not yet moved onto the hypo temperatures) are not evaluated.
  const int k = boundedCount(hypoCurveCount(*this), m_CalcBulkValues);
  for (int j = 0; j < k; ++j) {
    const double t = m_HypoTempCrvs[at(j)];
    double indexSum = 0.0;
    double weightSum = 0.0;
    for (int i = 0; i < n; ++i) {
      std::vector<double> e = qira::visc::pureComponent(n, i);
      storeComposition(*this, e);
      const double xi = valueAt(x0, i, 0.0);
      const double mwi = molecularWeightOf(*this, i);
      double nu = kMissing;
      if (xi > 0) {
        const double rho = LiquidMassDensity(t, kP, e.data());
        if (valueAt(m_IsHypo, i, 0) == 1) {
          if (curves == nullptr) {
            if (inRange(m_HypoViscCrvs, j)) nu = valueAt(m_HypoViscCrvs[at(j)], i, kMissing);
          } else if (curves[j] != nullptr) {
            nu = curves[j][i];
          }
          if (!m_IsKinVisc) nu = nu / rho * 1000;
        } else {
          const double molar = LiquidMolarDensity(t, kP, e.data());
          nu = kinematicFrom(viscrude(n, celsiusToKelvin(t), kP, m_VsData.data(), molar), rho);
        }
      }
      if (nu + m_RefutasC > 1.0 && xi > 0) indexSum += refutasIndex(*this, nu) * xi * mwi;
      weightSum += xi * mwi;
    }
    const double nu = refutasViscosity(*this, indexSum / weightSum);
    std::vector<double> assay = x0;
    storeComposition(*this, assay);
    m_CalcBulkValues[at(j)] =
        finiteOrMissing(m_IsKinVisc ? nu : LiquidMassDensity(t, kP, assay.data()) * nu / 1000);
  }
  return true;
}

void ViscHandler::SyncronizeBulkValues() {
  const int k = hypoCurveCount(*this);
  const int b = boundedCount(m_NumbBulkPts, m_BulkTemp, m_BulkValues);
  if (m_NHypoCurves == m_NumbBulkPts || k < 2 || b < 1) return;

  const std::vector<double> oldTemps(m_BulkTemp.begin(), m_BulkTemp.begin() + b);
  const std::vector<double> oldValues(m_BulkValues.begin(), m_BulkValues.begin() + b);
  m_BulkTemp.assign(at(k), kMissing);
  m_BulkValues.assign(at(k), kMissing);
  // No calculated values until the next bulk calculation.
  m_CalcBulkValues.assign(at(k), kMissing);
  m_NumbBulkPts = k;

  std::vector<double> q(at(k), kMissing);
  if (m_UseRefutas)
    GenerateBulkKinViscValuesRefutas(q.data());
  else
    GenerateBulkKinViscValuesZARIX(q.data());

  // Walther line (offset 1.0) through the first measured point with the slope of the
  // calculated viscosities between the first two hypo temperatures.
  const double slope = (qira::waltherUnitOrdinate(q[0]) - qira::waltherUnitOrdinate(q[1])) /
                       (qira::waltherAbscissa(celsiusToKelvin(m_HypoTempCrvs[0])) -
                        qira::waltherAbscissa(celsiusToKelvin(m_HypoTempCrvs[1])));
  const double anchor = qira::waltherUnitOrdinate(oldValues[0]);
  const double anchorAbscissa = qira::waltherAbscissa(celsiusToKelvin(oldTemps[0]));

  std::vector<double> x = storedComposition(*this);
  for (int j = 0; j < k; ++j) {
    const double t = m_HypoTempCrvs[at(j)];
    m_BulkTemp[at(j)] = t;
    int measured = -1;
    for (int m = 0; m < b && measured < 0; ++m)
      if (oldTemps[at(m)] == t) measured = m;
    if (measured >= 0) {
      m_BulkValues[at(j)] = oldValues[at(measured)];
      continue;
    }
    const double nu = qira::waltherUnitViscosity(
        (qira::waltherAbscissa(celsiusToKelvin(t)) - anchorAbscissa) * slope + anchor);
    // A point the line cannot give (a calculated or measured value off the Walther
    // scale) is missing rather than not-a-number.
    m_BulkValues[at(j)] =
        finiteOrMissing(m_IsKinVisc ? nu : LiquidMassDensity(t, kP, x.data()) * nu / 1000);
  }
}
