// The exported shells of the assay family: each checks its arguments, works on scratch
// copies, commits to the object and the caller's arrays only on success, and turns every
// failure into its status and the object's message.
#include <cmath>
#include <cstring>
#include <new>

#include "QIRAAssay.h"
#include "assay/assay_internal.h"
#include "frame/boundary.h"
#include "frame/missing.h"

using qira::assay::Boundaries;
using qira::assay::Curve;
using qira::assay::Failure;
using qira::assay::Stream;
using qira::assay::fail;

namespace {

// Runs body for the object: OK and the message cleared, or the failure's status with its
// message kept. Nothing thrown leaves.
template <typename Body>
int run(const QiraAssay* a, Body&& body) noexcept {
  if (a == nullptr) return QIRA_ASSAY_NULL_ARGUMENT;
  try {
    try {
      body();
      a->lastError.clear();
      return QIRA_ASSAY_OK;
    } catch (const Failure& f) {
      a->lastError = f.message;
      return f.status;
    } catch (const std::bad_alloc&) {
      a->lastError = "memory could not be allocated";
      return QIRA_ASSAY_NO_MEMORY;
    } catch (...) {
      a->lastError = "a library procedure failed unexpectedly";
      return QIRA_ASSAY_CALCULATION;
    }
  } catch (...) {  // the message itself could not be stored
    return QIRA_ASSAY_NO_MEMORY;
  }
}

void require(const void* p, const char* what) {
  if (p == nullptr) fail(QIRA_ASSAY_NULL_ARGUMENT, "%s is a null pointer", what);
}

void requireCurve(const Stream& s) {
  if (!s.hasCurve) fail(QIRA_ASSAY_NOT_READY, "no laboratory curve has been set");
}

void requireCut(const QiraAssay* a) {
  requireCurve(a->stream);
  if (a->stream.gravityKind < 0)
    fail(QIRA_ASSAY_NOT_READY, "no bulk gravity (SG, API or Watson K) has been set");
}

void requireTable(const QiraAssay* a) {
  if (!a->hasTable) fail(QIRA_ASSAY_NOT_READY, "no cut table: cut the assay first");
}

int checkedCode(const char* what, int code, int count) {
  if (code < 0 || code >= count) fail(QIRA_ASSAY_INVALID, "%s = %d: codes 0 to %d", what, code, count - 1);
  return code;
}

// Writes n values into the caller's arrays when capacity allows (count always).
void deliver(int n, int capacity, int* count) {
  if (count) *count = n;
  if (capacity < n)
    fail(QIRA_ASSAY_BUFFER_TOO_SMALL, "%d values to return, room for %d", n, capacity);
}

void copyOut(const std::vector<double>& v, double* out) {
  if (!v.empty()) std::memcpy(out, v.data(), v.size() * sizeof(double));
}

// Lines of text, each ended by a newline.
std::string joinedLines(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

// Copies text into the caller's buffer, or fails naming what did not fit.
void textOut(const std::string& text, char* out, int size, int* needed, const char* what) {
  if (qira::assay::copyText(text, out, size, needed) != QIRA_ASSAY_OK)
    fail(QIRA_ASSAY_BUFFER_TOO_SMALL, "%s need %d bytes, room for %d", what,
         static_cast<int>(text.size() + 1), size);
}

void cutWith(QiraAssay* a, const Boundaries& b) {
  qira::assay::CutTable t = qira::assay::cutTable(a->stream, b);
  a->table = std::move(t);
  a->hasTable = true;
}

// Checks a finished stream as the setters check their inputs (a blend's result).
void checkStream(const Stream& s) {
  qira::assay::checkAscending("blended TBP temperatures", s.tbp.temps.data(),
                              static_cast<int>(s.tbp.temps.size()), 200.0, 1500.0);
  qira::assay::checkedInRange("blended sg", s.sg, 0.3, 1.5);
  for (const auto& v : s.viscosities) {
    qira::assay::checkedInRange("blended viscosity", v.cst, 0.05, 1e7);
  }
  if (s.lightEndTotal() >= 0.9)
    fail(QIRA_ASSAY_INVALID, "light ends add up to %.10g of the blend", s.lightEndTotal());
}

}  // namespace

QIRA_C_BEGIN

QIRA_API QiraAssay* QiraAssay_Create(void) {
  return qira::guarded<QiraAssay*>(nullptr, [] { return new (std::nothrow) QiraAssay(); });
}

QIRA_API void QiraAssay_Free(QiraAssay* assay) { delete assay; }

QIRA_API int QiraAssay_LastError(const QiraAssay* assay, char* text, int size, int* needed) {
  if (assay == nullptr) return QIRA_ASSAY_NULL_ARGUMENT;
  return qira::guarded(QIRA_ASSAY_NO_MEMORY, [&] {
    return qira::assay::copyText(assay->lastError, text, size, needed);
  });
}

QIRA_API int QiraAssay_SetCurve(QiraAssay* assay, int standard, int n, const double* yields,
                                const double* temperatures) {
  return run(assay, [&] {
    checkedCode("standard", standard, 4);
    if (n < 3) fail(QIRA_ASSAY_INVALID, "n = %d: a curve needs at least 3 points", n);
    require(yields, "yields");
    require(temperatures, "temperatures");
    qira::assay::checkAscending("yields", yields, n, 0.0, 1.0);
    qira::assay::checkAscending("temperatures", temperatures, n, 200.0, 1500.0);
    Curve lab{std::vector<double>(yields, yields + n),
              std::vector<double>(temperatures, temperatures + n)};
    qira::assay::refuseImplausibleCurve(standard, lab);
    Curve tbp = qira::assay::readAsTbp(standard, lab);
    Stream& s = assay->stream;
    s.laboratory = std::move(lab);
    s.tbp = std::move(tbp);
    s.standard = standard;
    s.hasCurve = true;
    s.isMixture = false;
    s.mixture = qira::assay::Mixture();
    assay->hasTable = false;
  });
}

QIRA_API int QiraAssay_SetGravity(QiraAssay* assay, int kind, double value) {
  return run(assay, [&] {
    checkedCode("gravity kind", kind, 3);
    Stream& s = assay->stream;
    if (kind == QIRA_ASSAY_WATSON_K) {
      s.watsonK = qira::assay::checkedInRange("watson_k", value, 8.0, 15.0);
      s.gravityKind = kind;
      return;
    }
    double sg = value;
    if (kind == QIRA_ASSAY_API) sg = 141.5 / (qira::assay::checkedInRange("api", value, -10.0, 150.0) + 131.5);
    s.sg = qira::assay::checkedInRange("sg", sg, 0.3, 1.5);
    s.gravityKind = QIRA_ASSAY_SG;
  });
}

QIRA_API int QiraAssay_SetMolecularWeight(QiraAssay* assay, double mw) {
  return run(assay, [&] {
    Stream& s = assay->stream;
    if (qira::isMissing(mw)) {
      s.hasMw = false;
      return;
    }
    s.mw = qira::assay::checkedInRange("mw", mw, 16.0, 3000.0);
    s.hasMw = true;
  });
}

QIRA_API int QiraAssay_SetViscosities(QiraAssay* assay, int n, const double* temperatures,
                                      const double* viscosities) {
  return run(assay, [&] {
    if (n < 0) fail(QIRA_ASSAY_INVALID, "n = %d: give 0 or more viscosities", n);
    if (n > 0) {
      require(temperatures, "temperatures");
      require(viscosities, "viscosities");
    }
    std::vector<qira::assay::ViscosityPoint> points;
    for (int i = 0; i < n; ++i) {
      const double t = temperatures[i], nu = viscosities[i];
      if (!(200.0 <= t && t <= 700.0))
        fail(QIRA_ASSAY_INVALID, "viscosity temperatures[%d] = %.10g K lies outside 200 to 700 K", i, t);
      if (!(0.05 <= nu && nu <= 1e7))
        fail(QIRA_ASSAY_INVALID, "viscosities[%d] = %.10g cSt lies outside 0.05 to 1e7 cSt", i, nu);
      for (const auto& p : points)
        if (p.temperature == t)
          fail(QIRA_ASSAY_INVALID, "viscosities: two values at one temperature, %.10g K", t);
      points.push_back({t, nu});
    }
    assay->stream.viscosities = std::move(points);
  });
}

QIRA_API int QiraAssay_SetLightEnds(QiraAssay* assay, int n, const char* const* names,
                                    const double* fractions) {
  return run(assay, [&] {
    if (n < 0 || n > qira::assay::lightEndCount())
      fail(QIRA_ASSAY_INVALID, "n = %d: give 0 to %d light ends", n, qira::assay::lightEndCount());
    if (n > 0) {
      require(names, "names");
      require(fractions, "fractions");
    }
    std::vector<qira::assay::LightEndShare> shares;
    double total = 0.0;
    for (int i = 0; i < n; ++i) {
      require(names[i], "names[i]");
      const int index = qira::assay::lightEndIndex(names[i]);
      if (index < 0)
        fail(QIRA_ASSAY_INVALID, "light ends[%d]: \"%.40s\" is none of ethane, propane, "
             "isobutane, n-butane, isopentane, n-pentane", i, names[i]);
      for (const auto& s : shares)
        if (s.index == index) fail(QIRA_ASSAY_INVALID, "light ends: %s given twice", names[i]);
      const double f = fractions[i];
      if (!(0.0 <= f && f <= 0.5))
        fail(QIRA_ASSAY_INVALID, "light ends[%s] = %.10g lies outside 0 to 0.5", names[i], f);
      total += f;
      shares.push_back({index, f});
    }
    if (total >= 0.9) fail(QIRA_ASSAY_INVALID, "light ends add up to %.10g of the stream", total);
    assay->stream.lightEnds = std::move(shares);
  });
}

QIRA_API int QiraAssay_SetProperty(QiraAssay* assay, int property, double value) {
  return run(assay, [&] {
    checkedCode("property", property, QIRA_ASSAY_PROPERTY_COUNT);
    if (!std::isfinite(value))
      fail(QIRA_ASSAY_INVALID, "property %d = %.10g is not a finite number", property, value);
    assay->stream.properties[property] = value;
  });
}

QIRA_API int QiraAssay_SetMethod(QiraAssay* assay, int method) {
  return run(assay, [&] { assay->stream.method = checkedCode("method", method, 3); });
}

QIRA_API int QiraAssay_Curve(const QiraAssay* assay, int standard, int capacity,
                             double* yields, double* temperatures, int* count) {
  return run(assay, [&] {
    if (standard != QIRA_ASSAY_TBP && standard != QIRA_ASSAY_D86 && standard != QIRA_ASSAY_D2887)
      fail(QIRA_ASSAY_INVALID, "standard = %d: the curves are TBP (3), D86 (0) and D2887 (1)", standard);
    require(yields, "yields");
    require(temperatures, "temperatures");
    requireCurve(assay->stream);
    const Curve c = standard == QIRA_ASSAY_TBP   ? assay->stream.tbp
                    : standard == QIRA_ASSAY_D86 ? qira::assay::d86Curve(assay->stream)
                                                 : qira::assay::d2887Curve(assay->stream);
    deliver(static_cast<int>(c.yields.size()), capacity, count);
    copyOut(c.yields, yields);
    copyOut(c.temps, temperatures);
  });
}

QIRA_API int QiraAssay_StreamGravity(QiraAssay* assay, double* sg) {
  return run(assay, [&] {
    require(sg, "sg");
    requireCut(assay);
    *sg = qira::assay::streamGravity(assay->stream);
  });
}

QIRA_API int QiraAssay_Components(const QiraAssay* assay, double step, int capacity,
                                  double* nbp, double* fractions, int* count) {
  return run(assay, [&] {
    require(nbp, "nbp");
    require(fractions, "fractions");
    qira::assay::checkedInRange("step", step, 0.1, 1000.0);
    requireCurve(assay->stream);
    std::vector<double> t, f;
    qira::assay::components(assay->stream, step, t, f);
    deliver(static_cast<int>(t.size()), capacity, count);
    copyOut(t, nbp);
    copyOut(f, fractions);
  });
}

QIRA_API int QiraAssay_Property(const QiraAssay* assay, int property, double* value) {
  return run(assay, [&] {
    require(value, "value");
    *value = assay->stream.properties[checkedCode("property", property, QIRA_ASSAY_PROPERTY_COUNT)];
  });
}

QIRA_API int QiraAssay_Viscosities(const QiraAssay* assay, int capacity, double* temperatures,
                                   double* viscosities, int* count) {
  return run(assay, [&] {
    const auto& v = assay->stream.viscosities;
    deliver(static_cast<int>(v.size()), capacity, count);
    if (!v.empty()) {
      require(temperatures, "temperatures");
      require(viscosities, "viscosities");
    }
    for (size_t i = 0; i < v.size(); ++i) {
      temperatures[i] = v[i].temperature;
      viscosities[i] = v[i].cst;
    }
  });
}

QIRA_API int QiraAssay_LightEnds(const QiraAssay* assay, int capacity, int* indices,
                                 double* fractions, int* count) {
  return run(assay, [&] {
    const auto& le = assay->stream.lightEnds;
    deliver(static_cast<int>(le.size()), capacity, count);
    if (!le.empty()) {
      require(indices, "indices");
      require(fractions, "fractions");
    }
    for (size_t i = 0; i < le.size(); ++i) {
      indices[i] = le[i].index;
      fractions[i] = le[i].fraction;
    }
  });
}

QIRA_API int QiraAssay_CutByCount(QiraAssay* assay, int count, double lo, double hi) {
  return run(assay, [&] {
    requireCut(assay);
    cutWith(assay, qira::assay::boundariesByCount(assay->stream, count, lo, hi));
  });
}

QIRA_API int QiraAssay_CutAt(QiraAssay* assay, int n, const double* boundaries) {
  return run(assay, [&] {
    require(boundaries, "boundaries");
    requireCut(assay);
    cutWith(assay, qira::assay::boundariesAt(boundaries, n));
  });
}

QIRA_API int QiraAssay_CutNamed(QiraAssay* assay, const char* set) {
  return run(assay, [&] {
    require(set, "set");
    requireCut(assay);
    cutWith(assay, qira::assay::boundariesNamed(assay->stream, set));
  });
}

QIRA_API int QiraAssay_RowCount(const QiraAssay* assay, int* rows) {
  return run(assay, [&] {
    require(rows, "rows");
    requireTable(assay);
    *rows = assay->table.rows();
  });
}

QIRA_API int QiraAssay_Column(const QiraAssay* assay, int column, int capacity, double* values,
                              int* count) {
  return run(assay, [&] {
    checkedCode("column", column, QIRA_ASSAY_COLUMN_COUNT);
    require(values, "values");
    requireTable(assay);
    deliver(assay->table.rows(), capacity, count);
    copyOut(assay->table.columns[column], values);
  });
}

QIRA_API int QiraAssay_RowName(const QiraAssay* assay, int row, char* text, int size,
                               int* needed, int* light_end) {
  return run(assay, [&] {
    requireTable(assay);
    if (row < 0 || row >= assay->table.rows())
      fail(QIRA_ASSAY_INVALID, "row = %d: the table has rows 0 to %d", row, assay->table.rows() - 1);
    if (qira::assay::copyText(assay->table.names[row], text, size, needed) != QIRA_ASSAY_OK)
      fail(QIRA_ASSAY_BUFFER_TOO_SMALL, "row %d's name needs %d bytes, room for %d", row,
           static_cast<int>(assay->table.names[row].size() + 1), size);
    if (light_end) *light_end = assay->table.lightEnd[row];
  });
}

QIRA_API int QiraAssay_Table(const QiraAssay* assay, int capacity, double* values,
                             int* light_end, int* rows) {
  return run(assay, [&] {
    require(values, "values");
    requireTable(assay);
    const int n = assay->table.rows();
    deliver(n, capacity, rows);
    for (int c = 0; c < QIRA_ASSAY_COLUMN_COUNT; ++c)
      copyOut(assay->table.columns[c], values + static_cast<size_t>(c) * capacity);
    if (light_end)
      for (int r = 0; r < n; ++r) light_end[r] = assay->table.lightEnd[r];
  });
}

QIRA_API int QiraAssay_RowNames(const QiraAssay* assay, char* text, int size, int* needed) {
  return run(assay, [&] {
    requireTable(assay);
    textOut(joinedLines(assay->table.names), text, size, needed, "the row names");
  });
}

QIRA_API int QiraAssay_Bulk(const QiraAssay* assay, int quantity, double* value) {
  return run(assay, [&] {
    checkedCode("quantity", quantity, 4);
    require(value, "value");
    requireTable(assay);
    const auto& t = assay->table;
    const double values[] = {t.sg, t.mw, t.watsonK, t.mwScale};
    *value = values[quantity];
  });
}

QIRA_API int QiraAssay_Notes(const QiraAssay* assay, char* text, int size, int* needed) {
  return run(assay, [&] {
    requireTable(assay);
    textOut(joinedLines(assay->table.notes), text, size, needed, "the notes");
  });
}

QIRA_API int QiraAssay_ViscosityFit(const QiraAssay* assay, int capacity, double* temperatures,
                                    double* measured, double* calculated, int* given, int* count) {
  return run(assay, [&] {
    requireTable(assay);
    const auto& fit = assay->table.fit;
    deliver(static_cast<int>(fit.size()), capacity, count);
    if (!fit.empty()) {
      require(temperatures, "temperatures");
      require(measured, "measured");
      require(calculated, "calculated");
      require(given, "given");
    }
    for (size_t i = 0; i < fit.size(); ++i) {
      temperatures[i] = fit[i].temperature;
      measured[i] = fit[i].measured;
      calculated[i] = fit[i].calculated;
      given[i] = fit[i].given ? 1 : 0;
    }
  });
}

QIRA_API int QiraAssay_Blend(QiraAssay* mixture, int n, const QiraAssay* const* streams,
                             const double* shares, int basis, double step) {
  return run(mixture, [&] {
    if (n < 1) fail(QIRA_ASSAY_INVALID, "n = %d: a blend needs at least 1 stream", n);
    require(streams, "streams");
    require(shares, "shares");
    checkedCode("basis", basis, 3);
    qira::assay::checkedInRange("step", step, 0.1, 1000.0);
    std::vector<const Stream*> parts;
    double total = 0.0;
    for (int i = 0; i < n; ++i) {
      if (streams[i] == nullptr) fail(QIRA_ASSAY_NULL_ARGUMENT, "streams[%d] is a null pointer", i);
      if (streams[i] == mixture) fail(QIRA_ASSAY_INVALID, "streams[%d] is the mixture itself", i);
      const Stream& s = streams[i]->stream;
      if (!s.hasCurve || s.gravityKind < 0)
        fail(QIRA_ASSAY_NOT_READY, "streams[%d] has no curve or no gravity", i);
      const double share = shares[i];
      if (!(0.0 <= share && share <= 1.0))
        fail(QIRA_ASSAY_INVALID, "shares[%d] = %.10g lies outside 0 to 1", i, share);
      total += share;
      parts.push_back(&s);
    }
    if (std::fabs(total - 1.0) > 1e-6)
      fail(QIRA_ASSAY_INVALID, "shares add up to %.10g, not 1", total);
    std::vector<double> sh(shares, shares + n);
    Stream mix = qira::assay::blendStreams(parts, sh, basis, step);
    checkStream(mix);
    mix.method = QIRA_ASSAY_RIAZI_DAUBERT;
    mixture->stream = std::move(mix);
    mixture->hasTable = false;
  });
}

QIRA_API int QiraAssay_BlendShares(const QiraAssay* assay, int capacity, double* volume,
                                   double* mass, int* count) {
  return run(assay, [&] {
    const auto& m = assay->stream.mixture;
    const int n = assay->stream.isMixture ? static_cast<int>(m.volumeShares.size()) : 0;
    deliver(n, capacity, count);
    if (n > 0) {
      require(volume, "volume");
      require(mass, "mass");
      copyOut(m.volumeShares, volume);
      copyOut(m.massShares, mass);
    }
  });
}

QIRA_API int QiraAssay_LightEnd(int index, char* name, int size, int* needed, double* constants) {
  return qira::guarded(QIRA_ASSAY_NO_MEMORY, [&] {
    if (index < 0 || index >= qira::assay::lightEndCount()) return QIRA_ASSAY_INVALID;
    const qira::assay::LightEnd& d = qira::assay::lightEnd(index);
    const std::string text = d.name;
    if (needed) *needed = static_cast<int>(text.size() + 1);
    if (name != nullptr || size > 0) {
      const int status = qira::assay::copyText(text, name, size, needed);
      if (status != QIRA_ASSAY_OK) return status;
    }
    if (constants) {
      const double v[] = {d.nbp, d.sg, d.mw, d.tc, d.pc, d.vc, d.omega};
      std::memcpy(constants, v, sizeof v);
    }
    return QIRA_ASSAY_OK;
  });
}

QIRA_API int QiraAssay_LightEndCount(void) { return qira::assay::lightEndCount(); }

QIRA_C_END
