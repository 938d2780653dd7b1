#pragma once
// How the tool answers the questions an upgrade of an old data set asks. Every
// verb but `upgrade` answers nothing, so such a data set is refused and the
// user is pointed to `coinwright-cli upgrade`; that verb answers from its
// options.
#include <optional>
#include <string>
#include <vector>

#include "core/upgrade_questions.h"

namespace cw::cli {

class CliUpgradeQuestions final : public UpgradeQuestions {
 public:
  bool AskInterestAccount(const std::string& data_set, std::string* code) override;
  bool AskCardAccounts(CardChoice* choice) override;

  // The answers `upgrade` was given; unset: not given. Without card accounts
  // the preselection by name is taken.
  std::optional<std::string> interest_account;
  std::optional<std::vector<std::string>> card_accounts;
  bool answering = false;  // false: every question goes unanswered

  // What went unanswered or was answered wrongly, for the error line.
  std::string missing;
};

// The questions object of the running tool, installed at the first call.
CliUpgradeQuestions& ToolUpgradeQuestions();

}  // namespace cw::cli
