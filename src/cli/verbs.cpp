#include "cli/verbs.h"

#include <algorithm>

namespace cw::cli {
namespace {

constexpr char kBookingOptions[] =
    "--date YYYY-MM-DD --kind K --acc1 CODE --acc2 CODE [--acc3 CODE] --amount X [--amount2 Y] "
    "[--content TEXT] [--deposit CODE]";

const std::string& BookUsage() {
  static const std::string usage = std::string("book ") + kBookingOptions;
  return usage;
}
const std::string& ReplaceUsage() {
  static const std::string usage = std::string("replace N ") + kBookingOptions;
  return usage;
}

// Every verb with the right it needs: the one place that says who may run
// what. A verb that shows a table of the desktop program needs the right of
// the command that shows it there (frame/command_rights.cpp, NeedOfCommand):
//   ledger                          Need::kVoucherQuery (detail and balance tables)
//   stats, day                      Need::kVoucherGraph (statistics; day opens from them)
//   plans, cards                    Need::kVoucher      (scheduled bookings and card bookings)
//   budget, projection              Need::kBudget
//   backup, restore, compact, check Need::kSystemSet    (database management)
//   update                          kNoLogin            (reads no data set)
// A verb that writes a voucher needs Need::kVoucher; one that changes the chart
// Need::kSystemSet; user management Need::kUserAdmin.
const std::vector<Verb>& AllVerbs() {
  static const std::vector<Verb> verbs = {
      {"init", "init", RunInit, kNoLogin},
      {"accounts",
       "accounts [--type N]\n"
       "accounts add PARENT NAME [--sibling] [--yes|--no]\n"
       "accounts rename CODE NAME [--type N]\n"
       "accounts delete CODE [--yes|--no]\n"
       "accounts move FROM TO [--yes|--no]",
       RunAccounts, Need::kSystemSet},
      {"book", BookUsage(), RunBook, Need::kVoucher},
      {"replace", ReplaceUsage(), RunReplace, Need::kVoucher},
      {"delete", "delete N", RunDelete, Need::kVoucher},
      {"audit", "audit N [--off]", RunAudit, Need::kVoucher},
      {"show", "show N", RunShow, Need::kVoucher},
      {"vouchers", "vouchers [--from YYYY-MM] [--to YYYY-MM] [--kind-page PAGE]", RunVouchers, Need::kVoucher},
      // Also needs Need::kSystemSet when the file brings accounts the chart lacks.
      {"import", "import FILE", RunImport, Need::kVoucher},
      {"report",
       "report net-property --before YYYY-MM\n"
       "report income-expense --period year|month|day --from YYYY-MM-DD --to YYYY-MM-DD\n"
       "report category --income|--expense --period year|quarter|month|week|day --from YYYY-MM --to YYYY-MM",
       RunReport, Need::kVoucherGraph},
      {"stats",
       "stats balance-sheet --to YYYY-MM\n"
       "stats income-expense --period year|month|day --from DATE --to DATE [--show-zero]\n"
       "stats category --income|--expense --period year|month|day --from DATE --to DATE [--show-zero] "
       "[--show-empty-columns]",
       RunStats, Need::kVoucherGraph},
      {"ledger",
       "ledger detail --account CODE --from YYYY-MM --to YYYY-MM\n"
       "ledger balance --type N --from YYYY-MM --to YYYY-MM",
       RunLedger, Need::kVoucherQuery},
      {"day", "day --date YYYY-MM-DD [--income|--expense]", RunDay, Need::kVoucherGraph},
      {"check", "check", RunCheck, Need::kSystemSet},
      {"lunar", "lunar YYYY-MM-DD", RunLunar, kNoLogin},
      {"update",
       "update keygen FILE\n"
       "update check [--server URL] [--key FILE]\n"
       "update site DIR --key FILE [--version X.YZ] [--description TEXT] [--from PREFIX]\n"
       "update sign DIR --key FILE [--version X.YZ] [--description TEXT]",
       RunUpdate, kNoLogin},
      {"users", "users", RunUsers, Need::kUserAdmin},
      {"useradd", "useradd NAME [--level N] [--new-password-file FILE]", RunUserAdd, Need::kUserAdmin},
      // Every user may change his own password.
      {"passwd", "passwd [--new-password-file FILE]", RunPasswd, Need::kNothing},
      {"home", "home [--date YYYY-MM-DD]", RunHome, Need::kNothing},
      {"entries", "entries --page PAGE [--from YYYY-MM] [--to YYYY-MM]", RunEntries, Need::kVoucher},
      {"search",
       "search --page PAGE [--text T] [--from YYYY-MM-DD --to YYYY-MM-DD] "
       "[--amount-eq X | --amount-gt X | --amount-lt X | --amount-between X Y]",
       RunSearch, Need::kVoucher},
      {"initial",
       "initial\n"
       "initial set CODE AMOUNT [--date YYYY-MM-DD] [--content TEXT] [--counter CODE]",
       RunInitial, Need::kVoucher},
      {"budget",
       "budget list --income|--expense [--compare]\n"
       "budget set --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY CODE=AMOUNT ... [--replace]\n"
       "budget delete --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY",
       RunBudget, Need::kBudget},
      {"projection",
       "projection items\n"
       "projection add --type 1|2|100 --content TEXT --frequency 4|5|6 [--start YYYY-MM] [--end YYYY-MM] "
       "--cash-type 0|1|2 --cash X [--increase X --increase-frequency 4|5|6 --increase-type 0|1]\n"
       "projection change ID <the options of projection add>\n"
       "projection delete ID\n"
       "projection --to YYYY-MM [--detail]",
       RunProjection, Need::kBudget},
      {"plans",
       "plans\n"
       "plans add --year Y --month M --day D --week W --mode 0|1|2 [--state 0|1] <the options of book without --date>\n"
       "plans change ID <the options of plans add>\n"
       "plans delete|enable|disable ID\n"
       "plans run [--date YYYY-MM-DD] [--yes]\n"
       "plans history [ID]",
       RunPlans, Need::kVoucher},
      {"cards",
       "cards\n"
       "cards add NAME --bill-day N (--pay-day N | --after-bill-days N) --pay-from CODE [--manual] [--yes|--no]\n"
       "cards change CODE [--name NAME] [--bill-day N] [--pay-day N | --after-bill-days N] [--pay-from CODE] "
       "[--manual|--auto]\n"
       "cards delete CODE",
       RunCards, Need::kVoucher},
      {"backup", "backup [--to FILE]\nbackup --rotate", RunBackup, Need::kSystemSet},
      {"restore", "restore FILE --yes", RunRestore, Need::kSystemSet},
      {"compact", "compact", RunCompact, Need::kSystemSet},
      {"upgrade", "upgrade [--interest-account CODE] [--card-accounts CODE,...]", RunUpgrade, Need::kSystemSet},
  };
  return verbs;
}

}  // namespace

std::optional<Document> RunVerbForm(Invocation& invocation, std::span<const VerbForm> forms) {
  const std::vector<std::string> words = TakeGlobalOptions(invocation.words, invocation.globals);
  if (words.empty()) return std::nullopt;
  for (const VerbForm& form : forms) {
    if (form.name != words[0]) continue;
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    Invocation sub = invocation.Form(rest, form.usage);
    return form.run(sub);
  }
  return std::nullopt;
}

std::string FormWord(const Invocation& invocation) {
  // RunVerbForm took the global options already: a scratch copy keeps them from
  // counting twice.
  GlobalOptions scratch;
  const std::vector<std::string> words = TakeGlobalOptions(invocation.words, scratch);
  return words.empty() || words[0].starts_with("--") ? std::string() : words[0];
}

const Verb* FindVerb(std::string_view name) {
  const std::vector<Verb>& verbs = AllVerbs();
  auto it = std::find_if(verbs.begin(), verbs.end(), [&](const Verb& v) { return v.name == name; });
  return it == verbs.end() ? nullptr : &*it;
}

std::string UsageText() {
  std::string text =
      "usage: coinwright-cli [--home DIR] [--demo] [--json|--csv] [--xlsx FILE] [--user NAME] [--password-file FILE] VERB ...\n"
      "The password comes from --password-file, else $COINWRIGHT_PASSWORD, else the terminal.\n"
      "--xlsx FILE also writes the table of a table verb (entries, search, ledger, stats, day, budget, ...) to a workbook.\n"
      "verbs:\n";
  for (const Verb& verb : AllVerbs()) {
    std::string_view usage = verb.usage;
    while (!usage.empty()) {
      std::size_t end = usage.find('\n');
      text += "  ";
      text += usage.substr(0, end);
      text += '\n';
      usage = end == std::string_view::npos ? std::string_view() : usage.substr(end + 1);
    }
  }
  return text;
}

}  // namespace cw::cli
