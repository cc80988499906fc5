// SVG text building: locale-independent numbers, markup-safe UTF-8 text, and the few
// elements the chart draws.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qira::chart {

// value with a fixed number of decimals (0..6), '.' as decimal point whatever the
// process locale; "-0" is written "0".
std::string fixed(double value, int decimals);

// A 1-2-5 tick value (mantissa 1, 2 or 5 times a power of ten) written plainly:
// 0.2, 5, 1000, 20000.
std::string plainNumber(double value);

// Text for character data and attribute values: markup characters escaped, bytes that are
// not valid UTF-8 and control characters replaced by '?'.
std::string escapeText(const std::string& text);

using Point = std::pair<double, double>;

// Accumulates the elements of an SVG document.
class SvgWriter {
 public:
  void raw(const std::string& markup) { out_ += markup; }
  void line(double x1, double y1, double x2, double y2, const char* stroke, double width,
            const char* dash = nullptr);
  void polyline(const std::vector<Point>& points, const char* stroke, double width,
                const char* dash = nullptr);
  void rect(double x, double y, double w, double h, const char* fill, const char* stroke,
            double opacity = 1.0);
  void circle(double x, double y, double r, const char* fill, const char* stroke);
  void polygon(const std::vector<Point>& points, const char* fill);
  // anchor: "start", "middle" or "end"; rotate: degrees about (x, y); halo: a white
  // outline under the glyphs so that text stays legible over lines.
  void text(double x, double y, const std::string& content, double size, const char* anchor,
            const char* fill = "#222", double rotate = 0.0, bool halo = false,
            bool bold = false);
  const std::string& str() const { return out_; }

 private:
  std::string out_;
};

// Rough advance of a UTF-8 string in a sans-serif font of the given size, px.
double textWidth(const std::string& text, double size);

// Breaks text into lines of at most `columns` characters at spaces; '\n' forces a break.
std::vector<std::string> wrapText(const std::string& text, std::size_t columns);

}  // namespace qira::chart
