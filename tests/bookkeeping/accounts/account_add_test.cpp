// Adding accounts: the code a new account gets, the refusals, the name rule,
// the parent-bookings question and what moves down to the new account.
#include <gtest/gtest.h>

#include "accounts_fixture.h"
#include "base/gbk_text.h"
#include "bookkeeping/accounts/account_add.h"
#include "bookkeeping/accounts/account_name.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "plans/card_cache.h"
#include "store/database.h"

namespace cw::testing {
namespace {

using namespace account_texts;

class AccountAddTest : public AccountsTest {};

// The code of level `level` on the chain 101, 10101, 1010101 ...
std::string ChainCode(int level) {
  std::string code = "101";
  for (int l = 2; l <= level; ++l) code += "01";
  return code;
}

// The sub-accounts of that chain down to `levels` levels.
std::vector<ChartAccount> Chain(int levels) {
  std::vector<ChartAccount> chain;
  for (int level = 2; level <= levels; ++level) chain.push_back({ChainCode(level), StrFormat("第%d级", level), 3});
  return chain;
}

TEST_F(AccountAddTest, PlanFindsTheCodeOrRefuses) {
  std::vector<ChartAccount> full;
  for (int n = 1; n <= 99; ++n) full.push_back({StrFormat("60%d%02d", 2, n), StrFormat("项%d", n), 2});
  struct Case {
    const char* label;
    std::vector<ChartAccount> chart;
    std::string anchor;
    std::string code;     // expected new code; empty when refused
    std::string message;  // the refusal
  } cases[] = {
      {"no child yet", {}, "601", "60101", ""},
      {"first gap", {{"60101", "早", 2}, {"60102", "中", 2}, {"60104", "晚", 2}}, "601", "60103", ""},
      {"01 is free", {{"60102", "中", 2}, {"60103", "晚", 2}}, "601", "60101", ""},
      {"sibling of a top-level account", {}, "", "", kSiblingOfTopLevel},
      {"anchor not in the chart", {}, "20", "", kSiblingOfTopLevel},
      {"every code taken", full, "602", "", StrFormat(kNoFreeChildCode, "602")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    UseChart(c.chart);
    prompter_.shown.clear();
    NewAccountPlan plan = PlanNewAccount(c.anchor, prompter_);
    if (c.message.empty()) {
      EXPECT_TRUE(plan.result.ok());
      EXPECT_EQ(c.code, plan.code);
      EXPECT_EQ(c.anchor, plan.parent);
      EXPECT_TRUE(Shown().empty());
    } else {
      EXPECT_EQ(AccountResult::kRefused, plan.result.outcome);
      EXPECT_EQ(std::vector<std::string>{c.message}, Shown());
    }
  }
}

TEST_F(AccountAddTest, EighthLevelIsTheLast) {
  UseChart(Chain(7));
  ASSERT_EQ(15u, ChainCode(7).size());
  std::string code;
  ASSERT_TRUE(AddNamedAccount(ChainCode(7), false, "第8级", prompter_, &code).ok());
  EXPECT_EQ(ChainCode(8), code);
  EXPECT_EQ(17u, code.size());
  EXPECT_EQ(kTooDeep, AddNamedAccount(code, false, "第9级", prompter_, nullptr).message);
  EXPECT_EQ(std::vector<std::string>{kTooDeep}, Shown());
  EXPECT_FALSE(CItemCache::Instance().Exists(code + "01"));
}

TEST_F(AccountAddTest, PlanCarriesTheAnchorsTypeAndPath) {
  UseChart({{"10201", "工商银行", 4}});
  NewAccountPlan plan = PlanNewAccount("10201", prompter_);
  EXPECT_EQ("1020101", plan.code);
  EXPECT_EQ(4, plan.type);
  EXPECT_EQ("科目位置：“银行存款\\工商银行\\”", plan.position);
  EXPECT_EQ("10202", PlanNewAccount(SiblingAnchor("10201"), prompter_).code);
}

TEST(AccountName, Rule) {
  const std::string twenty_five_cjk = [] {
    std::string s;
    for (int i = 0; i < 25; ++i) s += "钱";
    return s;
  }();
  struct Case {
    std::string name;
    bool valid;
  } cases[] = {
      {"工资卡", true},
      {"", false},
      {"VISA 卡", false},
      {"VISA\t卡", false},
      {"全角\xE3\x80\x80空格", false},
      {"[旧]账户", false},
      {"账户]", false},
      {twenty_five_cjk, true},
      {twenty_five_cjk + "a", false},
      {std::string(50, 'a'), true},
      {std::string(51, 'a'), false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.valid, IsValidAccountName(c.name)) << "\"" << c.name << "\"";
}

TEST_F(AccountAddTest, BadNameIsAnInputErrorOnTheNameField) {
  NewAccountPlan plan = PlanNewAccount("601", prompter_);
  NameDecision decision = ConfirmNewAccountName(plan, "早 餐", prompter_);
  EXPECT_EQ(AccountResult::kRefused, decision.result.outcome);
  EXPECT_EQ(AccountField::kName, decision.result.field);
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(kBadName, prompter_.shown[0].text);
  EXPECT_EQ("操作错误", prompter_.shown[0].caption);
  EXPECT_EQ(PromptStyle::Error, prompter_.shown[0].style);
}

TEST_F(AccountAddTest, FirstSubAccountOfAnUnbookedLeafTakesItsType) {
  ASSERT_TRUE(AddNamedAccount("601", false, "早餐", prompter_, nullptr).ok());
  EXPECT_TRUE(Shown().empty()) << "no bookings, no question";
  EXPECT_EQ((Stored{"早餐", 2}), StoredAccount("60101"));
  EXPECT_EQ((Stored{"饮食", 0}), StoredAccount("601")) << "the parent keeps its name and loses its type";
  CItemCache& chart = CItemCache::Instance();
  EXPECT_TRUE(chart.IsLeaf("60101")) << "the cache was marked dirty";
  EXPECT_FALSE(chart.IsLeaf("601"));
  EXPECT_EQ(2, chart.TypeOf("601"));
}

TEST_F(AccountAddTest, BookedParentAsksAndNoKeepsEverything) {
  BookExpense("601", "101");
  Schedule("601");
  prompter_.answers = {false};
  std::string code;
  AccountResult result = AddNamedAccount("601", false, "早餐", prompter_, &code);
  EXPECT_EQ(AccountResult::kDeclined, result.outcome);
  EXPECT_EQ(AccountField::kName, result.field) << "the name dialog stays open";
  EXPECT_EQ(std::vector<std::string>{kMoveParentBookings}, Shown());
  EXPECT_FALSE(StoredAccount("60101"));
  EXPECT_EQ((Refs{1, 1, 0, 0}), RefsOf("601"));
}

TEST_F(AccountAddTest, BookedParentAsksAndYesMovesEverythingDown) {
  UseChart({{"10201", "工商银行", 4}});
  BookExpense("601", "10201");
  Schedule("10201");
  Budget("10201", 100);
  RepayCardFrom("202", "10201");
  prompter_.answers = {true};
  ASSERT_TRUE(AddNamedAccount("10201", false, "工资卡", prompter_, nullptr).ok());
  EXPECT_EQ(std::vector<std::string>{kMoveParentBookings}, Shown());
  EXPECT_EQ((Refs{0, 0, 0, 0}), RefsOf("10201"));
  EXPECT_EQ((Refs{1, 1, 1, 1}), RefsOf("1020101"));
  EXPECT_EQ("1020101", CCreditCardCache::Instance().Find("202")->pay_item_no) << "the card cache was marked stale";
  EXPECT_EQ((Stored{"工资卡", 4}), StoredAccount("1020101"));
}

TEST_F(AccountAddTest, SiblingBesideAnAccountGoesUnderItsParent) {
  UseChart({{"60101", "早餐", 2}, {"60102", "午餐", 2}});
  std::string code;
  ASSERT_TRUE(AddNamedAccount("60101", true, "晚餐", prompter_, &code).ok());
  EXPECT_EQ("60103", code);
  EXPECT_EQ(kSiblingOfTopLevel, AddNamedAccount("601", true, "零食", prompter_, nullptr).message);
  EXPECT_EQ(StrFormat(kNoSuchCode, "999"), AddNamedAccount("999", false, "零食", prompter_, nullptr).message);
}

TEST_F(AccountAddTest, BookingMadeAfterTheQuestionStopsTheAddition) {
  // The name dialog found no bookings; then the parent was booked on.
  NewAccountPlan plan = PlanNewAccount("601", prompter_);
  NameDecision decision = ConfirmNewAccountName(plan, "早餐", prompter_);
  ASSERT_TRUE(decision.result.ok());
  BookExpense("601", "101");
  AccountResult result = AddAccount({plan.code, "早餐", plan.type, decision.move_parent_bookings, {}}, prompter_);
  EXPECT_EQ(kParentBookedMeanwhile, result.message);
  EXPECT_FALSE(StoredAccount("60101"));
  EXPECT_EQ((Stored{"饮食", 2}), StoredAccount("601"));
}

TEST_F(AccountAddTest, FailureHalfWayKeepsNothing) {
  BookExpense("601", "101");
  // The budget lines cannot be moved: the whole addition must roll back.
  ASSERT_TRUE(Database::Execute("ALTER TABLE Budget RENAME TO Budget_Away"));
  AccountResult result = AddAccount({"60101", "早餐", 2, true, {}}, prompter_);
  ASSERT_TRUE(Database::Execute("ALTER TABLE Budget_Away RENAME TO Budget"));
  EXPECT_EQ(AccountResult::kFailed, result.outcome);
  EXPECT_FALSE(StoredAccount("60101"));
  EXPECT_EQ((Stored{"饮食", 2}), StoredAccount("601"));
  EXPECT_EQ(1, RefsOf("601").lines);
}

TEST_F(AccountAddTest, CardAccountIsWrittenWithItsSettings) {
  NewAccountPlan plan = PlanNewAccount("202", prompter_);
  ASSERT_EQ(kTypeCreditCard, plan.type);
  CardSetting card;
  card.pay_item_no = "102";
  card.bill_date = 8;
  card.pay_date = 26;
  card.pay_mode = 1;
  ASSERT_TRUE(AddAccount({plan.code, "招行卡", plan.type, false, card}, prompter_).ok());
  std::optional<CardSetting> stored = CCreditCardCache::Instance().Find("20201");
  ASSERT_TRUE(stored);
  EXPECT_EQ("102", stored->pay_item_no);
  EXPECT_EQ(8, stored->bill_date);
  EXPECT_EQ(26, stored->pay_date);
}

}  // namespace
}  // namespace cw::testing
