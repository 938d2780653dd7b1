// Updating as a person sees it: an installation of version 3.40 in a
// temporary prefix with the desktop program running, an update site for 3.41
// signed with the key the installation trusts, served over loopback, and
// `patchwell start --yes`. The updater closes the program, replaces its files,
// hands its own file to Relaymate, and the program starts again; the
// installation now reports 3.41. Then the failure paths, each of which leaves
// the installation as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "instance/instance_channel.h"
#include "patchwell/install_places.h"
#include "patchwell/install_tree.h"
#include "patchwell/update_site.h"
#include "support/loopback_server.h"
#include "support/temp_install.h"
#include "update/file_bytes.h"

namespace cw {
namespace {

namespace fs = std::filesystem;
using testing::SiteFile;

constexpr int kCloseForUpdate = 2025;

std::string Bytes(const fs::path& file) { return update::ReadFileBytes(file).value_or(""); }

class UpdateEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_dir_.isValid() && runtime_.isValid());
    ASSERT_FALSE(prefix_.empty());
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    qputenv("COINWRIGHT_HOME", home_dir_.path().toUtf8());
    LayOutInstallation();
    // The new version: the same programs with a mark appended (the programs
    // still run), and its version file.
    new_files_ = {{"bin/coinwright", Bytes(prefix_ / "bin/coinwright") + "\nrelease 3.41"},
                  {"bin/patchwell", Bytes(prefix_ / "bin/patchwell") + "\nrelease 3.41"},
                  {"share\\coinwright\\VERSION", "3.41\n"}};
  }
  void TearDown() override {
    // Whatever copy of the program is still up ends now.
    for (int tries = 0; tries < 50 && InstanceRunning(home_dir_.path()); ++tries) {
      SendToRunningInstance(home_dir_.path(), kCloseForUpdate, 500);
      QTest::qWait(200);
    }
  }

  // The installation, made version 3.40 and trusting the key that signs the site.
  void LayOutInstallation() {
    ASSERT_TRUE(update::WriteFileBytes(prefix_ / "share/coinwright/VERSION", "3.40\n"));
    ASSERT_TRUE(update::WriteFileBytes(prefix_ / "share/coinwright/update.pub", site_.PublicKeyText()));
  }

  void StartProgram() {
    // A new data home is made first (key derivation included): on a machine
    // busy with other builds and tests that takes far longer than usual.
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(QString::fromStdString((prefix_ / "bin/coinwright").string()), {});
    ASSERT_TRUE(program_.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return InstanceRunning(home_dir_.path()); }, 90000));
  }

  // Runs `patchwell start --yes` of the installation in `environment`; its
  // exit code. The data home is named with --home alone: Relaymate and the
  // program it starts again learn it from the updater.
  int RunPatchwell(const std::string& server,
                   QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
    QProcess patchwell;
    patchwell.setProcessChannelMode(QProcess::ForwardedChannels);
    environment.remove("COINWRIGHT_HOME");
    patchwell.setProcessEnvironment(environment);
    patchwell.start(QString::fromStdString((prefix_ / "bin/patchwell").string()),
                    {"start", "--yes", "--server", QString::fromStdString(server), "--home", home_dir_.path()});
    EXPECT_TRUE(patchwell.waitForFinished(60000));
    return patchwell.exitStatus() == QProcess::NormalExit ? patchwell.exitCode() : -1;
  }

  // The process holding the data home's lock (the program that runs now).
  qint64 RunningPid() {
    QFile lock(InstanceLockPath(home_dir_.path()));
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
  }

  const testing::TempInstall installed_;
  const fs::path prefix_ = installed_.prefix();
  QTemporaryDir home_dir_, runtime_;
  testing::UpdateSite site_;
  std::vector<SiteFile> new_files_;
  QProcess program_;
};

TEST_F(UpdateEndToEndTest, UpdatesTheRunningProgramAndStartsItAgain) {
  testing::LoopbackServer server(site_.Serve("/Update/", "3.41", new_files_));
  StartProgram();

  EXPECT_EQ(103, RunPatchwell(server.url() + "/Update/"));
  // The program was asked to close and did.
  ASSERT_TRUE(program_.waitForFinished(30000));
  EXPECT_EQ(QProcess::NormalExit, program_.exitStatus());
  EXPECT_EQ(new_files_[0].bytes, Bytes(prefix_ / "bin/coinwright"));
  EXPECT_EQ("3.41\n", Bytes(prefix_ / "share/coinwright/VERSION"));

  // Relaymate swaps the updater's own file after a second and starts the
  // new program.
  ASSERT_TRUE(QTest::qWaitFor([&] { return Bytes(prefix_ / "bin/patchwell") == new_files_[1].bytes; }, 20000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return InstanceRunning(home_dir_.path()); }, 20000));
  const qint64 restarted = RunningPid();
  ASSERT_GT(restarted, 0);
  EXPECT_NE(program_.processId(), restarted);
  EXPECT_EQ(prefix_ / "bin/coinwright", fs::read_symlink("/proc/" + std::to_string(restarted) + "/exe"));
  EXPECT_TRUE(fs::is_regular_file(prefix_ / "bin/patchwell"));
  EXPECT_NE(fs::perms::none, fs::status(prefix_ / "bin/patchwell").permissions() & fs::perms::owner_exec);

  // The installation reports the new version: nothing newer is offered.
  QProcess check;
  check.start(QString::fromStdString((prefix_ / "bin/coinwright-cli").string()),
              {"update", "check", "--server", QString::fromStdString(server.url() + "/Update/")});
  ASSERT_TRUE(check.waitForFinished(20000));
  EXPECT_EQ(3, check.exitCode());
  EXPECT_TRUE(check.readAllStandardError().contains("installed 3.41"));

  // The updated installation still uninstalls without a trace.
  SendToRunningInstance(home_dir_.path(), kCloseForUpdate, 1000);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !InstanceRunning(home_dir_.path()); }, 20000));
  ASSERT_TRUE(installed_.Uninstall());
  for (const auto& left : fs::recursive_directory_iterator(prefix_))
    EXPECT_TRUE(left.is_directory()) << left.path() << " left behind";
  EXPECT_FALSE(fs::exists(patchwell::InstallPlaces{prefix_}.Staging()));
}

// A script on a machine without a screen: --yes runs all the same.
TEST_F(UpdateEndToEndTest, YesRunsWithoutAScreen) {
  testing::LoopbackServer server(site_.Serve("/Update/", "3.40", new_files_));
  QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) headless.remove(name);
  EXPECT_EQ(100, RunPatchwell(server.url() + "/Update/", headless));
}

TEST_F(UpdateEndToEndTest, FailuresLeaveTheInstallationAsItWas) {
  const auto before = testing::FolderSums(prefix_);

  // A file altered by one byte: code 4 before anything is replaced; the
  // program is never asked to close.
  auto altered = site_.Serve("/Update/", "3.41", new_files_);
  altered["/Update/share/coinwright/VERSION"] = "3.42\n";
  {
    testing::LoopbackServer server(altered);
    StartProgram();
    EXPECT_EQ(4, RunPatchwell(server.url() + "/Update/"));
    EXPECT_EQ(before, testing::FolderSums(prefix_));
    EXPECT_TRUE(InstanceRunning(home_dir_.path()));
  }

  // The server stops half-way through a file: code 3.
  {
    testing::LoopbackServer server(site_.Serve("/Update/", "3.41", new_files_));
    server.CutShort("/Update/bin/patchwell");
    EXPECT_EQ(3, RunPatchwell(server.url() + "/Update/"));
    EXPECT_EQ(before, testing::FolderSums(prefix_));
  }

  // A replacement fails half-way (a folder stands where the last file goes):
  // the program has been closed, the files replaced before are put back.
  fs::create_directories(prefix_ / "share/coinwright/Image/new.jpg/inside");
  const auto with_folder = testing::FolderSums(prefix_);
  auto files = new_files_;
  files.push_back({"share/coinwright/Image/new.jpg", "picture"});
  {
    testing::LoopbackServer server(site_.Serve("/Update/", "3.41", files));
    EXPECT_EQ(6, RunPatchwell(server.url() + "/Update/"));
    ASSERT_TRUE(program_.waitForFinished(30000));
    EXPECT_EQ(with_folder, testing::FolderSums(prefix_));
  }
}

}  // namespace
}  // namespace cw
