// users, useradd, passwd and home on the demonstration household.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

TEST(UserVerbs, AddListAndChangePassword) {
  CliHome home;
  const std::string first = home.WriteFile("first", "abc123\n"), second = home.WriteFile("second", "xyz789\r\n");
  CliResult added = home.Run({"--demo", "--json", "useradd", "奶奶", "--new-password-file", first});
  ASSERT_EQ(0, added.code) << added.err;
  const int number = added.Json("user")["no"].get<int>();

  CliResult listed = home.Run({"--demo", "--json", "users"});
  ASSERT_EQ(0, listed.code) << listed.err;
  nlohmann::json rows = listed.Json("users");
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ(number, rows[3]["no"].get<int>());
  EXPECT_EQ("奶奶", rows[3]["name"]);
  EXPECT_EQ("普通用户", rows[3]["level"]);

  EXPECT_EQ(2, home.Run({"--demo", "useradd", "奶奶", "--new-password-file", first}).code) << "the name is taken";
  EXPECT_EQ(2, home.Run({"--demo", "useradd", "", "--new-password-file", first}).code);
  CliResult no_terminal = home.Run({"--demo", "useradd", "外公"});
  EXPECT_EQ(2, no_terminal.code);
  EXPECT_NE(std::string::npos, no_terminal.err.find("--new-password-file")) << no_terminal.err;
  EXPECT_EQ(2, home.Run({"--demo", "users", "extra"}).code);
  EXPECT_EQ(2, home.Run({"--demo", "useradd", "外公", "--password", "abc"}).code) << "no password on the command line";

  // passwd changes the logged-in user's own password: the login password is the old one.
  const std::vector<std::string> as_grandma{"--demo", "--user", "奶奶", "--password-file"};
  auto run_as = [&](const std::string& password_file, std::vector<std::string> args) {
    std::vector<std::string> all = as_grandma;
    all.push_back(password_file);
    all.insert(all.end(), args.begin(), args.end());
    return home.Run(all);
  };
  CliResult changed = run_as(first, {"passwd", "--new-password-file", second});
  ASSERT_EQ(0, changed.code) << changed.err;
  EXPECT_EQ(2, run_as(first, {"home"}).code) << "the old password no longer fits";
  EXPECT_EQ(0, run_as(second, {"home"}).code) << "the line end (CR LF) is not part of the password";
  EXPECT_EQ(2, run_as(second, {"passwd", "--old", "xyz789", "--new", "q"}).code);
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
