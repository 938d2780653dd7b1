#include "reports/statistics/income_expense_table.h"

#include <gtest/gtest.h>

#include "reports/statistics/table_text.h"

namespace cw {
namespace {

using testing::TableText;
using Rows = std::vector<std::string>;

StatRange Months(int from, int to, bool hide_rows) {
  return ScopeRange(kMonthPeriod, from, to, StatRange{.hide_rows = hide_rows});
}

TEST(IncomeExpenseTableTest, RowsRunningSurplusTotalsAndDeficits) {
  // Four months: a deficit, a month whose income equals its expense, an empty month, a surplus.
  const std::vector<std::pair<double, double>> series{{100, 250}, {80, 80}, {0, 0}, {500, 100}};
  EXPECT_EQ(TableText(IncomeExpenseTable(Months(20261101, 20270201, true), series)),
            (Rows{"202611 | 2026年11月 | 100.00 | 250.00 | -150.00 | -150.00 [deficit]",
                  "202702 | 2027年2月 | 500.00 | 100.00 | 400.00 | 250.00",
                  " | 累    计 | 600.00 | 350.00 |  |  [total]",
                  " | 平 均 值 | 300.00 | 175.00 |  |  [total]"}));
  // Shown rows count in the averages: all four rows lower them.
  const GridModel all = IncomeExpenseTable(Months(20261101, 20270201, false), series);
  ASSERT_EQ(all.RowCount(), 6);
  EXPECT_EQ(all.Cell(1, kIeRunning), "-150.00");
  EXPECT_EQ(all.Cell(5, kIeIncome), "170.00");
  EXPECT_EQ(all.Cell(5, kIeExpense), "107.50");
}

TEST(IncomeExpenseTableTest, PeriodLabelsAndNoDeficitColourForDays) {
  const StatRange years = ScopeRange(kYearPeriod, 20240101, 20260101, {.hide_rows = false});
  const GridModel by_year = IncomeExpenseTable(years, {{1, 2}, {3, 4}, {5, 6}});
  EXPECT_EQ(by_year.Cell(2, kIePeriod), "2026年");
  EXPECT_EQ(by_year.Key(2), RowKey(2026));
  const StatRange days = ScopeRange(kDayPeriod, 20260227, 20260301, {.hide_rows = false});
  const GridModel by_day = IncomeExpenseTable(days, {{0, 10}, {0, 0}, {0, 0}});
  ASSERT_EQ(by_day.RowCount(), 5);
  EXPECT_EQ(by_day.Cell(2, kIePeriod), "2026年3月1日");
  EXPECT_EQ(by_day.Key(2), RowKey(20260301));
  EXPECT_EQ(RowClassOf(by_day.Row(0)), StatRowClass::kPlain);
}

TEST(IncomeExpenseTableTest, NothingShownAveragesToZero) {
  EXPECT_EQ(TableText(IncomeExpenseTable(Months(20260101, 20260301, true), {{0, 0}, {0, 0}, {0, 0}})),
            (Rows{" | 累    计 | 0.00 | 0.00 |  |  [total]", " | 平 均 值 | 0.00 | 0.00 |  |  [total]"}));
}

}  // namespace
}  // namespace cw
