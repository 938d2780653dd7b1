// Moving the bookings of one leaf to another: the checks of both fields in
// order, the two questions and what moves.
#include <gtest/gtest.h>

#include "accounts_fixture.h"
#include "base/gbk_text.h"
#include "bookkeeping/accounts/account_texts.h"
#include "bookkeeping/accounts/account_transfer.h"

namespace cw::testing {
namespace {

using namespace account_texts;

class AccountTransferTest : public AccountsTest {
 protected:
  void SetUp() override {
    AccountsTest::SetUp();
    Prepare();
  }
  void Prepare() {
    UseChart({{"10101", "爸爸", 3}, {"10102", "妈妈", 3}, {"10201", "工商银行", 4}, {"60101", "未分类", 0}});
    BookExpense("601", "10101", 10);
    BookExpense("602", "10101", 20);
    Schedule("10101");
  }
};

TEST_F(AccountTransferTest, ChecksInOrder) {
  struct Case {
    const char* label;
    std::string from, to;
    std::string message;
    AccountField field;
  } cases[] = {
      {"from not in the chart", "10109", "10102", StrFormat(kNoSuchCode, "10109"), AccountField::kFrom},
      {"from not a leaf", "101", "10102", kNotALeaf, AccountField::kFrom},
      {"from without a type", "60101", "10102", kTypeNotSet, AccountField::kFrom},
      {"to not in the chart", "10101", "", StrFormat(kNoSuchCode, ""), AccountField::kTo},
      {"to not a leaf", "10101", "102", kNotALeaf, AccountField::kTo},
      {"same account", "10101", "10101", kSameAccount, AccountField::kTo},
      {"cash to bank", "10101", "10201", kTypesDiffer, AccountField::kTo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    prompter_.shown.clear();
    prompter_.answers = {true, true};
    AccountResult result = TransferBookings(c.from, c.to, prompter_);
    EXPECT_EQ(AccountResult::kRefused, result.outcome);
    EXPECT_EQ(c.field, result.field);
    ASSERT_EQ(1u, prompter_.shown.size()) << "no question after a refusal";
    EXPECT_EQ(c.message, prompter_.shown[0].text);
    EXPECT_EQ(kInputErrorCaption, prompter_.shown[0].caption);
    EXPECT_EQ((Refs{2, 1, 0, 0}), RefsOf("10101"));
  }
}

TEST_F(AccountTransferTest, AnswersDecideWhatMoves) {
  struct Case {
    const char* label;
    std::deque<bool> answers;
    Refs from, to;
    std::vector<std::string> shown;
  } cases[] = {
      {"not confirmed", {false}, {2, 1, 0, 0}, {0, 0, 0, 0}, {kConfirmTransfer}},
      {"bookings only", {true, false}, {0, 1, 0, 0}, {2, 0, 0, 0},
       {kConfirmTransfer, kTransferPlansToo, kTransferDone}},
      {"bookings and plans", {true, true}, {0, 0, 0, 0}, {2, 1, 0, 0},
       {kConfirmTransfer, kTransferPlansToo, kTransferDone}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Reset();
    Prepare();
    prompter_.answers = c.answers;
    TransferBookings("10101", "10102", prompter_);
    EXPECT_EQ(c.from, RefsOf("10101"));
    EXPECT_EQ(c.to, RefsOf("10102"));
    EXPECT_EQ(c.shown, Shown());
    for (const auto& shown : prompter_.shown) EXPECT_EQ(kTransferCaption, shown.caption);
  }
}

}  // namespace
}  // namespace cw::testing
