// Copies, compaction and restore sources of the open data set.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "store/compaction.h"
#include "store/data_file.h"
#include "store/data_set_mark.h"
#include "store/database.h"
#include "store/restore_source.h"
#include "store/row_reader.h"
#include "store/snapshot.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

namespace fs = std::filesystem;
using BackupTest = testing::StoreTest;

constexpr int kVersion340 = 3 * 65536 + 40;

void AddVouchers(int first, int count) {
  Transaction tx;
  for (int n = first; n < first + count; ++n) {
    Database::Execute("INSERT INTO AccountInput (Voucher_No, Input_Time, Input_Type) VALUES (?1, '2026-12-01', 3)",
                      {n});
    Database::Execute("INSERT INTO Detail_Input (Voucher_No, Line_No, Content, Item_No, Cash, IsDebit) "
                      "VALUES (?1, 0, '一段说明文字', '601', 12.5, 1)",
                      {n});
  }
  ASSERT_TRUE(tx.Commit());
}

long long Count(sqlite3* db, const char* table) {
  long long n = -1;
  ReadInteger(db, (std::string("SELECT COUNT(*) FROM ") + table).c_str(), &n);
  return n;
}

void RunOn(const std::string& path, const std::string& sql) {
  DataFile file(path, DataFile::Mode::kWrite);
  ASSERT_TRUE(file.ok()) << file.error();
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(file.handle(), sql.c_str(), nullptr, nullptr, nullptr)) << sql;
}

TEST_F(BackupTest, SnapshotHoldsEveryCommittedRowAndOpensWithTheKey) {
  Database::Execute(Database::LoadStatement(399), {kVersion340});
  AddVouchers(202612001, 300);  // still in the write-ahead log, not yet in the file
  const std::string target = home_.path() + "/copy.db";
  std::string error;
  ASSERT_TRUE(WriteSnapshot(target, &error)) << error;

  struct stat info;
  ASSERT_EQ(0, ::stat(target.c_str(), &info));
  EXPECT_EQ(0600u, info.st_mode & 0777) << "copies are private to the owner";
  EXPECT_FALSE(fs::exists(PartialName(target)));
  DataFile copy(target, DataFile::Mode::kReadOnly);
  ASSERT_TRUE(copy.ok()) << copy.error();
  EXPECT_EQ(300, Count(copy.handle(), "AccountInput"));
  EXPECT_EQ(300, Count(copy.handle(), "Detail_Input"));
  EXPECT_EQ("", IntegrityProblems(copy.handle()));

  // A copy that cannot be written leaves the old target as it was.
  std::ofstream(home_.path() + "/blocked");
  EXPECT_FALSE(WriteSnapshot(home_.path() + "/blocked/copy.db", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(BackupTest, CompactionKeepsEveryRowAndTheHeaderMarks) {
  AddVouchers(202612001, 600);
  Database::Execute("DELETE FROM Detail_Input WHERE Voucher_No % 2 = 0");
  Database::Execute("PRAGMA user_version = 7");
  ASSERT_TRUE(MarkOpenDataSet(Database::kDemoData));
  int ticks = 0;
  std::string error;
  ASSERT_TRUE(CompactLive([&] { ++ticks; }, &error)) << error;
  EXPECT_GT(ticks, 0) << "progress is reported while the file is rewritten";
  EXPECT_EQ(600, Count(Database::Handle(), "AccountInput"));
  EXPECT_EQ(300, Count(Database::Handle(), "Detail_Input"));
  long long layout = 0;
  ReadInteger(Database::Handle(), "PRAGMA user_version", &layout);
  EXPECT_EQ(7, layout);
  EXPECT_EQ(Database::kDemoData, DataSetOfFile(Database::Handle()));
  // The compacted file is the same file: a second connection sees it whole.
  DataFile other(Database::FilePath(Database::kUserData), DataFile::Mode::kReadOnly);
  ASSERT_TRUE(other.ok());
  EXPECT_EQ(300, Count(other.handle(), "Detail_Input"));
}

TEST_F(BackupTest, RestoreSourcesAreCheckedBeforeAnythingIsReplaced) {
  Database::Execute(Database::LoadStatement(399), {kVersion340});
  AddVouchers(202612001, 400);
  const std::string dir = home_.path() + "/";
  std::string error;
  for (const char* name : {"good.db", "noversion.db", "demo.db", "newer.db", "older.db", "truncated.db"}) {
    ASSERT_TRUE(WriteSnapshot(dir + name, &error)) << error;
  }
  RunOn(dir + "noversion.db", "DELETE FROM DBVersion");
  RunOn(dir + "demo.db", "PRAGMA application_id = 1129792589");  // the demonstration mark "CWDM"
  RunOn(dir + "newer.db", "UPDATE DBVersion SET Ver_DB = 3 * 65536 + 50");
  RunOn(dir + "older.db", "UPDATE DBVersion SET Ver_DB = 2 * 65536");
  fs::resize_file(dir + "truncated.db", fs::file_size(dir + "truncated.db") / 2);
  std::ofstream(dir + "picture.jpg") << "\xff\xd8\xff\xe0 not a database at all, just some bytes";
  {
    sqlite3* plain = nullptr;  // an ordinary unencrypted database
    sqlite3_open((dir + "plain.db").c_str(), &plain);
    sqlite3_exec(plain, "CREATE TABLE DBVersion (Ver_DB INT)", nullptr, nullptr, nullptr);
    sqlite3_close(plain);
  }

  struct Case {
    std::string path;
    RestoreRefusal refusal;
  };
  const std::vector<Case> cases = {
      {dir + "good.db", RestoreRefusal::kNone},
      {dir + "older.db", RestoreRefusal::kNone},
      {Database::FilePath(Database::kUserData), RestoreRefusal::kLiveFile},
      {dir + "../" + fs::path(home_.path()).filename().string() + "/CW.db", RestoreRefusal::kLiveFile},
      {dir + "missing.db", RestoreRefusal::kUnreadable},
      {dir + "picture.jpg", RestoreRefusal::kNotADataSet},
      {dir + "plain.db", RestoreRefusal::kNotADataSet},
      {dir + "truncated.db", RestoreRefusal::kDamaged},
      {dir + "noversion.db", RestoreRefusal::kNoVersion},
      {dir + "demo.db", RestoreRefusal::kOtherDataSet},
      {dir + "newer.db", RestoreRefusal::kNewer},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(c.refusal), static_cast<int>(CheckRestoreSource(c.path, kVersion340).refusal))
        << c.path;
  }
  EXPECT_EQ(400, Count(Database::Handle(), "AccountInput")) << "checking changes nothing";
}

TEST_F(BackupTest, CopyIntoLiveReplacesTheDataInTheSameFile) {
  AddVouchers(202612001, 5);
  const std::string copy = home_.path() + "/five.db";
  std::string error;
  ASSERT_TRUE(WriteSnapshot(copy, &error)) << error;
  AddVouchers(202612006, 20);
  struct stat before;
  ::stat(Database::FilePath(Database::kUserData).c_str(), &before);

  ASSERT_TRUE(CopyIntoLive(copy, &error)) << error;
  EXPECT_EQ(5, Count(Database::Handle(), "AccountInput"));
  struct stat after;
  ::stat(Database::FilePath(Database::kUserData).c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino) << "the live file is never replaced by another file";
  DataFile other(Database::FilePath(Database::kUserData), DataFile::Mode::kReadOnly);
  ASSERT_TRUE(other.ok());
  EXPECT_EQ(5, Count(other.handle(), "AccountInput")) << "another connection sees the restored data";
  CDBPack mode;
  mode.Open("PRAGMA journal_mode");
  EXPECT_EQ("wal", mode.GetText("journal_mode"));
}

}  // namespace
}  // namespace cw
