// Takes the screenshots of the ledger window on the demonstration data: 现金明细表
// of the first cash account and 现金余额表 with its two-row header. Run under Xvfb
// by ledger_screenshots.sh; not part of the test suite.
//
//   cw_ledger_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include "app/coinwright_app.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "app/screenshot_session.h"
#include "frame/app_commands.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (!cw::testing::BeginScreenshotTour(argc, argv)) return 2;
  QTemporaryDir home;
  if (!cw::testing::PrepareDemoUserPassword(home.path().toStdString(), 2, "mama2024")) return 1;

  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {.user = "爸爸", .demo = true});
  if (!frame) return 1;
  cw::testing::FillScreen(frame);

  frame->MenuAction(32935)->trigger();
  frame->ToolbarAction(cw::cmd::kNextAccount)->trigger();
  cw::testing::Shoot("ledger-cash-detail");
  frame->MenuAction(32945)->trigger();
  cw::testing::Shoot("ledger-cash-balance");
  return cw::testing::TourExitCode();
}
