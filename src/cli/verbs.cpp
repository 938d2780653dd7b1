#include "cli/verbs.h"

#include <algorithm>

namespace cw::cli {
namespace {

constexpr char kBookingOptions[] =
    "--date YYYY-MM-DD --kind K --acc1 CODE --acc2 CODE [--acc3 CODE] --amount X [--amount2 Y] "
    "[--content TEXT] [--deposit CODE] [--user N]";

const std::string& BookUsage() {
  static const std::string usage = std::string("book ") + kBookingOptions;
  return usage;
}
const std::string& ReplaceUsage() {
  static const std::string usage = std::string("replace N ") + kBookingOptions;
  return usage;
}

const std::vector<Verb>& AllVerbs() {
  static const std::vector<Verb> verbs = {
      {"init", "init", RunInit},
      {"accounts",
       "accounts [--type N]\n"
       "accounts add PARENT NAME [--sibling] [--yes|--no]\n"
       "accounts rename CODE NAME [--type N]\n"
       "accounts delete CODE [--yes|--no]\n"
       "accounts move FROM TO [--yes|--no]",
       RunAccounts},
      {"book", BookUsage(), RunBook},
      {"replace", ReplaceUsage(), RunReplace},
      {"delete", "delete N [--user N]", RunDelete},
      {"audit", "audit N --user M [--off]", RunAudit},
      {"show", "show N", RunShow},
      {"vouchers", "vouchers [--from YYYY-MM] [--to YYYY-MM] [--kind-page PAGE]", RunVouchers},
      {"import", "import FILE", RunImport},
      {"report",
       "report net-property --before YYYY-MM\n"
       "report income-expense --period year|month|day --from YYYY-MM-DD --to YYYY-MM-DD\n"
       "report category --income|--expense --period year|quarter|month|week|day --from YYYY-MM --to YYYY-MM",
       RunReport},
      {"stats",
       "stats balance-sheet --to YYYY-MM\n"
       "stats income-expense --period year|month|day --from DATE --to DATE [--show-zero]\n"
       "stats category --income|--expense --period year|month|day --from DATE --to DATE [--show-zero] "
       "[--show-empty-columns]",
       RunStats},
      {"ledger",
       "ledger detail --account CODE --from YYYY-MM --to YYYY-MM\n"
       "ledger balance --type N --from YYYY-MM --to YYYY-MM",
       RunLedger},
      {"day", "day --date YYYY-MM-DD [--income|--expense]", RunDay},
      {"check", "check", RunCheck},
      {"lunar", "lunar YYYY-MM-DD", RunLunar},
      {"users", "users", RunUsers},
      {"useradd", "useradd NAME [--password P] [--level N]", RunUserAdd},
      {"passwd", "passwd NAME [--old P] --new Q", RunPasswd},
      {"home", "home [--date YYYY-MM-DD]", RunHome},
      {"entries", "entries --page PAGE [--from YYYY-MM] [--to YYYY-MM]", RunEntries},
      {"search",
       "search --page PAGE [--text T] [--from YYYY-MM-DD --to YYYY-MM-DD] "
       "[--amount-eq X | --amount-gt X | --amount-lt X | --amount-between X Y]",
       RunSearch},
      {"initial",
       "initial\n"
       "initial set CODE AMOUNT [--date YYYY-MM-DD] [--content TEXT] [--counter CODE] [--user N]",
       RunInitial},
      {"budget",
       "budget list --income|--expense [--compare]\n"
       "budget set --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY CODE=AMOUNT ... [--replace]\n"
       "budget delete --income|--expense --month YYYY-MM|--quarter YYYY-Q|--year YYYY",
       RunBudget},
      {"projection",
       "projection items\n"
       "projection add --type 1|2|100 --content TEXT --frequency 4|5|6 [--start YYYY-MM] [--end YYYY-MM] "
       "--cash-type 0|1|2 --cash X [--increase X --increase-frequency 4|5|6 --increase-type 0|1]\n"
       "projection change ID <the options of projection add>\n"
       "projection delete ID\n"
       "projection --to YYYY-MM [--detail]",
       RunProjection},
      {"plans",
       "plans\n"
       "plans add --year Y --month M --day D --week W --mode 0|1|2 [--state 0|1] <the options of book without --date>\n"
       "plans change ID <the options of plans add>\n"
       "plans delete|enable|disable ID\n"
       "plans run [--date YYYY-MM-DD] [--yes]\n"
       "plans history [ID]",
       RunPlans},
      {"cards",
       "cards\n"
       "cards add NAME --bill-day N (--pay-day N | --after-bill-days N) --pay-from CODE [--manual] [--yes|--no]\n"
       "cards change CODE [--name NAME] [--bill-day N] [--pay-day N | --after-bill-days N] [--pay-from CODE] "
       "[--manual|--auto]\n"
       "cards delete CODE",
       RunCards},
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
    Invocation sub{invocation.globals, rest, form.usage};
    return form.run(sub);
  }
  return std::nullopt;
}

const Verb* FindVerb(std::string_view name) {
  const std::vector<Verb>& verbs = AllVerbs();
  auto it = std::find_if(verbs.begin(), verbs.end(), [&](const Verb& v) { return v.name == name; });
  return it == verbs.end() ? nullptr : &*it;
}

std::string UsageText() {
  std::string text = "usage: coinwright-cli [--home DIR] [--demo] [--json|--csv] VERB ...\nverbs:\n";
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
