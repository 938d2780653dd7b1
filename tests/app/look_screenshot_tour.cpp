// Screenshots of a user's own look: the "界面设置" dialog with a theme being
// tried, the home page afterwards, the background dialog with a picture being
// tried, the home page over it, and the statistics window over its default
// background. Run under Xvfb
// by screenshots.sh.
//
//   cw_look_screenshot_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "home/resource_path.h"
#include "home/ui/background_dialog.h"
#include "prefs/ui/interface_settings_dialog.h"
#include "screenshot_session.h"
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
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {"妈妈", "mama2024", /*demo=*/true});
  if (!frame) return 1;
  bool chosen = false;

  OnModal<cw::CInterfaceSettingsDlg>(
      cw::testing::ChooseLook("金色沙漠", 1, "一家人记好每一笔账，日子越过越红火。", [&] { Shoot("interface-settings"); }),
      &chosen);
  frame->ToolbarAction(cw::cmd::kDisplaySettings)->trigger();
  Check(chosen, "no interface settings dialog");
  Shoot("home-page-own-look");

  bool background_tried = false;
  OnModal<cw::CBackgroundDlg>(
      [&](cw::CBackgroundDlg* dialog) {
        dialog->findChild<QCheckBox*>("isPicture")->click();
        dialog->TakePicture(QString::fromStdString(cw::ResourcePath("Image/Scenery1.jpg")));
        Shoot("background-dialog");
        dialog->accept();
      },
      &background_tried);
  frame->ToolbarAction(cw::cmd::kBackground)->trigger();
  Check(background_tried, "no background dialog");
  Shoot("home-page-background");

  frame->ShowPage(32920);
  QTest::qWait(300);
  Shoot("statistics-background");

  frame->close();
  app.ExitInstance(0);
  return cw::testing::TourExitCode();
}
