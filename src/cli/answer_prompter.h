#pragma once
// A prompter that answers the questions of an operation from the command line
// (--yes / --no). Running the command is the confirmation ("确实要删除吗？",
// "确实要转移记账数据吗？"); any other question is answered by --yes or --no, and
// one that neither answers stops the verb before anything is written.
#include <optional>
#include <string>
#include <vector>

#include "base/prompter.h"
#include "bookkeeping/accounts/account_result.h"
#include "bookkeeping/accounts/account_texts.h"
#include "cli/arguments.h"
#include "cli/cli_error.h"

namespace cw::cli {

// Answers the account operations' questions from the command line. Messages
// are held back: the verb passes them on to the tool's prompter only when it
// fails, so that they explain the error and a success prints nothing extra.
class AnswerPrompter final : public Prompter {
 public:
  explicit AnswerPrompter(const VerbOptions& options) {
    if (options.Has("yes") && options.Has("no")) throw BadInput("give --yes or --no, not both");
    if (options.Has("yes")) answer_ = true;
    if (options.Has("no")) answer_ = false;
  }

  bool Answered() const { return answer_.has_value(); }

  void Inform(const std::string& text, const std::string& caption, PromptStyle style) override {
    held_.push_back(text);
  }
  bool Ask(const std::string& text, const std::string& caption) override {
    if (text == account_texts::kConfirmDelete || text == account_texts::kConfirmTransfer) return true;
    if (!answer_) unanswered_ = true;
    if (answer_.value_or(false)) return true;
    held_.push_back(text + (unanswered_ ? "" : " (--no)"));
    return false;
  }

  // Stops the verb after `result` failed: the held messages become the cause.
  [[noreturn]] void Fail(const char* verb, const AccountResult& result) {
    for (const std::string& text : held_) CurrentPrompter().Inform(text);
    if (unanswered_) throw BadInput(std::string(verb) + ": answer the question with --yes or --no");
    if (result.outcome == AccountResult::kFailed) throw Failed(std::string(verb) + ": nothing was changed");
    throw BadInput(verb);
  }

 private:
  std::optional<bool> answer_;
  bool unanswered_ = false;
  std::vector<std::string> held_;
};

}  // namespace cw::cli
