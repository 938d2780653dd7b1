#include "plans/card_records.h"

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "bookkeeping/accounts/account_add.h"
#include "bookkeeping/accounts/account_change.h"
#include "bookkeeping/accounts/account_name.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr char kBadDay[] = "您输入的日期无效，请重新输入。";
constexpr char kBadDays[] = "您输入的天数无效，请输入一个10-30之间的数字。";
constexpr char kNoPayAccount[] = "请选择有效的扣款科目。";

int Count(int statement, const std::string& code) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(statement), {code});
  return rows.IsEnd() ? 0 : rows.GetLong("NUM");
}

// The card's account, its settings and what else is linked to it, in one
// transaction; the caller has checked that no voucher or plan uses it.
bool RemoveCard(const std::string& code) {
  Transaction tx;
  bool ok = Database::Execute(Database::LoadStatement(353), {code}) &&
            Database::Execute(Database::LoadStatement(754), {code});
  std::vector<int> linked;
  {
    CDBPack rows;
    rows.Open(Database::LoadStatement(730), {code});
    for (; !rows.IsEnd(); rows.MoveNext()) linked.push_back(rows.GetLong("VoucherNo"));
  }
  for (int number : linked) {
    ok = ok && Database::Execute(Database::LoadStatement(254), {number}) &&
         Database::Execute(Database::LoadStatement(256), {number});
  }
  ok = ok && Database::Execute(Database::LoadStatement(729));
  if (!ok) tx.Fail();
  return tx.ok() && tx.Commit();
}

GridColumn Column(const char* title, int width) {
  GridColumn c;
  c.title = title;
  c.width = width;
  return c;
}

}  // namespace

CardRefusal CheckCardInput(const CardInput& input) {
  if (!IsValidAccountName(input.name)) return {account_texts::kBadName, CardField::kName};
  if (input.pay_on_day && (input.pay_number < 1 || input.pay_number > 31)) return {kBadDay, CardField::kNumber};
  if (!input.pay_on_day && (input.pay_number < 10 || input.pay_number > 30)) return {kBadDays, CardField::kNumber};
  CItemCache& chart = CItemCache::Instance();
  if (!chart.IsLeaf(input.pay_item_no) || chart.TypeOf(input.pay_item_no) == kTypeCreditCard) {
    return {kNoPayAccount, CardField::kPayAccount};
  }
  return {};
}

CardSetting SettingOfInput(const std::string& item_no, const CardInput& input) {
  CardSetting card;
  card.item_no = item_no;
  card.pay_item_no = input.pay_item_no;
  card.bill_date = input.bill_date;
  card.pay_date = input.pay_on_day ? input.pay_number : 0;
  card.after_bill_days = input.pay_on_day ? 0 : input.pay_number;
  card.pay_mode = input.pay_mode;
  return card;
}

CardInput InputOfCard(const std::string& name, const CardSetting& card) {
  CardInput input;
  input.name = name;
  input.bill_date = card.bill_date;
  input.pay_on_day = card.pay_date > 0;
  input.pay_number = card.pay_date > 0 ? card.pay_date : card.after_bill_days;
  input.pay_item_no = card.pay_item_no;
  input.pay_mode = card.pay_mode;
  return input;
}

std::string NewCardCode() {
  std::string last;
  for (const CItemCache::Entry& e : CItemCache::Instance().Entries()) {
    if (ParentCode(e.code) == kCardParent) last = e.code;
  }
  if (last.empty()) return std::string(kCardParent) + "01";
  const int next = std::stoi(last.substr(last.size() - 2)) + 1;
  if (next <= 99) return StrFormat("%s%02d", kCardParent, next);
  return CItemCache::Instance().NextChildCode(kCardParent);
}

AccountResult AddCard(const CardInput& input, Prompter& prompter, std::string* code) {
  NewAccountPlan plan;
  plan.result = AccountResult::Done();
  plan.code = NewCardCode();
  plan.parent = kCardParent;
  plan.type = kTypeCreditCard;
  if (plan.code.empty()) {
    return Refuse(prompter, StrFormat(account_texts::kNoFreeChildCode, kCardParent));
  }
  NameDecision decision = ConfirmNewAccountName(plan, input.name, prompter);
  if (!decision.result.ok()) return decision.result;
  NewAccount account{plan.code, input.name, kTypeCreditCard, decision.move_parent_bookings,
                     SettingOfInput(plan.code, input)};
  AccountResult result = AddAccount(account, prompter);
  if (result.ok() && code) *code = plan.code;
  return result;
}

AccountResult ChangeCard(const std::string& code, const CardInput& input, Prompter& prompter) {
  return RenameAccount(code, input.name, prompter, SettingOfInput(code, input));
}

CardDeletion DeleteCards(const std::vector<std::string>& codes, Prompter& prompter) {
  CardDeletion deletion;
  if (!prompter.Ask(account_texts::kConfirmDelete, account_texts::kDeleteCaption)) {
    deletion.result = AccountResult::Declined(account_texts::kConfirmDelete);
    return deletion;
  }
  for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
    if (Count(321, *it) > 0) {
      deletion.result = Refuse(prompter, account_texts::kHasBookings);
      break;
    }
    if (Count(717, *it) > 0) {
      deletion.result = Refuse(prompter, account_texts::kHasPlans);
      break;
    }
    if (!RemoveCard(*it)) {
      deletion.result = AccountResult::Failed();
      break;
    }
    deletion.deleted.push_back(*it);
    deletion.result = AccountResult::Done();
  }
  if (!deletion.deleted.empty()) {
    CItemCache::Instance().MarkDirty();
    CCreditCardCache::Instance().MarkStale();
  }
  return deletion;
}

std::string RepaymentRuleText(const CardSetting& card) {
  return card.pay_date > 0 ? StrFormat("每月%d日", card.pay_date)
                           : StrFormat("账单日期之后的第%d天", card.after_bill_days);
}

GridRow CardListRow(const std::string& code) {
  CItemCache& chart = CItemCache::Instance();
  GridRow row;
  row.key = code;
  row.checkable = true;
  row.cells = {chart.NameOf(code)};
  if (std::optional<CardSetting> card = CCreditCardCache::Instance().Find(code)) {
    std::string payer = chart.FullPath(card->pay_item_no);
    if (!payer.empty() && payer.back() == '\\') payer.pop_back();
    row.cells.insert(row.cells.end(), {StrFormat("每月%d日", card->bill_date), RepaymentRuleText(*card),
                                       card->pay_mode == 1 ? "自动记账" : "不自动记账", payer});
  }
  return row;
}

GridModel BuildCardList() {
  GridModel table;
  table.SetColumns({Column("信用卡", 120), Column("账单日期", 80), Column("还款日期", 150), Column("记账方式", 80),
                    Column("扣款科目", 80)});
  table.ShowCheckColumn(true);
  for (const CItemCache::Entry& e : CItemCache::Instance().Entries()) {
    if (e.leaf && e.type == kTypeCreditCard) table.AddRow(CardListRow(e.code));
  }
  return table;
}

}  // namespace cw
