#include "relaymate/relay_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace cw::relaymate {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Read(const fs::path& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }

bool CanCreateIn(const fs::path& folder) {
  const fs::path probe = folder / "probe";
  const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY, 0600);
  if (fd < 0) return false;
  ::close(fd);
  fs::remove(probe);
  return true;
}

bool SetImmutable(const fs::path& folder, bool on) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return done;
}

// Makes a folder unwritable until Unlock: by its permissions, or, for root
// whom permissions do not stop, by the immutable attribute.
class FolderLock {
 public:
  explicit FolderLock(fs::path folder) : folder_(std::move(folder)) {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (CanCreateIn(folder_)) immutable_ = SetImmutable(folder_, true);
    locked_ = !CanCreateIn(folder_);
  }
  ~FolderLock() { Unlock(); }
  bool locked() const { return locked_; }
  void Unlock() {
    if (immutable_) SetImmutable(folder_, false);
    immutable_ = false;
    fs::permissions(folder_, fs::perms::owner_all);
  }

 private:
  fs::path folder_;
  bool immutable_ = false;
  bool locked_ = false;
};

class RelayRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("cw_relay_run_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Temp");
    fs::create_directories(root_ / "install");
    Write(source(), "new program");
    fs::permissions(source(), fs::perms::owner_all);
    Write(destination(), "old program");
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path source() const { return root_ / "Temp/Patchwell"; }
  fs::path destination() const { return root_ / "install/Patchwell"; }
  // A program that leaves a mark when it runs.
  fs::path MarkingProgram() const {
    const fs::path program = root_ / "install/Coinwright";
    Write(program, "#!/bin/sh\necho started > '" + (root_ / "started").string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);
    return program;
  }
  bool ProgramStarted() const {
    for (int i = 0; i < 100 && !fs::exists(root_ / "started"); ++i) std::this_thread::sleep_for(20ms);
    return fs::exists(root_ / "started");
  }

  fs::path root_;
  static constexpr RelayTiming kQuick{0ms, 0ms, 10};
};

TEST_F(RelayRunTest, CopyReplacesTheFileAndStartsTheProgram) {
  const RelayCommand command{true, true, source().string(), destination().string(), MarkingProgram().string()};
  const RelayOutcome outcome = RunRelay(command, kQuick);
  EXPECT_TRUE(outcome.copied);
  EXPECT_TRUE(outcome.started);
  EXPECT_EQ("new program", Read(destination()));
  EXPECT_FALSE(fs::exists(source()));
  EXPECT_NE(fs::perms::none, fs::status(destination()).permissions() & fs::perms::owner_exec);
  EXPECT_TRUE(ProgramStarted());
}

TEST_F(RelayRunTest, MissingPiecesDoNothing) {
  MarkingProgram();
  const struct {
    const char* name;
    RelayCommand command;
  } kCases[] = {
      {"source NULL", {true, true, std::nullopt, destination().string(), std::nullopt}},
      {"source missing", {true, false, (root_ / "Temp/none").string(), destination().string(), std::nullopt}},
      {"start without program", {false, true, source().string(), destination().string(), std::nullopt}},
      {"program missing", {false, true, std::nullopt, std::nullopt, (root_ / "none").string()}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const RelayOutcome outcome = RunRelay(c.command, kQuick);
    EXPECT_FALSE(outcome.copied);
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ("old program", Read(destination()));
  }
  EXPECT_FALSE(fs::exists(root_ / "started"));
}

// The retry window of the real timing (a first wait of 1 s, 10 tries 500 ms
// apart) scaled down five times: a folder unwritable for 3 s is written on a
// later try, one unwritable for 7 s outlasts all ten.
TEST_F(RelayRunTest, RetriesWhileTheDestinationFolderIsUnwritable) {
  constexpr RelayTiming kFifth{200ms, 100ms, 10};
  const struct {
    const char* name;
    std::chrono::milliseconds lockedFor;
    bool copied;
  } kCases[] = {{"3 s", 600ms, true}, {"7 s", 1400ms, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Write(source(), "new program");
    Write(destination(), "old program");
    FolderLock lock(root_ / "install");
    if (!lock.locked()) GTEST_SKIP() << "cannot make a folder unwritable here";
    std::thread unlocker([&] {
      std::this_thread::sleep_for(c.lockedFor);
      lock.Unlock();
    });
    const RelayOutcome outcome = RunRelay({true, false, source().string(), destination().string(), std::nullopt}, kFifth);
    unlocker.join();
    EXPECT_EQ(c.copied, outcome.copied);
    EXPECT_EQ(c.copied ? "new program" : "old program", Read(destination()));
    EXPECT_EQ(!c.copied, fs::exists(source()));
  }
}

TEST_F(RelayRunTest, ProgramTakesItsOneArgumentStringAndExitsZero) {
  const std::string text = "'CopyStart' '" + source().string() + "' '" + destination().string() + "' '" +
                           MarkingProgram().string() + "'";
  const pid_t child = fork();
  if (child == 0) {
    execl(CW_RELAYMATE_PROGRAM, CW_RELAYMATE_PROGRAM, text.c_str(), nullptr);
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(0, WEXITSTATUS(status));
  EXPECT_EQ("new program", Read(destination()));
  EXPECT_TRUE(ProgramStarted());
}

}  // namespace
}  // namespace cw::relaymate
