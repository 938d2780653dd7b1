#pragma once
// The outcome of an account operation. The operations show their own messages
// through the prompter they are given; the result repeats the message, so that
// the command-line tool can report it as its error, and names the input a
// dialog should put the focus on.
#include <string>
#include <utility>

namespace cw {

class Prompter;

enum class AccountField { kNone, kName, kFrom, kTo };

struct AccountResult {
  enum Outcome {
    kDone,
    kRefused,   // a check said no; `message` says why
    kDeclined,  // a question was answered No; `message` is the question
    kFailed,    // a statement failed; the data store has reported it
  };
  Outcome outcome = kFailed;
  std::string message;
  AccountField field = AccountField::kNone;

  bool ok() const { return outcome == kDone; }
  static AccountResult Done() { return {kDone, {}, AccountField::kNone}; }
  static AccountResult Refused(std::string message, AccountField field = AccountField::kNone) {
    return {kRefused, std::move(message), field};
  }
  static AccountResult Declined(std::string question, AccountField field = AccountField::kNone) {
    return {kDeclined, std::move(question), field};
  }
  static AccountResult Failed() { return {}; }
};

// Shows a refusal and returns it. A refusal that points at an input is an input
// error (caption "操作错误", error style); any other is a plain notice.
AccountResult Refuse(Prompter& prompter, const std::string& message, AccountField field = AccountField::kNone);

}  // namespace cw
