// budget: the everyday budgets of the budget window.
//   budget list --income|--expense [--compare]
//   budget set --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY CODE=AMOUNT ... [--replace]
//   budget delete --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY
// The accounts named to `budget set` make up the whole budget; an existing
// budget is replaced only with --replace.
#include <string>

#include "base/gbk_text.h"
#include "base/scripted_prompter.h"
#include "budget/budget_commands.h"
#include "budget/budget_key.h"
#include "budget/budget_table.h"
#include "budget/budget_texts.h"
#include "cli/cli_error.h"
#include "cli/grid_output.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/ledger_model.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kListOptions[] = {{"income", false}, {"expense", false}, {"compare", false}};
constexpr OptionSpec kPeriodOptions[] = {{"income", false}, {"expense", false}, {"month", true},
                                         {"quarter", true}, {"year", true},     {"replace", false}};

int CategoryOf(const VerbOptions& options) {
  if (options.Has("income") == options.Has("expense")) throw BadInput("give --income or --expense");
  return options.Has("income") ? kBudgetIncome : kBudgetExpense;
}

int KeyOf(const VerbOptions& options) {
  struct Choice {
    const char* option;
    BudgetKind kind;
    const char* form;
  } constexpr kChoices[] = {{"month", BudgetKind::kMonth, "YYYY-MM"},
                            {"quarter", BudgetKind::kQuarter, "YYYY-Q (quarter 1-4)"},
                            {"year", BudgetKind::kYear, "YYYY"}};
  int key = 0;
  for (const Choice& choice : kChoices) {
    auto text = options.Value(choice.option);
    if (!text) continue;
    if (key != 0) throw BadInput("give one of --month, --quarter and --year");
    auto parsed = ParseBudgetPeriod(choice.kind, *text);
    if (!parsed) throw BadInput(std::string("--") + choice.option + ": expected " + choice.form + " of 1900-9999, got " + *text);
    key = *parsed;
  }
  if (key == 0) throw BadInput("give --month, --quarter or --year");
  return key;
}

// The budget table with, after the cells, the titles of the cells that missed
// their plan (shown red in the window).
Table BudgetTableOf(const GridModel& grid) {
  Table table = TableOfGrid(grid);
  table.columns.push_back({"missed", "未达预算", Format::kText});
  for (int r = 0; r < grid.RowCount(); ++r) {
    std::string missed;
    const GridRow& row = grid.Row(r);
    for (std::size_t c = 0; c < row.text_colours.size(); ++c) {
      if (row.text_colours[c]) missed += (missed.empty() ? "" : "、") + grid.Column(static_cast<int>(c)).title;
    }
    table.rows[r].push_back(missed);
  }
  return table;
}

Document ListBudgets(Invocation& invocation) {
  VerbOptions options = invocation.Options(kListOptions);
  const int category = CategoryOf(options);
  OpenLedger(invocation);
  Table table = BudgetTableOf(BuildBudgetTable(category, options.Has("compare")));
  table.window.title = PageTitle(category == kBudgetIncome ? kIncomeBudgetPage : kExpenseBudgetPage);
  return {{"budgets", std::move(table)}};
}

// CODE=AMOUNT words, each naming a leaf account of the category once.
std::vector<BudgetLine> AmountsOf(const std::vector<std::string>& words, int category) {
  const std::vector<BudgetAccount> accounts = BudgetAccounts(category);
  std::vector<BudgetLine> lines;
  for (const std::string& word : words) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos) throw BadInput("expected CODE=AMOUNT, got " + word);
    const std::string code = word.substr(0, equals);
    const double cash = ParseNumber(word.substr(equals + 1), code);
    bool known = false;
    for (const BudgetAccount& account : accounts) known = known || account.code == code;
    if (!known)
      throw BadInput(code + " is not " + (category == kBudgetIncome ? "an income" : "an expense") +
                     " account without sub-accounts");
    for (const BudgetLine& line : lines)
      if (line.item == code) throw BadInput(code + " is named twice");
    lines.push_back({code, cash});
  }
  return lines;
}

Document SetBudget(Invocation& invocation) {
  // Every plain word is an amount; the syntax counts them first.
  std::size_t amounts = 0;
  for (const std::string& word : invocation.words) amounts += word.rfind("--", 0) != 0 && word.find('=') != std::string::npos;
  VerbOptions options = invocation.Options(kPeriodOptions, amounts);
  const int category = CategoryOf(options);
  const int key = KeyOf(options);
  if (amounts == 0) throw BadInput("give the amounts as CODE=AMOUNT");
  OpenLedger(invocation);
  const std::vector<BudgetLine> lines = AmountsOf(options.positionals(), category);

  // The question whether to replace is answered by --replace.
  ScriptedPrompter answers;
  answers.answers.push_back(options.Has("replace"));
  switch (SaveBudget(category, 0, key, lines, answers)) {
    case BudgetSaveResult::kSaved: break;
    case BudgetSaveResult::kFailed: throw Failed("the budget was not saved");
    case BudgetSaveResult::kRefused:
      if (answers.shown.back().text == budget_text::kAlreadyExists) throw Failed(budget_text::kAlreadyExists);
      throw BadInput(answers.shown.back().text);
  }
  Record record{{{"key", "键", Format::kNumber}, key},
                {{"type", "预算类型"}, BudgetTypeText(key)},
                {{"period", "日期范围"}, BudgetPeriodText(key)},
                {{"total", "预算金额累计", Format::kAmount}, BudgetTotal(lines)}};
  return {{"budget", std::move(record)}};
}

Document DeleteBudget(Invocation& invocation) {
  VerbOptions options = invocation.Options(kPeriodOptions);
  if (options.Has("replace")) throw BadInput("--replace belongs to budget set");
  const int category = CategoryOf(options);
  const int key = KeyOf(options);
  OpenLedger(invocation);
  if (ReadBudget(category, key).empty()) throw BadInput("there is no " + BudgetPeriodText(key) + " budget");
  if (!DeleteBudgets(category, {key})) throw Failed("the budget was not deleted");
  return {{"deleted", Record{{{"key", "键", Format::kNumber}, key}, {{"period", "日期范围"}, BudgetPeriodText(key)}}}};
}

}  // namespace

Document RunBudget(Invocation& invocation) {
  const VerbForm forms[] = {
      {"list", "budget list --income|--expense [--compare]", ListBudgets},
      {"set",
       "budget set --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY CODE=AMOUNT ... [--replace]",
       SetBudget},
      {"delete", "budget delete --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY", DeleteBudget},
  };
  if (auto document = RunVerbForm(invocation, forms)) return *document;
  throw BadInput("budget: say list, set or delete");
}

}  // namespace cw::cli
