// Takes the screenshots of the ledger window on the demonstration data: 现金明细表
// of the first cash account and 现金余额表 with its two-row header. Run under Xvfb
// by ledger_screenshots.sh; not part of the test suite.
//
//   cw_ledger_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/coinwright_app.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "frame/app_commands.h"
#include "home/ui/daily_note.h"
#include "support/modal_driver.h"

namespace {

QString output_dir;
bool failed = false;

void Shoot(const char* name) {
  if (!cw::testing::Screenshot(output_dir, name)) failed = true;
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
  frame->setGeometry(0, 0, 1280, 800);

  frame->MenuAction(32935)->trigger();
  frame->ToolbarAction(cw::cmd::kNextAccount)->trigger();
  Shoot("ledger-cash-detail");
  frame->MenuAction(32945)->trigger();
  Shoot("ledger-cash-balance");
  return failed ? 1 : 0;
}
