// import: JSON lines, all or nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

constexpr char kChart[] =
    R"({"accounts":[{"code":"60101","name":"早餐","type":2},{"code":"6010101","name":"豆浆","type":2},)"
    R"({"code":"10101","name":"爸爸现金","type":3}]})";

std::string Expense(const std::string& date, const std::string& item, double cash, const std::string& content) {
  nlohmann::json v = {{"date", date},
                      {"kind", 3},
                      {"content", content},
                      {"lines", {{{"item", item}, {"cash", cash}, {"debit", true}},
                                 {{"item", "10101"}, {"cash", cash}, {"debit", false}}}}};
  return v.dump();
}

std::vector<std::string> Codes(const CliHome& home) {
  std::vector<std::string> codes;
  for (const auto& a : home.Run({"--json", "accounts"}).Json("accounts")) codes.push_back(a["code"]);
  return codes;
}

TEST(ImportVerb, AddsTheChartAndNumbersVouchersByDate) {
  CliHome home;
  std::string file = home.WriteFile("ledger.jsonl", std::string(kChart) + "\n" +
                                                        Expense("2015-03-09", "6010101", 3, "第三") + "\n" +
                                                        Expense("2015-03-01", "6010101", 1, "第一") + "\n\n" +
                                                        Expense("2015-04-02", "602", 5, "四月") + "\n" +
                                                        Expense("2015-03-05", "6010101", 2, "第二") + "\n");
  CliResult r = home.Run({"--json", "import", file});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.Json("imported")["vouchers"], 4);
  EXPECT_EQ(r.Json("imported")["accounts"], 3);

  nlohmann::json list = home.Run({"--json", "vouchers"}).Json("vouchers");
  std::vector<std::pair<int, std::string>> numbered;
  for (const auto& v : list) numbered.emplace_back(v["number"], v["content"]);
  EXPECT_EQ(numbered, (std::vector<std::pair<int, std::string>>{
                          {201503001, "第一"}, {201503002, "第二"}, {201503003, "第三"}, {201504001, "四月"}}));

  // 601 got a sub-account, 60101 one in turn: neither is a leaf any more.
  for (const auto& a : home.Run({"--json", "accounts", "--type", "2"}).Json("accounts")) {
    if (a["code"] == "601" || a["code"] == "60101") {
      EXPECT_FALSE(a["leaf"]) << a["code"];
    }
    if (a["code"] == "6010101") {
      EXPECT_EQ(a["path"], "饮食\\早餐\\豆浆");
    }
  }
  // The content goes on every line.
  for (const auto& line : home.Run({"--json", "show", "201503002"}).Json("lines")) EXPECT_EQ(line["content"], "第二");
}

TEST(ImportVerb, ARefusedLineImportsNothing) {
  const std::string good = Expense("2015-03-01", "6010101", 1, "ok");
  struct Case {
    const char* name;
    std::string file;
    const char* message;
  } cases[] = {
      {"unbalanced voucher on line 3",
       std::string(kChart) + "\n" + good + "\n" +
           R"({"date":"2015-03-02","kind":3,"lines":[{"item":"6010101","cash":2,"debit":true},{"item":"10101","cash":1,"debit":false}]})",
       "line 3"},
      {"unknown account on line 3", std::string(kChart) + "\n" + good + "\n" + Expense("2015-03-02", "60199", 1, ""),
       "line 3"},
      {"non-leaf account on line 2", std::string(kChart) + "\n" + Expense("2015-03-02", "601", 1, ""), "line 2"},
      {"line count of the kind", std::string(kChart) + "\n" + good + "\n" +
                                     R"({"date":"2015-03-02","kind":41,"lines":[{"item":"6010101","cash":1,"debit":true},{"item":"10101","cash":1,"debit":false}]})",
       "line 3"},
      {"bad date", std::string(kChart) + "\n" + good + "\n" + Expense("2015-02-30", "6010101", 1, ""), "line 3"},
      {"not JSON", std::string(kChart) + "\n" + good + "\n{\"date\":", "line 3"},
      {"misspelt key", std::string(kChart) + "\n" + good + "\n" +
                           R"({"date":"2015-03-02","kind":3,"conten":"x","lines":[]})",
       "conten"},
      {"missing parent", R"({"accounts":[{"code":"6019901","name":"x","type":2}]})" "\n" + good, "line 1"},
      {"type other than the parent's", R"({"accounts":[{"code":"60102","name":"x","type":3}]})" "\n" + good,
       "line 1"},
      {"new top-level account", R"({"accounts":[{"code":"701","name":"x","type":2}]})" "\n", "line 1"},
      {"no chart line", good + "\n", "line 1"},
      // The rules of booking: amounts in whole cents, the kind's account types, each line on its side.
      {"amount with three decimals", std::string(kChart) + "\n" + good + "\n" + Expense("2015-03-02", "6010101", 1.005, ""),
       "line 3: 金额 1.005 有两位以上的小数"},
      {"salary with its sides reversed", std::string(kChart) + "\n" + good + "\n" +
                                             R"({"date":"2015-03-02","kind":2,"lines":[{"item":"501","cash":100,"debit":true},{"item":"10101","cash":100,"debit":false}]})",
       "line 3: 第1条分录（501）应记在贷方"},
      {"expense paid from an income account", std::string(kChart) + "\n" + good + "\n" +
                                                  R"({"date":"2015-03-02","kind":3,"lines":[{"item":"6010101","cash":1,"debit":true},{"item":"501","cash":1,"debit":false}]})",
       "line 3: 科目“501”是收入科目"},
      {"line longer than 1 MB", std::string(kChart) + "\n" + good + "\n" + std::string((1 << 20) + 1, ' '),
       "line 3: longer than 1 MB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CliHome home;
    const std::vector<std::string> chart_before = Codes(home);
    CliResult r = home.Run({"import", home.WriteFile("ledger.jsonl", c.file)});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(home.Run({"--json", "vouchers"}).Json("vouchers").empty());
    EXPECT_EQ(Codes(home), chart_before);
  }
}

TEST(ImportVerb, ASubAccountOfABookedLeafIsRefused) {
  CliHome home;
  ASSERT_EQ(home.Run({"book", "--date", "2015-03-01", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "1"})
                .code,
            0);
  CliResult r = home.Run({"import", home.WriteFile("chart.jsonl", R"({"accounts":[{"code":"60101","name":"x","type":2}]})")});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("已经有记账数据"), std::string::npos) << r.err;
}

TEST(ImportVerb, AMonthCannotTakeAThousandVouchers) {
  CliHome home;
  std::string file = std::string(kChart) + "\n";
  for (int i = 0; i < 1000; ++i) file += Expense("2015-03-01", "6010101", 1, "") + "\n";
  CliResult r = home.Run({"import", home.WriteFile("ledger.jsonl", file)});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("999"), std::string::npos) << r.err;
  EXPECT_TRUE(home.Run({"--json", "vouchers"}).Json("vouchers").empty());
}

}  // namespace
}  // namespace cw::testing
