#include "cli/upgrade_answers.h"

#include <algorithm>

namespace cw::cli {

CliUpgradeQuestions& ToolUpgradeQuestions() {
  static CliUpgradeQuestions& questions = [] () -> CliUpgradeQuestions& {
    static CliUpgradeQuestions installed;
    SetUpgradeQuestions(&installed);
    return installed;
  }();
  return questions;
}

bool CliUpgradeQuestions::AskInterestAccount(const std::string&, std::string* code) {
  if (!answering || !interest_account) {
    missing = "--interest-account CODE (the deposit-interest account for withdrawals)";
    return false;
  }
  *code = *interest_account;
  return true;
}

bool CliUpgradeQuestions::AskCardAccounts(CardChoice* choice) {
  if (!answering) {
    missing = "the credit-card accounts (--card-accounts CODE,...; by default those named 信用卡)";
    return false;
  }
  if (!card_accounts) return true;
  std::vector<AccountRef> offered = choice->borrowing;
  offered.insert(offered.end(), choice->cards.begin(), choice->cards.end());
  choice->cards.clear();
  for (const std::string& code : *card_accounts) {
    auto it = std::find_if(offered.begin(), offered.end(), [&](const AccountRef& a) { return a.code == code; });
    if (it == offered.end()) {
      missing = "--card-accounts: " + code + " is not a borrowing account";
      return false;
    }
    choice->cards.push_back(*it);
  }
  return true;
}

}  // namespace cw::cli
