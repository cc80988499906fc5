// Crude-oil viscosity correlation: a corresponding-states model with methane as the
// reference fluid. Each component maps onto methane by a temperature factor f (carrying
// the component's two viscosity thetas) and a volume factor h; the mixture's factors come
// from mixing rules and an iteration tying h to the mixture's molar density.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "ViscHandler.h"
#include "frame/missing.h"
#include "properties/liquid_density.h"
#include "viscosity/visc_internal.h"

namespace {

// Reference-fluid constants, in index order: methane critical data, the first-density
// term A, B, C, F, the dense-fluid constants j1..j7, the critical mass density and the
// dilute-gas coefficients G1..G9. Entries 1, 3, 4 and 27..34 are kept for completeness
// and read by nothing.
constexpr double kReferenceConstants[35] = {
    190.555,     45.387,       0.283742,    10.23,        0.01131,     16.043,
    1.69698592,  -0.133372346, 1.4,         168.0,        -10.2391604, 174.227229,
    17.4605456,  -2847.63282,  0.133685021, 142.072397,   5002.06697,  0.1628,
    2907741.3,   -3312874.0,   1608101.8,   -433190.48,   70624.813,   -7116.6207,
    432.51744,   -14.459112,   0.20371194,  0.090569,     -0.862762,   0.316636,
    -0.46568,    0.394901,     -1.023545,   -0.932813,    -0.754639};

}  // namespace

void ViscHandler::initvisc() {
  for (int i = 0; i < 35; ++i) m_CrudeConst[i] = kReferenceConstants[i];
}

double ViscHandler::cbrt(double x) {
  const double r = std::pow(std::fabs(x), 1.0 / 3.0);
  return x < 0 ? -r : r;
}

namespace {

using qira::visc::kCountingFraction;

// A record counts in the mixture when its mole fraction exceeds 1e-7 and it is linked to
// its property record.
bool counts(const pc_vs_data& r) { return r.x > kCountingFraction && r.Comp != nullptr; }

double widen(float v) { return static_cast<double>(v); }

// Rounds a double to single precision and back.
double toSingle(double v) { return static_cast<double>(static_cast<float>(v)); }

// Step 1: per-component temperature factor (its square root into SqrtF) and volume
// factor (its cube root into CbrtH) against the methane reference.
void componentFactors(const std::vector<int>& idx, double T, double P, pc_vs_data* recs,
                      double tc0) {
  for (int i : idx) {
    pc_vs_data& r = recs[i];
    const pc_comp_data& c = *r.Comp;
    const double tc = widen(c.Tc);
    const double tr = T / tc;
    const double rho = qira::costaldCompressedDensity(T, P, tc, widen(c.Pc), widen(c.Vchar),
                                                      widen(c.Wsrk), widen(c.Omega));
    const double theta = std::exp(widen(c.ThetaA) + widen(c.ThetaB) * std::log(tr));
    const double f = theta * tc / tc0;
    r.SqrtF = std::sqrt(f);
    const double rho0 = toSingle(qira::methaneSaturatedDensity(tr / theta));
    r.CbrtH = ViscHandler::cbrt(rho0 / rho);
  }
}

struct MixtureFactors {
  double fx = 1.0;
  double hx = 1.0;
};

// Step 2: the mixture's temperature and volume factors, iterated with the rescaling of
// every component's volume factor to the mixture's molar density rhom.
MixtureFactors mixtureFactors(const std::vector<int>& idx, double T, pc_vs_data* recs,
                              double rhom, double tc0) {
  MixtureFactors m;
  for (int pass = 0; pass < 15; ++pass) {
    const double fPrev = m.fx;
    const double hPrev = m.hx;
    double hx = 0.0;
    double fh = 0.0;
    for (int i : idx)
      for (int j : idx) {
        const double b = recs[i].CbrtH + recs[j].CbrtH;
        const double b3 = b * b * b;
        hx += recs[i].x * recs[j].x * b3 / 8;
        fh += recs[i].x * recs[j].x * recs[i].SqrtF * recs[j].SqrtF * b3 / 8;
      }
    m.hx = hx;
    m.fx = fh / hx;
    const double r = toSingle(qira::methaneSaturatedDensity(T / m.fx / tc0) / rhom) / m.hx;
    const double scale = ViscHandler::cbrt(r);
    for (int i : idx) recs[i].CbrtH *= scale;
    if (std::fabs(m.fx / fPrev - 1) <= 1e-5 && std::fabs(m.hx / hPrev - 1) <= 1e-5) break;
  }
  return m;
}

struct MixingSums {
  double Q = 0.0;
  double S = 0.0;
  double Zcx = 0.0;
};

// Step 3: the sums behind the temperature-derivative term, the mixture molecular weight
// and the mixture critical compressibility.
// The two roots of a pair's mixing term, sqrt(mu_ij / f_ij) and h_ij^(1/3). Every
// operand is symmetric in i and j, so the pair (j, i) has exactly the values of (i, j)
// and each pair's roots are taken once per call. Both roots of a pair sit side by side
// in one work array, so a row of the sums reads it in order.
struct PairRoots {
  std::size_t count;
  std::vector<double> roots;
  PairRoots(const std::vector<int>& idx, const pc_vs_data* recs)
      : count(idx.size()), roots(2 * count * count) {
    for (std::size_t a = 0; a < count; ++a) {
      const pc_vs_data& ri = recs[idx[a]];
      for (std::size_t b = a; b < count; ++b) {
        const pc_vs_data& rj = recs[idx[b]];
        const double half = (ri.CbrtH + rj.CbrtH) / 2;
        const double hij = half * half * half;
        const double fij = ri.SqrtF * rj.SqrtF;
        const float muij = ri.Comp->Mw * rj.Comp->Mw / (ri.Comp->Mw + rj.Comp->Mw);
        const double root = std::sqrt(widen(muij) / fij);
        const double cube = ViscHandler::cbrt(hij);
        roots[2 * (a * count + b)] = roots[2 * (b * count + a)] = root;
        roots[2 * (a * count + b) + 1] = roots[2 * (b * count + a) + 1] = cube;
      }
    }
  }
  double sqrtMuOverF(std::size_t a, std::size_t b) const { return roots[2 * (a * count + b)]; }
  double cbrtH(std::size_t a, std::size_t b) const { return roots[2 * (a * count + b) + 1]; }
};

MixingSums mixingSums(const std::vector<int>& idx, const pc_vs_data* recs,
                      const MixtureFactors& m) {
  MixingSums s;
  const PairRoots roots(idx, recs);
  const std::size_t count = idx.size();
  for (std::size_t a = 0; a < count; ++a) {
    const int i = idx[a];
    const pc_comp_data& ci = *recs[i].Comp;
    double p = 0.0;
    double si = 0.0;
    for (std::size_t c = 0; c < count; ++c) {
      const int j = idx[c];
      const double b = (recs[i].CbrtH + recs[j].CbrtH) / 2;
      const double hij = b * b * b;
      const double fij = recs[i].SqrtF * recs[j].SqrtF;
      p += recs[j].x * fij * hij;
      si += recs[j].x * fij * hij * roots.sqrtMuOverF(a, c) * roots.cbrtH(a, c);
    }
    double d = 1 - widen(ci.ThetaB);
    if (std::fabs(1 - widen(ci.ThetaB)) < 1e-8) d = 1e-8;
    s.Q += recs[i].x * p / (d * m.hx * m.fx);
    s.S += recs[i].x * si;
    s.Zcx += recs[i].x * widen(ci.Pc) * widen(ci.Vc) / (widen(ci.Tc) * qira::kGasConstant1976);
  }
  return s;
}

}  // namespace

double ViscHandler::viscrude(int n, double T, double P, pc_vs_data* recs, double rhom) {
  if (recs == nullptr) return qira::kMissing;
  std::vector<int> idx;
  for (int i = 0; i < n; ++i)
    if (counts(recs[i])) idx.push_back(i);
  // Without a counting component or a liquid density the mixing rules have nothing to
  // scale: no viscosity.
  if (idx.empty() || rhom == 0.0) return qira::kMissing;
  const double tc0 = m_CrudeConst[0];
  componentFactors(idx, T, P, recs, tc0);
  const MixtureFactors m = mixtureFactors(idx, T, recs, rhom, tc0);
  const MixingSums s = mixingSums(idx, recs, m);
  if (s.Q == 0.0) return qira::kMissing;
  const double mx = 2 * (s.S * s.S) / (std::pow(m.hx, 8.0 / 3.0) * m.fx);
  const double q = (1 - 1 / s.Q) * m.fx / T;
  return crvscty(rhom, T, &m_CrudeConst[6], &m_CrudeConst[10], m.fx, q, m.hx, mx, s.Zcx,
                 1.0) *
         0.0001;
}

double ViscHandler::crvscty(double rhom, double T, const double* AF, const double* J,
                            double fx, double q, double hx, double Mx, double Zcx,
                            double k) {
  if (AF == nullptr || J == nullptr) return qira::kMissing;
  const double m0 = m_CrudeConst[5];
  const double zc0 = m_CrudeConst[2];
  const double* g = &m_CrudeConst[18];
  const double rho0 = rhom * 0.001 * hx * m0;
  const double t0 = T / fx;
  // Dilute gas: sum of Gm T0^((m-4)/3), formed as Gm (1/T0) t^(m-1).
  const double t = toSingle(cbrt(t0));
  // t^0 is exactly 1 and t^1 exactly t: those two terms need no power.
  const double invT0 = 1 / t0;
  double eta0 = 0.0;
  eta0 += g[0] * invT0;
  eta0 += g[1] * invT0 * t;
  for (int m = 3; m <= 9; ++m) eta0 += g[m - 1] * invT0 * std::pow(t, m - 1);
  // First density term.
  const double lnT = AF[2] - std::log(t0 / AF[3]);
  const double eta1 = AF[0] + AF[1] * (lnT * lnT);
  // Dense fluid, both exponents capped at 50.
  const double u = std::min(J[0] + J[1] / t0, 50.0);
  const double v =
      std::min(std::pow(rho0, 0.1) * (J[2] + J[3] / std::pow(t0, 1.5)) + u +
                   std::sqrt(rho0) * (J[4] + J[5] / t0 + J[6] / (t0 * t0)) * (rho0 / J[7] - 1),
               50.0);
  const double dEta = std::exp(v) - std::exp(u);
  const double x = std::sqrt((1 - 1.5 * t0 * std::min(q, 0.0)) * Zcx / zc0);
  const double etaStar = eta0 + eta1 * rho0 + x * k * dEta;
  return etaStar * std::sqrt(fx * Mx / m0) / cbrt(hx * toSingle(hx));
}
