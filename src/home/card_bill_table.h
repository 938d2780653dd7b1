#pragma once
// The home page's credit-card bills: for every card its last bill, the
// repayment date of that bill, the amount billed and how the bill stands.
#include <string>

#include "home/home_table.h"

namespace cw {

enum class BillState {
  kNothingDue,  // "不需还款": nothing owed, or the card is in credit
  kRepaid,      // "已还款": what was repaid covers the bill
  kUnpaid,      // "未还款": not yet covered, repayment date not passed
  kOverdue,     // "欠款": not covered and the repayment date has passed
};

// The state of a bill from what was owed at the bill date and repaid since,
// on `today` for a bill due on `repayment` (serial days).
BillState BillStateOf(double owed, double repaid, int today, int repayment);
std::string BillStateText(BillState state);

// Columns 信用卡, 账单日期, 还款日期, 账单金额, 状态; one row per card in code
// order, keyed by the card's account; unpaid and overdue rows link to the
// card's ledger, overdue rows are alerts.
HomeTable CardBillTable(int today);

}  // namespace cw
