#pragma once
// The charts of the statistics tables, read back from the tables themselves so
// that a chart always shows what its table shows.
#include <string>
#include <vector>

#include "controls/charts/chart_data.h"
#include "controls/charts/pie_geometry.h"
#include "controls/grid_model.h"

namespace cw {

// "收入支出图": per period row "收入" and "支出" bars; x labels "%d.%d.%d",
// "%d.%d" or the year.
ChartData IncomeExpenseChart(const GridModel& table);
// "盈余曲线图": the "盈余" column over the period rows.
ChartData SurplusCurve(const GridModel& table);
// "收入曲线图" / "支出曲线图": the "总额" column of a classification table.
ChartData CategoryCurve(const GridModel& table, bool income);

// The pies of one classification row: the accounts' positive values in the
// first pie, the negative ones (as magnitudes) in a second pie that exists
// only when there are any. A cell ending in "%" is a share (divided by 100),
// and the slices are marked as percentages on the "百 分 比" row.
std::vector<PieChart> RowPies(const GridModel& table, int row);
// The pie dialog's title: "收入分类图" or "支出分类图".
std::string RowPieTitle(bool income);

// The x label of a period key: a day "%d.%d.%d", a month "%d.%d", a year "%d".
std::string ChartLabel(long long key);

}  // namespace cw
