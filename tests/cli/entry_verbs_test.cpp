// entries, search, initial: the tables of the daily entry window from the
// command line, in a fresh data set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

class EntryVerbs : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(0, home_.Run({"init"}).code); }

  void Book(const Args& args) {
    Args all{"book"};
    all.insert(all.end(), args.begin(), args.end());
    CliResult r = home_.Run(all);
    ASSERT_EQ(0, r.code) << r.err;
  }
  // "key|说明|<column>" for every row of a JSON table.
  static std::vector<std::string> Rows(const nlohmann::json& table, const std::vector<std::string>& columns) {
    std::vector<std::string> rows;
    for (const auto& row : table) {
      std::string text = row["key"].get<std::string>();
      for (const std::string& c : columns) text += "|" + row[c].get<std::string>();
      rows.push_back(text);
    }
    return rows;
  }

  CliHome home_;
};

TEST_F(EntryVerbs, EntriesPrintThePageWithItsTotalsAndRunningColumn) {
  Book({"--date", "2024-05-03", "--kind", "2", "--acc1", "501", "--acc2", "101", "--amount", "500", "--content",
        "工资"});
  Book({"--date", "2024-06-04", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "80", "--content", "饭"});
  CliResult r = home_.Run({"--json", "entries", "--page", "32900", "--from", "2024-05", "--to", "2024-06"});
  ASSERT_EQ(0, r.code) << r.err;
  EXPECT_EQ("2024年5月 - 2024年6月", r.Json("page")["range"]);
  EXPECT_EQ((std::vector<std::string>{"0||0.00", "202405001|500.00|500.00", "202405|500.00|500.00", "202406001||420.00",
                                      "202406|0.00|420.00", "202499|500.00|420.00", "99|500.00|420.00"}),
            Rows(r.Json("entries"), {"收入", "收支盈余"}));
}

TEST_F(EntryVerbs, BadPagesAndRangesAreRefused) {
  struct Case {
    Args args;
    const char* message;
  } cases[] = {
      {{"entries", "--page", "32999"}, "entry pages are 32900 to 32908"},
      {{"entries", "--page", "32900", "--from", "2024-06", "--to", "2024-05"}, "--to is before --from"},
      {{"search", "--page", "32900", "--text", ""}, "请输入记帐说明中包含的字符串。"},
      {{"search", "--page", "32900", "--amount-eq", "1", "--amount-gt", "2"}, "one amount condition"},
      {{"search", "--page", "32900", "--from", "2024-01-01"}, "--from and --to go together"},
      {{"search", "--page", "32900", "--from", "2024-01-02", "--to", "2024-01-01"}, "--to is before --from"},
      {{"search", "--page", "32900", "--amount-between", "10", "5"}, "the lower amount X comes first"},
      {{"search", "--page", "32900", "--amount-between=5"}, "missing argument"},
      {{"entries", "--page", "32900", "--from", "2101-01"}, "1900-2100"},
      {{"initial", "set", "601", "10"}, "not an asset or liability account"},
      {{"initial", "set", "101", "-5"}, "请输入一个大于或等于0的数。"},
      {{"initial", "set", "101", "1e13"}, "金额太大"},
      {{"initial", "set", "101", "0.001"}, "两位小数"},
      {{"initial", "set", "101", "5", "--date", "2024-02-30"}, "请输入一个有效的日期。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    CliResult r = home_.Run(c.args);
    EXPECT_EQ(2, r.code);
    EXPECT_NE(std::string::npos, r.err.find(c.message)) << r.err;
  }
}

TEST_F(EntryVerbs, SearchFindsTheLiteralTextAndTestsTheShownAmount) {
  Book({"--date", "2024-05-03", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "10", "--content",
        "打折50%"});
  Book({"--date", "2024-05-04", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "20", "--content",
        "买了500克"});
  Book({"--date", "2024-05-05", "--kind", "41", "--acc1", "102", "--acc2", "101", "--acc3", "504", "--amount", "900",
        "--amount2", "7", "--content", "取款50%"});
  struct Case {
    Args args;
    int found;
  } cases[] = {
      {{"--text", "50%"}, 2},
      {{"--text", "50%", "--amount-lt", "8"}, 1},  // the withdrawal shows its interest on this page
      {{"--amount-between", "9", "21"}, 2},
      {{"--amount-eq", "20"}, 1},
      {{"--from", "2024-05-04", "--to", "2024-05-05"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    Args args{"--json", "search", "--page", "32900"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    CliResult r = home_.Run(args);
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_EQ(c.found, r.Json("search")["found"]);
  }
}

TEST_F(EntryVerbs, InitialSetWritesChangesAndDeletesOpeningAmounts) {
  auto row_of = [&](const std::string& account) {
    CliResult r = home_.Run({"--json", "initial"});
    EXPECT_EQ(0, r.code) << r.err;
    for (const auto& row : r.Json("initial")) {
      const std::string key = row["key"];
      if (key.substr(key.find(',') + 1) == account) return row;
    }
    return nlohmann::json();
  };
  CliResult set = home_.Run({"initial", "set", "202", "300", "--date", "2024-01-01", "--content", "卡债"});
  ASSERT_EQ(0, set.code) << set.err;
  nlohmann::json card = row_of("202");
  EXPECT_EQ("202401001,202", card["key"]);
  EXPECT_EQ("300.00", card["负债"]);
  EXPECT_EQ("-300.00", card["累计"]);
  EXPECT_EQ("管理员", card["制单"]);
  CliResult lines = home_.Run({"--json", "show", "202401001"});
  EXPECT_EQ(false, lines.Json("lines")[0]["debit"]) << "the card is credited";
  EXPECT_EQ("502", lines.Json("lines")[1]["item"]);

  ASSERT_EQ(0, home_.Run({"initial", "set", "202", "450"}).code);
  EXPECT_EQ("202401001,202", row_of("202")["key"]) << "same date, same voucher";
  EXPECT_EQ("450.00", row_of("202")["负债"]);

  ASSERT_EQ(0, home_.Run({"initial", "set", "202", "0"}).code);
  EXPECT_EQ(",202", row_of("202")["key"]);
  EXPECT_EQ(2, home_.Run({"show", "202401001"}).code) << "the voucher is gone";
}

}  // namespace
}  // namespace cw::testing
