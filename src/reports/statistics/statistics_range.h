#pragma once
// The statistics tables, their range record and what follows from it: the
// caption, the range a scope dialog or a drill-down gives, the period keys of
// the rows.
#include <optional>
#include <string>
#include <vector>

namespace cw {

// The four tables by their commands.
enum StatTable {
  kIncomeExpenseTable = 32920,  // "收入支出表"
  kIncomeCategoryTable = 32921,  // "收入分类表"
  kExpenseCategoryTable = 32922,  // "支出分类表"
  kBalanceSheetTable = 32950,  // "财产负债表"
};
// The table's name; empty for another command.
std::string StatTableName(int command);
bool IsStatTable(int command);
bool IsCategoryTable(int command);

enum StatPeriod { kYearPeriod = 0, kMonthPeriod = 1, kDayPeriod = 2 };

// Range and options of the income-and-expense and classification tables.
// start/end are voucher-number bounds of the months (year × 100000 + month ×
// 1000, end + 999); the dates are yyyymmdd. Year and month periods use only
// the year and month of the dates.
struct StatRange {
  int start = 0;
  int end = 0;
  int start_date = 0;
  int end_date = 0;
  int period = kMonthPeriod;
  bool hide_rows = true;
  bool hide_columns = false;
  friend bool operator==(const StatRange&, const StatRange&) = default;
};

// January of `today`'s year up to its month: start date the 1st of January,
// end date the 1st of the current month; the options are kept from `options`.
StatRange DefaultStatRange(int today_yyyymmdd, const StatRange& options = {});

// The range a scope dialog in mode `period` gives for the two chosen dates
// (yyyymmdd; in year mode the 1st of January of each year); options kept.
StatRange ScopeRange(int period, int from_yyyymmdd, int to_yyyymmdd, const StatRange& options);

// The dates a scope dialog in mode `period` starts with: the range's dates for
// years and months, the 1st of today's month up to today for days.
std::pair<int, int> ScopeStart(int period, const StatRange& range, int today_yyyymmdd);

// The second caption line: "日期范围：%d年 - %d年", "日期范围：%d年%d月 - %d年%d月"
// or "日期范围：%d年%d月%d日 - %d年%d月%d日".
std::string RangeCaption(const StatRange& range);
// The balance sheet's line "截止月份：%d年%d月" for the cut-off bound.
std::string CutOffCaption(int bound);
// The cut-off bound of a month: year × 100000 + month × 1000 + 999.
int CutOffBound(int year, int month);

// The period keys of the range's rows, first to last: years YYYY, months
// YYYYMM (December followed by January of the next year) or days YYYYMMDD.
// Empty when the end lies before the start.
std::vector<long long> PeriodKeys(const StatRange& range);
// A key's label: "%d年", "%d年%d月" or "%d年%d月%d日"; day keys as "%Y-%m-%d"
// when `iso_days` (the classification tables).
std::string PeriodLabel(long long key, bool iso_days = false);
// yyyymmdd <-> day number.
int SerialOfYmd(int yyyymmdd);
int YmdOfSerial(int serial);

// A row's period key (YYYY, YYYYMM or YYYYMMDD) and what drilling into it does.
struct DrillTarget {
  std::optional<StatRange> range;  // show the same table again over this range
  int day = 0;                     // or open the day records of this yyyymmdd
};
// A year key gives its twelve months in month periods, a month key its days in
// day periods, a day key the day itself; nothing for a key of another shape.
std::optional<DrillTarget> DrillInto(long long key, const StatRange& options);

}  // namespace cw
