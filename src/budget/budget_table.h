#pragma once
// The table of the everyday budgets of one category (income or expense): one
// row per budget, one column per leaf account, and with the comparison on an
// actual-data row under every budget row.
//
// Row keys: a budget row carries its budget key, an actual-data row the
// negated key. Rows stand in budget row order (month, quarter, year budgets,
// each ascending).
#include "budget/budget_key.h"
#include "controls/grid_model.h"

namespace cw {

inline constexpr Rgb kActualRowBackground{215, 229, 250};
inline constexpr Rgb kMissedPlanText{255, 0, 0};

// Columns before the account columns.
enum BudgetColumn { kBudgetTypeColumn = 0, kBudgetPeriodColumn = 1, kBudgetTotalColumn = 2, kFirstAccountColumn = 3 };

GridModel BuildBudgetTable(int category, bool compare);

// The budget key a row stands for: its own, or for an actual-data row the key
// of the budget above it. 0 for a key that is not a budget key.
int BudgetKeyOfRow(const RowKey& key);
inline bool IsActualRow(const RowKey& key) { return key.IsNumber() && key.Number() < 0; }

// Whether an actual figure misses its plan: with both sides not zero, income
// short of its budget or spending above it (beyond 0.0000001).
bool MissesPlan(int category, double budget, double actual);

}  // namespace cw
