// A household plans with budgets in the desktop program, offscreen, on the
// demonstration data: 爸爸 opens 支出预算, switches the comparison on, adds a
// month budget that the month's spending exceeds and sees its cell red; then
// enters a salary with a yearly rise of 10%, spending of 30% of the average
// income and an inflation rate of 3% in 预算设置 and shows the projection to
// the end of 2076 with its chart.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "budget/budget_table.h"
#include "budget/property_items.h"
#include "budget/ui/budget_home_input.h"
#include "budget/ui/ctrl_wnd_account_budget.h"
#include "budget/ui/re_budget_input.h"
#include "budget/ui/select_projection_end.h"
#include "budget_driver.h"
#include "calendar/calendar.h"
#include "controls/charts/curve_wnd.h"
#include "controls/list_wnd.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "home/ui/daily_note.h"
#include "support/modal_driver.h"
#include "ui/operate_prompt.h"

namespace cw {
namespace {

using testing::OnModal;

TEST(BudgetEndToEndTest, ComparisonRedCellAndProjection) {
  QTemporaryDir home;
  CCoinwrightApp app;
  bool logged_in = false, tip_closed = false;
  OnModal<CUserLogon>(testing::LogIn("爸爸", "", /*demo=*/true), &logged_in);
  OnModal<CDailyNote>(testing::CloseDailyNote(), &tip_closed);
  ASSERT_TRUE(app.InitInstance({"coinwright", "--home", home.path()}));
  ASSERT_TRUE(logged_in);
  CMainFrame* frame = app.MainFrame();
  ASSERT_TRUE(QTest::qWaitFor([&] { return tip_closed; }, 10000));

  // ---- 支出预算 with the comparison on.
  ASSERT_TRUE(frame->MenuAction(32961)->isEnabled());
  frame->MenuAction(32961)->trigger();
  auto* budget = qobject_cast<CCtrlWndAccountBudget*>(frame->Module());
  ASSERT_NE(nullptr, budget);
  CListWnd* grid = budget->Grid();
  const int budgets = grid->Model().RowCount();
  ASSERT_GT(budgets, 0) << "the demonstration household has budgets";
  ASSERT_TRUE(testing::TickBudgetCheck(frame, true));
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->Model().RowCount() == 2 * budgets; }, 5000));
  EXPECT_TRUE(IsActualRow(grid->Model().Key(1)));

  // ---- A month budget four months back, groceries planned at 1 yuan.
  const Ymd now = DateOfSerialDay(Today());
  const int month = MonthAdd(now.year, now.month, -4);
  bool entered = false;
  OnModal<CReBudgetInput>(testing::EnterMonthBudget(month, {{"60101", "1"}, {"60102", "5000"}}), &entered);
  frame->ToolbarAction(701)->trigger();
  ASSERT_TRUE(entered);
  const int row = grid->Model().FindKey(RowKey(month));
  ASSERT_GE(row, 0);
  const int actual = grid->Model().FindKey(RowKey(-month));
  ASSERT_EQ(row + 1, actual) << "the actual row stands under its budget";
  int groceries = -1, dining = -1;
  for (int c = 0; c < grid->Model().ColumnCount(); ++c) {
    if (grid->Model().Column(c).title == "买菜") groceries = c;
    if (grid->Model().Column(c).title == "外出就餐") dining = c;
  }
  const GridRow& actuals = grid->Model().Row(actual);
  ASSERT_GT(static_cast<int>(actuals.text_colours.size()), dining);
  EXPECT_EQ(kMissedPlanText, actuals.text_colours[groceries]) << "spent more than 1 yuan on groceries";
  EXPECT_FALSE(actuals.text_colours[dining]) << "far below 5000 on dining out";
  EXPECT_EQ(kActualRowBackground, actuals.background);

  // The actual row opens its budget for a change; cancelled.
  bool opened = false;
  OnModal<CReBudgetInput>(
      [](CReBudgetInput* dialog) {
        EXPECT_EQ("确定(&O)", dialog->findChild<QPushButton*>("save")->text());
        EXPECT_TRUE(dialog->findChild<QPushButton*>("saveAdd")->isHidden());
        dialog->reject();
      },
      &opened);
  grid->SelectRow(actual);
  frame->ToolbarAction(702)->trigger();
  ASSERT_TRUE(opened);

  // A second budget, deleted again after the question.
  const int earlier = MonthAdd(now.year, now.month, -5);
  entered = false;
  OnModal<CReBudgetInput>(testing::EnterMonthBudget(earlier, {{"60101", "10"}}), &entered);
  frame->ToolbarAction(701)->trigger();
  ASSERT_TRUE(entered);
  ASSERT_GE(grid->Model().FindKey(RowKey(earlier)), 0);
  bool asked = false;
  OnModal<COperatePrompt>([](COperatePrompt* prompt) { prompt->accept(); }, &asked);
  grid->SelectRow(grid->Model().FindKey(RowKey(earlier)));
  frame->ToolbarAction(703)->trigger();
  ASSERT_TRUE(asked);
  EXPECT_EQ(-1, grid->Model().FindKey(RowKey(earlier)));
  EXPECT_EQ(-1, grid->Model().FindKey(RowKey(-earlier)));
  EXPECT_GE(grid->Model().FindKey(RowKey(month)), 0);

  // ---- 预算设置: three items.
  frame->MenuAction(32962)->trigger();
  const int demo_items = grid->Model().RowCount();
  const testing::ItemEntry items[] = {
      {.content = "我的工资", .type_index = 0, .kind_index = 0, .amount = "9000", .increase = "10"},
      {.content = "生活开支", .type_index = 1, .kind_index = 0, .amount = "30"},
      {.content = "物价上涨", .type_index = 2, .kind_index = 0, .amount = "3"},
  };
  for (const testing::ItemEntry& item : items) {
    bool saved = false;
    OnModal<CBudgetHomeInput>(testing::EnterItem(item), &saved);
    frame->ToolbarAction(701)->trigger();
    ASSERT_TRUE(saved);
  }
  ASSERT_EQ(demo_items + 3, grid->Model().RowCount());
  bool found = false;
  for (const PropertyItem& item : ReadPropertyItems()) {
    if (item.content != "我的工资") continue;
    found = true;
    EXPECT_EQ(9000, item.cash);
    EXPECT_DOUBLE_EQ(0.1, item.increase);
  }
  EXPECT_TRUE(found);

  // ---- The projection to December 2076 with its chart.
  bool chosen = false;
  OnModal<CSelectProjectionEnd>(testing::ChooseProjectionEnd(207612), &chosen);
  ASSERT_TRUE(testing::ClickNavigation(frame, "显示财产预算结果"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return budget->ShowingProjection(); }, 5000));
  ASSERT_TRUE(chosen);
  const GridModel& projection = grid->Model();
  EXPECT_EQ("期初财产余额", projection.Cell(0, 0));
  EXPECT_EQ("2076-12-31", projection.Cell(projection.RowCount() - 1, 0));
  EXPECT_TRUE(budget->Chart()->isVisible());
  ASSERT_EQ(2u, budget->Chart()->Data().series.size());
  EXPECT_EQ("实际购买力", budget->Chart()->Data().series[1].name);
  // Per item on request.
  ASSERT_TRUE(testing::TickBudgetCheck(frame, true));
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->Model().Column(1).title == "爸爸工资"; }, 5000));

  frame->close();
  app.ExitInstance(0);
}

}  // namespace
}  // namespace cw
