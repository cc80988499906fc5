// The integer-handle interface: a process-wide registry owning the viscosity handlers,
// handle numbering, and the plain exported functions that pass each call on to a handler.
#include "viscosity/handle_registry.h"

#include <climits>
#include <cmath>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "QIRAViscHandles.h"
#include "ViscHandler.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "viscosity/visc_internal.h"

using qira::kMissing;
using qira::visc::findHandler;

namespace {

// Handlers, newest first, and the last handle given out. Each slot keeps its handle
// beside the handler, so a lookup never reads a handler that another thread is using.
// Ownership is shared: a call that found a handler keeps it alive until the call
// returns, so deleting a handle while another thread is inside a call on it releases
// the handler only when that call is done. One mutex guards the slots and the counter,
// held only for a scan or an insertion, never during a handler's own work (a
// reader-writer lock would let a stream of lookups starve creation and deletion).
// The registry is released when the library is unloaded, handlers the host did not
// delete included; calls made after that (from a host's own exit-time code) find no
// handler.
struct Slot {
  int handle;
  std::shared_ptr<ViscHandler> handler;
};
struct Registry {
  std::mutex lock;
  std::vector<Slot> handlers;
  int lastHandle = 0;
  ~Registry();
};

bool registryReleased = false;
Registry registry;

Registry::~Registry() { registryReleased = true; }

using Lock = std::unique_lock<std::mutex>;

// Runs body on the handler bearing handle, or gives the unregistered result; failure is
// the result should anything inside throw.
template <typename R, typename Body>
R onHandler(int handle, R unregistered, R failure, Body&& body) {
  return qira::guarded(failure, [&]() -> R {
    const std::shared_ptr<ViscHandler> h = findHandler(handle);
    return h ? body(*h) : unregistered;
  });
}

// Setter shell: 1 for a found handle whatever was stored, -1 otherwise.
template <typename Body>
int onHandlerSetter(int handle, Body&& body) {
  return onHandler(handle, -1, 1, [&](ViscHandler& h) {
    body(h);
    return 1;
  });
}

// Liquid property shell: the failure value for a missing composition or a temperature
// or pressure that is not a number.
template <typename Body>
double onHandlerProperty(int handle, double t, double p, const double* x, Body&& body) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) {
    if (x == nullptr || !std::isfinite(t) || !std::isfinite(p)) return kMissing;
    return body(h, const_cast<double*>(x));
  });
}

}  // namespace

namespace qira {
namespace visc {

std::shared_ptr<ViscHandler> findHandler(int handle) {
  if (registryReleased) return nullptr;
  Lock lock(registry.lock);
  for (const Slot& s : registry.handlers)
    if (s.handle == handle) return s.handler;
  return nullptr;
}

int createHandler() {
  if (registryReleased) return -1;
  // Built outside the lock: construction allocates and need not hold up lookups.
  auto handler = std::make_shared<ViscHandler>();
  Lock lock(registry.lock);
  if (registry.lastHandle == INT_MAX) return -1;
  const int handle = registry.lastHandle + 1;
  handler->m_MyUniqueID = handle;
  registry.handlers.insert(registry.handlers.begin(), Slot{handle, std::move(handler)});
  registry.lastHandle = handle;  // only once the handler is in place
  return handle;
}

void deleteHandler(int handle) {
  if (registryReleased) return;
  std::shared_ptr<ViscHandler> released;  // destroyed after the lock is let go
  Lock lock(registry.lock);
  auto& v = registry.handlers;
  for (auto it = v.begin(); it != v.end(); ++it)
    if (it->handle == handle) {
      released = std::move(it->handler);
      v.erase(it);
      break;
    }
  lock.unlock();
}

int lastHandle() {
  Lock lock(registry.lock);
  return registry.lastHandle;
}

void advanceHandleCounter(int value) {
  Lock lock(registry.lock);
  if (value > registry.lastHandle) registry.lastHandle = value;
}

}  // namespace visc
}  // namespace qira

QIRA_C_BEGIN

QIRA_API int CreateViscHandler(void) {
  return qira::guarded(-1, [] { return qira::visc::createHandler(); });
}

QIRA_API void DeleteViscHandler(int handle) {
  qira::guardedVoid([&] { qira::visc::deleteHandler(handle); });
}

QIRA_API bool CharacterizeViscosity(int handle) {
  return onHandler(handle, false, false, [](ViscHandler& h) { return h.CharacterizeViscosity(); });
}

QIRA_API double* GetBulkTemp(int handle) {
  return onHandler<double*>(handle, nullptr, nullptr, [](ViscHandler& h) { return h.GetBulkTemp(); });
}

QIRA_API double* GetBulkValues(int handle) {
  return onHandler<double*>(handle, nullptr, nullptr, [](ViscHandler& h) { return h.GetBulkValues(); });
}

QIRA_API double* GetCalcBulkValues(int handle) {
  return onHandler<double*>(handle, nullptr, nullptr,
                            [](ViscHandler& h) { return h.GetCalcBulkValues(); });
}

QIRA_API double* GetHypoTempCrvs(int handle) {
  return onHandler<double*>(handle, nullptr, nullptr,
                            [](ViscHandler& h) { return h.GetHypoTempCrvs(); });
}

QIRA_API double GetCpvVisc38(int handle, int i) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) { return h.GetCpvVisc38(i); });
}

QIRA_API double GetCpvVisc50(int handle, int i) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) { return h.GetCpvVisc50(i); });
}

QIRA_API double GetCpvVisc60(int handle, int i) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) { return h.GetCpvVisc60(i); });
}

QIRA_API double GetCpvVisc100(int handle, int i) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) { return h.GetCpvVisc100(i); });
}

// The thetas of the component's property record (not the fitted-theta arrays).
QIRA_API double GetThetaA(int handle, int i) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) { return h.GetQiraThetaA(i); });
}

QIRA_API double GetThetaB(int handle, int i) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) { return h.GetQiraThetaB(i); });
}

QIRA_API int GetNHypoCurves(int handle) {
  return onHandler(handle, -1, -1, [](ViscHandler& h) { return h.GetNHypoCurves(); });
}

QIRA_API int GetNumbBulkPts(int handle) {
  return onHandler(handle, -1, -1, [](ViscHandler& h) { return h.GetNumbBulkPts(); });
}

QIRA_API int GetNumbComp(int handle) {
  return onHandler(handle, -1, -1, [](ViscHandler& h) { return h.GetNumbComp(); });
}

QIRA_API int GetNumbHypoComp(int handle) {
  return onHandler(handle, -1, -1, [](ViscHandler& h) { return h.GetNumbHypoComp(); });
}

QIRA_API int IsHypo(int handle, int i) {
  return onHandler(handle, -1, qira::kMissingIndex, [&](ViscHandler& h) { return h.IsHypo(i); });
}

QIRA_API bool IsKinVisc(int handle) {
  return onHandler(handle, false, false, [](ViscHandler& h) { return h.IsKinVisc(); });
}

QIRA_API int GetHypoViscCrvsAndBP(int handle, double** curves, double* bps) {
  return onHandlerSetter(handle, [&](ViscHandler& h) {
    if (curves == nullptr || bps == nullptr) return;
    // Every one of the hypo curves needs an output array.
    for (int j = 0; j < h.m_NHypoCurves || j == 0; ++j)
      if (curves[j] == nullptr) return;
    h.GetHypoViscCrvsAndBP(curves, bps);
  });
}

QIRA_API bool InitializeMyCurves(int handle, int n) {
  return onHandler(handle, false, true, [&](ViscHandler& h) {
    if (n >= 0) h.InitializeMyCurves(n);
    return true;
  });
}

QIRA_API bool SetOneCurve(int handle, int curve, int npts, double temp, const double* bps,
                          const double* viscs) {
  return onHandler(handle, false, true, [&](ViscHandler& h) {
    const bool slot = qira::visc::inRange(h.m_CurveVisc, curve) &&
                      qira::visc::inRange(h.m_CurveBP, curve) &&
                      qira::visc::inRange(h.m_CurveTemp, curve) &&
                      qira::visc::inRange(h.m_CurveNpts, curve);
    if (slot && npts >= 1 && bps != nullptr && viscs != nullptr)
      h.SetOneCurve(curve, npts, temp, const_cast<double*>(bps), const_cast<double*>(viscs));
    return true;
  });
}

QIRA_API bool SetMyBulkValues(int handle, int n, const double* temps, const double* values) {
  return onHandler(handle, false, false, [&](ViscHandler& h) {
    return h.SetMyBulkValues(n, const_cast<double*>(temps), const_cast<double*>(values));
  });
}

QIRA_API double LiquidViscosity(int handle, double t, double p, const double* x) {
  return onHandlerProperty(handle, t, p, x,
                         [&](ViscHandler& h, double* c) { return h.LiquidViscosity(t, p, c); });
}

QIRA_API double LiquidKinematicViscosity(int handle, double t, double p, const double* x) {
  return onHandlerProperty(handle, t, p, x, [&](ViscHandler& h, double* c) {
    return h.LiquidKinematicViscosity(t, p, c);
  });
}

QIRA_API double LiquidMassDensity(int handle, double t, double p, const double* x) {
  return onHandlerProperty(handle, t, p, x,
                         [&](ViscHandler& h, double* c) { return h.LiquidMassDensity(t, p, c); });
}

QIRA_API double LiquidMolarDensity(int handle, double t, double p, const double* x) {
  return onHandlerProperty(handle, t, p, x,
                         [&](ViscHandler& h, double* c) { return h.LiquidMolarDensity(t, p, c); });
}

QIRA_API double MolecularWeight(int handle, const double* x) {
  return onHandler(handle, -1.0, kMissing, [&](ViscHandler& h) {
    return x ? h.MolecularWeight(const_cast<double*>(x)) : kMissing;
  });
}

QIRA_API int SetNumbComp(int handle, int n) {
  return onHandlerSetter(handle, [&](ViscHandler& h) {
    if (n >= 0) h.SetNumbComp(n);
  });
}

QIRA_API int SetNumbHypoComp(int handle, int n) {
  return onHandlerSetter(handle, [&](ViscHandler& h) {
    if (n >= 0) h.SetNumbHypoComp(n);
  });
}

QIRA_API int SetNcurves(int handle, int n) {
  return onHandlerSetter(handle, [&](ViscHandler& h) {
    if (n >= 0) h.SetNcurves(n);
  });
}

QIRA_API int SetDCompBPs(int handle, int i, double value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetDCompBPs(i, value); });
}

QIRA_API int SetIsHypo(int handle, int i, int value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetIsHypo(i, value); });
}

QIRA_API int SetVsdata(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetVsdata(i, value); });
}

QIRA_API int SetTypeHc(int handle, int i, bool value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetTypeHc(i, value); });
}

QIRA_API int SetTc(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetTc(i, value); });
}

QIRA_API int SetPc(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetPc(i, value); });
}

QIRA_API int SetVc(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetVc(i, value); });
}

QIRA_API int SetOmega(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetOmega(i, value); });
}

QIRA_API int SetMw(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetMw(i, value); });
}

QIRA_API int SetBoil(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetBoil(i, value); });
}

QIRA_API int SetLiqDen(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetLiqDen(i, value); });
}

QIRA_API int SetWsrk(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetWsrk(i, value); });
}

QIRA_API int SetVchar(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetVchar(i, value); });
}

QIRA_API int SetThetaA(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetThetaA(i, value); });
}

QIRA_API int SetThetaB(int handle, int i, float value) {
  return onHandlerSetter(handle, [&](ViscHandler& h) { h.SetThetaB(i, value); });
}

QIRA_C_END
