// The furniture of a panel: frame, grid, tick labels, axis titles, legend and clip marks.
#include <algorithm>
#include <cmath>

#include "chart/chart_layout.h"

namespace qira::chart {

const char* const kPalette[] = {"#1f5fa8", "#d1495b", "#e08e0b", "#7b4fa3", "#138a8a",
                                "#8c564b", "#c0398f", "#5a6f00", "#3b3b98", "#b35c00"};
const std::size_t kPaletteSize = sizeof kPalette / sizeof kPalette[0];

namespace {
constexpr double kTickFont = 11, kTitleFont = 13, kLegendFont = 11, kLegendRow = 17;
}

void drawFrame(SvgWriter& svg, const Frame& f, const std::vector<Tick>& xTicks,
               const std::vector<Tick>& yTicks, const std::string& xTitle,
               const std::string& yTitle) {
  svg.rect(f.left, f.top, f.width, f.height, "white", "none");
  for (const Tick& t : xTicks) {
    double x = f.x(t.value);
    svg.line(x, f.top, x, f.bottom(), t.major ? "#dcdcdc" : "#efefef", 1);
    if (t.major) svg.text(x, f.bottom() + 16, t.label, kTickFont, "middle");
  }
  for (const Tick& t : yTicks) {
    double y = f.y(t.value);
    svg.line(f.left, y, f.right(), y, t.major ? "#dcdcdc" : "#efefef", 1);
    if (t.major) svg.text(f.left - 6, y + 4, t.label, kTickFont, "end");
  }
  svg.rect(f.left, f.top, f.width, f.height, "none", "#444");
  svg.text(f.left + f.width / 2, f.bottom() + 36, xTitle, kTitleFont, "middle");
  double yTitleX = f.left - 52, yTitleY = f.top + f.height / 2;
  svg.text(yTitleX, yTitleY, yTitle, kTitleFont, "middle", "#222", -90);
}

double drawLegend(SvgWriter& svg, double left, double top, double width,
                  const std::vector<LegendEntry>& entries) {
  double column = width / 2, y = top;
  std::size_t slot = 0;
  for (const LegendEntry& e : entries) {
    bool wide = e.kind == LegendEntry::Note || textWidth(e.text, kLegendFont) + 40 > column;
    if (wide && slot % 2 == 1) ++slot;  // a wide entry starts its own row
    double x = left + (slot % 2) * column;
    y = top + static_cast<double>(slot / 2) * kLegendRow;
    const char* c = e.colour.c_str();
    double mid = y - 4;
    switch (e.kind) {
      case LegendEntry::Line: svg.line(x, mid, x + 26, mid, c, 2.2); break;
      case LegendEntry::Dashed: svg.line(x, mid, x + 26, mid, c, 2.2, "6,4"); break;
      case LegendEntry::Dot:
        svg.line(x, mid, x + 26, mid, c, 1);
        svg.circle(x + 13, mid, 3.5, c, "white");
        break;
      case LegendEntry::Box:
        svg.rect(x, mid - 6, 26, 12, c, c, 0.2);
        svg.line(x, mid, x + 26, mid, c, 2.2);
        break;
      case LegendEntry::FilledSquare: svg.rect(x + 8.5, mid - 4.5, 9, 9, c, c); break;
      case LegendEntry::HollowSquare: svg.rect(x + 8.5, mid - 4.5, 9, 9, "white", c); break;
      case LegendEntry::Arrow: drawClipMark(svg, x + 13, mid, 0, -1, c); break;
      case LegendEntry::Note: break;
    }
    svg.text(e.kind == LegendEntry::Note ? x : x + 32, y, e.text, kLegendFont, "start",
             e.kind == LegendEntry::Note ? "#555" : "#222");
    slot += wide ? 2 : 1;
  }
  return top + static_cast<double>((slot + 1) / 2) * kLegendRow;
}

void drawClipMark(SvgWriter& svg, double x, double y, double dx, double dy, const char* colour) {
  double n = std::hypot(dx, dy);
  if (!(n > 0)) return;
  dx /= n;
  dy /= n;
  // tip at (x, y) plus a little along the direction; base 9 px behind, 8 px wide
  double tx = x + 3 * dx, ty = y + 3 * dy, bx = x - 6 * dx, by = y - 6 * dy;
  svg.polygon({{tx, ty}, {bx - 4 * dy, by + 4 * dx}, {bx + 4 * dy, by - 4 * dx}}, colour);
}

}  // namespace qira::chart
