#include "reports/statistics/income_expense_table.h"

#include "core/balances.h"
#include "reports/statistics/statistics_rows.h"

namespace cw {
namespace {

constexpr char kTotalLabel[] = "累    计";
constexpr char kAverageLabel[] = "平 均 值";

std::vector<GridColumn> Columns() {
  std::vector<GridColumn> columns{{.title = "月份", .width = 120, .align = Align::Centre}};
  for (const char* title : {"收入", "支出", "盈余", "累计盈余"})
    columns.push_back({.title = title, .width = 120, .align = Align::Right, .sort = SortKind::Number});
  return columns;
}

}  // namespace

GridModel IncomeExpenseTable(const StatRange& range, const std::vector<std::pair<double, double>>& series) {
  GridModel table;
  table.SetColumns(Columns());
  const std::vector<long long> keys = PeriodKeys(range);
  double income_total = 0, expense_total = 0, running = 0;
  int shown = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const auto [income, expense] = i < series.size() ? series[i] : std::pair<double, double>{0, 0};
    const double surplus = income - expense;
    if (range.hide_rows && IsZeroAmount(surplus)) continue;
    running += surplus;
    income_total += income;
    expense_total += expense;
    ++shown;
    GridRow row{.key = keys[i],
                .cells = {PeriodLabel(keys[i]), StatAmount(income), StatAmount(expense), StatAmount(surplus),
                          StatAmount(running)}};
    if (range.period != kDayPeriod && expense - income >= 0.0000001) SetRowClass(row, StatRowClass::kDeficit);
    table.AddRow(std::move(row));
  }
  GridRow total{.cells = {kTotalLabel, StatAmount(income_total), StatAmount(expense_total)}};
  SetRowClass(total, StatRowClass::kTotal);
  table.AddRow(std::move(total));
  GridRow average{.cells = {kAverageLabel, StatAmount(shown ? income_total / shown : 0),
                            StatAmount(shown ? expense_total / shown : 0)}};
  SetRowClass(average, StatRowClass::kTotal);
  table.AddRow(std::move(average));
  return table;
}

GridModel BuildIncomeExpenseTable(const StatRange& range) {
  return IncomeExpenseTable(range, IncomeExpenseSeries(range.period, range.start_date, range.end_date, false));
}

}  // namespace cw
