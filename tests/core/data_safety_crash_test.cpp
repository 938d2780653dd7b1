// A process killed in the middle of a backup rotation, a compaction or a
// restore leaves a data file with every committed voucher and a backup folder
// of whole copies.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/auto_backup.h"
#include "core/backup_copies.h"
#include "core/backup_settings.h"
#include "core/voucher_engine.h"
#include "store/compaction.h"
#include "store/data_file.h"
#include "store/database.h"
#include "store/restore_source.h"
#include "store/snapshot.h"
#include "support/ledger_check.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

class DataSafetyCrashTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    fs::remove_all(DefaultBackupFolder());
    ASSERT_TRUE(StoreBackupSettings({4, DefaultBackupFolder()}));
    for (int i = 0; i < 40; ++i) ASSERT_GT(WriteVoucher(Make("2026-11-05", 3, "601", "101", 10 + i)), 0);
  }

  // Runs `work` over and over in a child process and kills it at several points.
  // After each kill the ledger must be whole and hold one of `counts` vouchers.
  void KillRepeatedly(const std::function<void(unsigned)>& work, const std::vector<std::size_t>& counts) {
    for (int round = 0; round < 4; ++round) {
      Database::CloseDatabase();  // a connection never crosses a fork
      pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        if (Database::OpenDatabase(Database::kUserData) != 1) _exit(3);
        for (unsigned i = round * 100;; ++i) work(i);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(400 + 230 * round));
      kill(child, SIGKILL);
      int status = 0;
      waitpid(child, &status, 0);
      ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;

      ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
      testing::Problems problems = testing::CheckLedger();
      EXPECT_TRUE(problems.found.empty()) << "round " << round << ": " << problems.found[0];
      std::size_t vouchers = MonthVouchers(2026, 11).size();
      EXPECT_NE(counts.end(), std::find(counts.begin(), counts.end(), vouchers)) << vouchers;
      ExpectOnlyWholeBackups();
    }
  }

  static void ExpectOnlyWholeBackups() {
    if (!fs::exists(DefaultBackupFolder())) return;
    for (const auto& entry : fs::directory_iterator(DefaultBackupFolder())) {
      const std::string name = entry.path().filename().string();
      if (name.size() < 3 || name.substr(name.size() - 3) != ".db") continue;  // temporaries and journals
      DataFile copy(entry.path().string(), DataFile::Mode::kReadOnly);
      ASSERT_TRUE(copy.ok()) << name << ": " << copy.error();
      EXPECT_EQ("", IntegrityProblems(copy.handle())) << name;
    }
  }
};

TEST_F(DataSafetyCrashTest, KilledDuringRotation) {
  const std::time_t start = std::time(nullptr);
  KillRepeatedly([&](unsigned i) { AutoBackup(start + static_cast<std::time_t>(i) * 86400); }, {40});
}

TEST_F(DataSafetyCrashTest, KilledDuringCompaction) {
  KillRepeatedly(
      [](unsigned) {
        std::string error;
        if (!CompactLive({}, &error)) _exit(4);
      },
      {40});
}

TEST_F(DataSafetyCrashTest, KilledDuringRestore) {
  const std::string forty = Database::DataHome() + "/forty.db";
  const std::string more = Database::DataHome() + "/forty-five.db";
  std::string error;
  ASSERT_TRUE(WriteSnapshot(forty, &error)) << error;
  for (int i = 0; i < 5; ++i) ASSERT_GT(WriteVoucher(Make("2026-11-06", 3, "601", "101", 1)), 0);
  ASSERT_TRUE(WriteSnapshot(more, &error)) << error;
  KillRepeatedly([&](unsigned i) { RestoreDataSet(i % 2 ? forty : more, std::time(nullptr) + i); }, {40, 45});
}

}  // namespace
}  // namespace cw
