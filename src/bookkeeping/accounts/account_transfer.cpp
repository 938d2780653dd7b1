#include "bookkeeping/accounts/account_transfer.h"

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "bookkeeping/accounts/account_records.h"
#include "bookkeeping/accounts/account_texts.h"
#include "store/database.h"

namespace cw {

AccountResult CheckTransferAccount(const std::string& code, AccountField field, Prompter& prompter) {
  std::optional<AccountRecord> account = ReadAccount(code);
  if (!account) return Refuse(prompter, StrFormat(account_texts::kNoSuchCode, code.c_str()), field);
  if (!account->leaf) return Refuse(prompter, account_texts::kNotALeaf, field);
  if (account->stored_type == 0) return Refuse(prompter, account_texts::kTypeNotSet, field);
  return AccountResult::Done();
}

AccountResult TransferBookings(const std::string& from, const std::string& to, Prompter& prompter) {
  for (const auto& [code, field] : {std::pair{&from, AccountField::kFrom}, std::pair{&to, AccountField::kTo}}) {
    AccountResult checked = CheckTransferAccount(*code, field, prompter);
    if (!checked.ok()) return checked;
  }
  if (from == to) return Refuse(prompter, account_texts::kSameAccount, AccountField::kTo);
  std::optional<AccountRecord> source = ReadAccount(from), target = ReadAccount(to);
  if (!source || !target) return AccountResult::Failed();
  if (source->stored_type != target->stored_type)
    return Refuse(prompter, account_texts::kTypesDiffer, AccountField::kTo);
  if (!prompter.Ask(account_texts::kConfirmTransfer, account_texts::kTransferCaption))
    return AccountResult::Declined(account_texts::kConfirmTransfer);
  const bool plans_too = prompter.Ask(account_texts::kTransferPlansToo, account_texts::kTransferCaption);
  {
    Transaction tx;
    if (!tx.ok() || !MoveVoucherLines(to, from) || (plans_too && !MovePlans(to, from)) || !tx.Commit())
      return AccountResult::Failed();
  }
  MarkChartChanged();
  prompter.Inform(account_texts::kTransferDone, account_texts::kTransferCaption);
  return AccountResult::Done();
}

}  // namespace cw
