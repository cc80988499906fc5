// Stream blending: the streams cut onto one grid of cut temperatures and mixed by volume,
// the mixture's TBP, D86 and D2887 curves from the curve blends, the carried properties
// blended by their indices and the viscosities by the Refutas index.
#include <algorithm>
#include <cmath>

#include "QIRABlends.h"
#include "QIRAGrids.h"
#include "QIRAIndices.h"
#include "assay/assay_internal.h"
#include "frame/missing.h"

namespace qira {
namespace assay {
namespace {

double sum(const std::vector<double>& v) {
  double s = 0.0;
  for (double x : v) s += x;
  return s;
}

double indexed(double value, const char* what) {
  if (isMissing(value))
    fail(QIRA_ASSAY_CALCULATION, "%s: the value is outside the index's domain", what);
  return value;
}

// A property of the streams (values in the property's unit) blended by its index rule,
// volume fractions as given.
double blendProperty(int key, const std::vector<double>& vol, const std::vector<double>& v) {
  const int n = static_cast<int>(v.size());
  std::vector<double> c;
  for (double k : v) c.push_back(k - kCelsiusZero);
  switch (key) {
    case QIRA_ASSAY_FLASH_POINT:
      return indexed(FlashPointMix1(vol.data(), v.data(), n), "FlashPointMix1");
    case QIRA_ASSAY_POUR_POINT:
      return indexed(PourPointMix1(vol.data(), v.data(), n), "PourPointMix1");
    case QIRA_ASSAY_CLOUD_POINT:
      return indexed(CloudPointMix1(vol.data(), v.data(), n), "CloudPointMix1");
    case QIRA_ASSAY_FREEZE_POINT:
      return indexed(Blend_FreezePoint(vol.data(), c.data(), n), "Blend_FreezePoint") +
             kCelsiusZero;
    case QIRA_ASSAY_ANILINE_POINT: {
      // the index exp(0.003652 AP) formed on the aniline point in degrees F
      double s = 0.0;
      for (int i = 0; i < n; ++i)
        s += vol[i] * indexed(AnilinePointIndex1(c[i] * 1.8 + 32.0), "AnilinePointIndex1");
      return (indexed(AnilinePointFromIndex1Mix(s), "AnilinePointFromIndex1Mix") - 32.0) / 1.8 +
             kCelsiusZero;
    }
    case QIRA_ASSAY_SMOKE_POINT:
      return indexed(Blend_SmokePointMix1(vol.data(), v.data(), n), "Blend_SmokePointMix1");
    default:
      return indexed(RVPMix1(vol.data(), v.data(), n), "RVPMix1");
  }
}

// Each TBP point at least 1e-6 K above the one before (a blend's flat stretches).
std::vector<double> strictlyRising(std::vector<double> t) {
  for (size_t i = 1; i < t.size(); ++i)
    if (t[i] <= t[i - 1]) t[i] = t[i - 1] + 1e-6;
  return t;
}

// A curve blend of the heavy part's fractions xs at the grid, read at `yields` (which the
// blend clamps in its own copy; the curve keeps the grid's yields).
Curve blendCurve(bool (*blend)(const double*, const double*, int, double*, double*, int),
                 const char* name, const std::vector<double>& xs,
                 const std::vector<double>& grid, std::vector<double> yields) {
  std::vector<double> at = yields, out(yields.size(), kMissing);
  if (!blend(xs.data(), grid.data(), static_cast<int>(xs.size()), out.data(), at.data(),
             static_cast<int>(at.size())))
    fail(QIRA_ASSAY_CALCULATION, "%s: the blend's curve could not be built", name);
  return Curve{yields, out};
}

bool blendD86Points(const double* f, const double* nbp, int n, double* out, double* y, int m) {
  return Blend_D86(f, nbp, n, out, y, m, true);
}
bool blendTbpPoints(const double* f, const double* nbp, int n, double* out, double* y, int m) {
  return Blend_TBP(f, nbp, n, out, y, m, true, kMissing, kMissing);
}

std::vector<double> grid(void (*write)(double*), int n) {
  std::vector<double> y(n);
  write(y.data());
  return y;
}

// The streams' shares as volume fractions.
std::vector<double> volumeShares(const std::vector<const Stream*>& streams,
                                 const std::vector<double>& shares,
                                 const std::vector<double>& sgs, int basis) {
  std::vector<double> raw;
  for (size_t i = 0; i < streams.size(); ++i) {
    if (basis == QIRA_ASSAY_MASS) {
      raw.push_back(shares[i] / sgs[i]);
    } else if (basis == QIRA_ASSAY_MOLE) {
      const double mw =
          cutTable(*streams[i], boundariesByCount(*streams[i], 20, kMissing, kMissing)).mw;
      raw.push_back(shares[i] * mw / sgs[i]);
    } else {
      raw.push_back(shares[i]);
    }
  }
  const double total = sum(raw);
  for (double& v : raw) v = v / total;
  return raw;
}

}  // namespace

Stream blendStreams(const std::vector<const Stream*>& streams,
                    const std::vector<double>& shares, int basis, double step) {
  std::vector<double> sgs;
  for (const Stream* s : streams) sgs.push_back(streamGravity(*s));
  const std::vector<double> vol = volumeShares(streams, shares, sgs, basis);
  std::vector<double> mass;
  for (size_t i = 0; i < vol.size(); ++i) mass.push_back(vol[i] * sgs[i]);
  const double massTotal = sum(mass);
  for (double& m : mass) m = m / massTotal;

  double lo = streams[0]->tbp.temps.front(), hi = streams[0]->tbp.temps.back();
  for (const Stream* s : streams) {
    lo = std::min(lo, s->tbp.temps.front());
    hi = std::max(hi, s->tbp.temps.back());
  }
  const std::vector<double> cuts = temperatureGrid(lo, hi, step);
  Stream mix;
  for (size_t k = 0; k < streams.size(); ++k)
    for (const LightEndShare& le : streams[k]->lightEnds) {
      auto at = std::find_if(mix.lightEnds.begin(), mix.lightEnds.end(),
                             [&](const LightEndShare& m) { return m.index == le.index; });
      if (at == mix.lightEnds.end())
        mix.lightEnds.push_back({le.index, 0.0 + vol[k] * le.fraction});
      else
        at->fraction += vol[k] * le.fraction;
    }
  std::vector<double> x(cuts.size(), 0.0);
  for (size_t k = 0; k < streams.size(); ++k) {
    const double rest = 1.0 - streams[k]->lightEndTotal();
    const std::vector<double> f = cutFractions(*streams[k], cuts);
    for (size_t i = 0; i < f.size(); ++i) x[i] += vol[k] * rest * f[i];
  }
  Mixture& m = mix.mixture;
  for (const LightEndShare& le : mix.lightEnds) {
    m.nbp.push_back(lightEnd(le.index).nbp);
    m.fractions.push_back(le.fraction);
  }
  m.nbp.insert(m.nbp.end(), cuts.begin(), cuts.end());
  m.fractions.insert(m.fractions.end(), x.begin(), x.end());
  // the mixture's heavy part (what its TBP curve describes) renormalised
  const double xTotal = sum(x);
  std::vector<double> xs;
  for (double f : x) xs.push_back(f / xTotal);

  const Curve tbp = blendCurve(blendTbpPoints, "Blend_TBP", xs, cuts, grid(TBPValidYields, 9));
  m.d86 = blendCurve(blendD86Points, "Blend_D86", xs, cuts, grid(D86ValidYields, 9));
  m.d2887 = blendCurve(Blend_D2887, "Blend_D2887", xs, cuts, grid(D2887ValidYields, 8));
  m.volumeShares = vol;
  m.massShares = mass;

  for (int key = 0; key < QIRA_ASSAY_PROPERTY_COUNT; ++key) {
    std::vector<double> values;
    for (const Stream* s : streams)
      if (!isMissing(s->properties[key])) values.push_back(s->properties[key]);
    if (values.size() == streams.size()) mix.properties[key] = blendProperty(key, vol, values);
  }
  const bool viscous = std::all_of(streams.begin(), streams.end(),
                                   [](const Stream* s) { return s->viscosities.size() >= 2; });
  if (viscous)
    for (double t : {kStandardViscosityT38, kStandardViscosityT100}) {
      double index = 0.0;
      for (size_t k = 0; k < streams.size(); ++k)
        index += mass[k] * indexed(Blend_ViscosityIndex2(waltherAt(streams[k]->viscosities, t)),
                                   "Blend_ViscosityIndex2");
      mix.viscosities.push_back(
          {t, indexed(Blend_ViscosityFromIndex2Mix(index), "Blend_ViscosityFromIndex2Mix")});
    }

  double sg = 0.0;
  for (size_t k = 0; k < vol.size(); ++k) sg += vol[k] * sgs[k];
  mix.hasCurve = true;
  mix.standard = QIRA_ASSAY_TBP;
  mix.laboratory = Curve{tbp.yields, strictlyRising(tbp.temps)};
  mix.tbp = mix.laboratory;
  mix.gravityKind = QIRA_ASSAY_SG;
  mix.sg = sg;
  mix.isMixture = true;
  return mix;
}

}  // namespace assay
}  // namespace qira
