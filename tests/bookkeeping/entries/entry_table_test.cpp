// The tables of the entry pages: rows per voucher, opening rows, month, year
// and grand-total rows, running columns, generated rows, and the updates in
// place after the engine renumbered a month.
#include "bookkeeping/entries/entry_table.h"

#include <gtest/gtest.h>

#include <functional>

#include "bookkeeping/entries/entry_caption.h"
#include "bookkeeping/entries/entry_rows.h"
#include "core/voucher_engine.h"
#include "entries_fixture.h"

namespace cw {
namespace {

using testing::EntriesTest;

const VoucherRange kMayToJune = MonthsRange({2024, 5}, {2024, 6});
const VoucherRange kMay = MonthsRange({2024, 5}, {2024, 5});

class EntryTableTest : public EntriesTest {};

TEST_F(EntryTableTest, PagesSumTheirMonthsYearsAndRunningBalances) {
  struct Case {
    int page;
    std::function<void()> book;
    std::vector<std::string> columns;
    std::vector<std::string> expected;
  } cases[] = {
      {32900,
       [] {
         Book("2024-04-30", 1, "101", "502", 1000, "现金");
         Book("2024-05-03", 2, "501", "101", 500, "工资");
         Book("2024-05-10", 3, "601", "101", 100, "午饭");
         Book("2024-06-01", 3, "601", "202", 50, "刷卡");
         Book("2024-06-05", 41, "102", "101", 2000, "取款", "504", 25);
         Book("2024-06-06", 41, "102", "101", 100, "零利息", "504", 0);
       },
       {"说明", "收支类别", "资金类别", "收入", "支出", "收支盈余"},
       {"0|  期初财产|||||1000.00",
        "202405001|工资|工作收入|现金|500.00||1500.00",
        "202405002|午饭|饮食|现金||100.00|1400.00",
        "202405|   5 月 统 计|||500.00|100.00|1400.00",
        "202406001|刷卡|饮食|信用卡||50.00|1350.00",
        "-202406002|【存款利息】取款|理财收入|现金|25.00||1375.00",
        "202406|   6 月 统 计|||25.00|50.00|1375.00",
        "202499|  2024 年 统 计|||525.00|150.00|1375.00",
        "99|  累         计|||525.00|150.00|1375.00"}},
      {32901,
       [] {
         WriteVoucher([] {
           Booking b = Make("2024-05-02", 40, "101", "102", 1000, "定期");
           b.deposit_code = 12;
           return b;
         }());
         Book("2024-05-20", 41, "102", "101", 300, "取", "504", 0);
         Book("2024-06-03", 41, "102", "101", 200, "取息", "504", 5);
       },
       {"说明", "现金类别", "银行账户", "存款类型", "存款", "取款", "存款利息"},
       {"202405001|定期|现金|银行存款|一年定期|1000.00||",
        "202405002|取|现金|银行存款|||300.00|",
        "202405|   5 月 统 计||||1000.00|300.00|0.00",
        "202406001|取息|现金|银行存款|||200.00|5.00",
        "202406|   6 月 统 计||||0.00|200.00|5.00",
        "202499|  2024 年 统 计||||1000.00|500.00|5.00",
        "99|  累         计||||1000.00|500.00|5.00"}},
      {32904,
       [] {
         Book("2024-04-30", 1, "104", "502", 300);
         Book("2024-05-05", 5, "104", "101", 200, "借给张三");
         Book("2024-06-02", 6, "101", "104", 150, "收回");
       },
       {"说明", "借出类别", "资金类别", "借出", "收回", "累计借出"},
       {"0|  期初借出资金|||||300.00",
        "202405001|借给张三|借出资金|现金|200.00||500.00",
        "202405|   5 月 统 计|||200.00|0.00|500.00",
        "202406001|收回|借出资金|现金||150.00|350.00",
        "202406|   6 月 统 计|||0.00|150.00|350.00",
        "202499|  2024 年 统 计|||200.00|150.00|350.00",
        "99|  累         计|||200.00|150.00|350.00"}},
      {32905,
       [] {
         Book("2024-04-30", 1, "201", "502", 1000);
         Book("2024-05-05", 7, "101", "201", 500, "借钱");
         Book("2024-06-02", 8, "201", "101", 200, "还钱");
       },
       {"说明", "借入类别", "资金类别", "借入", "返还", "累计借入"},
       {"0|  期初借入资金|||||1000.00",
        "202405001|借钱|借入资金|现金|500.00||1500.00",
        "202405|   5 月 统 计|||500.00|0.00|1500.00",
        "202406001|还钱|借入资金|现金||200.00|1300.00",
        "202406|   6 月 统 计|||0.00|200.00|1300.00",
        "202499|  2024 年 统 计|||500.00|200.00|1300.00",
        "99|  累         计|||500.00|200.00|1300.00"}},
      {32906,
       [] {
         Book("2024-04-30", 1, "103", "502", 100);
         Book("2024-05-03", 9, "103", "102", 1000, "买基金");
         Book("2024-06-10", 10, "103", "102", 400, "卖基金", "504", 500);
       },
       {"说明", "买入本金", "卖出本金", "卖出总额", "收益", "收益率", "本金余额"},
       {"0|  期初本金||||||100.00",
        "202405001|买基金|1000.00|||||1100.00",
        "202405|   5 月 统 计|1000.00|0.00|0.00|0.00|0.0%|1100.00",
        "202406001|卖基金||400.00|500.00|100.00|25.0%|700.00",
        "202406|   6 月 统 计|0.00|400.00|500.00|100.00|25.0%|700.00",
        "202499|  2024 年 统 计|1000.00|400.00|500.00|100.00|25.0%|700.00",
        "99|  累         计|1000.00|400.00|500.00|100.00|25.0%|700.00"}},
      {32908,
       [] {
         Book("2024-04-30", 1, "202", "502", 300);
         Book("2024-05-02", 3, "601", "202", 80, "购物");
         Book("2024-05-03", 3, "601", "101", 20, "现金付");
         Book("2024-05-20", 12, "202", "101", 100, "取现");
         Book("2024-06-05", 13, "202", "102", 150, "还款", "50399", 5);
       },
       {"说明", "信用卡", "消费/资金", "借款", "还款", "利息", "累计欠款"},
       {"0|  期初欠款||||||300.00",
        "202405001|购物|信用卡|饮食|80.00|||380.00",
        "202405003|取现|信用卡|现金|100.00|||480.00",
        "202405|   5 月 统 计|||180.00|0.00|0.00|480.00",
        "202406001|还款|信用卡|银行存款||150.00|5.00|330.00",
        "202406|   6 月 统 计|||0.00|150.00|5.00|330.00",
        "202499|  2024 年 统 计|||180.00|150.00|5.00|330.00",
        "99|  累         计|||180.00|150.00|5.00|330.00"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    SetUp();
    c.book();
    EntryTable page(c.page, kMayToJune);
    const GridModel table = page.Build();
    EXPECT_EQ(c.expected, Rows(table, c.columns));
  }
}

TEST_F(EntryTableTest, GeneratedRowsCarryTheGainOrInterestOfTheirVoucher) {
  const int sale = Book("2024-05-03", 10, "103", "102", 1000, "卖股票", "504", 900);
  const int withdrawal = Book("2024-05-04", 41, "102", "101", 500, "取款", "504", 12.5);
  const int repayment = Book("2024-05-05", 13, "202", "102", 300, "还信用卡", "50399", 3);
  Book("2024-05-06", 10, "103", "102", 1000, "平价卖出", "504", 1000);  // no gain, no row

  EntryTable page(32900, kMay);
  const GridModel table = page.Build();
  EXPECT_EQ((std::vector<std::string>{
                "0|  期初财产|||||0.00",
                "-" + std::to_string(sale) + "|【投资收益】卖股票|理财收入|银行存款||100.00|-100.00",
                "-" + std::to_string(withdrawal) + "|【存款利息】取款|理财收入|现金|12.50||-87.50",
                "-" + std::to_string(repayment) + "|【信用卡利息】还信用卡|信用卡利息|银行存款||3.00|-90.50",
                "202405|   5 月 统 计|||12.50|103.00|-90.50",
                "202499|  2024 年 统 计|||12.50|103.00|-90.50",
                "99|  累         计|||12.50|103.00|-90.50",
            }),
            Rows(table, {"说明", "收支类别", "资金类别", "收入", "支出", "收支盈余"}));
  EXPECT_EQ(kGeneratedRowBackground, table.Row(1).background);
  EXPECT_EQ(kTotalRowBackground, table.Row(4).background);
  EXPECT_FALSE(table.Row(0).background == table.Row(1).background);
}

// After each engine operation, the table updated in place equals the table
// read again from the ledger.
TEST_F(EntryTableTest, UpdatesInPlaceFollowTheEnginesRenumbering) {
  Book("2024-05-03", 3, "601", "101", 1, "一");
  Book("2024-05-05", 3, "601", "101", 2, "二");
  Book("2024-05-09", 3, "601", "101", 3, "三");
  Book("2024-05-09", 41, "102", "101", 100, "利息", "504", 7);
  EntryTable page(32900, kMay);
  GridModel table = page.Build();
  const std::vector<std::string> all = {"日期", "说明", "收支类别", "资金类别", "收入", "支出", "收支盈余", "制单", "审核"};
  auto expect_fresh = [&](const char* step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(Rows(page.Build(), all), Rows(table, all));
  };

  const int earlier = Book("2024-05-04", 3, "601", "101", 9, "插入");
  ASSERT_EQ(202405002, earlier);
  page.ApplyWrite(table, earlier);
  expect_fresh("write");
  EXPECT_EQ("三", table.Cell(table.FindKey(RowKey("202405004")), 1)) << "moved up by one";
  EXPECT_GE(table.FindKey(RowKey("-202405005")), 0) << "the generated row keeps its sign";

  Booking moved = Make("2024-05-20", 3, "601", "101", 1, "一改");
  const int replaced = ReplaceVoucher(202405001, moved);
  ASSERT_EQ(202405005, replaced);
  page.ApplyReplace(table, 202405001, replaced);
  expect_fresh("replace to a later day");

  const int april = ReplaceVoucher(202405002, Make("2024-04-30", 3, "601", "101", 2, "二改"));
  ASSERT_EQ(202404001, april);
  page.ApplyReplace(table, 202405002, april);
  expect_fresh("replace to a month before the range: the opening row follows");

  ASSERT_TRUE(DeleteVoucher(202405002));
  page.ApplyDelete(table, 202405002);
  expect_fresh("delete");

  ASSERT_TRUE(SetAudit(202405001, true));
  page.ApplyAudit(table, 202405001, 1);
  expect_fresh("audit");

  const int june = Book("2024-06-01", 2, "501", "101", 5);
  EXPECT_FALSE(page.Covers(june)) << "a voucher outside the months widens the range instead";
}

TEST_F(EntryTableTest, SearchResultsUseTheSearchedPagesColumnsWithoutRunningBalance) {
  Book("2024-05-03", 3, "601", "101", 10, "午饭 50%");
  Book("2024-05-04", 3, "601", "101", 20, "晚饭");
  Book("2023-01-04", 3, "601", "101", 30, "早年午饭 50%");
  Book("2024-05-05", 3, "601", "101", 40, "买菜500元");  // what an unescaped % would find
  SearchConditions conditions;
  conditions.page = 32900;
  conditions.text_on = true;
  conditions.text = "50%";
  EntryTable page(conditions);
  const GridModel table = page.Build();
  EXPECT_EQ(2, page.FoundCount());
  EXPECT_EQ(32999, page.Page());
  EXPECT_EQ(32900, page.KindPage());
  EXPECT_EQ((std::vector<std::string>{"202301001|早年午饭 50%||30.00", "202301|   1 月 统 计|0.00|30.00",
                                      "202399|  2023 年 统 计|0.00|30.00", "202405001|午饭 50%||10.00",
                                      "202405|   5 月 统 计|0.00|10.00", "202499|  2024 年 统 计|0.00|10.00",
                                      "99|  累         计|0.00|40.00"}),
            Rows(table, {"说明", "收入", "支出"}));
  for (const GridColumn& column : table.Columns()) EXPECT_NE("收支盈余", column.title);
  EXPECT_EQ("收入支出记账 - 查找结果", CaptionOf(page).title);
  // Printed and exported under the same title, the search told under it.
  const PageOutput output = EntryOutput(page);
  EXPECT_EQ("收入支出记账 - 查找结果", output.title);
  ASSERT_EQ(2u, output.page_header.size());
  EXPECT_EQ(0u, output.page_header[0].find("查找条件：")) << output.page_header[0];
  EXPECT_EQ("查找结果：找到2笔记账数据", output.page_header[1]);
}

TEST_F(EntryTableTest, SearchedOpeningAmountsShowTheirAccountAndAmountColumn) {
  Book("2024-05-01", 1, "102", "502", 1000, "开户");
  Book("2024-05-01", 1, "202", "502", 300, "卡债");
  SearchConditions conditions;
  conditions.page = 32907;
  EntryTable page(conditions);
  const std::vector<std::string> rows = Rows(page.Build(), {"类别", "财产", "负债"});
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ("202405001|银行存款|1000.00|", rows[0]);
  EXPECT_EQ("202405002|信用卡||300.00", rows[1]);
}

TEST_F(EntryTableTest, CaptionsNameTheRangeAndOfferTheChangeLinkOnEntryPages) {
  EXPECT_EQ("收入支出记账\n日期范围：2024年5月 - 2024年6月(更改)", CaptionPlainText(CaptionOf(EntryTable(32900, kMayToJune))));
  EXPECT_EQ("初始财产、负债录入\n日期范围：2024年5月 - 2024年6月", CaptionPlainText(CaptionOf(EntryTable(32907, kMayToJune))));
  EXPECT_EQ(std::vector<std::string>{"日期范围：2024年5月 - 2024年6月"}, EntryOutput(EntryTable(32900, kMayToJune)).page_header);
}

}  // namespace
}  // namespace cw
