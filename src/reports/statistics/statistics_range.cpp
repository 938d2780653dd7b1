#include "reports/statistics/statistics_range.h"

#include "base/gbk_text.h"
#include "calendar/calendar.h"

namespace cw {
namespace {

int Year(int yyyymmdd) { return yyyymmdd / 10000; }
int Month(int yyyymmdd) { return yyyymmdd / 100 % 100; }
int Day(int yyyymmdd) { return yyyymmdd % 100; }
int MonthStart(int year, int month) { return year * 100000 + month * 1000; }

}  // namespace

std::string StatTableName(int command) {
  switch (command) {
    case kIncomeExpenseTable: return "收入支出表";
    case kIncomeCategoryTable: return "收入分类表";
    case kExpenseCategoryTable: return "支出分类表";
    case kBalanceSheetTable: return "财产负债表";
    default: return {};
  }
}

bool IsStatTable(int command) { return !StatTableName(command).empty(); }
bool IsCategoryTable(int command) { return command == kIncomeCategoryTable || command == kExpenseCategoryTable; }

StatRange DefaultStatRange(int today, const StatRange& options) {
  StatRange r = options;
  r.start = MonthStart(Year(today), 1);
  r.end = MonthStart(Year(today), Month(today)) + 999;
  r.start_date = Year(today) * 10000 + 101;
  r.end_date = Year(today) * 10000 + Month(today) * 100 + 1;
  return r;
}

StatRange ScopeRange(int period, int from, int to, const StatRange& options) {
  StatRange r = options;
  r.period = period;
  r.start_date = from;
  r.end_date = to;
  if (period == kYearPeriod) {
    r.start = Year(from) * 100000 + 1000;
    r.end = Year(to) * 100000 + 12999;
  } else {
    r.start = MonthStart(Year(from), Month(from));
    r.end = MonthStart(Year(to), Month(to)) + 999;
  }
  return r;
}

std::pair<int, int> ScopeStart(int period, const StatRange& range, int today) {
  if (period == kDayPeriod) return {today / 100 * 100 + 1, today};
  return {range.start_date, range.end_date};
}

std::string RangeCaption(const StatRange& r) {
  const int a = r.start_date, b = r.end_date;
  switch (r.period) {
    case kYearPeriod: return StrFormat("日期范围：%d年 - %d年", Year(a), Year(b));
    case kDayPeriod:
      return StrFormat("日期范围：%d年%d月%d日 - %d年%d月%d日", Year(a), Month(a), Day(a), Year(b), Month(b), Day(b));
    default: return StrFormat("日期范围：%d年%d月 - %d年%d月", Year(a), Month(a), Year(b), Month(b));
  }
}

std::string CutOffCaption(int bound) {
  return StrFormat("截止月份：%d年%d月", bound / 100000, bound / 1000 % 100);
}

int CutOffBound(int year, int month) { return MonthStart(year, month) + 999; }

std::optional<DrillTarget> DrillInto(long long key, const StatRange& options) {
  if (key >= 1000 && key <= 9999) {  // a year: its months
    const int year = static_cast<int>(key);
    return DrillTarget{ScopeRange(kMonthPeriod, year * 10000 + 101, year * 10000 + 1201, options), 0};
  }
  if (key >= 100001 && key <= 999912) {  // a month: its days
    const int year = static_cast<int>(key / 100), month = static_cast<int>(key % 100);
    if (month < 1 || month > 12) return std::nullopt;
    const int first = year * 10000 + month * 100 + 1;
    return DrillTarget{ScopeRange(kDayPeriod, first, first - 1 + DaysInMonth(year, month), options), 0};
  }
  if (key >= 10000101 && key <= 99991231) {
    const int day = static_cast<int>(key);
    if (!IsValidDate(Year(day), Month(day), Day(day))) return std::nullopt;
    return DrillTarget{std::nullopt, day};
  }
  return std::nullopt;
}

int SerialOfYmd(int yyyymmdd) { return SerialDay(Year(yyyymmdd), Month(yyyymmdd), Day(yyyymmdd)); }

int YmdOfSerial(int serial) {
  const Ymd d = DateOfSerialDay(serial);
  return d.year * 10000 + d.month * 100 + d.day;
}

std::vector<long long> PeriodKeys(const StatRange& r) {
  std::vector<long long> keys;
  const int a = r.start_date, b = r.end_date;
  switch (r.period) {
    case kYearPeriod:
      for (int year = Year(a); year <= Year(b); ++year) keys.push_back(year);
      break;
    case kDayPeriod:
      for (int serial = SerialOfYmd(a), last = SerialOfYmd(b); serial <= last; ++serial)
        keys.push_back(YmdOfSerial(serial));
      break;
    default: {
      const int count = (Year(b) * 12 + Month(b)) - (Year(a) * 12 + Month(a)) + 1;
      for (int i = 0; i < count; ++i) keys.push_back(MonthAdd(Year(a), Month(a), i));
    }
  }
  return keys;
}

std::string PeriodLabel(long long key, bool iso_days) {
  const int k = static_cast<int>(key);
  if (key < 10000) return StrFormat("%d年", k);
  if (key < 1000000) return StrFormat("%d年%d月", k / 100, k % 100);
  if (iso_days) return StrFormat("%04d-%02d-%02d", Year(k), Month(k), Day(k));
  return StrFormat("%d年%d月%d日", Year(k), Month(k), Day(k));
}

}  // namespace cw
