// Takes the screenshots of the statistics window on the demonstration data:
// 收入支出表 with its bar chart side by side, 支出分类表 with its curve, the pies
// of a month of expenses, and 财产负债表 with its two pies. Run under Xvfb by
// statistics_screenshots.sh; not part of the test suite.
//
//   cw_statistics_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/coinwright_app.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "calendar/calendar.h"
#include "controls/charts/chart_dialogs.h"
#include "controls/list_wnd.h"
#include "frame/app_commands.h"
#include "home/ui/daily_note.h"
#include "reports/statistics/statistics_range.h"
#include "reports/ui/ctrl_wnd_account_graph.h"
#include "support/modal_driver.h"

namespace {

QString output_dir;
bool failed = false;

void Shoot(const char* name) {
  cw::testing::Settle(700);
  const QString path = QDir(output_dir).filePath(QString(name) + ".png");
  if (QProcess::execute("import", {"-window", "root", path}) != 0) {
    std::fprintf(stderr, "screenshot %s failed\n", qPrintable(path));
    failed = true;
  } else {
    std::printf("%s\n", qPrintable(path));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  output_dir = cw::testing::ScreenshotFolder(argc, argv);
  if (output_dir.isEmpty()) return 2;
  QTemporaryDir home;
  if (!cw::testing::PrepareDemoUserPassword(home.path().toStdString(), 2, "mama2024")) return 1;

  using cw::testing::OnModal;
  cw::CCoinwrightApp app;
  bool logged_in = false, tip_closed = false;
  OnModal<cw::CUserLogon>(cw::testing::LogIn("爸爸", "", true), &logged_in);
  OnModal<cw::CDailyNote>(cw::testing::CloseDailyNote(), &tip_closed);
  if (!app.InitInstance({"coinwright", "--home", home.path()})) return 1;
  QTest::qWaitFor([&] { return tip_closed; }, 10000);
  cw::CMainFrame* frame = app.MainFrame();
  frame->showNormal();
  const QRect screen = QApplication::primaryScreen()->geometry();
  frame->setGeometry(0, 0, screen.width(), screen.height());

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
  if (!pies_shown) std::fprintf(stderr, "no pie dialog\n");

  frame->MenuAction(cw::kBalanceSheetTable)->trigger();
  Shoot("statistics-balance-sheet");
  return failed ? 1 : 0;
}
