// --xlsx and --csv on every table verb, on the demonstration household: the
// workbook is the one the window's 导出 writes (its title, its header texts,
// amounts as numbers), the CSV a header row and the table's rows.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "output/read_xlsx.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

Args With(Args options, const Args& verb) {
  options.insert(options.end(), verb.begin(), verb.end());
  return options;
}

bool AnyLineMatches(const std::string& text, const std::string& pattern) {
  const std::regex line(pattern);
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (std::regex_match(text.substr(start, end - start), line)) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

std::size_t CsvLines(const std::string& csv) {
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  return lines;
}

TEST(TableFiles, EveryTableVerbWritesItsWindowsWorkbookAndCsv) {
  struct Case {
    Args verb;
    std::string section;                // the table's section in --json
    std::vector<std::string> lines;     // beginnings of lines of the workbook read back
    std::string amount{};               // a line of a number cell, when the table holds amounts
  };
  const Case cases[] = {
      {{"entries", "--page", "32900", "--from", "2026-11", "--to", "2026-11"},
       "entries",
       {"A1 s 收入支出记账 | General | center | 宋体 16.0", "A2 s 日期 |", "E2 s 收入 |", "G2 s 收支盈余 |", "I2 s 审核 |"},
       "G\\d+ n [-0-9.]+ \\| 0\\.00 \\| right \\| 宋体 10\\.0"},
      {{"search", "--page", "32900", "--text", "工资"},
       "entries",
       {"A1 s 收入支出记账 - 查找结果 |", "B2 s 说明 |", "E2 s 收入 |"},
       "E\\d+ n [0-9.]+ \\| 0\\.00 \\| right .*"},
      {{"initial"}, "initial", {"A1 s 初始财产、负债录入 |", "C2 s 类别 |", "D2 s 财产 |"}, "D\\d+ n [0-9.]+ \\| 0\\.00 .*"},
      {{"ledger", "detail", "--account", "10101", "--from", "2026-01", "--to", "2026-03"},
       "rows",
       {"A1 s 现金明细表 - 科目：现金\\爸爸现金，日期范围：2026.01-2026.03 |", "A2 s 日  期 |", "C2 s 转入 |"},
       "E\\d+ n [-0-9.]+ \\| 0\\.00 .*"},
      // A balance table names the period's movements in full.
      {{"ledger", "balance", "--type", "6", "--from", "2026-01", "--to", "2026-03"},
       "rows",
       {"A1 s 借出资金余额表 |", "A2 s 科目名称 |", "B2 s 期初余额 |", "C2 s 本期借出 |", "D2 s 本期收回 |",
        "E2 s 期末余额 |"},
       "B\\d+ n [0-9.]+ \\| 0\\.00 .*"},
      {{"stats", "balance-sheet", "--to", "2026-11"},
       "rows",
       {"A1 s 财产负债表 |", "B2 s 金额 |", "C2 s 比例 |"},
       "C\\d+ n [0-9.]+ \\| 0\\.0% \\| right .*"},
      {{"stats", "income-expense", "--period", "month", "--from", "2026-01", "--to", "2026-06"},
       "rows",
       {"A1 s 收入支出表 |", "A2 s 月份 |", "E2 s 累计盈余 |", "A3 s 2026年1月 |"},
       "B3 n [0-9.]+ \\| 0\\.00 .*"},
      {{"stats", "category", "--expense", "--period", "month", "--from", "2026-01", "--to", "2026-03"},
       "rows",
       {"A1 s 支出分类表 |", "A2 s 月份 |", "B2 s 总额 |"},
       "B3 n [0-9.]+ \\| 0\\.00 .*"},
      {{"day", "--date", "2026-11-05"}, "rows", {"A1 s 记账详细数据 |", "D2 s 收  入 |"}, "D3 n [0-9.]+ \\| 0\\.00 .*"},
      {{"budget", "list", "--expense"}, "budgets", {"A1 s 支出预算 |", "A2 s 预算类型 |", "C2 s 总额 |"}, ""},
      {{"projection", "items"}, "items", {"A1 s 预算设置 |", "A2 s 说明 |", "F2 s 金额 |"}, ""},
      {{"projection", "--to", "2027-06"},
       "projection",
       {"A1 s 显示财产预算结果 |", "A2 s 日期 |", "F2 s 实际购买力 |", "A3 s 期初财产余额 |"},
       "F3 n [0-9.]+ \\| 0\\.00 \\| right .*"},
      {{"users"}, "users", {"A1 s 全部列表用户 |", "A2 s 用户名 |", "A3 s 爸爸 |"}, ""},
      {{"plans"}, "plans", {"A1 s 预约记账列表 |", "A2 s 预约日期 |"}, ""},
      {{"plans", "history"}, "history", {"A1 s 预约记账记录 |", "A2 s 记账日期 |"}, ""},
  };
  CliHome home;
  const std::string workbook = home.WriteFile("table.xlsx", "an older file");
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.verb));
    const CliResult written = home.Run(With({"--demo", "--xlsx", workbook}, c.verb));
    ASSERT_EQ(written.code, 0) << written.err;
    const std::string sheet = ReadXlsx(workbook);
    for (const std::string& line : c.lines) EXPECT_NE(sheet.find("\n" + line), std::string::npos) << line << "\n" << sheet;
    if (!c.amount.empty()) {
      EXPECT_TRUE(AnyLineMatches(sheet, c.amount)) << c.amount << "\n" << sheet;
    }

    const CliResult csv = home.Run(With({"--demo", "--csv"}, c.verb));
    ASSERT_EQ(csv.code, 0) << csv.err;
    ASSERT_FALSE(csv.out.empty());
    EXPECT_NE(static_cast<unsigned char>(csv.out[0]), 0xEF) << "no byte-order mark";
    const nlohmann::json rows = home.Run(With({"--demo", "--json"}, c.verb)).Json(c.section);
    ASSERT_TRUE(rows.is_array());
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(CsvLines(csv.out), rows.size() + 1) << "a header row, then every row\n" << csv.out;
  }
}

TEST(TableFiles, AVerbWithoutAWindowsTableLeavesTheFileAlone) {
  CliHome home;
  const std::string workbook = home.WriteFile("kept.xlsx", "an older file");
  for (const Args& verb : {Args{"check"}, Args{"accounts"}}) {
    SCOPED_TRACE(verb[0]);
    const CliResult refused = home.Run(With({"--demo", "--xlsx", workbook}, verb));
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find("--xlsx: " + verb[0] + " shows no table"), std::string::npos) << refused.err;
    std::ifstream file(workbook);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "an older file");
  }
}

}  // namespace
}  // namespace cw::testing
