// The tool logs in like the login dialog and checks each verb's right, on the
// demonstration household: 爸爸 (administrator, every right), 妈妈 (no 系统管理),
// plus 奶奶 with a password, 客人 without any right and 冻结 who is frozen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "core/data_sets.h"
#include "prefs/rights.h"
#include "prefs/user_records.h"
#include "store/database.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

constexpr char kExpense[] =
    R"({"date":"2015-03-01","kind":3,"lines":[{"item":"60101","cash":5,"debit":true},)"
    R"({"item":"10101","cash":5,"debit":false}]})";

class CliLoginTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new CliHome;
    const std::string password = home_->WriteFile("pw", "geheim\n");
    const std::string none = home_->WriteFile("none", "");
    for (const auto& [name, file] : {std::pair{"奶奶", password}, {"客人", none}, {"冻结", password}}) {
      CliResult added = home_->Run({"--demo", "useradd", name, "--new-password-file", file});
      ASSERT_EQ(0, added.code) << added.err;
    }
    // Neither a right nor a state can be set from the command line.
    Database::SetDataHome(home_->path());
    ASSERT_TRUE(OpenDataSet(Database::kDemoData));
    ASSERT_TRUE(WriteRights(FindUserByName("客人")->person_no, Rights::None()));
    ASSERT_TRUE(Database::Execute("UPDATE Person SET State = 1 WHERE Person_Name = ?1", {std::string("冻结")}));
    Database::CloseDatabase();
  }
  static void TearDownTestSuite() { delete home_; }

  static CliHome* home_;
};
CliHome* CliLoginTest::home_ = nullptr;

TEST_F(CliLoginTest, VerbsNeedTheirRights) {
  const std::string password = home_->WriteFile("right", "geheim\n");
  const std::string wrong = home_->WriteFile("wrong", "falsch\n");
  const std::string known_accounts = home_->WriteFile("known.jsonl", "{\"accounts\":[]}\n" + std::string(kExpense));
  const std::string new_account = home_->WriteFile(
      "new.jsonl", R"({"accounts":[{"code":"60199","name":"杂项","type":2}]})" "\n" + std::string(kExpense));
  const Args book{"book", "--date", "2015-03-01", "--kind", "3", "--acc1", "60101", "--acc2", "10101", "--amount", "5"};
  struct Case {
    Args login;  // the global options that choose the user and the password
    Args verb;
    int code;
    const char* message;  // part of stderr when refused
    std::string environment = "";
  } cases[] = {
      // Who logs in.
      {{}, {"users"}, 0, ""},  // the administrator with the lowest number
      {{"--user", "张飞"}, {"home"}, 2, "用户不存在"},
      {{"--user", "冻结", "--password-file", password}, {"home"}, 2, "冻结"},
      {{"--user", "冻结"}, {"lunar", "2015-02-19"}, 0, ""},  // no login needed
      {{"--user", "冻结"}, {"init"}, 0, ""},
      // Where the password comes from.
      {{"--user", "奶奶"}, {"home"}, 2, "--password-file"},  // no terminal
      {{"--user", "奶奶"}, {"projection", "--to", "2030-12"}, 2, "--password-file"},  // a verb's plain form logs in too
      {{"--user", "奶奶", "--password-file", wrong}, {"home"}, 2, "wrong password"},
      {{"--user", "奶奶", "--password-file", password}, {"home"}, 0, ""},
      {{"--user", "奶奶"}, {"home"}, 0, "", "COINWRIGHT_PASSWORD=geheim"},
      {{"--user", "奶奶", "--password-file", password}, {"home"}, 0, "", "COINWRIGHT_PASSWORD=falsch"},
      {{"--user", "奶奶", "--password-file", home_->path() + "/missing"}, {"home"}, 2, "password file"},
      {{"--user", "客人", "--password-file", wrong}, {"home"}, 0, ""},  // no password: none is checked
      // What each may do.
      {{"--user", "妈妈"}, {"users"}, 2, "系统管理"},
      {{"--user", "妈妈"}, {"useradd", "外公", "--new-password-file", wrong}, 2, "系统管理"},
      {{"--user", "奶奶", "--password-file", password}, {"users"}, 2, "administrator"},
      {{"--user", "妈妈"}, {"accounts"}, 2, "系统管理"},
      {{"--user", "妈妈"}, {"import", new_account}, 2, "系统管理"},
      {{"--user", "妈妈"}, {"import", known_accounts}, 0, ""},
      {{"--user", "妈妈"}, book, 0, ""},
      {{"--user", "客人"}, book, 2, "日常记账"},
      {{"--user", "客人"}, {"entries", "--page", "32900"}, 2, "日常记账"},
      {{"--user", "客人"}, {"search", "--page", "32900", "--text", "x"}, 2, "日常记账"},
      {{"--user", "客人"}, {"initial"}, 2, "日常记账"},
      {{"--user", "客人"}, {"import", known_accounts}, 2, "日常记账"},
      {{"--user", "客人"}, {"vouchers"}, 2, "日常记账"},
      {{"--user", "客人"}, {"report", "net-property", "--before", "2015-01"}, 2, "图表统计"},
      {{"--user", "客人"}, {"home"}, 0, ""},
      {{"--user", "客人"}, {"passwd", "--new-password-file", wrong}, 0, ""},
  };
  for (const Case& c : cases) {
    Args args{"--demo"};
    args.insert(args.end(), c.login.begin(), c.login.end());
    args.insert(args.end(), c.verb.begin(), c.verb.end());
    SCOPED_TRACE(::testing::PrintToString(args) + " " + c.environment);
    CliResult r = home_->Run(args, c.environment);
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    if (c.code != 0) {
      EXPECT_EQ(r.out, "");
    }
  }
}

TEST_F(CliLoginTest, TheLoggedInUserEntersAndAudits) {
  CliResult booked = home_->Run({"--demo", "--json", "--user", "妈妈", "book", "--date", "2015-03-02", "--kind", "3",
                                 "--acc1", "60101", "--acc2", "10101", "--amount", "7"});
  ASSERT_EQ(0, booked.code) << booked.err;
  const std::string number = std::to_string(booked.Json("voucher")["number"].get<int>());
  ASSERT_EQ(0, home_->Run({"--demo", "audit", number}).code);  // as 爸爸
  nlohmann::json voucher = home_->Run({"--demo", "--json", "show", number}).Json("voucher");
  EXPECT_EQ(voucher["person"], "妈妈");
  EXPECT_EQ(voucher["checker"], "爸爸");
}

TEST(CliArguments, InvalidUtf8IsRefused) {
  CliHome home;
  for (const char* bad : {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(bad)));
    CliResult r = home.Run({"--demo", "useradd", std::string("名") + bad, "--new-password-file", "/dev/null"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("UTF-8"), std::string::npos) << r.err;
  }
  EXPECT_EQ(0, home.Run({"--demo", "useradd", "名\xf0\x9f\x98\x80", "--new-password-file", "/dev/null"}).code);
}

}  // namespace
}  // namespace cw::testing
