// report: the balance figures of the ledger.
//   net-property    the family's property before a month
//   income-expense  income, expense and their balance per calendar period
//   category        per income or expense account one value per period
#include <algorithm>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/balances.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kNetPropertyOptions[] = {{"before", true}};
constexpr OptionSpec kIncomeExpenseOptions[] = {{"period", true}, {"from", true}, {"to", true}};
constexpr OptionSpec kCategoryOptions[] = {
    {"income", false}, {"expense", false}, {"period", true}, {"from", true}, {"to", true}};

struct PeriodName {
  std::string_view name;
  int kind;
};

int PeriodKind(const std::string& text, std::initializer_list<PeriodName> names) {
  std::string known;
  for (const PeriodName& p : names) {
    if (p.name == text) return p.kind;
    known += (known.empty() ? "" : "|") + std::string(p.name);
  }
  throw BadInput("--period: \"" + text + "\" is not one of " + known);
}

int Yyyymmdd(int serial) {
  Ymd d = DateOfSerialDay(serial);
  return d.year * 10000 + d.month * 100 + d.day;
}

Document NetPropertyReport(Invocation& invocation) {
  VerbOptions options = invocation.Options(kNetPropertyOptions);
  const YearMonth before = ParseYearMonth(options.Required("before"), "--before");
  OpenLedger(invocation);
  // Below the first number of the month: every voucher of the months before it.
  const int bound = before.year * 100000 + before.month * 1000;
  return {{"net_property", Record{{{"before", "截至"}, StrFormat("%04d-%02d", before.year, before.month)},
                                  {{"net_property", "净资产", Format::kAmount}, NetProperty(bound)}}}};
}

// The label of period `index` of a calendar-period series starting at `from`.
std::string DatePeriodLabel(int kind, int from_serial, int index) {
  const Ymd from = DateOfSerialDay(from_serial);
  switch (kind) {
    case kByYear: return std::to_string(from.year + index);
    case kByMonth: {
      int yyyymm = MonthAdd(from.year, from.month, index);
      return StrFormat("%04d-%02d", yyyymm / 100, yyyymm % 100);
    }
    default: return IsoDate(from_serial + index);
  }
}

Document IncomeExpenseReport(Invocation& invocation) {
  VerbOptions options = invocation.Options(kIncomeExpenseOptions);
  const int kind =
      PeriodKind(options.Required("period"), {{"year", kByYear}, {"month", kByMonth}, {"day", kByDay}});
  const int from = ParseDate(options.Required("from"), "--from");
  const int to = ParseDate(options.Required("to"), "--to");
  if (to < from) throw BadInput("--to is before --from");
  const Ymd first = DateOfSerialDay(from), last = DateOfSerialDay(to);
  CheckPeriodCount(kind == kByDay     ? to - from + 1
                   : kind == kByMonth ? (last.year - first.year) * 12LL + last.month - first.month + 1
                                      : last.year - first.year + 1);
  OpenLedger(invocation);

  Table table{{{"period", "期间"},
               {"income", "收入", Format::kAmount},
               {"expense", "支出", Format::kAmount},
               {"balance", "结余", Format::kAmount}},
              {}};
  const auto series = IncomeExpenseSeries(kind, Yyyymmdd(from), Yyyymmdd(to), false);
  for (std::size_t i = 0; i < series.size(); ++i) {
    const auto [income, expense] = series[i];
    table.rows.push_back({DatePeriodLabel(kind, from, static_cast<int>(i)), income, expense, income - expense});
  }
  return {{"periods", std::move(table)}};
}

// The label of period `index` of a voucher-number series starting with voucher
// `first` (whose date is `first_date` for weeks and days).
std::string NumberPeriodLabel(int kind, int first, int first_date, int index) {
  const int year = VoucherYear(first), month = VoucherMonth(first);
  switch (kind) {
    case kYear: return std::to_string(year + index);
    case kQuarter: {
      const int quarter = (month - 1) / 3 + index;
      return StrFormat("%04dQ%d", year + quarter / 4, quarter % 4 + 1);
    }
    case kMonth: {
      int yyyymm = MonthAdd(year, month, index);
      return StrFormat("%04d-%02d", yyyymm / 100, yyyymm % 100);
    }
    case kWeek: return IsoDate(first_date + 7 * index);  // the week's first day
    default: return IsoDate(first_date + index);
  }
}

Document CategoryReport(Invocation& invocation) {
  VerbOptions options = invocation.Options(kCategoryOptions);
  if (options.Has("income") == options.Has("expense")) throw BadInput("give one of --income and --expense");
  const bool income = options.Has("income");
  const int kind = PeriodKind(options.Required("period"), {{"year", kYear},
                                                           {"quarter", kQuarter},
                                                           {"month", kMonth},
                                                           {"week", kWeek},
                                                           {"day", kDay}});
  const YearMonth from = ParseYearMonth(options.Required("from"), "--from");
  const YearMonth to = ParseYearMonth(options.Required("to"), "--to");
  const int first = MonthFirstNumber(from.year, from.month);
  const int last = MonthLastNumber(to.year, to.month);
  if (last < first) throw BadInput("--to is before --from");
  const long long days = SerialDay(to.year, to.month + 1, 0) - SerialDay(from.year, from.month, 1) + 1;
  CheckPeriodCount(kind == kDay ? days : kind == kWeek ? days / 7 + 1 : (to.year - from.year) * 12LL + to.month - from.month + 1);
  OpenLedger(invocation);

  const CategorySeries series = CategoryAccountSeries(income, kind, first, last);
  Table table{{{"code", "代码"}, {"name", "名称"}}, {}};
  for (int i = 0; i < series.period_count; ++i) {
    std::string label = NumberPeriodLabel(kind, first, series.first_date, i);
    table.columns.push_back({label, label, Format::kAmount});
  }
  // The series counts credits; an expense shows as the positive amount spent.
  const double sign = income ? 1 : -1;
  CItemCache& chart = CItemCache::Instance();
  std::vector<AccountSeries> accounts = series.accounts;
  std::sort(accounts.begin(), accounts.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
  for (const AccountSeries& account : accounts) {
    std::vector<Value> row{account.code, chart.NameOf(account.code)};
    for (double value : account.values) row.push_back(sign * value + 0.0);  // + 0.0: no "-0.00"
    table.rows.push_back(std::move(row));
  }
  return {{"accounts", std::move(table)}};
}

}  // namespace

Document RunReport(Invocation& invocation) {
  static constexpr VerbForm kForms[] = {
      {"net-property", "report net-property --before YYYY-MM", NetPropertyReport},
      {"income-expense", "report income-expense --period year|month|day --from YYYY-MM-DD --to YYYY-MM-DD",
       IncomeExpenseReport},
      {"category",
       "report category --income|--expense --period year|quarter|month|week|day --from YYYY-MM --to YYYY-MM",
       CategoryReport},
  };
  if (auto document = RunVerbForm(invocation, kForms)) return *document;
  const std::string what = FormWord(invocation);
  if (what.empty()) throw BadInput("report what? net-property, income-expense or category");
  throw BadInput("unknown report \"" + what + "\": net-property, income-expense or category");
}

}  // namespace cw::cli
