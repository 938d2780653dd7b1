// accounts add|rename|delete|move: the checks and questions of the account
// page, answered from the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

// One account of the listing; null when it is not in the chart.
nlohmann::json Account(const CliHome& home, const std::string& code) {
  for (const nlohmann::json& row : home.Run({"--json", "accounts"}).Json("accounts"))
    if (row["code"] == code) return row;
  return nullptr;
}

// The account of line `line` of voucher `number`.
std::string LineAccount(const CliHome& home, int number, int line) {
  return home.Run({"--json", "show", std::to_string(number)}).Json("lines")[line]["item"];
}

int BookExpense(const CliHome& home, const std::string& paying) {
  CliResult booked = home.Run({"--json", "book", "--date", "2024-03-05", "--kind", "3", "--acc1", "601", "--acc2",
                               paying, "--amount", "10"});
  EXPECT_EQ(0, booked.code) << booked.err;
  return booked.Json("voucher")["number"].get<int>();
}

struct Step {
  Args args;
  int code;
  const char* message;  // part of stderr; empty when it worked
};

void RunSteps(const CliHome& home, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    std::string command;
    for (const std::string& word : step.args) command += word + " ";
    SCOPED_TRACE(command);
    CliResult result = home.Run(step.args);
    EXPECT_EQ(step.code, result.code) << result.err;
    if (*step.message) {
      EXPECT_NE(std::string::npos, result.err.find(step.message)) << result.err;
    }
    if (step.code != 0) {
      EXPECT_EQ("", result.out) << "nothing printed for a refusal";
    }
  }
}

TEST(AccountVerbs, AddBelowABookedAccountNeedsTheAnswer) {
  CliHome home;
  CliResult added = home.Run({"--json", "accounts", "add", "102", "工商银行"});
  ASSERT_EQ(0, added.code) << added.err;
  EXPECT_EQ("10201", added.Json("account")["code"]);
  EXPECT_EQ(4, added.Json("account")["type"]) << "the type of the account it was added under";
  const int voucher = BookExpense(home, "10201");

  RunSteps(home, {
                     {{"accounts", "add", "10201", "工资卡"}, 2, "answer the question with --yes or --no"},
                     {{"accounts", "add", "10201", "工资卡", "--no"}, 2, "上级科目已经有记账数据。"},
                     {{"accounts", "add", "10201", "工 资"}, 2, "科目名称错误"},
                     {{"accounts", "add", "102", "建设银行", "--sibling"}, 2, "只能添加该科目的子科目"},
                     {{"accounts", "add", "999", "无"}, 2, "科目代码“999”不存在"},
                     {{"accounts", "add", "10201", "甲", "--yes", "--no"}, 2, "not both"},
                 });
  EXPECT_TRUE(Account(home, "1020101").is_null());
  EXPECT_EQ("10201", LineAccount(home, voucher, 1));

  ASSERT_EQ(0, home.Run({"accounts", "add", "10201", "工资卡", "--yes"}).code);
  EXPECT_EQ("1020101", LineAccount(home, voucher, 1)) << "the bookings moved down";
  EXPECT_FALSE(Account(home, "10201")["leaf"].get<bool>());
  CliResult sibling = home.Run({"--json", "accounts", "add", "1020101", "储蓄卡", "--sibling"});
  ASSERT_EQ(0, sibling.code) << sibling.err;
  EXPECT_EQ("1020102", sibling.Json("account")["code"]);
}

TEST(AccountVerbs, DeleteChecksInOrderAndGivesTheParentItsTypeBack) {
  CliHome home;
  ASSERT_EQ(0, home.Run({"accounts", "add", "102", "工商银行"}).code);
  const int voucher = BookExpense(home, "10201");
  RunSteps(home, {
                     {{"accounts", "delete", "50399"}, 2, "此科目是系统保留科目，不能删除。"},
                     {{"accounts", "delete", "503"}, 2, "此科目有下级科目，请先删除下级科目。"},
                     {{"accounts", "delete", "601"}, 2, "该科目为一级科目，不能删除！"},
                     {{"accounts", "delete", "10201"}, 2, "answer the question with --yes or --no"},
                     {{"accounts", "delete", "10201", "--no"}, 2, "是否将当前科目的数据转移到上级科目中？ (--no)"},
                 });
  ASSERT_FALSE(Account(home, "10201").is_null());

  CliResult deleted = home.Run({"--json", "accounts", "delete", "10201", "--yes"});
  ASSERT_EQ(0, deleted.code) << deleted.err;
  EXPECT_EQ("102", deleted.Json("deleted")["parent"]);
  EXPECT_EQ(4, deleted.Json("deleted")["parent_type"]);
  EXPECT_TRUE(Account(home, "10201").is_null());
  EXPECT_TRUE(Account(home, "102")["leaf"].get<bool>());
  EXPECT_EQ("102", LineAccount(home, voucher, 1));
}

TEST(AccountVerbs, MoveAndRename) {
  CliHome home;
  for (const char* name : {"爸爸", "妈妈"}) ASSERT_EQ(0, home.Run({"accounts", "add", "101", name}).code);
  const int voucher = BookExpense(home, "10101");
  RunSteps(home, {
                     {{"accounts", "move", "10101", "10102"}, 2, "是否对预约记账中科目也做此转移？"},
                     {{"accounts", "move", "10101", "102", "--yes"}, 2, "两个科目的科目类型不一致，不能进行转移！"},
                     {{"accounts", "move", "10101", "10101", "--yes"}, 2, "同一个科目"},
                     {{"accounts", "move", "101", "10102", "--yes"}, 2, "非末级科目"},
                     {{"accounts", "rename", "10101", "[爸爸]"}, 2, "科目名称错误"},
                     {{"accounts", "rename", "10109", "爷爷"}, 2, "科目代码“10109”不存在"},
                 });
  EXPECT_EQ("10101", LineAccount(home, voucher, 1));
  CliResult moved = home.Run({"--json", "accounts", "move", "10101", "10102", "--no"});
  ASSERT_EQ(0, moved.code) << moved.err;
  EXPECT_EQ("", moved.err) << "no note on success";
  EXPECT_EQ("10102", LineAccount(home, voucher, 1));

  ASSERT_EQ(0, home.Run({"accounts", "rename", "10101", "爷爷"}).code);
  EXPECT_EQ("爷爷", Account(home, "10101")["name"]);
  EXPECT_EQ(3, Account(home, "10101")["type"]) << "the type stays";
}

}  // namespace
}  // namespace cw::testing
