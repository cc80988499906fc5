// Results per hypothetical component: the two viscosity thetas of the crude-oil
// correlation fitted to its hypo-curve viscosities, and its kinematic viscosities (cSt)
// at 38, 50, 60 and 100 C, from the correlation with those thetas or read off the hypo
// curves along the Walther line.
#include <cstddef>
#include <vector>

#include "ViscHandler.h"
#include "frame/missing.h"
#include "frame/units.h"
#include "properties/viscosity_curve_fit.h"
#include "viscosity/visc_internal.h"

using qira::kMissing;
using namespace qira::visc;

namespace {

// The standard temperatures (single-precision values, C) with their result arrays.
struct StandardTemperature {
  float celsius;
  std::vector<double> ViscHandler::*result;
};

constexpr StandardTemperature kStandardTemperatures[4] = {
    {38.0f, &ViscHandler::m_CpvVisc38},
    {50.0f, &ViscHandler::m_CpvVisc50},
    {60.0f, &ViscHandler::m_CpvVisc60},
    {100.0f, &ViscHandler::m_CpvVisc100}};

bool standardArraysPresent(const ViscHandler& h) {
  for (const StandardTemperature& s : kStandardTemperatures)
    if ((h.*s.result).empty()) return false;
  return true;
}

double widen(float v) { return static_cast<double>(v); }

// What the standard viscosities of one call share: the density inputs of the records
// and a composition that holds one pure component at a time (1.0 at that component).
struct PureComponentEvaluation {
  qira::visc::DensityColumns columns;
  std::vector<double> e;
  explicit PureComponentEvaluation(const ViscHandler& h)
      : columns(qira::visc::densityColumns(h)), e(qira::visc::pureComponent(h.m_NumbComp, -1)) {}
};

// Kinematic viscosity (cSt) of component i alone at t (C) by the crude-oil correlation
// with its current thetas; missing when the correlation or the density gives none. The
// evaluation records hold the pure-component vector of component i afterwards.
double pureKinematicViscosity(ViscHandler& h, PureComponentEvaluation& w, int i, double t) {
  std::vector<double>& e = w.e;
  if (inRange(e, i)) e[at(i)] = 1.0;
  qira::visc::storeComposition(h, e);
  const int n = qira::visc::componentCount(h);
  const double rhom = qira::visc::molarDensity(w.columns, t, kCharacterizationPressure, e.data());
  const double mu = h.viscrude(n, qira::celsiusToKelvin(t), kCharacterizationPressure,
                               h.m_VsData.data(), rhom);
  // The mass density of the same composition, from the molar density just calculated.
  const double rho = qira::visc::massFromMolarDensity(rhom, h.MolecularWeight(e.data()));
  if (inRange(e, i)) e[at(i)] = 0.0;
  return qira::visc::kinematicFrom(mu, rho);
}

// The evaluation records hold the pure-component vector of component i afterwards.
std::vector<double> loadPureComponent(ViscHandler& h, int i) {
  std::vector<double> e = qira::visc::pureComponent(h.m_NumbComp, i);
  qira::visc::storeComposition(h, e);
  return e;
}

}  // namespace

bool ViscHandler::GenerateThetas(double** curves) {
  const int k = curves == nullptr
                    ? boundedCount(m_NHypoCurves, m_HypoTempCrvs, m_HypoViscCrvs)
                    : boundedCount(m_NHypoCurves, m_HypoTempCrvs);
  if (k < 2) return false;
  // Without curves of the caller, work on a copy of the hypo curves.
  std::vector<std::vector<double>> own;
  if (curves == nullptr) own = m_HypoViscCrvs;
  const int n = boundedCount(m_NumbComp, m_IsHypo, m_CompData, m_ThetaA, m_ThetaB);
  bool result = false;
  // The hypo temperatures (K), the same for every component, and one work array for the
  // viscosities each fit rewrites.
  std::vector<double> temp(at(k));
  for (int j = 0; j < k; ++j) temp[at(j)] = qira::celsiusToKelvin(m_HypoTempCrvs[at(j)]);
  std::vector<double> visc(at(k));
  for (int i = 0; i < n; ++i) {
    if (m_IsHypo[at(i)] == 0) continue;
    pc_comp_data* rec = m_CompData[at(i)].get();
    bool complete = rec != nullptr;
    for (int j = 0; j < k; ++j) {
      visc[at(j)] = curves != nullptr ? (curves[j] != nullptr ? curves[j][i] : kMissing)
                                      : valueAt(own[at(j)], i, kMissing);
      if (visc[at(j)] == kMissing) complete = false;
    }
    float thetaA = static_cast<float>(kMissing);
    float thetaB = static_cast<float>(kMissing);
    int ok = 0;
    // A component with a missing hypo value has nothing to fit: its thetas stay.
    if (complete) {
      const qira::ViscosityFitComponent c{widen(rec->Mw),    widen(rec->Tc),
                                          widen(rec->Pc),    widen(rec->Vc),
                                          widen(rec->Vchar), widen(rec->Wsrk),
                                          widen(rec->Omega)};
      ok = qira::fitViscosityThetas(m_IsKinVisc, false, kCharacterizationPressure, c, k,
                                    temp.data(), visc.data(), thetaA, thetaB);
    }
    result = ok != 0;
    if (widen(thetaA) != kMissing) {
      m_ThetaA[at(i)] = widen(thetaA);
      rec->ThetaA = thetaA;
    }
    if (widen(thetaB) != kMissing) {
      m_ThetaB[at(i)] = widen(thetaB);
      rec->ThetaB = thetaB;
    }
  }
  return result;
}

bool ViscHandler::GenerateStandardViscCurvesFromTheta() {
  if (!standardArraysPresent(*this)) return false;
  const std::vector<double> assay = qira::visc::storedComposition(*this);
  PureComponentEvaluation work(*this);
  for (const StandardTemperature& s : kStandardTemperatures) {
    std::vector<double>& result = this->*s.result;
    const int n = boundedCount(m_NumbComp, m_IsHypo, result);
    for (int i = 0; i < n; ++i)
      if (m_IsHypo[at(i)] != 0)
        result[at(i)] = pureKinematicViscosity(*this, work, i, widen(s.celsius));
  }
  qira::visc::storeComposition(*this, assay);
  return true;
}

bool ViscHandler::GenerateStandardViscCurvesRefutas() {
  if (!standardArraysPresent(*this)) return false;
  const std::vector<double> assay = qira::visc::storedComposition(*this);
  const int k = boundedCount(m_NHypoCurves, m_HypoViscCrvs, m_HypoTempCrvs);
  for (const StandardTemperature& s : kStandardTemperatures) {
    std::vector<double>& result = this->*s.result;
    const int n = boundedCount(m_NumbComp, m_IsHypo, result);
    for (int i = 0; i < n; ++i) {
      if (m_IsHypo[at(i)] == 0) continue;
      std::vector<double> nu(at(k));
      std::vector<double> temps(at(k));
      std::vector<double> e = loadPureComponent(*this, i);
      for (int j = 0; j < k; ++j) {
        const double tj = m_HypoTempCrvs[at(j)];
        double v = valueAt(m_HypoViscCrvs[at(j)], i, kMissing);
        // Dynamic data to kinematic; a missing value stays missing.
        if (!m_IsKinVisc && v != kMissing) {
          v = qira::visc::kinematicFrom(
              v, qira::visc::massDensity(*this, tj, kCharacterizationPressure, e));
        }
        nu[at(j)] = v;
        temps[at(j)] = qira::celsiusToKelvin(tj);
      }
      result[at(i)] =
          GetViscAtTemp(nu.data(), temps.data(), qira::celsiusToKelvin(widen(s.celsius)), k);
    }
  }
  qira::visc::storeComposition(*this, assay);
  return true;
}
