// Liquid properties of a mixture of the handler's components: COSTALD molar and mass
// density, molecular weight, dynamic and kinematic viscosity by the crude-oil
// correlation, and the conversions between dynamic and kinematic viscosity.
// Temperatures in degrees Celsius, pressures in kPa, x: one mole fraction per component.
// Without a composition (x null) every property is the missing value.
#include <vector>

#include "ViscHandler.h"
#include "frame/missing.h"
#include "frame/units.h"
#include "properties/liquid_density.h"
#include "viscosity/visc_internal.h"

using qira::kMissing;
using qira::visc::componentCount;
using qira::visc::kinematicFrom;

namespace {

// One property of every component's record, widened to double (0.0 without a record).
std::vector<double> recordColumn(const ViscHandler& h, int n, float pc_comp_data::*field) {
  std::vector<double> v(static_cast<std::size_t>(n), 0.0);
  for (int i = 0; i < n; ++i)
    if (const pc_comp_data* rec = h.m_CompData[static_cast<std::size_t>(i)].get())
      v[static_cast<std::size_t>(i)] = static_cast<double>(rec->*field);
  return v;
}

// Copies the n mole fractions into the evaluation records.
void loadComposition(ViscHandler& h, int n, const double* x) {
  for (int i = 0; i < n; ++i) h.m_VsData[static_cast<std::size_t>(i)].x = x[i];
}

}  // namespace

namespace qira {
namespace visc {

DensityColumns densityColumns(const ViscHandler& h) {
  const int n = boundedCount(h.m_NumbComp, h.m_CompData);
  return {recordColumn(h, n, &pc_comp_data::Tc), recordColumn(h, n, &pc_comp_data::Pc),
          recordColumn(h, n, &pc_comp_data::Vchar), recordColumn(h, n, &pc_comp_data::Wsrk)};
}

double molarDensity(const DensityColumns& c, double t, double p, const double* x) {
  // The SRK acentric factor serves as every component's acentric factor.
  return costaldMixtureDensity(static_cast<int>(c.tc.size()), celsiusToKelvin(t), p, x,
                               c.tc.data(), c.pc.data(), c.vchar.data(), c.wsrk.data());
}

}  // namespace visc
}  // namespace qira

double ViscHandler::LiquidMolarDensity(double t, double p, double* x) {
  if (x == nullptr) return kMissing;
  return qira::visc::molarDensity(qira::visc::densityColumns(*this), t, p, x);
}

double ViscHandler::MolecularWeight(double* x) {
  if (x == nullptr) return kMissing;
  const int n = qira::visc::boundedCount(m_NumbComp, m_CompData);
  double mw = 0.0;
  for (int i = 0; i < n; ++i)
    if (const pc_comp_data* rec = m_CompData[static_cast<std::size_t>(i)].get())
      mw += x[i] * static_cast<double>(rec->Mw);
  return mw;
}

double ViscHandler::LiquidMassDensity(double t, double p, double* x) {
  const double rhom = LiquidMolarDensity(t, p, x);
  return qira::visc::massFromMolarDensity(rhom, MolecularWeight(x));
}

double ViscHandler::LiquidViscosity(double t, double p, double* x) {
  if (x == nullptr) return kMissing;
  const int n = componentCount(*this);
  loadComposition(*this, n, x);
  const double rhom = LiquidMolarDensity(t, p, x);
  return viscrude(n, qira::celsiusToKelvin(t), p, m_VsData.data(), rhom);
}

double ViscHandler::LiquidKinematicViscosity(double t, double p, double* x) {
  if (x == nullptr) return kMissing;
  const int n = componentCount(*this);
  loadComposition(*this, n, x);
  const double rhom = LiquidMolarDensity(t, p, x);
  const double mu = viscrude(n, qira::celsiusToKelvin(t), p, m_VsData.data(), rhom);
  // The mass density from the molar density just calculated, as LiquidMassDensity forms it.
  return kinematicFrom(mu, qira::visc::massFromMolarDensity(rhom, MolecularWeight(x)));
}

void ViscHandler::ConvertToDynamicVisc(double kinematic, double& dynamic, double density) {
  dynamic = kinematic * density / 1000;
}

void ViscHandler::ConvertToKinematicVisc(double& kinematic, double dynamic, double density) {
  kinematic = dynamic * 1000 / density;
}
