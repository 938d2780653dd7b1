// Screenshots of updating under Xvfb, run by tests/app/screenshots.sh (not
// part of the test suite): the desktop program's notice "软件升级" of a newer
// version, and the updater's window during a download from a slow loopback
// server, its byte counter running.
//
//   cw_update_screenshot_tour OUTPUT_DIR
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "app/update_notice.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "patchwell/install_tree.h"
#include "patchwell/patchwell_dlg.h"
#include "patchwell/update_site.h"
#include "support/loopback_server.h"
#include "support/modal_driver.h"

namespace {

constexpr char kDescription[] = "1. 导出和打印的表格带上标题；\n2. 预算窗口的对比表计算更快；\n3. 修正了信用卡账单日期的问题。";

// The notice as the background check shows it over the frame.
bool ShootNotice(cw::CMainFrame* frame, const QString& folder) {
  bool shown = false, shot = false;
  cw::testing::OnModal<cw::CDetectUpdateVersion>(
      [&](cw::CDetectUpdateVersion* notice) {
        shot = cw::testing::Screenshot(folder, "update-notice");
        notice->reject();
      },
      &shown);
  cw::CDetectUpdateVersion(3.41, kDescription, frame).exec();
  return shown && shot;
}

// The updater over the desktop program, a 3 MB program file arriving at about
// 400 KB a second; shot once a third of it is there, then stopped.
bool ShootDownload(cw::CMainFrame* frame, const QString& folder, const QString& home) {
  cw::testing::UpdateSite site;
  const std::string program(3 * 1024 * 1024, 'x');
  cw::testing::LoopbackServer server(
      site.Serve("/Update/", "3.41", {{"bin/coinwright", program}, {"share/coinwright/VERSION", "3.41\n"}}));
  server.Throttle("/Update/bin/coinwright", 400 * 1024);
  const cw::testing::InstallTree installation;
  cw::patchwell::RunSettings settings;
  settings.server = server.url() + "/Update/";
  settings.places.install = installation.path();
  settings.installed_version = 3.40;
  settings.key = site.PublicKey();

  cw::patchwell::CPatchwellDlg updater(settings, home, /*unattended=*/false);
  updater.show();
  updater.move(frame->geometry().center() - updater.rect().center());
  updater.StartRun();
  auto* progress = updater.findChild<QProgressBar*>();
  const bool arriving = QTest::qWaitFor([&] { return progress->value() >= 33; }, 30000);
  const bool shot = arriving && cw::testing::Screenshot(folder, "patchwell-download");
  if (!arriving) std::fprintf(stderr, "the download did not show\n");
  updater.findChild<QPushButton*>("start")->click();  // 停止(&S)
  if (!QTest::qWaitFor([&] { return !updater.Running(); }, 30000)) std::fprintf(stderr, "the run did not stop\n");
  return shot;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString output_dir = cw::testing::ScreenshotFolder(argc, argv);
  if (output_dir.isEmpty()) return 2;
  QTemporaryDir home;

  cw::CCoinwrightApp app;
  cw::CMainFrame* frame = cw::testing::StartDesktop(app, home.path(), {.user = "爸爸", .demo = true});
  if (!frame) return 1;
  // The notice comes only to those who have the automatic check on.
  cw::settings::SetNumber("", "AutoUpdate", 1);
  const bool ok = ShootNotice(frame, output_dir) && ShootDownload(frame, output_dir, home.path());
  frame->close();
  return ok ? 0 : 1;
}
