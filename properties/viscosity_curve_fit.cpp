// Fit of a component's viscosity thetas. For each data point a secant search finds the
// temperature factor theta at which the single-component crude-oil viscosity correlation
// meets the measured viscosity; ln theta is then fitted against ln Tr by least squares,
// and the search repeats from the new line until the line stops moving.
#include "properties/viscosity_curve_fit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "QIRAViscosityFit.h"
#include "frame/boundary.h"
#include "frame/constants.h"
#include "properties/liquid_density.h"

namespace qira {
namespace {

// Methane reference constants of the correlation (the same values the viscosity handler
// holds): critical temperature, molecular weight, first-density term A, B, C, F,
// dense-fluid j1..j7 and critical mass density, dilute-gas G1..G9.
constexpr double kTc0 = 190.555;
constexpr double kM0 = 16.043;
constexpr double kZc0 = 0.283742;
constexpr double kA = 1.69698592, kB = -0.133372346, kC = 1.4, kF = 168.0;
constexpr double kJ[7] = {-10.2391604, 174.227229, 17.4605456, -2847.63282,
                          0.133685021, 142.072397, 5002.06697};
constexpr double kRhoC = 0.1628;
constexpr double kG[9] = {2907741.3, -3312874.0, 1608101.8,  -433190.48, 70624.813,
                          -7116.6207, 432.51744,  -14.459112, 0.20371194};
constexpr double kR = kGasConstant1976;

// What the correlation needs of one data point.
struct FitPoint {
  double T;     // K
  double tr;    // T / Tc
  double rho;   // component molar density, kmol/m3
  double visc;  // measured dynamic viscosity, micropoise
};

struct FitConstants {
  double fr;  // Tc / Tc0
  double zc;  // component critical compressibility
  double mw;
};

// The correlation's viscosity (micropoise) of the component alone at the point, for the
// temperature factor theta and the current line slope b.
double correlationViscosity(const FitPoint& pt, const FitConstants& k, double theta, double b) {
  const double f = theta * k.fr;
  const double q = f * b / pt.T;
  const double t0 = pt.T / f;
  const double rho0 = costaldSaturatedDensity(pt.tr / theta, 0.0994, 0.0074);
  const double h = rho0 / pt.rho;
  const double rhor = h * 0.001 * pt.rho * kM0;
  const double t = std::pow(t0, 1.0 / 3.0);
  // Dilute gas: sum of Gm (1/T0) t^(m-1); t^0 is exactly 1 and t^1 exactly t, so those
  // two terms need no power.
  const double invT0 = 1 / t0;
  double eta0 = 0.0;
  eta0 += kG[0] * invT0;
  eta0 += kG[1] * invT0 * t;
  for (int m = 3; m <= 9; ++m) eta0 += kG[m - 1] * invT0 * std::pow(t, m - 1);
  const double lnT = kC - std::log(t0 / kF);
  const double eta1 = kA + kB * (lnT * lnT);
  double u = kJ[0] + kJ[1] / t0;
  double v = std::pow(rhor, 0.1) * (kJ[2] + kJ[3] / std::pow(t0, 1.5)) + u +
             std::sqrt(rhor) * (kJ[4] + kJ[5] / t0 + kJ[6] / (t0 * t0)) * (rhor / kRhoC - 1);
  v = std::min(v, 50.0);  // v takes u before u is capped
  u = std::min(u, 50.0);
  const double dEta = std::exp(v) - std::exp(u);
  const double x = std::sqrt((1 - 1.5 * t0 * std::min(q, 0.0)) * k.zc / kZc0);
  return std::sqrt(f * k.mw / kM0) / std::pow(h, 2.0 / 3.0) * (eta1 * rhor + eta0 + x * dEta);
}

// Secant search, at most 15 evaluations, for the theta at which the correlation meets
// the point's viscosity, starting at theta; theta never falls below the point's Tr.
double matchTheta(const FitPoint& pt, const FitConstants& k, double theta, double b) {
  double thetaPrev = 0.0;
  double rPrev = 0.0;
  for (int eval = 1; eval <= 15; ++eval) {
    const double r = pt.visc - correlationViscosity(pt, k, theta, b);
    if (eval == 1) {
      thetaPrev = theta;
      rPrev = r;
      theta += 0.001;
      continue;
    }
    if (std::fabs(r) < 0.1 || std::fabs(theta - thetaPrev) < 1e-8) return theta;
    const double slope = (r - rPrev) / (theta - thetaPrev);
    thetaPrev = theta;
    rPrev = r;
    const double step = std::min(std::max(r / slope, -1.0), 1.0);
    theta = std::max(theta - step, pt.tr);
  }
  return theta;
}

bool oneSharedTemperature(int n, const double* T) {
  for (int i = 1; i < n; ++i)
    if (T[i] != T[0]) return false;
  return true;
}

}  // namespace

int fitViscosityThetas(bool kinematic, bool useStart, double p, const ViscosityFitComponent& c,
                       int n, const double* T, double* visc, float& thetaA, float& thetaB) {
  // A line needs two points at two temperatures; otherwise the regression divides by 0.
  if (n < 2 || oneSharedTemperature(n, T)) return 0;
  std::vector<FitPoint> pts(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    visc[i] = visc[i] * 10000;
    const double rho = costaldCompressedDensity(T[i], p, c.tc, c.pc, c.vchar, c.wsrk, c.omega);
    if (rho < 0) return 0;
    if (kinematic) visc[i] = rho * c.mw / 1000 * visc[i];
    pts[static_cast<std::size_t>(i)] = FitPoint{T[i], T[i] / c.tc, rho, visc[i]};
  }
  const FitConstants k{c.tc / kTc0, c.pc * c.vc / (kR * c.tc), c.mw};
  double a = 0.1;
  double b = -0.08;
  if (useStart) {
    a = static_cast<double>(thetaA);
    b = static_cast<double>(thetaB);
  }
  for (int pass = 0; pass < 10; ++pass) {
    double sx = 0.0, sy = 0.0, sxy = 0.0, sxx = 0.0;
    for (const FitPoint& pt : pts) {
      const double l = std::log(pt.tr);
      const double lnTheta = std::log(matchTheta(pt, k, std::exp(a + b * l), b));
      sx += l;
      sy += lnTheta;
      sxy += l * lnTheta;
      sxx += l * l;
    }
    const double bNew = (n * sxy - sy * sx) / (n * sxx - sx * sx);
    const double aNew = (sy - sx * bNew) / n;
    const double moved = std::fabs(bNew - b) + std::fabs(aNew - a);
    a = aNew;
    b = bNew;
    if (moved < 1e-8) break;
  }
  thetaA = static_cast<float>(a);
  thetaB = static_cast<float>(b);
  return 1;
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API int pc_fitvisc(int type, int start, double P, double Mw, double Tc, double Pc,
                        double Vc, int n, const double* T, double* visc, double Vchar,
                        double Wsrk, float* ThetaA, float* ThetaB, double Omega) {
  if (T == nullptr || visc == nullptr || ThetaA == nullptr || ThetaB == nullptr || n < 2)
    return 0;
  if (!qira::allFinite(T, n) || !qira::allFinite(visc, n)) return 0;
  return qira::guarded(0, [&] {
    const qira::ViscosityFitComponent c{Mw, Tc, Pc, Vc, Vchar, Wsrk, Omega};
    return qira::fitViscosityThetas(type == 2, start == 1, P, c, n, T, visc, *ThetaA,
                                    *ThetaB);
  });
}

QIRA_C_END
