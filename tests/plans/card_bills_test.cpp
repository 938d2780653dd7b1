// The bill arithmetic of credit cards: bill and repayment dates at month ends,
// in February and across year ends, and the owed and repaid amounts of a bill.
#include "plans/card_bills.h"

#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "core/voucher_engine.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

int D(const char* iso) {
  int serial = 0;
  EXPECT_TRUE(ParseIsoDate(iso, &serial)) << iso;
  return serial;
}

CardSetting Card(int bill_date, int pay_date, int after_bill_days) {
  CardSetting card;
  card.item_no = "202";
  card.bill_date = bill_date;
  card.pay_date = pay_date;
  card.after_bill_days = after_bill_days;
  return card;
}

struct DateCase {
  int bill_date, pay_date, after_bill_days;
  const char* given;
  const char* expected;
};

std::string Describe(const DateCase& c) {
  return "bill " + std::to_string(c.bill_date) + " pay " + std::to_string(c.pay_date) + " after " +
         std::to_string(c.after_bill_days) + " from " + c.given;
}

TEST(CardBillDates, LastBillDateIsStrictlyBeforeToday) {
  const DateCase cases[] = {
      {31, 0, 20, "2024-03-15", "2024-02-29"},  // leap February takes its last day
      {31, 0, 20, "2023-03-15", "2023-02-28"},
      {15, 0, 20, "2024-03-15", "2024-02-15"},  // the bill day itself counts from tomorrow
      {15, 0, 20, "2024-03-16", "2024-03-15"},
      {10, 0, 20, "2024-01-10", "2023-12-10"},  // across the year end
      {31, 0, 20, "2024-01-05", "2023-12-31"},
      {30, 0, 20, "2024-03-31", "2024-03-30"},
      {31, 0, 20, "2024-05-31", "2024-04-30"},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(IsoDate(LastBillDate(Card(c.bill_date, c.pay_date, c.after_bill_days), D(c.given))), c.expected)
        << Describe(c);
  }
}

TEST(CardBillDates, RepaymentDateForABill) {
  const DateCase cases[] = {
      {25, 5, 0, "2024-01-25", "2024-02-05"},   // repayment day before the bill day: next month
      {31, 31, 0, "2024-03-31", "2024-04-30"},  // equal days: next month, clamped to its end
      {31, 31, 0, "2024-01-31", "2024-02-29"},
      {5, 23, 0, "2024-03-05", "2024-03-23"},   // repayment day after the bill day: same month
      {25, 5, 0, "2024-12-25", "2025-01-05"},   // across the year end
      {10, 0, 20, "2024-03-10", "2024-03-30"},  // days after the bill
      {20, 0, 25, "2024-12-20", "2025-01-14"},
      {31, 0, 30, "2024-01-31", "2024-03-01"},  // through a leap February
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(IsoDate(RepaymentDateForBill(Card(c.bill_date, c.pay_date, c.after_bill_days), D(c.given))),
              c.expected)
        << Describe(c);
  }
}

TEST(CardBillDates, LastRepaymentDateIsOnOrBeforeToday) {
  const DateCase cases[] = {
      {5, 23, 0, "2024-03-23", "2024-03-23"},  // the repayment day itself
      {5, 23, 0, "2024-03-22", "2024-02-23"},
      {5, 23, 0, "2024-01-10", "2023-12-23"},
      {5, 31, 0, "2024-03-01", "2024-02-29"},
      {5, 31, 0, "2024-04-30", "2024-04-30"},  // day 31 falls on the last day of April
      {10, 0, 20, "2024-03-30", "2024-03-30"},
      {10, 0, 20, "2024-03-29", "2024-03-01"},  // this month's bill is not due yet: February's
      {10, 0, 20, "2024-03-10", "2024-03-01"},
      {5, 0, 30, "2024-03-06", "2024-03-06"},
      {5, 0, 30, "2024-03-05", "2024-02-04"},  // February's bill is due tomorrow: January's
  };
  for (const DateCase& c : cases) {
    const int today = D(c.given);
    const int repayment = LastRepaymentDate(Card(c.bill_date, c.pay_date, c.after_bill_days), today);
    EXPECT_EQ(IsoDate(repayment), c.expected) << Describe(c);
    EXPECT_LE(repayment, today) << Describe(c);
  }
}

TEST(CardBillDates, BillDateForARepaymentDate) {
  const DateCase cases[] = {
      {25, 5, 0, "2024-02-05", "2024-01-25"},
      {5, 23, 0, "2024-03-23", "2024-03-05"},
      {31, 31, 0, "2024-04-30", "2024-03-31"},
      {31, 5, 0, "2024-03-05", "2024-02-29"},
      {10, 0, 20, "2024-03-30", "2024-03-10"},
      {25, 5, 0, "2024-01-05", "2023-12-25"},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(IsoDate(BillDateForRepayment(Card(c.bill_date, c.pay_date, c.after_bill_days), D(c.given))),
              c.expected)
        << Describe(c);
  }
}

// For cards paid on a day of the month, the bill of a repayment date is the
// bill that repayment belongs to, every day of a year.
TEST(CardBillDates, BillAndRepaymentDatesPairUp) {
  const CardSetting cards[] = {Card(5, 23, 0), Card(25, 5, 0), Card(28, 28, 0), Card(1, 28, 0)};
  for (const CardSetting& card : cards) {
    for (int today = D("2023-12-01"); today <= D("2025-01-31"); ++today) {
      const int bill = LastBillDate(card, today);
      ASSERT_EQ(BillDateForRepayment(card, RepaymentDateForBill(card, bill)), bill)
          << card.bill_date << "/" << card.pay_date << " on " << IsoDate(today);
    }
  }
}

class BillFiguresTest : public testing::LedgerTest {};

TEST_F(BillFiguresTest, OwedUpToTheBillDateRepaidUntilTheRepaymentDate) {
  // Bill on the 5th of March, repayment due on the 25th.
  ASSERT_NE(0, WriteVoucher(Make("2024-02-20", 1, "202", "502", 40, "初始欠款")));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-01", 3, "601", "202", 100, "晚餐")));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-05", 12, "202", "101", 60, "取现")));  // on the bill day: billed
  ASSERT_NE(0, WriteVoucher(Make("2024-03-06", 3, "604", "202", 30, "衣服")));    // next bill
  ASSERT_NE(0, WriteVoucher(Make("2024-03-03", 13, "202", "102", 10, "信用卡还款", "50302", 0)));  // before the bill
  ASSERT_NE(0, WriteVoucher(Make("2024-03-20", 13, "202", "102", 120, "信用卡还款", "50302", 0)));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-25", 13, "202", "102", 5, "信用卡还款", "50302", 0)));   // on the due day
  ASSERT_NE(0, WriteVoucher(Make("2024-03-26", 13, "202", "102", 70, "信用卡还款", "50302", 0)));  // too late
  ASSERT_NE(0, WriteVoucher(Make("2024-03-10", 3, "601", "102", 999, "不相干")));

  const BillAmounts amounts = BillFigures("202", D("2024-03-05"), D("2024-03-25"));
  EXPECT_DOUBLE_EQ(amounts.owed, 40 + 100 + 60 - 10);
  EXPECT_DOUBLE_EQ(amounts.repaid, 120 + 5);
}

TEST_F(BillFiguresTest, ACardWithoutLinesOwesNothing) {
  const BillAmounts amounts = BillFigures("202", D("2024-03-05"), D("2024-03-25"));
  EXPECT_EQ(amounts.owed, 0);
  EXPECT_EQ(amounts.repaid, 0);
}

}  // namespace
}  // namespace cw
