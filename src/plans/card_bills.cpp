#include "plans/card_bills.h"

#include <algorithm>
#include <cmath>

#include "calendar/calendar.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

// Day `day` of the month yyyymm, or the month's last day when it is shorter.
int ClampedDay(int yyyymm, int day) {
  return SerialDay(yyyymm / 100, yyyymm % 100, std::min(day, MonthLength(yyyymm)));
}

int MonthOf(const Ymd& d, int k) { return MonthAdd(d.year, d.month, k); }

}  // namespace

int LastBillDate(const CardSetting& card, int today) {
  const Ymd t = DateOfSerialDay(today);
  if (card.bill_date < t.day) return SerialDay(t.year, t.month, card.bill_date);
  return ClampedDay(MonthOf(t, -1), card.bill_date);
}

int RepaymentDateForBill(const CardSetting& card, int bill) {
  if (card.pay_date <= 0) return bill + card.after_bill_days;
  const Ymd b = DateOfSerialDay(bill);
  return ClampedDay(MonthOf(b, card.bill_date < card.pay_date ? 0 : 1), card.pay_date);
}

int LastRepaymentDate(const CardSetting& card, int today) {
  const Ymd t = DateOfSerialDay(today);
  if (card.pay_date > 0) {
    // This month's repayment day counts once it has come, also when the month
    // is too short for it (day 31 falls on April 30).
    const int this_month = ClampedDay(MonthOf(t, 0), card.pay_date);
    return this_month <= today ? this_month : ClampedDay(MonthOf(t, -1), card.pay_date);
  }
  // The repayment of a bill may fall more than a month after it, so step back
  // until it is not in the future. Bills of this month count only once their
  // day has passed, as LastBillDate counts them.
  for (int k = card.bill_date < t.day ? 0 : 1;; ++k) {
    const int repayment = ClampedDay(MonthOf(t, -k), card.bill_date) + card.after_bill_days;
    if (repayment <= today) return repayment;
  }
}

int BillDateForRepayment(const CardSetting& card, int repayment) {
  const Ymd r = DateOfSerialDay(repayment);
  if (card.bill_date < r.day) return SerialDay(r.year, r.month, card.bill_date);
  return ClampedDay(MonthOf(r, -1), card.bill_date);
}

BillAmounts BillFigures(const std::string& card_item_no, int bill, int repayment) {
  BillAmounts amounts;
  CDBPack rows;
  rows.Open(Database::LoadStatement(764), {card_item_no});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const int day = static_cast<int>(std::floor(rows.GetDate("Input_Time")));
    const double cash = rows.GetDouble("Cash");
    const bool debit = rows.GetBool("IsDebit");
    if (day <= bill) {
      amounts.owed += debit ? -cash : cash;
    } else if (day <= repayment && debit) {
      amounts.repaid += cash;
    }
  }
  return amounts;
}

}  // namespace cw
