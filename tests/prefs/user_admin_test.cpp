// Adding, changing and deleting users and changing a password: every check
// with its message, and what is written.
#include <gtest/gtest.h>

#include "base/product.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "prefs/login.h"
#include "prefs/password.h"
#include "prefs/user_admin.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "users_fixture.h"

namespace cw::testing {
namespace {

using UserAdminTest = UsersTest;
namespace t = user_texts;

UserInput Input(const std::string& name, const std::string& password = "", int level = 1, int state = 0) {
  UserInput input;
  input.name = name;
  input.password = password;
  input.level = level;
  input.state = state;
  return input;
}

TEST_F(UserAdminTest, NewUserChecks) {
  Add("张三");
  struct Case {
    UserInput input;
    std::string message;  // empty: accepted
    UserField field;
  } cases[] = {
      {Input(""), t::kNameMissing, UserField::kName},
      {Input("   "), t::kNameMissing, UserField::kName},
      {Input("张三"), t::kNameTaken, UserField::kName},
      {Input(" 张三\t"), t::kNameTaken, UserField::kName},
      {Input("管理员"), t::kNameTaken, UserField::kName},
      {Input("一二三四五六七八九十"), "", UserField::kNone},  // 20 GBK bytes
      {Input("一二三四五六七八九十一"), t::kNameTooLong, UserField::kName},
      {Input("abcdefghijklmnopqrst"), "", UserField::kNone},
      {Input("abcdefghijklmnopqrstu"), t::kNameTooLong, UserField::kName},
      {Input("李四", "一二三四五六七八九十"), "", UserField::kNone},
      {Input("李四", "一二三四五六七八九十x"), t::kPasswordTooLong, UserField::kPassword},
      {Input("李四", "", 0), "", UserField::kNone},
      {Input("李四", "", 2), t::kBadLevel, UserField::kLevel},
      {Input("李四", "", -1), t::kBadLevel, UserField::kLevel},
  };
  for (const Case& c : cases) {
    UserResult result = CheckNewUser(c.input);
    EXPECT_EQ(c.message.empty(), result.ok) << c.input.name;
    EXPECT_EQ(c.message, result.message) << c.input.name;
    EXPECT_EQ(c.field, result.field) << c.input.name;
  }
}

TEST_F(UserAdminTest, AddWritesTheUserWithGreetingRightsAndHashedPassword) {
  Rights rights = Rights::None();
  rights.voucher_graph = true;
  UserInput input = Input("  张三 ", "pw", 1, 1);
  input.rights = rights;
  UserResult result = AddUser(input);
  ASSERT_TRUE(result.ok) << result.message;

  std::optional<UserRecord> user = FindUserByNumber(result.person_no);
  ASSERT_TRUE(user);
  EXPECT_EQ("张三", user->name);
  EXPECT_EQ(1, user->level);
  EXPECT_EQ(1, user->state);
  EXPECT_EQ(cw::kDefaultGreeting, user->welcome_word);
  EXPECT_TRUE(IsArgon2Password(user->password));
  EXPECT_TRUE(VerifyPassword(user->password, "pw"));
  EXPECT_EQ(rights, ReadRights(result.person_no));

  // A refused add writes nothing.
  EXPECT_FALSE(AddUser(Input("张三")).ok);
  EXPECT_EQ(2u, ListUsers().size());
}

TEST_F(UserAdminTest, OwnColoursAreReadInTheirInterfaceOrder) {
  Database::Execute("UPDATE Person SET Navi_Color = ?1, Frame_Color = ?2, Btn_Color = ?3 WHERE Person_No = 1",
                    {0x102030, 0x405060, 0x708090});
  std::optional<UserRecord> user = FindUserByNumber(1);
  ASSERT_TRUE(user);
  EXPECT_EQ((std::array<std::uint32_t, 8>{0x102030, 0, 0, 0, 0, 0x405060, 0, 0x708090}), user->own_colours);
}

TEST_F(UserAdminTest, LookupsByNameAndByNumberReadTheWholeRecord) {
  Database::Execute("UPDATE Person SET Navi_Color = ?1, Work_Music = ?2 WHERE Person_No = 1",
                    {0x102030, std::string("/music")});
  const std::optional<UserRecord> by_number = FindUserByNumber(1);
  ASSERT_TRUE(by_number);
  const std::optional<UserRecord> by_name = FindUserByName(by_number->name);
  ASSERT_TRUE(by_name);
  EXPECT_EQ(1, by_name->person_no);
  EXPECT_EQ(0, by_name->level) << "user 1 is the administrator";
  EXPECT_EQ(by_number->password, by_name->password);
  EXPECT_EQ(by_number->own_colours, by_name->own_colours);
  EXPECT_EQ("/music", by_name->work_music);
  EXPECT_FALSE(FindUserByName("没有这个人"));
  const std::vector<UserRecord> listed = ListUsers();
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(by_number->name, listed[0].name);
  EXPECT_EQ(0, listed[0].level);
}

TEST_F(UserAdminTest, AddedAdministratorGetsEveryRightAndEmptyPasswordStaysEmpty) {
  UserInput input = Input("爸爸", "", 0);
  input.rights = Rights::None();
  UserResult result = AddUser(input);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(Rights::All(), ReadRights(result.person_no));
  EXPECT_EQ("", StoredPassword(result.person_no));
  EXPECT_EQ(LoginResult::kOk, CheckLogin("爸爸", "").result);
}

TEST_F(UserAdminTest, DeletedUsersNumberIsNotGivenAgain) {
  const int first = Add("张三");
  prompter_.answers = {true};
  ASSERT_EQ(std::vector<int>{first}, DeleteUsers({first}, DeleteSource::kSelectedRow, prompter_));
  EXPECT_GT(Add("李四"), first);
}

TEST_F(UserAdminTest, ChangeChecks) {
  const int zhang = Add("张三");
  Add("李四");
  struct Case {
    int person_no;
    UserInput input;
    std::string message;
    UserField field;
  } cases[] = {
      {zhang, Input("张三"), "", UserField::kNone},  // his own name
      {zhang, Input("张三丰"), "", UserField::kNone},
      {zhang, Input("李四"), t::kNameTaken, UserField::kName},
      {zhang, Input("管理员"), t::kNameTaken, UserField::kName},
      {zhang, Input(""), t::kNameMissing, UserField::kName},
      {zhang, Input("一二三四五六七八九十一"), t::kNameTooLong, UserField::kName},
      {zhang, Input("张三", "", 1, 1), "", UserField::kNone},
      {1, Input("管理员", "", 1, 1), t::kCannotFreezeAdministrator, UserField::kState},
      {1, Input("当家的"), "", UserField::kNone},
      {999, Input("谁"), t::kNoSuchUser, UserField::kNone},
  };
  for (const Case& c : cases) {
    UserResult result = CheckChangedUser(c.person_no, c.input);
    EXPECT_EQ(c.message.empty(), result.ok) << c.input.name;
    EXPECT_EQ(c.message, result.message) << c.input.name;
    EXPECT_EQ(c.field, result.field) << c.input.name;
  }
}

TEST_F(UserAdminTest, ChangeStoresNameStateAndRights) {
  const int user = Add("张三");
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(551), {user}));  // no rights record yet
  UserInput input = Input("张三丰", "", 1, 1);
  input.rights = Rights::None();
  ASSERT_TRUE(ChangeUser(user, input).ok);
  std::optional<UserRecord> changed = FindUserByNumber(user);
  EXPECT_EQ("张三丰", changed->name);
  EXPECT_EQ(1, changed->state);
  EXPECT_EQ(Rights::None(), ReadRights(user));

  input.rights.budget = true;
  input.state = 0;
  ASSERT_TRUE(ChangeUser(user, input).ok);
  EXPECT_EQ(0, FindUserByNumber(user)->state);
  EXPECT_TRUE(ReadRights(user).budget);
}

TEST_F(UserAdminTest, AdministratorKeepsEveryRight) {
  UserInput input = Input("当家的");
  input.rights = Rights::None();
  ASSERT_TRUE(ChangeUser(1, input).ok);
  EXPECT_EQ("当家的", FindUserByNumber(1)->name);
  EXPECT_EQ(Rights::All(), ReadRights(1));
  EXPECT_TRUE(CanManageUsers(1));
}

TEST_F(UserAdminTest, OnlyAnAdministratorWithSystemRightManagesUsers) {
  const int ordinary = Add("张三");
  EXPECT_FALSE(CanManageUsers(ordinary));
  const int second_admin = Add("妈妈", "", 0, Rights::All(), 0);
  EXPECT_TRUE(CanManageUsers(second_admin));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(550), {1, 1, 1, 1, 0, second_admin}));
  EXPECT_FALSE(CanManageUsers(second_admin));
  EXPECT_FALSE(CanManageUsers(999));
}

// ---- Deleting

class DeleteUsersTest : public UsersTest {
 protected:
  // A voucher entered by `person_no`.
  static void BookAs(int person_no) {
    SetLoggedInPerson(person_no);
    ASSERT_NE(0, WriteVoucher(Make("2024-05-03", 3, "601", "101", 10)));
    SetLoggedInPerson(1);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& shown : prompter_.shown) texts.push_back(shown.text);
    return texts;
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const UserRecord& user : ListUsers()) names.push_back(user.name);
    return names;
  }
};

TEST_F(DeleteUsersTest, NothingChosenNamesTheWayOfChoosing) {
  struct Case {
    DeleteSource source;
    const char* message;
  } cases[] = {{DeleteSource::kTickedRows, t::kNothingTicked}, {DeleteSource::kSelectedRow, t::kNoRowSelected}};
  for (const Case& c : cases) {
    prompter_.shown.clear();
    EXPECT_TRUE(DeleteUsers({}, c.source, prompter_).empty());
    ASSERT_EQ(1u, prompter_.shown.size());
    EXPECT_EQ(c.message, prompter_.shown[0].text);
    EXPECT_EQ("操作错误", prompter_.shown[0].caption);
  }
}

TEST_F(DeleteUsersTest, AnsweringNoDeletesNothing) {
  const int user = Add("张三");
  prompter_.answers = {false};
  EXPECT_TRUE(DeleteUsers({user}, DeleteSource::kTickedRows, prompter_).empty());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(t::kConfirmDelete, prompter_.shown[0].text);
  EXPECT_EQ("资料删除", prompter_.shown[0].caption);
  EXPECT_EQ((std::vector<std::string>{"管理员", "张三"}), Names());
}

TEST_F(DeleteUsersTest, RefusesAdministratorAndUsersWithDataDeletesTheRest) {
  const int booker = Add("记账人");
  const int auditor = Add("审核人");
  const int planner = Add("计划人");
  const int plain = Add("闲人");
  const int other = Add("路人");
  BookAs(booker);
  // An audit mark and a scheduled booking name a user just as well.
  ASSERT_TRUE(Database::Execute("UPDATE AccountInput SET Checker_No = ?1", {auditor}));
  ASSERT_TRUE(Database::Execute("INSERT INTO AccountInputPlan (Person_No) VALUES (?1)", {planner}));

  prompter_.answers = {true};
  std::vector<int> deleted =
      DeleteUsers({1, booker, auditor, planner, plain, other}, DeleteSource::kTickedRows, prompter_);

  EXPECT_EQ((std::vector<int>{other, plain}), deleted);  // from the last row to the first
  EXPECT_EQ((std::vector<std::string>{
                t::kConfirmDelete,
                "用户[计划人]已经建立了账务数据,不能删除。\n\n要停用请将用户状态改为冻结。",
                "用户[审核人]已经建立了账务数据,不能删除。\n\n要停用请将用户状态改为冻结。",
                "用户[记账人]已经建立了账务数据,不能删除。\n\n要停用请将用户状态改为冻结。",
                t::kKeepAdministrator,
            }),
            Texts());
  EXPECT_EQ((std::vector<std::string>{"管理员", "记账人", "审核人", "计划人"}), Names());
  // The rights records went with the users.
  for (int gone : deleted) {
    CDBPack rights;
    ASSERT_TRUE(rights.Open(Database::LoadStatement(547), {gone}));
    EXPECT_TRUE(rights.IsEnd()) << gone;
  }
}

TEST_F(DeleteUsersTest, TheLoggedInUserIsNotDeleted) {
  const int user = Add("张三");
  SetLoggedInPerson(user);
  prompter_.answers = {true};
  EXPECT_TRUE(DeleteUsers({user}, DeleteSource::kSelectedRow, prompter_).empty());
  EXPECT_EQ("用户[张三]正在使用中，不能删除。", prompter_.shown.back().text);
}

// ---- Changing the password

TEST_F(UserAdminTest, ChangePasswordChecks) {
  const int user = Add("张三", "old");
  struct Case {
    std::string old_password, new_password, confirmation;
    std::string message;
    UserField field;
  } cases[] = {
      {"wrong", "new", "new", t::kOldPasswordWrong, UserField::kOldPassword},
      {"", "new", "new", t::kOldPasswordWrong, UserField::kOldPassword},
      // The old password is checked first.
      {"wrong", "new", "other", t::kOldPasswordWrong, UserField::kOldPassword},
      {"old", "new", "New", t::kNewPasswordMismatch, UserField::kNewPassword},
      {"old", "new", "", t::kNewPasswordMismatch, UserField::kNewPassword},
      {"old", "一二三四五六七八九十x", "一二三四五六七八九十x", t::kPasswordTooLong, UserField::kNewPassword},
  };
  for (const Case& c : cases) {
    UserResult result = ChangePassword(user, c.old_password, c.new_password, c.confirmation);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(c.message, result.message) << c.old_password << "/" << c.new_password;
    EXPECT_EQ(c.field, result.field) << c.old_password << "/" << c.new_password;
  }
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "old").result);
}

TEST_F(UserAdminTest, ChangePasswordFromLegacyToNewAndToNone) {
  const int user = Add("张三");
  StorePasswordAs(user, LegacyDigest("old"));
  ASSERT_TRUE(ChangePassword(user, "old", "新密码", "新密码").ok);
  EXPECT_TRUE(IsArgon2Password(StoredPassword(user)));
  EXPECT_EQ(LoginResult::kWrongPassword, CheckLogin("张三", "old").result);
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "新密码").result);

  // An empty new password removes the password.
  ASSERT_TRUE(ChangePassword(user, "新密码", "", "").ok);
  EXPECT_EQ("", StoredPassword(user));
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "").result);
}

}  // namespace
}  // namespace cw::testing
