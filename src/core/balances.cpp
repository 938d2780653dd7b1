#include "core/balances.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_map>

#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr char kMovementsOnly[] = " AND A.Input_Type<>1";

int SerialOfYmd(int yyyymmdd) { return SerialDay(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }
int YmdOfSerial(int serial) {
  Ymd d = DateOfSerialDay(serial);
  return d.year * 10000 + d.month * 100 + d.day;
}
int MonthIndex(int yyyymmdd) { return yyyymmdd / 10000 * 12 + yyyymmdd / 100 % 100; }

// Whole days between two dates, rounded to the nearest day.
int WholeDays(double from, double to) { return static_cast<int>(std::floor(to - from + 0.5)); }

// Walks statement 703 over s..e for the accounts of `type` (condition `accounts`)
// and returns one value per date period, the sign rule applied; `opening` starts
// period 0.
std::vector<double> DateSeries(int type, const std::string& accounts, int kind, int from, int to, int s, int e,
                               double opening) {
  std::vector<double> values(PeriodCount(kind, from, to), 0.0);
  if (values.empty()) return values;
  values[0] = opening;
  auto slot_of = [&](int ymd) {
    int slot = PeriodCount(kind, from, ymd) - 1;
    return slot >= 0 && slot < static_cast<int>(values.size()) ? slot : -1;
  };
  CDBPack rows;
  rows.Open(Database::LoadStatement(703, accounts + kMovementsOnly), {s, e});
  int current = -1;
  double sum = 0;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    int slot = slot_of(YmdOfSerial(static_cast<int>(rows.GetDate("Input_Time"))));
    if (slot != current) {
      if (current >= 0) values[current] += sum;
      current = slot;
      sum = 0;
    }
    double cash = rows.GetDouble("Cash");
    sum += IncreasesBalance(type, rows.GetBool("IsDebit")) ? cash : -cash;
  }
  if (current >= 0) values[current] += sum;
  return values;
}

// ---- sums read from the account index ------------------------------------------
//
// Statement 703 joins every line to its voucher record and sorts them all. The
// account index holds account, number, line, side and amount, so the lines of a
// list of accounts come from it alone, per account in number order; the opening
// vouchers are left out by their numbers. Every sum below adds the same values
// in the same order as the statement it replaces, so the figures are identical
// to the last bit.

// Numbers of the opening vouchers (kind 1) from first to last, ascending.
std::vector<int> OpeningVouchers(int first, int last) {
  std::vector<int> numbers;
  CDBPack rows;
  rows.Open(Database::LoadStatement(903), {first, last});
  for (; !rows.IsEnd(); rows.MoveNext()) numbers.push_back(rows.GetLong("Voucher_No"));
  return numbers;
}

bool IsOpening(const std::vector<int>& openings, int number) {
  return !openings.empty() && std::binary_search(openings.begin(), openings.end(), number);
}

// Sums `rows` (statement 902 or 904: per account in number and line order) by
// the sign rule of `type`, leaving out the opening vouchers `openings`: the
// order and result of statements 707 and 706 (which read the same index).
double SumIndexedLines(CDBPack& rows, int type, const std::vector<int>& openings) {
  double sum = 0;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    if (IsOpening(openings, rows.GetLong("Voucher_No"))) continue;
    double cash = rows.GetDouble("Cash");
    sum += IncreasesBalance(type, rows.GetBool("IsDebit")) ? cash : -cash;
  }
  return sum;
}

// ---- sums read from the month totals ---------------------------------------------
//
// MonthTotal holds per account and month the debit and credit sums of the
// lines, opening vouchers (kind 1) apart, so a span of whole months costs one
// row per account and month whatever the number of lines.

// A voucher-number bound at a month's start (sequence 0 or 1): every voucher
// below it lies in an earlier month.
bool AtMonthStart(int bound) { return bound % 1000 <= 1; }
// A span of whole months: from a month's start to its end (sequence 999).
bool WholeMonths(int first, int last) { return AtMonthStart(first) && last % 1000 == 999; }

struct MonthSums {
  std::string item;
  int month;  // yyyymm
  double debit, loan;
};

// Per account and month the sums of the lines that are not opening lines, over
// the months first..last (yyyymm), for the accounts of `accounts`.
std::vector<MonthSums> MovementsByMonth(const std::string& accounts, int first_month, int last_month) {
  std::vector<MonthSums> sums;
  CDBPack rows;
  rows.Open(Database::LoadStatement(971, accounts), {first_month, last_month});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    sums.push_back({rows.GetText("Item_No"), rows.GetLong("Month"), rows.GetDouble("Debit"), rows.GetDouble("Loan")});
  }
  return sums;
}

// The amount of a sum by the sign rule of `type`.
double ByRule(int type, double debit, double loan) { return IncreasesBalance(type, true) ? debit - loan : loan - debit; }

// Everything booked on the accounts of `type` before voucher s, the opening
// vouchers added wherever they stand: the months before s's from the totals,
// the lines of its own month below s from the account index.
double OpeningFromTotals(int type, const std::string& accounts, int s) {
  const int month = s / 1000;
  double opening = 0;
  for (const MonthSums& m : MovementsByMonth(accounts, 0, month - 1)) opening += ByRule(type, m.debit, m.loan);
  if (!AtMonthStart(s)) {
    CDBPack rows;
    rows.Open(Database::LoadStatement(902, accounts), {month * 1000, static_cast<std::int64_t>(s) - 1});
    opening += SumIndexedLines(rows, type, OpeningVouchers(month * 1000, s - 1));
  }
  CDBPack openings;
  openings.Open(Database::LoadStatement(972, accounts));
  for (; !openings.IsEnd(); openings.MoveNext()) {
    opening += ByRule(type, openings.GetDouble("Debit"), openings.GetDouble("Loan"));
  }
  return opening;
}

// The year and month series from the month totals: a month's value goes to the
// period of its first day.
std::vector<double> MonthTotalSeries(int type, const std::string& accounts, int kind, int from, int to, int s, int e,
                                     double opening) {
  std::vector<double> values(PeriodCount(kind, from, to), 0.0);
  if (values.empty()) return values;
  values[0] = opening;
  for (const MonthSums& m : MovementsByMonth(accounts, s / 1000, e / 1000)) {
    int slot = PeriodCount(kind, from, m.month * 100 + 1) - 1;
    if (slot >= 0 && slot < static_cast<int>(values.size())) values[slot] += ByRule(type, m.debit, m.loan);
  }
  return values;
}

// One value per date period for the accounts of `type`: by the voucher numbers
// for years and months, by the voucher dates for days.
std::vector<double> PeriodSeries(int type, const std::string& accounts, int kind, int from, int to, int s, int e,
                                 double opening) {
  if (kind == kByYear || kind == kByMonth) return MonthTotalSeries(type, accounts, kind, from, to, s, e, opening);
  return DateSeries(type, accounts, kind, from, to, s, e, opening);
}

// "Item_No IN (...)" over the accounts whose type counts as property, or empty
// when a code is not plain digits (then the statements by side are read).
std::string PropertyAccountCondition(CItemCache& chart) {
  std::string condition = "Item_No IN (";
  bool first = true;
  for (const CItemCache::Entry& entry : chart.Entries()) {
    if (!IsPropertyType(entry.type)) continue;
    if (entry.code.empty() || entry.code.find_first_not_of("0123456789") != std::string::npos) return {};
    condition += (first ? "'" : ",'") + entry.code + "'";
    first = false;
  }
  return condition + ")";
}

// NetProperty by statements 372 and 373: every account with lines, filtered by type here.
double NetPropertyBySide(CItemCache& chart, int bound) {
  double property = 0;
  for (int id : {372, 373}) {
    const char* column = id == 372 ? "Debit" : "Loan";
    const double sign = id == 372 ? 1 : -1;
    CDBPack rows;
    rows.Open(Database::LoadStatement(id), {bound});
    for (; !rows.IsEnd(); rows.MoveNext()) {
      if (IsPropertyType(chart.TypeOf(rows.GetText("Item_No")))) property += sign * rows.GetDouble(column);
    }
  }
  return property;
}

int CutToKind(int kind, int yyyymmdd) {
  switch (kind) {
    case kByYear: return yyyymmdd / 10000;
    case kByMonth: return yyyymmdd / 100;
    default: return yyyymmdd;
  }
}

}  // namespace

bool IncreasesBalance(int type, bool is_debit) {
  bool asset = type >= kTypeCash && type <= kTypeLent;
  return asset == is_debit;
}

int PeriodBound(int kind, int value, bool is_start) {
  switch (kind) {
    case kByYear: return value * 100000 + (is_start ? 1000 : 12999);
    case kByMonth: return value * 1000 + (is_start ? 0 : 999);
    case kByDay: return VoucherAtDate(SerialOfYmd(value), is_start);
    default: return 0;
  }
}

int PeriodCount(int kind, int from, int to) {
  switch (kind) {
    case kByYear: return to / 10000 - from / 10000 + 1;
    case kByMonth: return MonthIndex(to) - MonthIndex(from) + 1;
    case kByDay: return SerialOfYmd(to) - SerialOfYmd(from) + 1;
    default: return 0;
  }
}

VoucherSpan FirstAndLastVoucher(int from, int to) {
  VoucherSpan span;
  CDBPack rows;
  rows.Open(Database::LoadStatement(257), {from, to});
  if (rows.IsEnd()) return span;
  span.first = rows.GetLong("Voucher_No");
  span.first_date = static_cast<int>(rows.GetDate("Input_Time"));
  rows.Open(Database::LoadStatement(258), {from, to});
  if (rows.IsEnd()) return span;
  span.last = rows.GetLong("Voucher_No");
  span.last_date = static_cast<int>(rows.GetDate("Input_Time"));
  span.found = true;
  return span;
}

int VoucherAtDate(int date, bool first) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(first ? 737 : 738), {IsoDate(date)});
  return rows.IsEnd() ? 0 : rows.GetLong("Voucher_No");
}

std::string AccountCondition(int type) {
  std::string condition = "Item_No IN (";
  CDBPack rows;
  rows.Open(Database::LoadStatement(419), {type});
  for (bool first = true; !rows.IsEnd(); rows.MoveNext(), first = false) {
    std::string code = rows.GetText("Item_No");
    // Codes are digits by construction; anything else never reaches the statement text.
    if (code.find_first_not_of("0123456789") != std::string::npos) continue;
    condition += (first ? "'" : ",'") + code + "'";
  }
  return condition + ")";
}

double NetProperty(int bound) {
  CItemCache& chart = CItemCache::Instance();
  if (AtMonthStart(bound)) {
    // Whole months: the month totals of every account, opening vouchers included.
    double property = 0;
    CDBPack rows;
    rows.Open(Database::LoadStatement(970), {0, bound / 1000 - 1});
    for (; !rows.IsEnd(); rows.MoveNext()) {
      if (IsPropertyType(chart.TypeOf(rows.GetText("Item_No")))) property += rows.GetDouble("Debit") - rows.GetDouble("Loan");
    }
    return property;
  }
  const std::string accounts = PropertyAccountCondition(chart);
  if (accounts.empty()) return NetPropertyBySide(chart, bound);
  // Statement 901 gives both sums of the property accounts in one pass over the
  // account index; they are added as 372's and then 373's rows would be.
  // A side without lines sums to null, where 372 or 373 would have had no row.
  struct Side {
    bool present;
    double sum;
  };
  struct Sums {
    std::string item;
    Side debit, loan;
  };
  auto side = [](const CDBPack& rows, const char* column) {
    return Side{!std::holds_alternative<std::nullptr_t>(rows.GetValue(column)), rows.GetDouble(column)};
  };
  std::vector<Sums> sums;
  CDBPack rows;
  rows.Open(Database::LoadStatement(901, accounts), {bound});
  for (; !rows.IsEnd(); rows.MoveNext()) sums.push_back({rows.GetText("Item_No"), side(rows, "Debit"), side(rows, "Loan")});
  double property = 0;
  for (bool debit : {true, false}) {
    const double sign = debit ? 1 : -1;
    for (const Sums& row : sums) {
      const Side& sum = debit ? row.debit : row.loan;
      if (sum.present && IsPropertyType(chart.TypeOf(row.item))) property += sign * sum.sum;
    }
  }
  return property;
}

std::vector<std::pair<double, double>> IncomeExpenseSeries(int kind, int from, int to, bool with_opening) {
  if (kind > kByDay || kind < 0 || to < from) return {};
  const int s = PeriodBound(kind, CutToKind(kind, from), true);
  const int e = PeriodBound(kind, CutToKind(kind, to), false);
  std::vector<double> series[2];
  const int types[2] = {kTypeIncome, kTypeExpense};
  for (int k = 0; k < 2; ++k) {
    const std::string accounts = AccountCondition(types[k]);
    const double opening = with_opening ? OpeningFromTotals(types[k], accounts, s) : 0;
    series[k] = PeriodSeries(types[k], accounts, kind, from, to, s, e, opening);
  }
  std::vector<std::pair<double, double>> pairs(series[0].size());
  for (std::size_t i = 0; i < pairs.size(); ++i) pairs[i] = {series[0][i], -series[1][i]};
  return pairs;
}

std::vector<double> IncomeSeries(int kind, int from, int to) {
  if (kind > kByDay || kind < 0 || to < from) return {};
  return PeriodSeries(kTypeIncome, AccountCondition(kTypeIncome), kind, from, to,
                      PeriodBound(kind, CutToKind(kind, from), true), PeriodBound(kind, CutToKind(kind, to), false), 0);
}

CategorySeries CategoryAccountSeries(bool income, int kind, int first_no, int last_no, DaySpan days) {
  CategorySeries result;
  auto year = [](int n) { return n / 100000; };
  auto month = [](int n) { return n / 1000 % 100; };
  // Period count and index by the voucher-number family.
  int first_date = Today(), last_date = Today();
  if ((kind == kWeek || kind == kDay) && days.first > 0 && days.last >= days.first) {
    first_date = days.first;
    last_date = days.last;
    result.first_date = first_date;
  } else if (kind == kWeek || kind == kDay) {
    VoucherSpan span = FirstAndLastVoucher(first_no, last_no);
    if (span.found) {
      first_date = span.first_date;
      last_date = span.last_date;
    }
    result.first_date = first_date;
  }
  auto index_of = [&](int n, double date) {
    switch (kind) {
      case kYear: return year(n) - year(first_no);
      case kQuarter: return 4 * (year(n) - year(first_no)) + (month(n) - 1) / 3 - (month(first_no) - 1) / 3;
      case kMonth: return (year(n) - year(first_no)) * 12 + month(n) - month(first_no);
      case kWeek: return WholeDays(first_date, date) / 7;
      case kDay: return WholeDays(first_date, date);
      default: return 0;
    }
  };
  result.period_count = index_of(last_no, last_date) + 1;
  if (result.period_count < 1) return result;

  const int type = income ? kTypeIncome : kTypeExpense;
  std::unordered_map<std::string, std::size_t> slot_of;
  {
    CDBPack rows;
    rows.Open(Database::LoadStatement(419), {type});
    for (; !rows.IsEnd(); rows.MoveNext()) {
      result.accounts.push_back({rows.GetText("Item_No"), std::vector<double>(result.period_count, 0.0)});
    }
  }
  std::reverse(result.accounts.begin(), result.accounts.end());  // newest entry first
  for (std::size_t i = 0; i < result.accounts.size(); ++i) slot_of[result.accounts[i].code] = i;

  const std::string accounts = AccountCondition(type);
  if (kind == kWeek || kind == kDay) {
    // The period follows the voucher date: statement 703 gives it with each line.
    CDBPack rows;
    rows.Open(Database::LoadStatement(703, accounts + kMovementsOnly), {first_no, last_no});
    for (; !rows.IsEnd(); rows.MoveNext()) {
      int period = index_of(rows.GetLong("Voucher_No"), rows.GetDate("Input_Time"));
      auto it = slot_of.find(rows.GetText("Item_No"));
      if (it == slot_of.end() || period < 0 || period >= result.period_count) continue;
      double cash = rows.GetDouble("Cash");
      result.accounts[it->second].values[period] += rows.GetBool("IsDebit") ? -cash : cash;
    }
    return result;
  }
  if (WholeMonths(first_no, last_no)) {
    // The voucher number gives the period, and whole months give it by their totals.
    for (const MonthSums& m : MovementsByMonth(accounts, first_no / 1000, last_no / 1000)) {
      auto it = slot_of.find(m.item);
      int period = index_of(m.month * 1000 + 1, 0);
      if (it == slot_of.end() || period < 0 || period >= result.period_count) continue;
      result.accounts[it->second].values[period] += m.loan - m.debit;
    }
    return result;
  }
  // A span that cuts months: the lines come from the account index (statement
  // 902), per account in number and line order.
  const std::vector<int> openings = OpeningVouchers(first_no, last_no);
  CDBPack rows;
  rows.Open(Database::LoadStatement(902, accounts), {first_no, last_no});
  std::string item;  // the account of the rows being read, and its values
  std::vector<double>* values = nullptr;
  bool looked_up = false;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    int number = rows.GetLong("Voucher_No");
    if (IsOpening(openings, number)) continue;
    std::string code = rows.GetText("Item_No");
    if (!looked_up || code != item) {
      auto it = slot_of.find(code);
      values = it == slot_of.end() ? nullptr : &result.accounts[it->second].values;
      item = std::move(code);
      looked_up = true;
    }
    int period = index_of(number, 0);
    if (values == nullptr || period < 0 || period >= result.period_count) continue;
    double cash = rows.GetDouble("Cash");
    (*values)[period] += rows.GetBool("IsDebit") ? -cash : cash;
  }
  return result;
}

}  // namespace cw
