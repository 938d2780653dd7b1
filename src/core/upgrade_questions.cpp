#include "core/upgrade_questions.h"

#include <atomic>

namespace cw {
namespace {

class Unanswered final : public UpgradeQuestions {
 public:
  bool AskInterestAccount(const std::string&, std::string*) override { return false; }
  bool AskCardAccounts(CardChoice*) override { return false; }
};

Unanswered& Default() {
  static Unanswered questions;
  return questions;
}

std::atomic<UpgradeQuestions*>& Installed() {
  static std::atomic<UpgradeQuestions*> installed{nullptr};
  return installed;
}

}  // namespace

UpgradeQuestions& CurrentUpgradeQuestions() {
  UpgradeQuestions* questions = Installed().load();
  return questions ? *questions : Default();
}

UpgradeQuestions* SetUpgradeQuestions(UpgradeQuestions* questions) { return Installed().exchange(questions); }

}  // namespace cw
