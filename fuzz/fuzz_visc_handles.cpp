// The integer-handle interface of the viscosity handler, driven by a sequence of calls
// decoded from the input: create, delete, every setter, characterize and every getter, in
// any order, on live, deleted, never-created and nonsense handles, with indices in and
// out of range. Invariants: an unregistered handle gets the fixed result and nothing is
// written; the pointer getters hold the counts the header promises (AddressSanitizer
// reads every element); the copy of the hypo curves fits the documented sizes.
#include <cmath>
#include <vector>

#include "QIRAViscHandles.h"
#include "fuzz_common.h"

namespace {

constexpr int kMaxComponents = 40;

struct Session {
  std::vector<int> created;  // every handle made by this input, deleted ones included
  std::vector<bool> live;
};

int pickHandle(FuzzInput& in, const Session& s) {
  const uint8_t k = in.byte();
  if (k < 200 && !s.created.empty()) return s.created[k % s.created.size()];
  if (k < 215) return 0;
  if (k < 225) return -1;
  return in.integer(-2147483647 - 1, 2147483647);
}

bool isLive(const Session& s, int h) {
  for (size_t i = 0; i < s.created.size(); ++i)
    if (s.created[i] == h) return s.live[i];
  return false;
}

int pickIndex(FuzzInput& in, int h) {
  const int n = GetNumbComp(h);
  const uint8_t k = in.byte();
  if (k < 220 && n > 0) return in.integer(0, n - 1);
  if (k < 240) return in.integer(-3, (n > 0 ? n : 0) + 3);
  return in.integer(-2147483647 - 1, 2147483647);
}

float anyFloat(FuzzInput& in, double lo, double hi) {
  return static_cast<float>(in.number(lo, hi));
}

// Reads every element the pointer getters promise, and the hypo curves through the copy.
void readEverything(int h, bool live) {
  const int bulk = GetNumbBulkPts(h), hypoCurves = GetNHypoCurves(h),
            hypoComp = GetNumbHypoComp(h), comps = GetNumbComp(h);
  if (!live) {
    FUZZ_CHECK(bulk == -1 && hypoCurves == -1 && hypoComp == -1 && comps == -1);
    FUZZ_CHECK(!GetBulkTemp(h) && !GetBulkValues(h) && !GetCalcBulkValues(h) &&
               !GetHypoTempCrvs(h));
    FUZZ_CHECK(GetCpvVisc38(h, 0) == -1.0 && GetThetaA(h, 0) == -1.0 && IsHypo(h, 0) == -1);
    FUZZ_CHECK(!IsKinVisc(h) && !CharacterizeViscosity(h));
    FUZZ_CHECK(SetNumbComp(h, 3) == -1 && SetTc(h, 0, 500.0f) == -1);
    FUZZ_CHECK(LiquidViscosity(h, 40, 101.325, nullptr) == -1.0);
    FUZZ_CHECK(GetHypoViscCrvsAndBP(h, nullptr, nullptr) == -1);
    return;
  }
  FUZZ_CHECK(bulk >= 0 && hypoCurves >= 0 && hypoComp >= 0 && comps >= 0);
  double sink = 0;
  for (double* p : {GetBulkTemp(h), GetBulkValues(h), GetCalcBulkValues(h)})
    if (p)
      for (int i = 0; i < bulk; ++i) sink += p[i];
  if (double* p = GetHypoTempCrvs(h))
    for (int i = 0; i < hypoCurves; ++i) sink += p[i];
  for (int i = -1; i <= comps; ++i) {
    sink += GetCpvVisc38(h, i) + GetCpvVisc50(h, i) + GetCpvVisc60(h, i) + GetCpvVisc100(h, i);
    sink += GetThetaA(h, i) + GetThetaB(h, i) + IsHypo(h, i);
  }
  FUZZ_CHECK(GetCpvVisc38(h, comps) == -32767.0 && IsHypo(h, comps) == -32767);
  if (hypoCurves > 0 && hypoCurves <= 64 && hypoComp <= 4096) {
    std::vector<Exact<double>> rows;
    Exact<double*> curves(hypoCurves);
    for (int c = 0; c < hypoCurves; ++c) rows.emplace_back(hypoComp, kUntouched);
    for (int c = 0; c < hypoCurves; ++c) curves[c] = rows[c].get();
    Exact<double> bps(hypoComp, kUntouched);
    FUZZ_CHECK(GetHypoViscCrvsAndBP(h, curves.get(), bps.get()) == 1);
  }
  (void)sink;
}

void liquid(FuzzInput& in, int h, bool live) {
  const int n = GetNumbComp(h);
  Curve f = fractions(in, n > 0 ? n : 0);
  Exact<double> x(f.v);
  const double t = in.number(-20, 300), p = in.number(50, 5000);
  const double* xp = maybeNull(in, x);
  double r = 0;
  switch (in.byte() % 5) {
    case 0: r = LiquidViscosity(h, t, p, xp); break;
    case 1: r = LiquidKinematicViscosity(h, t, p, xp); break;
    case 2: r = LiquidMassDensity(h, t, p, xp); break;
    case 3: r = LiquidMolarDensity(h, t, p, xp); break;
    default: r = MolecularWeight(h, xp); break;
  }
  if (!live) FUZZ_CHECK(r == -1.0);
  if (live && !xp) FUZZ_CHECK(r == -32767.0);
}

void curves(FuzzInput& in, int h, bool live) {
  const int c = in.integer(-2, 6);
  if (in.flag()) SetNcurves(h, c);
  if (in.flag()) FUZZ_CHECK(InitializeMyCurves(h, c) == live);
  const int curve = in.integer(-2, 6), npts = in.integer(-2, 12);
  Curve bps = ascending(in, npts > 0 ? npts : 0, 30, 5, 80);
  std::vector<double> v(npts > 0 ? npts : 0);
  for (double& x : v) x = in.number(0.3, 2000);
  if (!v.empty() && in.byte() < 40) v.back() = -32767.0;
  Exact<double> b(bps.v), vs(v);
  FUZZ_CHECK(SetOneCurve(h, curve, npts, in.number(0, 150), maybeNull(in, b), vs.get()) == live);
}

void bulk(FuzzInput& in, int h) {
  const int n = in.byte() < 10 ? in.integer(-5, -1) : in.integer(0, 8);
  Curve t = ascending(in, n > 0 ? n : 0, 10, 5, 40);
  std::vector<double> v(n > 0 ? n : 0);
  for (double& x : v) x = in.number(0.5, 3000);
  if (!v.empty() && in.byte() < 40) v[in.integer(0, static_cast<int>(v.size()) - 1)] = -32767.0;
  Exact<double> ts(t.v), vs(v);
  FUZZ_CHECK(!SetMyBulkValues(h, n, maybeNull(in, ts), vs.get()));
}

void component(FuzzInput& in, int h, bool live) {
  const int i = pickIndex(in, h);
  int r = 0;
  switch (in.byte() % 16) {
    case 0: r = SetTc(h, i, anyFloat(in, 300, 1100)); break;
    case 1: r = SetPc(h, i, anyFloat(in, 500, 5000)); break;
    case 2: r = SetVc(h, i, anyFloat(in, 0.1, 3)); break;
    case 3: r = SetOmega(h, i, anyFloat(in, 0, 1.5)); break;
    case 4: r = SetMw(h, i, anyFloat(in, 30, 900)); break;
    case 5: r = SetBoil(h, i, anyFloat(in, 250, 1000)); break;
    case 6: r = SetLiqDen(h, i, anyFloat(in, 500, 1100)); break;
    case 7: r = SetWsrk(h, i, anyFloat(in, 0, 1.5)); break;
    case 8: r = SetVchar(h, i, anyFloat(in, 0.1, 3)); break;
    case 9: r = SetThetaA(h, i, anyFloat(in, -1, 1)); break;
    case 10: r = SetThetaB(h, i, anyFloat(in, -1, 1)); break;
    case 11: r = SetTypeHc(h, i, in.flag()); break;
    case 12: r = SetVsdata(h, i, anyFloat(in, 0, 1)); break;
    case 13: r = SetDCompBPs(h, i, in.number(250, 1000)); break;
    case 14: r = SetIsHypo(h, i, in.integer(-1, 2)); break;
    default: r = SetNumbHypoComp(h, in.integer(-2, GetNumbComp(h) + 2)); break;
  }
  FUZZ_CHECK(r == (live ? 1 : -1));
}

// A complete, plausible assay on handle h, so that characterizations get far.
void fillAssay(FuzzInput& in, int h) {
  const int n = in.integer(1, 12);
  SetNumbComp(h, n);
  int hypos = 0;
  for (int i = 0; i < n; ++i) {
    const double tb = 300 + 40 * i + in.number(0, 30);
    SetTc(h, i, static_cast<float>(tb * 1.4));
    SetPc(h, i, static_cast<float>(3500 - 150 * i));
    SetVc(h, i, static_cast<float>(0.3 + 0.1 * i));
    SetOmega(h, i, static_cast<float>(0.2 + 0.05 * i));
    SetMw(h, i, static_cast<float>(80 + 30 * i));
    SetBoil(h, i, static_cast<float>(tb));
    SetLiqDen(h, i, static_cast<float>(700 + 15 * i));
    SetWsrk(h, i, static_cast<float>(0.2 + 0.05 * i));
    SetVchar(h, i, static_cast<float>(0.3 + 0.1 * i));
    SetVsdata(h, i, static_cast<float>(1.0 / n));
    SetDCompBPs(h, i, tb);
    const int hypo = i >= n / 3 ? 1 : 0;
    hypos += hypo;
    SetIsHypo(h, i, hypo);
  }
  SetNumbHypoComp(h, in.flag() ? hypos : in.integer(0, n + 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  Session s;
  int characterizations = 0;
  for (int calls = 0; !in.empty() && calls < 64; ++calls) {
    const uint8_t op = in.byte() % 14;
    if (op == 0 || s.created.empty()) {
      if (s.created.size() >= 6) continue;
      const int h = CreateViscHandler();
      FUZZ_CHECK(h >= 1 && !isLive(s, h));
      for (int old : s.created) FUZZ_CHECK(h > old);
      s.created.push_back(h);
      s.live.push_back(true);
      continue;
    }
    const int h = pickHandle(in, s);
    const bool live = isLive(s, h);
    switch (op) {
      case 1:
        DeleteViscHandler(h);
        for (size_t i = 0; i < s.created.size(); ++i)
          if (s.created[i] == h) s.live[i] = false;
        break;
      case 2: {
        const int n = in.byte() < 10 ? in.integer(-3, -1) : in.integer(0, kMaxComponents);
        FUZZ_CHECK(SetNumbComp(h, n) == (live ? 1 : -1));
        if (live && n >= 0) FUZZ_CHECK(GetNumbComp(h) == n);
        break;
      }
      case 3:
      case 4: component(in, h, live); break;
      case 5: fillAssay(in, h); break;
      case 6: curves(in, h, live); break;
      case 7: bulk(in, h); break;
      case 8:
        if (characterizations++ < 4) FUZZ_CHECK(!CharacterizeViscosity(h));
        break;
      case 9: readEverything(h, live); break;
      case 10: liquid(in, h, live); break;
      case 11: FUZZ_CHECK(SetNcurves(h, in.integer(-2, 6)) == (live ? 1 : -1)); break;
      default: readEverything(h, live); break;
    }
  }
  for (size_t i = 0; i < s.created.size(); ++i)
    if (s.live[i]) DeleteViscHandler(s.created[i]);
  return 0;
}
