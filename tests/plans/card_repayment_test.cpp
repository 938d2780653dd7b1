// The automatic repayment: booked once on the repayment date for what the bill
// owes, nothing for a card in credit or one repaid by hand.
#include "plans/card_repayment.h"

#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "core/voucher_engine.h"
#include "plans/card_cache.h"
#include "plan_fixture.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_check.h"

namespace cw {
namespace {

class CardRepaymentTest : public testing::PlanTest {
 protected:
  void SetUp() override {
    PlanTest::SetUp();
    // Bill on the 25th, repaid on the 5th of the next month from the bank.
    Database::Execute("INSERT INTO CreditCard (Item_No, PayItem_No, BillDate, PayDate, AfterBillDays, PayMode) "
                      "VALUES ('202', '102', 25, 5, 0, ?1)",
                      {mode_});
    CCreditCardCache::Instance().MarkStale();
  }
  void Spend(const std::string& date, double amount) {
    ASSERT_GT(WriteVoucher(Make(date, 3, "601", "202", amount, "午饭")), 0);
  }
  static std::vector<std::string> Repayments() {
    std::vector<std::string> out;
    CDBPack rows;
    rows.Open("SELECT A.Input_Time, D.Item_No, D.Cash, D.IsDebit, D.Line_No FROM AccountInput A JOIN Detail_Input D "
              "ON D.Voucher_No = A.Voucher_No WHERE A.Input_Type = 13 ORDER BY A.Voucher_No, D.Line_No");
    for (; !rows.IsEnd(); rows.MoveNext()) {
      out.push_back(IsoDate(static_cast<int>(rows.GetDate("Input_Time"))) + " " + rows.GetText("Item_No") + " " +
                    std::to_string(static_cast<int>(rows.GetDouble("Cash"))) + (rows.GetBool("IsDebit") ? " 借" : " 贷"));
    }
    return out;
  }
  int mode_ = 1;
};

TEST_F(CardRepaymentTest, BooksTheBillOnceOnItsRepaymentDate) {
  Spend("2026-01-10", 600);
  Spend("2026-01-20", 400);
  Spend("2026-01-28", 70);  // after the bill date: next bill
  const std::vector<CardRepayment> none_yet = RunAutomaticRepayments(Day("2026-02-04"), prompter_);
  EXPECT_TRUE(none_yet.empty());  // the last repayment date (5 January) had nothing to pay

  std::vector<CardRepayment> booked = RunAutomaticRepayments(Day("2026-02-06"), prompter_);
  ASSERT_EQ(booked.size(), 1u);
  EXPECT_EQ(IsoDate(booked[0].date), "2026-02-05");
  EXPECT_DOUBLE_EQ(booked[0].amount, 1000);
  EXPECT_EQ(Repayments(), (std::vector<std::string>{"2026-02-05 202 1000 借", "2026-02-05 102 1000 贷",
                                                    "2026-02-05 50399 0 借"}));
  EXPECT_TRUE(RunAutomaticRepayments(Day("2026-02-06"), prompter_).empty());
  EXPECT_TRUE(RunAutomaticRepayments(Day("2026-02-20"), prompter_).empty());
  EXPECT_EQ(Repayments().size(), 3u);
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

TEST_F(CardRepaymentTest, NothingWhenTheCardIsInCreditOrRepaidByHand) {
  Spend("2026-01-10", 100);
  ASSERT_GT(WriteVoucher(Make("2026-01-15", 13, "202", "102", 300, "多还", "50399", 0)), 0);
  EXPECT_TRUE(RunAutomaticRepayments(Day("2026-02-06"), prompter_).empty());  // owed -200: in credit
  Spend("2026-02-10", 800);
  ASSERT_GT(WriteVoucher(Make("2026-03-01", 13, "202", "102", 600, "还款", "50399", 0)), 0);
  EXPECT_TRUE(RunAutomaticRepayments(Day("2026-03-06"), prompter_).empty());  // owed 600, repaid 600
}

class ManualCardTest : public CardRepaymentTest {
 protected:
  void SetUp() override {
    mode_ = 0;
    CardRepaymentTest::SetUp();
  }
};

TEST_F(ManualCardTest, ACardNotSetToBookItselfIsLeftAlone) {
  Spend("2026-01-10", 600);
  EXPECT_TRUE(RunAutomaticRepayments(Day("2026-02-06"), prompter_).empty());
}

}  // namespace
}  // namespace cw
