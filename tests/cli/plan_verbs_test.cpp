// plans and cards from the command line: stored with the editor's checks, run
// up to a day with the plans that ask first held back unless --yes, and the
// card list's refusals.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

// The day `days` after today as "YYYY-MM-DD".
std::string InDays(int days) {
  std::time_t t = std::time(nullptr) + static_cast<std::time_t>(days) * 86400;
  std::tm local{};
  localtime_r(&t, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

Args Plan(const std::string& day, const std::string& week, const std::string& mode, const std::string& amount) {
  return {"--json", "plans", "add", "--year", "0", "--month", "0", "--day", day, "--week", week, "--mode", mode,
          "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", amount, "--content", "<M>饭钱"};
}

TEST(PlanVerbsTest, RunBooksDuePlansAndHoldsBackThoseThatAskUntilYes) {
  CliHome home;
  CliResult monthly = home.Run(Plan("15", "0", "0", "100"));
  ASSERT_EQ(monthly.code, 0) << monthly.err;
  const int id = monthly.Json("plan")["id"].get<int>();
  ASSERT_EQ(home.Run(Plan("0", "5", "2", "20")).code, 0);

  // Plans are searched from the day they are made; nine weeks later two or
  // three months and eight or nine Fridays are due.
  const std::string later = InDays(63);
  CliResult first = home.Run({"--json", "plans", "run", "--date", later});
  ASSERT_EQ(first.code, 0) << first.err;
  const int months = first.Json("run")["booked"].get<int>();
  EXPECT_GE(months, 2);
  EXPECT_LE(months, 3);
  ASSERT_EQ(first.Json("awaiting_confirmation").size(), 1u);
  const std::string fridays = first.Json("awaiting_confirmation")[0]["dates"];
  CliResult second = home.Run({"--json", "plans", "run", "--date", later, "--yes"});
  ASSERT_EQ(second.code, 0) << second.err;
  EXPECT_EQ(second.Json("run")["booked"].get<std::size_t>(), (fridays.size() + 3) / 13);  // "YYYY-MM-DD" joined by "、"
  EXPECT_EQ(home.Run({"--json", "plans", "history", std::to_string(id)}).Json("history").size(),
            static_cast<std::size_t>(months));

  CliResult bad = home.Run({"plans", "add", "--year", "0", "--month", "2", "--day", "30", "--week", "0", "--mode",
                            "0", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "1"});
  EXPECT_EQ(bad.code, 2);
  EXPECT_NE(bad.err.find("日期无效"), std::string::npos);

  EXPECT_EQ(home.Run({"plans", "disable", std::to_string(id)}).code, 0);
  EXPECT_EQ(home.Run({"--json", "plans"}).Json("plans")[0]["状态"], "停用");
  EXPECT_EQ(home.Run({"plans", "delete", std::to_string(id)}).code, 0);
  EXPECT_EQ(home.Run({"--json", "plans"}).Json("plans").size(), 1u);
}

TEST(PlanVerbsTest, ALongAbsenceIsBookedOnlyWithYes) {
  CliHome home;
  ASSERT_EQ(home.Run(Plan("0", "0", "0", "1")).code, 0);  // every day
  CliResult declined = home.Run({"--json", "plans", "run", "--date", InDays(400)});
  ASSERT_EQ(declined.code, 0) << declined.err;
  EXPECT_EQ(declined.Json("run")["booked"], 0);
  EXPECT_NE(declined.err.find("是否现在全部补记"), std::string::npos);
  CliResult later = home.Run({"--json", "plans", "run", "--date", InDays(400), "--yes"});
  ASSERT_EQ(later.code, 0) << later.err;
  const int booked = later.Json("run")["booked"].get<int>();
  EXPECT_EQ(booked, 401);
  EXPECT_EQ(home.Run({"--json", "plans", "history"}).Json("history").size(), 401u);
  EXPECT_EQ(home.Run({"--json", "plans", "run", "--date", InDays(400), "--yes"}).Json("run")["booked"], 0);
}

TEST(CardVerbsTest, AddListRepayAndRefuseToDeleteABookedCard) {
  CliHome home;
  CliResult added = home.Run({"--json", "cards", "add", "招行卡", "--bill-day", "25", "--pay-day", "5", "--pay-from",
                              "102"});
  ASSERT_EQ(added.code, 0) << added.err;
  EXPECT_EQ(added.Json("card")["code"], "20201");
  CliResult blank = home.Run({"cards", "add", "VISA 卡", "--bill-day", "25", "--pay-day", "5", "--pay-from", "102"});
  EXPECT_EQ(blank.code, 2);
  EXPECT_EQ(home.Run({"cards", "add", "卡", "--bill-day", "25", "--after-bill-days", "9", "--pay-from", "102"}).code, 2);

  ASSERT_EQ(home.Run({"book", "--date", "2030-01-10", "--kind", "3", "--acc1", "601", "--acc2", "20201", "--amount",
                      "1000"}).code,
            0);
  CliResult run = home.Run({"--json", "plans", "run", "--date", "2030-02-06"});
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.Json("card_repayments").size(), 1u);
  EXPECT_EQ(run.Json("card_repayments")[0]["date"], "2030-02-05");
  EXPECT_EQ(run.Json("card_repayments")[0]["amount"], 1000.0);
  EXPECT_TRUE(home.Run({"--json", "plans", "run", "--date", "2030-02-06"}).Json("card_repayments").empty());

  CliResult refused = home.Run({"cards", "delete", "20201"});
  EXPECT_EQ(refused.code, 2);
  EXPECT_NE(refused.err.find("此科目已有记账数据"), std::string::npos);

  ASSERT_EQ(home.Run({"cards", "add", "工行卡", "--bill-day", "3", "--after-bill-days", "20", "--pay-from", "101",
                      "--manual"}).code,
            0);
  CliResult cards = home.Run({"--json", "cards"});
  ASSERT_EQ(cards.Json("cards").size(), 2u);
  EXPECT_EQ(cards.Json("cards")[1]["repayment_rule"], "账单日期之后的第20天");
  EXPECT_EQ(cards.Json("cards")[1]["mode"], "不自动记账");

  // A change names only what changes; the rest stays as it was.
  CliResult changed =
      home.Run({"--json", "cards", "change", "20202", "--name", "工行金卡", "--pay-day", "12", "--auto"});
  ASSERT_EQ(changed.code, 0) << changed.err;
  EXPECT_EQ(changed.Json("card")["name"], "工行金卡");
  const nlohmann::json card = home.Run({"--json", "cards"}).Json("cards")[1];
  EXPECT_EQ(card["bill_day"], "每月3日");
  EXPECT_EQ(card["repayment_rule"], "每月12日");
  EXPECT_EQ(card["mode"], "自动记账");
  EXPECT_EQ(card["pay_from"], "101");
  EXPECT_EQ(home.Run({"cards", "change", "601", "--name", "卡"}).code, 2);
  EXPECT_EQ(home.Run({"cards", "delete", "20202"}).code, 0);
  EXPECT_EQ(home.Run({"--json", "cards"}).Json("cards").size(), 1u);
}

}  // namespace
}  // namespace cw::testing
