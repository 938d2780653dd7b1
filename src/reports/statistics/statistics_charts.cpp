#include "reports/statistics/statistics_charts.h"

#include <cstdlib>

#include "base/gbk_text.h"
#include "reports/statistics/category_table.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/statistics/statistics_rows.h"

namespace cw {
namespace {

constexpr Rgb kIncomeColour{255, 128, 128};
constexpr Rgb kExpenseColour{96, 255, 96};

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// The period rows: those keyed by a period (the total rows have no key).
std::vector<int> PeriodRows(const GridModel& table) {
  std::vector<int> rows;
  for (int r = 0; r < table.RowCount(); ++r)
    if (table.Key(r).IsNumber()) rows.push_back(r);
  return rows;
}

ChartData PeriodChart(const GridModel& table, std::string title, std::vector<std::pair<int, ChartSeries>> columns) {
  ChartData data;
  data.title = std::move(title);
  data.x_title = "(日期)";
  data.y_title = "(金额)";
  for (auto& [column, series] : columns) {
    for (int r : PeriodRows(table)) series.values.push_back(Number(table.Cell(r, column)));
    data.series.push_back(std::move(series));
  }
  for (int r : PeriodRows(table)) {
    data.labels.push_back(ChartLabel(static_cast<long long>(table.Key(r).Number())));
  }
  return data;
}

}  // namespace

std::string ChartLabel(long long key) {
  const int k = static_cast<int>(key);
  if (key < 10000) return StrFormat("%d", k);
  if (key < 1000000) return StrFormat("%d.%d", k / 100, k % 100);
  return StrFormat("%d.%d.%d", k / 10000, k / 100 % 100, k % 100);
}

ChartData IncomeExpenseChart(const GridModel& table) {
  return PeriodChart(table, "收入支出图",
                     {{kIeIncome, {"收入", kIncomeColour, {}}}, {kIeExpense, {"支出", kExpenseColour, {}}}});
}

ChartData SurplusCurve(const GridModel& table) {
  ChartData data = PeriodChart(table, "盈余曲线图", {{kIeSurplus, {"盈余", kIncomeColour, {}}}});
  data.x_title = "日期";
  data.y_title = "金额";
  return data;
}

ChartData CategoryCurve(const GridModel& table, bool income) {
  const char* name = income ? "收入" : "支出";
  return PeriodChart(table, income ? "收入曲线图" : "支出曲线图", {{kCatTotal, {name, kIncomeColour, {}}}});
}

std::vector<PieChart> RowPies(const GridModel& table, int row) {
  const bool percentages = row == table.RowCount() - 1;
  std::vector<PieItem> items;
  for (int c = kCatFirstAccount; c < table.ColumnCount(); ++c) {
    const std::string& cell = table.Cell(row, c);
    double value = Number(cell);
    if (cell.empty() || IsZeroAmount(value)) continue;
    if (cell.ends_with('%')) value /= 100;
    items.push_back({table.Column(c).title, value});
  }
  const std::string label = table.Cell(row, kCatPeriod);
  SplitPies split = SplitBySign(items);
  std::vector<PieChart> pies{{label, std::move(split.positive), percentages}};
  if (!split.negative.empty()) pies.push_back({label + "（负值）", std::move(split.negative), percentages});
  return pies;
}

std::string RowPieTitle(bool income) { return income ? "收入分类图" : "支出分类图"; }

}  // namespace cw
