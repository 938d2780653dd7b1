#include "budget/budget_form.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "base/gbk_text.h"

namespace cw {

GridModel BudgetAmountGrid(int category, const std::vector<BudgetLine>& lines) {
  GridModel grid;
  grid.SetColumns({{"科目", 120}, {"预算金额", 120, Align::Right, true, SortKind::Number}});
  for (const BudgetAccount& account : BudgetAccounts(category)) {
    double cash = 0;
    for (const BudgetLine& line : lines)
      if (line.item == account.code) cash = line.cash;
    grid.AddRow({account.code, {account.name, StrFormat("%.2f", cash)}});
  }
  return grid;
}

std::vector<BudgetLine> AmountsOfGrid(const GridModel& grid) {
  std::vector<BudgetLine> amounts;
  for (int r = 0; r < grid.RowCount(); ++r) {
    amounts.push_back({grid.Key(r).Text(), std::strtod(grid.Cell(r, kFormAmountColumn).c_str(), nullptr)});
  }
  return amounts;
}

std::string AcceptedAmount(const std::string& text) {
  if (text.empty()) return "0.00";
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) return {};
  return StrFormat("%.2f", value);
}

int FormBudgetKey(BudgetKind kind, int yyyymm, int year, int quarter_index) {
  switch (kind) {
    case BudgetKind::kMonth: return MonthBudgetKey(yyyymm / 100, yyyymm % 100);
    case BudgetKind::kQuarter: return QuarterBudgetKey(year, quarter_index + 1);
    case BudgetKind::kYear: return YearBudgetKey(year);
  }
  return 0;
}

}  // namespace cw
