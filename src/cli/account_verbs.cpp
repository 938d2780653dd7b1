// accounts: the chart of accounts as the cache derives it, and its management:
//   accounts add PARENT NAME [--sibling] [--yes|--no]
//   accounts rename CODE NAME [--type N]
//   accounts delete CODE [--yes|--no]
//   accounts move FROM TO [--yes|--no]
// with the checks and questions of the account page. Running the command is
// the confirmation ("确实要删除吗？", "确实要转移记账数据吗？"); any other question
// is answered by --yes or --no, and one that neither answers stops the verb
// before anything is written.
#include <optional>

#include "base/prompter.h"
#include "bookkeeping/accounts/account_add.h"
#include "bookkeeping/accounts/account_change.h"
#include "bookkeeping/accounts/account_delete.h"
#include "bookkeeping/accounts/account_texts.h"
#include "bookkeeping/accounts/account_transfer.h"
#include "cli/answer_prompter.h"
#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kListOptions[] = {{"type", true}};
constexpr OptionSpec kAnswerOptions[] = {{"yes", false}, {"no", false}};
constexpr OptionSpec kAddOptions[] = {{"sibling", false}, {"yes", false}, {"no", false}};
constexpr OptionSpec kRenameOptions[] = {{"type", true}};

Column CodeColumn(const char* key = "code", const char* title = "代码") { return {key, title}; }

Record AccountRecordOf(const std::string& code) {
  CItemCache& chart = CItemCache::Instance();
  const int type = chart.TypeOf(code);
  return {{CodeColumn(), code},
          {{"name", "名称"}, chart.NameOf(code)},
          {{"type", "类型", Format::kNumber}, type},
          {{"type_name", "类型名称"}, TypeName(type)},
          {{"path", "全称"}, chart.FullPath(code)}};
}

Document AddAccountVerb(Invocation& invocation) {
  VerbOptions options = invocation.Options(kAddOptions, 2);
  AnswerPrompter prompter(options);
  OpenLedger(invocation);
  std::string code;
  AccountResult result = AddNamedAccount(options.positionals()[0], options.Has("sibling"), options.positionals()[1],
                                         prompter, &code);
  if (!result.ok()) prompter.Fail("accounts add", result);
  return {{"account", AccountRecordOf(code)}};
}

Document RenameAccountVerb(Invocation& invocation) {
  VerbOptions options = invocation.Options(kRenameOptions, 2);
  AnswerPrompter prompter(options);
  // A leaf without a type gets one here.
  const int type = options.Has("type") ? ParseInteger(*options.Value("type"), "--type") : 0;
  OpenLedger(invocation);
  const std::string& code = options.positionals()[0];
  AccountResult result = RenameAccount(code, options.positionals()[1], prompter, std::nullopt, type);
  if (!result.ok()) prompter.Fail("accounts rename", result);
  return {{"account", AccountRecordOf(code)}};
}

Document DeleteAccountVerb(Invocation& invocation) {
  VerbOptions options = invocation.Options(kAnswerOptions, 1);
  AnswerPrompter prompter(options);
  OpenLedger(invocation);
  const std::string& code = options.positionals()[0];
  DeletedAccount deleted = DeleteAccount(code, prompter);
  if (!deleted.result.ok()) prompter.Fail("accounts delete", deleted.result);
  Record record{{CodeColumn("deleted", "已删除科目"), code}, {CodeColumn("parent", "上级科目"), deleted.parent}};
  if (deleted.parent_is_leaf) {
    record.push_back({{"parent_type", "上级科目类型", Format::kNumber}, deleted.parent_type});
  }
  return {{"deleted", std::move(record)}};
}

Document MoveBookingsVerb(Invocation& invocation) {
  VerbOptions options = invocation.Options(kAnswerOptions, 2);
  AnswerPrompter prompter(options);
  // The question whether the scheduled bookings follow is always asked, after
  // the checks; without its answer nothing may start.
  if (!prompter.Answered()) {
    throw BadInput(std::string("accounts move: answer the question with --yes or --no: ") +
                   account_texts::kTransferPlansToo);
  }
  OpenLedger(invocation);
  const std::string& from = options.positionals()[0];
  const std::string& to = options.positionals()[1];
  AccountResult result = TransferBookings(from, to, prompter);
  if (!result.ok()) prompter.Fail("accounts move", result);
  return {{"moved", Record{{CodeColumn("from", "从"), from},
                           {CodeColumn("to", "到"), to},
                           {{"plans", "预约记账", Format::kFlag}, options.Has("yes")}}}};
}

Document ListAccounts(Invocation& invocation) {
  VerbOptions options = invocation.Options(kListOptions);
  int type = -1;
  if (auto text = options.Value("type")) {
    type = ParseInteger(*text, "--type");
    if (type < 0 || type > kTypeCreditCard) throw BadInput("--type: account types are 1 to 8 (0: not set)");
  }
  OpenLedger(invocation);

  Table table{{CodeColumn(),
               {"name", "名称"},
               {"type", "类型", Format::kNumber},
               {"type_name", "类型名称"},
               {"leaf", "末级", Format::kFlag},
               {"path", "全称"}},
              {}};
  CItemCache& chart = CItemCache::Instance();
  // The cache ends every name of the path with "\"; the last one closes nothing.
  auto path_of = [&](const std::string& code) {
    std::string path = chart.FullPath(code);
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
  };
  for (const CItemCache::Entry& entry : chart.Entries()) {
    if (type >= 0 && entry.type != type) continue;
    table.rows.push_back({entry.code, entry.name, entry.type, TypeName(entry.type), entry.leaf,
                          path_of(entry.code)});
  }
  return {{"accounts", std::move(table)}};
}

}  // namespace

Document RunAccounts(Invocation& invocation) {
  static constexpr VerbForm kForms[] = {
      {"add", "accounts add PARENT NAME [--sibling] [--yes|--no]", AddAccountVerb},
      {"rename", "accounts rename CODE NAME [--type N]", RenameAccountVerb},
      {"delete", "accounts delete CODE [--yes|--no]", DeleteAccountVerb},
      {"move", "accounts move FROM TO [--yes|--no]", MoveBookingsVerb},
  };
  if (auto document = RunVerbForm(invocation, kForms)) return *document;
  return ListAccounts(invocation);
}

}  // namespace cw::cli
