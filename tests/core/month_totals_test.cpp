// The per-account month totals follow every change of the voucher tables:
// bookings that renumber a month, replacements, deletions, opening vouchers
// renumbered among others, moves to another month or account, imports, and a
// data set whose layout is older than the program's.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/schema_version.h"
#include "core/voucher_engine.h"
#include "core/voucher_import.h"
#include "store/database.h"
#include "store/layout_steps.h"
#include "store/month_totals.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::LedgerTest;

class MonthTotalsTest : public LedgerTest {
 protected:
  int Book(const std::string& date, int kind, const std::string& a1, const std::string& a2, double amount) {
    int number = WriteVoucher(Make(date, kind, a1, a2, amount));
    EXPECT_NE(0, number) << date;
    return number;
  }
  // "debit/loan/lines" of one stored total; empty when there is no row.
  static std::string Stored(const std::string& item, int month, bool opening) {
    CDBPack rows;
    rows.Open("SELECT Debit, Loan, Lines FROM MonthTotal WHERE Item_No = ?1 AND Month = ?2 AND Opening = ?3",
              {item, month, opening ? 1 : 0});
    if (rows.IsEnd()) return "";
    char text[96];
    std::snprintf(text, sizeof text, "%.2f/%.2f/%d", rows.GetDouble("Debit"), rows.GetDouble("Loan"),
                  rows.GetLong("Lines"));
    return text;
  }
  static std::vector<std::string> Differences() {
    std::vector<std::string> found;
    for (const MonthTotalDifference& d : CompareMonthTotals()) {
      found.push_back(d.item + "@" + std::to_string(d.month) + (d.opening ? "/opening" : ""));
    }
    return found;
  }
};

TEST_F(MonthTotalsTest, EveryWriteKeepsTheTotals) {
  // Each step changes the ledger; after each the totals must equal the lines.
  struct Step {
    const char* what;
    std::function<void()> run;
  };
  int opening = 0;
  const std::vector<Step> steps = {
      {"expenses in date order", [&] { Book("2024-05-03", 3, "601", "101", 10); Book("2024-05-09", 3, "602", "101", 20); }},
      {"an opening voucher between them", [&] { opening = Book("2024-05-05", 1, "102", "502", 500); }},
      {"an earlier booking renumbers the opening voucher",
       [&] { Book("2024-05-01", 3, "603", "102", 7); opening += 1; }},
      {"a deletion renumbers it back", [&] { ASSERT_TRUE(DeleteVoucher(202405001)); opening -= 1; }},
      {"a replacement moves an expense into another month",
       [&] { ASSERT_NE(0, ReplaceVoucher(202405001, Make("2024-06-02", 3, "601", "102", 11))); opening -= 1; }},
      {"the opening voucher moves to another month with its lines",
       [&] {
         ASSERT_TRUE(Database::Execute(Database::LoadStatement(760), {202407001, std::string("2024-07-01"), opening}));
         ASSERT_TRUE(Database::Execute(Database::LoadStatement(761), {202407001, opening}));
       }},
      {"bookings move to another account",
       [&] { ASSERT_TRUE(Database::Execute(Database::LoadStatement(380), {std::string("604"), std::string("602")})); }},
      {"the opening voucher is deleted", [&] { ASSERT_TRUE(DeleteVoucher(202407001)); }},
      {"an import into a month with vouchers and into an empty one",
       [&] {
         std::string error;
         ASSERT_TRUE(ImportVouchers({VoucherOfBooking(Make("2024-05-04", 3, "601", "101", 3)),
                                     VoucherOfBooking(Make("2024-08-04", 1, "101", "502", 30))},
                                    &error))
             << error;
       }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.run();
    EXPECT_EQ(std::vector<std::string>{}, Differences());
  }
  // The figures themselves, by class: the import's opening voucher apart.
  EXPECT_EQ("30.00/0.00/1", Stored("101", 202408, true));
  EXPECT_EQ("", Stored("101", 202408, false));
  EXPECT_EQ("0.00/23.00/2", Stored("101", 202405, false));  // 20 booked, 3 imported
}

TEST_F(MonthTotalsTest, AnOlderDataSetGetsItsTotalsWhenOpened) {
  Book("2024-05-03", 3, "601", "101", 10);
  Book("2024-05-04", 1, "102", "502", 500);
  // The layout before the totals: no table, no triggers, level 0.
  ASSERT_TRUE(RemoveMonthTotalTriggers());
  ASSERT_TRUE(Database::Execute("DROP TABLE MonthTotal"));
  ASSERT_TRUE(Database::Execute("DROP TABLE MonthTotalHold"));
  ASSERT_TRUE(Database::Execute("PRAGMA user_version = 0"));
  // A voucher that an older program wrote.
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(263), {202405003, std::string("2024-05-05"), 0, 1, 3, 0, 0}));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(264), {202405003, 0, std::string(), std::string("601"), 5.0, 1}));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(264), {202405003, 1, std::string(), std::string("101"), 5.0, 0}));
  ASSERT_EQ(0, LayoutLevel());

  ASSERT_EQ(1, CheckAndUpgrade(ProgramVersion(), Today()));
  EXPECT_EQ(CurrentLayoutLevel(), LayoutLevel());
  EXPECT_EQ("15.00/0.00/2", Stored("601", 202405, false));
  EXPECT_EQ("500.00/0.00/1", Stored("102", 202405, true));
  Book("2024-05-01", 3, "601", "101", 1);  // the triggers are there too
  EXPECT_EQ("16.00/0.00/3", Stored("601", 202405, false));
  EXPECT_EQ(std::vector<std::string>{}, Differences());
}

TEST_F(MonthTotalsTest, TheCheckReportsATotalThatDiffers) {
  Book("2024-05-03", 3, "601", "101", 10);
  ASSERT_TRUE(Database::Execute("UPDATE MonthTotal SET Debit = 9 WHERE Item_No = '601'"));
  ASSERT_TRUE(Database::Execute("INSERT INTO MonthTotal (Item_No, Month, Opening, Debit) VALUES ('699', 202401, 0, 1)"));
  std::vector<MonthTotalDifference> found = CompareMonthTotals();
  ASSERT_EQ(2u, found.size());
  EXPECT_EQ("601", found[0].item);
  EXPECT_EQ(9, found[0].stored.debit);
  EXPECT_EQ(10, found[0].computed.debit);
  EXPECT_EQ("699", found[1].item);
  EXPECT_EQ(0, found[1].computed.lines);
}

}  // namespace
}  // namespace cw
