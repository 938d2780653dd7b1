#include "bookkeeping/accounts/account_result.h"

#include "base/prompter.h"
#include "bookkeeping/accounts/account_texts.h"

namespace cw {

AccountResult Refuse(Prompter& prompter, const std::string& message, AccountField field) {
  if (field == AccountField::kNone) {
    prompter.Inform(message);
  } else {
    prompter.Inform(message, account_texts::kInputErrorCaption, PromptStyle::Error);
  }
  return AccountResult::Refused(message, field);
}

}  // namespace cw
