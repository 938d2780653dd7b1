#include "controls/charts/chart_axis.h"

#include <gtest/gtest.h>

#include "controls/charts/bar_geometry.h"

namespace cw {
namespace {

ChartData Bars(std::vector<double> income, std::vector<double> expense) {
  ChartData data;
  for (std::size_t i = 0; i < income.size(); ++i) data.labels.push_back(std::to_string(i));
  data.series = {{"收入", {255, 128, 128}, std::move(income)}, {"支出", {96, 255, 96}, std::move(expense)}};
  return data;
}

TEST(GridStepTest, RoundsFiftyPixelsOfValueToOneFiveOrTenTimesAPowerOfTen) {
  struct Case {
    double unit;
    long long step;
  } const cases[] = {
      {0.0, 1},      // nothing to show: still a step
      {0.01, 1},     // t = 0
      {0.02, 1},     // t = 1
      {0.05, 1},     // t = 2, m = 2
      {0.06, 5},     // t = 3
      {0.15, 5},     // t = 7
      {0.16, 10},    // t = 8
      {1.0, 50},     // t = 50, p = 10, m = 5
      {2.0, 100},    // t = 100, m = 1
      {5.0, 100},    // t = 250, p = 100, m = 2
      {5.2, 100},    // t = 260, m = 2
      {6.0, 500},    // t = 300, m = 3
      {15.0, 500},   // t = 750, m = 7
      {16.0, 1000},  // t = 800, m = 8
      {20.0, 1000},  // t = 1000, m = 1
      {250.0, 10000},  // t = 12500
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unit);
    EXPECT_EQ(GridStep(c.unit), c.step);
  }
}

TEST(ScaleChartTest, AxisSpansWholeStepsAroundZero) {
  struct Case {
    const char* name;
    std::vector<double> income, expense;
    int width, height, zoom;
    double max, below;
    long long step;
    int above, under, x_step;
  } const cases[] = {
      // Small positive amounts: the axis still reaches 1000. h = 300, u = 3.33, t = 166.
      {"small", {10, 20}, {5, 0}, 400, 400, 100, 1000, 0, 100, 10, 0, 60},
      // A negative value keeps the top at the real maximum. u = 1300/300, t = 216.
      {"negative", {300}, {-1000}, 400, 400, 100, 300, 1000, 100, 3, 10, 60},
      // Many points: the column width stops at 32 pixels and the chart scrolls.
      {"many points", std::vector<double>(100, 5000), std::vector<double>(100, 2500), 800, 500, 100, 5000, 0, 500,
       10, 0, 32},
      // Zoom doubles the plot height and the column width (which stops at 60).
      {"zoomed", {5000}, {0}, 1000, 300, 200, 5000, 0, 500, 10, 0, 60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChartScale s = ScaleChart(Bars(c.income, c.expense), c.width, c.height, c.zoom);
    EXPECT_DOUBLE_EQ(s.max, c.max);
    EXPECT_DOUBLE_EQ(s.below, c.below);
    EXPECT_EQ(s.step, c.step);
    EXPECT_EQ(s.steps_above, c.above);
    EXPECT_EQ(s.steps_below, c.under);
    EXPECT_EQ(s.x_step, c.x_step);
    // The span fills the plot exactly, so the top and bottom steps sit on its edges.
    EXPECT_DOUBLE_EQ(s.YOf(s.Top()), ChartMargins::kTop);
    EXPECT_NEAR(s.YOf(s.Bottom()), ChartMargins::kTop + s.plot_height, 1e-9);
    EXPECT_EQ(s.DrawingWidth(), s.points * s.x_step + 140);
    EXPECT_EQ(s.DrawingHeight(), s.plot_height + 80);
  }
}

TEST(ScaleChartTest, TinyClientAndNearZeroValuesStillGiveAPlot) {
  const ChartScale tiny = ScaleChart(Bars({5}, {1}), 50, 40, 100);
  EXPECT_EQ(tiny.plot_height, 100);
  EXPECT_GT(tiny.unit, 0);
  const ChartScale near_zero = ScaleChart(Bars({0}, {-0.5}), 400, 400, 100);
  EXPECT_EQ(near_zero.steps_above + near_zero.steps_below, 1);
  EXPECT_GT(near_zero.unit, 0);
  const ChartScale empty = ScaleChart(ChartData{}, 400, 400, 100);
  EXPECT_EQ(empty.x_step, 60);
  EXPECT_EQ(empty.DrawingWidth(), 140);
}

TEST(GridlinesTest, EveryHalfStepWithEveryFifthStepThick) {
  ChartScale s;
  s.step = 100;
  s.steps_above = 6;
  s.steps_below = 1;
  const std::vector<Gridline> lines = Gridlines(s);
  ASSERT_EQ(lines.size(), 15u);  // -100 to 600 by 50
  EXPECT_DOUBLE_EQ(lines.front().value, -100);
  EXPECT_DOUBLE_EQ(lines.back().value, 600);
  std::vector<double> thick;
  int labelled = 0;
  for (const Gridline& line : lines) {
    if (line.thick) thick.push_back(line.value);
    labelled += line.main;
    if (!line.main) {
      EXPECT_FALSE(line.thick);
    }
  }
  EXPECT_EQ(thick, (std::vector<double>{0, 500}));
  EXPECT_EQ(labelled, 8);
}

TEST(LabelIntervalTest, LabelsNeverOverlap) {
  struct Case {
    int label_width, x_step, interval;
  } const cases[] = {{40, 60, 1}, {52, 60, 1}, {53, 60, 2}, {70, 32, 3}, {56, 32, 2}, {10, 0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label_width);
    const int interval = LabelInterval(c.label_width, c.x_step);
    EXPECT_EQ(interval, c.interval);
    if (c.x_step > 0) {
      EXPECT_GE(interval * c.x_step, c.label_width + 8);
    }
  }
}

TEST(StepZoomTest, StaysInTheList) {
  EXPECT_EQ(StepZoom(100, 1), 150);
  EXPECT_EQ(StepZoom(100, -1), 75);
  EXPECT_EQ(StepZoom(400, 1), 400);
  EXPECT_EQ(StepZoom(50, -3), 50);
  EXPECT_EQ(StepZoom(120, 1), 150);
  EXPECT_EQ(StepZoom(120, -1), 100);
}

TEST(BarGeometryTest, BarsStandOnZeroAndAreFoundUnderThePointer) {
  const ChartData data = Bars({800, 200}, {-400, 0});
  const ChartScale s = ScaleChart(data, 400, 400, 100);
  const BarRect income = BarOf(s, data, 0, 0);
  const BarRect expense = BarOf(s, data, 1, 0);
  EXPECT_DOUBLE_EQ(income.top + income.height, s.YOf(0));  // stands on the zero line
  EXPECT_DOUBLE_EQ(expense.top, s.YOf(0));                 // hangs from it
  EXPECT_DOUBLE_EQ(expense.left, income.left + income.width);
  EXPECT_NEAR(income.height, 800 / s.unit, 1e-9);
  EXPECT_EQ(BarAt(s, data, income.left + 1, income.top + 2), (BarHit{0, 0}));
  EXPECT_EQ(BarAt(s, data, expense.left + 1, expense.top + expense.height - 1), (BarHit{1, 0}));
  EXPECT_FALSE(BarAt(s, data, income.left + 1, income.top - 5));  // above the bar
  EXPECT_FALSE(BarAt(s, data, ChartMargins::kLeft - 1, s.YOf(100)));  // left of the plot
  // A zero bar can still be pointed at on the zero line.
  const BarRect zero = BarOf(s, data, 1, 1);
  EXPECT_EQ(BarAt(s, data, zero.left + 1, s.YOf(0)), (BarHit{1, 1}));
  EXPECT_EQ(CurvePointAt(s, data, s.XOf(1) + 2, s.YOf(200) - 3), (BarHit{0, 1}));
  EXPECT_FALSE(CurvePointAt(s, data, s.XOf(1), s.YOf(200) - 30));
}

}  // namespace
}  // namespace cw
