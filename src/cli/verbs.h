#pragma once
// The verbs of the tool. Each verb reads its words, opens the ledger when it
// needs it (OpenLedger, which also logs in and checks the verb's right), does
// its work and returns what is to be printed; it throws CliError to stop.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/output.h"
#include "prefs/rights.h"

namespace cw::cli {

// What a verb asks of the user: no login at all (the verb touches no data
// set's contents), or a login with the right `Need` names (Need::kNothing: any
// user who can log in).
using VerbAccess = std::optional<Need>;
inline constexpr VerbAccess kNoLogin = std::nullopt;

struct Invocation {
  GlobalOptions& globals;
  const std::vector<std::string>& words;
  std::string_view usage;
  VerbAccess access;

  VerbOptions Options(std::span<const OptionSpec> options, std::size_t positionals = 0) const {
    return VerbOptions::Parse(words, {usage, options, positionals}, globals);
  }
  // A form of the verb ("accounts add ...") with its own words and usage.
  Invocation Form(const std::vector<std::string>& form_words, std::string_view form_usage) const {
    return {globals, form_words, form_usage, access};
  }
};

// Opens the data set the global options choose (creating it when missing) and,
// unless the verb needs no login, logs in as the login dialog would and checks
// the verb's right. Throws Failed when the data set cannot be used, BadInput
// for a login or a right refused.
void OpenLedger(const Invocation& invocation);

using VerbFunction = Document (*)(Invocation&);

struct Verb {
  std::string_view name;
  std::string_view usage;  // the whole command, one line per form
  VerbFunction run;
  VerbAccess access;
};

// One form of a verb with several ("accounts add", "budget set" ...).
struct VerbForm {
  std::string_view name;   // the first plain word
  std::string_view usage;  // the whole command of the form
  VerbFunction run;
};
// Runs the form named by the first plain word (options every verb accepts may
// stand before it) with the words after it; none when no form is named.
std::optional<Document> RunVerbForm(Invocation& invocation, std::span<const VerbForm> forms);
// The word that should have named a form, for the message when none matched;
// empty when no plain word was given.
std::string FormWord(const Invocation& invocation);

const Verb* FindVerb(std::string_view name);
// "usage: ..." with every verb, for help and for a missing or unknown verb.
std::string UsageText();

Document RunInit(Invocation& invocation);
Document RunAccounts(Invocation& invocation);
Document RunBook(Invocation& invocation);
Document RunReplace(Invocation& invocation);
Document RunDelete(Invocation& invocation);
Document RunAudit(Invocation& invocation);
Document RunShow(Invocation& invocation);
Document RunVouchers(Invocation& invocation);
Document RunImport(Invocation& invocation);
Document RunReport(Invocation& invocation);
Document RunStats(Invocation& invocation);
Document RunLedger(Invocation& invocation);
Document RunDay(Invocation& invocation);
Document RunCheck(Invocation& invocation);
Document RunLunar(Invocation& invocation);
Document RunUsers(Invocation& invocation);
Document RunUserAdd(Invocation& invocation);
Document RunPasswd(Invocation& invocation);
Document RunHome(Invocation& invocation);
Document RunEntries(Invocation& invocation);
Document RunSearch(Invocation& invocation);
Document RunInitial(Invocation& invocation);
Document RunBudget(Invocation& invocation);
Document RunProjection(Invocation& invocation);
Document RunPlans(Invocation& invocation);
Document RunCards(Invocation& invocation);
Document RunUpdate(Invocation& invocation);
Document RunBackup(Invocation& invocation);
Document RunRestore(Invocation& invocation);
Document RunCompact(Invocation& invocation);
Document RunUpgrade(Invocation& invocation);

}  // namespace cw::cli
