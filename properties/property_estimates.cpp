// Closed-form estimates of bulk properties of a petroleum fraction from a few others:
// sulphur, C5 asphaltenes, carbon residue, cloud and pour points, n-d-M ring contents,
// the paraffin/naphthene/aromatic split, softening point, C/H ratio and refractive index.
#include "properties/property_estimates.h"

#include <algorithm>
#include <cmath>

#include "QIRAEstimates.h"
#include "frame/boundary.h"
#include "frame/missing.h"

namespace qira {

namespace {

double specificGravity(double rho) { return rho / 1000; }

double clampPercent(double v) {
  if (v < 0) return 0;
  if (v > 100) return 100;
  return v;
}

}  // namespace

double sulphurByRiazi(double x, double M, double rho) {
  const double d = specificGravity(rho);
  const double s = M < 200 ? 177.448 - 170.946 * x
                           : 38.4628 * x - 58.02 - 0.0229 * (d - 1.4315) * x + 22.4 * d;
  return s < 0 ? 0.0 : s;
}

double c5Asphaltenes(double a) {
  if (!(a >= 0)) return kMissing;
  return 0.01272 * a * a + 0.74195 * a;
}

double conradsonCarbon(double v) {
  if (!(v > 0)) return 0.0;
  return std::max(148.7 - 86.96 / v, 0.0);
}

bool cloudPointEstimate(double tbC, double sg, double& cloudC) {
  cloudC = kMissing;
  const double tR = (tbC + 273.15) * 1.8;
  if (!(tR >= 1e-5)) return false;
  const double logT =
      5.49 * std::log10(tR) - 7.41 - 0.712 * std::pow(tR, 0.315) - 0.133 * sg;
  cloudC = std::pow(10.0, logT) / 1.8 - 273.15;
  return true;
}

RingContents naphthenicByNdm(double M, double rho, double sulphur, double tbC) {
  const double d = specificGravity(rho);
  // Refractive index estimate from density, boiling point and molecular weight.
  const double nD =
      1 + 0.8447 * std::pow(d, 1.2056) * std::pow(tbC + 273.15, -0.0557) * std::pow(M, -0.0044);
  const double v = 2.51 * (nD - 1.475) - (d - 0.851);
  const double w = (d - 0.851) - 1.11 * (nD - 1.475);
  // Aromatic, total and naphthenic ring carbon, percent.
  const double cA = clampPercent(v > 0 ? (430 * v * M + 3660) / M : (670 * v * M + 3660) / M);
  const double cR = w > 0 ? (820 * w * M - 3 * sulphur * M + 10000) / M
                          : (1440 * w * M - 3 * sulphur * M + 10600) / M;
  const double cN = std::max(std::min(cR, 100.0) - cA, 0.0);
  const double fA = cA / 100, fN = cN / 100;
  const double nP = (M - 2.01588) / 14.02688;
  const double g1 = 1.0 + 9.999997e-5 * tbC + 1.96504e-6 * tbC * tbC;
  const double g2 = 0.968505232 + 9.88564e-5 * tbC + 4.25253e-6 * tbC * tbC;
  const double g3 = -0.01909991 + 0.0002371977 * tbC + 3.488785e-6 * tbC * tbC;
  const double dN = (M - (2 - 2 * g2) * 1.00794) / 14.02688 - nP;
  const double dA = (M - (-6 * g1 - 2 * g3) * 1.00794) / 14.02688 - nP;
  const double k = 4 * g1 + 2;
  const double e = k - fA * dA;
  RingContents out;
  out.r1 = 100 * ((fN * dA - 4 * g3) * fA * nP + fN * nP * e) /
           ((3.5 * g2 + 2) * k - fN * dN * k + fA * dN * 4 * g3);
  out.r2 = 100 * (out.r1 / 100 * fA * dN + fA * nP) / e;
  return out;
}

PnaSplit pnaByRiaziRoomi(double x, double rho) {
  const double d = specificGravity(rho);
  PnaSplit s;
  s.p = clampPercent(325.74 - 348.14 * d + 1.166 * x);
  const double y = 263.853 * d - 195.71 - 3.992 * (d - 1.4315) * x;
  if (y < 0) {
    s.n = s.a = (100 - s.p) / 2;
  } else if (s.p < 100) {
    s.n = y;
    s.a = std::max(100 - s.p - y, 0.0);
  } else {
    s.n = s.a = 0;
  }
  const double scale = 100 / (s.p + s.n + s.a);
  s.p *= scale;
  s.n *= scale;
  s.a *= scale;
  return s;
}

double softeningPoint(double v) {
  if (isMissing(v)) return kMissing;
  // The linear and cubic coefficients are these exact doubles (not 0.036 and 1.774e-6).
  return 38.342 - 0.036000000000000004 * v + 0.0006434 * v * v -
         1.7739999999999999e-6 * std::pow(v, 3) + 1.449e-9 * std::pow(v, 4);
}

double carbonToHydrogenRatio(double tbK, double sg) {
  return 8.7743e-10 * std::exp(0.007176 * tbK + 30.06242 * sg - 0.00735 * tbK * sg) *
         std::pow(tbK, -0.98445) * std::pow(sg, -18.2753);
}

double pourPointByRiazi(double nu, double sg, double M) {
  const double e1 = std::max(0.61235 - 0.47367 * sg, 0.001);
  const double e2 = std::max(0.310331 - 0.32834 * sg, 0.001);
  return 130.47 * std::pow(sg, 2.970566) * std::pow(M, e1) * std::pow(nu, e2);
}

double refractiveIndex(double tbK, double rho, double M) {
  if (isMissing(tbK) || isMissing(rho) || isMissing(M)) return kMissing;
  const double d = specificGravity(rho);
  // Huang characterization parameter I, light and heavy forms.
  const double I =
      M <= 300 ? 0.023435 * std::exp(0.0007029 * tbK + 2.468 * d - 0.0010267 * tbK * d) *
                     std::pow(tbK, 0.0572) * std::pow(d, -0.72)
               : 0.01843 * std::exp(0.0011635 * tbK + 5.144 * d - 0.000592 * tbK * d) *
                     std::pow(tbK, -0.4077) * std::pow(d, -3.333);
  const double w = 1 - I > 0 ? 1 - I : 1e-6;
  return std::sqrt((1 + 2 * I) / w);
}

}  // namespace qira

using qira::guarded;
using qira::kMissing;

QIRA_C_BEGIN

QIRA_API bool Blend_EstatimateBulkSulphurByRiazi(double x, double M, double rho, double* S) {
  if (!S) return false;
  return guarded(false, [&] {
    *S = qira::sulphurByRiazi(x, M, rho);
    return true;
  });
}

QIRA_API double Blend_EstimateC5asphaltenes(double a) {
  return guarded(kMissing, [&] { return qira::c5Asphaltenes(a); });
}

QIRA_API double Blend_EstimateCCR(double v) {
  return guarded(0.0, [&] { return qira::conradsonCarbon(v); });
}

QIRA_API bool Blend_EstimateCloudPt(double Tb, double SG, double* cloudPoint) {
  if (!cloudPoint) return false;
  return guarded(false, [&] { return qira::cloudPointEstimate(Tb, SG, *cloudPoint); });
}

QIRA_API bool Blend_EstimateNaphthenicByNDM(double /*unused*/, double M, double rho, double S,
                                            double Tb, double* R1, double* R2) {
  if (!R1 || !R2) return false;
  return guarded(false, [&] {
    const qira::RingContents r = qira::naphthenicByNdm(M, rho, S, Tb);
    *R1 = r.r1;
    *R2 = r.r2;
    return true;
  });
}

QIRA_API bool Blend_EstimatePNAbyRiaziRoomi(double x, double rho, double* P, double* N, double* A) {
  if (!P || !N || !A) return false;
  return guarded(false, [&] {
    const qira::PnaSplit s = qira::pnaByRiaziRoomi(x, rho);
    *P = s.p;
    *N = s.n;
    *A = s.a;
    return true;
  });
}

QIRA_API double Blend_EstimateSofteningPoint(double v) {
  return guarded(kMissing, [&] { return qira::softeningPoint(v); });
}

QIRA_API bool Blend_estimateCtoHRatio(double Tb, double SG, double* CtoH) {
  if (!CtoH) return false;
  return guarded(false, [&] {
    *CtoH = qira::carbonToHydrogenRatio(Tb, SG);
    return true;
  });
}

QIRA_API bool Blend_estimatePourPointRiazi(double nu, double SG, double M, double* pourPoint) {
  if (!pourPoint) return false;
  return guarded(false, [&] {
    *pourPoint = qira::pourPointByRiazi(nu, SG, M);
    return true;
  });
}

QIRA_API double EstimateRefractIdx(double Tb, double rho, double M) {
  return guarded(kMissing, [&] { return qira::refractiveIndex(Tb, rho, M); });
}

QIRA_C_END
