#pragma once
// The statistics window's commands on the selected row, with their messages.
#include <optional>

#include "base/prompter.h"
#include "controls/grid_model.h"
#include "reports/statistics/statistics_range.h"

namespace cw {

inline constexpr char kChooseRowFirst[] = "请先从表格中选择一条记录，再进行操作。";  // string 565
inline constexpr char kTotalRowChosen[] = "您选择了统计行（背景色为绿色），请选择账单数据行。";  // string 619
inline constexpr char kOperationErrorCaption[] = "操作错误";                            // string 552

// Drill-down (command 715, double-click): message 565 without a selected row,
// 619 on a row without a period key (a total row); otherwise the target
// (options kept from `range`).
std::optional<DrillTarget> DrillSelected(const GridModel& table, const StatRange& range, Prompter& prompter);

// The row of the pie dialog (command 720): the selected row, message 565 without one.
std::optional<int> PieRow(const GridModel& table, Prompter& prompter);

}  // namespace cw
