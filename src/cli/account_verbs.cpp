// accounts: the chart of accounts as the cache derives it.
#include "cli/cli_error.h"
#include "cli/data_home.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kOptions[] = {{"type", true}};

}  // namespace

Document RunAccounts(Invocation& invocation) {
  VerbOptions options = invocation.Options(kOptions);
  int type = -1;
  if (auto text = options.Value("type")) {
    type = ParseInteger(*text, "--type");
    if (type < 0 || type > kTypeCreditCard) throw BadInput("--type: account types are 1 to 8 (0: not set)");
  }
  OpenLedger(invocation.globals);

  Table table{{{"code", "代码"},
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

}  // namespace cw::cli
