#include "reports/statistics/balance_sheet.h"

#include <gtest/gtest.h>

#include "reports/statistics/table_text.h"

namespace cw {
namespace {

using testing::TableText;
using Rows = std::vector<std::string>;

const std::vector<CItemCache::Entry> kChart{
    {"101", "现金", 3, true},      {"102", "银行存款", 4, false}, {"10201", "工行", 4, true},
    {"10202", "建行", 4, true},    {"201", "借入资金", 7, true},  {"202", "信用卡", 8, false},
    {"20201", "招行卡", 8, true},  {"20202", "中信卡", 8, true},  {"601", "饮食", 2, true},
};

TEST(BalanceSheetTest, TreesWithSignsSharesAndNetProperty) {
  // Cash 1000; ICBC 3000; CCB overdrawn by 500; borrowed 2000; one card owes
  // 800, the other was paid 300 beyond its debt.
  const BalanceSheet sheet = BalanceSheetOf(
      kChart, {{"101", 1500}, {"10201", 3000}, {"20201", 200}, {"20202", 300}, {"601", 99}},
      {{"101", 500}, {"10202", 500}, {"201", 2000}, {"20201", 1000}});
  EXPECT_EQ(TableText(sheet.table), (Rows{
                                        "1 | 财产 | 3500.00 | 100.0% [heading]",
                                        "101 | 现金 | 1000.00 | 28.6%",
                                        "102 | 银行存款 | 2500.00 | 71.4% [summary]",
                                        "10201 | 工行 | 3000.00 | 85.7%",
                                        "10202 | 建行 | -500.00 | -14.3%",
                                        "2 | 负债 | 2500.00 | 100.0% [heading]",
                                        "201 | 借入资金 | 2000.00 | 80.0%",
                                        "202 | 信用卡 | 500.00 | 20.0% [summary]",
                                        "20201 | 招行卡 | 800.00 | 32.0%",
                                        "20202 | 中信卡 | -300.00 | -12.0%",
                                        "3 | 净资产（财产-负债） | 1000.00 |  [heading]",
                                    }));
  EXPECT_EQ(sheet.table.Row(3).level, 2);
  EXPECT_EQ(sheet.table.Row(1).level, 1);
  // The pies take the top accounts only.
  ASSERT_EQ(sheet.assets.items.size(), 2u);
  EXPECT_EQ(sheet.assets.items[1].name, "银行存款");
  EXPECT_DOUBLE_EQ(sheet.assets.items[1].value, 2500);
  ASSERT_EQ(sheet.liabilities.items.size(), 2u);
  EXPECT_DOUBLE_EQ(sheet.liabilities.items[1].value, 500);
}

TEST(BalanceSheetTest, CardPaidBeyondItsDebtMovesToThePropertyPie) {
  const BalanceSheet sheet = BalanceSheetOf(kChart, {{"20201", 300}}, {});
  EXPECT_EQ(TableText(sheet.table)[5], "2 | 负债 | -300.00 | 100.0% [heading]");
  EXPECT_EQ(TableText(sheet.table)[7], "202 | 信用卡 | -300.00 | 100.0% [summary]");
  ASSERT_EQ(sheet.assets.items.size(), 1u);
  EXPECT_EQ(sheet.assets.items[0].name, "信用卡");
  EXPECT_TRUE(sheet.liabilities.items.empty());
}

TEST(BalanceSheetTest, NoBalancesShowZeroShares) {
  const BalanceSheet sheet = BalanceSheetOf(kChart, {}, {});
  for (const std::string& row : TableText(sheet.table)) {
    if (row.starts_with("3 |")) continue;
    EXPECT_TRUE(row.find("| 0.00 | 0.0%") != std::string::npos) << row;
  }
  EXPECT_TRUE(sheet.assets.items.empty());
}

}  // namespace
}  // namespace cw
