// The SVG chart writer: plain text output, no dependency beyond the standard library.
#include "svg_chart.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <utility>

namespace svgchart {

namespace {

// Panel layout, in SVG user units.
constexpr double kMarginLeft = 72, kMarginRight = 18, kMarginTop = 44, kMarginBottom = 62;
constexpr double kChartTitleHeight = 34;

double applyScale(const Axis& axis, double v) { return axis.scale ? axis.scale(v) : v; }

// Maps a data value onto the plot area's pixel range [p0, p1].
struct Mapper {
  const Axis& axis;
  double p0, p1;
  double lo() const { return applyScale(axis, axis.min); }
  double hi() const { return applyScale(axis, axis.max); }
  double operator()(double v) const {
    const double span = hi() - lo();
    const double t = span != 0.0 ? (applyScale(axis, v) - lo()) / span : 0.5;
    return p0 + t * (p1 - p0);
  }
  bool inside(double v) const {
    const double s = applyScale(axis, v);
    const double a = std::fmin(lo(), hi()), b = std::fmax(lo(), hi());
    return std::isfinite(s) && s >= a - 1e-9 * std::fabs(b - a) && s <= b + 1e-9 * std::fabs(b - a);
  }
};

std::string num(double v) { return formatNumber(v, 2); }

void text(std::string& out, double x, double y, const std::string& s, const char* anchor,
          double size, const char* extra = "") {
  out += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-size=\"" + num(size) +
         "\" text-anchor=\"" + anchor + "\"" + extra + ">" + escapeXml(s) + "</text>\n";
}

void line(std::string& out, double x1, double y1, double x2, double y2, const char* style) {
  out += "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" +
         num(y2) + "\" " + style + "/>\n";
}

// The pixel points of a series (staircase corners for steps); non-finite points split it.
std::vector<std::vector<std::pair<double, double>>> pixelRuns(const Series& s,
                                                              const Mapper& mx,
                                                              const Mapper& my) {
  std::vector<std::vector<std::pair<double, double>>> runs(1);
  const std::size_t n = s.x.size() < s.y.size() ? s.x.size() : s.y.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double px = mx(s.x[i]), py = my(s.y[i]);
    if (!std::isfinite(px) || !std::isfinite(py)) {
      if (!runs.back().empty()) runs.emplace_back();
      continue;
    }
    auto& run = runs.back();
    if (s.steps && !run.empty()) run.emplace_back(px, run.back().second);
    run.emplace_back(px, py);
  }
  return runs;
}

}  // namespace

std::string formatNumber(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals < 0 ? 0 : decimals, value);
  std::string s = buffer;
  if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);
  return s;
}

std::string escapeXml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::vector<Tick> roundTicks(double min, double max, int count, int decimals) {
  std::vector<Tick> ticks;
  if (!(max > min) || count < 1) return ticks;
  const double raw = (max - min) / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  for (double v = std::ceil(min / step - 1e-9) * step; v <= max + 1e-9 * step; v += step)
    ticks.push_back({v, formatNumber(v, decimals)});
  return ticks;
}

Chart::Chart(double width, double height, std::string title)
    : width_(width), height_(height), title_(std::move(title)) {}

void Chart::addPanel(Panel panel) { panels_.push_back(std::move(panel)); }

std::string Chart::render() const {
  std::string out;
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(width_) + "\" height=\"" +
         num(height_) + "\" viewBox=\"0 0 " + num(width_) + " " + num(height_) +
         "\" font-family=\"Helvetica, Arial, sans-serif\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  text(out, width_ / 2, 24, title_, "middle", 17, " font-weight=\"bold\"");
  const double panelWidth = panels_.empty() ? width_ : width_ / panels_.size();
  for (std::size_t i = 0; i < panels_.size(); ++i)
    renderPanel(out, panels_[i], static_cast<int>(i), i * panelWidth, kChartTitleHeight,
                panelWidth, height_ - kChartTitleHeight);
  out += "</svg>\n";
  return out;
}

void Chart::renderPanel(std::string& out, const Panel& p, int index, double left, double top,
                        double width, double height) const {
  const double x0 = left + kMarginLeft, x1 = left + width - kMarginRight;
  const double y0 = top + height - kMarginBottom, y1 = top + kMarginTop;
  const Mapper mx{p.x, x0, x1}, my{p.y, y0, y1};
  const std::string clip = "plot" + std::to_string(index);

  out += "<g>\n";
  text(out, (x0 + x1) / 2, top + 22, p.title, "middle", 14, " font-weight=\"bold\"");
  out += "<clipPath id=\"" + clip + "\"><rect x=\"" + num(x0) + "\" y=\"" + num(y1) +
         "\" width=\"" + num(x1 - x0) + "\" height=\"" + num(y0 - y1) + "\"/></clipPath>\n";

  // Grid lines and tick labels.
  for (const Tick& t : p.x.ticks) {
    if (!mx.inside(t.value)) continue;
    const double px = mx(t.value);
    line(out, px, y0, px, y1, "stroke=\"#e3e3e3\" stroke-width=\"1\"");
    line(out, px, y0, px, y0 + 5, "stroke=\"#333\" stroke-width=\"1\"");
    text(out, px, y0 + 19, t.label, "middle", 11);
  }
  // On a transformed paper ticks may crowd: a label closer than kLabelGap to the last
  // one drawn is left out (its grid line stays).
  constexpr double kLabelGap = 16;
  double lastLabel = 1e300;
  for (const Tick& t : p.y.ticks) {
    if (!my.inside(t.value)) continue;
    const double py = my(t.value);
    line(out, x0, py, x1, py, "stroke=\"#e3e3e3\" stroke-width=\"1\"");
    if (std::fabs(py - lastLabel) < kLabelGap) continue;
    line(out, x0 - 5, py, x0, py, "stroke=\"#333\" stroke-width=\"1\"");
    text(out, x0 - 8, py + 4, t.label, "end", 11);
    lastLabel = py;
  }
  out += "<rect x=\"" + num(x0) + "\" y=\"" + num(y1) + "\" width=\"" + num(x1 - x0) +
         "\" height=\"" + num(y0 - y1) + "\" fill=\"none\" stroke=\"#333\" stroke-width=\"1.2\"/>\n";
  text(out, (x0 + x1) / 2, y0 + 40, p.x.title, "middle", 12.5);
  const double ty = (y0 + y1) / 2, tx = left + 18;
  text(out, tx, ty, p.y.title, "middle", 12.5,
       (" transform=\"rotate(-90 " + num(tx) + " " + num(ty) + ")\"").c_str());
  if (!p.note.empty()) text(out, x0, y0 + 56, p.note, "start", 10.5, " fill=\"#555\"");

  // The series, clipped to the plot area.
  out += "<g clip-path=\"url(#" + clip + ")\">\n";
  for (const Series& s : p.series) {
    for (const auto& run : pixelRuns(s, mx, my)) {
      if (run.size() < 2) continue;
      out += "<polyline fill=\"none\" stroke=\"" + escapeXml(s.colour) +
             "\" stroke-width=\"2\" stroke-linejoin=\"round\"";
      if (s.dashed) out += " stroke-dasharray=\"6 4\"";
      out += " points=\"";
      for (const auto& pt : run) out += num(pt.first) + "," + num(pt.second) + " ";
      out += "\"/>\n";
    }
    if (s.markers) {
      const std::size_t n = s.x.size() < s.y.size() ? s.x.size() : s.y.size();
      for (std::size_t i = 0; i < n; ++i) {
        const double px = mx(s.x[i]), py = my(s.y[i]);
        if (!std::isfinite(px) || !std::isfinite(py)) continue;
        out += "<circle cx=\"" + num(px) + "\" cy=\"" + num(py) + "\" r=\"3.2\" fill=\"" +
               escapeXml(s.colour) + "\"/>\n";
      }
    }
  }
  out += "</g>\n";

  // Legend box.
  std::vector<const Series*> shown;
  for (const Series& s : p.series)
    if (!s.label.empty()) shown.push_back(&s);
  if (!shown.empty()) {
    std::size_t longest = 0;
    for (const Series* s : shown) longest = s->label.size() > longest ? s->label.size() : longest;
    const double boxW = 44 + 6.4 * longest, boxH = 10 + 18.0 * shown.size();
    double bx = x0 + 10, by = y1 + 10;
    if (p.legend == LegendPlace::TopRight) bx = x1 - 10 - boxW;
    if (p.legend == LegendPlace::BottomRight) bx = x1 - 10 - boxW;
    if (p.legend == LegendPlace::BottomRight || p.legend == LegendPlace::BottomLeft)
      by = y0 - 10 - boxH;
    out += "<rect x=\"" + num(bx) + "\" y=\"" + num(by) + "\" width=\"" + num(boxW) +
           "\" height=\"" + num(boxH) +
           "\" fill=\"white\" fill-opacity=\"0.92\" stroke=\"#999\" stroke-width=\"0.8\"/>\n";
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const Series& s = *shown[i];
      const double ly = by + 14 + 18.0 * i;
      std::string style = "stroke=\"" + escapeXml(s.colour) + "\" stroke-width=\"2.5\"";
      if (s.dashed) style += " stroke-dasharray=\"6 4\"";
      line(out, bx + 8, ly, bx + 32, ly, style.c_str());
      text(out, bx + 38, ly + 4, s.label, "start", 11.5);
    }
  }
  out += "</g>\n";
}

bool Chart::writeFile(const std::string& path) const {
  std::ofstream file(path, std::ios::binary);
  if (!file) return false;
  file << render();
  return static_cast<bool>(file.flush());
}

}  // namespace svgchart
