// The budget table: row order and keys, actual sums per month, quarter and
// year, and the red cells of the comparison.
#include <gtest/gtest.h>

#include "budget/budget_store.h"
#include "budget/budget_table.h"
#include "budget_fixture.h"

namespace cw {
namespace {

using testing::BudgetTest;

class BudgetTableTest : public BudgetTest {
 protected:
  // The cells of a row from the type column on, as "type|period|total|601|602...".
  static std::string Cells(const GridModel& table, int row) {
    std::string text;
    for (int c = 0; c < table.ColumnCount(); ++c) text += (c ? "|" : "") + table.Cell(row, c);
    return text;
  }
  static int Column(const GridModel& table, const std::string& title) {
    for (int c = 0; c < table.ColumnCount(); ++c)
      if (table.Column(c).title == title) return c;
    return -1;
  }
};

TEST_F(BudgetTableTest, RowsInBudgetOrderWithActualsPerPeriod) {
  // Spending on food (601): 120 in March, 30 in February, 500 in May; an
  // opening voucher never counts.
  Book("2026-02-10", 3, "601", "101", 30);
  Book("2026-03-05", 3, "601", "101", 100);
  Book("2026-03-25", 3, "601", "101", 20);
  Book("2026-05-01", 3, "601", "101", 500);
  Book("2026-03-01", 3, "602", "101", 40);
  Book("2026-01-01", 1, "101", "502", 9999);
  ASSERT_TRUE(WriteBudget(kBudgetExpense, 0, YearBudgetKey(2026), {{"601", 1000}}));
  ASSERT_TRUE(WriteBudget(kBudgetExpense, 0, QuarterBudgetKey(2026, 1), {{"601", 200}}));
  ASSERT_TRUE(WriteBudget(kBudgetExpense, 0, MonthBudgetKey(2026, 3), {{"601", 100}, {"602", 50}}));

  const GridModel plain = BuildBudgetTable(kBudgetExpense, false);
  ASSERT_EQ(3, plain.RowCount());
  EXPECT_EQ(RowKey(202603), plain.Key(0));
  EXPECT_EQ(RowKey(202651), plain.Key(1));
  EXPECT_EQ(RowKey(202661), plain.Key(2));

  const GridModel table = BuildBudgetTable(kBudgetExpense, true);
  ASSERT_EQ(6, table.RowCount());
  const int food = Column(table, "饮食"), home = Column(table, "居家");
  // The expense leaves in code order: 银行手续费, 信用卡利息, 饮食 ...
  ASSERT_EQ(kFirstAccountColumn + 2, food);
  EXPECT_EQ("月份预算", table.Cell(0, kBudgetTypeColumn));
  EXPECT_EQ("150.00", table.Cell(0, kBudgetTotalColumn));
  EXPECT_EQ("100.00", table.Cell(0, food));
  EXPECT_EQ("", table.Cell(0, Column(table, "衣着")));

  EXPECT_EQ(RowKey(-202603), table.Key(1));
  EXPECT_EQ("实际数据", table.Cell(1, kBudgetTypeColumn));
  EXPECT_EQ("2026年03月", table.Cell(1, kBudgetPeriodColumn));
  EXPECT_EQ("160.00", table.Cell(1, kBudgetTotalColumn));
  EXPECT_EQ("120.00", table.Cell(1, food));
  EXPECT_EQ("40.00", table.Cell(1, home));
  EXPECT_EQ(kActualRowBackground, table.Row(1).background);
  EXPECT_EQ(202603, BudgetKeyOfRow(table.Key(1)));
  EXPECT_TRUE(IsActualRow(table.Key(1)));
  EXPECT_FALSE(IsActualRow(table.Key(0)));

  EXPECT_EQ("150.00", table.Cell(3, food));   // January to March
  EXPECT_EQ("650.00", table.Cell(5, food));   // the whole year
  EXPECT_EQ("690.00", table.Cell(5, kBudgetTotalColumn));
}

TEST_F(BudgetTableTest, RedWhereSpendingExceedsOrIncomeFallsShort) {
  Book("2026-03-05", 3, "601", "101", 120);  // above 100: red
  Book("2026-03-05", 3, "602", "101", 50);   // below 80: not red
  Book("2026-03-05", 3, "604", "101", 70);   // nothing planned: never red
  ASSERT_TRUE(WriteBudget(kBudgetExpense, 0, MonthBudgetKey(2026, 3), {{"601", 100}, {"602", 80}, {"605", 10}}));
  const GridModel spending = BuildBudgetTable(kBudgetExpense, true);
  const GridRow& actual = spending.Row(1);
  auto red = [&](const GridRow& row, int column) {
    return column < static_cast<int>(row.text_colours.size()) && row.text_colours[column] == kMissedPlanText;
  };
  EXPECT_TRUE(red(actual, Column(spending, "饮食")));
  EXPECT_FALSE(red(actual, Column(spending, "居家")));
  EXPECT_FALSE(red(actual, Column(spending, "衣着")));
  EXPECT_FALSE(red(actual, Column(spending, "医疗保健")));  // planned, nothing spent
  EXPECT_TRUE(red(actual, kBudgetTotalColumn));             // 240 against 190

  Book("2026-04-05", 2, "501", "102", 80);
  ASSERT_TRUE(WriteBudget(kBudgetIncome, 0, MonthBudgetKey(2026, 4), {{"501", 100}}));
  const GridModel income = BuildBudgetTable(kBudgetIncome, true);
  EXPECT_TRUE(red(income.Row(1), Column(income, "工作收入")));
}

TEST(BudgetRuleTest, MissesPlanWithZerosNeverRed) {
  struct Case {
    int category;
    double budget, actual;
    bool red;
  } const cases[] = {
      {kBudgetExpense, 100, 120, true},  {kBudgetExpense, 100, 100, false},
      {kBudgetExpense, 100, 80, false},  {kBudgetIncome, 100, 80, true},
      {kBudgetIncome, 100, 120, false},  {kBudgetIncome, 100, 100.00000001, false},
      {kBudgetExpense, 0, 120, false},   {kBudgetIncome, 100, 0, false},
      {kBudgetExpense, 100, 100.0000002, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.red, MissesPlan(c.category, c.budget, c.actual)) << c.category << " " << c.budget << " " << c.actual;
  }
}

TEST_F(BudgetTableTest, PeriodWithoutVouchersShowsOnlyTheTotal) {
  ASSERT_TRUE(WriteBudget(kBudgetIncome, 0, YearBudgetKey(2030), {{"501", 5000}}));
  const GridModel table = BuildBudgetTable(kBudgetIncome, true);
  ASSERT_EQ(2, table.RowCount());
  EXPECT_EQ("实际数据|2030年|0.00", Cells(table, 1).substr(0, std::string("实际数据|2030年|0.00").size()));
  for (int c = kFirstAccountColumn; c < table.ColumnCount(); ++c) EXPECT_EQ("", table.Cell(1, c));
}

TEST_F(BudgetTableTest, AccountColumnsFollowTheChart) {
  const GridModel table = BuildBudgetTable(kBudgetIncome, false);
  // 工作收入, 初始收入, 理财收入, 其他收入: the leaf income accounts in code order.
  ASSERT_EQ(kFirstAccountColumn + 4, table.ColumnCount());
  EXPECT_EQ("工作收入", table.Column(kFirstAccountColumn).title);
  EXPECT_EQ(80, table.Column(kFirstAccountColumn).width);
  EXPECT_EQ(Align::Right, table.Column(kBudgetTotalColumn).align);
}

}  // namespace
}  // namespace cw
