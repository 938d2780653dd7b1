// Walks through the desktop program on a fresh data home and takes screenshots
// of the whole (virtual) screen with ImageMagick's `import -window root`.
// Run under Xvfb by screenshots.sh; not part of the test suite.
//
//   cw_app_screenshot_tour OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/app_commands.h"
#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "home/ui/daily_note.h"
#include "modal_driver.h"

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
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  output_dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(output_dir);
  QTemporaryDir home;
  if (!cw::testing::PrepareDemoUserPassword(home.path().toStdString(), 2, "mama2024")) return 1;

  using cw::testing::OnModal;
  cw::CCoinwrightApp app;
  bool logged_in = false, tip_closed = false;
  OnModal<cw::CUserLogon>(cw::testing::LogIn("妈妈", "mama2024", true, [] { Shoot("login"); }), &logged_in);
  OnModal<cw::CDailyNote>(cw::testing::CloseDailyNote(), &tip_closed);
  if (!app.InitInstance({"coinwright", "--home", home.path()})) return 1;
  cw::CMainFrame* frame = app.MainFrame();
  if (!QTest::qWaitFor([&] { return tip_closed; }, 10000)) std::fprintf(stderr, "no tip of the day\n");
  Shoot("home-page");

  cw::settings::SetNumber(cw::settings::UserKey(1), "HideDailyNote", 1);
  OnModal<cw::CUserLogon>(cw::testing::LogIn("爸爸", "", true), &logged_in);
  frame->MenuAction(cw::cmd::kRelogin)->trigger();
  frame->MenuAction(cw::cmd::kUserManagement)->trigger();
  Shoot("user-management");

  frame->close();
  app.ExitInstance(0);
  return failed || !logged_in ? 1 : 0;
}
