// The chart builder: its refusals leave the chart as it was, its text goes out through
// caller-owned buffers, and the drawing keeps its promises (legends outside the plots,
// labels apart, 1-2-5 decades, dashed extrapolation, marked clipping, escaped text).
#include <functional>
#include <memory>
#include <regex>
#include <string>

#include "QIRAChart.h"
#include "chart/chart_layout.h"
#include "chart/svg_text.h"
#include "support/tables.h"

using namespace qira_test;

namespace {

using ChartPtr = std::unique_ptr<QiraChart, void (*)(QiraChart*)>;
ChartPtr newChart() { return ChartPtr(QiraChart_Create(), QiraChart_Free); }

std::string render(const QiraChart* chart) {
  int needed = 0;
  EXPECT_EQ(QiraChart_Render(chart, nullptr, 0, &needed), QIRA_CHART_BUFFER_TOO_SMALL);
  std::string text(static_cast<std::size_t>(needed), '\0');
  EXPECT_EQ(QiraChart_Render(chart, text.data(), needed, &needed), QIRA_CHART_OK);
  text.resize(static_cast<std::size_t>(needed) - 1);
  return text;
}

std::string lastError(const QiraChart* chart) {
  char text[300];
  QiraChart_LastError(chart, text, sizeof text, nullptr);
  return text;
}

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// y of the <text> element holding exactly `content`; -1 when there is none.
double textY(const std::string& svg, const std::string& content) {
  std::smatch m;
  std::regex re("<text x=\"[-0-9.]+\" y=\"([-0-9.]+)\"[^>]*>" + content + "</text>");
  return std::regex_search(svg, m, re) ? std::stod(m[1]) : -1.0;
}

// A diesel-like example: laboratory D86 readings, a TBP curve extrapolated at its ends,
// three cuts after one light end, two Walther lines and two bulk points.
ChartPtr dieselChart() {
  ChartPtr c = newChart();
  const V labY{0.1, 0.3, 0.5, 0.7, 0.9}, labT = {485, 515, 540, 570, 610};
  const V tbpY{0.0, 0.1, 0.3, 0.5, 0.7, 0.9, 1.0}, tbpT = {440, 470, 510, 540, 575, 625, 660};
  const bool ends[] = {true, false, false, false, false, false, true};
  QiraChart_SetText(c.get(), "diesel", "TBP from D86 by API 3A1.1");
  QiraChart_AddCurve(c.get(), "laboratory D86", 5, labY.data(), labT.data(), nullptr, QIRA_CHART_POINTS);
  QiraChart_AddCurve(c.get(), "TBP", 7, tbpY.data(), tbpT.data(), ends, QIRA_CHART_LINE);
  QiraChart_AddLightEnd(c.get(), "n-butane", 272.66, 0.02);
  const V bounds{440, 500, 560, 660}, nbp = {470, 530, 600}, frac = {0.3, 0.4, 0.28};
  const char* names[] = {"kerosene", "light gas oil", "heavy gas oil"};
  QiraChart_SetCuts(c.get(), 3, bounds.data(), nbp.data(), frac.data(), names);
  QiraChart_AddViscosityLine(c.get(), "197 C", 1.6, 0.9);
  QiraChart_AddViscosityLine(c.get(), "327 C", 12.0, 3.5);
  QiraChart_AddViscosityPoint(c.get(), 313.15, 3.1, true);
  QiraChart_AddViscosityPoint(c.get(), 373.15, 1.4, false);
  return c;
}

}  // namespace

TEST(Chart, RefusalsNameTheArgumentAndChangeNothing) {
  ChartPtr c = dieselChart();
  const std::string before = render(c.get());
  const V yOk{0.2, 0.5}, y2{0.5, 0.2}, t2 = {400, 500}, yNaN = {0.1, kNaN}, tNeg = {400, -1};
  const V b2{400, 300}, n1{350}, f1{0.99};
  const char* const bad[] = {"x"};
  struct Case {
    const char* call;
    std::function<int()> run;
    const char* message;  // part of QiraChart_LastError after the call
  } cases[] = {
      {"descending fractions", [&] { return QiraChart_AddCurve(c.get(), "L", 2, y2.data(), t2.data(), nullptr, 0); }, "fractions[1] = 0.2"},
      {"NaN fraction", [&] { return QiraChart_AddCurve(c.get(), "L", 2, yNaN.data(), t2.data(), nullptr, 0); }, "fractions[1] = nan"},
      {"negative temperature", [&] { return QiraChart_AddCurve(c.get(), "L", 2, yOk.data(), tNeg.data(), nullptr, 0); }, "kelvin[1] = -1"},
      {"count 1", [&] { return QiraChart_AddCurve(c.get(), "L", 1, y2.data(), t2.data(), nullptr, 0); }, "count = 1"},
      {"count above the limit", [&] { return QiraChart_AddCurve(c.get(), "L", QIRA_CHART_MAX_ITEMS + 1, y2.data(), t2.data(), nullptr, 0); }, "count = 10001"},
      {"unknown style", [&] { return QiraChart_AddCurve(c.get(), "L", 2, yOk.data(), t2.data(), nullptr, 7); }, "style = 7"},
      {"null label", [&] { return QiraChart_AddCurve(c.get(), nullptr, 2, y2.data(), t2.data(), nullptr, 0); }, "label is null"},
      {"null kelvin", [&] { return QiraChart_AddCurve(c.get(), "L", 2, n1.data(), nullptr, nullptr, 0); }, "kelvin is null"},
      {"descending boundaries", [&] { return QiraChart_SetCuts(c.get(), 1, b2.data(), n1.data(), f1.data(), bad); }, "boundaries[1] = 300"},
      {"cuts beyond the whole stream with the light end", [&] { return QiraChart_SetCuts(c.get(), 1, t2.data(), n1.data(), f1.data(), bad); }, "at most 1"},
      {"cut count 0", [&] { return QiraChart_SetCuts(c.get(), 0, t2.data(), n1.data(), f1.data(), bad); }, "count = 0"},
      {"light end over the stream", [&] { return QiraChart_AddLightEnd(c.get(), "propane", 231, 0.5); }, "at most 1"},
      {"light end NaN boiling point", [&] { return QiraChart_AddLightEnd(c.get(), "propane", kNaN, 0.0); }, "nbp = nan"},
      {"viscosity rising with temperature", [&] { return QiraChart_AddViscosityLine(c.get(), "x", 2, 3); }, "nu100 = 3"},
      {"viscosity zero", [&] { return QiraChart_AddViscosityLine(c.get(), "x", 0, 0); }, "nu38 = 0"},
      {"bulk point beyond 700 K", [&] { return QiraChart_AddViscosityPoint(c.get(), 800, 1, true); }, "kelvin = 800"},
      {"null title", [&] { return QiraChart_SetText(c.get(), nullptr, ""); }, "title is null"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(k.run(), QIRA_CHART_BAD_ARGUMENT) << k.call;
    EXPECT_NE(lastError(c.get()).find(k.message), std::string::npos) << k.call << ": " << lastError(c.get());
  }
  // the first refusal's message is replaced by each later one, the chart never changed
  EXPECT_EQ(render(c.get()), before);
}

TEST(Chart, NullChartsAndBuffers) {
  char buffer[8] = "abc";
  int needed = -5;
  ChartPtr c = dieselChart();
  struct Case {
    const char* call;
    int code, want;
  } cases[] = {
      {"render of a null chart", QiraChart_Render(nullptr, buffer, 8, &needed), QIRA_CHART_BAD_ARGUMENT},
      {"last error of a null chart", QiraChart_LastError(nullptr, buffer, 8, &needed), QIRA_CHART_BAD_ARGUMENT},
      {"setters on a null chart", QiraChart_SetText(nullptr, "", "") + QiraChart_AddLightEnd(nullptr, "a", 300, 0) + QiraChart_AddViscosityPoint(nullptr, 300, 1, true), 3 * QIRA_CHART_BAD_ARGUMENT},
      {"negative size", QiraChart_Render(c.get(), buffer, -1, &needed), QIRA_CHART_BAD_ARGUMENT},
      {"null buffer with a size", QiraChart_Render(c.get(), nullptr, 8, &needed), QIRA_CHART_BAD_ARGUMENT},
      {"buffer too small: emptied, size told", QiraChart_Render(c.get(), buffer, 8, &needed), QIRA_CHART_BUFFER_TOO_SMALL},
  };
  for (const Case& k : cases) EXPECT_EQ(k.code, k.want) << k.call;
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(static_cast<std::size_t>(needed), render(c.get()).size() + 1);
  QiraChart_Free(nullptr);  // ignored
  EXPECT_EQ(lastError(c.get()), "");  // no call of this chart failed
}

TEST(Chart, DrawingKeepsItsPromises) {
  ChartPtr c = dieselChart();
  // a third line far heavier than the others: the axis spans 38 to 100 C of every line,
  // so beyond them this one leaves the frame and is marked where it does
  QiraChart_AddViscosityLine(c.get(), "heavy", 5000, 80);
  const std::string svg = render(c.get());
  const double frameBottom = 64 + 380;
  struct Case {
    const char* promise;
    bool holds;
  } cases[] = {
      {"legend entries stand under the plots", textY(svg, "measured bulk viscosity") > frameBottom &&
                                                  textY(svg, "laboratory D86") > frameBottom},
      {"the extrapolated TBP ends are dashed, the rest solid", count(svg, "stroke-dasharray=\"6,4\" points=") == 2},
      {"cut names, light end and boundary temperatures drawn", textY(svg, "light gas oil") > 0 &&
                                                                  textY(svg, "n-butane") > 0 && textY(svg, "227") > 0 && textY(svg, "387") > 0},
      {"the viscosity axis carries 1-2-5 labels", textY(svg, "1") > 0 && textY(svg, "2") > 0 && textY(svg, "5") > 0},
      {"the heavy line is cut at the frame and marked there (and in the legend)", count(svg, "<polygon") == 2},
      {"the caption names the method", svg.find("API 3A1.1") != std::string::npos},
  };
  for (const Case& k : cases) EXPECT_TRUE(k.holds) << k.promise;
}

TEST(Chart, TextIsEscapedAndValidUtf8) {
  ChartPtr c = newChart();
  QiraChart_SetText(c.get(), "a < b & \"c\" \xff\xfe", "\xe2\x82\xac 5\x01");
  const std::string svg = render(c.get());
  EXPECT_NE(svg.find("a &lt; b &amp; &quot;c&quot; ??"), std::string::npos);
  EXPECT_NE(svg.find("\xe2\x82\xac 5?"), std::string::npos);  // the euro sign kept
  EXPECT_NE(svg.find("no distillation curve or cuts given"), std::string::npos);
  EXPECT_NE(svg.find("no viscosities given"), std::string::npos);
}

TEST(Chart, NumbersTicksAndLabelPlacement) {
  using namespace qira::chart;
  struct Text {
    const char* origin;
    std::string got, want;
  } texts[] = {
      {"fixed rounds half away from zero", fixed(-3.25, 1), "-3.3"},
      {"fixed: no negative zero", fixed(-0.04, 1), "0.0"},
      {"fixed pads the decimals", fixed(1234.5, 3), "1234.500"},
      {"a 1-2-5 value below one", plainNumber(0.05), "0.05"},
      {"a 1-2-5 value above one", plainNumber(20000), "20000"},
  };
  for (const Text& t : texts) EXPECT_EQ(t.got, t.want) << t.origin;
  // the decades around 0.35 to 47 cSt, from the 1-2-5 value at or below to the one above
  EXPECT_EQ(decadeValues(0.35, 47), (V{0.2, 0.5, 1, 2, 5, 10, 20, 50}));
  EXPECT_EQ(decadeValues(1, 10), (V{1, 2, 5, 10}));
  auto ticks = linearTicks(-42, 388, 10);
  EXPECT_EQ(ticks.front().label, "0");
  EXPECT_EQ(ticks.back().label, "350");

  // property: labels at least the gap apart, inside the range, the unmoved ones unmoved
  const V wanted{100, 104, 104, 300, 10, 395};
  auto slots = spreadLabels(wanted, 12, 0, 400);
  ASSERT_EQ(slots.size(), wanted.size());
  for (std::size_t k = 1; k < slots.size(); ++k) EXPECT_GE(slots[k].placed - slots[k - 1].placed, 12 - 1e-9);
  for (const LabelSlot& s : slots) {
    EXPECT_GE(s.placed, 0);
    EXPECT_LE(s.placed, 400);
    if (s.item == 3) {
      EXPECT_EQ(s.placed, 300);  // nothing near it
    }
  }
  // more labels than the room holds: thinned evenly, the last one kept
  V crowded(40);
  for (std::size_t i = 0; i < crowded.size(); ++i) crowded[i] = static_cast<double>(i);
  auto kept = spreadLabels(crowded, 10, 0, 100);
  EXPECT_LE(kept.size(), 11u);
  EXPECT_EQ(kept.back().item, 39u);
}
