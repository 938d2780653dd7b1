// audit and the rights to change a voucher, on the demonstration household
// (users 1 爸爸, 2 妈妈, 3 小明).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

TEST(AuditVerb, FollowsTheAuditRulesAndFreezesTheVoucher) {
  CliHome home;
  CliResult booked = home.Run({"--demo", "--json", "book", "--date", "2001-06-01", "--kind", "3", "--acc1", "60101",
                               "--acc2", "10101", "--amount", "9.9", "--user", "爸爸"});
  ASSERT_EQ(booked.code, 0) << booked.err;
  const std::string number = std::to_string(booked.Json("voucher")["number"].get<int>());

  struct Step {
    Args args;
    int code;
    const char* message;  // part of stderr when refused
  } steps[] = {
      {{"replace", number, "--date", "2001-06-02", "--kind", "3", "--acc1", "60101", "--acc2", "10101", "--amount",
        "8", "--user", "妈妈"},
       2,
       "不能更改这笔记账数据"},
      {{"audit", number, "--user", "爸爸"}, 2, "记账数据必须由其他人审核"},
      {{"audit", number, "--off", "--user", "妈妈"}, 2, "记账数据还未审核"},
      {{"audit", number, "--user", "妈妈"}, 0, ""},
      {{"audit", number, "--user", "小明"}, 2, "记账数据已经审核"},
      {{"delete", number, "--user", "爸爸"}, 2, "不能删除这笔记账数据"},  // audited
      {{"audit", number, "--off", "--user", "小明"}, 2, "取消审核的操作必须由审核人进行"},
      {{"audit", number, "--off", "--user", "妈妈"}, 0, ""},
      {{"delete", number, "--user", "妈妈"}, 2, "不能删除这笔记账数据"},  // entered by someone else
      {{"delete", number, "--user", "爸爸"}, 0, ""},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::PrintToString(step.args));
    Args args{"--demo"};
    args.insert(args.end(), step.args.begin(), step.args.end());
    CliResult r = home.Run(args);
    EXPECT_EQ(r.code, step.code) << r.err;
    EXPECT_NE(r.err.find(step.message), std::string::npos) << r.err;
    if (step.args == Args{"audit", number, "--user", "妈妈"}) {
      EXPECT_EQ(home.Run({"--demo", "--json", "show", number}).Json("voucher")["checker"], "妈妈");
    }
  }
  EXPECT_EQ(home.Run({"--demo", "show", number}).code, 2);
}

}  // namespace
}  // namespace cw::testing
