#include "reports/statistics/category_table.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "core/item_cache.h"
#include "reports/statistics/statistics_rows.h"

namespace cw {
namespace {

const char* PeriodTitle(int period) {
  switch (period) {
    case kYearPeriod: return "年份";
    case kDayPeriod: return "日期";
    default: return "月份";
  }
}

bool AllZero(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return v == 0; });
}

double ValueAt(const NamedSeries& account, std::size_t period) {
  return period < account.values.size() ? account.values[period] : 0;
}

GridRow TotalsRow(const char* label, std::vector<std::string> cells) {
  cells.insert(cells.begin(), label);
  GridRow row{.cells = std::move(cells)};
  SetRowClass(row, StatRowClass::kTotal);
  return row;
}

}  // namespace

GridModel CategoryTable(bool income, const StatRange& range, const std::vector<NamedSeries>& accounts) {
  const double sign = income ? 1 : -1;
  // The accounts that get a column.
  std::vector<const NamedSeries*> shown_accounts;
  for (const NamedSeries& account : accounts)
    if (!range.hide_columns || !AllZero(account.values)) shown_accounts.push_back(&account);

  GridModel table;
  std::vector<GridColumn> columns{{.title = PeriodTitle(range.period), .width = 100, .align = Align::Centre},
                                  {.title = "总额", .width = 80, .align = Align::Right, .sort = SortKind::Number}};
  for (const NamedSeries* account : shown_accounts) {
    columns.push_back({.title = account->name,
                       .width = std::max(80, 8 * static_cast<int>(GbkLength(account->name))),
                       .align = Align::Right,
                       .sort = SortKind::Number});
  }
  table.SetColumns(std::move(columns));

  const std::vector<long long> keys = PeriodKeys(range);
  std::vector<double> sums(shown_accounts.size(), 0.0);
  int shown = 0;
  for (std::size_t p = 0; p < keys.size(); ++p) {
    const bool all_zero = std::all_of(accounts.begin(), accounts.end(),
                                      [&](const NamedSeries& a) { return IsZeroAmount(ValueAt(a, p)); });
    if (range.hide_rows && all_zero) continue;
    ++shown;
    GridRow row{.key = keys[p], .cells = {PeriodLabel(keys[p], /*iso_days=*/true), ""}};
    double total = 0;
    for (const NamedSeries& account : accounts) total += sign * ValueAt(account, p);
    row.cells[kCatTotal] = StatAmount(total);
    for (std::size_t a = 0; a < shown_accounts.size(); ++a) {
      const double value = sign * ValueAt(*shown_accounts[a], p);
      sums[a] += value;
      row.cells.push_back(IsZeroAmount(value) ? "" : StatAmount(value));
    }
    table.AddRow(std::move(row));
  }

  // Hidden columns are all zero, so the shown sums add up to the whole category.
  double grand = 0;
  for (double sum : sums) grand += sum;
  std::vector<std::string> total_cells{StatAmount(grand)}, average_cells, percent_cells;
  for (double sum : sums) total_cells.push_back(StatAmount(sum));
  auto average = [&](double sum) { return shown ? sum / shown : 0.0; };
  average_cells.push_back(StatAmount(average(grand)));
  percent_cells.push_back(StatPercent(average(grand), average(grand)));
  for (double sum : sums) {
    average_cells.push_back(StatAmount(average(sum)));
    percent_cells.push_back(StatPercent(average(sum), average(grand)));
  }
  table.AddRow(TotalsRow("累    计", std::move(total_cells)));
  table.AddRow(TotalsRow("平 均 值", std::move(average_cells)));
  table.AddRow(TotalsRow("百 分 比", std::move(percent_cells)));
  return table;
}

std::vector<NamedSeries> CategoryRangeSeries(bool income, const StatRange& range) {
  static constexpr int kSeriesKind[] = {kYear, kMonth, kDay};
  const int kind = kSeriesKind[std::clamp(range.period, 0, 2)];
  // The bounds follow from the dates, so the series' periods are the table's rows.
  const StatRange bounds = ScopeRange(range.period, range.start_date, range.end_date, range);
  DaySpan days;
  if (range.period == kDayPeriod) days = {SerialOfYmd(range.start_date), SerialOfYmd(range.end_date)};
  const CategorySeries series = CategoryAccountSeries(income, kind, bounds.start, bounds.end, days);
  CItemCache& chart = CItemCache::Instance();
  std::vector<NamedSeries> named;
  for (const AccountSeries& account : series.accounts) named.push_back({chart.NameOf(account.code), account.values});
  return named;
}

GridModel BuildCategoryTable(bool income, const StatRange& range) {
  return CategoryTable(income, range, CategoryRangeSeries(income, range));
}

}  // namespace cw
