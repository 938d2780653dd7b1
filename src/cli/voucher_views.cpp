// show, vouchers: reading vouchers back.
#include <optional>

#include "bookkeeping/entries/person_names.h"
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kListOptions[] = {{"from", true}, {"to", true}, {"kind-page", true}};

std::string DateText(const CDBPack& rows) { return IsoDate(static_cast<int>(rows.GetDate("Input_Time"))); }

Table LinesOf(int number) {
  Table table{{{"line", "行", Format::kNumber},
               {"content", "说明"},
               {"item", "科目代码"},
               {"item_name", "科目名称"},
               {"cash", "金额", Format::kAmount},
               {"debit", "借贷", Format::kSide}},
              {}};
  CItemCache& chart = CItemCache::Instance();
  CDBPack lines;
  lines.Open(Database::LoadStatement(253), {number});
  for (; !lines.IsEnd(); lines.MoveNext()) {
    std::string item = lines.GetText("Item_No");
    table.rows.push_back({lines.GetShort("Line_No"), lines.GetText("Content"), item, chart.NameOf(item),
                          lines.GetDouble("Cash"), lines.GetBool("IsDebit")});
  }
  return table;
}

}  // namespace

Document RunShow(Invocation& invocation) {
  VerbOptions options = invocation.Options({}, 1);
  const int number = ParseInteger(options.positionals()[0], "voucher number");
  OpenLedger(invocation);
  std::optional<Booking> voucher = ReadVoucher(number);
  if (!voucher) throw BadInput("voucher " + std::to_string(number) + " does not exist");
  PersonNames people;
  Record record{{{"number", "凭证号", Format::kNumber}, number},
                {{"date", "日期"}, IsoDate(voucher->date)},
                {{"kind", "类型代码", Format::kNumber}, voucher->kind},
                {{"kind_name", "类型"}, KindName(voucher->kind)},
                {{"person", "制单"}, people.NameOf(voucher->person_no)},
                {{"checker", "审核"}, people.NameOf(voucher->checker_no)},
                {{"plan", "预约记账", Format::kNumber}, voucher->plan}};
  if (voucher->kind == 40) {
    record.push_back({{"deposit", "存款类型"}, DepositName(DepositIndex(voucher->deposit_code))});
  }
  return {{"voucher", std::move(record)}, {"lines", LinesOf(number)}};
}

Document RunVouchers(Invocation& invocation) {
  VerbOptions options = invocation.Options(kListOptions);
  int first = kAllVouchersFirst, last = kAllVouchersLast;
  if (auto text = options.Value("from")) {
    YearMonth from = ParseYearMonth(*text, "--from");
    first = MonthFirstNumber(from.year, from.month);
  }
  if (auto text = options.Value("to")) {
    YearMonth to = ParseYearMonth(*text, "--to");
    last = MonthLastNumber(to.year, to.month);
  }
  if (last < first) throw BadInput("--to is before --from");
  int page = 0;
  std::string kinds = "1=1";
  if (auto text = options.Value("kind-page")) {
    page = ParseInteger(*text, "--kind-page");
    kinds = KindFilter(page, false, false);
    if (kinds.empty()) throw BadInput("--kind-page: entry pages are 32900 to 32908");
  }
  OpenLedger(invocation);

  PersonNames people;
  Table table{{{"number", "凭证号", Format::kNumber},
               {"date", "日期"},
               {"kind", "类型"},
               {"person", "制单"},
               {"checker", "审核"},
               {"amount", "金额", Format::kAmount},
               {"content", "说明"}},
              {}};
  CDBPack vouchers;
  vouchers.Open(Database::LoadStatement(629, kinds), {first, last});
  for (; !vouchers.IsEnd(); vouchers.MoveNext()) {
    const int number = vouchers.GetLong("Voucher_No");
    const int kind = vouchers.GetByte("Input_Type");
    // Line 0 carries the amount of the form and the description.
    CDBPack line;
    line.Open(Database::LoadStatement(253), {number});
    table.rows.push_back({number, DateText(vouchers), KindName(page ? KindShownOnPage(kind, page) : kind),
                          people.NameOf(vouchers.GetLong("Person_No")), people.NameOf(vouchers.GetLong("Checker_No")),
                          line.GetDouble("Cash"), line.GetText("Content")});
  }
  return {{"vouchers", std::move(table)}};
}

}  // namespace cw::cli
