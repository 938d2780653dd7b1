#pragma once
// The one-time conversion of older data, where credit cards were borrowing
// accounts (type 7): the accounts proposed as cards, and turning the chosen ones
// into cards with their repayments (kind 8 on a card) into card repayments
// (kind 13 with an interest line of 0 on 50399), vouchers and plans alike.
#include <string>
#include <vector>

namespace cw {

struct CardProposal {
  std::vector<std::string> borrowing;  // 借入科目: the other accounts of type 7
  std::vector<std::string> cards;      // 信用卡科目: those whose name holds "信用卡"
};
CardProposal ProposeCardAccounts();

// One transaction; the chart and card caches are marked stale.
bool ConvertToCards(const std::vector<std::string>& cards);

}  // namespace cw
