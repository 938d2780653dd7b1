#include "bookkeeping/entries/date_scope.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "bookkeeping/entries/entry_texts.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

YearMonth MonthsLater(YearMonth month, int k) {
  const int yyyymm = MonthAdd(month.year, month.month, k);
  return {yyyymm / 100, yyyymm % 100};
}

}  // namespace

std::string ScopeLabel(DateScope scope) {
  switch (scope) {
    case DateScope::kCurrentMonth: return "显示当月的数据";
    case DateScope::kLastThreeMonths: return "显示最近三个月的数据";
    case DateScope::kCurrentYear: return "显示当年的数据";
    case DateScope::kCustom: return "自定义日期范围";
  }
  return "";
}

VoucherRange MonthsRange(YearMonth from, YearMonth to) {
  return {MonthFirstNumber(from.year, from.month), MonthLastNumber(to.year, to.month)};
}

YearMonth FirstMonth(const VoucherRange& range) { return {VoucherYear(range.first), VoucherMonth(range.first)}; }
YearMonth LastMonth(const VoucherRange& range) { return {VoucherYear(range.last), VoucherMonth(range.last)}; }

VoucherRange RangeOfScope(DateScope scope, YearMonth today) {
  switch (scope) {
    case DateScope::kLastThreeMonths: return MonthsRange(MonthsLater(today, -2), today);
    case DateScope::kCurrentYear: return MonthsRange({today.year, 1}, today);
    case DateScope::kCurrentMonth:
    case DateScope::kCustom: break;
  }
  return MonthsRange(today, today);
}

VoucherRange WidenRange(const VoucherRange& range, int number) {
  VoucherRange widened = range;
  const YearMonth month{VoucherYear(number), VoucherMonth(number)};
  widened.first = std::min(widened.first, MonthsRange(month, month).first);
  widened.last = std::max(widened.last, MonthsRange(month, month).last);
  return widened;
}

DateScope ScopeOfRange(const VoucherRange& range, YearMonth today) {
  const VoucherRange current = RangeOfScope(DateScope::kCurrentMonth, today);
  if (range == current) return DateScope::kCurrentMonth;
  if (range.last > current.last) return DateScope::kCustom;
  if (range.first >= RangeOfScope(DateScope::kLastThreeMonths, today).first) return DateScope::kLastThreeMonths;
  if (range.first >= RangeOfScope(DateScope::kCurrentYear, today).first) return DateScope::kCurrentYear;
  return DateScope::kCustom;
}

ScopedRange WidenForVoucher(const VoucherRange& range, int number, YearMonth today) {
  const VoucherRange widened = WidenRange(range, number);
  const DateScope scope = ScopeOfRange(widened, today);
  return {scope, scope == DateScope::kCustom ? widened : RangeOfScope(scope, today)};
}

std::string RangeText(const VoucherRange& range) {
  const YearMonth first = FirstMonth(range), last = LastMonth(range);
  return StrFormat(entry_texts::kRangeFormat, first.year, first.month, last.year, last.month);
}

YearMonth MonthOfDay(int serial_day) {
  const Ymd date = DateOfSerialDay(serial_day);
  return {date.year, date.month};
}

}  // namespace cw
