#include "core/balances.h"

#include <algorithm>
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
constexpr char kInitialOnly[] = " AND A.Input_Type=1";

int SerialOfYmd(int yyyymmdd) { return SerialDay(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }
int YmdOfSerial(int serial) {
  Ymd d = DateOfSerialDay(serial);
  return d.year * 10000 + d.month * 100 + d.day;
}
int MonthIndex(int yyyymmdd) { return yyyymmdd / 10000 * 12 + yyyymmdd / 100 % 100; }

// Whole days between two dates, rounded to the nearest day.
int WholeDays(double from, double to) { return static_cast<int>(std::floor(to - from + 0.5)); }

// Sums lines read by `rows` (columns Cash, IsDebit) by the sign rule of `type`.
double SumByRule(CDBPack& rows, int type) {
  double sum = 0;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    double cash = rows.GetDouble("Cash");
    sum += IncreasesBalance(type, rows.GetBool("IsDebit")) ? cash : -cash;
  }
  return sum;
}

// Walks statement 703 over s..e for accounts of `type` and returns one value per
// date period, the sign rule applied; `opening` starts period 0.
std::vector<double> DateSeries(int type, int kind, int from, int to, int s, int e, double opening) {
  std::vector<double> values(PeriodCount(kind, from, to), 0.0);
  if (values.empty()) return values;
  values[0] = opening;
  auto slot_of = [&](int ymd) {
    int slot = PeriodCount(kind, from, ymd) - 1;
    return slot >= 0 && slot < static_cast<int>(values.size()) ? slot : -1;
  };
  CDBPack rows;
  rows.Open(Database::LoadStatement(703, AccountCondition(type) + kMovementsOnly), {s, e});
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

std::vector<std::pair<double, double>> IncomeExpenseSeries(int kind, int from, int to, bool with_opening) {
  if (kind > kByDay || kind < 0 || to < from) return {};
  const int s = PeriodBound(kind, CutToKind(kind, from), true);
  const int e = PeriodBound(kind, CutToKind(kind, to), false);
  std::vector<double> series[2];
  const int types[2] = {kTypeIncome, kTypeExpense};
  for (int k = 0; k < 2; ++k) {
    double opening = 0;
    if (with_opening) {
      std::string accounts = AccountCondition(types[k]);
      CDBPack before;
      before.Open(Database::LoadStatement(707, accounts + kMovementsOnly), {s});
      opening = SumByRule(before, types[k]);
      CDBPack initial;
      initial.Open(Database::LoadStatement(706, accounts + kInitialOnly));
      opening += SumByRule(initial, types[k]);
    }
    series[k] = DateSeries(types[k], kind, from, to, s, e, opening);
  }
  std::vector<std::pair<double, double>> pairs(series[0].size());
  for (std::size_t i = 0; i < pairs.size(); ++i) pairs[i] = {series[0][i], -series[1][i]};
  return pairs;
}

std::vector<double> IncomeSeries(int kind, int from, int to) {
  if (kind > kByDay || kind < 0 || to < from) return {};
  return DateSeries(kTypeIncome, kind, from, to, PeriodBound(kind, CutToKind(kind, from), true),
                    PeriodBound(kind, CutToKind(kind, to), false), 0);
}

CategorySeries CategoryAccountSeries(bool income, int kind, int first_no, int last_no) {
  CategorySeries result;
  auto year = [](int n) { return n / 100000; };
  auto month = [](int n) { return n / 1000 % 100; };
  // Period count and index by the voucher-number family.
  int first_date = Today(), last_date = Today();
  if (kind == kWeek || kind == kDay) {
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

  CDBPack rows;
  rows.Open(Database::LoadStatement(703, AccountCondition(type) + kMovementsOnly), {first_no, last_no});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    int period = index_of(rows.GetLong("Voucher_No"), rows.GetDate("Input_Time"));
    auto it = slot_of.find(rows.GetText("Item_No"));
    if (it == slot_of.end() || period < 0 || period >= result.period_count) continue;
    double cash = rows.GetDouble("Cash");
    result.accounts[it->second].values[period] += rows.GetBool("IsDebit") ? -cash : cash;
  }
  return result;
}

}  // namespace cw
