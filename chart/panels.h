// The chart's two panels. Each draws into the writer inside its frame and returns the
// legend entries that explain it.
#pragma once

#include <vector>

#include "chart/chart_layout.h"
#include "chart/chart_model.h"

namespace qira::chart {

std::vector<LegendEntry> drawDistillationPanel(SvgWriter& svg, Frame frame,
                                               const ChartModel& model);
std::vector<LegendEntry> drawViscosityPanel(SvgWriter& svg, Frame frame,
                                            const ChartModel& model);

// Shown inside a frame that has nothing to draw.
void drawEmptyPanel(SvgWriter& svg, const Frame& frame, const char* message);

}  // namespace qira::chart
