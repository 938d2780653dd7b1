#pragma once
// What the budget dialog edits, without its widgets: the grid of amounts
// (one row per leaf account of the category, keyed by the account code) and
// the budget key its period inputs make.
#include <string>
#include <vector>

#include "budget/budget_key.h"
#include "budget/budget_store.h"
#include "controls/grid_model.h"

namespace cw {

enum BudgetFormColumn { kFormAccountColumn = 0, kFormAmountColumn = 1 };

// "科目" (120) and "预算金额" (120, right-aligned); every leaf account of the
// category in code order with its amount from `lines`, "0.00" where none.
GridModel BudgetAmountGrid(int category, const std::vector<BudgetLine>& lines);
// The amounts of the grid, one per row.
std::vector<BudgetLine> AmountsOfGrid(const GridModel& grid);
// Whether a typed amount may stand in the grid: a finite decimal number or
// nothing (read as 0). Returns the text to store ("%.2f") or empty when refused.
std::string AcceptedAmount(const std::string& text);

// The key of the inputs: the month picker's yyyymm for a month budget, the
// year field and the quarter list (index 0 for "第一季度") for a quarter
// budget, the year for a year budget.
int FormBudgetKey(BudgetKind kind, int yyyymm, int year, int quarter_index);

}  // namespace cw
