// entries, search, initial: the tables of the daily entry window, built by the
// same code the window uses, and the opening amounts of page 32907.
#include <algorithm>
#include <optional>

#include "base/gbk_text.h"
#include "base/scripted_prompter.h"
#include "bookkeeping/booking/search_conditions.h"
#include "bookkeeping/entries/date_scope.h"
#include "bookkeeping/entries/entry_caption.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_table.h"
#include "bookkeeping/entries/initial_assets.h"
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/grid_output.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/ledger_model.h"
#include "core/session.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kEntriesOptions[] = {{"page", true}, {"from", true}, {"to", true}};
constexpr OptionSpec kSearchOptions[] = {{"page", true},      {"text", true},          {"from", true},
                                         {"to", true},        {"amount-eq", true},     {"amount-gt", true},
                                         {"amount-lt", true}, {"amount-between", true}};
constexpr OptionSpec kInitialSetOptions[] = {{"date", true}, {"content", true}, {"counter", true}};

constexpr char kInitialSetUsage[] =
    "initial set CODE AMOUNT [--date YYYY-MM-DD] [--content TEXT] [--counter CODE]";

Record PageRecord(const EntryTable& page) {
  const EntryCaption caption = CaptionOf(page);
  Record record{{{"page", "页面", Format::kNumber}, page.Page()}, {{"title", "标题"}, caption.title}};
  if (!caption.range_line.empty()) record.push_back({{"range", "日期范围"}, RangeText(page.Range())});
  return record;
}

int EntryPageOf(const VerbOptions& options) {
  const int page = ParseInteger(options.Required("page"), "--page");
  if (PageClass(page) != 1) throw BadInput("--page: entry pages are 32900 to 32908");
  return page;
}

VoucherRange MonthsOf(const VerbOptions& options) {
  const cw::YearMonth today = MonthOfDay(Today());
  cw::YearMonth from = today, to = today;
  if (auto text = options.Value("from")) {
    const cli::YearMonth month = ParseYearMonth(*text, "--from");
    from = {month.year, month.month};
    if (!options.Has("to")) to = from;
  }
  if (auto text = options.Value("to")) {
    const cli::YearMonth month = ParseYearMonth(*text, "--to");
    to = {month.year, month.month};
  }
  if (to.year * 100 + to.month < from.year * 100 + from.month) throw BadInput("--to is before --from");
  return MonthsRange(from, to);
}

// The amount condition of the search: at most one of the four options.
void ReadAmountCondition(const VerbOptions& options, SearchConditions& c) {
  struct Choice {
    const char* option;
    AmountComparison comparison;
  } constexpr kChoices[] = {{"amount-eq", AmountComparison::kEqual},
                            {"amount-gt", AmountComparison::kGreater},
                            {"amount-lt", AmountComparison::kLess},
                            {"amount-between", AmountComparison::kBetween}};
  for (const Choice& choice : kChoices) {
    auto text = options.Value(choice.option);
    if (!text) continue;
    if (c.amount_on) throw BadInput("give one amount condition only");
    c.amount_on = true;
    c.comparison = choice.comparison;
    c.amount1 = ParseNumber(*text, std::string("--") + choice.option);
  }
  if (c.comparison == AmountComparison::kBetween && c.amount_on) {
    c.amount2 = ParseNumber(options.positionals().at(0), "the upper amount of --amount-between");
    if (c.amount2 < c.amount1) throw BadInput("--amount-between X Y: the lower amount X comes first");
  }
}

SearchConditions ReadSearch(const VerbOptions& options) {
  SearchConditions c;
  c.page = EntryPageOf(options);
  if (auto text = options.Value("text")) {
    c.text_on = true;
    c.text = *text;
  }
  if (options.Has("from") != options.Has("to")) throw BadInput("--from and --to go together");
  if (options.Has("from")) {
    c.dates_on = true;
    c.first_day = ParseDate(options.Required("from"), "--from");
    c.last_day = ParseDate(options.Required("to"), "--to");
    if (c.last_day < c.first_day) throw BadInput("--to is before --from");
  }
  ReadAmountCondition(options, c);
  if (std::string why = CheckSearch(c); !why.empty()) throw BadInput(why);
  return c;
}

// A cell typed in as on the initial-assets page; the page's refusal becomes bad input.
void Edit(GridModel& table, int row, int column, const std::string& text) {
  ScriptedPrompter refusals;
  if (!CheckInitialEdit(table, row, column, text, refusals))
    throw BadInput(refusals.shown.empty() ? "refused" : refusals.shown.front().text);
  table.SetCell(row, column, text);
  InitialEditStored(table, row, column);
}

Document InitialDocument(const GridModel& grid) {
  Table table = TableOfGrid(grid);
  table.window.title = PageTitle(kPageInitial);
  return {{"initial", std::move(table)}};
}

Document SetInitialAmount(Invocation& invocation) {
  VerbOptions options = invocation.Options(kInitialSetOptions, 2);
  const std::string& code = options.positionals()[0];
  const std::string amount = options.positionals()[1];
  ParseNumber(amount, "AMOUNT");
  if (auto content = options.Value("content"); content && GbkLength(*content) > kInitialDescriptionLimit)
    throw BadInput("--content: at most 50 bytes (a Chinese character takes two)");
  OpenLedger(invocation);

  GridModel table = BuildInitialTable(Today());
  const int row = InitialRowOf(table, code);
  if (row < 0) throw BadInput(code + " is not an asset or liability account");
  const int amount_column = InitialAmountColumn(code);
  if (!InitialCellEditable(table, row, amount_column, LoggedInPerson()))
    throw BadInput("the opening amount of " + code + " was entered by another user or is audited");
  if (auto date = options.Value("date")) Edit(table, row, kInitialDate, *date);
  if (auto content = options.Value("content")) Edit(table, row, kInitialDescription, *content);
  Edit(table, row, amount_column, amount);

  const std::string counter = options.Value("counter").value_or("");
  switch (SaveInitialAssets(table, LoggedInPerson(), [&counter] { return counter; })) {
    case InitialSaveResult::kNoCounterAccount:
      throw BadInput(counter.empty() ? "no initial-income account: give one with --counter CODE"
                                     : "--counter: " + counter + " is not an income account without sub-accounts");
    case InitialSaveResult::kFailed: throw Failed("the opening amount was not saved");
    case InitialSaveResult::kNothingEdited:
    case InitialSaveResult::kSaved: break;
  }
  return InitialDocument(table);
}

}  // namespace

Document RunEntries(Invocation& invocation) {
  VerbOptions options = invocation.Options(kEntriesOptions);
  const int page = EntryPageOf(options);
  const VoucherRange range = MonthsOf(options);
  OpenLedger(invocation);
  EntryTable entries(page, range);
  Table table = TableOfGrid(entries.Build());
  table.window = EntryOutput(entries);
  return {{"page", PageRecord(entries)}, {"entries", std::move(table)}};
}

Document RunSearch(Invocation& invocation) {
  // --amount-between takes two amounts; the second stands as a plain word, also
  // when the first is joined to the option (--amount-between=5 10).
  const bool between = std::any_of(invocation.words.begin(), invocation.words.end(), [](const std::string& word) {
    return word == "--amount-between" || word.starts_with("--amount-between=");
  });
  VerbOptions options = invocation.Options(kSearchOptions, between ? 1 : 0);
  const SearchConditions conditions = ReadSearch(options);
  OpenLedger(invocation);
  EntryTable results(conditions);
  Table table = TableOfGrid(results.Build());
  table.window = EntryOutput(results);
  Record record = PageRecord(results);
  record.push_back({{"conditions", "查找条件"}, DescribeSearch(conditions)});
  record.push_back({{"found", "找到", Format::kNumber}, results.FoundCount()});
  return {{"search", std::move(record)}, {"entries", std::move(table)}};
}

Document RunInitial(Invocation& invocation) {
  std::vector<std::string> words = TakeGlobalOptions(invocation.words, invocation.globals);
  if (!words.empty() && words[0] == "set") {
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    Invocation sub = invocation.Form(rest, kInitialSetUsage);
    return SetInitialAmount(sub);
  }
  invocation.Options({});
  OpenLedger(invocation);
  return InitialDocument(BuildInitialTable(Today()));
}

}  // namespace cw::cli
