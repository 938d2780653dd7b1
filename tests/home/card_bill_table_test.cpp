// The four states of a card bill and the card table of the home page.
#include "home/card_bill_table.h"

#include <gtest/gtest.h>

#include "core/item_cache.h"
#include "core/voucher_engine.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

TEST(BillState, DecidedByOwedRepaidAndTheRepaymentDate) {
  constexpr int kDue = 45000;
  struct Case {
    double owed, repaid;
    int today;
    BillState expected;
    const char* text;
  } cases[] = {
      {0, 0, kDue + 5, BillState::kNothingDue, "不需还款"},
      {0.00000001, 0, kDue + 5, BillState::kNothingDue, "不需还款"},  // below the zero threshold
      {-250, 0, kDue + 5, BillState::kNothingDue, "不需还款"},        // card in credit
      {1000, 1000, kDue + 5, BillState::kRepaid, "已还款"},
      {1000, 999.99999999, kDue + 5, BillState::kRepaid, "已还款"},  // equal within the threshold
      {1000, 1200, kDue + 5, BillState::kRepaid, "已还款"},
      {1000, 400, kDue - 3, BillState::kUnpaid, "未还款"},
      {1000, 0, kDue, BillState::kUnpaid, "未还款"},  // on the repayment date
      {1000, 0, kDue + 1, BillState::kOverdue, "欠款"},
      {1000, 999.99, kDue + 1, BillState::kOverdue, "欠款"},
  };
  for (const Case& c : cases) {
    const BillState state = BillStateOf(c.owed, c.repaid, c.today, kDue);
    EXPECT_EQ(state, c.expected) << c.owed << " / " << c.repaid << " day " << c.today - kDue;
    EXPECT_EQ(BillStateText(state), c.text);
  }
}

class CardBillTableTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM CreditCard");
    // Two cards below 202: billed on the 5th and repaid on the 25th, and
    // billed on the 10th and repaid 20 days later.
    Database::Execute(Database::LoadStatement(343), {std::string("信用卡"), 0, std::string("202")});
    Database::Execute(Database::LoadStatement(349), {std::string("20201"), std::string("招行卡"), 8});
    Database::Execute(Database::LoadStatement(349), {std::string("20202"), std::string("工行卡"), 8});
    Database::Execute("INSERT INTO CreditCard (Item_No, PayItem_No, BillDate, PayDate, AfterBillDays, PayMode) "
                      "VALUES ('20201', '102', 5, 25, 0, 0), ('20202', '102', 10, 0, 20, 1)");
    CItemCache::Instance().MarkDirty();
    CCreditCardCache::Instance().MarkStale();
  }

  static std::vector<std::string> Row(const HomeTable& table, const std::string& key) {
    for (const HomeRow& row : table.rows)
      if (row.key == key) return row.cells;
    return {};
  }
  static const HomeRow* Find(const HomeTable& table, const std::string& key) {
    for (const HomeRow& row : table.rows)
      if (row.key == key) return &row;
    return nullptr;
  }
};

TEST_F(CardBillTableTest, ShowsEachCardsLastBill) {
  ASSERT_NE(0, WriteVoucher(Make("2024-03-02", 3, "601", "20201", 150, "晚餐")));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-06", 3, "601", "20201", 80, "下一期")));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-01", 3, "604", "20202", 300, "衣服")));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-12", 13, "20202", "102", 300, "信用卡还款", "50302", 0)));

  const HomeTable table = CardBillTable(Day("2024-03-20"));
  ASSERT_EQ(table.rows.size(), 2u);
  ASSERT_EQ(table.columns.size(), 5u);
  EXPECT_EQ(table.columns[0].title, "信用卡");
  EXPECT_EQ(table.columns[4].title, "状态");
  EXPECT_EQ(table.rows[0].key, "20201");
  EXPECT_EQ(Row(table, "20201"),
            (std::vector<std::string>{"招行卡", "2024-03-05", "2024-03-25", "150.00", "未还款"}));
  EXPECT_EQ(Row(table, "20202"),
            (std::vector<std::string>{"工行卡", "2024-03-10", "2024-03-30", "300.00", "已还款"}));
  // Only a bill still to be paid links to the card's ledger.
  EXPECT_EQ(Find(table, "20201")->link, (PageLink{kLinkLedger, "20201"}));
  EXPECT_EQ(Find(table, "20202")->link.kind, 0);
}

TEST_F(CardBillTableTest, AnUnpaidBillIsOverdueTheDayAfterItsRepaymentDate) {
  ASSERT_NE(0, WriteVoucher(Make("2024-03-02", 3, "601", "20201", 150, "晚餐")));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-20", 13, "20201", "102", 100, "部分还款", "50302", 0)));

  const HomeRow* due_day = Find(CardBillTable(Day("2024-03-25")), "20201");
  ASSERT_NE(due_day, nullptr);
  EXPECT_EQ(due_day->cells[4], "未还款");
  EXPECT_EQ(due_day->row_class, RowClass::kNormal);

  const HomeTable next_day = CardBillTable(Day("2024-03-26"));
  const HomeRow* overdue = Find(next_day, "20201");
  EXPECT_EQ(overdue->cells[4], "欠款");
  EXPECT_EQ(overdue->row_class, RowClass::kAlert);
  EXPECT_EQ(overdue->link, (PageLink{kLinkLedger, "20201"}));
}

TEST_F(CardBillTableTest, ACardInCreditNeedsNoRepayment) {
  ASSERT_NE(0, WriteVoucher(Make("2024-02-20", 13, "20201", "102", 500, "多还", "50302", 0)));
  ASSERT_NE(0, WriteVoucher(Make("2024-03-01", 3, "601", "20201", 120, "晚餐")));
  const HomeTable table = CardBillTable(Day("2024-03-20"));
  EXPECT_EQ(Row(table, "20201")[3], "-380.00");
  EXPECT_EQ(Row(table, "20201")[4], "不需还款");
  EXPECT_EQ(Row(table, "20202")[4], "不需还款");  // no bookings at all
}

}  // namespace
}  // namespace cw
