#pragma once
// The statistics window's navigation bar: "图表统计" with the four tables, the
// layout pair "横向排列"/"纵向排列" under "数据、图形排列方式", and for the
// tables of periods the period group and the hide options.
#include "frame/navigation_model.h"

class QButtonGroup;
class QCheckBox;

namespace cw {

class NavigationBar;

// The four tables; "财产负债表" only for a user holding `VoucherGraph`.
NavigationModel StatisticsNavigation(const Rights& rights, int level);

// The extras below the tables. Button ids: the layout 0 side by side, 1 stacked;
// the period 0 year, 1 month, 2 day. The period group and the check boxes are
// missing (null) for the balance sheet.
struct StatisticsChoices {
  QButtonGroup* layout = nullptr;
  QButtonGroup* period = nullptr;
  QCheckBox* hide_rows = nullptr;
  QCheckBox* hide_columns = nullptr;  // classification tables only
};
// `command` is the table shown; the controls start at the values given.
StatisticsChoices AddStatisticsChoices(NavigationBar* bar, int command, bool stacked, int period, bool hide_rows,
                                       bool hide_columns);

}  // namespace cw
