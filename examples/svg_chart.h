// A tiny self-contained SVG chart writer for the example host: panels side by side, each
// with axes, ticks and grid lines, labelled polylines (optionally with markers, dashed or
// drawn as steps) and a legend. Axes may carry a scale function, so that a chart can be
// drawn on a transformed paper (for instance the Walther viscosity-temperature paper)
// while its ticks are given and labelled in data units.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace svgchart {

struct Tick {
  double value;       // data units
  std::string label;  // shown beside the tick
};

struct Axis {
  std::string title;
  double min = 0.0;  // data units; the axis spans scale(min)..scale(max)
  double max = 1.0;
  std::vector<Tick> ticks;
  std::function<double(double)> scale;  // data -> linear paper coordinate; identity if empty
};

struct Series {
  std::string label;   // legend text; series without a label stay out of the legend
  std::string colour;  // any SVG colour
  std::vector<double> x, y;
  bool steps = false;    // staircase: y[i] holds from x[i] to x[i+1]
  bool markers = false;  // a dot at every point
  bool dashed = false;
};

enum class LegendPlace { TopLeft, TopRight, BottomLeft, BottomRight };

struct Panel {
  std::string title;
  Axis x, y;
  std::vector<Series> series;
  LegendPlace legend = LegendPlace::TopLeft;
  std::string note;  // one line of small print under the plot area
};

// Ticks at round steps (1, 2 or 5 times a power of ten) covering [min, max], about
// `count` of them, labelled with `decimals` decimals.
std::vector<Tick> roundTicks(double min, double max, int count, int decimals);

// A number as text with a fixed number of decimals ("-0" shown as "0").
std::string formatNumber(double value, int decimals);

// Text made safe for SVG character data and attribute values.
std::string escapeXml(const std::string& text);

class Chart {
 public:
  Chart(double width, double height, std::string title);
  void addPanel(Panel panel);
  // The whole SVG document.
  std::string render() const;
  // Writes render() to `path`; false when the file cannot be written.
  bool writeFile(const std::string& path) const;

 private:
  void renderPanel(std::string& out, const Panel& panel, int index, double left,
                   double top, double width, double height) const;
  double width_, height_;
  std::string title_;
  std::vector<Panel> panels_;
};

}  // namespace svgchart
