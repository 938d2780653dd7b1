#include "budget/budget_table.h"

#include <algorithm>
#include <map>

#include "base/gbk_text.h"
#include "budget/budget_actuals.h"
#include "budget/budget_store.h"
#include "budget/budget_texts.h"
#include "store/read_watch.h"

namespace cw {
namespace {

constexpr int kBytePixels = 8;
constexpr int kMinAccountWidth = 80;

std::vector<GridColumn> Columns(const std::vector<BudgetAccount>& accounts) {
  std::vector<GridColumn> columns = {
      {"预算类型", 100, Align::Centre},
      {"日期范围", 100, Align::Centre},
      {"总额", 80, Align::Right, true, SortKind::Number},
  };
  for (const BudgetAccount& account : accounts) {
    const int width = std::max(kMinAccountWidth, static_cast<int>(GbkLength(account.name)) * kBytePixels);
    columns.push_back({account.name, width, Align::Right, true, SortKind::Number});
  }
  return columns;
}

std::string Amount(double value) { return StrFormat("%.2f", value); }

// The planned amount of every column of a budget row (0 where none is planned).
std::vector<double> PlannedValues(const Budget& budget, const std::map<std::string, int>& column_of, int columns) {
  std::vector<double> values(columns, 0.0);
  for (const BudgetLine& line : budget.lines) {
    values[kBudgetTotalColumn] += line.cash;
    if (auto it = column_of.find(line.item); it != column_of.end()) values[it->second] = line.cash;
  }
  return values;
}

GridRow BudgetRow(const Budget& budget, const std::vector<double>& planned, const std::map<std::string, int>& column_of) {
  GridRow row{budget.key, std::vector<std::string>(planned.size())};
  row.cells[kBudgetTypeColumn] = BudgetTypeText(budget.key);
  row.cells[kBudgetPeriodColumn] = BudgetPeriodText(budget.key);
  row.cells[kBudgetTotalColumn] = Amount(planned[kBudgetTotalColumn]);
  for (const BudgetLine& line : budget.lines) {
    if (auto it = column_of.find(line.item); it != column_of.end()) row.cells[it->second] = Amount(line.cash);
  }
  return row;
}

GridRow ActualRow(int category, const Budget& budget, const std::vector<double>& planned,
                  const std::vector<BudgetAccount>& accounts, const BudgetActuals& actuals) {
  const BudgetMonths months = MonthsOfBudgetKey(budget.key);
  GridRow row{-budget.key, std::vector<std::string>(planned.size())};
  row.background = kActualRowBackground;
  row.text_colours.resize(planned.size());
  row.cells[kBudgetTypeColumn] = "实际数据";
  row.cells[kBudgetPeriodColumn] = BudgetPeriodText(budget.key);
  auto put = [&](int column, double actual, bool always) {
    if (always || !IsZeroAmount(actual)) row.cells[column] = Amount(actual);
    if (MissesPlan(category, planned[column], actual)) row.text_colours[column] = kMissedPlanText;
  };
  put(kBudgetTotalColumn, actuals.Total(months), true);
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    put(kFirstAccountColumn + static_cast<int>(i), actuals.Amount(accounts[i].code, months), false);
  }
  return row;
}

}  // namespace

bool MissesPlan(int category, double budget, double actual) {
  if (IsZeroAmount(budget) || IsZeroAmount(actual)) return false;
  return category == kBudgetIncome ? actual < budget - kAmountTolerance : actual > budget + kAmountTolerance;
}

int BudgetKeyOfRow(const RowKey& key) {
  if (!key.IsNumber()) return 0;
  return static_cast<int>(std::abs(key.Number()));
}

static GridModel ReadBudgetTable(int category, bool compare) {
  const std::vector<BudgetAccount> accounts = BudgetAccounts(category);
  std::map<std::string, int> column_of;
  for (std::size_t i = 0; i < accounts.size(); ++i) column_of[accounts[i].code] = kFirstAccountColumn + static_cast<int>(i);

  std::vector<Budget> budgets = ReadBudgets(category);
  std::stable_sort(budgets.begin(), budgets.end(),
                   [](const Budget& a, const Budget& b) { return BudgetKeyBefore(a.key, b.key); });

  BudgetActuals actuals;
  if (compare && !budgets.empty()) {
    int first = MonthsOfBudgetKey(budgets.front().key).first, last = first;
    for (const Budget& budget : budgets) {
      first = std::min(first, MonthsOfBudgetKey(budget.key).first);
      last = std::max(last, MonthsOfBudgetKey(budget.key).last);
    }
    actuals = BudgetActuals::Read(category, first, last);
  }

  GridModel table;
  table.SetColumns(Columns(accounts));
  for (const Budget& budget : budgets) {
    const std::vector<double> planned = PlannedValues(budget, column_of, table.ColumnCount());
    table.AddRow(BudgetRow(budget, planned, column_of));
    if (compare) table.AddRow(ActualRow(category, budget, planned, accounts, actuals));
  }
  return table;
}

// Budgets or actual figures read only in part would compare wrongly: none are shown then.
GridModel BuildBudgetTable(int category, bool compare) {
  ReadWatch reads;
  GridModel table = ReadBudgetTable(category, compare);
  if (reads.ReportIfFailed()) table.DeleteAllRows();
  return table;
}

}  // namespace cw
