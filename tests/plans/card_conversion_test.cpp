// Borrowing accounts named as cards become cards, and their kind-8 vouchers
// and plans card repayments with an interest line of 0.
#include "plans/card_conversion.h"

#include <gtest/gtest.h>

#include "core/item_cache.h"
#include "core/voucher_engine.h"
#include "plan_fixture.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_check.h"

namespace cw {
namespace {

using testing::PlanTest;

TEST_F(PlanTest, BorrowingCardsBecomeCardsWithTheirRepayments) {
  Database::Execute(Database::LoadStatement(349), {"20101", "招行信用卡", 7});
  Database::Execute(Database::LoadStatement(349), {"20102", "向朋友借款", 7});
  Database::Execute("UPDATE Item SET ItemType = 0 WHERE Item_No = '201'");
  CItemCache::Instance().MarkDirty();
  const CardProposal proposal = ProposeCardAccounts();
  EXPECT_EQ(proposal.cards, (std::vector<std::string>{"20101"}));
  EXPECT_EQ(proposal.borrowing, (std::vector<std::string>{"20102"}));

  const int card_repaid = WriteVoucher(Make("2026-03-01", 8, "20101", "102", 500, "还信用卡"));
  const int friend_repaid = WriteVoucher(Make("2026-03-02", 8, "20102", "102", 300, "还朋友"));
  ASSERT_GT(card_repaid, 0);
  ASSERT_GT(friend_repaid, 0);
  const int plan = AddPlan({0, 0, 5, 0}, kBookSilently, Make("2026-03-01", 8, "20101", "102", 500, "还款"), "2026-03-01");

  ASSERT_TRUE(ConvertToCards(proposal.cards));
  EXPECT_EQ(CItemCache::Instance().TypeOf("20101"), 8);
  EXPECT_EQ(ReadVoucher(card_repaid)->kind, 13);
  EXPECT_EQ(ReadVoucher(card_repaid)->account3, "50399");
  EXPECT_EQ(ReadVoucher(friend_repaid)->kind, 8);
  EXPECT_EQ(ReadPlan(plan)->entry.kind, 13);
  EXPECT_EQ(ReadPlan(plan)->entry.account3, "50399");
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

}  // namespace
}  // namespace cw
