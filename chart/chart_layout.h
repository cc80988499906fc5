// Geometry shared by the chart's parts: the plotting frames, ticks and label placement.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "chart/svg_text.h"

namespace qira::chart {

// A plotting area in SVG pixels with a linear map from paper coordinates (the data after
// any scale transform, e.g. the Walther ordinate) onto it.
struct Frame {
  double left, top, width, height;
  double xMin = 0, xMax = 1, yMin = 0, yMax = 1;  // paper coordinates at the edges

  double x(double paper) const { return left + (paper - xMin) / (xMax - xMin) * width; }
  double y(double paper) const { return top + height - (paper - yMin) / (yMax - yMin) * height; }
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

struct Tick {
  double value;  // data units
  std::string label;
  bool major = true;  // labelled; minor ticks draw only their grid line
};

// About `count` ticks at a round step (1, 2 or 5 times a power of ten) inside [lo, hi].
std::vector<Tick> linearTicks(double lo, double hi, int count);

// lo and hi widened outward to the round step of linearTicks.
void roundOutward(double& lo, double& hi, int count);

// Every 1-2-5 value of each decade from the 1-2-5 value at or below lo to the one at or
// above hi.
std::vector<double> decadeValues(double lo, double hi);

// A label wanted at a position along one axis of the drawing (px).
struct LabelSlot {
  std::size_t item;  // index of what the label names
  double wanted;     // where it would sit unmoved
  double placed;     // where it sits
};

// Places labels at least `gap` apart inside [lo, hi], each as near its wanted position as
// the others allow. When more labels are wanted than the space holds, every k-th is kept
// (and always the last), the fewest k that fit; the result holds the kept ones in
// ascending order of position.
std::vector<LabelSlot> spreadLabels(const std::vector<double>& wanted, double gap, double lo,
                                    double hi);

// Frame, grid lines and tick labels of a panel; the x labels under the frame, the y labels
// to its left; `xTicks`/`yTicks` positions already in paper coordinates.
void drawFrame(SvgWriter& svg, const Frame& f, const std::vector<Tick>& xTicks,
               const std::vector<Tick>& yTicks, const std::string& xTitle,
               const std::string& yTitle);

// Legend entries under a panel, in two columns from (left, top); returns the y below them.
struct LegendEntry {
  enum Kind { Line, Dashed, Dot, Box, FilledSquare, HollowSquare, Arrow, Note } kind;
  std::string colour, text;
};
double drawLegend(SvgWriter& svg, double left, double top, double width,
                  const std::vector<LegendEntry>& entries);

// A small filled triangle at (x, y) pointing along (dx, dy): the mark of a clipped line.
void drawClipMark(SvgWriter& svg, double x, double y, double dx, double dy, const char* colour);

extern const char* const kPalette[];
extern const std::size_t kPaletteSize;

}  // namespace qira::chart
