// projection: the family property projection.
//   projection items
//   projection add <item options>
//   projection change ID <item options>
//   projection delete ID
//   projection --to YYYY-MM [--detail]
// Item options are the stored fields, checked as the item dialog checks them:
//   --type 1|2|100 --content TEXT --frequency 4|5|6 [--start YYYY-MM] [--end YYYY-MM]
//   --cash-type 0|1|2 --cash X [--increase X --increase-frequency 4|5|6 --increase-type 0|1]
// Rates and shares are fractions: --cash 0.3 is 30%.
#include <algorithm>
#include <string>

#include "base/gbk_text.h"
#include "budget/budget_texts.h"
#include "budget/projection.h"
#include "budget/property_items.h"
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/grid_output.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"

namespace cw::cli {
namespace {

constexpr std::size_t kContentLimit = 50;  // bytes as the GBK code page counts them

constexpr OptionSpec kItemOptions[] = {
    {"type", true},     {"content", true},  {"frequency", true},          {"start", true},         {"end", true},
    {"cash-type", true}, {"cash", true},    {"increase", true},           {"increase-frequency", true},
    {"increase-type", true},
};
constexpr OptionSpec kResultOptions[] = {{"to", true}, {"detail", false}};

constexpr char kItemUsage[] =
    "--type 1|2|100 --content TEXT --frequency 4|5|6 [--start YYYY-MM] [--end YYYY-MM] --cash-type 0|1|2 --cash X "
    "[--increase X --increase-frequency 4|5|6 --increase-type 0|1]";

int Frequency(const std::string& text, const char* what) {
  const int frequency = ParseInteger(text, what);
  if (frequency < kFrequencyMonthly || frequency > kFrequencyYearly) throw BadInput(std::string(what) + ": 4, 5 or 6");
  return frequency;
}

int MonthDate(const std::string& text, const char* what) {
  const YearMonth month = ParseYearMonth(text, what);
  return SerialDay(month.year, month.month, 1);
}

PropertyItem ItemOf(const VerbOptions& options) {
  PropertyItem item;
  item.type = ParseInteger(options.Required("type"), "--type");
  if (std::find(std::begin(kEnterableItemTypes), std::end(kEnterableItemTypes), item.type) ==
      std::end(kEnterableItemTypes))
    throw BadInput("--type: 1 (日常收入), 2 (日常支出) or 100 (通货膨胀率)");
  const ItemTypeDefaults defaults = DefaultsOfItemType(item.type);
  item.content = options.Required("content");
  if (item.content.empty()) throw BadInput("--content: " + std::string(budget_text::kNoDescription));
  if (GbkLength(item.content) > kContentLimit)
    throw BadInput("--content: at most 50 bytes (a Chinese character takes two)");
  item.cash_frequency = Frequency(options.Required("frequency"), "--frequency");
  if (auto start = options.Value("start")) item.start_date = MonthDate(*start, "--start");
  if (auto end = options.Value("end")) item.end_date = MonthDate(*end, "--end");
  item.cash_type = ParseInteger(options.Required("cash-type"), "--cash-type");
  if (std::find(defaults.cash_kinds.begin(), defaults.cash_kinds.end(), item.cash_type) == defaults.cash_kinds.end())
    throw BadInput("--cash-type " + std::to_string(item.cash_type) + " is not offered for " + ItemTypeName(item.type));
  item.cash = ParseNumber(options.Required("cash"), "--cash");
  if (item.cash < 0) throw BadInput("--cash: " + std::string(budget_text::kAmountNotPositive));
  if (options.Has("increase")) {
    if (!defaults.adjustable) throw BadInput("--increase: only regular income (--type 1) is adjusted");
    item.increase = ParseNumber(options.Required("increase"), "--increase");
    if (item.increase < 0) throw BadInput("--increase: not below 0");
    item.increase_frequency = Frequency(options.Required("increase-frequency"), "--increase-frequency");
    item.increase_type = ParseInteger(options.Required("increase-type"), "--increase-type");
    if (item.increase_type != kIncreaseFixed && item.increase_type != kIncreasePercent)
      throw BadInput("--increase-type: 0 (固定金额) or 1 (百分比)");
  } else if (options.Has("increase-frequency") || options.Has("increase-type")) {
    throw BadInput("--increase-frequency and --increase-type go with --increase");
  }
  if (auto refusal = CheckPropertyItem(item)) throw BadInput(refusal->message);
  return item;
}

Document ItemsDocument() {
  Table table = TableOfGrid(PropertyItemTable(ReadPropertyItems()));
  table.window.title = budget_text::kItemsTitle;
  return {{"items", std::move(table)}};
}

int ItemNumber(const std::string& text) {
  const int id = ParseInteger(text, "ID");
  if (!ReadPropertyItem(id)) throw BadInput("there is no item " + text);
  return id;
}

Document ListItems(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  return ItemsDocument();
}

Document AddItem(Invocation& invocation) {
  VerbOptions options = invocation.Options(kItemOptions);
  const PropertyItem item = ItemOf(options);
  OpenLedger(invocation);
  if (AddPropertyItem(item) == 0) throw Failed("the item was not stored");
  return ItemsDocument();
}

Document ChangeItem(Invocation& invocation) {
  VerbOptions options = invocation.Options(kItemOptions, 1);
  PropertyItem item = ItemOf(options);
  OpenLedger(invocation);
  item.id = ItemNumber(options.positionals()[0]);
  if (!ChangePropertyItem(item)) throw Failed("the item was not changed");
  return ItemsDocument();
}

Document DeleteItem(Invocation& invocation) {
  VerbOptions options = invocation.Options({}, 1);
  OpenLedger(invocation);
  if (!DeletePropertyItem(ItemNumber(options.positionals()[0]))) throw Failed("the item was not deleted");
  return ItemsDocument();
}

Document ShowProjection(Invocation& invocation) {
  VerbOptions options = invocation.Options(kResultOptions);
  const YearMonth end = ParseYearMonth(options.Required("to"), "--to");
  const int today = Today();
  const Ymd now = DateOfSerialDay(today);
  if (end.year * 100 + end.month < now.year * 100 + now.month) throw BadInput("--to is before the current month");
  OpenLedger(invocation);
  const Projection projection = Project(ReadProjectionInput(today, end.year * 100 + end.month));
  Table table = TableOfGrid(ProjectionTable(projection, options.Has("detail")));
  table.window.title = budget_text::kProjectionTitle;
  return {{"projection", std::move(table)}};
}

}  // namespace

Document RunProjection(Invocation& invocation) {
  static const std::string add_usage = std::string("projection add ") + kItemUsage;
  static const std::string change_usage = std::string("projection change ID ") + kItemUsage;
  const VerbForm forms[] = {
      {"items", "projection items", ListItems},
      {"add", add_usage, AddItem},
      {"change", change_usage, ChangeItem},
      {"delete", "projection delete ID", DeleteItem},
  };
  if (auto document = RunVerbForm(invocation, forms)) return *document;
  // The plain form keeps the verb's access: it logs in like every form.
  Invocation result = invocation.Form(invocation.words, "projection --to YYYY-MM [--detail]");
  return ShowProjection(result);
}

}  // namespace cw::cli
