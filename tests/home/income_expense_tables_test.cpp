// The income and expense statistics of the home page on a small ledger, and
// the notice that replaces the figures while a leaf account has no type.
#include "base/product.h"
#include "home/income_expense_tables.h"

#include <gtest/gtest.h>

#include "core/item_cache.h"
#include "core/voucher_engine.h"
#include "home/home_figures.h"
#include "home/home_texts.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using Cells = std::vector<std::string>;

std::vector<Cells> AllCells(const HomeTable& table) {
  std::vector<Cells> rows;
  for (const HomeRow& row : table.rows) rows.push_back(row.cells);
  return rows;
}

class HomeStatisticsTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM CreditCard");
    CCreditCardCache::Instance().MarkStale();
    ASSERT_NE(0, WriteVoucher(Make("2023-12-30", 3, "601", "101", 77, "去年")));
    ASSERT_NE(0, WriteVoucher(Make("2024-01-15", 2, "501", "102", 6000, "一月工资")));
    ASSERT_NE(0, WriteVoucher(Make("2024-02-10", 3, "602", "101", 100, "二月房租")));
    // Opening amounts are not income of the month they are dated in.
    ASSERT_NE(0, WriteVoucher(Make("2024-03-01", 1, "102", "502", 50000, "初始存款")));
    ASSERT_NE(0, WriteVoucher(Make("2024-03-10", 2, "501", "102", 8000, "三月工资")));
    ASSERT_NE(0, WriteVoucher(Make("2024-03-12", 3, "601", "101", 330, "聚餐")));
    ASSERT_NE(0, WriteVoucher(Make("2024-03-15", 3, "602", "101", 200, "水电")));
    ASSERT_NE(0, WriteVoucher(Make("2024-03-16", 2, "601", "101", 30, "聚餐退款")));  // a credit on an expense
    ASSERT_NE(0, WriteVoucher(Make("2024-04-02", 3, "601", "101", 55, "下月")));
  }
};

TEST_F(HomeStatisticsTest, MonthAndYearTotals) {
  const IncomeExpenseTables tables = MakeIncomeExpenseTables(Day("2024-03-20"));
  EXPECT_EQ(tables.summary.title, "收支统计表");
  ASSERT_EQ(tables.summary.columns.size(), 4u);
  EXPECT_EQ(tables.summary.columns[3].title, "收入 - 支出");
  EXPECT_EQ(AllCells(tables.summary), (std::vector<Cells>{
                                          {"本月收支", "8000.00", "500.00", "7500.00"},
                                          {"本年度收支", "14000.00", "655.00", "13345.00"},
                                      }));
}

TEST_F(HomeStatisticsTest, MonthByCategoryWithShares) {
  const IncomeExpenseTables tables = MakeIncomeExpenseTables(Day("2024-03-20"));
  EXPECT_EQ(tables.month_expense.title, "本月支出分类统计表");
  EXPECT_EQ(tables.month_expense.columns[0].title, "支出类别");
  EXPECT_EQ(tables.month_expense.columns[2].title, "百分比");
  EXPECT_EQ(AllCells(tables.month_expense), (std::vector<Cells>{
                                                {"饮食", "300.00", "60.0%"},
                                                {"居家", "200.00", "40.0%"},
                                                {"合计", "500.00", "100.0%"},
                                            }));
  EXPECT_EQ(tables.month_expense.rows[0].link, (PageLink{kLinkLedger, "601"}));
  EXPECT_EQ(tables.month_expense.rows[2].row_class, RowClass::kTotal);
  EXPECT_EQ(tables.month_expense.rows[2].link.kind, 0);
  EXPECT_EQ(tables.month_expense.title_link, (PageLink{kLinkStatistics, "7"}));

  EXPECT_EQ(tables.month_income.columns[0].title, "收入类别");
  EXPECT_EQ(AllCells(tables.month_income), (std::vector<Cells>{
                                               {"工作收入", "8000.00", "100.0%"},
                                               {"合计", "8000.00", "100.0%"},
                                           }));
  EXPECT_EQ(tables.month_income.title_link, (PageLink{kLinkStatistics, "6"}));
}

TEST_F(HomeStatisticsTest, AMonthWithoutIncome) {
  const IncomeExpenseTables tables = MakeIncomeExpenseTables(Day("2024-02-29"));
  EXPECT_EQ(AllCells(tables.month_income), (std::vector<Cells>{{"合计", "0.00", "0.0%"}}));
  EXPECT_EQ(AllCells(tables.month_expense), (std::vector<Cells>{{"居家", "100.00", "100.0%"}, {"合计", "100.00", "100.0%"}}));
}

TEST_F(HomeStatisticsTest, AmountsThatCancelOutGiveNoShare) {
  ASSERT_NE(0, WriteVoucher(Make("2024-05-03", 3, "601", "101", 40, "买")));
  ASSERT_NE(0, WriteVoucher(Make("2024-05-04", 3, "602", "101", 60, "买")));
  ASSERT_NE(0, WriteVoucher(Make("2024-05-05", 2, "601", "101", 40, "退")));
  ASSERT_NE(0, WriteVoucher(Make("2024-05-06", 2, "602", "101", 60, "退")));
  const IncomeExpenseTables tables = MakeIncomeExpenseTables(Day("2024-05-20"));
  EXPECT_EQ(AllCells(tables.month_expense), (std::vector<Cells>{{"合计", "0.00", "0.0%"}}));
}

TEST_F(HomeStatisticsTest, WholePageFigures) {
  const HomeFigures figures = MakeHomeFigures(Day("2024-03-20"), "");
  EXPECT_TRUE(figures.untyped_notice.empty());
  EXPECT_EQ(figures.greeting, kDefaultGreeting);
  EXPECT_EQ(figures.date_line.date, "2024年3月20日");
  EXPECT_EQ(figures.summary.rows.size(), 2u);
  EXPECT_EQ(figures.card_bills.title, "  信用卡账单");
  EXPECT_TRUE(figures.card_bills.rows.empty());
}

TEST_F(HomeStatisticsTest, ALeafWithoutTypeReplacesTheFiguresByANotice) {
  ASSERT_EQ(1, Database::Execute(Database::LoadStatement(349), {std::string("60201"), std::string("房租"), 0}));
  CItemCache::Instance().MarkDirty();
  const HomeFigures figures = MakeHomeFigures(Day("2024-03-20"), "早上好");
  EXPECT_EQ(figures.untyped_notice,
            "记账科目中尚有末级科目未设置科目类型，所以无法统计收入支出数据。设置科目类型请在系统管理菜单下的记账科目管理中进行。");
  EXPECT_EQ(figures.greeting, "早上好");
  EXPECT_TRUE(figures.card_bills.rows.empty());
  EXPECT_TRUE(figures.summary.rows.empty());
  EXPECT_TRUE(figures.month_income.rows.empty());
  EXPECT_TRUE(figures.month_expense.rows.empty());
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

// Over thirty years of vouchers the home page must not read every line.
class HomeStatementsTest : public testing::LedgerTest {};

TEST_F(HomeStatementsTest, LineQueriesAreAnsweredFromAnIndex) {
  struct Case {
    int id;
    std::string slot;
    SqlParams params;
  } cases[] = {
      {420, "Item_No IN ('601','602')", {202403000, 202403999}},
      {764, "", {std::string("20201")}},
  };
  for (const Case& c : cases) {
    CDBPack plan;
    plan.Open("EXPLAIN QUERY PLAN " + Database::LoadStatement(c.id, c.slot), c.params);
    ASSERT_FALSE(plan.IsEnd()) << c.id;
    for (; !plan.IsEnd(); plan.MoveNext()) {
      const std::string detail = plan.GetText("detail");
      EXPECT_EQ(detail.find("SCAN TABLE"), std::string::npos) << c.id << ": " << detail;
    }
  }
}

}  // namespace
}  // namespace cw
