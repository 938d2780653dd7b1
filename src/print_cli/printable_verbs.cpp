#include "print_cli/printable_verbs.h"

#include <algorithm>
#include <string_view>

#include "cli/cli_error.h"
#include "cli/verbs.h"

namespace cw::cli {
namespace {

struct PrintableCommand {
  std::string_view verb;
  std::string_view form;  // the first plain word; "" none; "*" any (a verb without forms)
};

constexpr PrintableCommand kPrintable[] = {
    {"entries", "*"},           {"search", "*"},          {"day", "*"},
    {"users", "*"},             {"initial", ""},          {"ledger", "detail"},
    {"ledger", "balance"},      {"stats", "balance-sheet"}, {"stats", "income-expense"},
    {"stats", "category"},      {"budget", "list"},       {"projection", ""},
    {"projection", "items"},    {"plans", ""},            {"plans", "history"},
};

}  // namespace

void CheckPrintable(const CommandLine& line) {
  GlobalOptions scratch = line.globals;
  const std::string form = FormWord({scratch, line.words, {}, kNoLogin});
  const bool printable = std::any_of(std::begin(kPrintable), std::end(kPrintable), [&](const PrintableCommand& c) {
    return c.verb == line.verb && (c.form == "*" || c.form == form);
  });
  if (!printable) {
    const std::string command = form.empty() ? line.verb : line.verb + " " + form;
    throw BadInput(command + " shows no table to print (tables: entries, search, initial, ledger, stats, day, budget list, "
                   "projection, users, plans)");
  }
}

}  // namespace cw::cli
