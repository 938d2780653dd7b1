// The updater's window "软件升级" as the user works it: what it shows while a
// file downloads, 停止, the messages at the end of a run, and the hand-over of
// its own file to Relaymate.
#include "patchwell/patchwell_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/single_instance.h"
#include "base/scripted_prompter.h"
#include "core/settings.h"
#include "patchwell/install_tree.h"
#include "patchwell/update_site.h"
#include "support/loopback_server.h"
#include "support/temp_home.h"
#include "update/file_bytes.h"

namespace cw::patchwell {
namespace {

namespace fs = std::filesystem;
using testing::SiteFile;

class PatchwellDlgTest : public ::testing::Test {
 protected:
  // The window for the installation, reading from `server`.
  std::unique_ptr<CPatchwellDlg> Window(const testing::LoopbackServer& server) {
    RunSettings settings;
    settings.server = server.url() + "/Update/";
    settings.places.install = install_.path();
    settings.installed_version = 3.40;
    settings.key = site_.PublicKey();
    auto window = std::make_unique<CPatchwellDlg>(settings, QString::fromStdString(home_.path()), false);
    window->show();
    return window;
  }
  static QString Text(CPatchwellDlg& window, const char* name) { return window.findChild<QLabel*>(name)->text(); }
  static QPushButton* Button(CPatchwellDlg& window, const char* name) {
    return window.findChild<QPushButton*>(name);
  }
  static void WaitForEnd(CPatchwellDlg& window) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running() && window.LastResult() != 0; }, 30000));
    QCoreApplication::processEvents();
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& shown : prompter_.shown) texts.push_back(shown.text);
    return texts;
  }

  testing::TempHome home_;
  testing::InstallTree install_;
  testing::UpdateSite site_;
  ScriptedPrompter prompter_;
  PrompterGuard guard_{prompter_};
};

TEST_F(PatchwellDlgTest, ShowsTheDownloadAndStopsWhenAsked) {
  settings::SetNumber("", "AutoUpdate", 1);
  const std::string program(300 * 1024, 'p');
  testing::LoopbackServer server(
      site_.Serve("/Update/", "3.41", {{"bin\\coinwright", program}, {"share\\coinwright\\VERSION", "3.41\n"}}));
  server.Throttle("/Update/bin/coinwright", 60 * 1024);
  const auto before = install_.Snapshot();
  auto window = Window(server);
  EXPECT_EQ("软件升级", window->windowTitle());
  EXPECT_EQ("Coinwright家庭理财当前版本：3.40", Text(*window, "version"));
  auto* box = window->findChild<QCheckBox*>("autoCheck");
  EXPECT_EQ("Coinwright家庭理财启动后自动检测是否有升级版本", box->text());
  EXPECT_TRUE(box->isChecked());

  Button(*window, "start")->click();
  EXPECT_EQ("停止(&S)", Button(*window, "start")->text());
  const QRegularExpression counter(R"(^\( (\d+) KB / 300 KB\)$)");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const auto match = counter.match(Text(*window, "bytes"));
        return match.hasMatch() && match.captured(1).toInt() > 0;
      },
      20000))
      << Text(*window, "bytes").toStdString();
  EXPECT_EQ("Coinwright家庭理财 从 3.40 升级到 3.41 版本", Text(*window, "version"));
  EXPECT_EQ("共有2个文件，正在下载第1个文件", Text(*window, "status"));
  EXPECT_EQ("bin\\coinwright", Text(*window, "file"));

  Button(*window, "start")->click();  // 停止
  WaitForEnd(*window);
  EXPECT_EQ(13, window->LastResult());
  EXPECT_EQ("您取消了自动升级程序。", Text(*window, "status"));
  EXPECT_EQ("开始升级(&S)", Button(*window, "start")->text());
  EXPECT_TRUE(Button(*window, "start")->isEnabled());
  EXPECT_TRUE(Shown().empty()) << "a stopped run asks and tells nothing";
  EXPECT_EQ(before, install_.Snapshot());

  box->click();
  EXPECT_EQ(0, settings::GetNumber("", "AutoUpdate"));
}

// 退出 during a run asks string 2: No keeps it running, Yes stops it and the
// window closes once the run has ended, the installation as it was.
TEST_F(PatchwellDlgTest, LeavingDuringARunAsksAndStopsIt) {
  testing::LoopbackServer server(site_.Serve("/Update/", "3.41", {{"bin/coinwright", std::string(300 * 1024, 'p')}}));
  server.Throttle("/Update/bin/coinwright", 60 * 1024);
  const auto before = install_.Snapshot();
  auto window = Window(server);
  window->StartRun();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Text(*window, "bytes").isEmpty(); }, 20000));

  prompter_.answers = {false, true};
  Button(*window, "exit")->click();
  EXPECT_TRUE(window->Running());
  EXPECT_TRUE(window->isVisible());
  Button(*window, "exit")->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 20000));
  EXPECT_EQ(13, window->LastResult());
  EXPECT_EQ((std::vector<std::string>{"软件正在升级，是否要停止？", "软件正在升级，是否要停止？"}), Shown());
  EXPECT_EQ(before, install_.Snapshot());
}

TEST_F(PatchwellDlgTest, EndOfARunIsShownAndTold) {
  const struct {
    const char* name;
    std::string version;
    const char* listed_folder;
    int code;
    const char* text;
    bool start_again;
  } kCases[] = {
      {"up to date", "3.40", "/Update/", 100, "您使用的版本已经是最新版本，不需要升级。", false},
      {"no update information", "3.41", "/Elsewhere/", 1, "无法读取服务器上的升级信息文件。", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    prompter_.shown.clear();
    testing::LoopbackServer server(site_.Serve(c.listed_folder, c.version, {{"bin/coinwright", "new"}}));
    auto window = Window(server);
    window->StartRun();
    WaitForEnd(*window);
    EXPECT_EQ(c.code, window->LastResult());
    EXPECT_EQ(c.text, Text(*window, "status"));
    EXPECT_EQ(std::vector<std::string>{c.text}, Shown());
    EXPECT_EQ(c.start_again, Button(*window, "start")->isEnabled());
  }
}

// The desktop program runs on the data home and the user will not close it:
// the question comes from the run's thread in the window's name, and the run
// ends with code 5 before anything is replaced.
TEST_F(PatchwellDlgTest, ProgramTheUserKeepsOpenEndsTheRunWithCode5) {
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  SingleInstance program(QString::fromStdString(home_.path()));
  ASSERT_TRUE(program.Acquire());
  const auto before = install_.Snapshot();
  testing::LoopbackServer server(site_.Serve("/Update/", "3.41", {{"bin/coinwright", "new"}}));
  prompter_.answers = {false};
  auto window = Window(server);
  window->StartRun();
  WaitForEnd(*window);
  EXPECT_EQ(5, window->LastResult());
  ASSERT_EQ(2u, prompter_.shown.size());
  EXPECT_EQ("升级需要更新主程序文件，是否现在关闭Coinwright家庭理财？", prompter_.shown[0].text);
  EXPECT_EQ("软件升级", prompter_.shown[0].caption);
  EXPECT_EQ("无法终止Coinwright家庭理财的运行。", prompter_.shown[1].text);
  EXPECT_EQ(before, install_.Snapshot());
}

// The updater's own file is listed: after the run it asks whether to start
// the program; answered No, leaving hands the file to Relaymate with Copy
// alone. A stand-in Relaymate writes down the argument string it gets.
TEST_F(PatchwellDlgTest, LeavingAfterItsOwnUpdateHandsTheFileToRelaymate) {
  const fs::path relay = install_.path() / "bin/relaymate";
  const fs::path received = install_.path() / "relay-argument";
  ASSERT_TRUE(update::WriteFileBytes(relay, "#!/bin/sh\nprintf '%s' \"$1\" > '" + received.string() + "'\n"));
  fs::permissions(relay, fs::perms::owner_all);
  testing::LoopbackServer server(
      site_.Serve("/Update/", "3.41", {{"bin/coinwright", "new"}, {"bin/patchwell", "new updater"}}));
  auto window = Window(server);
  window->StartRun();
  WaitForEnd(*window);
  EXPECT_EQ(103, window->LastResult());
  EXPECT_EQ("软件升级成功。", Text(*window, "status"));
  EXPECT_EQ((std::vector<std::string>{"软件升级成功，是否要启动Coinwright家庭理财？"}), Shown());
  EXPECT_FALSE(Button(*window, "start")->isEnabled());

  Button(*window, "exit")->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(received) && fs::file_size(received) > 0; }, 10000));
  const fs::path staged = install_.path() / ".coinwright-update/new/bin/patchwell";
  EXPECT_EQ("'Copy' '" + staged.string() + "' '" + (install_.path() / "bin/patchwell").string() + "' ''",
            update::ReadFileBytes(received).value_or(""));
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace cw::patchwell
