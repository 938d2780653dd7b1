#pragma once
// The months an entry page shows. A page shows a run of whole months, held as
// the voucher numbers of its first and last month, and chosen as one of four
// date scopes relative to today.
#include <string>

namespace cw {

enum class DateScope {
  kCurrentMonth = 1,     // "显示当月的数据"
  kLastThreeMonths = 2,  // "显示最近三个月的数据": this month and the two before
  kCurrentYear = 3,      // "显示当年的数据": January of this year to this month
  kCustom = 4,           // "自定义日期范围": a month range chosen by the user
};

// The label of a scope in the navigation bar.
std::string ScopeLabel(DateScope scope);

struct VoucherRange {
  int first = 0;  // first voucher number of the first month
  int last = 0;   // last voucher number of the last month
  bool Contains(int number) const { return number >= first && number <= last; }
  friend bool operator==(const VoucherRange&, const VoucherRange&) = default;
};

struct YearMonth {
  int year = 0;
  int month = 0;
  friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// The range of the whole months from `from` to `to`.
VoucherRange MonthsRange(YearMonth from, YearMonth to);
YearMonth FirstMonth(const VoucherRange& range);
YearMonth LastMonth(const VoucherRange& range);

// The range of scopes 1 to 3 for the month `today` lies in; scope 4 has no
// range of its own and gives the current month.
VoucherRange RangeOfScope(DateScope scope, YearMonth today);

// The range grown to take in the month of voucher `number` (unchanged when it
// already does).
VoucherRange WidenRange(const VoucherRange& range, int number);

// The scope a range amounts to: 1 when it is this month only; 2 when it starts
// no earlier than two months back and ends no later than this month; 3 when it
// starts in January of this year or later and ends no later than this month;
// else 4.
DateScope ScopeOfRange(const VoucherRange& range, YearMonth today);

// After a new voucher outside the range: the widened range and its scope. For
// scopes 1 to 3 the range becomes the whole range of that scope, so that what
// is shown matches the choice in the navigation bar; a custom range stays as
// widened.
struct ScopedRange {
  DateScope scope = DateScope::kCurrentMonth;
  VoucherRange range;
};
ScopedRange WidenForVoucher(const VoucherRange& range, int number, YearMonth today);

// "%d年%d月 - %d年%d月" of the first and last month.
std::string RangeText(const VoucherRange& range);

// The month of a serial day (days since 1899-12-30).
YearMonth MonthOfDay(int serial_day);

}  // namespace cw
