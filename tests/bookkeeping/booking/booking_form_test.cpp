// Composing the booking from the form, and the form of a stored voucher.
#include <gtest/gtest.h>

#include "bookkeeping/booking/booking_form.h"
#include "booking_fixture.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"

namespace cw {
namespace {

using testing::BookingTest;

class BookingFormTest : public BookingTest {
 protected:
  static BookingForm Form(int kind, std::string a1, std::string a2, std::string a3, double amount1,
                          double amount2, int deposit_index = 0) {
    BookingForm form;
    form.date = Day("2024-05-10");
    form.kind = kind;
    form.accounts[0] = std::move(a1);
    form.accounts[1] = std::move(a2);
    form.accounts[2] = std::move(a3);
    form.amount1 = amount1;
    form.amount2 = amount2;
    form.description = "说明";
    form.deposit_index = deposit_index;
    return form;
  }
};

TEST_F(BookingFormTest, HiddenFieldsDoNotReachTheBooking) {
  struct Case {
    const char* name;
    BookingForm form;
    std::string account3;
    int type3;
    double amount2;
    int deposit_code;
  } cases[] = {
      {"expense ignores picker 3, amount 2 and the deposit list", Form(3, "601", "101", "50401", 5, 7, 3), "", 0,
       0, 0},
      {"deposit takes the code of the chosen list entry", Form(40, "101", "10201", "", 5, 7, 3), "", 0, 0, 12},
      {"withdrawal takes picker 3 and the interest", Form(41, "10201", "101", "50401", 5, 7, 3), "50401", 1, 7,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Booking b = ComposeBooking(c.form);
    EXPECT_EQ(c.form.kind, b.kind);
    EXPECT_EQ(c.form.date, b.date);
    EXPECT_EQ(c.form.accounts[0], b.account1);
    EXPECT_EQ(c.form.accounts[1], b.account2);
    EXPECT_EQ(c.account3, b.account3);
    EXPECT_EQ(CItemCache::Instance().TypeOf(b.account1), b.type1);
    EXPECT_EQ(CItemCache::Instance().TypeOf(b.account2), b.type2);
    EXPECT_EQ(c.type3, b.type3);
    EXPECT_EQ(5, b.amount1);
    EXPECT_EQ(c.amount2, b.amount2);
    EXPECT_EQ(c.deposit_code, b.deposit_code);
    EXPECT_EQ("说明", b.description);
    EXPECT_EQ(0, b.plan);
  }
}

TEST_F(BookingFormTest, PurchaseByCardIsStoredAsAnExpenseAndReopensAsAPurchaseOnTheCardPage) {
  const int number = WriteVoucher(ComposeBooking(Form(kKindPurchaseByCard, "601", "20201", "", 88, 0)));
  ASSERT_NE(0, number);
  const std::optional<Booking> stored = ReadVoucher(number);
  ASSERT_TRUE(stored);
  EXPECT_EQ(kKindExpense, stored->kind);

  const BookingForm on_card_page = FormOfVoucher(*stored, kPageCreditCard);
  EXPECT_EQ(kKindPurchaseByCard, on_card_page.kind);
  EXPECT_EQ("601", on_card_page.accounts[0]);
  EXPECT_EQ("20201", on_card_page.accounts[1]);
  EXPECT_EQ(88, on_card_page.amount1);
  EXPECT_EQ(kKindExpense, FormOfVoucher(*stored, kPageIncomeExpense).kind);
}

TEST_F(BookingFormTest, StoredVouchersShowTheirSecondAmountAndDepositType) {
  struct Case {
    BookingForm form;
    int page;
  } cases[] = {
      {Form(10, "103", "10201", "50402", 1000, 1200), 32906},  // proceeds
      {Form(10, "103", "10201", "50402", 1000, 900), 32906},   // a loss
      {Form(41, "10201", "101", "50401", 5000, 25), 32901},    // interest
      {Form(13, "20201", "10201", "50399", 300, 4.5), 32908},  // interest
      {Form(40, "101", "10201", "", 800, 0, 5), 32901},        // 三年定期
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form.kind);
    const int number = WriteVoucher(ComposeBooking(c.form));
    ASSERT_NE(0, number);
    const BookingForm shown = FormOfVoucher(*ReadVoucher(number), c.page);
    EXPECT_EQ(c.form.kind, shown.kind);
    EXPECT_EQ(c.form.date, shown.date);
    for (int i = 0; i < LineCount(c.form.kind); ++i) EXPECT_EQ(c.form.accounts[i], shown.accounts[i]);
    EXPECT_DOUBLE_EQ(c.form.amount1, shown.amount1);
    EXPECT_DOUBLE_EQ(c.form.amount2, shown.amount2);
    EXPECT_EQ(c.form.deposit_index, shown.deposit_index);
    EXPECT_EQ(c.form.description, shown.description);
  }
}

}  // namespace
}  // namespace cw
