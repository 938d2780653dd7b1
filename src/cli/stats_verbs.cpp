// stats: the tables of the statistics window, built by the same code.
//   balance-sheet   财产负债表 at the end of a month
//   income-expense  收入支出表 per year, month or day
//   category        收入分类表 / 支出分类表
// Each prints a caption record and the table with every row's class (total,
// deficit, heading, summary or plain: the colour the window gives the row).
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/grid_output.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "reports/statistics/balance_sheet.h"
#include "reports/statistics/category_table.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/statistics/statistics_rows.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kBalanceSheetOptions[] = {{"to", true}};
constexpr OptionSpec kIncomeExpenseOptions[] = {
    {"period", true}, {"from", true}, {"to", true}, {"show-zero", false}};
constexpr OptionSpec kCategoryOptions[] = {{"income", false},    {"expense", false},  {"period", true},
                                           {"from", true},       {"to", true},        {"show-zero", false},
                                           {"show-empty-columns", false}};

std::string ClassOf(const GridRow& row) { return RowClassName(RowClassOf(row)); }


// A DATE option: "YYYY-MM-DD", or "YYYY-MM" meaning the month's first day
// (`last` false) or its last day (`last` true).
int DateOption(const VerbOptions& options, std::string_view name, bool last) {
  const std::string& text = options.Required(name);
  const std::string what = "--" + std::string(name);
  if (text.size() == 7) {
    const YearMonth month = ParseYearMonth(text, what);
    return month.year * 10000 + month.month * 100 + (last ? DaysInMonth(month.year, month.month) : 1);
  }
  return YmdOfSerial(ParseDate(text, what));
}

StatRange RangeOf(const VerbOptions& options, StatRange flags) {
  const std::string& period = options.Required("period");
  int kind = -1;
  if (period == "year") kind = kYearPeriod;
  if (period == "month") kind = kMonthPeriod;
  if (period == "day") kind = kDayPeriod;
  if (kind < 0) throw BadInput("--period: \"" + period + "\" is not one of year|month|day");
  const int from = DateOption(options, "from", false);
  const int to = DateOption(options, "to", true);
  if (to < from) throw BadInput("--to is before --from");
  flags.hide_rows = !options.Has("show-zero");
  return ScopeRange(kind, from, to, flags);
}

// The caption record and the table, which carries the texts the window prints
// and exports with it.
Document StatsDocument(const std::string& title, const std::string& range_line, const GridModel& grid) {
  Table rows = TableOfGrid(grid, ClassOf);
  rows.window = {.title = title, .page_header = {range_line}};
  return {{"caption", Record{{{"title", "标题"}, title}, {{"range", "范围"}, range_line}}}, {"rows", std::move(rows)}};
}

Document BalanceSheetReport(Invocation& invocation) {
  VerbOptions options = invocation.Options(kBalanceSheetOptions);
  const YearMonth to = ParseYearMonth(options.Required("to"), "--to");
  OpenLedger(invocation);
  const int bound = CutOffBound(to.year, to.month);
  const BalanceSheet sheet = BuildBalanceSheet(bound);
  return StatsDocument(StatTableName(kBalanceSheetTable), CutOffCaption(bound), sheet.table);
}

Document IncomeExpenseReport(Invocation& invocation) {
  VerbOptions options = invocation.Options(kIncomeExpenseOptions);
  const StatRange range = RangeOf(options, {});
  OpenLedger(invocation);
  return StatsDocument(StatTableName(kIncomeExpenseTable), RangeCaption(range), BuildIncomeExpenseTable(range));
}

Document CategoryReport(Invocation& invocation) {
  VerbOptions options = invocation.Options(kCategoryOptions);
  if (options.Has("income") == options.Has("expense")) throw BadInput("give one of --income and --expense");
  const bool income = options.Has("income");
  // A terminal has no room for empty columns: they are left out unless asked for.
  const StatRange range = RangeOf(options, {.hide_columns = !options.Has("show-empty-columns")});
  OpenLedger(invocation);
  const int table = income ? kIncomeCategoryTable : kExpenseCategoryTable;
  return StatsDocument(StatTableName(table), RangeCaption(range), BuildCategoryTable(income, range));
}

}  // namespace

Document RunStats(Invocation& invocation) {
  static constexpr VerbForm kForms[] = {
      {"balance-sheet", "stats balance-sheet --to YYYY-MM", BalanceSheetReport},
      {"income-expense", "stats income-expense --period year|month|day --from DATE --to DATE [--show-zero]",
       IncomeExpenseReport},
      {"category",
       "stats category --income|--expense --period year|month|day --from DATE --to DATE [--show-zero] "
       "[--show-empty-columns]",
       CategoryReport},
  };
  if (auto document = RunVerbForm(invocation, kForms)) return *document;
  const std::string what = FormWord(invocation);
  if (what.empty()) throw BadInput("stats what? balance-sheet, income-expense or category");
  throw BadInput("unknown table \"" + what + "\": balance-sheet, income-expense or category");
}

}  // namespace cw::cli
