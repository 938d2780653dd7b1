#include "bookkeeping/accounts/account_delete.h"

#include <vector>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "bookkeeping/accounts/account_records.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

// Number of direct sub-accounts of `parent`.
int CountSubAccounts(const std::string& parent) {
  int count = 0;
  for (const CItemCache::Entry& entry : CItemCache::Instance().Entries())
    if (entry.code.size() == parent.size() + 2 && entry.code.starts_with(parent)) ++count;
  return count;
}

const char* UsageMessage(const AccountUsage& usage) {
  if (usage.lines) return account_texts::kHasBookings;
  return usage.repays_card ? account_texts::kRepaysCard : account_texts::kHasPlans;
}

// Deletes every voucher that still has a line on `code`, highest number first:
// the engine closes each gap by moving the later vouchers of the month down,
// which never touches a lower number still to be deleted.
bool DeleteLinkedVouchers(const std::string& code) {
  std::vector<int> numbers;
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(730), {code})) return false;
  for (; !rows.IsEnd(); rows.MoveNext()) numbers.push_back(rows.GetLong("VoucherNo"));
  for (int number : numbers)
    if (!DeleteVoucher(number)) return false;
  return true;
}

bool SetType(const std::string& code, int type) {
  return Database::Execute(Database::LoadStatement(530, "Item_No = ?2"), {type, code});
}

}  // namespace

DeletedAccount DeleteAccount(const std::string& code, Prompter& prompter) {
  DeletedAccount deleted;
  if (code == kCardInterestAccount) {
    deleted.result = Refuse(prompter, account_texts::kReserved);
    return deleted;
  }
  std::optional<AccountRecord> account = ReadAccount(code);
  if (!account) {
    deleted.result = Refuse(prompter, StrFormat(account_texts::kNoSuchCode, code.c_str()));
    return deleted;
  }
  if (!account->leaf) {
    deleted.result = Refuse(prompter, account_texts::kHasSubAccounts);
    return deleted;
  }
  if (code.size() == 3) {
    deleted.result = Refuse(prompter, account_texts::kTopLevel);
    return deleted;
  }
  if (!prompter.Ask(account_texts::kConfirmDelete, account_texts::kDeleteCaption)) {
    deleted.result = AccountResult::Declined(account_texts::kConfirmDelete);
    return deleted;
  }
  std::optional<AccountUsage> usage = ReadUsage(code);
  if (!usage) return deleted;
  deleted.parent = ParentCode(code);
  const bool only_child = CountSubAccounts(deleted.parent) == 1;
  if (usage->any() && !only_child) {
    deleted.result = Refuse(prompter, UsageMessage(*usage));
    return deleted;
  }
  const bool move_to_parent = usage->any();
  if (move_to_parent && !prompter.Ask(account_texts::kMoveToParent)) {
    deleted.result = AccountResult::Declined(account_texts::kMoveToParent);
    return deleted;
  }

  {
    Transaction tx;
    if (!tx.ok()) return deleted;
    // The questions were asked outside the transaction; a booking made in the
    // meantime (a scheduled run) must not be deleted with the account.
    std::optional<AccountUsage> now = ReadUsage(code);
    if (!now) return deleted;
    if (now->any() && !move_to_parent) {
      deleted.result = Refuse(prompter, UsageMessage(*now));
      return deleted;
    }
    const bool written =
        (!move_to_parent || (MoveVoucherLines(deleted.parent, code) && MovePlans(deleted.parent, code) &&
                             MoveBudgetLines(deleted.parent, code))) &&
        Database::Execute(Database::LoadStatement(353), {code}) &&
        (account->stored_type != kTypeCreditCard || Database::Execute(Database::LoadStatement(754), {code})) &&
        DeleteLinkedVouchers(code) && Database::Execute(Database::LoadStatement(729)) &&
        (!only_child || SetType(deleted.parent, account->stored_type));
    if (!written || !tx.Commit()) return deleted;
  }
  MarkChartChanged();
  deleted.parent_is_leaf = only_child;
  deleted.parent_type = only_child ? account->stored_type : 0;
  deleted.result = AccountResult::Done();
  return deleted;
}

}  // namespace cw
