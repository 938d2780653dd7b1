// Rights lookup and the rights text of the user list.
#include <gtest/gtest.h>

#include "prefs/rights.h"
#include "store/database.h"
#include "users_fixture.h"

namespace cw::testing {
namespace {

TEST(RightsTextTest, NamesTheSetRightsInDisplayOrder) {
  auto with = [](std::initializer_list<bool Rights::*> set) {
    Rights r = Rights::None();
    for (bool Rights::*m : set) r.*m = true;
    return r;
  };
  struct Case {
    Rights rights;
    std::string text;
  } cases[] = {
      {Rights::All(), "全部权限"},
      {Rights::None(), "无"},
      {with({&Rights::system_set}), "系统管理"},
      {with({&Rights::budget, &Rights::voucher}), "日常记账、收支预算"},
      {with({&Rights::voucher_query, &Rights::voucher_graph, &Rights::budget, &Rights::system_set}),
       "账薄查询、图表统计、收支预算、系统管理"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, RightsText(c.rights));
}

using RightsTest = UsersTest;

TEST_F(RightsTest, UserWithoutRecordHasEveryRight) {
  const int user = Add("张三", "", 0, Rights::None());
  EXPECT_EQ(Rights::None(), ReadRights(user));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(551), {user}));
  EXPECT_EQ(Rights::All(), ReadRights(user));
  EXPECT_EQ(Rights::All(), ReadRights(999));
}

TEST_F(RightsTest, WriteInsertsMissingRecordAndUpdatesExistingOne) {
  const int user = Add("张三");
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(551), {user}));
  Rights some = Rights::None();
  some.budget = true;
  ASSERT_TRUE(WriteRights(user, some));
  EXPECT_EQ(some, ReadRights(user));
  some.voucher = true;
  ASSERT_TRUE(WriteRights(user, some));
  EXPECT_EQ(some, ReadRights(user));
}

}  // namespace
}  // namespace cw::testing
