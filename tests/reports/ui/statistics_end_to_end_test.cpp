// A person looks at the statistics of the demonstration household in the
// desktop program, offscreen: 收入支出表 by month with its bar chart, a drill
// into a month and one of its days, back through the history, the surplus curve; 支出分类表
// with its curve and the pies of a month; 财产负债表 with its two pies.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "calendar/calendar.h"
#include "controls/charts/chart_dialogs.h"
#include "controls/charts/curve_wnd.h"
#include "controls/charts/pie_wnd.h"
#include "controls/charts/rect_wnd.h"
#include "controls/list_wnd.h"
#include "frame/app_commands.h"
#include "home/ui/daily_note.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/statistics/statistics_range.h"
#include "reports/statistics/statistics_rows.h"
#include "reports/ui/chargeup_daily_record.h"
#include "reports/ui/ctrl_wnd_account_graph.h"
#include "app/app_ui_fixture.h"
#include "app/desktop_driver.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::OnModal;

class StatisticsEndToEndTest : public testing::DemoDesktopTest {
 protected:
  void SetUp() override {
    DemoDesktopTest::SetUp();
    frame_->resize(1200, 760);
  }
  CCtrlWndAccountGraph* Graph() const { return qobject_cast<CCtrlWndAccountGraph*>(frame_->Module()); }
  const GridModel& Table() const { return Graph()->Grid()->Model(); }
  int RowOfKey(long long key) const { return Table().FindKey(RowKey(key)); }
};

TEST_F(StatisticsEndToEndTest, TablesChartsDrillDownAndHistory) {
  const Ymd today = DateOfSerialDay(Today());
  ASSERT_TRUE(frame_->MenuAction(kIncomeExpenseTable)->isEnabled());
  frame_->MenuAction(kIncomeExpenseTable)->trigger();
  ASSERT_NE(nullptr, Graph());
  testing::Settle(100);
  // January up to this month, each month with income, and its bar chart.
  EXPECT_EQ(Table().RowCount(), today.month + 2);
  EXPECT_EQ(Graph()->Bars()->Data().PointCount(), today.month);
  EXPECT_TRUE(Graph()->Bars()->isVisible());
  EXPECT_EQ(Graph()->Bars()->Data().series[0].values.front(),
            std::strtod(Table().Cell(0, kIeIncome).c_str(), nullptr));

  // Drill into this month: its days, each that has a voucher; back again.
  const int month_row = RowOfKey(today.year * 100 + today.month);
  ASSERT_GE(month_row, 0);
  Graph()->Grid()->SelectRow(month_row);
  frame_->ToolbarAction(cmd::kDetails)->trigger();
  testing::Settle(100);
  ASSERT_EQ(Graph()->Page().Range().period, kDayPeriod);
  EXPECT_EQ(Graph()->Page().Range().start_date, today.year * 10000 + today.month * 100 + 1);
  EXPECT_GT(Table().RowCount(), 2);
  EXPECT_EQ(static_cast<int>(Table().Key(0).Number()) / 100, today.year * 100 + today.month);
  // A day opens its records, income and expense both.
  bool records_shown = false;
  OnModal<CChargeupDailyRecord>([](CChargeupDailyRecord* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("记账详细数据"));
    EXPECT_GT(d->Grid()->Model().RowCount(), 1);
    d->accept();
  }, &records_shown);
  Graph()->Grid()->SelectRow(0);
  frame_->ToolbarAction(cmd::kDetails)->trigger();
  EXPECT_TRUE(records_shown);
  frame_->OnCommand(cmd::kBack);
  testing::Settle(100);
  EXPECT_EQ(Graph()->Page().Range().period, kMonthPeriod);
  EXPECT_EQ(Table().RowCount(), today.month + 2);

  // The surplus curve in its own window.
  bool curve_shown = false;
  OnModal<CCurveDialog>([](CCurveDialog* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("盈余曲线图"));
    d->accept();
  }, &curve_shown);
  frame_->ToolbarAction(cmd::kSurplusCurve)->trigger();
  EXPECT_TRUE(curve_shown);

  // 支出分类表 with its curve; the pies of this month.
  frame_->MenuAction(kExpenseCategoryTable)->trigger();
  testing::Settle(100);
  EXPECT_EQ(Graph()->CurrentPage(), kExpenseCategoryTable);
  EXPECT_TRUE(Graph()->Curve()->isVisible());
  EXPECT_EQ(Graph()->Curve()->Data().title, "支出曲线图");
  Graph()->Grid()->SelectRow(RowOfKey(today.year * 100 + today.month));
  bool pies_shown = false;
  OnModal<CPieDialog>([](CPieDialog* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("支出分类图"));
    EXPECT_FALSE(d->Pie()->Pies().at(0).items.empty());
    d->accept();
  }, &pies_shown);
  frame_->ToolbarAction(cmd::kClassChart)->trigger();
  EXPECT_TRUE(pies_shown);

  // 财产负债表: the property pie holds the bank deposits.
  frame_->MenuAction(kBalanceSheetTable)->trigger();
  testing::Settle(100);
  EXPECT_TRUE(Graph()->Pies()->isVisible());
  ASSERT_EQ(Graph()->Pies()->Pies().size(), 2u);
  EXPECT_EQ(Table().Cell(0, 0), "财产");
  EXPECT_EQ(RowClassOf(Table().Row(0)), StatRowClass::kHeading);
}

}  // namespace
}  // namespace cw
