// stats: the statistics tables as the tool prints them, over a small ledger.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/booked_home.h"

namespace cw::testing {
namespace {

class StatsVerb : public BookedHome<StatsVerb> {
 public:
  static std::vector<Args> Bookings() {
    return {
        {"--date", "2025-12-31", "--kind", "1", "--acc1", "102", "--acc2", "502", "--amount", "10000"},
        {"--date", "2026-01-10", "--kind", "2", "--acc1", "501", "--acc2", "102", "--amount", "1000"},
        {"--date", "2026-01-15", "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "100"},
        {"--date", "2026-03-03", "--kind", "3", "--acc1", "602", "--acc2", "202", "--amount", "1500"},
    };
  }

 protected:
  static nlohmann::json Rows(const Args& args) { return RunJson("stats", args)["rows"]; }
};

TEST_F(StatsVerb, IncomeExpenseByMonthWithRowClasses) {
  const nlohmann::json rows = Rows({"income-expense", "--period", "month", "--from", "2026-01", "--to", "2026-03"});
  ASSERT_EQ(rows.size(), 4u);  // February is empty and hidden
  EXPECT_EQ(rows[0]["key"], "202601");
  EXPECT_EQ(rows[0]["盈余"], "900.00");
  EXPECT_EQ(rows[1]["月份"], "2026年3月");
  EXPECT_EQ(rows[1]["累计盈余"], "-600.00");
  EXPECT_EQ(rows[1]["class"], "deficit");
  EXPECT_EQ(rows[3]["月份"], "平 均 值");
  EXPECT_EQ(rows[3]["支出"], "800.00");
  EXPECT_EQ(rows[3]["class"], "total");
  EXPECT_EQ(Rows({"income-expense", "--period", "month", "--from", "2026-01", "--to", "2026-03", "--show-zero"}).size(),
            5u);
}

TEST_F(StatsVerb, CategoryByDayLeavesOutEmptyColumnsUnlessAsked) {
  const Args days{"category", "--expense", "--period", "day", "--from", "2026-01-14", "--to", "2026-01-16"};
  const nlohmann::json rows = Rows(days);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0]["日期"], "2026-01-15");
  EXPECT_EQ(rows[0]["饮食"], "100.00");
  EXPECT_FALSE(rows[0].contains("居家"));
  Args all = days;
  all.push_back("--show-empty-columns");
  all.push_back("--show-zero");
  const nlohmann::json wide = Rows(all);
  EXPECT_EQ(wide.size(), 6u);
  EXPECT_EQ(wide[0]["居家"], "");
}

TEST_F(StatsVerb, BalanceSheetAtTheEndOfAMonth) {
  const nlohmann::json rows = Rows({"balance-sheet", "--to", "2026-03"});
  const nlohmann::json& net = rows[rows.size() - 1];
  EXPECT_EQ(net["类别"], "净资产（财产-负债）");
  EXPECT_EQ(net["金额"], "9400.00");  // 10000 + 1000 - 100 - 1500
  EXPECT_EQ(net["class"], "heading");
}

TEST_F(StatsVerb, BadInputIsRefused) {
  const Args cases[] = {
      {"stats", "income-expense", "--period", "week", "--from", "2026-01", "--to", "2026-03"},
      {"stats", "income-expense", "--period", "month", "--from", "2026-03", "--to", "2026-01"},
      {"stats", "category", "--income", "--expense", "--period", "month", "--from", "2026-01", "--to", "2026-03"},
      {"stats", "balance-sheet", "--to", "2026-13"},
      {"stats", "pie"},
  };
  for (const Args& args : cases) {
    const CliResult r = home_->Run(args);
    EXPECT_EQ(r.code, 2) << args[1];
    EXPECT_FALSE(r.err.empty());
  }
}

}  // namespace
}  // namespace cw::testing
