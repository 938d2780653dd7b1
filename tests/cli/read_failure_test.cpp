// A data file whose later pages cannot be read: a verb that meets them prints
// nothing, says why and exits 1.
#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner.h"
#include "support/damaged_file.h"

namespace cw::testing {
namespace {

TEST(ReadFailure, AVerbThatMeetsADamagedPageFails) {
  CliHome home;
  std::string ledger = R"({"accounts":[]})";
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 28; ++day) {
      char date[11];
      std::snprintf(date, sizeof date, "2024-%02d-%02d", month, day);
      nlohmann::json voucher = {{"date", date},
                                {"kind", 3},
                                {"content", std::string(40, 'w')},
                                {"lines", {{{"item", "601"}, {"cash", 12.5}, {"debit", true}},
                                           {{"item", "101"}, {"cash", 12.5}, {"debit", false}}}}};
      ledger += "\n" + voucher.dump();
    }
  }
  const std::string data = home.path() + "/CW.db";
  ASSERT_EQ(0, home.Run({"accounts"}).code);  // the data set as created
  const auto pages_before = PageCount(data);
  CliResult imported = home.Run({"import", home.WriteFile("ledger.jsonl", ledger)});
  ASSERT_EQ(0, imported.code) << imported.err;
  DamageWrittenPages(data, pages_before);

  const std::vector<std::string> verbs[] = {
      {"entries", "--page", "32900", "--from", "2024-01", "--to", "2024-12"},
      {"vouchers"},
  };
  for (const auto& verb : verbs) {
    SCOPED_TRACE(verb[0]);
    CliResult r = home.Run(verb);
    EXPECT_EQ(1, r.code);
    EXPECT_EQ("", r.out);
    EXPECT_NE(std::string::npos, r.err.find("数据库读取失败！ 错误信息:文件已损坏或不是本程序的数据文件：")) << r.err;
  }
}

}  // namespace
}  // namespace cw::testing
