#include "bench/statistics_bench.h"

#include "bench/bench_support.h"
#include "reports/statistics/balance_sheet.h"
#include "reports/statistics/category_table.h"
#include "reports/statistics/income_expense_table.h"

namespace cw::bench {
namespace {

constexpr int kRuns = 3;

void TimeTables(const StatRange& range, const std::string& span) {
  int rows = 0;
  Timing t = MedianTiming(kRuns, [&] { rows = BuildIncomeExpenseTable(range).RowCount(); });
  Line("(s) 收入支出表, " + span + ", " + std::to_string(rows) + " rows", Ms(t), "aim <= 30 ms");
  for (bool income : {true, false}) {
    int columns = 0;
    t = MedianTiming(kRuns, [&] { columns = BuildCategoryTable(income, range).ColumnCount(); });
    Line(std::string("(s) ") + (income ? "收入分类表" : "支出分类表") + ", " + span + ", " + std::to_string(columns) +
             " columns",
         Ms(t), "aim <= 30 ms");
  }
}

}  // namespace

void TimeStatistics(int first_year, int years) {
  const int last_year = first_year + years - 1;
  const StatRange all{.hide_rows = false};
  TimeTables(ScopeRange(kMonthPeriod, first_year * 10000 + 101, last_year * 10000 + 1201, all),
             std::to_string(years) + " years by month");
  TimeTables(ScopeRange(kDayPeriod, last_year * 10000 + 101, last_year * 10000 + 1231, all), "one year by day");
  int rows = 0;
  Timing t = MedianTiming(kRuns, [&] { rows = BuildBalanceSheet(CutOffBound(last_year, 12)).table.RowCount(); });
  Line("(s) 财产负债表 at the last month, " + std::to_string(rows) + " rows", Ms(t), "aim <= 30 ms");
}

void TimeCliStatistics(const std::string& home, int first_year, int years) {
  const std::string args = "stats income-expense --period month --from " + std::to_string(first_year) + "-01 --to " +
                           std::to_string(first_year + years - 1) + "-12";
  std::vector<double> wall, cpu;
  for (int i = 0; i < kRuns; ++i) {
    const double children_before = ChildrenCpuSeconds();
    Stopwatch watch;
    if (RunCli(home, args) != 0) {
      Line("coinwright-cli " + args, "failed");
      return;
    }
    wall.push_back(watch.Seconds());
    cpu.push_back(ChildrenCpuSeconds() - children_before);
  }
  Line("coinwright-cli stats income-expense, " + std::to_string(years) + " years by month",
       Ms({Percentile(wall, 0.5), Percentile(cpu, 0.5)}), "aim <= 150 ms");
}

}  // namespace cw::bench
