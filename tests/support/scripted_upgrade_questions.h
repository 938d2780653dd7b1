#pragma once
// Upgrade questions answered from a script, installed while the object lives.
#include <optional>
#include <string>
#include <vector>

#include "core/upgrade_questions.h"

namespace cw::testing {

class ScriptedUpgradeQuestions final : public UpgradeQuestions {
 public:
  ScriptedUpgradeQuestions() : previous_(SetUpgradeQuestions(this)) {}
  ~ScriptedUpgradeQuestions() override { SetUpgradeQuestions(previous_); }

  bool AskInterestAccount(const std::string& data_set, std::string* code) override {
    asked.push_back("interest:" + data_set);
    if (!interest_account) return false;
    *code = *interest_account;
    return true;
  }
  bool AskCardAccounts(CardChoice* choice) override {
    asked.push_back("cards");
    offered = *choice;
    return accept_cards;
  }

  std::optional<std::string> interest_account;  // unset: not answered
  bool accept_cards = true;                     // the preselection is taken as it is
  std::vector<std::string> asked;
  CardChoice offered;

 private:
  UpgradeQuestions* previous_;
};

}  // namespace cw::testing
