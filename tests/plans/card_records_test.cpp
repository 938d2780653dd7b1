// Cards as the card list manages them: the dialog's checks, new codes, adding
// with the parent-bookings question, deleting with its refusals, the list.
#include "plans/card_records.h"

#include <gtest/gtest.h>

#include "core/item_cache.h"
#include "core/voucher_engine.h"
#include "plans/card_cache.h"
#include "plan_fixture.h"
#include "store/database.h"

namespace cw {
namespace {

using testing::PlanTest;

CardInput Card(const std::string& name) {
  CardInput input;
  input.name = name;
  input.bill_date = 25;
  input.pay_number = 5;
  input.pay_item_no = "102";
  return input;
}

TEST_F(PlanTest, CardInputChecksNameDaysAndPayingAccountInOrder) {
  struct Case {
    const char* name;
    bool on_day;
    int number;
    const char* payer;
    CardField want;
  };
  const Case cases[] = {
      {"VISA 卡", true, 5, "102", CardField::kName},
      {"卡[1]", true, 5, "102", CardField::kName},
      {"", true, 5, "102", CardField::kName},
      {"招行卡", true, 0, "102", CardField::kNumber},
      {"招行卡", true, 32, "102", CardField::kNumber},
      {"招行卡", false, 9, "102", CardField::kNumber},
      {"招行卡", false, 31, "102", CardField::kNumber},
      {"招行卡", false, 10, "", CardField::kPayAccount},
      {"招行卡", false, 30, "503", CardField::kPayAccount},  // not a leaf
      {"招行卡", true, 31, "102", CardField::kNone},
      {"招行卡", true, 1, "101", CardField::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.number));
    CardInput input = Card(c.name);
    input.pay_on_day = c.on_day;
    input.pay_number = c.number;
    input.pay_item_no = c.payer;
    EXPECT_EQ(CheckCardInput(input).field, c.want);
  }
  CardInput bad = Card("招行卡");
  bad.pay_on_day = false;
  bad.pay_number = 40;
  EXPECT_EQ(CheckCardInput(bad).message, "您输入的天数无效，请输入一个10-30之间的数字。");
}

TEST_F(PlanTest, CardsGetConsecutiveCodesAndTheirSettings) {
  EXPECT_EQ(NewCardCode(), "20201");
  std::string code;
  ASSERT_TRUE(AddCard(Card("招行卡"), prompter_, &code).ok());
  EXPECT_EQ(code, "20201");
  CardInput after = Card("工行卡");
  after.pay_on_day = false;
  after.pay_number = 20;
  after.pay_mode = 0;
  ASSERT_TRUE(AddCard(after, prompter_, &code).ok());
  EXPECT_EQ(code, "20202");
  EXPECT_EQ(NewCardCode(), "20203");

  GridModel list = BuildCardList();
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Row(0).cells, (std::vector<std::string>{"招行卡", "每月25日", "每月5日", "自动记账", "银行存款"}));
  EXPECT_EQ(list.Row(1).cells, (std::vector<std::string>{"工行卡", "每月25日", "账单日期之后的第20天", "不自动记账", "银行存款"}));

  CardInput changed = Card("招商银行卡");
  changed.bill_date = 3;
  ASSERT_TRUE(ChangeCard("20201", changed, prompter_).ok());
  EXPECT_EQ(CCreditCardCache::Instance().Find("20201")->bill_date, 3);
  EXPECT_EQ(CItemCache::Instance().NameOf("20201"), "招商银行卡");
}

TEST_F(PlanTest, ANewCardAsksWhetherTheParentsBookingsMoveToIt) {
  ASSERT_GT(WriteVoucher(Make("2026-03-01", 3, "601", "202", 50)), 0);
  prompter_.answers = {false};
  std::string code;
  EXPECT_EQ(AddCard(Card("招行卡"), prompter_, &code).outcome, AccountResult::kDeclined);
  EXPECT_FALSE(CItemCache::Instance().Exists("20201"));
  prompter_.answers = {true};
  ASSERT_TRUE(AddCard(Card("招行卡"), prompter_, &code).ok());
  EXPECT_TRUE(IsCreditCard("20201"));
}

TEST_F(PlanTest, DeletingCardsStopsAtTheFirstThatIsStillUsed) {
  std::string booked, planned, clean;
  ASSERT_TRUE(AddCard(Card("甲卡"), prompter_, &booked).ok());
  ASSERT_TRUE(AddCard(Card("乙卡"), prompter_, &planned).ok());
  ASSERT_TRUE(AddCard(Card("丙卡"), prompter_, &clean).ok());
  ASSERT_GT(WriteVoucher(Make("2026-03-01", 3, "601", booked, 50)), 0);
  AddPlan({0, 0, 1, 0}, kBookSilently, Make("2026-03-01", 3, "601", planned, 50), "2026-03-01");

  prompter_.answers = {false};
  EXPECT_TRUE(DeleteCards({clean}, prompter_).deleted.empty());
  EXPECT_EQ(prompter_.shown.back().caption, "资料删除");

  // From the last ticked row: the clean card goes, the planned one stops the rest.
  prompter_.answers = {true};
  CardDeletion deletion = DeleteCards({booked, planned, clean}, prompter_);
  EXPECT_EQ(deletion.deleted, (std::vector<std::string>{clean}));
  EXPECT_EQ(prompter_.shown.back().text, "此科目已有预约记账数据，请更改或删除预约记账。");
  EXPECT_FALSE(IsCreditCard(clean));
  EXPECT_FALSE(CItemCache::Instance().Exists(clean));

  prompter_.answers = {true};
  EXPECT_TRUE(DeleteCards({booked}, prompter_).deleted.empty());
  EXPECT_EQ(prompter_.shown.back().text, "此科目已有记账数据，请将该科目下的记账数据\n转移到其他科目后再删除科目。");
  EXPECT_TRUE(IsCreditCard(booked));
}

}  // namespace
}  // namespace cw
