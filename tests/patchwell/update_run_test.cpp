// The updater's run against a loopback update server and a temporary
// installation: results, stop points, all-or-nothing replacement.
#include "patchwell/update_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "patchwell/install_tree.h"
#include "patchwell/update_site.h"
#include "support/loopback_server.h"
#include "update/file_bytes.h"

namespace cw::patchwell {
namespace {

using update::UpdateResult;
using testing::SiteFile;

// Records the run's reports and plays the closing of the desktop program.
class ScriptedObserver : public RunObserver {
 public:
  void StageChanged(RunStage stage) override {
    stages.push_back(stage);
    Hook("stage" + std::to_string(static_cast<int>(stage)));
  }
  void DownloadingFile(const std::string& listed, int index, int count) override { Hook("download " + listed); }
  void BytesReceived(std::uint64_t received, std::uint64_t total) override { bytes_reported = true; }
  void ReplacingFile(const std::string& listed, int index, int count) override { Hook("replace " + listed); }
  bool CloseRunningProgram() override {
    Hook("close");
    return close_succeeds;
  }

  bool close_succeeds = true;
  bool bytes_reported = false;
  std::vector<RunStage> stages;
  std::function<void(const std::string&)> on_event;

 private:
  void Hook(const std::string& event) {
    if (on_event) on_event(event);
  }
};

const std::vector<SiteFile> kNewFiles = {
    {"bin/coinwright", "new desktop program"},
    {"share\\coinwright\\VERSION", "3.41\n"},
    {"share/coinwright/Image/new.jpg", "a picture the old version did not have"},
};

class UpdateRunTest : public ::testing::Test {
 protected:
  RunOutcome Run(const std::map<std::string, std::string>& site) {
    testing::LoopbackServer server(site);
    RunSettings settings;
    settings.server = server.url() + "/Update/";
    settings.places.install = install_.path();
    settings.installed_version = 3.40;
    settings.key = site_.PublicKey();
    return RunUpdate(settings, observer_, stop_);
  }
  RunOutcome Run(const std::string& version, const std::vector<SiteFile>& files) {
    return Run(site_.Serve("/Update/", version, files));
  }

  testing::UpdateSite site_;
  testing::InstallTree install_;
  ScriptedObserver observer_;
  std::atomic<bool> stop_{false};
};

TEST_F(UpdateRunTest, ReplacesEveryFileAndLeavesNoStagingBehind) {
  const auto before = install_.Snapshot();
  EXPECT_EQ(UpdateResult::kUpdated, Run("3.41", kNewFiles).result);
  auto expected = before;
  expected["bin/coinwright"] = "new desktop program";
  expected["share/coinwright/VERSION"] = "3.41\n";
  expected["share/coinwright/Image/"] = "";
  expected["share/coinwright/Image/new.jpg"] = "a picture the old version did not have";
  EXPECT_EQ(expected, install_.Snapshot());
  EXPECT_FALSE(fs::exists(InstallPlaces{install_.path()}.Staging()));
  EXPECT_TRUE(observer_.bytes_reported);
  const std::vector<RunStage> stages = {RunStage::kConnecting, RunStage::kDownloading, RunStage::kVerifying,
                                        RunStage::kReplacing, RunStage::kFinished};
  EXPECT_EQ(stages, observer_.stages);
  // A replaced program keeps being a program; a new file is an ordinary one.
  using enum fs::perms;
  EXPECT_NE(none, fs::status(install_.path() / "bin/coinwright").permissions() & owner_exec);
  EXPECT_EQ(none, fs::status(install_.path() / "share/coinwright/Image/new.jpg").permissions() & owner_exec);
}

TEST_F(UpdateRunTest, TheUpdatersOwnFileIsLeftForRelaymate) {
  auto files = kNewFiles;
  files.push_back({"bin/patchwell", "new updater"});
  const RunOutcome outcome = Run("3.41", files);
  EXPECT_EQ(UpdateResult::kUpdatedSelfPending, outcome.result);
  EXPECT_EQ("bin/patchwell", outcome.updater_listed);
  EXPECT_EQ("old updater", install_.Snapshot().at("bin/patchwell"));
  const fs::path staged = InstallPlaces{install_.path()}.Downloads() / "bin/patchwell";
  EXPECT_EQ("new desktop program", install_.Snapshot().at("bin/coinwright"));
  ASSERT_TRUE(fs::exists(staged));
  EXPECT_NE(fs::perms::none, fs::status(staged).permissions() & fs::perms::owner_exec);
}

TEST_F(UpdateRunTest, FailuresEndWithTheirCodeAndChangeNothing) {
  testing::UpdateSite stranger;
  auto altered = site_.Serve("/Update/", "3.41", kNewFiles);
  altered["/Update/share/coinwright/VERSION"] = "3.42\n";  // one byte differs
  auto cut = site_.Serve("/Update/", "3.41", kNewFiles);
  auto unsigned_site = site_.Serve("/Update/", "3.41", kNewFiles);
  unsigned_site["/Update/Update.inf.sig"] = stranger.Serve("/Update/", "3.41", kNewFiles)["/Update/Update.inf.sig"];
  auto no_file = site_.Serve("/Update/", "3.41", {});
  const struct {
    const char* name;
    std::map<std::string, std::string> site;
    UpdateResult expected;
  } kCases[] = {
      {"no update information", {}, UpdateResult::kInfoUnreadable},
      {"signed by another key", unsigned_site, UpdateResult::kInfoIncorrect},
      {"no File", no_file, UpdateResult::kInfoIncorrect},
      {"a path leaving the installation", site_.Serve("/Update/", "3.41", {{"../evil", "x"}}),
       UpdateResult::kInfoIncorrect},
      {"a path into the staging folder", site_.Serve("/Update/", "3.41", {{".coinwright-update/new/x", "x"}}),
       UpdateResult::kInfoIncorrect},
      {"a file the server lacks", [&] {
         auto site = site_.Serve("/Update/", "3.41", kNewFiles);
         site.erase("/Update/bin/coinwright");
         return site;
       }(),
       UpdateResult::kDownloadFailed},
      {"a file altered by one byte", altered, UpdateResult::kCheckFailed},
      {"the same version", site_.Serve("/Update/", "3.4000000001", kNewFiles), UpdateResult::kUpToDate},
      {"an older version", site_.Serve("/Update/", "3.39", kNewFiles), UpdateResult::kUpToDate},
  };
  const auto before = install_.Snapshot();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, Run(c.site).result);
    EXPECT_EQ(before, install_.Snapshot());
  }
}

TEST_F(UpdateRunTest, ServerStoppingHalfWayThroughAFile) {
  testing::LoopbackServer server(site_.Serve("/Update/", "3.41", kNewFiles));
  server.CutShort("/Update/share/coinwright/Image/new.jpg");
  RunSettings settings{server.url() + "/Update/", {install_.path()}, 3.40, site_.PublicKey()};
  const auto before = install_.Snapshot();
  EXPECT_EQ(UpdateResult::kDownloadFailed, RunUpdate(settings, observer_, stop_).result);
  EXPECT_EQ(before, install_.Snapshot());
}

TEST_F(UpdateRunTest, ProgramThatWillNotCloseStopsBeforeAnyReplacement) {
  observer_.close_succeeds = false;
  const auto before = install_.Snapshot();
  EXPECT_EQ(UpdateResult::kCannotClose, Run("3.41", kNewFiles).result);
  EXPECT_EQ(before, install_.Snapshot());
}

TEST_F(UpdateRunTest, ReplacementFailingHalfWayPutsTheInstallationBack) {
  // The last file cannot take its place: a folder stands where it goes.
  fs::create_directories(install_.path() / "share/coinwright/Image/new.jpg/inside");
  const auto before = install_.Snapshot();
  EXPECT_EQ(UpdateResult::kCannotReplace, Run("3.41", kNewFiles).result);
  EXPECT_EQ(before, install_.Snapshot());
  EXPECT_TRUE(fs::is_directory(install_.path() / "share/coinwright/Image/new.jpg/inside"));
}

// The updater was killed half-way through replacing: bin/coinwright is new, its
// saved copy waits in the staging folder. The next run puts it back first.
TEST_F(UpdateRunTest, SavedCopiesOfAnInterruptedReplacementArePutBackFirst) {
  const auto before = install_.Snapshot();
  const InstallPlaces places{install_.path()};
  fs::create_directories(places.Saved() / "bin");
  fs::rename(install_.path() / "bin/coinwright", places.Saved() / "bin/coinwright");
  ASSERT_TRUE(update::WriteFileBytes(install_.path() / "bin/coinwright", "new desktop program"));
  EXPECT_EQ(UpdateResult::kUpToDate, Run("3.40", kNewFiles).result);
  EXPECT_EQ(before, install_.Snapshot());
  EXPECT_FALSE(fs::exists(places.Saved() / "bin/coinwright"));
}

TEST_F(UpdateRunTest, StopPoints) {
  const struct {
    const char* event;  // the report during which the user presses 停止
    UpdateResult expected;
  } kCases[] = {
      {"stage0", UpdateResult::kStoppedAfterInfoDownload},
      {"download share/coinwright/Image/new.jpg", UpdateResult::kStoppedAfterDownload},
      {"stage2", UpdateResult::kStoppedAfterCheck},
      {"close", UpdateResult::kStoppedAfterClose},
      // After the last file is in place: the replaced files are put back.
      {"replace share/coinwright/Image/new.jpg", UpdateResult::kStoppedAfterReplace},
  };
  const auto before = install_.Snapshot();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.event);
    stop_ = false;
    observer_.on_event = [&](const std::string& event) {
      if (event == c.event) stop_ = true;
    };
    EXPECT_EQ(c.expected, Run("3.41", kNewFiles).result);
    EXPECT_EQ(before, install_.Snapshot());
  }
}

// The check runs as a user who may not write the installation: as root (which
// may write anything) the child takes the id of nobody.
TEST_F(UpdateRunTest, InstallationTheUserCannotWriteIsRefusedBeforeAnyDownload) {
  const bool root = getuid() == 0;
  using enum fs::perms;
  fs::permissions(install_.path(), root ? owner_all | group_read | group_exec | others_read | others_exec
                                        : owner_read | owner_exec);
  RunSettings settings;
  settings.server = "http://127.0.0.1:9/Update/";  // a download would fail with 1
  settings.places.install = install_.path();
  settings.installed_version = 3.40;
  settings.key = site_.PublicKey();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (root && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
    ScriptedObserver observer;
    std::atomic<bool> stop{false};
    _exit(static_cast<int>(RunUpdate(settings, observer, stop).result));
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(static_cast<int>(UpdateResult::kNotWritable), WEXITSTATUS(status));
}

}  // namespace
}  // namespace cw::patchwell
