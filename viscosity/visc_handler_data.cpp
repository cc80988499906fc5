// ViscHandler data model: construction defaults, per-component storage, deep copies and
// the plain setters and getters.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "ViscHandler.h"
#include "frame/missing.h"
#include "viscosity/visc_internal.h"

using qira::kMissing;
using qira::kMissingIndex;
using namespace qira::visc;

ViscHandler::ViscHandler()
    : m_CrudeConst{},
      m_IsKinVisc(false),
      m_UseRefutas(false),
      m_IsKorumProp(false),
      m_NumbBulkPts(0),
      m_Ncurves(0),
      m_SingleCurveNpts(0),
      m_NHypoCurves(0),
      m_NumbHypoComp(0),
      m_NumbComp(0),
      m_MaxIter(50),
      m_RefutasA(33.468),
      m_RefutasB(23.097),
      m_RefutasC(0.8),
      m_PentaneVisc1(2.296),
      m_PentaneVisc2(0.2307),
      m_PentaneDensity(629.729),
      m_MyUniqueID(-1) {
  initvisc();
}

ViscHandler::~ViscHandler() = default;

namespace {

// Every field of the handler but its property records (m_CompData), in declared order:
// f(mine, theirs) for each pair of corresponding fields of a and b. The records are
// owned through pointers and a copy must duplicate and relink them, so the copy
// constructor and the assignment handle them themselves.
template <typename A, typename B, typename F>
void forEachPlainField(A& a, B& b, F&& f) {
  f(a.m_CrudeConst, b.m_CrudeConst);
  f(a.m_IsKinVisc, b.m_IsKinVisc);
  f(a.m_UseRefutas, b.m_UseRefutas);
  f(a.m_IsKorumProp, b.m_IsKorumProp);
  f(a.m_CalcBulkValues, b.m_CalcBulkValues);
  f(a.m_BulkValues, b.m_BulkValues);
  f(a.m_BulkTemp, b.m_BulkTemp);
  f(a.m_NumbBulkPts, b.m_NumbBulkPts);
  f(a.m_CurveVisc, b.m_CurveVisc);
  f(a.m_CurveBP, b.m_CurveBP);
  f(a.m_CurveTemp, b.m_CurveTemp);
  f(a.m_CurveNpts, b.m_CurveNpts);
  f(a.m_Ncurves, b.m_Ncurves);
  f(a.m_SingleCurveNpts, b.m_SingleCurveNpts);
  f(a.m_HypoTempCrvs, b.m_HypoTempCrvs);
  f(a.m_HypoViscCrvs, b.m_HypoViscCrvs);
  f(a.m_NHypoCurves, b.m_NHypoCurves);
  f(a.m_DCompBPs, b.m_DCompBPs);
  f(a.m_HypoBPs, b.m_HypoBPs);
  f(a.m_HypoIndex, b.m_HypoIndex);
  f(a.m_NumbHypoComp, b.m_NumbHypoComp);
  f(a.m_NumbComp, b.m_NumbComp);
  f(a.m_VsData, b.m_VsData);
  f(a.m_MaxIter, b.m_MaxIter);
  f(a.m_RefutasA, b.m_RefutasA);
  f(a.m_RefutasB, b.m_RefutasB);
  f(a.m_RefutasC, b.m_RefutasC);
  f(a.m_PentaneVisc1, b.m_PentaneVisc1);
  f(a.m_PentaneVisc2, b.m_PentaneVisc2);
  f(a.m_PentaneDensity, b.m_PentaneDensity);
  f(a.m_CpvVisc38, b.m_CpvVisc38);
  f(a.m_CpvVisc50, b.m_CpvVisc50);
  f(a.m_CpvVisc60, b.m_CpvVisc60);
  f(a.m_CpvVisc100, b.m_CpvVisc100);
  f(a.m_ThetaA, b.m_ThetaA);
  f(a.m_ThetaB, b.m_ThetaB);
  f(a.m_IsHypo, b.m_IsHypo);
  f(a.m_MyUniqueID, b.m_MyUniqueID);
}

// One field copied, or taken over from a copy that is discarded afterwards.
template <typename T>
void copyField(T& mine, const T& theirs) { mine = theirs; }
template <typename T, std::size_t N>
void copyField(T (&mine)[N], const T (&theirs)[N]) { std::copy(theirs, theirs + N, mine); }
template <typename T>
void takeField(T& mine, T& theirs) { mine = std::move(theirs); }
template <typename T, std::size_t N>
void takeField(T (&mine)[N], T (&theirs)[N]) { std::copy(theirs, theirs + N, mine); }

}  // namespace

ViscHandler::ViscHandler(const ViscHandler& other) {
  forEachPlainField(*this, other, [](auto& mine, const auto& theirs) { copyField(mine, theirs); });
  // Own copies of the property records, and evaluation records linked to them: a link
  // to the source's record k becomes a link to this handler's record k.
  m_CompData.reserve(other.m_CompData.size());
  for (const auto& rec : other.m_CompData)
    m_CompData.push_back(rec ? std::make_unique<pc_comp_data>(*rec) : nullptr);
  for (pc_vs_data& vs : m_VsData) {
    pc_comp_data* linked = nullptr;
    for (std::size_t k = 0; k < other.m_CompData.size(); ++k)
      if (vs.Comp != nullptr && other.m_CompData[k].get() == vs.Comp) {
        linked = m_CompData[k].get();
        break;
      }
    vs.Comp = linked;
  }
}

ViscHandler& ViscHandler::operator=(const ViscHandler& other) {
  if (this != &other) {
    ViscHandler copy(other);
    // Field-wise move of the finished copy; the records keep their addresses, so the
    // evaluation records stay linked to the records this handler now owns.
    forEachPlainField(*this, copy, [](auto& mine, auto& theirs) { takeField(mine, theirs); });
    m_CompData = std::move(copy.m_CompData);
  }
  return *this;
}

// Releases every per-component array and record and allocates them afresh for
// m_NumbComp components (none for a count below 1). Values nobody has written yet start
// defined: standard viscosities, thetas and boiling points at the missing-value marker,
// hypo positions at the missing index, hypothetical flags at -1, records and mole
// fractions at 0 with no record link. m_HypoBPs is left absent.
void ViscHandler::AllocateMemory() {
  const std::size_t n = static_cast<std::size_t>(m_NumbComp > 0 ? m_NumbComp : 0);
  m_CompData.clear();
  m_CompData.reserve(n);
  for (std::size_t i = 0; i < n; ++i) m_CompData.push_back(std::make_unique<pc_comp_data>());
  m_VsData.assign(n, pc_vs_data{});
  m_CpvVisc38.assign(n, kMissing);
  m_CpvVisc50.assign(n, kMissing);
  m_CpvVisc60.assign(n, kMissing);
  m_CpvVisc100.assign(n, kMissing);
  m_ThetaA.assign(n, kMissing);
  m_ThetaB.assign(n, kMissing);
  m_IsHypo.assign(n, -1);
  m_HypoIndex.assign(n, kMissingIndex);
  m_DCompBPs.assign(n, kMissing);
  m_HypoBPs.clear();
  m_HypoBPs.shrink_to_fit();
}

void ViscHandler::SetNumbComp(int n) {
  m_NumbComp = n;
  AllocateMemory();
}

void ViscHandler::SetNumbHypoComp(int h) {
  m_NumbHypoComp = h;
  m_HypoBPs.assign(static_cast<std::size_t>(h > 0 ? h : 0), kMissing);
}

void ViscHandler::SetNcurves(int c) { m_Ncurves = c; }
void ViscHandler::SetMaxIter(int maxIter) { m_MaxIter = maxIter; }
void ViscHandler::SetMyUniqueID(int id) { m_MyUniqueID = id; }
int ViscHandler::GetMyUniqueID() { return m_MyUniqueID; }
void ViscHandler::SetRefutasA(double a) { m_RefutasA = a; }
void ViscHandler::SetRefutasB(double b) { m_RefutasB = b; }
void ViscHandler::SetRefutasC(double c) { m_RefutasC = c; }
void ViscHandler::SetUseRefutas(bool use) { m_UseRefutas = use; }
void ViscHandler::SetViscosityType(bool kinematic) { m_IsKinVisc = kinematic; }
bool ViscHandler::IsKinVisc() { return m_IsKinVisc; }
void ViscHandler::SetIsKorumProp(bool korum) { m_IsKorumProp = korum; }

void ViscHandler::SetDCompBPs(int i, double kelvin) {
  if (inRange(m_DCompBPs, i)) m_DCompBPs[static_cast<std::size_t>(i)] = kelvin;
}

void ViscHandler::SetIsHypo(int i, int flag) {
  if (inRange(m_IsHypo, i)) m_IsHypo[static_cast<std::size_t>(i)] = flag;
}

int ViscHandler::IsHypo(int i) { return valueAt(m_IsHypo, i, kMissingIndex); }

namespace {

// Stores v into one float field of component i's record, when the record exists.
void setRecordField(ViscHandler& h, int i, float pc_comp_data::*field, float v) {
  if (pc_comp_data* rec = record(h, i)) rec->*field = v;
}

}  // namespace

void ViscHandler::SetTc(int i, float v) { setRecordField(*this, i, &pc_comp_data::Tc, v); }
void ViscHandler::SetPc(int i, float v) { setRecordField(*this, i, &pc_comp_data::Pc, v); }
void ViscHandler::SetVc(int i, float v) { setRecordField(*this, i, &pc_comp_data::Vc, v); }
void ViscHandler::SetOmega(int i, float v) { setRecordField(*this, i, &pc_comp_data::Omega, v); }
void ViscHandler::SetMw(int i, float v) { setRecordField(*this, i, &pc_comp_data::Mw, v); }
void ViscHandler::SetBoil(int i, float v) { setRecordField(*this, i, &pc_comp_data::Boil, v); }
void ViscHandler::SetLiqDen(int i, float v) { setRecordField(*this, i, &pc_comp_data::LiqDen, v); }
void ViscHandler::SetWsrk(int i, float v) { setRecordField(*this, i, &pc_comp_data::Wsrk, v); }
void ViscHandler::SetVchar(int i, float v) { setRecordField(*this, i, &pc_comp_data::Vchar, v); }
void ViscHandler::SetThetaA(int i, float v) { setRecordField(*this, i, &pc_comp_data::ThetaA, v); }
void ViscHandler::SetThetaB(int i, float v) { setRecordField(*this, i, &pc_comp_data::ThetaB, v); }

void ViscHandler::SetTypeHc(int i, bool hydrocarbon) {
  if (pc_comp_data* rec = record(*this, i))
    rec->TypeFlags = (rec->TypeFlags & ~std::uint32_t{1}) | (hydrocarbon ? 1u : 0u);
}

void ViscHandler::SetVsdata(int i, float moleFraction) {
  if (!inRange(m_VsData, i)) return;
  pc_vs_data& vs = m_VsData[static_cast<std::size_t>(i)];
  vs.x = static_cast<double>(moleFraction);
  vs.Comp = record(*this, i);
  vs.Extra1 = 0.0;
  vs.Extra2 = 0.0;
}

double ViscHandler::GetQiraThetaA(int i) {
  const pc_comp_data* rec = record(*this, i);
  return rec ? static_cast<double>(rec->ThetaA) : kMissing;
}

double ViscHandler::GetQiraThetaB(int i) {
  const pc_comp_data* rec = record(*this, i);
  return rec ? static_cast<double>(rec->ThetaB) : kMissing;
}

double ViscHandler::GetThetaA(int i) { return valueAt(m_ThetaA, i, kMissing); }
double ViscHandler::GetThetaB(int i) { return valueAt(m_ThetaB, i, kMissing); }
double ViscHandler::GetCpvVisc38(int i) { return valueAt(m_CpvVisc38, i, kMissing); }
double ViscHandler::GetCpvVisc50(int i) { return valueAt(m_CpvVisc50, i, kMissing); }
double ViscHandler::GetCpvVisc60(int i) { return valueAt(m_CpvVisc60, i, kMissing); }
double ViscHandler::GetCpvVisc100(int i) { return valueAt(m_CpvVisc100, i, kMissing); }

namespace {

// The array's storage, or null for an absent (empty) array.
double* storageOf(std::vector<double>& v) { return v.empty() ? nullptr : v.data(); }

}  // namespace

double* ViscHandler::GetCpvVisc38() { return storageOf(m_CpvVisc38); }
double* ViscHandler::GetCpvVisc50() { return storageOf(m_CpvVisc50); }
double* ViscHandler::GetCpvVisc60() { return storageOf(m_CpvVisc60); }
double* ViscHandler::GetCpvVisc100() { return storageOf(m_CpvVisc100); }
double* ViscHandler::GetBulkTemp() { return storageOf(m_BulkTemp); }
double* ViscHandler::GetBulkValues() { return storageOf(m_BulkValues); }
double* ViscHandler::GetCalcBulkValues() { return storageOf(m_CalcBulkValues); }
double* ViscHandler::GetHypoTempCrvs() { return storageOf(m_HypoTempCrvs); }

int ViscHandler::GetNumbBulkPts() { return m_NumbBulkPts; }
int ViscHandler::GetNcurves() { return m_Ncurves; }
int ViscHandler::GetNHypoCurves() { return m_NHypoCurves; }
int ViscHandler::GetNumbComp() { return m_NumbComp; }
int ViscHandler::GetNumbHypoComp() { return m_NumbHypoComp; }
