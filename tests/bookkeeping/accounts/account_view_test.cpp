// What the account page shows: the category bar, the tree rows of a category,
// the context-menu rules and the selection dialog's check.
#include <gtest/gtest.h>

#include "accounts_fixture.h"
#include "bookkeeping/accounts/account_selection.h"
#include "bookkeeping/accounts/account_texts.h"
#include "bookkeeping/accounts/account_view.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw::testing {
namespace {

class AccountViewTest : public AccountsTest {
 protected:
  void SetUp() override {
    AccountsTest::SetUp();
    UseChart({{"10101", "爸爸", 3},
              {"10102", "外币", 4},
              {"10201", "工商银行", 4},
              {"1020101", "新户", 0},
              {"20201", "招商银行", kTypeCreditCard},
              {"2020101", "金卡", kTypeCreditCard},
              {"2020102", "白金卡", kTypeCreditCard}});
  }
  static std::vector<CItemCache::Entry> Chart() { return CItemCache::Instance().Entries(); }
};

TEST_F(AccountViewTest, CategoryBarListsTopLevelsCardGroupsAndAll) {
  std::vector<AccountCategory> categories = BuildCategories(Chart());
  std::vector<std::string> codes;
  for (const AccountCategory& c : categories) codes.push_back(c.code);
  EXPECT_EQ((std::vector<std::string>{"101", "102", "103", "104", "201", "202", "20201", "501", "503", "504", "505",
                                      "601", "602", "603", "604", "605", "606", "607", "608", "609", "699", ""}),
            codes)
      << "502 (初始收入) has no entry";
  EXPECT_EQ(account_texts::kAllAccounts, categories.back().name);
  EXPECT_EQ(kAllAccountsImage, categories.back().image);
  EXPECT_EQ(3, categories[5].image) << "credit card";
  EXPECT_EQ(5, categories[8].image) << "503 takes the expense type of its leaves";

  struct Case {
    int requested;
    std::string code;
  } cases[] = {{kTypeCash, "101"}, {kTypeCreditCard, "202"}, {kTypeExpense, "503"}, {42, "101"}};
  for (const Case& c : cases) EXPECT_EQ(c.code, categories[InitialCategory(categories, c.requested)].code) << c.requested;
}

TEST_F(AccountViewTest, CardGroupShowsCodesRelativeToItsParent) {
  std::vector<AccountCategory> categories = BuildCategories(Chart());
  const AccountCategory& group = categories[6];
  ASSERT_EQ("20201", group.code);
  EXPECT_EQ("20", CategoryPrefix(group));
  std::vector<AccountRow> rows = CategoryRows(Chart(), group);
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ("201", rows[0].relative);
  EXPECT_EQ("20101", rows[1].relative);
  EXPECT_EQ("2020101", rows[1].code);
  EXPECT_EQ("", rows[0].type_name) << "a non-leaf shows no type";
  EXPECT_EQ("信用卡", rows[1].type_name);
}

TEST_F(AccountViewTest, CategoryKeepsOnlyItsType) {
  std::vector<AccountCategory> categories = BuildCategories(Chart());
  std::vector<std::string> codes;
  for (const AccountRow& row : CategoryRows(Chart(), categories[0])) codes.push_back(row.code);
  EXPECT_EQ((std::vector<std::string>{"101", "10101"}), codes) << "10102 is a bank account below the cash account";
  EXPECT_EQ(Chart().size(), CategoryRows(Chart(), categories.back()).size()) << "所有科目";
}

TEST_F(AccountViewTest, UntypedLeafIsMarked) {
  std::vector<AccountRow> all = CategoryRows(Chart(), BuildCategories(Chart()).back());
  auto row = std::find_if(all.begin(), all.end(), [](const AccountRow& r) { return r.code == "1020101"; });
  ASSERT_NE(all.end(), row);
  EXPECT_TRUE(row->Untyped());
  EXPECT_EQ("新户 [科目类型未设置]", row->Text());
  EXPECT_EQ("工商银行", std::find_if(all.begin(), all.end(), [](const AccountRow& r) { return r.code == "10201"; })->Text())
      << "a non-leaf is never marked";
}

TEST(AccountMenu, RootsAndParentsLimitTheCommands) {
  struct Case {
    AccountRow row;
    bool add_sibling, remove;
  } cases[] = {
      {{"101", "101", "现金", "现金", true, 3}, false, false},
      {{"20201", "201", "招商银行", "", false, 8}, false, false},
      {{"10201", "10201", "工商银行", "", false, 4}, true, false},
      {{"10101", "10101", "爸爸", "现金", true, 3}, true, true},
  };
  for (const Case& c : cases) {
    AccountMenuState state = MenuStateFor(c.row);
    EXPECT_EQ(c.add_sibling, state.add_sibling) << c.row.code;
    EXPECT_EQ(c.remove, state.remove) << c.row.code;
  }
}

TEST_F(AccountViewTest, LeafOnlySelectionRefusesParents) {
  struct Case {
    SelectMode mode;
    std::string code;
    bool accepted;
    bool message;
  } cases[] = {
      {SelectMode::kChooseLeaf, "10201", false, true}, {SelectMode::kChooseLeaf, "10101", true, false},
      {SelectMode::kChoose, "10201", true, false},     {SelectMode::kChoose, "", false, false},
  };
  for (const Case& c : cases) {
    prompter_.shown.clear();
    EXPECT_EQ(c.accepted, AcceptSelection(c.mode, c.code, prompter_)) << c.code;
    ASSERT_EQ(c.message ? 1u : 0u, prompter_.shown.size());
    if (c.message) {
      EXPECT_EQ(account_texts::kChooseALeaf, prompter_.shown[0].text);
      EXPECT_EQ("操作错误", prompter_.shown[0].caption);
      EXPECT_EQ(PromptStyle::Error, prompter_.shown[0].style);
    }
  }
}

}  // namespace
}  // namespace cw::testing
