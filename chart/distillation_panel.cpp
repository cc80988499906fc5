// The distillation panel: laboratory and converted curves against volume distilled, and
// the cut staircase (light-end steps, cut boxes between boundary temperatures with the
// mid-cut NBP step, cut names, boundary temperatures at the right edge).
#include <algorithm>
#include <cmath>

#include "chart/panels.h"

namespace qira::chart {

namespace {

constexpr double kZeroCelsius = 273.15;
constexpr const char* kCutColour = "#2e933c";
constexpr double kNameFont = 10, kNameGap = 12, kBoundaryFont = 10, kBoundaryGap = 12;

double celsius(double kelvin) { return kelvin - kZeroCelsius; }

// One column of the staircase: a light end (low == high) or a cut.
struct Column {
  std::string name;
  double from, to;       // volume %, whole stream
  double low, high, nbp; // C
};

std::vector<Column> staircase(const ChartModel& model) {
  std::vector<Column> columns;
  double cumulative = 0.0;
  for (const LightEnd& e : model.lightEnds) {
    double c = celsius(e.nbp);
    columns.push_back({e.name, 100 * cumulative, 100 * (cumulative + e.fraction), c, c, c});
    cumulative += e.fraction;
  }
  for (const Cut& cut : model.cuts) {
    columns.push_back({cut.name, 100 * cumulative, 100 * (cumulative + cut.fraction),
                       celsius(cut.low), celsius(cut.high), celsius(cut.nbp)});
    cumulative += cut.fraction;
  }
  return columns;
}

bool temperatureRange(const ChartModel& model, double& lo, double& hi) {
  lo = 1e300;
  hi = -1e300;
  auto take = [&](double kelvin) {
    lo = std::min(lo, celsius(kelvin));
    hi = std::max(hi, celsius(kelvin));
  };
  for (const Curve& c : model.curves)
    for (double t : c.kelvin) take(t);
  for (const Cut& c : model.cuts) {
    take(c.low);
    take(c.high);
    take(c.nbp);
  }
  for (const LightEnd& e : model.lightEnds) take(e.nbp);
  return lo <= hi;
}

void drawColumns(SvgWriter& svg, const Frame& f, const std::vector<Column>& columns) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const Column& c = columns[i];
    double x0 = f.x(c.from), x1 = f.x(c.to);
    if (c.high > c.low)
      svg.rect(x0, f.y(c.high), x1 - x0, f.y(c.low) - f.y(c.high), kCutColour, kCutColour,
               i % 2 ? 0.22 : 0.1);
    svg.line(x0, f.y(c.nbp), x1, f.y(c.nbp), kCutColour, 2.2);
  }
}

// Names upright beside each column: above its box where there is room, else below it,
// moved sideways apart where columns are narrow.
std::size_t drawColumnNames(SvgWriter& svg, const Frame& f, const std::vector<Column>& columns) {
  std::vector<double> wanted;
  std::vector<std::size_t> named;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].name.empty()) continue;
    named.push_back(i);
    wanted.push_back(f.x((columns[i].from + columns[i].to) / 2));
  }
  auto slots = spreadLabels(wanted, kNameGap, f.left + 8, f.right() - 4);
  for (const LabelSlot& s : slots) {
    const Column& c = columns[named[s.item]];
    double length = textWidth(c.name, kNameFont);
    double above = f.y(c.high) - 5, below = f.y(c.low) + 5;
    double x = s.placed + kNameFont * 0.35;  // the glyphs centred on the slot
    double anchorY;
    const char* anchor = "start";
    double edgeY;
    if (above - length >= f.top + 2) {
      anchorY = above;
      edgeY = f.y(c.high);
    } else if (below + length <= f.bottom() - 2) {
      anchorY = below;
      anchor = "end";
      edgeY = f.y(c.low);
    } else {
      anchorY = f.bottom() - 2;
      edgeY = f.y(c.low);
    }
    if (std::fabs(s.placed - s.wanted) > 1.0)
      svg.line(s.wanted, edgeY, s.placed, anchorY, kCutColour, 0.8);
    svg.text(x, anchorY, c.name, kNameFont, anchor, "#1d5e27", -90, true);
  }
  return named.size() - slots.size();
}

void drawBoundaryLabels(SvgWriter& svg, const Frame& f, const ChartModel& model) {
  if (model.cuts.empty()) return;
  std::vector<double> kelvin{model.cuts.front().low};
  for (const Cut& c : model.cuts) kelvin.push_back(c.high);
  std::vector<double> wanted;
  for (double k : kelvin) wanted.push_back(f.y(celsius(k)) + 3.5);
  for (const LabelSlot& s : spreadLabels(wanted, kBoundaryGap, f.top + 8, f.bottom() + 3.5)) {
    double y = s.wanted - 3.5;
    svg.line(f.right() - 6, y, f.right(), y, kCutColour, 1.5);
    svg.line(f.right(), y, f.right() + 5, s.placed - 3.5, kCutColour, 0.8);
    svg.text(f.right() + 7, s.placed, fixed(celsius(kelvin[s.item]), 0), kBoundaryFont, "start",
             "#1d5e27");
  }
}

// A curve's polylines: solid where both ends of a segment are measured or converted,
// dashed where either end was extrapolated.
void drawCurve(SvgWriter& svg, const Frame& f, const Curve& c, double light,
               const char* colour) {
  std::vector<Point> px;
  for (std::size_t i = 0; i < c.kelvin.size(); ++i)
    px.push_back({f.x(100 * (light + (1 - light) * c.fractions[i])), f.y(celsius(c.kelvin[i]))});
  double width = c.points ? 1.2 : 2.2;
  std::size_t start = 0;
  while (start + 1 < px.size()) {
    auto dashed = [&](std::size_t k) { return c.extrapolated[k] || c.extrapolated[k + 1]; };
    bool style = dashed(start);
    std::size_t end = start + 1;
    while (end + 1 < px.size() && dashed(end) == style) ++end;
    svg.polyline(std::vector<Point>(px.begin() + static_cast<std::ptrdiff_t>(start),
                                    px.begin() + static_cast<std::ptrdiff_t>(end) + 1),
                 colour, width, style ? "6,4" : nullptr);
    start = end;
  }
  if (c.points)
    for (const Point& p : px) svg.circle(p.first, p.second, 3.5, colour, "white");
}

}  // namespace

std::vector<LegendEntry> drawDistillationPanel(SvgWriter& svg, Frame f, const ChartModel& model) {
  double lo, hi;
  std::vector<LegendEntry> legend;
  if (!temperatureRange(model, lo, hi)) {
    f.xMax = 100;
    drawFrame(svg, f, linearTicks(0, 100, 10), {}, "volume distilled, %", "temperature, °C");
    drawEmptyPanel(svg, f, "no distillation curve or cuts given");
    return legend;
  }
  double pad = std::max(0.04 * (hi - lo), 1.0);
  lo -= pad;
  hi += pad;
  roundOutward(lo, hi, 10);
  f.xMin = 0;
  f.xMax = 100;
  f.yMin = lo;
  f.yMax = hi;
  drawFrame(svg, f, linearTicks(0, 100, 10), linearTicks(lo, hi, 10), "volume distilled, %",
            "temperature, °C");
  auto columns = staircase(model);
  drawColumns(svg, f, columns);
  double light = model.lightEndFraction();
  bool anyExtrapolated = false;
  for (std::size_t i = 0; i < model.curves.size(); ++i) {
    const Curve& c = model.curves[i];
    const char* colour = kPalette[i % kPaletteSize];
    drawCurve(svg, f, c, light, colour);
    legend.push_back({c.points ? LegendEntry::Dot : LegendEntry::Line, colour, c.label});
    anyExtrapolated |= std::find(c.extrapolated.begin(), c.extrapolated.end(), true) !=
                       c.extrapolated.end();
  }
  std::size_t omitted = drawColumnNames(svg, f, columns);
  drawBoundaryLabels(svg, f, model);
  if (anyExtrapolated) legend.push_back({LegendEntry::Dashed, "#666", "dashed: extrapolated"});
  if (!model.lightEnds.empty())
    legend.push_back({LegendEntry::Line, kCutColour, "light ends: step at boiling point"});
  if (!model.cuts.empty()) {
    legend.push_back({LegendEntry::Box, kCutColour, "cuts: box between boundaries, step at mid-cut NBP"});
    legend.push_back({LegendEntry::Note, "", "right edge: cut boundary temperatures, °C"});
  }
  if (omitted > 0)
    legend.push_back({LegendEntry::Note, "",
                      std::to_string(omitted) + " cut names left out for room (see the cut table)"});
  return legend;
}

void drawEmptyPanel(SvgWriter& svg, const Frame& f, const char* message) {
  svg.text(f.left + f.width / 2, f.top + f.height / 2, message, 13, "middle", "#777");
}

}  // namespace qira::chart
