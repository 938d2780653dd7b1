// The card settings cache: what it loads, and that a change reaches it only
// once it is marked stale.
#include "plans/card_cache.h"

#include <gtest/gtest.h>

#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

class CardCacheTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM CreditCard");
    CCreditCardCache::Instance().MarkStale();
  }
  static void AddCard(const std::string& code, int bill, int pay, int after, int mode) {
    ASSERT_EQ(1, Database::Execute("INSERT INTO CreditCard (Item_No, PayItem_No, BillDate, PayDate, AfterBillDays, "
                                   "PayMode) VALUES (?1, '102', ?2, ?3, ?4, ?5)",
                                   {code, bill, pay, after, mode}));
  }
};

TEST_F(CardCacheTest, LoadsEveryCardInCodeOrder) {
  AddCard("20202", 10, 0, 20, 0);
  AddCard("20201", 5, 23, 0, 1);
  std::vector<CardSetting> cards = CCreditCardCache::Instance().Cards();
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[0].item_no, "20201");
  EXPECT_EQ(cards[0].pay_item_no, "102");
  EXPECT_EQ(cards[0].bill_date, 5);
  EXPECT_EQ(cards[0].pay_date, 23);
  EXPECT_EQ(cards[0].after_bill_days, 0);
  EXPECT_EQ(cards[0].pay_mode, 1);
  EXPECT_EQ(cards[1].item_no, "20202");
  EXPECT_EQ(cards[1].after_bill_days, 20);
  EXPECT_TRUE(IsCreditCard("20202"));
  EXPECT_FALSE(IsCreditCard("202"));
}

TEST_F(CardCacheTest, KeepsItsCopyUntilMarkedStale) {
  AddCard("20201", 5, 23, 0, 1);
  ASSERT_TRUE(IsCreditCard("20201"));
  AddCard("20202", 10, 0, 20, 0);
  EXPECT_FALSE(IsCreditCard("20202"));
  CCreditCardCache::Instance().MarkStale();
  EXPECT_TRUE(IsCreditCard("20202"));
}

}  // namespace
}  // namespace cw
