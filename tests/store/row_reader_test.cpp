// CDBPack: typed getters follow the declared column type; reading past the end
// or failing mid-way ends the loop.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "base/scripted_prompter.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

bool FillTypedTable() {
  Transaction tx;
  return Database::Execute(
             "CREATE TABLE T (L INT32, S INT16, B UINT8, D DOUBLE, W DATETEXT, Y BOOLINT, X TEXT, N INT32)") &&
         Database::Execute("INSERT INTO T VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, NULL)",
                           {70000, 300, 200, 2.75, std::string("2015-02-19 06:00:00"), 1, std::string("收入")}) &&
         tx.Commit();
}

class RowReaderTest : public testing::StoreTest {
 protected:
  void SetUp() override { Build(FillTypedTable); }
};

TEST_F(RowReaderTest, GettersFollowTheDeclaredType) {
  CDBPack rows;
  ASSERT_TRUE(rows.Open("SELECT * FROM T"));
  ASSERT_FALSE(rows.IsEnd());
  // 2015-02-19 is day 42054 after 1899-12-30; six o'clock is a quarter day.
  const double date = 42054.25;
  struct Case {
    const char* column;
    double as_double, as_long, as_short, as_byte, as_date, as_bool;
    std::string as_text;
  } cases[] = {
      {"L", 0, 70000, 0, 0, 0, 0, ""},
      {"S", 0, 0, 300, 44, 0, 0, ""},  // a byte from a 2-byte column keeps the low 8 bits
      {"B", 0, 0, 0, 200, 0, 0, ""},
      {"D", 2.75, 0, 0, 0, 0, 0, ""},  // never the truncated value
      {"W", 0, 0, 0, 0, date, 0, ""},
      {"Y", 0, 0, 0, 0, 0, 1, ""},
      {"X", 0, 0, 0, 0, 0, 0, "收入"},
      {"N", 0, 0, 0, 0, 0, 0, ""},     // null reads as the neutral value
      {"Missing", 0, 0, 0, 0, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    EXPECT_EQ(c.as_double, rows.GetDouble(c.column));
    EXPECT_EQ(c.as_long, rows.GetLong(c.column));
    EXPECT_EQ(c.as_short, rows.GetShort(c.column));
    EXPECT_EQ(c.as_byte, rows.GetByte(c.column));
    EXPECT_DOUBLE_EQ(c.as_date, rows.GetDate(c.column));
    EXPECT_EQ(c.as_bool != 0, rows.GetBool(c.column));
    EXPECT_EQ(c.as_text, rows.GetText(c.column));
  }
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(rows.GetValue("N")));
  EXPECT_EQ(SqlValue(std::int64_t{300}), rows.GetValue("s")) << "column names match in any case";
}

TEST_F(RowReaderTest, ComputedColumnsTakeTheTypeOfTheirValue) {
  CDBPack rows;
  rows.Open("SELECT COUNT(*) AS NUM, SUM(D) AS Debit, MAX(W) AS Last FROM T");
  EXPECT_EQ(1, rows.GetLong("NUM"));
  EXPECT_EQ(2.75, rows.GetDouble("Debit"));
  EXPECT_DOUBLE_EQ(42054.25, rows.GetDate("Last"));
}

TEST_F(RowReaderTest, NoRowsLeavesTheReaderAtEndWithNeutralValues) {
  CDBPack rows;
  ASSERT_TRUE(rows.Open("SELECT * FROM T WHERE L = ?1", {1}));
  EXPECT_TRUE(rows.IsEnd());
  EXPECT_EQ(0, rows.GetLong("L"));
  EXPECT_EQ("", rows.GetText("X"));
  EXPECT_EQ(1, rows.MoveNext());
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(RowReaderTest, AFailureWhileMovingEndsTheLoop) {
  // The second row overflows an integer while it is computed.
  CDBPack rows;
  ASSERT_TRUE(rows.Open("SELECT CASE WHEN v = 2 THEN abs(-9223372036854775807 - 1) ELSE v END AS V "
                        "FROM (SELECT 1 AS v UNION ALL SELECT 2 UNION ALL SELECT 3)"));
  int seen = 0;
  for (int guard = 0; !rows.IsEnd() && guard < 10; ++guard, rows.MoveNext()) ++seen;
  EXPECT_EQ(1, seen);
  EXPECT_TRUE(rows.IsEnd());
}

TEST_F(RowReaderTest, MoveFirstRunsTheQueryAgain) {
  CDBPack rows;
  rows.Open("SELECT v FROM (SELECT 1 AS v UNION ALL SELECT 2) ORDER BY v");
  rows.MoveNext();
  EXPECT_EQ(2, rows.GetLong("v"));
  EXPECT_EQ(0, rows.MoveFirst());
  EXPECT_EQ(1, rows.GetLong("v"));
}

TEST_F(RowReaderTest, AFailedQueryIsShownAndLeavesTheReaderAtEnd) {
  CDBPack rows;
  EXPECT_FALSE(rows.Open("SELECT nothing FROM T"));
  EXPECT_TRUE(rows.IsEnd());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(0u, prompter_.shown[0].text.rfind("数据库操作失败！", 0));
}

}  // namespace
}  // namespace cw
