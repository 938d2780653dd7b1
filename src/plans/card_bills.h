#pragma once
// The bill arithmetic of a credit card. Dates are serial days (days since
// 1899-12-30); month lengths are Gregorian and months move across year ends.
// A bill day or repayment day beyond the end of a month falls on its last day.
#include <string>

#include "plans/card_cache.h"

namespace cw {

// The last bill date strictly before `today`.
int LastBillDate(const CardSetting& card, int today);

// The repayment date of the bill dated `bill`: `after_bill_days` after it, or
// the repayment day of the bill's month when that comes after the bill day,
// else of the following month.
int RepaymentDateForBill(const CardSetting& card, int bill);

// The latest repayment date on or before `today`.
int LastRepaymentDate(const CardSetting& card, int today);

// The bill date that a repayment date belongs to: the bill day of the
// repayment's month when it comes before the repayment day, else of the month
// before.
int BillDateForRepayment(const CardSetting& card, int repayment);

struct BillAmounts {
  double owed = 0;    // the card's balance at the end of the bill date (credits raise it)
  double repaid = 0;  // debits booked after the bill date up to the repayment date
};
// Reads the card's voucher lines.
BillAmounts BillFigures(const std::string& card_item_no, int bill, int repayment);

}  // namespace cw
