#pragma once
// "收入分类表" and "支出分类表": per period the total and one column per
// account of the category, then the rows "累    计", "平 均 值" and "百 分 比".
//
// Accounts stand in the reverse of code order, as the category series gives
// them. Expense tables show spending positive. Zero cells stay empty. With
// "隐藏总额为0的行" a period in which every account is zero gets no row; with
// "隐藏金额都为0的列" an account that is zero in every period gets no column.
#include <string>
#include <vector>

#include "controls/grid_model.h"
#include "core/balances.h"
#include "reports/statistics/statistics_range.h"

namespace cw {

enum CategoryColumn { kCatPeriod = 0, kCatTotal = 1, kCatFirstAccount = 2 };

struct NamedSeries {
  std::string name;
  std::vector<double> values;  // credits - debits per period of the range
};

// The table of `accounts` (one value per period of the range, as the series counts them).
GridModel CategoryTable(bool income, const StatRange& range, const std::vector<NamedSeries>& accounts);
// The same, reading the series and the names from the ledger.
GridModel BuildCategoryTable(bool income, const StatRange& range);

// The category series of the range's periods, the accounts named from the chart.
std::vector<NamedSeries> CategoryRangeSeries(bool income, const StatRange& range);

}  // namespace cw
