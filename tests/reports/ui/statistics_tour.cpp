// Takes the screenshots of the statistics window on the demonstration data:
// 收入支出表 with its bar chart side by side, 支出分类表 with its curve, the pies
// of a month of expenses, and 财产负债表 with its two pies. Run under Xvfb by
// statistics_screenshots.sh; not part of the test suite.
//
//   cw_statistics_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include "app/coinwright_app.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "app/screenshot_session.h"
#include "calendar/calendar.h"
#include "controls/charts/chart_dialogs.h"
#include "controls/list_wnd.h"
#include "frame/app_commands.h"
#include "reports/statistics/statistics_range.h"
#include "reports/ui/ctrl_wnd_account_graph.h"
#include "support/modal_driver.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (!cw::testing::BeginScreenshotTour(argc, argv)) return 2;
  QTemporaryDir home;
  if (!cw::testing::PrepareDemoUserPassword(home.path().toStdString(), 2, "mama2024")) return 1;

  using cw::testing::OnModal;
  using cw::testing::Shoot;
  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {.user = "爸爸", .demo = true});
  if (!frame) return 1;
  cw::testing::FillScreen(frame);

  frame->MenuAction(cw::kIncomeExpenseTable)->trigger();
  Shoot("statistics-income-expense");

  frame->MenuAction(cw::kExpenseCategoryTable)->trigger();
  Shoot("statistics-expense-category");

  // The pies of this month's expenses.
  auto* graph = qobject_cast<cw::CCtrlWndAccountGraph*>(frame->Module());
  const cw::Ymd today = cw::DateOfSerialDay(cw::Today());
  graph->Grid()->SelectRow(graph->Grid()->Model().FindKey(cw::RowKey(today.year * 100 + today.month)));
  bool pies_shown = false;
  OnModal<cw::CPieDialog>(
      [](cw::CPieDialog* dialog) {
        Shoot("statistics-expense-pie");
        dialog->accept();
      },
      &pies_shown);
  frame->ToolbarAction(cw::cmd::kClassChart)->trigger();
  cw::testing::Check(pies_shown, "no pie dialog");

  frame->MenuAction(cw::kBalanceSheetTable)->trigger();
  Shoot("statistics-balance-sheet");
  return cw::testing::TourExitCode();
}
