// ledger, day and check: the tables of the ledger windows as the tool prints
// them, in JSON and CSV, and the errors of their options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "output/read_xlsx.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

class LedgerVerbs : public ::testing::Test {
 protected:
  void SetUp() override {
    Book("2024-02-05", "3", "601", "101", "10", "早饭");
    Book("2024-03-02", "2", "501", "101", "50", "奖金, \"年终\"");
    Book("2024-03-20", "3", "602", "101", "5", "灯泡");
  }
  void Book(const std::string& date, const std::string& kind, const std::string& a1, const std::string& a2,
            const std::string& amount, const std::string& content) {
    ASSERT_EQ(0, home_.Run({"book", "--date", date, "--kind", kind, "--acc1", a1, "--acc2", a2, "--amount", amount,
                            "--content", content})
                     .code);
  }
  // Each JSON row as "key | cell ... | class".
  static std::vector<std::string> RowTexts(const nlohmann::json& rows, const std::vector<std::string>& columns) {
    std::vector<std::string> texts;
    for (const auto& row : rows) {
      std::string text = row["key"].get<std::string>();
      for (const std::string& c : columns) text += " | " + row[c].get<std::string>();
      texts.push_back(text + " | " + row["class"].get<std::string>());
    }
    return texts;
  }
  CliHome home_;
};

TEST_F(LedgerVerbs, DetailTableAsTheWindowBuildsIt) {
  CliResult result = home_.Run({"--json", "ledger", "detail", "--account", "101", "--from", "2024-03", "--to", "2024-03"});
  ASSERT_EQ(0, result.code) << result.err;
  EXPECT_EQ("现金明细表", result.Json("caption")["title"]);
  EXPECT_EQ("2024年3月 - 2024年3月", result.Json("caption")["range"]);
  EXPECT_EQ((std::vector<std::string>{
                " |   期 初 余 额 |  |  | -10.00 | total",
                "202403001 | 奖金, \"年终\" | 50.00 |  | 40.00 | plain",
                "202403002 | 灯泡 |  | 5.00 | 35.00 | plain",
                " |    3 月 统 计 | 50.00 | 5.00 |  | total",
                " |   2024 年 统 计 | 50.00 | 15.00 |  | total",
                " |   累         计 | 50.00 | 15.00 |  | total",
            }),
            RowTexts(result.Json("rows"), {"说    明", "转入", "转出", "现金余额"}));
}

TEST_F(LedgerVerbs, XlsxWritesTheWindowsWorkbookOverAnOldFile) {
  const std::string file = home_.WriteFile("detail.xlsx", "old");
  CliResult result =
      home_.Run({"--xlsx", file, "ledger", "detail", "--account", "101", "--from", "2024-03", "--to", "2024-03"});
  ASSERT_EQ(0, result.code) << result.err;
  const std::string sheet = ReadXlsx(file);
  for (const char* line : {"A1 s 现金明细表 - 科目：现金，日期范围：2024.03-2024.03 |", "C2 s 转入 |",
                           "A4 s 2024-03-02 | General | ", "C4 n 50 | 0.00 | right | 宋体 10.0\n",
                           "E4 n 40 | 0.00 | right |"})
    EXPECT_NE(sheet.find(line), std::string::npos) << line << "\nin\n" << sheet;

  // A balance table names the period's movements in full, as the window's export does.
  ASSERT_EQ(0, home_.Run({"--xlsx", file, "ledger", "balance", "--type", "3", "--from", "2024-03", "--to", "2024-03"}).code);
  const std::string balance = ReadXlsx(file);
  for (const char* line : {"A1 s 现金余额表 |", "B2 s 期初余额 |", "C2 s 本期转入 |", "D2 s 本期转出 |"})
    EXPECT_NE(balance.find(line), std::string::npos) << line << "\nin\n" << balance;
}

TEST_F(LedgerVerbs, CsvHasAHeaderRowAndQuotesWhereNeeded) {
  CliResult result = home_.Run({"ledger", "detail", "--account", "101", "--from", "2024-03", "--to", "2024-03", "--csv"});
  ASSERT_EQ(0, result.code) << result.err;
  const std::string expected =
      "键,日  期,说    明,转入,转出,现金余额,类\r\n"
      ",,  期 初 余 额,,,-10.00,total\r\n"
      "202403001,2024-03-02,\"奖金, \"\"年终\"\"\",50.00,,40.00,plain\r\n";
  EXPECT_EQ(expected, result.out.substr(0, expected.size()));
  EXPECT_NE(0xEF, static_cast<unsigned char>(result.out[0])) << "no byte-order mark";
  // The existing table verbs print CSV too.
  CliResult entries = home_.Run({"--csv", "entries", "--page", "32900", "--from", "2024-03", "--to", "2024-03"});
  ASSERT_EQ(0, entries.code) << entries.err;
  EXPECT_EQ(0u, entries.out.find("键,日期,说明,"));
  EXPECT_EQ(2, home_.Run({"--csv", "--json", "check"}).code);
}

TEST_F(LedgerVerbs, BalanceTableCarriesTreeLevelsAndSummaryRows) {
  ASSERT_EQ(0, home_.Run({"accounts", "add", "603", "地铁"}).code);
  Book("2024-03-03", "3", "60301", "101", "4", "地铁");
  CliResult result = home_.Run({"--json", "ledger", "balance", "--type", "2", "--from", "2024-03", "--to", "2024-03"});
  ASSERT_EQ(0, result.code) << result.err;
  bool found = false;
  for (const auto& row : result.Json("rows")) {
    if (row["key"] != "603") continue;
    found = true;
    EXPECT_EQ("summary", row["class"]);
    EXPECT_EQ(0, row["level"]);
  }
  EXPECT_TRUE(found);
}

TEST_F(LedgerVerbs, DayRecordsAndCheck) {
  CliResult day = home_.Run({"--json", "day", "--date", "2024-03-20", "--expense"});
  ASSERT_EQ(0, day.code) << day.err;
  EXPECT_EQ((std::vector<std::string>{"202403002 | 灯泡 | 居家 | 5.00 | plain", "0 | 累    计 |  | 5.00 | total"}),
            RowTexts(day.Json("rows"), {"说  明", "类  别", "金  额"}));
  EXPECT_EQ(0, home_.Run({"check"}).code);
}

TEST_F(LedgerVerbs, BadOptionsAreRefused) {
  const std::vector<Args> cases = {
      {"ledger", "detail", "--account", "999", "--from", "2024-03", "--to", "2024-03"},
      {"ledger", "detail", "--account", "101", "--from", "2024-04", "--to", "2024-03"},
      {"ledger", "balance", "--type", "9", "--from", "2024-03", "--to", "2024-03"},
      {"ledger", "sideways"},
      {"day", "--date", "2024-03-20", "--income", "--expense"},
  };
  for (const Args& args : cases) {
    CliResult result = home_.Run(args);
    EXPECT_EQ(2, result.code) << args[1];
    EXPECT_TRUE(result.out.empty());
  }
}

}  // namespace
}  // namespace cw::testing
