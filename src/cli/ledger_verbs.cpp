// The ledgers and the records of one day, built by the same code as the windows.
//   ledger detail   明细表 of one account over a range of months
//   ledger balance  余额表 of one account category over a range of months
//   day             记账详细数据 of one day
//   check           the month totals against the voucher lines
#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/grid_output.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/item_cache.h"
#include "core/ledger_audit.h"
#include "core/ledger_model.h"
#include "reports/ledgers/day_records.h"
#include "reports/ledgers/ledger_page.h"
#include "reports/ledgers/ledger_tables.h"
#include "store/data_file.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kDetailOptions[] = {{"account", true}, {"from", true}, {"to", true}};
constexpr OptionSpec kBalanceOptions[] = {{"type", true}, {"from", true}, {"to", true}};
constexpr OptionSpec kDayOptions[] = {{"date", true}, {"income", false}, {"expense", false}};

// Rows on the total-row background are totals (detail and day tables) or
// summary accounts (balance tables).
RowClassNamer ClassNamer(const char* green) {
  return [green](const GridRow& row) { return std::string(row.background ? green : "plain"); };
}

LedgerRange RangeOf(const VerbOptions& options) {
  const YearMonth from = ParseYearMonth(options.Required("from"), "--from");
  const YearMonth to = ParseYearMonth(options.Required("to"), "--to");
  if (to.year * 100 + to.month < from.year * 100 + from.month) throw BadInput("--to is before --from");
  return LedgerRange::OfMonths(from.year * 100 + from.month, to.year * 100 + to.month);
}

Document DetailLedger(Invocation& invocation) {
  VerbOptions options = invocation.Options(kDetailOptions);
  const std::string account = options.Required("account");
  const LedgerRange range = RangeOf(options);
  OpenLedger(invocation);
  CItemCache& chart = CItemCache::Instance();
  if (!chart.Exists(account)) throw BadInput("--account: no account \"" + account + "\"");
  if (chart.TypeOf(account) == 0) throw BadInput("--account: \"" + account + "\" has no account type");
  const LedgerTable table = BuildDetailTable(account, range);
  std::string path = chart.FullPath(account);
  if (!path.empty()) path.pop_back();  // the closing "\"
  Record caption = {{{"title", "标题"}, table.title},
                    {{"account", "科目"}, path},
                    {{"range", "日期范围"}, RangeText(range)}};
  Table rows = TableOfGrid(table.grid, ClassNamer("total"));
  rows.window = LedgerOutput(PageOfType(chart.TypeOf(account), true), account, range);
  return {{"caption", std::move(caption)}, {"rows", std::move(rows)}};
}

Document BalanceLedger(Invocation& invocation) {
  VerbOptions options = invocation.Options(kBalanceOptions);
  const int type = ParseInteger(options.Required("type"), "--type");
  if (type < kTypeIncome || type > kTypeCreditCard) throw BadInput("--type: an account type from 1 to 8");
  const LedgerRange range = RangeOf(options);
  OpenLedger(invocation);
  const LedgerTable table = BuildBalanceTable(type, range);
  Table rows = TableOfGrid(table.grid, ClassNamer("summary"));
  rows.window = LedgerOutput(PageOfType(type, false), "", range);
  // The tree: each account's depth below the top level.
  rows.columns.push_back({"level", "层级", Format::kNumber});
  for (std::size_t r = 0; r < rows.rows.size(); ++r) rows.rows[r].push_back(table.grid.Row(static_cast<int>(r)).level);
  Record caption = {{{"title", "标题"}, table.title}, {{"range", "日期范围"}, RangeText(range)}};
  if (table.span) caption.push_back({{"movements", "本期发生额"}, table.span->title});
  return {{"caption", std::move(caption)}, {"rows", std::move(rows)}};
}

}  // namespace

Document RunLedger(Invocation& invocation) {
  static constexpr VerbForm kForms[] = {
      {"detail", "ledger detail --account CODE --from YYYY-MM --to YYYY-MM", DetailLedger},
      {"balance", "ledger balance --type N --from YYYY-MM --to YYYY-MM", BalanceLedger},
  };
  if (auto document = RunVerbForm(invocation, kForms)) return *document;
  throw BadInput("ledger: say detail or balance");
}

Document RunDay(Invocation& invocation) {
  VerbOptions options = invocation.Options(kDayOptions);
  if (options.Has("income") && options.Has("expense")) throw BadInput("give at most one of --income and --expense");
  const int date = ParseDate(options.Required("date"), "--date");
  const DayRecordsMode mode = options.Has("income")    ? DayRecordsMode::kIncome
                              : options.Has("expense") ? DayRecordsMode::kExpense
                                                       : DayRecordsMode::kBoth;
  OpenLedger(invocation);
  Record caption = {{{"title", "标题"}, std::string("记账详细数据")}, {{"date", "日期"}, IsoDate(date)}};
  return {{"caption", std::move(caption)}, {"rows", TableOfGrid(BuildDayRecords(mode, date), ClassNamer("total"))}};
}

Document RunCheck(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  // The file, then the ledger's invariants (numbering, lines, balance, month totals).
  std::vector<std::string> problems;
  if (std::string integrity = IntegrityOfOpenDataSet(); !integrity.empty()) problems.push_back("文件：" + integrity);
  for (std::string& problem : AuditLedger()) problems.push_back(std::move(problem));
  if (problems.empty()) {
    return {{"check", Record{{{"status", "检查结果"}, std::string("数据库文件完好，凭证、凭证行和科目月合计一致")}}}};
  }
  std::string list;
  for (const std::string& problem : problems) list += "\n" + problem;
  throw Failed(StrFormat("发现%zu处问题：", problems.size()) + list);
}

}  // namespace cw::cli
