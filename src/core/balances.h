#pragma once
// Balances and period series read back from the voucher lines. Read-only.
//
// Two ways address periods. By voucher number (kinds 0 whole range, 1 year,
// 2 quarter, 3 month, 4 week, 5 day), since a number encodes year and month.
// By calendar date (kinds 0 year, 1 month, 2 day) with dates as yyyymmdd.
// Initial vouchers (kind 1) never count as a movement of a period; they enter
// only where an opening figure is wanted.
#include <string>
#include <utility>
#include <vector>

namespace cw {

// True when a line on an account of `type` on this side raises its balance:
// debits raise assets (3-6), credits raise everything else.
bool IncreasesBalance(int type, bool is_debit);

enum DatePeriod { kByYear = 0, kByMonth = 1, kByDay = 2 };
enum NumberPeriod { kWhole = 0, kYear = 1, kQuarter = 2, kMonth = 3, kWeek = 4, kDay = 5 };

// Voucher-number bound of a period: value is a year, yyyymm or yyyymmdd by
// kind. For days: the first voucher dated on or after (start) or the last dated
// on or before (end) that day, 0 when there is none.
int PeriodBound(int kind, int value, bool is_start);
// Number of periods from `from` to `to`, both yyyymmdd, ends included.
int PeriodCount(int kind, int from, int to);

struct VoucherSpan {
  int first = 0, last = 0;            // voucher numbers
  int first_date = 0, last_date = 0;  // their dates (day numbers since 1899-12-30)
  bool found = false;
};
// The first and last voucher in a number range (default: all vouchers).
VoucherSpan FirstAndLastVoucher(int from = 0, int to = 999912999);
// The first voucher dated on or after `date` (first) or the last dated on or before it; 0 when none.
int VoucherAtDate(int date, bool first);

// The family's property (accounts of types 3 to 8, debit minus credit) before voucher `bound`.
double NetProperty(int bound);

// One (income, expense) pair per date period from `from` to `to` (yyyymmdd);
// with_opening adds everything before `from` to the first period. Empty for a
// kind above 2 or `to` before `from`.
std::vector<std::pair<double, double>> IncomeExpenseSeries(int kind, int from, int to, bool with_opening);
std::vector<double> IncomeSeries(int kind, int from, int to);

struct AccountSeries {
  std::string code;
  std::vector<double> values;  // credits - debits per period
};
struct CategorySeries {
  int period_count = 0;
  int first_date = 0;  // date of the range's first voucher (week and day periods)
  std::vector<AccountSeries> accounts;  // reverse code order
};
// Per income (or expense) account one value per voucher-number period of
// vouchers firstNo..lastNo. Week and day periods count from the date of the
// first voucher up to that of the last, or, when `days` gives two dates (day
// numbers), from the first to the second of them, so that a calendar table's
// rows line up with its days whether or not they have vouchers.
struct DaySpan {
  int first = 0, last = 0;  // day numbers; 0: from the vouchers
};
CategorySeries CategoryAccountSeries(bool income, int kind, int first_no, int last_no, DaySpan days = {});

// The condition "Item_No IN ('...', ...)" over the accounts of one type.
std::string AccountCondition(int type);

}  // namespace cw
