// The login check: who gets in, in which order the refusals come, and the
// rewrite of old stored passwords.
#include <gtest/gtest.h>

#include "prefs/login.h"
#include "prefs/password.h"
#include "users_fixture.h"

namespace cw::testing {
namespace {

using LoginTest = UsersTest;

TEST_F(LoginTest, Paths) {
  const int active = Add("张三", "secret");
  const int frozen = Add("李四", "secret", /*state=*/1);
  struct Case {
    std::string name;
    std::string typed;
    LoginResult result;
    int person_no;
  } cases[] = {
      {"管理员", "", LoginResult::kOk, 1},
      {"管理员", "x", LoginResult::kWrongPassword, 1},
      {"张三", "secret", LoginResult::kOk, active},
      {"张三", "Secret", LoginResult::kWrongPassword, active},
      {"张三", "", LoginResult::kWrongPassword, active},
      // Frozen comes first: the right password changes nothing.
      {"李四", "secret", LoginResult::kFrozen, frozen},
      {"李四", "wrong", LoginResult::kFrozen, frozen},
      {"王五", "", LoginResult::kNoSuchUser, 0},
  };
  for (const Case& c : cases) {
    LoginOutcome outcome = CheckLogin(c.name, c.typed);
    EXPECT_EQ(c.result, outcome.result) << c.name << "/" << c.typed;
    EXPECT_EQ(c.person_no, outcome.person_no) << c.name << "/" << c.typed;
  }
}

TEST_F(LoginTest, LegacyDigestIsRewrittenAsArgon2idOnSuccessOnly) {
  const int user = Add("张三");
  StorePasswordAs(user, LegacyDigest("123456"));

  EXPECT_EQ(LoginResult::kWrongPassword, CheckLogin("张三", "654321").result);
  EXPECT_EQ(LegacyDigest("123456"), StoredPassword(user));

  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "123456").result);
  const std::string upgraded = StoredPassword(user);
  EXPECT_TRUE(IsArgon2Password(upgraded));

  // The new form lets the same password in and is kept as it is.
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "123456").result);
  EXPECT_EQ(upgraded, StoredPassword(user));
  EXPECT_EQ(LoginResult::kWrongPassword, CheckLogin("张三", "12345").result);
}

TEST_F(LoginTest, FrozenUserWithLegacyDigestKeepsIt) {
  const int user = Add("李四", "", /*state=*/1);
  StorePasswordAs(user, LegacyDigest("abc"));
  EXPECT_EQ(LoginResult::kFrozen, CheckLogin("李四", "abc").result);
  EXPECT_EQ(LegacyDigest("abc"), StoredPassword(user));
}

TEST_F(LoginTest, EmptyPasswordStaysEmptyAfterLogin) {
  EXPECT_EQ(LoginResult::kOk, CheckLogin("管理员", "").result);
  EXPECT_EQ("", StoredPassword(1));
}

}  // namespace
}  // namespace cw::testing
