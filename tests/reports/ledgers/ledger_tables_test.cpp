// Detail tables: the row sequence with month, year and cumulative rows (a range
// that starts mid-year, an empty range, refunds, lines of sub-accounts).
// Balance tables: roll-up of summary accounts, netted openings, empty cells for
// zero movements and the two-row header.
#include "reports/ledgers/ledger_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "reports/ledgers/grid_text.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::GridText;
using Rows = std::vector<std::string>;

class LedgerTablesTest : public testing::LedgerTest {
 protected:
  void Book(const std::string& date, int kind, const std::string& a1, const std::string& a2, double amount,
            const std::string& text = "") {
    ASSERT_NE(0, WriteVoucher(Make(date, kind, a1, a2, amount, text))) << date;
  }
  // Two sub-accounts under 601 饮食, which becomes a summary account.
  static void SplitFood() {
    ASSERT_TRUE(Database::Execute(Database::LoadStatement(343), {std::string("饮食"), 0, std::string("601")}));
    ASSERT_TRUE(Database::Execute(Database::LoadStatement(349), {std::string("60101"), std::string("早餐"), 2}));
    ASSERT_TRUE(Database::Execute(Database::LoadStatement(349), {std::string("60102"), std::string("晚餐"), 2}));
    CItemCache::Instance().MarkDirty();
  }
};

TEST_F(LedgerTablesTest, CashDetailRowsFromAMidYearStart) {
  Book("2024-01-10", 1, "101", "502", 100, "期初");    // before the range, same year
  Book("2024-02-05", 3, "601", "101", 10, "早饭");     // before the range, same year
  Book("2024-03-02", 2, "501", "101", 50, "奖金");
  Book("2024-03-20", 3, "602", "101", 5, "灯泡");
  Book("2024-05-01", 3, "603", "101", 7, "车票");
  Book("2025-01-03", 3, "601", "101", 1, "面包");
  Book("2025-02-01", 3, "601", "101", 99, "after");  // after the range
  LedgerTable table = BuildDetailTable("101", LedgerRange::OfMonths(202403, 202501));
  EXPECT_EQ("现金明细表", table.title);
  EXPECT_EQ(Rows({
                " |  |   期 初 余 额 |  |  | 90.00 [green]",
                "202403001 | 2024-03-02 | 奖金 | 50.00 |  | 140.00",
                "202403002 | 2024-03-20 | 灯泡 |  | 5.00 | 135.00",
                " |  |    3 月 统 计 | 50.00 | 5.00 |  [green]",
                "202405001 | 2024-05-01 | 车票 |  | 7.00 | 128.00",
                " |  |    5 月 统 计 | 0.00 | 7.00 |  [green]",
                // The year row holds the lines of the year before the range too.
                " |  |   2024 年 统 计 | 150.00 | 22.00 |  [green]",
                "202501001 | 2025-01-03 | 面包 |  | 1.00 | 127.00",
                " |  |    1 月 统 计 | 0.00 | 1.00 |  [green]",
                " |  |   2025 年 统 计 | 0.00 | 1.00 |  [green]",
                " |  |   累         计 | 150.00 | 23.00 |  [green]",
            }),
            GridText(table.grid));
  EXPECT_EQ("转入", table.grid.Column(2).title);
}

TEST_F(LedgerTablesTest, AnEmptyRangeHasOnlyTheOpeningAndCumulativeRows) {
  Book("2024-01-10", 2, "501", "101", 100);
  LedgerTable table = BuildDetailTable("501", LedgerRange::OfMonths(202406, 202406));
  // The cumulative row counts from the first line, as the running balance does.
  EXPECT_EQ(Rows({" |  |   期 初 余 额 |  | 100.00 [green]", " |  |   累         计 | 100.00 |  [green]"}),
            GridText(table.grid));
}

TEST_F(LedgerTablesTest, AnExpenseRefundShowsNegativeAndLowersTheTotal) {
  SplitFood();
  Book("2024-06-01", 3, "60101", "101", 30, "早饭");
  Book("2024-06-02", 3, "60102", "101", 20, "晚饭");
  // A refund: the expense account credited, cash debited (a cash-in-between booking).
  ASSERT_NE(0, [] {
    Booking b = Make("2024-06-03", 42, "101", "60101", 8, "退款");
    return WriteVoucher(b);
  }());
  LedgerTable table = BuildDetailTable("601", LedgerRange::OfMonths(202406, 202406));
  EXPECT_EQ(Rows({
                " |  |   期 初 余 额 |  | 0.00 [green]",
                "202406001 | 2024-06-01 | 早饭 | 30.00 | 30.00",
                "202406002 | 2024-06-02 | 晚饭 | 20.00 | 50.00",
                "202406003 | 2024-06-03 | 退款 | -8.00 | 42.00",
                " |  |    6 月 统 计 | 42.00 |  [green]",
                " |  |   2024 年 统 计 | 42.00 |  [green]",
                " |  |   累         计 | 42.00 |  [green]",
            }),
            GridText(table.grid));
}

TEST_F(LedgerTablesTest, ExpenseBalanceRollsUpSummaryAccounts) {
  SplitFood();
  Book("2024-05-01", 3, "60101", "101", 4);
  Book("2024-06-01", 3, "60101", "101", 30);
  Book("2024-06-02", 3, "60102", "101", 20);
  Book("2024-06-03", 3, "602", "101", 5);
  LedgerTable table = BuildBalanceTable(kTypeExpense, LedgerRange::OfMonths(202406, 202406));
  EXPECT_EQ("支出余额表", table.title);
  EXPECT_FALSE(table.span);
  Rows rows = GridText(table.grid);
  EXPECT_EQ("503 | 财务费用 |  |  | 0.00 [green]", rows[0]) << "a summary account without movements";
  auto food = std::find_if(rows.begin(), rows.end(), [](const std::string& r) { return r.starts_with("601 "); });
  ASSERT_LE(5, rows.end() - food);
  EXPECT_EQ(Rows({"601 | 饮食 | 4.00 | 50.00 | 54.00 [green]", ".60101 | 早餐 | 4.00 | 30.00 | 34.00",
                  ".60102 | 晚餐 |  | 20.00 | 20.00", "602 | 居家 |  | 5.00 | 5.00", "603 | 交通通讯 |  |  | 0.00"}),
            Rows(food, food + 5));
}

TEST_F(LedgerTablesTest, CardBalanceHasItsMovementPairAndNetsTheOpening) {
  Book("2024-05-01", 3, "601", "202", 300);         // the card's debt rises
  Book("2024-05-20", 13, "202", "102", 100);        // and is partly repaid
  Book("2024-06-01", 3, "602", "202", 50);
  LedgerTable table = BuildBalanceTable(kTypeCreditCard, LedgerRange::OfMonths(202406, 202406));
  ASSERT_TRUE(table.span);
  EXPECT_EQ("本期发生额", table.span->title);
  EXPECT_EQ(2, table.span->first_column);
  EXPECT_EQ(3, table.span->last_column);
  EXPECT_EQ("消费/取现", table.grid.Column(2).title);
  EXPECT_EQ(Rows({"202 | 信用卡 | 200.00 | 50.00 |  | 250.00"}), GridText(table.grid));
}

}  // namespace
}  // namespace cw
