// A query that fails half-way is a failure, not the end of its rows.
#include <gtest/gtest.h>

#include "store/database.h"
#include "store/read_watch.h"
#include "store/row_reader.h"
#include "support/damaged_file.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

constexpr int kRows = 3000;

class ReadFailureTest : public testing::StoreTest {
 protected:
  // A table of kRows rows in number order whose later pages are damaged.
  void SetUp() override {
    StoreTest::SetUp();
    Database::CloseDatabase();
    const auto pages_before = testing::PageCount(Database::FilePath(Database::kUserData));
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    Transaction tx;
    ASSERT_TRUE(Database::Execute("CREATE TABLE Filler (No INTEGER PRIMARY KEY, Words TEXT)"));
    for (int i = 1; i <= kRows; ++i) {
      ASSERT_TRUE(Database::Execute("INSERT INTO Filler VALUES (?1, ?2)", {i, std::string(60, 'x')}));
    }
    ASSERT_TRUE(tx.Commit());
    Database::CloseDatabase();
    // The table's pages that lead to its first rows split off two thirds of
    // the way: the damage lies behind them.
    testing::DamageWrittenPages(Database::FilePath(Database::kUserData), pages_before, 0.85, 1.0);
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    prompter_.shown.clear();
  }

  // The rows read before the query stopped.
  static int ReadAll(CDBPack& rows) {
    int count = 0;
    for (rows.Open("SELECT No FROM Filler ORDER BY No"); !rows.IsEnd(); rows.MoveNext()) ++count;
    return count;
  }

  const std::string damaged_ = "文件已损坏或不是本程序的数据文件：" + Database::FilePath(Database::kUserData);
};

TEST_F(ReadFailureTest, AFailedRowIsShownAndKnownToTheReader) {
  CDBPack rows;
  const int read = ReadAll(rows);
  EXPECT_GT(read, 0) << "the first rows were read";
  EXPECT_LT(read, kRows);
  EXPECT_TRUE(rows.Failed());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ("数据库读取失败！\n\n错误信息:" + damaged_ + "。", prompter_.shown[0].text);
  EXPECT_EQ(PromptStyle::Error, prompter_.shown[0].style);
}

TEST_F(ReadFailureTest, AWatchCollectsTheFailuresOfItsWorkAndTheOutermostSaysIt) {
  {
    ReadWatch work;
    {
      ReadWatch table;
      CDBPack rows;
      ReadAll(rows);
      ReadAll(rows);
      EXPECT_TRUE(table.Failed());
      EXPECT_EQ(damaged_, table.Cause());
      EXPECT_TRUE(table.ReportIfFailed());
    }
    EXPECT_TRUE(prompter_.shown.empty()) << "the work around the table says it";
    EXPECT_TRUE(work.Failed());
    EXPECT_TRUE(work.ReportIfFailed());
  }
  ASSERT_EQ(1u, prompter_.shown.size()) << "said once for the whole work";
  EXPECT_EQ("数据库读取失败！\n\n错误信息:" + damaged_ + "。", prompter_.shown[0].text);

  ReadWatch clean;
  CDBPack rows;
  rows.Open("SELECT count(*) AS NUM FROM sqlite_master");
  EXPECT_FALSE(clean.Failed());
  EXPECT_FALSE(clean.ReportIfFailed());
}

TEST_F(ReadFailureTest, AFailedReadFailsTheTransactionAroundIt) {
  {
    Transaction tx;
    ASSERT_TRUE(Database::Execute("INSERT INTO Filler VALUES (0, 'before the read')"));
    CDBPack rows;
    ReadAll(rows);
    EXPECT_FALSE(tx.ok());
    EXPECT_FALSE(tx.Commit());
  }
  CDBPack row;
  row.Open("SELECT count(*) AS NUM FROM Filler WHERE No = 0");
  EXPECT_EQ(0, row.GetLong("NUM")) << "the write before the failed read was undone";
}

}  // namespace
}  // namespace cw
