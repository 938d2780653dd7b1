#include "reports/statistics/statistics_charts.h"

#include <gtest/gtest.h>

#include "reports/statistics/category_table.h"
#include "reports/statistics/income_expense_table.h"

namespace cw {
namespace {

TEST(StatisticsChartsTest, BarChartTakesThePeriodRowsOnly) {
  const StatRange days = ScopeRange(kDayPeriod, 20260301, 20260302, {.hide_rows = false});
  const ChartData chart = IncomeExpenseChart(IncomeExpenseTable(days, {{10, 20}, {30, 5}}));
  EXPECT_EQ(chart.title, "收入支出图");
  EXPECT_EQ(chart.labels, (std::vector<std::string>{"2026.3.1", "2026.3.2"}));
  ASSERT_EQ(chart.series.size(), 2u);
  EXPECT_EQ(chart.series[1].name, "支出");
  EXPECT_EQ(chart.series[1].values, (std::vector<double>{20, 5}));
  const ChartData surplus = SurplusCurve(IncomeExpenseTable(days, {{10, 20}, {30, 5}}));
  EXPECT_EQ(surplus.series[0].values, (std::vector<double>{-10, 25}));
  EXPECT_EQ(surplus.x_title, "日期");
  EXPECT_EQ(ChartLabel(2026), "2026");
  EXPECT_EQ(ChartLabel(202603), "2026.3");
}

TEST(StatisticsChartsTest, CurveOfTheTotalColumn) {
  const StatRange months = ScopeRange(kMonthPeriod, 20260101, 20260301, {.hide_rows = true});
  const ChartData curve = CategoryCurve(CategoryTable(false, months, {{"饮食", {-5, 0, -7}}}), false);
  EXPECT_EQ(curve.title, "支出曲线图");
  EXPECT_EQ(curve.labels, (std::vector<std::string>{"2026.1", "2026.3"}));
  EXPECT_EQ(curve.series[0].values, (std::vector<double>{5, 7}));
}

TEST(StatisticsChartsTest, RowPiesSplitNegativeValuesAndReadShares) {
  const StatRange months = ScopeRange(kMonthPeriod, 20260101, 20260101, {});
  const GridModel table = CategoryTable(false, months, {{"饮食", {-300}}, {"居家", {50}}, {"衣着", {0}}, {"教育", {-100}}});
  const std::vector<PieChart> month = RowPies(table, 0);
  ASSERT_EQ(month.size(), 2u);
  ASSERT_EQ(month[0].items.size(), 2u);
  EXPECT_EQ(month[0].items[1].name, "教育");
  EXPECT_DOUBLE_EQ(month[0].items[1].value, 100);
  EXPECT_EQ(month[1].items[0].name, "居家");
  EXPECT_DOUBLE_EQ(month[1].items[0].value, 50);
  EXPECT_FALSE(month[0].percentages);
  // The last row holds shares: values are fractions, slices are percentages.
  const std::vector<PieChart> shares = RowPies(table, table.RowCount() - 1);
  EXPECT_TRUE(shares[0].percentages);
  EXPECT_DOUBLE_EQ(shares[0].items[0].value, 0.857);  // "85.7%": 300 of 350 in all
  EXPECT_EQ(RowPieTitle(false), "支出分类图");
}

}  // namespace
}  // namespace cw
