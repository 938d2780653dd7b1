// The records of one day: income and expense modes with refunds, both columns,
// and a day without vouchers.
#include "reports/ledgers/day_records.h"

#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "core/voucher_engine.h"
#include "reports/ledgers/grid_text.h"
#include "reports/ledgers/row_choice.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::GridText;
using Rows = std::vector<std::string>;

class DayRecordsTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Book("2024-06-02", 3, "601", "101", 30, "午饭");
    Book("2024-06-03", 2, "501", "102", 5000, "工资");
    Book("2024-06-03", 3, "602", "101", 12.5, "灯泡");
    Book("2024-06-03", 42, "101", "602", 2.5, "退货");  // a refund credited to the expense account
    Book("2024-06-03", 1, "103", "502", 100, "期初");  // opening vouchers never show
  }
  void Book(const std::string& date, int kind, const std::string& a1, const std::string& a2, double amount,
            const std::string& text) {
    ASSERT_NE(0, WriteVoucher(Make(date, kind, a1, a2, amount, text))) << date;
  }
};

TEST_F(DayRecordsTest, ExpenseModeShowsRefundsNegative) {
  EXPECT_EQ(Rows({"202406003 | 2024-06-03 | 灯泡 | 居家 | 12.50", "202406004 | 2024-06-03 | 退货 | 居家 | -2.50",
                  "0 |  | 累    计 |  | 10.00 [green]"}),
            GridText(BuildDayRecords(DayRecordsMode::kExpense, Day("2024-06-03"))));
}

TEST_F(DayRecordsTest, BothModesPutEachLineInItsColumn) {
  GridModel grid = BuildDayRecords(DayRecordsModeOf(32920), Day("2024-06-03"));
  ASSERT_EQ(5, grid.ColumnCount());
  EXPECT_EQ("收  入", grid.Column(3).title);
  EXPECT_EQ(Rows({"202406002 | 2024-06-03 | 工资 | 工作收入 | 5000.00 | ",
                  "202406003 | 2024-06-03 | 灯泡 | 居家 |  | 12.50",
                  "202406004 | 2024-06-03 | 退货 | 居家 |  | -2.50",
                  "0 |  | 累    计 |  | 5000.00 | 10.00 [green]"}),
            GridText(grid));
  EXPECT_EQ(DayRecordsMode::kIncome, DayRecordsModeOf(32921));
}

TEST_F(DayRecordsTest, ADayWithoutVouchersIsEmpty) {
  for (const char* day : {"2024-06-01", "2024-06-04", "2024-07-01"}) {
    SCOPED_TRACE(day);
    GridModel grid = BuildDayRecords(DayRecordsMode::kBoth, Day(day));
    EXPECT_EQ(0, grid.RowCount());
    EXPECT_EQ(5, grid.ColumnCount());
  }
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

TEST_F(DayRecordsTest, ViewNeedsAVoucherRow) {
  GridModel grid = BuildDayRecords(DayRecordsMode::kExpense, Day("2024-06-03"));
  struct Case {
    int row;
    std::optional<int> voucher;
    const char* message;
  } cases[] = {
      {-1, std::nullopt, "请先从表格中选择一条记录，再进行操作。"},
      {2, std::nullopt, "您选择了统计行（背景色为绿色），请选择账单数据行。"},
      {1, 202406004, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    prompter_.shown.clear();
    grid.SelectRow(c.row);
    EXPECT_EQ(c.voucher, ChosenVoucher(grid, prompter_));
    if (c.message) {
      ASSERT_EQ(1u, prompter_.shown.size());
      EXPECT_EQ(c.message, prompter_.shown[0].text);
      EXPECT_EQ("操作错误", prompter_.shown[0].caption);
    } else {
      EXPECT_TRUE(prompter_.shown.empty());
    }
  }
}

}  // namespace
}  // namespace cw
