// The exported chart interface: thin shells that check the arguments, change the builder
// only when everything is sound, and turn any exception into a failure code.
#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "QIRAChart.h"
#include "chart/chart_model.h"

struct QiraChart {
  qira::chart::ChartModel model;
  std::string lastError;
};

namespace {

using qira::chart::ChartModel;

// Runs a change to the chart: refused with the check's message, or applied to a copy that
// replaces the model only when it is complete.
template <typename Check, typename Change>
int apply(QiraChart* chart, Check check, Change change) {
  if (!chart) return QIRA_CHART_BAD_ARGUMENT;
  try {
    std::string problem = check();
    if (!problem.empty()) {
      chart->lastError = problem;
      return QIRA_CHART_BAD_ARGUMENT;
    }
    ChartModel next = chart->model;
    change(next);
    chart->model = std::move(next);
    chart->lastError.clear();
    return QIRA_CHART_OK;
  } catch (...) {
    try {
      chart->lastError = "out of memory";
    } catch (...) {
    }
    return QIRA_CHART_OUT_OF_MEMORY;
  }
}

int copyText(const std::string& text, char* buffer, int size, int* needed) {
  if (size < 0 || (size > 0 && !buffer)) return QIRA_CHART_BAD_ARGUMENT;
  std::size_t want = text.size() + 1;
  if (want > static_cast<std::size_t>(2147483647)) return QIRA_CHART_OUT_OF_MEMORY;
  if (needed) *needed = static_cast<int>(want);
  if (static_cast<std::size_t>(size) < want) {
    if (size > 0) buffer[0] = '\0';
    return QIRA_CHART_BUFFER_TOO_SMALL;
  }
  std::memcpy(buffer, text.c_str(), want);
  return QIRA_CHART_OK;
}

}  // namespace

QIRA_C_BEGIN

QIRA_API QiraChart* QiraChart_Create(void) { return new (std::nothrow) QiraChart(); }

QIRA_API void QiraChart_Free(QiraChart* chart) { delete chart; }

QIRA_API int QiraChart_SetText(QiraChart* chart, const char* title, const char* caption) {
  return apply(
      chart,
      [&] {
        std::string bad = qira::chart::checkText("title", title);
        return bad.empty() ? qira::chart::checkText("caption", caption) : bad;
      },
      [&](ChartModel& m) {
        m.title = title;
        m.caption = caption;
      });
}

QIRA_API int QiraChart_AddCurve(QiraChart* chart, const char* label, int count,
                                const double* fractions, const double* kelvin,
                                const bool* extrapolated, int style) {
  return apply(
      chart, [&] { return qira::chart::checkCurve(label, count, fractions, kelvin, style); },
      [&](ChartModel& m) {
        qira::chart::Curve c;
        c.label = label;
        c.fractions.assign(fractions, fractions + count);
        c.kelvin.assign(kelvin, kelvin + count);
        c.extrapolated.assign(static_cast<std::size_t>(count), false);
        if (extrapolated)
          for (int i = 0; i < count; ++i) c.extrapolated[static_cast<std::size_t>(i)] = extrapolated[i];
        c.points = style == QIRA_CHART_POINTS;
        m.curves.push_back(std::move(c));
      });
}

QIRA_API int QiraChart_SetCuts(QiraChart* chart, int count, const double* boundaries,
                               const double* nbp, const double* fractions,
                               const char* const* names) {
  return apply(
      chart,
      [&] {
        ChartModel withoutCuts;
        withoutCuts.lightEnds = chart->model.lightEnds;
        return qira::chart::checkCuts(withoutCuts, count, boundaries, nbp, fractions);
      },
      [&](ChartModel& m) {
        m.cuts.clear();
        for (int i = 0; i < count; ++i) {
          qira::chart::Cut c;
          c.name = !names ? "cut " + std::to_string(i + 1) : names[i] ? names[i] : "";
          c.low = boundaries[i];
          c.high = boundaries[i + 1];
          c.nbp = nbp[i];
          c.fraction = fractions[i];
          m.cuts.push_back(std::move(c));
        }
      });
}

QIRA_API int QiraChart_AddLightEnd(QiraChart* chart, const char* name, double nbp,
                                   double fraction) {
  return apply(
      chart, [&] { return qira::chart::checkLightEnd(chart->model, name, nbp, fraction); },
      [&](ChartModel& m) { m.lightEnds.push_back({name, nbp, fraction}); });
}

QIRA_API int QiraChart_AddViscosityLine(QiraChart* chart, const char* label, double nu38,
                                        double nu100) {
  return apply(
      chart,
      [&]() -> std::string {
        if (chart->model.lines.size() >= QIRA_CHART_MAX_ITEMS) return "viscosity lines: too many";
        return qira::chart::checkViscosityLine(label, nu38, nu100);
      },
      [&](ChartModel& m) { m.lines.push_back({label, nu38, nu100}); });
}

QIRA_API int QiraChart_AddViscosityPoint(QiraChart* chart, double kelvin, double cst,
                                         bool measured) {
  return apply(
      chart,
      [&]() -> std::string {
        if (chart->model.points.size() >= QIRA_CHART_MAX_ITEMS) return "viscosity points: too many";
        return qira::chart::checkViscosityPoint(kelvin, cst);
      },
      [&](ChartModel& m) { m.points.push_back({kelvin, cst, measured}); });
}

QIRA_API int QiraChart_Render(const QiraChart* chart, char* svg, int size, int* needed) {
  if (!chart) return QIRA_CHART_BAD_ARGUMENT;
  try {
    return copyText(qira::chart::renderSvg(chart->model), svg, size, needed);
  } catch (...) {
    return QIRA_CHART_OUT_OF_MEMORY;
  }
}

QIRA_API int QiraChart_LastError(const QiraChart* chart, char* text, int size, int* needed) {
  if (!chart) return QIRA_CHART_BAD_ARGUMENT;
  try {
    return copyText(chart->lastError, text, size, needed);
  } catch (...) {
    return QIRA_CHART_OUT_OF_MEMORY;
  }
}

QIRA_C_END
