// The two output forms and the verbs that only read: JSON for programs,
// aligned text for people, and the lunar calendar.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace cw::testing {
namespace {

using Args = std::vector<std::string>;

// Display columns of a UTF-8 text on a terminal: CJK characters take two.
std::size_t Columns(const std::string& text) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    columns += length == 1 ? 1 : 2;
    i += length;
  }
  return columns;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Output, EveryVerbWritesOneJsonObject) {
  CliHome home;
  ASSERT_EQ(home.Run({"book", "--date", "2015-03-01", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount",
                      "1.25", "--content", "引号\"和\\反斜杠"})
                .code,
            0);
  struct Case {
    Args args;
    const char* key;
  } cases[] = {
      {{"init"}, "data"},
      {{"accounts", "--type", "3"}, "accounts"},
      {{"vouchers"}, "vouchers"},
      {{"show", "201503001"}, "lines"},
      {{"report", "net-property", "--before", "2016-01"}, "net_property"},
      {{"report", "income-expense", "--period", "month", "--from", "2015-01-01", "--to", "2015-12-31"}, "periods"},
      {{"report", "category", "--expense", "--period", "week", "--from", "2015-03", "--to", "2015-03"}, "accounts"},
      {{"lunar", "2015-02-19"}, "lunar"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    Args args{"--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    CliResult r = home.Run(args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    nlohmann::json value = r.Json();
    EXPECT_TRUE(value.is_object());
    EXPECT_TRUE(value.contains(c.key)) << r.out;
  }
  // Text and amounts survive the round trip.
  nlohmann::json voucher = home.Run({"--json", "vouchers"}).Json("vouchers")[0];
  EXPECT_EQ(voucher["content"], "引号\"和\\反斜杠");
  EXPECT_DOUBLE_EQ(voucher["amount"], 1.25);
}

TEST(Output, TextColumnsLineUpWithChineseText) {
  CliHome home;
  for (const char* content : {"a", "午餐和晚餐", "bus"}) {
    ASSERT_EQ(home.Run({"book", "--date", "2015-03-01", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount",
                        "12345.5", "--content", content})
                  .code,
              0);
  }
  ASSERT_EQ(home.Run({"book", "--date", "2015-03-02", "--kind", "2", "--acc1", "501", "--acc2", "102", "--amount", "7"})
                .code,
            0);
  CliResult r = home.Run({"vouchers"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u) << r.out;
  // The amount column is right-aligned: every row ends it at the same column.
  const std::size_t amount_end = Columns(lines[0].substr(0, lines[0].find("金额") + std::string("金额").size()));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::size_t dot = lines[i].rfind('.');
    ASSERT_NE(dot, std::string::npos) << lines[i];
    EXPECT_EQ(Columns(lines[i].substr(0, dot + 3)), amount_end) << lines[i];
  }
  EXPECT_NE(lines[4].find("7.00"), std::string::npos);
}

TEST(LunarVerb, NamesTheLunarDay) {
  struct Case {
    const char* date;
    int year, month, day;
    const char* year_name;
    const char* month_name;
    const char* day_name;
    const char* sexagenary;
  } cases[] = {
      {"2015-02-19", 2015, 1, 1, "二○一五年", "正月", "初一", "乙未"},
      {"2020-05-23", 2020, -4, 1, "二○二○年", "闰四月", "初一", "庚子"},  // a leap month
      {"2015-02-18", 2014, 12, 30, "二○一四年", "十二月", "三十", "甲午"},
  };
  CliHome home;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    CliResult r = home.Run({"--json", "lunar", c.date});
    ASSERT_EQ(r.code, 0) << r.err;
    nlohmann::json lunar = r.Json("lunar");
    EXPECT_EQ(lunar["year"], c.year);
    EXPECT_EQ(lunar["month"], c.month);
    EXPECT_EQ(lunar["day"], c.day);
    EXPECT_EQ(lunar["year_name"], c.year_name);
    EXPECT_EQ(lunar["month_name"], c.month_name);
    EXPECT_EQ(lunar["day_name"], c.day_name);
    EXPECT_EQ(lunar["sexagenary_year"], c.sexagenary);
  }
  EXPECT_EQ(home.Run({"--json", "lunar", "2015-02-19"}).Json("lunar")["day_label"], "雨水");  // a solar term
  EXPECT_EQ(home.Run({"--json", "lunar", "2015-03-20"}).Json("lunar")["day_label"], "二月");  // a month's first day
  EXPECT_EQ(home.Run({"lunar", "1900-01-30"}).code, 2);  // before the table
}

}  // namespace
}  // namespace cw::testing
