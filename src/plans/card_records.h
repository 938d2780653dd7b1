#pragma once
// Credit cards as the card list and the card dialog manage them: the dialog's
// checks, the code a new card gets, adding, changing and deleting a card with
// its account and settings, and the card list's table.
#include <string>
#include <vector>

#include "bookkeeping/accounts/account_result.h"
#include "controls/grid_model.h"
#include "plans/card_cache.h"

namespace cw {

class Prompter;

// The top credit-card account the cards are made below.
inline constexpr char kCardParent[] = "202";

// What the card dialog collects.
struct CardInput {
  std::string name;
  int bill_date = 1;          // 1-31
  bool pay_on_day = true;     // "每月" with a day; false: "账单日期之后的第" n days
  int pay_number = 20;        // the day 1-31, or the days 10-30
  std::string pay_item_no;    // 扣款科目
  int pay_mode = 1;           // 1 "自动记账", 0 "不自动记账"
};

enum class CardField { kNone, kName, kNumber, kPayAccount };

struct CardRefusal {
  std::string message;  // empty: accepted
  CardField field = CardField::kNone;
  explicit operator bool() const { return !message.empty(); }
};

// The dialog's checks in order: the name rule, the repayment day 1-31 or days
// 10-30, a paying account of the chart other than a card.
CardRefusal CheckCardInput(const CardInput& input);
// The settings the input stands for.
CardSetting SettingOfInput(const std::string& item_no, const CardInput& input);
// The input that shows a card's account name and settings.
CardInput InputOfCard(const std::string& name, const CardSetting& card);

// The code of a new card: one above the last card below the top credit-card
// account, or its first code when there is none (the first free code once 99
// is taken); empty when every code is taken.
std::string NewCardCode();

// Adds the card: its account (type 8) below the top credit-card account with
// its settings, in one transaction. When the parent already carries bookings
// the question whether they move to the card is asked first; No declines.
// `code` receives the new account.
AccountResult AddCard(const CardInput& input, Prompter& prompter, std::string* code);
// Stores the card's name and settings (inserted when it had none).
AccountResult ChangeCard(const std::string& code, const CardInput& input, Prompter& prompter);

struct CardDeletion {
  AccountResult result;
  std::vector<std::string> deleted;  // the codes deleted, last ticked first
};
// Deletes the cards after one confirmation, from the last to the first; stops at
// the first that carries bookings or is used by a scheduled booking (message
// shown), keeping what was deleted before it.
CardDeletion DeleteCards(const std::vector<std::string>& codes, Prompter& prompter);

// The card list: 信用卡, 账单日期, 还款日期, 记账方式, 扣款科目; one checkable
// row per card account in chart order, keyed by its code.
GridModel BuildCardList();
GridRow CardListRow(const std::string& code);

// "每月%d日" or "账单日期之后的第%d天".
std::string RepaymentRuleText(const CardSetting& card);

}  // namespace cw
