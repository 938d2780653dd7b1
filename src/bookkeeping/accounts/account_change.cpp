#include "bookkeeping/accounts/account_change.h"

#include "base/gbk_text.h"
#include "bookkeeping/accounts/account_add.h"
#include "bookkeeping/accounts/account_records.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/ledger_model.h"
#include "store/database.h"

namespace cw {

AccountResult RenameAccount(const std::string& code, const std::string& name, Prompter& prompter,
                            const std::optional<CardSetting>& card, int new_type) {
  AccountResult checked = ConfirmAccountName(name, prompter);
  if (!checked.ok()) return checked;
  {
    Transaction tx;
    if (!tx.ok()) return AccountResult::Failed();
    std::optional<AccountRecord> account = ReadAccount(code);
    if (!account) return Refuse(prompter, StrFormat(account_texts::kNoSuchCode, code.c_str()));
    const bool untyped_leaf = account->leaf && account->stored_type == 0;
    if (new_type != 0 && (!untyped_leaf || TypeName(new_type).empty()))
      return Refuse(prompter, account_texts::kTypeIsFixed);
    const int type = new_type != 0 ? new_type : account->stored_type;
    if (!Database::Execute(Database::LoadStatement(343), {name, type, code}) ||
        (card && !StoreCardSetting(code, *card, IsCreditCard(code))) || !tx.Commit())
      return AccountResult::Failed();
  }
  MarkChartChanged();
  return AccountResult::Done();
}

}  // namespace cw
