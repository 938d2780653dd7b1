// Walks through the desktop program on a fresh data home and takes screenshots
// of the whole (virtual) screen with ImageMagick's `import -window root`.
// Run under Xvfb by screenshots.sh; not part of the test suite.
//
//   cw_app_screenshot_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include "app/coinwright_app.h"
#include "app/ctrl_wnd_system.h"
#include "app/main_frame.h"
#include "bookkeeping/accounts/ui/category_bar.h"
#include "bookkeeping/accounts/ui/item_page.h"
#include "bookkeeping/accounts/ui/item_tree_wnd.h"
#include "bookkeeping/booking/ui/charge_up.h"
#include "calendar/calendar.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "screenshot_session.h"
#include "store/ui/db_backup.h"
#include "store/ui/db_wnd.h"
#include "store/ui/manual_backup_db.h"
#include "support/modal_driver.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (!cw::testing::BeginScreenshotTour(argc, argv)) return 2;
  QTemporaryDir home;
  if (!cw::testing::PrepareDemoUserPassword(home.path().toStdString(), 2, "mama2024")) return 1;

  using cw::testing::Check;
  using cw::testing::OnModal;
  using cw::testing::Shoot;
  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(
      app, home.path(), {.user = "妈妈", .password = "mama2024", .demo = true, .before_enter = [] { Shoot("login"); }});
  if (!frame) return 1;
  Shoot("home-page");

  Check(cw::testing::LogInAgain(frame, {.user = "爸爸", .demo = true}, 1), "爸爸 did not log in");
  frame->MenuAction(cw::cmd::kUserManagement)->trigger();
  Shoot("user-management");

  // Two bookings of this month, each dialog shot filled in: a dinner paid by
  // card, and a fixed deposit withdrawn with its interest.
  bool expense_booked = false, withdrawal_booked = false;
  frame->MenuAction(32900)->trigger();
  OnModal<cw::CChargeUp>(cw::testing::Book({.option = 1,
                                            .accounts = {"60102", "20201"},
                                            .amount1 = "186.00",
                                            .description = "周末家庭聚餐"},
                                           [] { Shoot("booking-expense"); }),
                         &expense_booked);
  frame->ToolbarAction(cw::cmd::kAdd)->trigger();
  Check(expense_booked, "no booking dialog for the expense");
  frame->MenuAction(32901)->trigger();
  OnModal<cw::CChargeUp>(cw::testing::Book({.option = 1,
                                            .accounts = {"10204", "10101"},
                                            .amount1 = "20000",
                                            .amount2 = "412.50",
                                            .description = "一年定期到期支取"},
                                           [] { Shoot("booking-withdrawal"); }),
                         &withdrawal_booked);
  frame->ToolbarAction(cw::cmd::kAdd)->trigger();
  Check(withdrawal_booked, "no booking dialog for the withdrawal");

  // The month's income and expenses with the interest as a generated row,
  // and the chart of accounts.
  frame->MenuAction(32900)->trigger();
  Shoot("income-expense-page");
  frame->MenuAction(cw::cmd::kAccountManagement)->trigger();
  if (auto* system = qobject_cast<cw::CCtrlWndSystem*>(frame->Module()); system && system->Accounts()) {
    cw::CItemPage* accounts = system->Accounts();
    accounts->Categories()->Choose(accounts->Categories()->List()->count() - 1);  // "所有科目"
    accounts->Tree()->expandAll();
    cw::testing::Settle(200);  // laid out, so that the selection scrolls no further than needed
    accounts->Tree()->SelectCode("10201");
  }
  Shoot("account-management");

  // The user's own data: the database management page, its automatic-backup
  // settings, and at the exit the reminder of a manual backup last made twelve
  // days ago.
  Check(cw::testing::LogInAgain(frame, {.user = "管理员"}, 1), "管理员 did not log in");
  frame->MenuAction(cw::cmd::kDatabaseManagement)->trigger();
  Shoot("database-page");
  bool set_up = false, reminded = false;
  OnModal<cw::CDBBackup>(
      [](cw::CDBBackup* dialog) {
        Shoot("database-backup-settings");
        dialog->reject();
      },
      &set_up);
  frame->ToolbarAction(cw::CDBWnd::kSettings)->trigger();
  Check(set_up, "no automatic-backup settings");
  const int today = static_cast<int>(cw::Now() / 86400);
  cw::settings::SetNumber("", "ManualBackupTime", today - 12);
  cw::settings::SetNumber("", "ManualBackupFreq", 10);
  OnModal<cw::CManualBackupDB>(
      [](cw::CManualBackupDB* dialog) {
        Shoot("manual-backup-reminder");
        dialog->reject();
      },
      &reminded);

  frame->close();
  app.ExitInstance(0);
  Check(reminded, "no manual-backup reminder at the exit");
  return cw::testing::TourExitCode();
}
