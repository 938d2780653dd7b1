// The chart widgets offscreen: what they show under the pointer, zoom, and
// x labels that never collide.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "controls/charts/bar_geometry.h"
#include "controls/charts/chart_dialogs.h"
#include "controls/charts/chart_fonts.h"
#include "controls/charts/curve_wnd.h"
#include "controls/charts/pie_wnd.h"
#include "controls/charts/rect_wnd.h"

namespace cw {
namespace {

ChartData Days(int count) {
  ChartData data{.title = "收入支出图", .x_title = "(日期)", .y_title = "(金额)", .labels = {}, .series = {}};
  data.series = {{"收入", {255, 128, 128}, {}}, {"支出", {96, 255, 96}, {}}};
  for (int i = 0; i < count; ++i) {
    data.labels.push_back("2026.12." + std::to_string(i % 31 + 1));
    data.series[0].values.push_back(100.0 * i);
    data.series[1].values.push_back(50.0 * i);
  }
  return data;
}

TEST(RectWndTest, BarTooltipAndThinnedLabels) {
  CRectWnd chart;
  chart.resize(700, 400);
  chart.SetData(Days(31));
  chart.show();
  const BarRect bar = BarOf(chart.Scale(), chart.Data(), 1, 10);
  EXPECT_EQ(chart.TipAt(bar.left + 1, bar.top + 1), "500.00");
  EXPECT_EQ(chart.TipAt(5, 5), "");
  // Day labels are wider than a column: every label shown keeps clear of the next.
  const QFontMetrics metrics(ChartLabelFont(chart.font()));
  const int widest = metrics.horizontalAdvance(QStringLiteral("2026.12.31"));
  EXPECT_GT(chart.LabelInterval(), 1);
  EXPECT_GE(chart.LabelInterval() * chart.Scale().x_step, widest);
  EXPECT_FALSE(chart.grab().toImage().isNull());
}

TEST(CurveWndTest, ZoomByKeysAndWheelGrowsTheDrawing) {
  CCurveWnd chart;
  chart.resize(500, 300);
  chart.SetData(Days(5));
  chart.show();
  const int height = chart.Scale().DrawingHeight();
  QTest::keyClick(&chart, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(chart.Zoom(), 150);
  EXPECT_GT(chart.Scale().DrawingHeight(), height);
  QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(chart.viewport(), &wheel);
  EXPECT_EQ(chart.Zoom(), 100);
  const ChartScale& s = chart.Scale();
  EXPECT_EQ(chart.TipAt(s.XOf(2), s.YOf(200)), "2026.12.3  收入：200.00");
}

TEST(PieWndTest, SliceTooltipsInBothPies) {
  CPieWnd pies;
  pies.resize(800, 360);
  pies.SetPies({{"财产图", {{"现金", 300}, {"银行存款", 100}}, false}, {"负债图", {{"信用卡", 0.25}}, true}});
  pies.show();
  const std::vector<PieFrame> frames = pies.Frames();
  ASSERT_EQ(frames.size(), 2u);
  // Up and to the right of the first centre lies the first slice (0° to 270°).
  EXPECT_EQ(pies.TipAt(frames[0].cx + 10, frames[0].cy - 10), "现金：300.00元");
  EXPECT_EQ(pies.TipAt(frames[0].cx + 10, frames[0].cy + 10), "银行存款：100.00元");
  EXPECT_EQ(pies.TipAt(frames[1].cx - 10, frames[1].cy), "信用卡：25.00%");
  EXPECT_EQ(pies.TipAt(frames[1].cx, frames[1].cy + frames[1].radius + 5), "");
}

TEST(ChartDialogsTest, ZoomButtonsAndTitles) {
  CCurveDialog curve("盈余曲线图", Days(12));
  EXPECT_EQ(curve.windowTitle(), QStringLiteral("盈余曲线图"));
  curve.show();
  auto* zoom_in = curve.findChild<QPushButton*>();
  ASSERT_NE(zoom_in, nullptr);
  zoom_in->click();
  EXPECT_EQ(curve.Curve()->Zoom(), 150);
  CPieDialog pie("支出分类图", {{"2026年3月", {{"饮食", 1}}, false}});
  EXPECT_EQ(pie.Pie()->Pies().size(), 1u);
}

}  // namespace
}  // namespace cw
