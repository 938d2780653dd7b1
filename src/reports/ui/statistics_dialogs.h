#pragma once
// The dialogs the statistics window opens, as replaceable functions so that
// tests answer them without showing a window.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "controls/charts/chart_data.h"
#include "controls/charts/pie_geometry.h"

namespace cw {

struct StatisticsDialogs {
  // CSelectScope in mode `period` (0 years, 1 months, 2 days) starting at the
  // two dates (yyyymmdd); the chosen dates, nothing when cancelled.
  std::function<std::optional<std::pair<int, int>>(QWidget*, int period, std::pair<int, int> start)> ask_scope;
  // The balance sheet's cut-off month; the new bound, nothing when cancelled.
  std::function<std::optional<int>(QWidget*, int bound)> ask_cut_off;
  // The records of one day (yyyymmdd) in the day-records mode of table `command`.
  std::function<void(QWidget*, int command, int day)> day_records;
  // "盈余曲线图" and the pies of a classification row.
  std::function<void(QWidget*, const std::string& title, ChartData)> curve;
  std::function<void(QWidget*, const std::string& title, std::vector<PieChart>)> pies;
};

StatisticsDialogs StandardStatisticsDialogs();

}  // namespace cw
