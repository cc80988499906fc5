// Viscosity curves of the hypothetical components: the host's measured curves (boiling
// point against viscosity at one temperature) are interpolated in boiling point through
// a pentane anchor; without curves the Twu estimate is moved along the Walther line to
// the hypo-curve temperatures. Also the Walther line fit through a few points.
#include <cmath>
#include <cstddef>
#include <vector>

#include "ViscHandler.h"
#include "distillation/curve_tools.h"
#include "frame/missing.h"
#include "frame/units.h"
#include "frame/walther.h"
#include "properties/cetane_viscosity_estimates.h"
#include "viscosity/visc_internal.h"

using qira::kMissing;
using qira::kMissingIndex;
using namespace qira::visc;

namespace {

// Boiling point (K) and kinematic viscosities (cSt) of the pentane reference point.
constexpr double kPentaneBoilingPoint = 310.93;
constexpr double kPentaneHighTemperature = 372.04;
// Curves whose first boiling point lies above this (C) keep it beside the anchor.
constexpr double kAnchorReplaceLimit = 70.0;
// The Twu estimate's temperatures, 100 F and 210 F, taken as 38 C and 100 C.
constexpr double kTwuLowKelvin = 311.15;
constexpr double kTwuHighKelvin = 373.15;
constexpr double kTwuLowRankine = 560.07;
constexpr double kTwuHighRankine = 671.67;

// Number of leading points of a user curve whose boiling point and viscosity are both
// present, counted over its first npts points (bounded by its stored arrays).
int completePoints(const std::vector<double>& bps, const std::vector<double>& viscs, int npts) {
  const int n = boundedCount(npts, bps, viscs);
  int m = 0;
  for (int p = 0; p < n; ++p)
    if (bps[at(p)] != kMissing && viscs[at(p)] != kMissing) ++m;
  return m;
}

// Kinematic viscosities (cSt) at 38 C and 100 C by the Twu estimate of a component.
qira::ViscosityPair twuEstimate(const pc_comp_data& c) {
  return qira::twuViscosity(static_cast<double>(c.LiqDen), static_cast<double>(c.Boil));
}

}  // namespace

bool ViscHandler::InitializeMyCurves(int c) {
  const std::size_t slots = at(boundedCount(c));
  m_CurveVisc.assign(slots, std::vector<double>());
  m_CurveBP.assign(slots, std::vector<double>());
  m_CurveTemp.assign(slots, kMissing);
  m_CurveNpts.assign(slots, 0);
  return true;
}

bool ViscHandler::SetOneCurve(int curve, int npts, double temp, double* bps, double* viscs) {
  if (!inRange(m_CurveVisc, curve) || !inRange(m_CurveBP, curve) ||
      !inRange(m_CurveTemp, curve) || !inRange(m_CurveNpts, curve))
    return true;
  const int count = boundedCount(npts);
  if (count > 0 && (bps == nullptr || viscs == nullptr)) return true;
  m_CurveBP[at(curve)].assign(bps, bps + count);
  m_CurveVisc[at(curve)].assign(viscs, viscs + count);
  m_CurveTemp[at(curve)] = temp;
  m_CurveNpts[at(curve)] = count;
  return true;
}

void ViscHandler::SortHypoBPs() {
  const int h = boundedCount(m_NumbHypoComp);
  const int n = boundedCount(m_NumbComp);
  const int flagged = boundedCount(n, m_IsHypo, m_DCompBPs);
  m_HypoBPs.assign(at(h), kMissing);
  m_HypoIndex.assign(at(n), kMissingIndex);
  int filled = 0;
  for (int i = 0; i < flagged && filled < h; ++i)
    if (m_IsHypo[at(i)] != 0) m_HypoBPs[at(filled++)] = m_DCompBPs[at(i)];
  // Fewer flagged components than the hypothetical count: only the boiling points found
  // are kept, so that the list stays ascending and holds no missing values.
  m_HypoBPs.resize(at(filled));
  std::vector<int> order(at(filled));
  qira::sortNbp(m_HypoBPs.data(), order.data(), filled);
  for (int i = 0; i < flagged; ++i) {
    if (m_IsHypo[at(i)] == 0) continue;
    for (int p = filled - 1; p >= 0; --p)
      if (m_HypoBPs[at(p)] == m_DCompBPs[at(i)]) {
        m_HypoIndex[at(i)] = p;
        break;
      }
  }
}

void ViscHandler::SetNumberOfHypoCurves() {
  const int c = boundedCount(m_Ncurves);
  const int b = boundedCount(m_NumbBulkPts);
  std::vector<double> temps{38.0, 100.0};
  if (c == 1 || (c == 0 && b == 1)) {
    const std::vector<double>& source = c == 1 ? m_CurveTemp : m_BulkTemp;
    if (!source.empty()) {
      const double t = source[0];
      if (std::fabs(t - 38) > std::fabs(t - 100))
        temps = {38.0, t};
      else
        temps = {t, 100.0};
    }
  } else if (c >= 2 || b >= 2) {
    const std::vector<double>& source = c >= 2 ? m_CurveTemp : m_BulkTemp;
    const int k = boundedCount(c >= 2 ? c : b, source);
    if (k > 0) temps.assign(source.begin(), source.begin() + k);
  }
  m_NHypoCurves = static_cast<int>(temps.size());
  m_HypoTempCrvs = temps;
  m_HypoViscCrvs.assign(temps.size(), std::vector<double>(at(boundedCount(m_NumbComp)), kMissing));
}

void ViscHandler::GetLinearFit(double* y, double* x, int npts, double* slope,
                               double* intercept) {
  if (y == nullptr || x == nullptr || slope == nullptr || intercept == nullptr || npts < 1)
    return;
  double sx = 0.0, sy = 0.0, sxy = 0.0, sxx = 0.0;
  for (int j = 0; j < npts; ++j) {
    sx += x[j];
    sy += y[j];
    sxy += x[j] * y[j];
    sxx += x[j] * x[j];
  }
  const double d = npts * sxx - sx * sx;
  if (d == 0.0) {
    // All abscissae equal (or one point): the level line through the mean ordinate.
    *slope = 0.0;
    *intercept = sy / npts;
    return;
  }
  *slope = (npts * sxy - sy * sx) / d;
  *intercept = (sy * sxx - sx * sxy) / d;
}

double ViscHandler::GetViscAtTemp(double* visc, double* temps, double T, int npts) {
  if (npts < 1 || visc == nullptr || temps == nullptr) return kMissing;
  std::vector<double> y(at(npts));
  std::vector<double> x(at(npts));
  for (int j = 0; j < npts; ++j) {
    if (visc[j] == kMissing || temps[j] == kMissing || T == kMissing) return kMissing;
    y[at(j)] = qira::waltherOrdinate(visc[j]);
    x[at(j)] = qira::waltherAbscissa(temps[j]);
  }
  double slope = 0.0;
  double intercept = 0.0;
  GetLinearFit(y.data(), x.data(), npts, &slope, &intercept);
  return qira::waltherViscosity(slope * qira::waltherAbscissa(T) + intercept);
}

double ViscHandler::GetPentaneViscosityAtTemp(double T, bool kinematic) {
  double visc[2] = {m_PentaneVisc1, m_PentaneVisc2};
  double temps[2] = {kPentaneBoilingPoint, kPentaneHighTemperature};
  double nu = GetViscAtTemp(visc, temps, T, 2);
  if (nu < 0.0001) nu = 0.0001;
  return kinematic ? nu : nu * m_PentaneDensity / 1000;
}

bool ViscHandler::CurveFitViscosity(int npts, double temp, double* bps, double* viscs,
                                    double* out) {
  const int n = boundedCount(m_NumbComp);
  if (out == nullptr) return true;
  const int h = static_cast<int>(m_HypoBPs.size());
  // Values the interpolation does not reach stay missing.
  std::vector<double> values(at(h), kMissing);
  if (npts >= 1 && bps != nullptr && viscs != nullptr) {
    const bool keepFirst = bps[0] > kAnchorReplaceLimit;
    const int count = keepFirst ? npts + 1 : npts;
    std::vector<double> x(at(count));
    std::vector<double> y(at(count));
    x[0] = kPentaneBoilingPoint;
    y[0] = std::log(GetPentaneViscosityAtTemp(qira::celsiusToKelvin(temp), m_IsKinVisc) + 10);
    const int shift = keepFirst ? 1 : 0;  // curve point of knot j is j - shift
    for (int j = 1; j < count; ++j) {
      x[at(j)] = qira::celsiusToKelvin(bps[j - shift]);
      y[at(j)] = std::log(viscs[j - shift] + 10);
    }
    qira::monotoneSpline(count, x.data(), y.data(), h, m_HypoBPs.data(), values.data());
    for (double& v : values)
      if (v != kMissing) v = std::exp(v) - 10;
  }
  for (int i = 0; i < n; ++i) {
    const int p = valueAt(m_HypoIndex, i, kMissingIndex);
    out[i] = p == kMissingIndex ? kMissing : valueAt(values, p, kMissing);
  }
  return true;
}

bool ViscHandler::InitHypoCurves() {
  SetNumberOfHypoCurves();
  const int c = boundedCount(m_Ncurves);
  const int n = boundedCount(m_NumbComp);
  const int k = static_cast<int>(m_HypoViscCrvs.size());
  std::vector<double> out(at(n), kMissing);

  if (c >= 2) {
    const int curves = boundedCount(k, m_CurveBP, m_CurveVisc, m_CurveTemp, m_CurveNpts);
    for (int j = 0; j < curves; ++j) {
      std::vector<double>& bps = m_CurveBP[at(j)];
      std::vector<double>& viscs = m_CurveVisc[at(j)];
      const int m = completePoints(bps, viscs, m_CurveNpts[at(j)]);
      CurveFitViscosity(m, m_CurveTemp[at(j)], bps.data(), viscs.data(), out.data());
      m_HypoViscCrvs[at(j)] = out;
    }
    return false;
  }

  const bool fromCurve = c == 1 && !m_CurveBP.empty() && !m_CurveVisc.empty() &&
                         !m_CurveTemp.empty();
  double curveTemp = kMissing;
  if (fromCurve) {
    const int m = completePoints(m_CurveBP[0], m_CurveVisc[0], m_SingleCurveNpts);
    curveTemp = m_CurveTemp[0];
    CurveFitViscosity(m, curveTemp, m_CurveBP[0].data(), m_CurveVisc[0].data(), out.data());
  }
  for (int i = 0; i < n; ++i) {
    for (std::vector<double>& curve : m_HypoViscCrvs)
      if (inRange(curve, i)) curve[at(i)] = kMissing;
    const pc_comp_data* rec = qira::visc::record(*this, i);
    if (valueAt(m_HypoIndex, i, kMissingIndex) == kMissingIndex || rec == nullptr) continue;
    const double density = static_cast<double>(rec->LiqDen);
    const qira::ViscosityPair twu = twuEstimate(*rec);
    if (c == 1) {
      // Through the curve's value at its temperature, with the Twu estimate's slope on
      // the Walther line of offset 1.0.
      double nu1 = out[at(i)];
      if (nu1 == kMissing || !fromCurve) continue;
      if (!m_IsKinVisc) nu1 = out[at(i)] * 1000 / density;
      const double s = (qira::waltherUnitOrdinate(twu.nu100) - qira::waltherUnitOrdinate(twu.nu210)) /
                       (std::log(kTwuLowRankine) - std::log(kTwuHighRankine));
      const double x1 = qira::waltherAbscissa(qira::celsiusToKelvin(curveTemp));
      for (int j = 0; j < k; ++j) {
        const double xj = qira::waltherAbscissa(qira::celsiusToKelvin(m_HypoTempCrvs[at(j)]));
        const double nu = qira::waltherUnitViscosity((xj - x1) * s + qira::waltherUnitOrdinate(nu1));
        if (inRange(m_HypoViscCrvs[at(j)], i))
          m_HypoViscCrvs[at(j)][at(i)] = m_IsKinVisc ? nu : density * nu / 1000;
      }
    } else {
      // The Twu estimate's two points on the Walther line of GetViscAtTemp.
      double visc[2] = {twu.nu100, twu.nu210};
      double temps[2] = {kTwuLowKelvin, kTwuHighKelvin};
      for (int j = 0; j < k; ++j) {
        const double nu = GetViscAtTemp(visc, temps, qira::celsiusToKelvin(m_HypoTempCrvs[at(j)]), 2);
        if (nu != kMissing && inRange(m_HypoViscCrvs[at(j)], i))
          m_HypoViscCrvs[at(j)][at(i)] = m_IsKinVisc ? nu : density * nu / 1000;
      }
    }
  }
  return false;
}

void ViscHandler::GetHypoViscCrvsAndBP(double** curves, double* bps) {
  const int n = boundedCount(m_NumbComp, m_HypoIndex, m_DCompBPs);
  if (curves == nullptr || curves[0] == nullptr || bps == nullptr || n < 1) return;
  const int slots = boundedCount(m_NumbHypoComp);
  int o = 0;
  for (int i = 0; i < n && o < slots; ++i) {
    if (m_HypoIndex[at(i)] == kMissingIndex) continue;
    bps[o] = m_DCompBPs[at(i)];
    for (std::size_t j = 0; j < m_HypoViscCrvs.size(); ++j)
      if (curves[j] != nullptr)
        curves[j][o] = valueAt(m_HypoViscCrvs[j], i, kMissing);
    ++o;
  }
}
