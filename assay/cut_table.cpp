// The cut table: volume fractions and mid-cut NBPs of the cuts, one Watson K reproducing
// the bulk gravity, MW (scaled to a bulk MW), mass and mole fractions, and the critical
// constants and COSTALD parameters of every row.
#include <algorithm>
#include <cmath>

#include "QIRACharacterization.h"
#include "QIRACriticalProps.h"
#include "assay/assay_internal.h"
#include "frame/fraction_relations.h"
#include "frame/missing.h"

namespace qira {
namespace assay {
namespace {

struct Critical {
  double tc, pc, vc, omega, vstar, omegaSrk;
};

using TbSg = double (*)(double, double);
struct Method {
  TbSg tc, pc, vc;
  const char *tcName, *pcName, *vcName;
};

const Method& method(int code) {
  static const Method methods[] = {
      {QiraCrit_TcRiaziDaubert1980, QiraCrit_PcRiaziDaubert1980, QiraCrit_VcRiaziDaubert1980,
       "QiraCrit_TcRiaziDaubert1980", "QiraCrit_PcRiaziDaubert1980",
       "QiraCrit_VcRiaziDaubert1980"},
      {QiraCrit_TcKeslerLee1976, QiraCrit_PcKeslerLee1976, QiraCrit_VcRiaziDaubert1980,
       "QiraCrit_TcKeslerLee1976", "QiraCrit_PcKeslerLee1976", "QiraCrit_VcRiaziDaubert1980"},
      {QiraCrit_TcTwu1984, QiraCrit_PcTwu1984, QiraCrit_VcTwu1984, "QiraCrit_TcTwu1984",
       "QiraCrit_PcTwu1984", "QiraCrit_VcTwu1984"},
  };
  return methods[code];
}

// A critical-property value, or a failure naming the row, the correlation and its inputs.
double required(double value, const std::string& row, const char* what, double a, double b) {
  if (isMissing(value))
    fail(QIRA_ASSAY_CALCULATION,
         "%s: %s gives no value for (%.10g, %.10g); the cut lies outside the correlation's "
         "domain", row.c_str(), what, a, b);
  return value;
}

// Tc, Pc, Vc by the method, the Kesler-Lee acentric factor, and the COSTALD pair. Where
// the SRK acentric factor has no solution (a very heavy cut), the Kesler-Lee acentric
// factor stands in, with a note.
Critical cutCritical(double tb, double sg, int code, const std::string& row,
                     std::vector<std::string>& notes) {
  const Method& m = method(code);
  Critical c{};
  c.tc = required(m.tc(tb, sg), row, m.tcName, tb, sg);
  c.pc = required(m.pc(tb, sg), row, m.pcName, tb, sg);
  c.vc = required(m.vc(tb, sg), row, m.vcName, tb, sg);
  c.omega = required(QiraCrit_AcentricKeslerLee1976(tb, sg, c.tc, c.pc), row,
                     "QiraCrit_AcentricKeslerLee1976", tb, sg);
  c.omegaSrk = QiraCrit_CostaldOmegaHT1979(tb, c.tc, c.pc);
  if (isMissing(c.omegaSrk)) {
    c.omegaSrk = c.omega;
    notes.push_back(format("%s: SRK acentric factor outside the Hankinson-Thomson domain, "
                           "the Kesler-Lee acentric factor %.3f used", row.c_str(), c.omega));
  }
  c.vstar = required(QiraCrit_CostaldVolumeHT1979(c.tc, c.pc, c.omegaSrk), row,
                     "QiraCrit_CostaldVolumeHT1979", c.tc, c.pc);
  return c;
}

Critical lightEndCritical(const LightEnd& d) {
  Critical c{d.tc, d.pc, d.vc, d.omega, 0.0, 0.0};
  c.omegaSrk = required(QiraCrit_CostaldOmegaHT1979(d.nbp, d.tc, d.pc), d.name,
                        "QiraCrit_CostaldOmegaHT1979", d.nbp, d.tc);
  c.vstar = required(QiraCrit_CostaldVolumeHT1979(d.tc, d.pc, c.omegaSrk), d.name,
                     "QiraCrit_CostaldVolumeHT1979", d.tc, d.pc);
  return c;
}

double sum(const std::vector<double>& v) {
  double s = 0.0;
  for (double x : v) s += x;
  return s;
}

// Mid-cut NBP: the TBP temperature at the middle of each cut's volume, held within the
// cut's boundaries.
std::vector<double> midCutNbp(const Stream& s, const std::vector<double>& frac,
                              const std::vector<double>& bounds) {
  double cum = 0.0;
  std::vector<double> mids;
  for (double f : frac) {
    mids.push_back(std::min(std::max(cum + f / 2.0, 1e-6), 1.0 - 1e-6));
    cum += f;
  }
  std::vector<double> nbp = tbpAt(s, mids);
  for (size_t i = 0; i < nbp.size(); ++i)
    nbp[i] = std::min(std::max(nbp[i], bounds[i]), bounds[i + 1]);
  return nbp;
}

void appendRow(CutTable& t, const std::string& name, bool light, double tLow, double tHigh,
               double nbp, double sg, double kw, double mw, const Critical& c) {
  t.names.push_back(name);
  t.lightEnd.push_back(light ? 1 : 0);
  const double values[] = {tLow, tHigh, nbp, 0.0, 0.0, 0.0, sg, kw, mw, c.tc, c.pc, c.vc,
                           c.omega, c.vstar, c.omegaSrk, kMissing, kMissing};
  for (int k = 0; k < QIRA_ASSAY_COLUMN_COUNT; ++k) t.columns[k].push_back(values[k]);
}

}  // namespace

CutTable cutTable(const Stream& s, const Boundaries& b) {
  refuseBoundariesOutsideCurve(s, b);
  const double rest = 1.0 - s.lightEndTotal();
  const std::vector<double> uppers(b.bounds.begin() + 1, b.bounds.end());
  const std::vector<double> frac = cutFractions(s, uppers);
  const std::vector<double> nbp = midCutNbp(s, frac, b.bounds);
  const size_t nle = s.lightEnds.size(), ncut = frac.size();

  std::vector<double> vol, sgs;
  double leSg = 0.0;
  for (const LightEndShare& le : s.lightEnds) {
    vol.push_back(le.fraction);
    sgs.push_back(lightEnd(le.index).sg);
    leSg += le.fraction * lightEnd(le.index).sg;
  }
  for (double f : frac) vol.push_back(rest * f);
  std::vector<double> cube;
  for (double t : nbp) cube.push_back(watsonFactorFromBoilingPoint(t, 1.0));  // Tb[R]^(1/3)

  CutTable t;
  if (s.gravityKind == QIRA_ASSAY_SG) {
    // one Watson K: sum(v_i (1.8 Tb_i)^(1/3) / K) + light ends = bulk SG
    double fc = 0.0;
    for (size_t i = 0; i < ncut; ++i) fc += frac[i] * cube[i];
    t.watsonK = rest * fc / (s.sg - leSg);
    if (!(t.watsonK > 0))
      fail(QIRA_ASSAY_INVALID, "sg = %.10g lies below the light ends' own gravity %.10g",
           s.sg, leSg);
  } else {
    t.watsonK = s.watsonK;
  }
  std::vector<double> sgCut, mwCut;
  double fs = 0.0;
  for (size_t i = 0; i < ncut; ++i) {
    sgCut.push_back(cube[i] / t.watsonK);
    fs += frac[i] * sgCut[i];
  }
  t.sg = leSg + rest * fs;
  for (double g : sgCut) mwCut.push_back(Blend_mw(g, t.watsonK));
  sgs.insert(sgs.end(), sgCut.begin(), sgCut.end());
  std::vector<double> mass;
  for (size_t i = 0; i < vol.size(); ++i) mass.push_back(vol[i] * sgs[i] / t.sg);

  if (s.hasMw) {
    double leMoles = 0.0, cutMoles = 0.0;
    for (size_t i = 0; i < nle; ++i) leMoles += mass[i] / lightEnd(s.lightEnds[i].index).mw;
    for (size_t i = 0; i < ncut; ++i) cutMoles += mass[nle + i] / mwCut[i];
    // the cuts' MWs scaled so that sum(w) / sum(w / MW) is the bulk MW
    t.mwScale = cutMoles / (1.0 / s.mw - leMoles);
    if (!(t.mwScale > 0))
      fail(QIRA_ASSAY_INVALID, "mw = %.10g kg/kmol cannot be reached with the light ends given",
           s.mw);
    for (double& w : mwCut) w = w * t.mwScale;
  }
  std::vector<double> mws;
  for (const LightEndShare& le : s.lightEnds) mws.push_back(lightEnd(le.index).mw);
  mws.insert(mws.end(), mwCut.begin(), mwCut.end());
  std::vector<double> moles;
  for (size_t i = 0; i < mass.size(); ++i) moles.push_back(mass[i] / mws[i]);
  t.mw = 1.0 / sum(moles);

  for (const LightEndShare& le : s.lightEnds) {
    const LightEnd& d = lightEnd(le.index);
    appendRow(t, d.name, true, d.nbp, d.nbp, d.nbp, d.sg,
              watsonFactorFromBoilingPoint(d.nbp, d.sg), d.mw, lightEndCritical(d));
  }
  for (size_t i = 0; i < ncut; ++i)
    appendRow(t, b.names[i], false, b.bounds[i], b.bounds[i + 1], nbp[i], sgCut[i],
              t.watsonK, mwCut[i], cutCritical(nbp[i], sgCut[i], s.method, b.names[i], t.notes));
  for (size_t i = 0; i < vol.size(); ++i) {
    t.columns[QIRA_ASSAY_VOLUME_FRACTION][i] = vol[i];
    t.columns[QIRA_ASSAY_MASS_FRACTION][i] = mass[i];
    t.columns[QIRA_ASSAY_MOLE_FRACTION][i] = moles[i] * t.mw;
  }
  fillViscosities(t, s.viscosities);
  noteUnusualTable(s, b, t);
  return t;
}

double streamGravity(const Stream& s) {
  if (s.gravityKind == QIRA_ASSAY_SG) return s.sg;
  return cutTable(s, boundariesByCount(s, 20, kMissing, kMissing)).sg;
}

}  // namespace assay
}  // namespace qira
