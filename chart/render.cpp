// The whole chart document: title, the distillation and viscosity panels side by side,
// their legends under them, and the caption.
#include <algorithm>

#include "chart/panels.h"

namespace qira::chart {

namespace {

constexpr double kWidth = 1200;
constexpr double kPanelTop = 64, kPanelHeight = 380;
constexpr double kCaptionFont = 11, kCaptionLine = 15;
const Frame kDistillationFrame{80, kPanelTop, 430, kPanelHeight};
const Frame kViscosityFrame{690, kPanelTop, 400, kPanelHeight};

}  // namespace

std::string renderSvg(const ChartModel& model) {
  SvgWriter body;
  if (!model.title.empty()) {
    // a long title is set smaller, down to the caption's size, to stay on the page
    double size = std::clamp((kWidth - 40) / textWidth(model.title, 1.0) / 1.1, kCaptionFont, 17.0);
    body.text(kWidth / 2, 34, model.title, size, "middle", "#111", 0, false, true);
  }
  auto distillation = drawDistillationPanel(body, kDistillationFrame, model);
  auto viscosity = drawViscosityPanel(body, kViscosityFrame, model);
  double legendTop = kPanelTop + kPanelHeight + 62;
  // one legend after the other, so that every compiler writes the same SVG text
  double belowDistillation =
      drawLegend(body, kDistillationFrame.left - 40, legendTop, kDistillationFrame.width + 80, distillation);
  double belowViscosity =
      drawLegend(body, kViscosityFrame.left - 40, legendTop, kViscosityFrame.width + 100, viscosity);
  double below = std::max(belowDistillation, belowViscosity);
  double y = below + 10;
  auto columns = static_cast<std::size_t>((kWidth - 80) / textWidth("n", kCaptionFont));
  for (const std::string& line : wrapText(model.caption, columns)) {
    y += kCaptionLine;
    body.text(40, y, line, kCaptionFont, "start", "#444");
  }
  double height = y + 16;
  std::string w = fixed(kWidth, 0), h = fixed(height, 0);
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h +
         "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n<rect width=\"100%\" "
         "height=\"100%\" fill=\"white\"/>\n" +
         body.str() + "</svg>\n";
}

}  // namespace qira::chart
