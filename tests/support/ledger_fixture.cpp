#include "support/ledger_fixture.h"

#include "calendar/calendar.h"
#include "core/data_sets.h"
#include "core/item_cache.h"
#include "core/session.h"
#include "core/standard_chart.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::testing {

TempHome* LedgerTest::home_ = nullptr;

void LedgerTest::SetUpTestSuite() {
  home_ = new TempHome();
  ASSERT_TRUE(CreateDataSet(Database::kUserData));
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
}

void LedgerTest::TearDownTestSuite() {
  delete home_;
  home_ = nullptr;
}

void LedgerTest::SetUp() {
  guard_ = std::make_unique<PrompterGuard>(prompter_);
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  Database::Execute("DELETE FROM AccountInput");
  Database::Execute("DELETE FROM Detail_Input");
  Database::Execute("DELETE FROM Item");
  for (const ChartAccount& a : StandardChart()) {
    Database::Execute(Database::LoadStatement(349), {a.code, a.name, a.type});
  }
  CItemCache::Instance().MarkDirty();
  SetLoggedInPerson(1);
}

void LedgerTest::TearDown() { guard_.reset(); }

int LedgerTest::Day(const std::string& iso) {
  int serial = 0;
  EXPECT_TRUE(ParseIsoDate(iso, &serial)) << iso;
  return serial;
}

Booking LedgerTest::Make(const std::string& date, int kind, const std::string& account1,
                         const std::string& account2, double amount, const std::string& description,
                         const std::string& account3, double amount2) {
  CItemCache& chart = CItemCache::Instance();
  Booking b;
  b.date = Day(date);
  b.kind = kind;
  b.account1 = account1;
  b.account2 = account2;
  b.account3 = account3;
  b.type1 = chart.TypeOf(account1);
  b.type2 = chart.TypeOf(account2);
  b.type3 = chart.TypeOf(account3);
  b.amount1 = amount;
  b.amount2 = amount2;
  b.description = description;
  return b;
}

std::vector<std::pair<int, std::string>> LedgerTest::MonthVouchers(int year, int month) {
  std::vector<std::pair<int, std::string>> out;
  CDBPack rows;
  int first = year * 100000 + month * 1000;
  rows.Open("SELECT Voucher_No, Input_Time FROM AccountInput WHERE Voucher_No BETWEEN ?1 AND ?2 "
            "ORDER BY Voucher_No",
            {first, first + 999});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    out.emplace_back(rows.GetLong("Voucher_No"), IsoDate(static_cast<int>(rows.GetDate("Input_Time"))));
  }
  return out;
}

}  // namespace cw::testing
