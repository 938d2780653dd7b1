// Changing accounts: the name, the card settings, and the type of a leaf that
// has none.
#include <gtest/gtest.h>

#include "accounts_fixture.h"
#include "base/gbk_text.h"
#include "bookkeeping/accounts/account_change.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "plans/card_cache.h"

namespace cw::testing {
namespace {

using namespace account_texts;

class AccountChangeTest : public AccountsTest {
 protected:
  void SetUp() override {
    AccountsTest::SetUp();
    Prepare();
  }
  static void Prepare() {
    UseChart({{"10201", "工商银行", 4}, {"1020101", "新户", 0}, {"20201", "招行卡", kTypeCreditCard}});
  }
};

TEST_F(AccountChangeTest, NameAndTypeRules) {
  struct Case {
    const char* label;
    std::string code, name;
    int new_type;
    std::string message;  // empty when it works
    Stored after;
  } cases[] = {
      {"a name keeps the type", "101", "零钱", 0, "", {"零钱", 3}},
      {"an untyped leaf gets a type", "1020101", "工资户", 4, "", {"工资户", 4}},
      {"a typed leaf keeps its type", "101", "零钱", 4, kTypeIsFixed, {"现金", 3}},
      {"a parent has no type of its own", "10201", "工行", 4, kTypeIsFixed, {"工商银行", 0}},
      {"no such type", "1020101", "工资户", 9, kTypeIsFixed, {"新户", 0}},
      {"bad name", "101", "零 钱", 0, kBadName, {"现金", 3}},
      {"no such account", "10109", "零钱", 0, StrFormat(kNoSuchCode, "10109"), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Reset();
    Prepare();
    AccountResult result = RenameAccount(c.code, c.name, prompter_, std::nullopt, c.new_type);
    EXPECT_EQ(c.message, result.message);
    EXPECT_EQ(c.message.empty(), result.ok());
    if (!c.after.name.empty()) {
      EXPECT_EQ(c.after, StoredAccount(c.code));
    }
  }
}

TEST_F(AccountChangeTest, NewTypeReachesTheParents) {
  ASSERT_EQ(0, CItemCache::Instance().TypeOf("102"));
  ASSERT_TRUE(RenameAccount("1020101", "工资户", prompter_, std::nullopt, kTypeBank).ok());
  EXPECT_EQ(kTypeBank, CItemCache::Instance().TypeOf("102"));
  EXPECT_TRUE(CItemCache::Instance().AllLeavesTyped());
}

TEST_F(AccountChangeTest, CardSettingsAreUpdatedOrAdded) {
  CardSetting card;
  card.pay_item_no = "101";
  card.bill_date = 3;
  card.pay_date = 20;
  ASSERT_TRUE(RenameAccount("20201", "招行金卡", prompter_, card).ok());
  ASSERT_TRUE(IsCreditCard("20201")) << "inserted";
  card.pay_item_no = "10201";
  ASSERT_TRUE(RenameAccount("20201", "招行金卡", prompter_, card).ok());
  EXPECT_EQ("10201", CCreditCardCache::Instance().Find("20201")->pay_item_no) << "updated";
  EXPECT_EQ((Stored{"招行金卡", kTypeCreditCard}), StoredAccount("20201"));
}

}  // namespace
}  // namespace cw::testing
