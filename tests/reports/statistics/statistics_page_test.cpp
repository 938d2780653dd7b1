#include "reports/statistics/statistics_page.h"

#include <gtest/gtest.h>

#include "base/scripted_prompter.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/statistics/statistics_commands.h"

namespace cw {
namespace {

TEST(StatisticsPageTest, RangeResetsForAnotherTableUnlessPendingOrReplayed) {
  StatisticsPage page(20260817);
  ASSERT_TRUE(page.Show(kIncomeExpenseTable, false, nullptr));
  EXPECT_EQ(page.Range(), DefaultStatRange(20260817));
  EXPECT_FALSE(page.Show(kIncomeExpenseTable, false, nullptr));  // shown already

  // A drill-down: the same table again over the pending range.
  page.SetHideRows(false);
  page.SetPending(*DrillInto(2025, page.Range())->range);
  ASSERT_TRUE(page.Show(kIncomeExpenseTable, false, nullptr));
  EXPECT_EQ(page.Range().start_date, 20250101);
  EXPECT_FALSE(page.Range().hide_rows);
  const std::vector<int> state = page.State();
  ASSERT_EQ(state.size(), 7u);

  // Another table starts over from January, keeping the options.
  ASSERT_TRUE(page.Show(kExpenseCategoryTable, false, nullptr));
  EXPECT_EQ(page.PreviousCommand(), kIncomeExpenseTable);
  EXPECT_EQ(page.Range().start_date, 20260101);
  EXPECT_FALSE(page.Range().hide_rows);
  // Forced again, the same table keeps its range; a replayed state restores one.
  page.SetPending(ScopeRange(kYearPeriod, 20200101, 20230101, page.Range()));
  page.Show(kExpenseCategoryTable, false, nullptr);
  ASSERT_TRUE(page.Show(kExpenseCategoryTable, true, nullptr));
  EXPECT_EQ(page.Range().period, kYearPeriod);
  ASSERT_TRUE(page.Show(kIncomeExpenseTable, false, &state));
  EXPECT_EQ(page.State(), state);

  // The balance sheet keeps its cut-off apart from the range.
  ASSERT_TRUE(page.Show(kBalanceSheetTable, false, nullptr));
  EXPECT_EQ(page.State(), std::vector<int>{202608999});
  const std::vector<int> earlier{202512999};
  page.Show(kBalanceSheetTable, true, &earlier);
  EXPECT_EQ(page.CutOff(), 202512999);
}

TEST(StatisticsCommandsTest, DrillAndPieNeedADataRow) {
  const StatRange months = ScopeRange(kMonthPeriod, 20260101, 20260201, {.hide_rows = false});
  GridModel table = IncomeExpenseTable(months, {{1, 0}, {2, 0}});
  ScriptedPrompter prompter;
  EXPECT_FALSE(DrillSelected(table, months, prompter));
  EXPECT_FALSE(PieRow(table, prompter));
  table.SelectRow(2);  // "累    计"
  EXPECT_FALSE(DrillSelected(table, months, prompter));
  ASSERT_EQ(prompter.shown.size(), 3u);
  EXPECT_EQ(prompter.shown[0].text, kChooseRowFirst);
  EXPECT_EQ(prompter.shown[1].text, kChooseRowFirst);
  EXPECT_EQ(prompter.shown[2].text, kTotalRowChosen);
  EXPECT_EQ(prompter.shown[2].caption, "操作错误");
  EXPECT_EQ(PieRow(table, prompter), 2);
  table.SelectRow(1);
  const auto target = DrillSelected(table, months, prompter);
  ASSERT_TRUE(target && target->range);
  EXPECT_EQ(target->range->period, kDayPeriod);
  EXPECT_EQ(target->range->end_date, 20260228);
  EXPECT_EQ(prompter.shown.size(), 3u);
}

}  // namespace
}  // namespace cw
