#pragma once
// "收入支出表": income, expense, surplus and running surplus per period, then
// the rows "累    计" and "平 均 值".
//
// With the hide option a period whose income minus expense is zero gets no
// row, even when both are not zero; the running surplus and the averages
// count the rows shown. In year and month periods a period spending more than
// it earned is light red.
#include <utility>
#include <vector>

#include "controls/grid_model.h"
#include "reports/statistics/statistics_range.h"

namespace cw {

enum IncomeExpenseColumn { kIePeriod = 0, kIeIncome, kIeExpense, kIeSurplus, kIeRunning };

// The table of `series` (one income-expense pair per period of the range).
GridModel IncomeExpenseTable(const StatRange& range, const std::vector<std::pair<double, double>>& series);
// The same, reading the series from the ledger.
GridModel BuildIncomeExpenseTable(const StatRange& range);

}  // namespace cw
