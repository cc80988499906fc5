// SVG text building. Numbers are formatted with integer arithmetic so that a host that
// changed the C locale (a decimal comma) still gets a valid document.
#include "chart/svg_text.h"

#include <cmath>
#include <cstdint>

namespace qira::chart {

std::string fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  if (decimals < 0) decimals = 0;
  if (decimals > 6) decimals = 6;
  double scale = std::pow(10.0, decimals);
  double scaled = std::round(std::fabs(value) * scale);
  if (scaled > 9e15) scaled = 9e15;  // beyond any drawing coordinate; keeps the cast defined
  auto units = static_cast<std::int64_t>(scaled);
  auto whole = static_cast<std::int64_t>(scale);
  std::string text = std::to_string(units / whole);
  if (decimals > 0) {
    std::string part = std::to_string(units % whole);
    text += "." + std::string(static_cast<std::size_t>(decimals) - part.size(), '0') + part;
  }
  return (value < 0 && units != 0 ? "-" : "") + text;
}

std::string plainNumber(double value) {
  int exponent = static_cast<int>(std::floor(std::log10(value) + 1e-9));
  return fixed(value, exponent < 0 ? -exponent : 0);
}

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0.
std::size_t utf8Length(const std::string& s, std::size_t i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char lead = byte(i);
  std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                : (lead >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((byte(i + k) >> 6) != 0x2) return 0;
  if (n == 2 && lead < 0xC2) return 0;  // overlong
  if (n == 3) {
    unsigned char second = byte(i + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)) return 0;
  }
  if (n == 4) {
    unsigned char second = byte(i + 1);
    if (lead > 0xF4 || (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
      return 0;
  }
  return n;
}

}  // namespace

std::string escapeText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = utf8Length(text, i);
    char c = text[i];
    if (n == 0 || (n == 1 && static_cast<unsigned char>(c) < 0x20)) {
      out += '?';
      i += n == 0 ? 1 : n;
      continue;
    }
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out.append(text, i, n);
    }
    i += n;
  }
  return out;
}

double textWidth(const std::string& text, double size) {
  std::size_t glyphs = 0;
  for (unsigned char c : text)
    if ((c >> 6) != 0x2) ++glyphs;  // count lead bytes only
  return 0.58 * size * static_cast<double>(glyphs);
}

std::vector<std::string> wrapText(const std::string& text, std::size_t columns) {
  std::vector<std::string> lines;
  std::string paragraph;
  auto flush = [&](const std::string& para) {
    std::string line;
    std::size_t start = 0;
    while (start <= para.size()) {
      std::size_t end = para.find(' ', start);
      if (end == std::string::npos) end = para.size();
      std::string word = para.substr(start, end - start);
      if (!line.empty() && line.size() + 1 + word.size() > columns) {
        lines.push_back(line);
        line.clear();
      }
      line += (line.empty() ? "" : " ") + word;
      start = end + 1;
    }
    if (!line.empty()) lines.push_back(line);
  };
  for (char c : text) {
    if (c == '\n') {
      flush(paragraph);
      paragraph.clear();
    } else {
      paragraph += c;
    }
  }
  if (!paragraph.empty()) flush(paragraph);
  return lines;
}

void SvgWriter::line(double x1, double y1, double x2, double y2, const char* stroke,
                     double width, const char* dash) {
  out_ += "<line x1=\"" + fixed(x1, 1) + "\" y1=\"" + fixed(y1, 1) + "\" x2=\"" + fixed(x2, 1) +
          "\" y2=\"" + fixed(y2, 1) + "\" stroke=\"" + stroke + "\" stroke-width=\"" +
          fixed(width, 2) + "\"" + (dash ? std::string(" stroke-dasharray=\"") + dash + "\"" : "") +
          "/>\n";
}

void SvgWriter::polyline(const std::vector<Point>& points, const char* stroke, double width,
                         const char* dash) {
  if (points.size() < 2) return;
  out_ += "<polyline fill=\"none\" stroke=\"" + std::string(stroke) + "\" stroke-width=\"" +
          fixed(width, 2) + "\" stroke-linejoin=\"round\"" +
          (dash ? std::string(" stroke-dasharray=\"") + dash + "\"" : "") + " points=\"";
  for (const Point& p : points) out_ += fixed(p.first, 1) + "," + fixed(p.second, 1) + " ";
  out_.back() = '"';
  out_ += "/>\n";
}

void SvgWriter::rect(double x, double y, double w, double h, const char* fill,
                     const char* stroke, double opacity) {
  out_ += "<rect x=\"" + fixed(x, 1) + "\" y=\"" + fixed(y, 1) + "\" width=\"" + fixed(w, 1) +
          "\" height=\"" + fixed(h, 1) + "\" fill=\"" + fill + "\" stroke=\"" + stroke + "\"" +
          (opacity < 1.0 ? " fill-opacity=\"" + fixed(opacity, 2) + "\"" : "") + "/>\n";
}

void SvgWriter::circle(double x, double y, double r, const char* fill, const char* stroke) {
  out_ += "<circle cx=\"" + fixed(x, 1) + "\" cy=\"" + fixed(y, 1) + "\" r=\"" + fixed(r, 1) +
          "\" fill=\"" + fill + "\" stroke=\"" + stroke + "\"/>\n";
}

void SvgWriter::polygon(const std::vector<Point>& points, const char* fill) {
  out_ += "<polygon fill=\"" + std::string(fill) + "\" points=\"";
  for (const Point& p : points) out_ += fixed(p.first, 1) + "," + fixed(p.second, 1) + " ";
  out_.back() = '"';
  out_ += "/>\n";
}

void SvgWriter::text(double x, double y, const std::string& content, double size,
                     const char* anchor, const char* fill, double rotate, bool halo, bool bold) {
  out_ += "<text x=\"" + fixed(x, 1) + "\" y=\"" + fixed(y, 1) + "\" font-size=\"" +
          fixed(size, 1) + "\" text-anchor=\"" + anchor + "\" fill=\"" + fill + "\"";
  if (rotate != 0.0)
    out_ += " transform=\"rotate(" + fixed(rotate, 1) + " " + fixed(x, 1) + " " + fixed(y, 1) + ")\"";
  if (halo) out_ += " stroke=\"white\" stroke-width=\"3\" paint-order=\"stroke\"";
  if (bold) out_ += " font-weight=\"bold\"";
  out_ += ">" + escapeText(content) + "</text>\n";
}

}  // namespace qira::chart
