#include "reports/statistics/category_table.h"

#include <gtest/gtest.h>

#include "reports/statistics/table_text.h"

namespace cw {
namespace {

using testing::TableText;
using Rows = std::vector<std::string>;

// Expense series count credits: spending is negative, a refund positive.
const std::vector<NamedSeries> kExpenses{
    {"饮食", {-100, 0, -300}},
    {"交通通讯", {0, 0, 0}},
    {"居家", {-100, 0, 20}},
};

TEST(CategoryTableTest, ExpenseTableShowsSpendingPositiveWithTotalAverageAndShare) {
  const StatRange range = ScopeRange(kYearPeriod, 20240101, 20260101, {.hide_rows = true, .hide_columns = false});
  const GridModel table = CategoryTable(false, range, kExpenses);
  ASSERT_EQ(table.ColumnCount(), 5);
  EXPECT_EQ(table.Column(kCatPeriod).title, "年份");
  EXPECT_EQ(table.Column(kCatFirstAccount + 1).title, "交通通讯");
  EXPECT_EQ(table.Column(kCatFirstAccount + 1).width, 80);  // 8 bytes: the floor
  EXPECT_EQ(TableText(table), (Rows{
                                  "2024 | 2024年 | 200.00 | 100.00 |  | 100.00",
                                  "2026 | 2026年 | 280.00 | 300.00 |  | -20.00",
                                  " | 累    计 | 480.00 | 400.00 | 0.00 | 80.00 [total]",
                                  " | 平 均 值 | 240.00 | 200.00 | 0.00 | 40.00 [total]",
                                  " | 百 分 比 | 100.0% | 83.3% | 0.0% | 16.7% [total]",
                              }));
}

TEST(CategoryTableTest, HideOptionsDropEmptyPeriodsAndAccounts) {
  struct Case {
    bool hide_rows, hide_columns;
    int rows, columns;
  } const cases[] = {{true, true, 5, 4}, {false, false, 6, 5}, {false, true, 6, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.hide_rows << c.hide_columns);
    const StatRange range = ScopeRange(kYearPeriod, 20240101, 20260101, {.hide_rows = c.hide_rows, .hide_columns = c.hide_columns});
    const GridModel table = CategoryTable(false, range, kExpenses);
    EXPECT_EQ(table.RowCount(), c.rows);
    EXPECT_EQ(table.ColumnCount(), c.columns);
  }
  // Three periods shown: the average divides by three.
  const StatRange all = ScopeRange(kYearPeriod, 20240101, 20260101, {.hide_rows = false});
  EXPECT_EQ(CategoryTable(false, all, kExpenses).Cell(4, kCatTotal), "160.00");
}

TEST(CategoryTableTest, IncomeDaysAndMonthsAcrossTheYearEnd) {
  const StatRange days = ScopeRange(kDayPeriod, 20261230, 20270102, {.hide_rows = false});
  const GridModel by_day = CategoryTable(true, days, {{"工资", {0, 0, 5000, 0}}});
  EXPECT_EQ(by_day.Column(kCatPeriod).title, "日期");
  EXPECT_EQ(TableText(by_day)[2], "20270101 | 2027-01-01 | 5000.00 | 5000.00");
  EXPECT_EQ(TableText(by_day)[0], "20261230 | 2026-12-30 | 0.00 | ");
  const StatRange months = ScopeRange(kMonthPeriod, 20261101, 20270201, {.hide_rows = false});
  const GridModel by_month = CategoryTable(true, months, {{"工资", {1, 2, 3, 4}}});
  EXPECT_EQ(by_month.Key(2), RowKey(202701));
  EXPECT_EQ(by_month.Cell(2, kCatPeriod), "2027年1月");
}

TEST(CategoryTableTest, ZeroAverageGivesZeroSharesEverywhere) {
  const StatRange range = ScopeRange(kMonthPeriod, 20260101, 20260201, {.hide_rows = true});
  const GridModel table = CategoryTable(true, range, {{"工资", {0, 0}}, {"奖金", {0, 0}}});
  EXPECT_EQ(TableText(table).back(), " | 百 分 比 | 0.0% | 0.0% | 0.0% [total]");
}

}  // namespace
}  // namespace cw
