// Deleting accounts: the checks in their order, the confirmation, the
// only-sub-account path that moves everything to the parent and gives it the
// deleted account's type back, and what is cleaned up with the account.
#include <gtest/gtest.h>

#include <functional>

#include "accounts_fixture.h"
#include "bookkeeping/accounts/account_delete.h"
#include "bookkeeping/accounts/account_texts.h"
#include "base/gbk_text.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "plans/card_cache.h"
#include "store/database.h"

namespace cw::testing {
namespace {

using namespace account_texts;

class AccountDeleteTest : public AccountsTest {
 protected:
  void SetUp() override {
    AccountsTest::SetUp();
    Prepare();
  }
  // 101 has two sub-accounts, 102 one.
  static void Prepare() { UseChart({{"10101", "爸爸", 3}, {"10102", "妈妈", 3}, {"10201", "工商银行", 4}}); }
};

TEST_F(AccountDeleteTest, ChecksInOrder) {
  struct Case {
    const char* label;
    std::string code;
    std::function<void()> prepare;
    std::deque<bool> answers;
    std::vector<std::string> shown;  // every message and question, in order
    AccountResult::Outcome outcome;
  } cases[] = {
      {"reserved before anything", kCardInterestAccount, {}, {true, true}, {kReserved}, AccountResult::kRefused},
      {"sub-accounts before top level", "101", {}, {true}, {kHasSubAccounts}, AccountResult::kRefused},
      {"top level", "601", {}, {true}, {kTopLevel}, AccountResult::kRefused},
      {"confirmation declined", "10101", {}, {false}, {kConfirmDelete}, AccountResult::kDeclined},
      {"bookings with a sibling",
       "10101",
       [] {
         Schedule("10101");
         WriteVoucher(Make("2024-03-05", 3, "601", "10101", 10));
       },
       {true, true},
       {kConfirmDelete, kHasBookings},
       AccountResult::kRefused},
      {"scheduled bookings with a sibling", "10101", [] { Schedule("10101"); }, {true, true},
       {kConfirmDelete, kHasPlans}, AccountResult::kRefused},
      {"repays a card, with a sibling", "10102", [] { RepayCardFrom("202", "10102"); }, {true, true},
       {kConfirmDelete, kRepaysCard}, AccountResult::kRefused},
      {"move to the parent declined", "10201", [] { Schedule("10201"); }, {true, false},
       {kConfirmDelete, kMoveToParent}, AccountResult::kDeclined},
      {"not in the chart", "10109", {}, {true}, {StrFormat(kNoSuchCode, "10109")}, AccountResult::kRefused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Reset();
    Prepare();
    if (c.prepare) c.prepare();
    prompter_.answers = c.answers;
    const std::optional<Stored> before = StoredAccount(c.code);
    const Refs refs_before = RefsOf(c.code);

    DeletedAccount deleted = DeleteAccount(c.code, prompter_);
    EXPECT_EQ(c.outcome, deleted.result.outcome);
    EXPECT_EQ(c.shown, Shown());
    EXPECT_EQ(before, StoredAccount(c.code)) << "nothing deleted";
    EXPECT_EQ(refs_before, RefsOf(c.code)) << "nothing moved";
  }
}

TEST_F(AccountDeleteTest, ConfirmationUsesTheDeletionCaption) {
  prompter_.answers = {false};
  DeleteAccount("10101", prompter_);
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(kDeleteCaption, prompter_.shown[0].caption);
  EXPECT_EQ(PromptStyle::Question, prompter_.shown[0].style);
}

TEST_F(AccountDeleteTest, AccountWithASiblingAndNoBookingsGoes) {
  Budget("10102", 50);
  prompter_.answers = {true};
  DeletedAccount deleted = DeleteAccount("10102", prompter_);
  ASSERT_TRUE(deleted.result.ok());
  EXPECT_EQ(std::vector<std::string>{kConfirmDelete}, Shown());
  EXPECT_FALSE(StoredAccount("10102"));
  EXPECT_FALSE(deleted.parent_is_leaf);
  EXPECT_EQ((Stored{"现金", 0}), StoredAccount("101")) << "the parent still has 10101";
  EXPECT_EQ(0, RefsOf("10102").budgets) << "its budget lines went with it";
  EXPECT_FALSE(CItemCache::Instance().Exists("10102")) << "the cache was marked dirty";
}

TEST_F(AccountDeleteTest, OnlySubAccountMovesEverythingUpAndGivesItsTypeBack) {
  const int voucher = BookExpense("601", "10201", 25);
  Schedule("10201");
  Budget("10201", 80);
  RepayCardFrom("202", "10201");
  prompter_.answers = {true, true};

  DeletedAccount deleted = DeleteAccount("10201", prompter_);
  ASSERT_TRUE(deleted.result.ok());
  EXPECT_EQ((std::vector<std::string>{kConfirmDelete, kMoveToParent}), Shown());
  EXPECT_FALSE(StoredAccount("10201"));
  EXPECT_EQ((Stored{"银行存款", 4}), StoredAccount("102"));
  EXPECT_TRUE(deleted.parent_is_leaf);
  EXPECT_EQ("102", deleted.parent);
  EXPECT_EQ(4, deleted.parent_type);
  EXPECT_EQ((Refs{1, 1, 1, 1}), RefsOf("102"));
  EXPECT_EQ((Refs{0, 0, 0, 0}), RefsOf("10201"));
  EXPECT_EQ(1u, MonthVouchers(2024, 3).size()) << "the voucher stays, now on the parent";
  EXPECT_EQ(voucher, MonthVouchers(2024, 3)[0].first);
  EXPECT_TRUE(CItemCache::Instance().IsLeaf("102"));
  EXPECT_EQ("102", CCreditCardCache::Instance().Find("202")->pay_item_no);
}

TEST_F(AccountDeleteTest, OnlySubAccountWithoutBookingsAsksOnlyOnce) {
  prompter_.answers = {true};
  DeletedAccount deleted = DeleteAccount("10201", prompter_);
  ASSERT_TRUE(deleted.result.ok());
  EXPECT_EQ(std::vector<std::string>{kConfirmDelete}, Shown());
  EXPECT_EQ((Stored{"银行存款", 4}), StoredAccount("102"));
}

TEST_F(AccountDeleteTest, CardAccountTakesItsSettingsAlong) {
  UseChart({{"20201", "招行卡", kTypeCreditCard}, {"20202", "建行卡", kTypeCreditCard}});
  RepayCardFrom("20201", "102");
  ASSERT_TRUE(IsCreditCard("20201"));
  prompter_.answers = {true};
  ASSERT_TRUE(DeleteAccount("20201", prompter_).result.ok());
  EXPECT_FALSE(IsCreditCard("20201"));
}

TEST_F(AccountDeleteTest, UsageIsReadAfterTheConfirmation) {
  // While the confirmation is open a scheduled booking is made on the account:
  // the deletion is refused instead of losing it.
  struct BookingPrompter : Prompter {
    explicit BookingPrompter(Prompter& inner) : inner(inner) {}
    void Inform(const std::string& text, const std::string& caption, PromptStyle style) override {
      inner.Inform(text, caption, style);
    }
    bool Ask(const std::string& text, const std::string& caption) override {
      AccountsTest::Schedule("10102");
      return inner.Ask(text, caption);
    }
    Prompter& inner;
  } prompter(prompter_);
  prompter_.answers = {true};
  DeletedAccount deleted = DeleteAccount("10102", prompter);
  EXPECT_EQ(kHasPlans, deleted.result.message);
  EXPECT_TRUE(StoredAccount("10102"));
  EXPECT_EQ(1, RefsOf("10102").plans);
}

}  // namespace
}  // namespace cw::testing
