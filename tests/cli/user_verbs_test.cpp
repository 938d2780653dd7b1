// users, useradd, passwd and home on the demonstration household.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

TEST(UserVerbs, AddListAndChangePassword) {
  CliHome home;
  CliResult added = home.Run({"--demo", "--json", "useradd", "奶奶", "--password", "abc123"});
  ASSERT_EQ(0, added.code) << added.err;
  const int number = added.Json("user")["no"].get<int>();

  CliResult listed = home.Run({"--demo", "--json", "users"});
  ASSERT_EQ(0, listed.code) << listed.err;
  nlohmann::json rows = listed.Json("users");
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(number, rows[3]["no"].get<int>());
  EXPECT_EQ("奶奶", rows[3]["name"]);
  EXPECT_EQ("普通用户", rows[3]["level"]);

  EXPECT_EQ(2, home.Run({"--demo", "useradd", "奶奶"}).code) << "the name is taken";
  EXPECT_EQ(2, home.Run({"--demo", "useradd", ""}).code);
  CliResult wrong = home.Run({"--demo", "passwd", "奶奶", "--old", "nope", "--new", "q"});
  EXPECT_EQ(2, wrong.code);
  EXPECT_NE(std::string::npos, wrong.err.find("旧密码输入错误"));
  EXPECT_EQ(0, home.Run({"--demo", "passwd", "奶奶", "--old", "abc123", "--new", "xyz789"}).code);
  EXPECT_EQ(2, home.Run({"--demo", "passwd", "奶奶", "--old", "abc123", "--new", "again"}).code)
      << "the old password no longer fits";
  EXPECT_EQ(2, home.Run({"--demo", "users", "extra"}).code);
}

TEST(HomeVerb, ShowsTheDayAndTheCardBill) {
  CliHome home;
  CliResult result = home.Run({"--demo", "--json", "home", "--date", "2015-02-19"});
  ASSERT_EQ(0, result.code) << result.err;
  EXPECT_EQ("今天是2015年2月19日，星期四，农历二○一五年正月初一。", result.Json("today")["date_line"]);
  // The demonstration household has one credit card; nothing was owed in 2015.
  nlohmann::json bills = result.Json("card_bills");
  ASSERT_EQ(1u, bills.size()) << result.out;
  EXPECT_EQ("招商银行信用卡", bills[0]["信用卡"]);
  EXPECT_EQ("不需还款", bills[0]["状态"]);
  EXPECT_EQ(2u, result.Json("summary").size());
  EXPECT_EQ(2, home.Run({"--demo", "home", "--date", "2015-02-30"}).code);
}

}  // namespace
}  // namespace cw::testing
