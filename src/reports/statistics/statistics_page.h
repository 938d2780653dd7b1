#pragma once
// StatisticsPage: what the statistics window shows and keeps between shows,
// without the window: the table's command, its range record with the pending
// copy a dialog or a drill-down fills, the balance sheet's cut-off, and the
// tables, charts and caption built for them.
//
//   StatisticsPage page(today);
//   if (page.Show(32920, /*force=*/false, nullptr)) { StatisticsView view = page.Build(); ... }
//   page.SetPending(*DrillInto(key, page.Range()).range);   // then Show(same command)
#include <optional>
#include <string>
#include <vector>

#include "controls/charts/chart_data.h"
#include "controls/charts/pie_geometry.h"
#include "controls/grid_model.h"
#include "reports/statistics/statistics_range.h"

namespace cw {

// One build of the window's content.
struct StatisticsView {
  GridModel table;
  std::string title;       // the caption's first line: the table's name
  std::string range_line;  // "日期范围：..." or "截止月份：..."
  ChartData chart;         // bar chart or curve; empty for the balance sheet
  std::vector<PieChart> pies;  // the balance sheet's two pies
};

class StatisticsPage {
 public:
  // `today` as yyyymmdd: the default range ends in its month.
  explicit StatisticsPage(int today);

  // Prepares showing `command`. False (nothing to do) when it is shown
  // already, `force` is off and nothing is pending. Otherwise the range is
  // the pending one, else the replayed state (`replay`, as State() gave it),
  // else, when another table is chosen, January to the current month; the
  // balance sheet takes its cut-off from `replay` or keeps it.
  bool Show(int command, bool force, const std::vector<int>* replay);

  int Command() const { return command_; }
  int PreviousCommand() const { return previous_; }
  bool IsBalanceSheet() const { return command_ == kBalanceSheetTable; }
  const StatRange& Range() const { return range_; }
  int CutOff() const { return cut_off_; }

  // A range for the next show (a scope dialog's result, a drill-down).
  void SetPending(const StatRange& range) { pending_ = range; }
  bool HasPending() const { return pending_.has_value(); }
  void SetCutOff(int bound) { cut_off_ = bound; }
  // The check boxes: stored at once; the caller rebuilds.
  void SetHideRows(bool on) { range_.hide_rows = on; }
  void SetHideColumns(bool on) { range_.hide_columns = on; }

  // The history state: the seven numbers of the range record, or the cut-off
  // for the balance sheet.
  std::vector<int> State() const;

  // Reads the ledger and builds the table, its chart and the caption.
  StatisticsView Build() const;

 private:
  StatisticsView Read() const;

  int today_;
  int command_ = 0;
  int previous_ = 0;
  StatRange range_;
  std::optional<StatRange> pending_;
  int cut_off_;
};

}  // namespace cw
