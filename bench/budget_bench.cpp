#include "bench/budget_bench.h"

#include <algorithm>
#include <string>

#include "bench/bench_support.h"
#include "budget/budget_key.h"
#include "budget/budget_store.h"
#include "budget/budget_table.h"
#include "budget/projection.h"
#include "budget/property_items.h"
#include "calendar/calendar.h"
#include "store/database.h"

namespace cw::bench {
namespace {

constexpr int kBudgetYears = 20;
constexpr int kRuns = 5;
constexpr int kItems = 30;
constexpr int kProjectionYears = 50;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "cw_bench: %s\n", what.c_str());
  std::exit(1);
}

void WriteMonthBudgets(int first_year, int last_year) {
  const std::vector<BudgetAccount> accounts = BudgetAccounts(kBudgetExpense);
  Transaction transaction;
  for (int year = first_year; year <= last_year; ++year) {
    for (int month = 1; month <= 12; ++month) {
      std::vector<BudgetLine> lines;
      for (std::size_t i = 0; i < accounts.size(); ++i) lines.push_back({accounts[i].code, 100.0 + 10 * i});
      if (!WriteBudget(kBudgetExpense, 0, MonthBudgetKey(year, month), lines)) Fail("a budget was not written");
    }
  }
  if (!transaction.Commit()) Fail("the budgets were not written");
}

// Ten salaries with yearly rises, ten shares of the income, five quarterly and
// yearly amounts, five inflation rates.
void WriteItems() {
  for (int i = 0; i < kItems; ++i) {
    PropertyItem item;
    item.content = "项目" + std::to_string(i);
    if (i < 10) {
      item.cash = 3000 + 100 * i;
      item.increase = 0.03;
      item.increase_type = kIncreasePercent;
      item.increase_frequency = kFrequencyYearly;
    } else if (i < 20) {
      item.type = kItemSpending;
      item.cash_type = kCashShareOfIncome;
      item.cash = 0.02 + 0.001 * i;
    } else if (i < 25) {
      item.type = i % 2 ? kItemIncome : kItemSpending;
      item.cash_frequency = i % 2 ? kFrequencyQuarterly : kFrequencyYearly;
      item.cash = 5000;
      item.start_date = SerialDay(2020, 1 + i % 12, 1);
    } else {
      item.type = kItemInflation;
      item.cash_type = kCashYearOnYear;
      item.cash_frequency = i % 2 ? kFrequencyMonthly : kFrequencyYearly;
      item.cash = 0.02 + 0.002 * i;
    }
    if (AddPropertyItem(item) == 0) Fail("an item was not written");
  }
}

}  // namespace

void TimeBudgets(int first_year, int years) {
  const int last_year = first_year + years - 1;
  WriteMonthBudgets(std::max(first_year, last_year - kBudgetYears + 1), last_year);
  int rows = 0;
  Timing t = MedianTiming(kRuns, [&] { rows = BuildBudgetTable(kBudgetExpense, true).RowCount(); });
  Line("(e) budget table with comparison, " + std::to_string(rows / 2) + " month budgets", Ms(t), "aim < 50 ms");

  WriteItems();
  const int today = Today();
  const int end = (DateOfSerialDay(today).year + kProjectionYears) * 100 + 12;
  std::size_t months = 0;
  t = MedianTiming(kRuns, [&] {
    const Projection projection = Project(ReadProjectionInput(today, end));
    months = projection.months.size();
    ProjectionTable(projection, true);
  });
  Line("(e) projection " + std::to_string(kProjectionYears) + " years ahead, " + std::to_string(kItems) + " items, " +
           std::to_string(months) + " months (detail table)",
       Ms(t), "aim < 50 ms");
}

}  // namespace cw::bench
