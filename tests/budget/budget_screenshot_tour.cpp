// The budget window on the demonstration data under Xvfb, with screenshots of
// the whole (virtual) screen: the budget dialog, the expense budgets with the
// comparison, the item dialog and the projection with its chart. Run by
// screenshots.sh; not part of the test suite.
//
//   cw_budget_screenshot_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "budget/ui/budget_home_input.h"
#include "budget/ui/ctrl_wnd_account_budget.h"
#include "budget/ui/re_budget_input.h"
#include "budget/ui/select_projection_end.h"
#include "budget_driver.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"
#include "desktop_driver.h"
#include "screenshot_session.h"
#include "support/modal_driver.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (!cw::testing::BeginScreenshotTour(argc, argv)) return 2;
  QTemporaryDir home;
  using cw::testing::Check;
  using cw::testing::OnModal;
  using cw::testing::Shoot;
  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {.user = "爸爸", .demo = true});
  if (!frame) return 1;

  // Expense budgets with the comparison, after a month budget that groceries exceed.
  frame->MenuAction(32961)->trigger();
  Check(cw::testing::TickBudgetCheck(frame, true), "no comparison check box");
  const cw::Ymd now = cw::DateOfSerialDay(cw::Today());
  bool entered = false;
  OnModal<cw::CReBudgetInput>(cw::testing::EnterMonthBudget(cw::MonthAdd(now.year, now.month, -4),
                                                            {{"60101", "800"}, {"60102", "600"}, {"60103", "200"}},
                                                            [] { Shoot("budget-dialog"); }),
                              &entered);
  frame->ToolbarAction(701)->trigger();
  Check(entered, "no budget dialog");
  Shoot("budget-comparison");

  // An item: a salary with a yearly rise.
  frame->MenuAction(32962)->trigger();
  bool saved = false;
  OnModal<cw::CBudgetHomeInput>(
      cw::testing::EnterItem({.content = "妈妈奖金", .type_index = 0, .kind_index = 0, .amount = "9000", .increase = "10"},
                             [] { Shoot("budget-item-dialog"); }),
      &saved);
  frame->ToolbarAction(701)->trigger();
  Check(saved, "no item dialog");

  bool chosen = false;
  OnModal<cw::CSelectProjectionEnd>(cw::testing::ChooseProjectionEnd(now.year * 100 + 5012), &chosen);
  Check(cw::testing::ClickNavigation(frame, "显示财产预算结果"), "no projection item");
  Check(QTest::qWaitFor([&] { return chosen; }, 5000), "no projection end dialog");
  Shoot("budget-projection");

  frame->close();
  app.ExitInstance(0);
  return cw::testing::TourExitCode();
}
