// The version check at every opening, and the sample data moved to the current month.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "calendar/calendar.h"
#include "core/schema_version.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::LedgerTest;

int StoredVersion() {
  CDBPack rows;
  rows.Open(Database::LoadStatement(383));
  return rows.GetLong("Ver_DB");
}

void StoreVersion(double version) { Database::Execute(Database::LoadStatement(398), {EncodeVersion(version)}); }

TEST(VersionTest, EncodingAndProgramVersion) {
  EXPECT_EQ(3 * 65536 + 35, EncodeVersion(3.35));
  EXPECT_EQ(2 * 65536 + 0, EncodeVersion(2.0));
  EXPECT_EQ(3 * 65536 + 15, EncodeVersion(3.15));
  EXPECT_DOUBLE_EQ(3.35, DecodeVersion(3 * 65536 + 35));
  EXPECT_NEAR(3.40, ProgramVersion(), 1e-9) << "the build's version 3.4.0";
}

TEST_F(LedgerTest, VersionCheckRaisesOlderAndRefusesNewerDataSets) {
  const int today = SerialDay(2026, 12, 10);
  StoreVersion(3.35);
  int changes = sqlite3_total_changes(Database::Handle());
  EXPECT_EQ(1, CheckAndUpgrade(3.35, today));
  EXPECT_EQ(changes, sqlite3_total_changes(Database::Handle())) << "the same version is not written again";

  StoreVersion(3.1);
  EXPECT_EQ(1, CheckAndUpgrade(3.40, today));
  EXPECT_EQ(EncodeVersion(3.40), StoredVersion());

  StoreVersion(3.50);
  EXPECT_EQ(0, CheckAndUpgrade(3.40, today));
  EXPECT_EQ(EncodeVersion(3.50), StoredVersion()) << "a newer data set is left alone";
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_NE(std::string::npos, prompter_.shown[0].text.find("高于本程序的版本"));
}

TEST_F(LedgerTest, SampleDataMovesForwardOnce) {
  auto insert = [](int number, const std::string& date) {
    Database::Execute(Database::LoadStatement(263), {number, date, 0, 1, 3, 0, 0});
    Database::Execute(Database::LoadStatement(264), {number, 0, std::string("x"), std::string("601"), 1.0, 1});
    Database::Execute(Database::LoadStatement(264), {number, 1, std::string("x"), std::string("101"), 1.0, 0});
  };
  insert(200808005, "2008-08-31");
  insert(200809001, "2008-09-01");
  insert(200809009, "2008-09-09");
  Database::Execute("DELETE FROM Budget");
  Database::Execute("DELETE FROM PropertyBudget");
  for (int key : {200807, 200809, 200853, 200861}) {
    Database::Execute(Database::LoadStatement(1603), {2, key, std::string("601"), 100.0});
  }
  Database::Execute("INSERT INTO PropertyBudget (BudgetID, Content, StartDate) VALUES (1, 'x', '2008-10-01')");
  Database::Execute("DELETE FROM AccountInputPlan");
  Database::Execute("INSERT INTO AccountInputPlan (PlanID, DDay, Last_Chargeup) VALUES (1, 31, '2008-10-31')");
  // Opened in December 2015: 87 months later.
  ASSERT_TRUE(MoveDemonstrationForward(SerialDay(2015, 12, 10)));
  EXPECT_EQ((std::vector<std::pair<int, std::string>>{{201511005, "2015-11-30"}}), MonthVouchers(2015, 11))
      << "31 August becomes the last day of November";
  EXPECT_EQ((std::vector<std::pair<int, std::string>>{{201512001, "2015-12-01"}, {201512009, "2015-12-09"}}),
            MonthVouchers(2015, 12));
  CDBPack lines;
  lines.Open("SELECT COUNT(*) AS NUM FROM Detail_Input WHERE Voucher_No = ?1", {201511005});
  EXPECT_EQ(2, lines.GetLong("NUM"));
  lines.Open("SELECT COUNT(*) AS NUM FROM Detail_Input WHERE Voucher_No < ?1", {201500000});
  EXPECT_EQ(0, lines.GetLong("NUM"));
  // Month budgets move by the months, quarter and year budgets by the years;
  // the projection's items by the months.
  std::vector<int> keys;
  for (lines.Open("SELECT Budget_No FROM Budget ORDER BY Budget_No"); !lines.IsEnd(); lines.MoveNext())
    keys.push_back(lines.GetLong("Budget_No"));
  EXPECT_EQ((std::vector<int>{201510, 201512, 201553, 201561}), keys);
  lines.Open("SELECT StartDate, EndDate FROM PropertyBudget");
  EXPECT_EQ(SerialDay(2016, 1, 1), lines.GetDate("StartDate"));
  EXPECT_EQ(0, lines.GetDate("EndDate"));
  CDBPack plan;
  plan.Open("SELECT Last_Chargeup FROM AccountInputPlan WHERE PlanID = 1");
  EXPECT_EQ("2016-01-31", IsoDate(static_cast<int>(plan.GetDate("Last_Chargeup")))) << "the plan continues where the vouchers end";
  // Moved data no longer starts with the untouched sample number.
  ASSERT_TRUE(MoveDemonstrationForward(SerialDay(2016, 3, 1)));
  EXPECT_EQ(2u, MonthVouchers(2015, 12).size());
}

}  // namespace
}  // namespace cw
