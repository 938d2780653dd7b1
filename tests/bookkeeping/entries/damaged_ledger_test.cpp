// A ledger whose later pages cannot be read: neither a table built from the
// rows read before the failure (entry pages, ledgers) nor a write
// that read them is kept.
#include <gtest/gtest.h>

#include "base/scripted_prompter.h"
#include "bookkeeping/entries/date_scope.h"
#include "bookkeeping/entries/entry_table.h"
#include "calendar/calendar.h"
#include "core/booking.h"
#include "core/data_sets.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "core/voucher_import.h"
#include "reports/ledgers/ledger_page.h"
#include "store/database.h"
#include "support/damaged_file.h"
#include "support/temp_home.h"

namespace cw {
namespace {

constexpr int kIncomeExpensePage = 32900;

Booking Expense(int date) {
  Booking b;
  b.date = date;
  b.kind = 3;
  b.account1 = "601";
  b.account2 = "101";
  b.amount1 = 12.5;
  b.description = std::string(40, 'w');
  return b;
}

class DamagedLedgerTest : public ::testing::Test {
 protected:
  // A year of daily expenses; then pages of its later months are damaged.
  void SetUp() override {
    ASSERT_TRUE(CreateDataSet(Database::kUserData));
    const auto pages_before = testing::PageCount(Database::FilePath(Database::kUserData));
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    SetLoggedInPerson(1);
    std::vector<ImportedVoucher> year;
    for (int day = SerialDay(2024, 1, 1); day <= SerialDay(2024, 12, 31); ++day)
      year.push_back(VoucherOfBooking(Expense(day)));
    std::string error;
    ASSERT_TRUE(ImportVouchers(year, &error)) << error;
    Database::CloseDatabase();
    testing::DamageWrittenPages(Database::FilePath(Database::kUserData), pages_before);
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData)) << (prompter_.shown.empty() ? "" : prompter_.shown.back().text);
  }

  void ExpectShownOnceAsReadFailure() const {
    std::string shown;
    for (const auto& message : prompter_.shown) shown += message.text + "|";
    EXPECT_EQ(1u, prompter_.shown.size()) << shown;
    EXPECT_TRUE(shown.starts_with("数据库读取失败！\n\n错误信息:")) << shown;
  }

  testing::TempHome home_;
  ScriptedPrompter prompter_;
  PrompterGuard guard_{prompter_};
};

TEST_F(DamagedLedgerTest, TheEntriesTableIsNotShown) {
  EntryTable page(kIncomeExpensePage, MonthsRange({2024, 1}, {2024, 12}));
  const GridModel table = page.Build();
  EXPECT_EQ(0, table.RowCount()) << "no rows, no totals built from part of the year";
  EXPECT_GT(table.ColumnCount(), 0);
  ExpectShownOnceAsReadFailure();
}

TEST_F(DamagedLedgerTest, TheCashLedgerIsNotShown) {
  constexpr int kCashDetailPage = 32935;
  LedgerPage page(202412);
  page.Request("101", LedgerRange::OfMonths(202401, 202412));
  ASSERT_TRUE(page.Show(kCashDetailPage, true, std::nullopt));
  const LedgerTable table = page.Build();
  EXPECT_EQ(0, table.grid.RowCount()) << "no running balance built from part of the year";
  ExpectShownOnceAsReadFailure();
}

TEST_F(DamagedLedgerTest, AWriteThatCannotReadIsNotWritten) {
  EXPECT_EQ(0, WriteVoucher(Expense(SerialDay(2024, 12, 1))));
  ExpectShownOnceAsReadFailure();
}

}  // namespace
}  // namespace cw
