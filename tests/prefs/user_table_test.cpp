// The user-management table and the command-line functions built on the same logic.
#include <gtest/gtest.h>

#include "prefs/login.h"
#include "prefs/user_commands.h"
#include "prefs/user_table.h"
#include "prefs/user_texts.h"
#include "users_fixture.h"

namespace cw::testing {
namespace {

using UserTableTest = UsersTest;

TEST_F(UserTableTest, ColumnsAndOneRowPerUserInNumberOrder) {
  Rights some = Rights::None();
  some.voucher = true;
  some.budget = true;
  const int zhang = Add("张三", "", 0, some);
  const int li = Add("李四", "", 1, Rights::None());

  GridModel table = BuildUserTable();
  struct ColumnCase {
    std::string title;
    int width;
    Align align;
  } columns[] = {{"用户名", 80, Align::Left}, {"级别", 80, Align::Left}, {"状态", 80, Align::Centre},
                 {"权限", 450, Align::Left}};
  ASSERT_EQ(4, table.ColumnCount());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(columns[i].title, table.Column(i).title);
    EXPECT_EQ(columns[i].width, table.Column(i).width);
    EXPECT_EQ(columns[i].align, table.Column(i).align);
    EXPECT_TRUE(table.Column(i).required);
  }
  EXPECT_TRUE(table.HasCheckColumn());

  struct RowCase {
    int key;
    std::vector<std::string> cells;
  } rows[] = {
      {1, {"管理员", "管理员", "正常", "全部权限"}},
      {zhang, {"张三", "普通用户", "正常", "日常记账、收支预算"}},
      {li, {"李四", "普通用户", "冻结", "无"}},
  };
  ASSERT_EQ(3, table.RowCount());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RowKey(rows[i].key), table.Key(i));
    EXPECT_EQ(rows[i].cells, table.Row(i).cells);
    EXPECT_TRUE(table.Row(i).checkable);
  }
}

TEST_F(UserTableTest, CommandsReturnErrorTextsOrDoTheWork) {
  int added = 0;
  EXPECT_EQ(user_texts::kNewPasswordMismatch, AddUserCommand("张三", "pw", "pv", 1, &added));
  EXPECT_EQ("", AddUserCommand("张三", "pw", "pw", 1, &added));
  EXPECT_GT(added, 1);
  EXPECT_EQ(user_texts::kNameTaken, AddUserCommand("张三", "", "", 1, nullptr));
  EXPECT_EQ(user_texts::kBadLevel, AddUserCommand("李四", "", "", 5, nullptr));
  EXPECT_EQ(2, ListUsersCommand().RowCount());

  EXPECT_EQ(user_texts::kNoSuchUser, ChangePasswordCommand(999, "", "x", "x"));
  EXPECT_EQ(user_texts::kOldPasswordWrong, ChangePasswordCommand(added, "bad", "x", "x"));
  EXPECT_EQ(user_texts::kNewPasswordMismatch, ChangePasswordCommand(added, "pw", "新", "旧"));
  EXPECT_EQ("", ChangePasswordCommand(added, "pw", "新", "新"));
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "新").result);
}

}  // namespace
}  // namespace cw::testing
