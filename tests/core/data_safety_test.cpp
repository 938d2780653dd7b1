// The automatic backup with its rotation, the exit sequence, manual backups and
// restores, on a real data set in a temporary home.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "core/auto_backup.h"
#include "core/backup_copies.h"
#include "core/backup_settings.h"
#include "core/exit_sequence.h"
#include "core/settings.h"
#include "core/voucher_engine.h"
#include "store/data_file.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

class DataSafetyTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    fs::remove_all(DefaultBackupFolder());
    for (const char* name : {"BackupTime", "CompressTime", "ManualBackupTime", "ManualBackupFreq"}) {
      settings::SetNumber("", name, 0);
    }
    ASSERT_TRUE(StoreBackupSettings({5, DefaultBackupFolder()}));
  }

  static std::time_t At(int year, int month, int day, int hour = 12) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_isdst = -1;
    return std::mktime(&local);
  }
  void Book(int count) {
    for (int i = 0; i < count; ++i) ASSERT_GT(WriteVoucher(Make("2026-11-05", 3, "601", "101", 10)), 0);
  }
  static std::string Backup(const std::string& name) { return DefaultBackupFolder() + "/" + name; }
  // Vouchers in a copy, or -1 when it does not open with the key.
  static long long VouchersIn(const std::string& path) {
    DataFile file(path, DataFile::Mode::kReadOnly);
    long long n = -1;
    if (file.ok()) ReadInteger(file.handle(), "SELECT COUNT(*) FROM AccountInput", &n);
    return n;
  }
  static std::vector<std::string> BackupFolder() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(DefaultBackupFolder())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(DataSafetyTest, OneRotationPerDayKeepingRetainFileCopies) {
  ASSERT_TRUE(StoreBackupSettings({3, DefaultBackupFolder()}));
  fs::create_directories(DefaultBackupFolder());
  std::ofstream(Backup("CW_20261210.db")) << "a manual backup";

  Book(1);
  AutoBackupResult first = AutoBackup(At(2026, 12, 1, 9));
  EXPECT_EQ(kBackupDone, first.code);
  EXPECT_TRUE(first.rotated);
  Book(1);
  AutoBackupResult again = AutoBackup(At(2026, 12, 1, 22));
  EXPECT_FALSE(again.rotated) << "a second exit the same day only refreshes CW_1";
  EXPECT_EQ(2, VouchersIn(Backup("CW_1.db")));
  EXPECT_FALSE(fs::exists(Backup("CW_2.db")));

  for (int day = 2; day <= 4; ++day) {
    Book(1);
    EXPECT_TRUE(AutoBackup(At(2026, 12, day)).rotated) << day;
  }
  EXPECT_EQ((std::vector<std::string>{"CW_1.db", "CW_2.db", "CW_20261210.db", "CW_3.db"}), BackupFolder());
  EXPECT_EQ(5, VouchersIn(Backup("CW_1.db")));
  EXPECT_EQ(4, VouchersIn(Backup("CW_2.db")));
  EXPECT_EQ(3, VouchersIn(Backup("CW_3.db"))) << "the copy of day 1 went";

  ASSERT_TRUE(StoreBackupSettings({2, DefaultBackupFolder()}));
  Book(1);
  AutoBackup(At(2026, 12, 5));
  EXPECT_EQ((std::vector<std::string>{"CW_1.db", "CW_2.db", "CW_20261210.db"}), BackupFolder());
  EXPECT_EQ(6, VouchersIn(Backup("CW_1.db")));
  EXPECT_EQ(5, VouchersIn(Backup("CW_2.db")));
  std::ifstream manual(Backup("CW_20261210.db"));
  std::string text;
  std::getline(manual, text);
  EXPECT_EQ("a manual backup", text) << "other CW_ files are never touched";
  EXPECT_EQ(static_cast<int>(At(2026, 12, 5)), settings::GetNumber("", "BackupTime"));
}

TEST_F(DataSafetyTest, AutoBackupRefusalsMakeNothing) {
  ASSERT_TRUE(StoreBackupSettings({0, DefaultBackupFolder()}));
  EXPECT_EQ(kBackupOff, AutoBackup(At(2026, 12, 1)).code);
  EXPECT_FALSE(fs::exists(DefaultBackupFolder())) << "retain 0 creates no folder";

  const std::string file = Database::DataHome() + "/not-a-folder";
  std::ofstream(file) << "x";
  ASSERT_TRUE(StoreBackupSettings({5, file}));
  EXPECT_EQ(kBackupFolderIsFile, AutoBackup(At(2026, 12, 1)).code);
  ASSERT_TRUE(StoreBackupSettings({5, file + "/below"}));
  AutoBackupResult result = AutoBackup(At(2026, 12, 1));
  EXPECT_EQ(kBackupNoFolder, result.code);
  EXPECT_FALSE(result.problems.empty());
  EXPECT_EQ(0, settings::GetNumber("", "BackupTime")) << "no copy, no backup time";

  // A folder given with a trailing separator is the same folder.
  ASSERT_TRUE(StoreBackupSettings({5, Database::DataHome() + "/elsewhere/"}));
  EXPECT_EQ(kBackupDone, AutoBackup(At(2026, 12, 1)).code);
  EXPECT_TRUE(fs::exists(Database::DataHome() + "/elsewhere/CW_1.db"));
  fs::remove_all(Database::DataHome() + "/elsewhere");
}

TEST(ReminderTest, IntervalArithmetic) {
  struct Case {
    int today, interval, last;
    bool due, show;
    int days, chosen;
  };
  const std::vector<Case> cases = {
      {20000, 0, 0, true, false, 20000, 10},     // the very first exit only writes the values
      {20009, 0, 20000, false, false, 9, 10},    // 9 days of the default 10
      {20010, 0, 20000, true, true, 10, 10},
      {20003, 3, 20000, true, true, 3, 3},
      {20000, 5, 20004, false, false, 4, 5},     // a clock set back counts the distance
      {19990, 5, 20000, true, true, 10, 5},
  };
  for (const Case& c : cases) {
    ReminderStep step = DecideReminder(c.today, c.interval, c.last);
    EXPECT_EQ(c.due, step.due) << c.today << " " << c.last;
    EXPECT_EQ(c.show, step.show) << c.today << " " << c.last;
    EXPECT_EQ(c.days, step.days);
    EXPECT_EQ(c.chosen, step.interval);
  }
  EXPECT_EQ(2, PreselectedReminderInterval(5));
  EXPECT_EQ(3, PreselectedReminderInterval(7)) << "an interval not offered shows as 10 days";
}

TEST_F(DataSafetyTest, ExitCompactsMonthlyAndRemindsAfterTheInterval) {
  int compactions = 0;
  std::vector<std::pair<int, int>> reminders;
  ExitHooks hooks{[&] {
                    ++compactions;
                    return CompactDataSet({});
                  },
                  [&](int interval, int days) {
                    reminders.emplace_back(interval, days);
                    return 3;
                  }};
  RunExitSequence(At(2026, 11, 30), hooks);
  EXPECT_EQ(1, compactions) << "the first exit ever compacts";
  EXPECT_TRUE(reminders.empty()) << "the first exit only notes the day";
  EXPECT_TRUE(fs::exists(Backup("CW_1.db")));
  RunExitSequence(At(2026, 11, 30, 18), hooks);
  EXPECT_EQ(1, compactions);
  RunExitSequence(At(2026, 12, 1), hooks);
  EXPECT_EQ(2, compactions) << "the first exit of a new month compacts";
  RunExitSequence(At(2026, 12, 10), hooks);
  EXPECT_EQ(2, compactions);
  ASSERT_EQ(1u, reminders.size());
  EXPECT_EQ(std::make_pair(10, 10), reminders[0]);
  EXPECT_EQ(3, settings::GetNumber("", "ManualBackupFreq")) << "the interval chosen in the reminder is kept";
  EXPECT_EQ((std::vector<std::string>{"CW_1.db", "CW_2.db", "CW_3.db"}), BackupFolder());
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(DataSafetyTest, ManualBackupAndRestoreKeepTheLiveDataSafe) {
  Book(2);
  const std::string copy = Database::DataHome() + "/mine.db";
  EXPECT_FALSE(ManualBackupTo(Database::DataHome() + "/../" + fs::path(Database::DataHome()).filename().string() +
                              "/CW.db"));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ("数据库备份失败，您所选择的文件为系统当前使用的数据库。\n\n请输入其他文件名。", prompter_.shown[0].text);
  ASSERT_TRUE(ManualBackupTo(copy));
  Book(3);

  prompter_.shown.clear();
  std::ofstream(Database::DataHome() + "/notes.txt") << "shopping list";
  EXPECT_EQ(RestoreOutcome::kRefused, RestoreDataSet(Database::DataHome() + "/notes.txt", At(2026, 12, 10)));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_NE(std::string::npos, prompter_.shown[0].text.find("不是本程序的数据库文件")) << prompter_.shown[0].text;
  EXPECT_EQ(5u, MonthVouchers(2026, 11).size()) << "a refused file changes nothing";

  prompter_.shown.clear();
  ASSERT_EQ(RestoreOutcome::kRestored, RestoreDataSet(copy, At(2026, 12, 10, 8)));
  EXPECT_EQ(2u, MonthVouchers(2026, 11).size());
  const std::string safety = Backup("CW_before_restore_20261210_080000.db");
  EXPECT_EQ(5, VouchersIn(safety)) << "the data before the restore is kept";
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_NE(std::string::npos, prompter_.shown[0].text.find(safety)) << "the user is told where";
}

}  // namespace
}  // namespace cw
