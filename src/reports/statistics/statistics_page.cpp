#include "reports/statistics/statistics_page.h"

#include "reports/statistics/balance_sheet.h"
#include "reports/statistics/category_table.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/statistics/statistics_charts.h"
#include "store/read_watch.h"

namespace cw {
namespace {

StatRange RangeOfState(const std::vector<int>& s) {
  return {s[0], s[1], s[2], s[3], s[4], s[5] != 0, s[6] != 0};
}

}  // namespace

StatisticsPage::StatisticsPage(int today)
    : today_(today), range_(DefaultStatRange(today)), cut_off_(CutOffBound(today / 10000, today / 100 % 100)) {}

bool StatisticsPage::Show(int command, bool force, const std::vector<int>* replay) {
  if (command == command_ && !force && !pending_) return false;
  previous_ = command_;
  command_ = command;
  if (command == kBalanceSheetTable) {
    if (replay && replay->size() == 1) cut_off_ = (*replay)[0];
    return true;
  }
  if (pending_) {
    range_ = *pending_;
    pending_.reset();
  } else if (replay && replay->size() == 7) {
    range_ = RangeOfState(*replay);
  } else if (command != previous_) {
    range_ = DefaultStatRange(today_, range_);
  }
  return true;
}

std::vector<int> StatisticsPage::State() const {
  if (IsBalanceSheet()) return {cut_off_};
  const StatRange& r = range_;
  return {r.start, r.end, r.start_date, r.end_date, r.period, r.hide_rows ? 1 : 0, r.hide_columns ? 1 : 0};
}

StatisticsView StatisticsPage::Build() const {
  // Totals and charts of part of the rows would be wrong: nothing is shown then.
  ReadWatch reads;
  StatisticsView view = Read();
  if (reads.ReportIfFailed()) {
    view.table.DeleteAllRows();
    view.chart = ChartData();
    view.pies.clear();
  }
  return view;
}

StatisticsView StatisticsPage::Read() const {
  StatisticsView view;
  view.title = StatTableName(command_);
  if (IsBalanceSheet()) {
    BalanceSheet sheet = BuildBalanceSheet(cut_off_);
    view.table = std::move(sheet.table);
    view.pies = {std::move(sheet.assets), std::move(sheet.liabilities)};
    view.range_line = CutOffCaption(cut_off_);
    return view;
  }
  view.range_line = RangeCaption(range_);
  if (IsCategoryTable(command_)) {
    const bool income = command_ == kIncomeCategoryTable;
    view.table = BuildCategoryTable(income, range_);
    view.chart = CategoryCurve(view.table, income);
  } else {
    view.table = BuildIncomeExpenseTable(range_);
    view.chart = IncomeExpenseChart(view.table);
  }
  return view;
}

}  // namespace cw
