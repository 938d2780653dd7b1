// The desktop program's side of updating: the background check and its
// notice, and the end of the program when the updater sends 2025.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <filesystem>

#include "app/coinwright_app.h"
#include "instance/instance_channel.h"
#include "app/main_frame.h"
#include "app/update_check.h"
#include "app/update_launch.h"
#include "app/update_notice.h"
#include "app/user_logon.h"
#include "app_ui_fixture.h"
#include "core/backup_settings.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "home/ui/daily_note.h"
#include "patchwell/update_site.h"
#include "support/loopback_server.h"
#include "support/modal_driver.h"
#include "update/file_bytes.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

TEST(UpdaterMessageTest, ClosesTheDialogsAndEndsWithTheBackupOnly) {
  QTemporaryDir home, runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  CCoinwrightApp app;
  bool logged_in = false, tip_closed = false;
  testing::OnModal<CUserLogon>(testing::LogIn("管理员", "", /*demo=*/false), &logged_in);
  testing::OnModal<CDailyNote>(testing::CloseDailyNote(), &tip_closed);
  ASSERT_TRUE(app.InitInstance({"coinwright", "--home", home.path()}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return tip_closed; }, 10000));
  CMainFrame* frame = app.MainFrame();

  // A normal exit now would compact (last done a year ago) and remind.
  const std::time_t now = std::time(nullptr);
  const int year_ago = static_cast<int>(now - 365 * 86400);
  settings::SetNumber("", "CompressTime", year_ago);
  settings::SetNumber("", "ManualBackupTime", year_ago / 86400);

  // The message arrives while a dialog is open.
  QTimer::singleShot(200, [&] { SendToRunningInstance(home.path(), cmd::kCloseForUpdate, 1000); });
  frame->MenuAction(cmd::kAbout)->trigger();  // returns once the dialog is closed
  ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }, 10000));
  EXPECT_TRUE(fs::exists(fs::path(DefaultBackupFolder()) / "CW_1.db")) << "the automatic backup is made";
  EXPECT_EQ(year_ago, settings::GetNumber("", "CompressTime")) << "no compaction";
  EXPECT_EQ(year_ago / 86400, settings::GetNumber("", "ManualBackupTime")) << "no reminder";
  app.ExitInstance(0);
}

// 软件升级(&U) and 开始升级 start "patchwell start" with the data home in
// COINWRIGHT_HOME (Relaymate and the program started again inherit it); an
// updater that cannot be started is said so.
using UpdaterStartTest = testing::AppUiTest;

TEST_F(UpdaterStartTest, StartsTheUpdaterOnThisDataHome) {
  QTemporaryDir folder;
  const fs::path updater = fs::path(folder.path().toStdString()) / "patchwell";
  const fs::path received = fs::path(folder.path().toStdString()) / "received";
  ASSERT_TRUE(update::WriteFileBytes(
      updater, "#!/bin/sh\nprintf '%s|%s' \"$*\" \"$COINWRIGHT_HOME\" > '" + received.string() + "'\n"));
  fs::permissions(updater, fs::perms::owner_all);
  qputenv("COINWRIGHT_HOME", "/elsewhere");
  ASSERT_TRUE(StartUpdater(updater));
  ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(received) && fs::file_size(received) > 0; }, 10000));
  EXPECT_EQ("start|" + home_.path(), update::ReadFileBytes(received).value_or(""));
  EXPECT_TRUE(TakeMessages().empty());

  EXPECT_FALSE(StartUpdater(updater.parent_path() / "missing"));
  EXPECT_EQ(std::vector<std::string>{"无法启动升级程序：\n" + (updater.parent_path() / "missing").string()}, TakeMessages());
  qunsetenv("COINWRIGHT_HOME");
}

class UpdateCheckTest : public testing::AppUiTest {
 protected:
  void SetUp() override {
    AppUiTest::SetUp();
    ASSERT_TRUE(installed_.isValid());
    files_ = {installed_.filePath("update.pub").toStdString(), installed_.filePath("VERSION").toStdString()};
    ASSERT_TRUE(update::WriteFileBytes(files_.key, site_.PublicKeyText()));
    ASSERT_TRUE(update::WriteFileBytes(files_.version, "3.40\n"));
  }
  // The offers the check reports within its run.
  QList<QList<QVariant>> Check(const std::map<std::string, std::string>& site) {
    testing::LoopbackServer server(site);
    settings::SetText("Web", "Update", server.url() + "/Update/");
    UpdateCheck check(std::chrono::milliseconds(0), files_);
    QSignalSpy offered(&check, &UpdateCheck::UpdateOffered);
    check.start();
    EXPECT_TRUE(check.wait(10000));
    QCoreApplication::processEvents();
    return offered;
  }

  QTemporaryDir installed_;
  InstalledFiles files_;
  testing::UpdateSite site_;
};

TEST_F(UpdateCheckTest, ReportsANewerSignedVersionAndStaysSilentOtherwise) {
  const std::vector<testing::SiteFile> files = {{"bin/coinwright", "new"}};
  const auto offers = Check(site_.Serve("/Update/", "3.41", files));
  ASSERT_EQ(1, offers.size());
  EXPECT_DOUBLE_EQ(3.41, offers[0][0].toDouble());
  EXPECT_EQ("修正了若干问题", offers[0][1].toString());

  testing::UpdateSite stranger;
  EXPECT_TRUE(Check(site_.Serve("/Update/", "3.40", files)).isEmpty()) << "the same version";
  EXPECT_TRUE(Check(stranger.Serve("/Update/", "3.41", files)).isEmpty()) << "signed by another key";
  EXPECT_TRUE(Check({}).isEmpty()) << "no update information";
  EXPECT_TRUE(TakeMessages().empty()) << "a failed check says nothing";
}

TEST_F(UpdateCheckTest, NoticeShowsTheOfferAndItsBoxWritesAutoUpdateAtOnce) {
  settings::SetNumber("", "AutoUpdate", 1);
  CDetectUpdateVersion notice(3.41, "修正了若干问题");
  EXPECT_EQ("软件升级", notice.windowTitle());
  EXPECT_EQ("检测到了新版本 3.41", notice.findChild<QLabel*>("version")->text());
  EXPECT_EQ("修正了若干问题", notice.findChild<QPlainTextEdit*>("description")->toPlainText());
  auto* box = notice.findChild<QCheckBox*>("autoCheck");
  EXPECT_EQ("Coinwright家庭理财启动后自动检测是否有升级版本", box->text());
  ASSERT_TRUE(box->isChecked());
  box->click();
  EXPECT_EQ(0, settings::GetNumber("", "AutoUpdate"));
}

}  // namespace
}  // namespace cw
