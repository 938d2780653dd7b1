#pragma once
// Adding an account below another one ("新增下级科目") or beside it
// ("新增同级科目"): the code it gets, the name dialog's decision, and the write.
//
//   NewAccountPlan plan = PlanNewAccount(anchor, prompter);   // code, type, position
//   NameDecision name = ConfirmNewAccountName(plan, text, prompter);
//   AddAccount({plan.code, text, plan.type, name.move_parent_bookings}, prompter);
#include <optional>
#include <string>

#include "bookkeeping/accounts/account_result.h"
#include "plans/card_cache.h"

namespace cw {

class Prompter;

// The account a new sibling goes under: the parent of `selected`; empty for a
// top-level account, which has none.
std::string SiblingAnchor(const std::string& selected);

// "科目位置：“<full path of anchor>”", the line of the name dialog that says
// where the account sits; the path is "\" when there is no anchor.
std::string PositionText(const std::string& anchor);

struct NewAccountPlan {
  AccountResult result;  // refused: no new account here (message shown)
  std::string code;      // the first free code below the anchor
  std::string parent;    // the anchor
  int type = 0;          // the anchor's type, which the new account takes
  std::string position;  // "科目位置：“<path of the anchor>”" for the name dialog
};

// The new account below `anchor` (a full code; empty or absent when a
// sibling of a top-level account was asked for). Refused, with the message
// shown, when the anchor is not in the chart, when the new account would be a
// ninth level, or when every code 01-99 below the anchor is taken.
NewAccountPlan PlanNewAccount(const std::string& anchor, Prompter& prompter);

struct NameDecision {
  AccountResult result;  // refused (bad name) or declined (keep the bookings up): stay in the dialog
  bool move_parent_bookings = false;
};

// OK of the name dialog for a new account: the name rule, then, when the
// parent already carries bookings, the question whether they move down to the
// new account; No keeps the dialog open.
NameDecision ConfirmNewAccountName(const NewAccountPlan& plan, const std::string& name, Prompter& prompter);
// OK of the name dialog for an existing account: the name rule only.
AccountResult ConfirmAccountName(const std::string& name, Prompter& prompter);

struct NewAccount {
  std::string code;
  std::string name;
  int type = 0;
  // Yes to the parent-bookings question: the parent's voucher lines move to
  // the new account. Its scheduled bookings and budget lines always do, since
  // only a leaf may carry them.
  bool move_parent_bookings = false;
  // A credit card's settings, written with the account when given.
  std::optional<CardSetting> card;
};

// Adds the account in one transaction: the account with the parent's type, the
// moves from the parent, the card settings, and the parent's type cleared (it
// is no leaf any more). Refused (message shown) when the name is bad, the code
// is too long or has no parent, or the parent was booked on meanwhile without
// the move having been agreed.
AccountResult AddAccount(const NewAccount& account, Prompter& prompter);

// The whole addition without a window, for the command-line tool: below
// `selected`, or beside it with `sibling`; `code` receives the new code.
AccountResult AddNamedAccount(const std::string& selected, bool sibling, const std::string& name,
                              Prompter& prompter, std::string* code);

}  // namespace cw
