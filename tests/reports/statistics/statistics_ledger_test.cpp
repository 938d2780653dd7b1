// The statistics tables read from a small ledger.
#include <gtest/gtest.h>

#include "core/voucher_engine.h"
#include "reports/statistics/balance_sheet.h"
#include "reports/statistics/category_table.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/statistics/table_text.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using Rows = std::vector<std::string>;

class StatisticsLedgerTest : public testing::LedgerTest {
 protected:
  void Book(const std::string& date, int kind, const std::string& a1, const std::string& a2, double amount) {
    ASSERT_NE(0, WriteVoucher(Make(date, kind, a1, a2, amount)));
  }
  // Opening cash of 1000, a salary, two meals, a refund of one of them.
  void SmallLedger() {
    Book("2026-03-01", 1, "101", "502", 1000);
    Book("2026-03-03", 2, "101", "501", 5000);
    Book("2026-03-03", 3, "601", "101", 40);
    Book("2026-03-05", 3, "601", "101", 60);
    Book("2026-03-05", 3, "601", "101", -15);  // a refund
    Book("2026-04-10", 3, "602", "101", 800);
  }
};

TEST_F(StatisticsLedgerTest, DayRowsLineUpWithTheirDatesWhenTheFirstDayIsEmpty) {
  SmallLedger();
  // The range begins on the 2nd, a day without vouchers; its rows must not shift.
  const StatRange days = ScopeRange(kDayPeriod, 20260302, 20260306, {.hide_rows = false});
  const GridModel table = BuildCategoryTable(false, days);
  int food = 0;
  while (food < table.ColumnCount() && table.Column(food).title != "饮食") ++food;
  ASSERT_LT(food, table.ColumnCount());
  ASSERT_EQ(table.RowCount(), 5 + 3);
  EXPECT_EQ(table.Cell(1, kCatPeriod), "2026-03-03");
  EXPECT_EQ(table.Cell(1, food), "40.00");
  EXPECT_EQ(table.Cell(3, kCatPeriod), "2026-03-05");
  EXPECT_EQ(table.Cell(3, food), "45.00");  // 60 spent, 15 refunded
  EXPECT_EQ(table.Cell(4, food), "");
}

TEST_F(StatisticsLedgerTest, IncomeExpenseLeavesOutOpeningVouchers) {
  SmallLedger();
  const StatRange months = ScopeRange(kMonthPeriod, 20260301, 20260401, {.hide_rows = true});
  EXPECT_EQ(testing::TableText(BuildIncomeExpenseTable(months)),
            (Rows{"202603 | 2026年3月 | 5000.00 | 85.00 | 4915.00 | 4915.00",
                  "202604 | 2026年4月 | 0.00 | 800.00 | -800.00 | 4115.00 [deficit]",
                  " | 累    计 | 5000.00 | 885.00 |  |  [total]", " | 平 均 值 | 2500.00 | 442.50 |  |  [total]"}));
}

TEST_F(StatisticsLedgerTest, BalanceSheetCountsTheWholeCutOffMonth) {
  SmallLedger();
  const auto cash_of = [](int bound) { return BuildBalanceSheet(bound).table.Cell(1, kBsAmount); };
  EXPECT_EQ(cash_of(CutOffBound(2026, 2)), "0.00");
  EXPECT_EQ(cash_of(CutOffBound(2026, 3)), "5915.00");
  EXPECT_EQ(cash_of(CutOffBound(2026, 4)), "5115.00");
}

}  // namespace
}  // namespace cw
