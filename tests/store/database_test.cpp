// The shared connection: which file it opens, the encryption, messages and transactions.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/scripted_prompter.h"
#include "store/database.h"
#include "store/database_password.h"
#include "store/failure_cause.h"
#include "store/row_reader.h"
#include "store/schema.h"
#include "support/other_program.h"
#include "support/releasing_prompter.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

using DatabaseTest = testing::StoreTest;

int CountRows(const char* table) {
  CDBPack rows;
  rows.Open(std::string("SELECT COUNT(*) AS NUM FROM ") + table);
  return rows.GetLong("NUM");
}

TEST_F(DatabaseTest, OpensEachDataSetOnceAndReopensTheLastOne) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kDemoData));
  int generation = Database::OpenGeneration();
  EXPECT_EQ(1, Database::OpenDatabase(Database::kDemoData));
  EXPECT_EQ(generation, Database::OpenGeneration()) << "a second open of the same set does nothing";
  Database::CloseDatabase();
  EXPECT_FALSE(Database::IsOpen());
  ASSERT_EQ(1, Database::OpenDatabase(-1));
  EXPECT_EQ(Database::kDemoData, Database::CurrentDatabase());
  EXPECT_EQ("CWSample.db", Database::CurrentDatabaseFile());
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ("CW.db", Database::CurrentDatabaseFile());
  EXPECT_EQ(0, Database::OpenDatabase(7));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(DatabaseTest, FileIsUnreadableWithoutTheKey) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(349), {std::string("101"), std::string("现金"), 3}));
  Database::CloseDatabase();

  const std::string path = Database::FilePath(Database::kUserData);
  std::ifstream file(path, std::ios::binary);
  std::string head(16, '\0');
  file.read(head.data(), 16);
  EXPECT_NE("SQLite format 3", head.substr(0, 15)) << "the file header is encrypted too";

  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
  EXPECT_EQ(SQLITE_NOTADB, sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr));
  sqlite3_close(db);

  ASSERT_EQ(1, sqlite3_open(path.c_str(), &db) == SQLITE_OK);
  ASSERT_EQ(SQLITE_OK, sqlite3_key(db, "wrong key", 9));
  EXPECT_EQ(SQLITE_NOTADB, sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr));
  sqlite3_close(db);
}

std::string FileContent(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(DatabaseTest, AFileThatIsNoDataSetIsReportedAndLeftAsItIs) {
  const std::string path = Database::FilePath(Database::kUserData);
  struct Case {
    const char* name;
    std::function<void()> make;
    std::string cause;
  } cases[] = {
      {"missing", [&] { std::remove(path.c_str()); }, "文件不存在：" + path},
      {"empty", [&] { std::ofstream(path, std::ios::trunc); }, "文件是空的：" + path},
      {"not a data file", [&] { std::ofstream(path, std::ios::binary | std::ios::trunc) << "not a database"; },
       "文件已损坏或不是本程序的数据文件：" + path},
      {"encrypted but without the layout",
       [&] {
         std::remove(path.c_str());
         sqlite3* db = nullptr;
         sqlite3_open(path.c_str(), &db);
         const std::string password = internal::DatabasePassword();
         sqlite3_key(db, password.data(), static_cast<int>(password.size()));
         sqlite3_exec(db, "PRAGMA user_version = 1", nullptr, nullptr, nullptr);
         sqlite3_close(db);
       },
       "文件已损坏或不是本程序的数据文件：" + path},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Database::CloseDatabase();
    c.make();
    ::chmod(path.c_str(), 0600);
    const bool existed = std::filesystem::exists(path);
    const std::string before = FileContent(path);
    prompter_.shown.clear();
    EXPECT_EQ(0, Database::OpenDatabase(Database::kUserData));
    ASSERT_EQ(1u, prompter_.shown.size());
    EXPECT_EQ("连接数据库失败！\n\n错误信息:" + c.cause + "。", prompter_.shown[0].text);
    EXPECT_EQ(existed, std::filesystem::exists(path)) << "nothing is created";
    EXPECT_EQ(before, FileContent(path)) << "the file is left untouched";
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
  }
}

TEST_F(DatabaseTest, FailuresAreShownUnlessSilent) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ(0, Database::Execute("UPDATE NoSuchTable SET x = 1", {}, true));
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(0, Database::Execute("UPDATE NoSuchTable SET x = 1"));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ("数据库操作失败！\n\n错误信息:no such table: NoSuchTable。", prompter_.shown[0].text);
  EXPECT_EQ(PromptStyle::Error, prompter_.shown[0].style);
}

TEST_F(DatabaseTest, BoundTextIsNeverTakenForSql) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  const std::string hostile = "x'); DROP TABLE Item; --\"%_";
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(349), {std::string("101"), hostile, 3}));
  CDBPack rows;
  rows.Open(Database::LoadStatement(299), {std::string("101")});
  EXPECT_EQ(hostile, rows.GetText("Item_Name"));
}

TEST_F(DatabaseTest, TransactionKeepsAllOrNothing) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  const std::string insert = Database::LoadStatement(349);
  {
    Transaction tx;
    Database::Execute(insert, {std::string("101"), std::string("a"), 3});
    {
      Transaction inner;  // joins the outer one
      Database::Execute(insert, {std::string("102"), std::string("b"), 4});
      ASSERT_TRUE(inner.Commit());
    }
  }  // never committed: rolled back
  EXPECT_EQ(0, CountRows("Item"));
  {
    Transaction tx;
    Database::Execute(insert, {std::string("101"), std::string("a"), 3});
    Database::Execute(insert, {std::string("101"), std::string("duplicate"), 3}, true);  // fails
    EXPECT_FALSE(tx.ok());
    EXPECT_FALSE(tx.Commit());
  }
  EXPECT_EQ(0, CountRows("Item")) << "a failed statement undoes the whole operation";
  {
    Transaction tx;
    Database::Execute(insert, {std::string("101"), std::string("a"), 3});
    EXPECT_TRUE(tx.Commit());
  }
  EXPECT_EQ(1, CountRows("Item"));
}

TEST_F(DatabaseTest, AGuardThatCannotBeginRunsNoStatement) {
  const std::string insert = Database::LoadStatement(349);
  testing::OtherProgram other(Database::FilePath(Database::kUserData));
  ASSERT_TRUE(other.HoldWriteLock());
  Database::SetBusyTimeout(50);
  // The other program finishes while the message is read: a statement run
  // after it would now succeed, outside any transaction.
  testing::ReleasingPrompter prompter([&] { other.Release(); });
  {
    PrompterGuard shown(prompter);
    Transaction tx;
    EXPECT_FALSE(tx.ok());
    EXPECT_EQ(0, Database::Execute(insert, {std::string("101"), std::string("a"), 3}));
    {
      Transaction inner;
      EXPECT_FALSE(inner.ok()) << "a guard inside one that did not begin does not begin either";
      EXPECT_EQ(0, Database::Execute(insert, {std::string("102"), std::string("b"), 4}));
    }
    CDBPack rows;
    EXPECT_FALSE(rows.Open("SELECT 1 AS One"));
    EXPECT_FALSE(tx.Commit());
  }
  Database::SetBusyTimeout(5000);
  EXPECT_EQ(std::vector<std::string>{"数据库正在被另一个程序写入，请稍后再试。"}, prompter.texts)
      << "one message, with the cause";
  EXPECT_EQ(0, CountRows("Item"));
  {
    Transaction tx;
    EXPECT_TRUE(tx.ok()) << "the next operation runs as usual";
    EXPECT_EQ(1, Database::Execute(insert, {std::string("101"), std::string("a"), 3}));
    EXPECT_TRUE(tx.Commit());
  }
  EXPECT_EQ(1, CountRows("Item"));
}

TEST(FailureCause, MessagesSayWhatHappenedAndNameTheFile) {
  const std::string path = "/data/CW.db";
  struct Case {
    FailureCause cause;
    std::string message;
  } cases[] = {
      {CauseOf(nullptr, SQLITE_BUSY, path), "数据库正在被另一个程序写入，请稍后再试。"},
      {CauseOf(nullptr, SQLITE_FULL, path), "磁盘空间不足，数据没有写入。"},
      {CauseOfSystemError(ENOSPC, path), "磁盘空间不足，数据没有写入。"},
      {CauseOf(nullptr, SQLITE_READONLY, path), "没有权限写入文件：/data/CW.db。"},
      {CauseOfSystemError(EACCES, path), "没有权限写入文件：/data/CW.db。"},
      {CauseOf(nullptr, SQLITE_CORRUPT, path), "数据库操作失败！\n\n错误信息:文件已损坏或不是本程序的数据文件：/data/CW.db。"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.message, OperationFailedMessage(c.cause));
}

TEST_F(DatabaseTest, PasswordIsBuiltFromPiecesOfItsCatalogueEntry) {
  const std::string entry = Database::LoadStatement(357);
  ASSERT_GE(entry.size(), 60u);
  // The password never appears whole in the entry.
  std::string password = entry.substr(20, 5) + entry.substr(10, 5) + entry.substr(40, 5) + entry.substr(50, 5);
  EXPECT_EQ(std::string::npos, entry.find(password));
}

}  // namespace
}  // namespace cw
