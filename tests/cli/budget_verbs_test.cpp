// budget and projection: the budget table with its comparison, setting a
// budget (refused without --replace when it exists), deleting it, and the
// projection's items and result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

TEST(BudgetVerb, SetCompareReplaceDelete) {
  CliHome home;
  ASSERT_EQ(0, home.Run({"book", "--date", "2026-03-05", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount",
                         "120"}).code);
  CliResult set = home.Run({"--json", "budget", "set", "--expense", "--month", "2026-03", "601=100", "602=30"});
  ASSERT_EQ(0, set.code) << set.err;
  EXPECT_EQ(130, set.Json("budget")["total"]);
  ASSERT_EQ(0, home.Run({"budget", "set", "--expense", "--quarter", "2026-1", "601=300"}).code);

  CliResult list = home.Run({"--json", "budget", "list", "--expense", "--compare"});
  ASSERT_EQ(0, list.code) << list.err;
  const nlohmann::json rows = list.Json("budgets");
  ASSERT_EQ(4u, rows.size());
  EXPECT_EQ("202603", rows[0]["key"]);
  EXPECT_EQ("-202603", rows[1]["key"]);
  EXPECT_EQ("120.00", rows[1]["饮食"]);
  EXPECT_EQ("饮食", rows[1]["missed"]);
  EXPECT_EQ("202651", rows[2]["key"]);
  EXPECT_EQ("", rows[3]["missed"]);
  const CliResult csv = home.Run({"--csv", "budget", "list", "--expense"});
  EXPECT_EQ(0u, csv.out.rfind("键,预算类型,日期范围,总额,", 0)) << csv.out;

  // An existing budget: refused with the question's text unless --replace.
  CliResult again = home.Run({"budget", "set", "--expense", "--month", "2026-03", "601=200"});
  EXPECT_EQ(1, again.code);
  EXPECT_NE(std::string::npos, again.err.find("这个预算已经存在")) << again.err;
  EXPECT_EQ("30.00", home.Run({"--json", "budget", "list", "--expense"}).Json("budgets")[0]["居家"]);
  ASSERT_EQ(0, home.Run({"budget", "set", "--expense", "--month", "2026-03", "601=200", "--replace"}).code);
  const nlohmann::json replaced = home.Run({"--json", "budget", "list", "--expense"}).Json("budgets");
  EXPECT_EQ("200.00", replaced[0]["饮食"]);
  EXPECT_EQ("", replaced[0]["居家"]) << "the named accounts make up the whole budget";

  ASSERT_EQ(0, home.Run({"budget", "delete", "--expense", "--month", "2026-03"}).code);
  EXPECT_EQ(1u, home.Run({"--json", "budget", "list", "--expense"}).Json("budgets").size());
}

TEST(BudgetVerb, BadInputWritesNothing) {
  CliHome home;
  const Args refused[] = {
      {"budget", "set", "--expense", "--month", "2026-03", "601=0"},           // the total is 0
      {"budget", "set", "--expense", "--month", "2026-03", "501=10"},          // an income account
      {"budget", "set", "--expense", "--month", "2026-03", "603=10", "603=5"},  // named twice
      {"budget", "set", "--expense", "--quarter", "2026-03", "601=10"},       // a quarter is YYYY-Q
      {"budget", "set", "--income", "--year", "1899", "501=10"},
      {"budget", "set", "--income", "--expense", "--year", "2026", "501=10"},
      {"budget", "delete", "--income", "--year", "2026"},                     // none there
  };
  for (const Args& args : refused) {
    CliResult r = home.Run(args);
    EXPECT_EQ(2, r.code) << args[5] << ": " << r.err;
  }
  EXPECT_TRUE(home.Run({"--json", "budget", "list", "--expense"}).Json("budgets").empty());
}

TEST(ProjectionVerb, ItemsAndResult) {
  CliHome home;
  CliResult salary = home.Run({"--json", "projection", "add", "--type", "1", "--content", "工资", "--frequency", "4",
                               "--cash-type", "0", "--cash", "5000", "--increase", "0.1", "--increase-frequency", "6",
                               "--increase-type", "1"});
  ASSERT_EQ(0, salary.code) << salary.err;
  ASSERT_EQ(0, home.Run({"projection", "add", "--type", "2", "--content", "生活", "--frequency", "4", "--cash-type", "2",
                         "--cash", "0.3"}).code);
  const nlohmann::json items = home.Run({"--json", "projection", "items"}).Json("items");
  ASSERT_EQ(2u, items.size());
  EXPECT_EQ("10.0%", items[0]["调整金额"]);
  EXPECT_EQ("平均日常月收入的30.0%", items[1]["金额"]);

  // The dialog's checks: start after end (216), no amount (597), a kind not offered.
  const Args refused[] = {
      {"projection", "add", "--type", "1", "--content", "x", "--frequency", "4", "--start", "2030-05", "--end",
       "2030-04", "--cash-type", "0", "--cash", "1"},
      {"projection", "add", "--type", "1", "--content", "x", "--frequency", "4", "--cash-type", "0", "--cash", "0"},
      {"projection", "add", "--type", "2", "--content", "x", "--frequency", "4", "--cash-type", "0", "--cash", "9"},
      {"projection", "add", "--type", "3", "--content", "x", "--frequency", "4", "--cash-type", "0", "--cash", "9"},
  };
  for (const Args& args : refused) EXPECT_EQ(2, home.Run(args).code);

  CliResult result = home.Run({"--json", "projection", "--to", "2099-12"});
  ASSERT_EQ(0, result.code) << result.err;
  const nlohmann::json rows = result.Json("projection");
  EXPECT_EQ("期初财产余额", rows[0]["日期"]);
  EXPECT_EQ("0", rows[0]["key"]);
  EXPECT_EQ("2099-12-31", rows.back()["日期"]);

  const std::string id = items[0]["key"];
  ASSERT_EQ(0, home.Run({"projection", "change", id, "--type", "1", "--content", "薪水", "--frequency", "4",
                         "--cash-type", "0", "--cash", "6000"}).code);
  const nlohmann::json detail = home.Run({"--json", "projection", "--to", "2099-12", "--detail"}).Json("projection");
  EXPECT_EQ("6000.00", detail[1]["薪水"]);
  ASSERT_EQ(0, home.Run({"projection", "delete", id}).code);
  EXPECT_EQ(1u, home.Run({"--json", "projection", "items"}).Json("items").size());
  EXPECT_EQ(2, home.Run({"projection", "delete", id}).code);
}

}  // namespace
}  // namespace cw::testing
