#pragma once
// The automatic repayment of credit cards, run right after the scheduled
// bookings: for every card set to book its repayment, when its latest
// repayment date has come and the bill of that date is not covered yet, a
// repayment voucher (kind 13, "信用卡还款") of the amount owed is booked on the
// repayment date from the card's paying account.
//
// The check and the booking are one transaction, so the repayment is booked
// once, also when two runs meet: the second finds it among the repaid debits.
#include <string>
#include <vector>

namespace cw {

class Prompter;

struct CardRepayment {
  std::string card;  // the card's account
  int date = 0;      // the repayment date
  double amount = 0;
  int voucher = 0;   // the voucher booked
};

// Books the repayments due on `today` as the logged-in user. A card whose
// repayment cannot be booked (its paying account is gone, the month is full) is
// named through `prompter`; the others go on.
std::vector<CardRepayment> RunAutomaticRepayments(int today, Prompter& prompter);

}  // namespace cw
