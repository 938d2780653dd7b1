#include "bookkeeping/accounts/account_add.h"

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "bookkeeping/accounts/account_name.h"
#include "bookkeeping/accounts/account_records.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"

namespace cw {
namespace {

// The longest code of the chart: a top-level code and two digits for each of
// the levels below.
constexpr std::size_t kLongestCode = 3 + 2 * (kMaxLevels - 1);

}  // namespace

std::string SiblingAnchor(const std::string& selected) { return ParentCode(selected); }

std::string PositionText(const std::string& anchor) {
  const std::string path = anchor.empty() ? std::string("\\") : CItemCache::Instance().FullPath(anchor);
  return StrFormat(account_texts::kPositionFormat, path.c_str());
}

NewAccountPlan PlanNewAccount(const std::string& anchor, Prompter& prompter) {
  NewAccountPlan plan;
  CItemCache& chart = CItemCache::Instance();
  plan.code = anchor.empty() ? std::string() : chart.NextChildCode(anchor);
  if (plan.code.empty()) {
    plan.result = Refuse(prompter, account_texts::kSiblingOfTopLevel);
    return plan;
  }
  if (plan.code.size() > kLongestCode) {
    plan.result = Refuse(prompter, account_texts::kTooDeep);
    return plan;
  }
  // NextChildCode goes on to "100" when 01-99 are all taken.
  if (plan.code.size() != anchor.size() + 2) {
    plan.result = Refuse(prompter, StrFormat(account_texts::kNoFreeChildCode, anchor.c_str()));
    return plan;
  }
  plan.parent = anchor;
  plan.type = chart.TypeOf(anchor);
  plan.position = PositionText(anchor);
  plan.result = AccountResult::Done();
  return plan;
}

AccountResult ConfirmAccountName(const std::string& name, Prompter& prompter) {
  if (!IsValidAccountName(name)) return Refuse(prompter, account_texts::kBadName, AccountField::kName);
  return AccountResult::Done();
}

NameDecision ConfirmNewAccountName(const NewAccountPlan& plan, const std::string& name, Prompter& prompter) {
  NameDecision decision;
  decision.result = ConfirmAccountName(name, prompter);
  if (!decision.result.ok() || plan.code.size() <= 3) return decision;
  if (!ReadAccount(plan.parent)) return decision;
  std::optional<int> lines = CountVoucherLines(plan.parent);
  if (!lines) {
    decision.result = AccountResult::Failed();
  } else if (*lines > 0) {
    decision.move_parent_bookings = prompter.Ask(account_texts::kMoveParentBookings);
    if (!decision.move_parent_bookings)
      decision.result = AccountResult::Declined(account_texts::kMoveParentBookings, AccountField::kName);
  }
  return decision;
}

AccountResult AddAccount(const NewAccount& account, Prompter& prompter) {
  if (!IsValidAccountName(account.name)) return Refuse(prompter, account_texts::kBadName, AccountField::kName);
  if (account.code.size() > kLongestCode) return Refuse(prompter, account_texts::kTooDeep);
  const std::string parent_code = ParentCode(account.code);
  AccountResult result = AccountResult::Failed();
  {
    Transaction tx;
    if (!tx.ok()) return result;
    std::optional<AccountRecord> parent = IsValidCode(account.code) ? ReadAccount(parent_code) : std::nullopt;
    if (!parent) return Refuse(prompter, StrFormat(account_texts::kNoSuchCode, parent_code.c_str()));
    std::optional<int> lines = CountVoucherLines(parent_code);
    if (!lines) return result;
    // A non-leaf must not keep bookings: without the agreed move the account
    // cannot be added below a parent that was booked on after the question.
    if (*lines > 0 && !account.move_parent_bookings) return Refuse(prompter, account_texts::kParentBookedMeanwhile);

    const bool written =
        Database::Execute(Database::LoadStatement(349), {account.code, account.name, account.type}) &&
        (!account.move_parent_bookings || MoveVoucherLines(account.code, parent_code)) &&
        MovePlans(account.code, parent_code) && MoveBudgetLines(account.code, parent_code) &&
        (!account.card || StoreCardSetting(account.code, *account.card, /*update=*/false)) &&
        Database::Execute(Database::LoadStatement(343), {parent->name, 0, parent_code});
    if (!written || !tx.Commit()) return result;
    result = AccountResult::Done();
  }
  MarkChartChanged();
  return result;
}

AccountResult AddNamedAccount(const std::string& selected, bool sibling, const std::string& name,
                              Prompter& prompter, std::string* code) {
  if (!CItemCache::Instance().Exists(selected))
    return Refuse(prompter, StrFormat(account_texts::kNoSuchCode, selected.c_str()));
  NewAccountPlan plan = PlanNewAccount(sibling ? SiblingAnchor(selected) : selected, prompter);
  if (!plan.result.ok()) return plan.result;
  NameDecision decision = ConfirmNewAccountName(plan, name, prompter);
  if (!decision.result.ok()) return decision.result;
  NewAccount account{plan.code, name, plan.type, decision.move_parent_bookings, std::nullopt};
  AccountResult result = AddAccount(account, prompter);
  if (result.ok() && code) *code = plan.code;
  return result;
}

}  // namespace cw
