#pragma once
// Which borrowing accounts are credit cards: asked once, when a data set from
// before credit cards had their own account type is upgraded. Shared by the
// upgrade and by the dialog that asks (CConvertCreditCard).
#include <string>
#include <vector>

namespace cw {

struct AccountRef {
  std::string code;
  std::string name;
  friend bool operator==(const AccountRef&, const AccountRef&) = default;
};

struct CardChoice {
  std::vector<AccountRef> borrowing;  // stay borrowing accounts (借入科目)
  std::vector<AccountRef> cards;      // become credit cards (信用卡科目)
};

// The borrowing accounts (type 7) in code order, those whose name contains
// "信用卡" picked out as cards.
CardChoice PreselectCards();

// Gives every account of `codes` the credit-card type and turns the
// repayments to them (kind 8 with the account on line 0, vouchers and plans
// alike) into card repayments (kind 13) with an interest line of 0 on 50399,
// inside the caller's transaction. False when a statement failed.
bool ConvertToCardAccounts(const std::vector<std::string>& codes);

}  // namespace cw
