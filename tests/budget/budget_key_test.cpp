// Budget keys: kinds, texts, the months a budget plans, row order and the
// periods the command line accepts.
#include <gtest/gtest.h>

#include <algorithm>

#include "budget/budget_key.h"

namespace cw {
namespace {

TEST(BudgetKeyTest, KindTextsAndMonths) {
  struct Case {
    int key;
    const char* type;
    const char* period;
    int first, last;
  } const cases[] = {
      {MonthBudgetKey(2026, 3), "月份预算", "2026年03月", 202603, 202603},
      {MonthBudgetKey(2026, 12), "月份预算", "2026年12月", 202612, 202612},
      {QuarterBudgetKey(2026, 1), "季度预算", "2026年第1季度", 202601, 202603},
      {QuarterBudgetKey(2026, 4), "季度预算", "2026年第4季度", 202610, 202612},
      {YearBudgetKey(2026), "年度预算", "2026年", 202601, 202612},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(c.type, BudgetTypeText(c.key));
    EXPECT_EQ(c.period, BudgetPeriodText(c.key));
    EXPECT_EQ(c.first, MonthsOfBudgetKey(c.key).first);
    EXPECT_EQ(c.last, MonthsOfBudgetKey(c.key).last);
  }
  EXPECT_EQ(202654, QuarterBudgetKey(2026, 4));
  EXPECT_EQ(202661, YearBudgetKey(2026));
}

TEST(BudgetKeyTest, RowsGoMonthsThenQuartersThenYears) {
  std::vector<int> keys = {202761, 202652, 202701, 202661, 202612, 202751, 202603};
  std::sort(keys.begin(), keys.end(), BudgetKeyBefore);
  EXPECT_EQ((std::vector<int>{202603, 202612, 202701, 202652, 202751, 202661, 202761}), keys);
}

TEST(BudgetKeyTest, PeriodsOfTheCommandLine) {
  EXPECT_EQ(202603, ParseBudgetPeriod(BudgetKind::kMonth, "2026-03"));
  EXPECT_EQ(202653, ParseBudgetPeriod(BudgetKind::kQuarter, "2026-3"));
  EXPECT_EQ(202661, ParseBudgetPeriod(BudgetKind::kYear, "2026"));
  for (auto [kind, text] : {std::pair{BudgetKind::kMonth, "2026-13"}, {BudgetKind::kMonth, "2026-3"},
                            {BudgetKind::kQuarter, "2026-5"}, {BudgetKind::kQuarter, "2026-03"},
                            {BudgetKind::kYear, "1899"}, {BudgetKind::kYear, "26"}, {BudgetKind::kMonth, "2026-0a"}}) {
    EXPECT_FALSE(ParseBudgetPeriod(kind, text)) << text;
  }
}

}  // namespace
}  // namespace cw
