// The viscosity panel on Walther paper (ASTM D341): the pseudo-components' lines through
// their viscosities at 38 and 100 C, and the bulk viscosity points. The paper's
// coordinates are the library's own Walther ordinate and abscissa.
#include <algorithm>
#include <cmath>

#include "chart/panels.h"
#include "frame/walther.h"

namespace qira::chart {

namespace {

constexpr double kT38 = 311.15, kT100 = 373.15;   // K
constexpr double kLowestCst = 0.2;    // below about 0.13 cSt the ordinate has no value
constexpr double kHighestCst = 1e7;
constexpr double kDefaultLowC = 20, kDefaultHighC = 150;
constexpr double kLabelFont = 10, kLabelGap = 11, kTickLabelGap = 13, kGridGap = 3;

double cToK(double c) { return c + 273.15; }

// A line's ordinate at an absolute temperature (K): straight on the paper through its 38
// and 100 C points.
double ordinateAt(const ViscosityLine& l, double kelvin) {
  double x38 = waltherAbscissa(kT38), x100 = waltherAbscissa(kT100);
  double y38 = waltherOrdinate(l.nu38), y100 = waltherOrdinate(l.nu100);
  return y38 + (y100 - y38) * (waltherAbscissa(kelvin) - x38) / (x100 - x38);
}

bool drawable(const ViscosityLine& l) {
  return l.nu100 >= kLowestCst && std::isfinite(waltherOrdinate(l.nu100)) &&
         std::isfinite(waltherOrdinate(l.nu38));
}

// Labels for the decade ticks: powers of ten, then 5s, then 2s, each where it keeps clear
// of the ticks labelled before it (from the lowest up); grid lines for the rest where they keep 3 px apart.
std::vector<Tick> viscosityTicks(const Frame& f, const std::vector<double>& values) {
  std::vector<Tick> ticks;
  std::vector<double> labelled;
  for (double mantissa : {1.0, 5.0, 2.0}) {
    for (double v : values) {
      double m = v / std::pow(10.0, std::floor(std::log10(v) + 1e-9));
      if (std::fabs(m - mantissa) > 1e-6) continue;
      double y = f.y(waltherOrdinate(v));
      bool clear = std::all_of(labelled.begin(), labelled.end(),
                               [&](double other) { return std::fabs(other - y) >= kTickLabelGap; });
      if (clear) labelled.push_back(y);
    }
  }
  double lastGrid = 1e300;
  for (double v : values) {
    double paper = waltherOrdinate(v), y = f.y(paper);
    bool major = std::find(labelled.begin(), labelled.end(), y) != labelled.end();
    if (!major && std::fabs(lastGrid - y) < kGridGap) continue;
    lastGrid = y;
    ticks.push_back({paper, plainNumber(v), major});
  }
  return ticks;
}

struct Span {
  double lowK, highK, lowCst, highCst;
};

Span dataSpan(const ChartModel& model) {
  Span s{cToK(kDefaultLowC), cToK(kDefaultHighC), 1e300, 0};
  for (const ViscosityPoint& p : model.points) {
    s.lowK = std::min(s.lowK, p.kelvin - 5);
    s.highK = std::max(s.highK, p.kelvin + 5);
  }
  // the axis holds every line between 38 and 100 C; beyond, lines may leave it (marked)
  for (const ViscosityLine& l : model.lines) {
    if (!drawable(l)) continue;
    s.lowCst = std::min(s.lowCst, l.nu100);
    s.highCst = std::max(s.highCst, l.nu38);
  }
  for (const ViscosityPoint& p : model.points) {
    s.lowCst = std::min(s.lowCst, p.cst);
    s.highCst = std::max(s.highCst, p.cst);
  }
  s.lowCst = std::clamp(s.lowCst, kLowestCst, kHighestCst);
  s.highCst = std::clamp(s.highCst, s.lowCst * 1.5, kHighestCst);
  return s;
}

struct DrawnLine {
  bool shown = false;
  double endX = 0, endY = 0;  // px, where the drawn part ends on the right
};

// The line between the axis temperatures, cut where it leaves the viscosity range, with a
// mark at each cut end.
DrawnLine drawWaltherLine(SvgWriter& svg, const Frame& f, const ViscosityLine& l,
                          const char* colour, std::size_t& clipped) {
  double x0 = f.xMin, x1 = f.xMax;
  double k0 = std::exp(x0) / 1.8, k1 = std::exp(x1) / 1.8;
  double y0 = ordinateAt(l, k0), y1 = ordinateAt(l, k1);
  // parameter range t in [0, 1] where the ordinate lies inside [yMin, yMax]
  double t0 = 0, t1 = 1;
  for (double edge : {f.yMin, f.yMax}) {
    if (y1 == y0) continue;
    double t = (edge - y0) / (y1 - y0);
    bool enteringBelow = (y1 > y0) == (edge == f.yMin);
    if (enteringBelow) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (y1 == y0 && (y0 < f.yMin || y0 > f.yMax)) t1 = -1;
  DrawnLine d;
  if (t0 >= t1) return d;
  auto at = [&](double t) {
    return Point{f.x(x0 + t * (x1 - x0)), f.y(y0 + t * (y1 - y0))};
  };
  Point a = at(t0), b = at(t1);
  svg.line(a.first, a.second, b.first, b.second, colour, 1.4);
  double dx = b.first - a.first, dy = b.second - a.second;
  const double slack = 1e-9;
  if (t0 > slack) drawClipMark(svg, a.first, a.second, -dx, -dy, colour);
  if (t1 < 1 - slack) drawClipMark(svg, b.first, b.second, dx, dy, colour);
  if (t0 > slack || t1 < 1 - slack) ++clipped;
  d.shown = true;
  d.endX = b.first;
  d.endY = b.second;
  return d;
}

void drawPoints(SvgWriter& svg, const Frame& f, const ChartModel& model) {
  for (const ViscosityPoint& p : model.points) {
    double x = f.x(waltherAbscissa(p.kelvin));
    double y = f.y(waltherOrdinate(std::max(p.cst, kLowestCst)));
    svg.rect(x - 4.5, y - 4.5, 9, 9, p.measured ? "#111" : "white", "#111");
  }
}

}  // namespace

std::vector<LegendEntry> drawViscosityPanel(SvgWriter& svg, Frame f, const ChartModel& model) {
  std::vector<LegendEntry> legend;
  const char* xTitle = "temperature, °C (Walther scale)";
  const char* yTitle = "kinematic viscosity, cSt";
  Span s = dataSpan(model);
  f.xMin = waltherAbscissa(s.lowK);
  f.xMax = waltherAbscissa(s.highK);
  std::vector<Tick> xTicks;
  for (Tick t : linearTicks(s.lowK - 273.15, s.highK - 273.15, 7)) {
    t.value = waltherAbscissa(cToK(t.value));
    xTicks.push_back(t);
  }
  bool any = s.highCst > 0 && (!model.points.empty() ||
             std::any_of(model.lines.begin(), model.lines.end(), drawable));
  if (!any) {
    drawFrame(svg, f, xTicks, {}, xTitle, yTitle);
    drawEmptyPanel(svg, f, model.lines.empty() && model.points.empty()
                               ? "no viscosities given"
                               : "no viscosity above 0.2 cSt to draw");
    return legend;
  }
  auto values = decadeValues(s.lowCst, s.highCst);
  f.yMin = waltherOrdinate(values.front());
  f.yMax = waltherOrdinate(values.back());
  drawFrame(svg, f, xTicks, viscosityTicks(f, values), xTitle, yTitle);

  std::size_t clipped = 0, hidden = 0;
  std::vector<double> wanted;
  std::vector<std::size_t> shownIndex;
  std::vector<DrawnLine> drawn;
  for (std::size_t i = 0; i < model.lines.size(); ++i) {
    const ViscosityLine& l = model.lines[i];
    if (!drawable(l)) {
      ++hidden;
      continue;
    }
    DrawnLine d = drawWaltherLine(svg, f, l, kPalette[i % kPaletteSize], clipped);
    if (!d.shown) continue;
    shownIndex.push_back(i);
    drawn.push_back(d);
    wanted.push_back(d.endY + 3.5);
  }
  drawPoints(svg, f, model);
  auto slots = spreadLabels(wanted, kLabelGap, f.top + 6, f.bottom() + 3.5);
  for (const LabelSlot& slot : slots) {
    const DrawnLine& d = drawn[slot.item];
    std::size_t i = shownIndex[slot.item];
    const char* colour = kPalette[i % kPaletteSize];
    svg.line(d.endX, d.endY, f.right() + 6, slot.placed - 3.5, colour, 0.8);
    svg.text(f.right() + 8, slot.placed, model.lines[i].label, kLabelFont, "start", colour);
  }
  if (!model.lines.empty())
    legend.push_back({LegendEntry::Line, "#555",
                      "pseudo-components through 38 and 100 °C (label at right end)"});
  bool measured = false, derived = false;
  for (const ViscosityPoint& p : model.points) (p.measured ? measured : derived) = true;
  if (measured) legend.push_back({LegendEntry::FilledSquare, "#111", "measured bulk viscosity"});
  if (derived) legend.push_back({LegendEntry::HollowSquare, "#111", "bulk point derived from the measured ones"});
  if (clipped > 0)
    legend.push_back({LegendEntry::Arrow, "#555",
                      std::to_string(clipped) + " line(s) leave the axis range here"});
  if (hidden > 0)
    legend.push_back({LegendEntry::Note, "",
                      std::to_string(hidden) + " line(s) below 0.2 cSt at 100 °C not drawn"});
  if (slots.size() < drawn.size())
    legend.push_back({LegendEntry::Note, "",
                      std::to_string(drawn.size() - slots.size()) + " line labels left out for room"});
  return legend;
}

}  // namespace qira::chart
