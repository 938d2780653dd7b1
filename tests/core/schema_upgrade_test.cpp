// Data sets written by older versions, built here in the current layout with
// the old entry kinds written directly, brought up to date.
#include <gtest/gtest.h>

#include <filesystem>

#include "calendar/calendar.h"
#include "core/backup_settings.h"
#include "core/schema_upgrade.h"
#include "core/schema_version.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"
#include "support/scripted_upgrade_questions.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

struct Line {
  std::string item;
  double cash;
  int debit;
};

class UpgradeTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Database::Execute("DELETE FROM AccountInputPlan");
    Database::Execute("DELETE FROM Detail_Plan");
    // Two borrowing accounts below 201, one of them a card by its name.
    Database::Execute("UPDATE Item SET ItemType = 0 WHERE Item_No = '201'");
    Database::Execute(Database::LoadStatement(349), {std::string("20101"), std::string("招商信用卡"), 7});
    Database::Execute(Database::LoadStatement(349), {std::string("20102"), std::string("向朋友借"), 7});
    fs::remove_all(DefaultBackupFolder());
  }
  void TearDown() override {
    Database::Execute(Database::LoadStatement(398), {EncodeVersion(ProgramVersion())});
    LedgerTest::TearDown();
  }

  static void Voucher(int number, int kind, const std::vector<Line>& lines) {
    Database::Execute(Database::LoadStatement(263), {number, std::string("2024-05-01"), 0, 1, kind, 0, 0});
    for (std::size_t i = 0; i < lines.size(); ++i) {
      Database::Execute(Database::LoadStatement(264), {number, static_cast<int>(i), "v" + std::to_string(number),
                                                       lines[i].item, lines[i].cash, lines[i].debit});
    }
  }
  static int Plan(int kind, const std::vector<Line>& lines) {
    Database::Execute("INSERT INTO AccountInputPlan (Input_Type) VALUES (?1)", {kind});
    CDBPack id;
    id.Open("SELECT MAX(PlanID) AS ID FROM AccountInputPlan");
    int plan = id.GetLong("ID");
    for (std::size_t i = 0; i < lines.size(); ++i) {
      Database::Execute(Database::LoadStatement(686), {plan, static_cast<int>(i), "p" + std::to_string(plan),
                                                       lines[i].item, lines[i].cash, lines[i].debit});
    }
    return plan;
  }
  // Every voucher and plan as "number kind: item cash debit | ...".
  static std::vector<std::string> Records(bool plans) {
    std::vector<std::string> out;
    CDBPack rows;
    rows.Open(plans ? "SELECT P.PlanID AS N, P.Input_Type, D.Item_No, D.Cash, D.IsDebit FROM AccountInputPlan P "
                      "JOIN Detail_Plan D ON D.PlanID = P.PlanID ORDER BY P.PlanID, D.Line_No"
                    : "SELECT A.Voucher_No AS N, A.Input_Type, D.Item_No, D.Cash, D.IsDebit FROM AccountInput A "
                      "JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No ORDER BY A.Voucher_No, D.Line_No");
    int last = -1;
    for (; !rows.IsEnd(); rows.MoveNext()) {
      int n = static_cast<int>(std::get<std::int64_t>(rows.GetValue("N")));
      std::string line = rows.GetText("Item_No") + " " + std::to_string(static_cast<int>(rows.GetDouble("Cash"))) +
                         " " + std::to_string(rows.GetBool("IsDebit") ? 1 : 0);
      if (n != last) {
        out.push_back(std::to_string(n) + " " + std::to_string(rows.GetByte("Input_Type")) + ": " + line);
      } else {
        out.back() += " | " + line;
      }
      last = n;
    }
    return out;
  }
  static int StoredVersion() {
    CDBPack rows;
    rows.Open(Database::LoadStatement(383));
    return rows.GetLong("Ver_DB");
  }
  static int Open() { return CheckAndUpgrade(3.40, SerialDay(2026, 12, 10)); }

  // A data set of an older version with every kind that later versions split or extended.
  static int BuildOldDataSet(double version) {
    Database::Execute(Database::LoadStatement(398), {EncodeVersion(version)});
    Voucher(202405001, 4, {{"102", 100, 0}, {"101", 100, 1}});  // bank to cash
    Voucher(202405002, 4, {{"101", 200, 1}, {"102", 200, 0}});  // cash from bank
    Voucher(202405003, 4, {{"101", 30, 1}, {"101", 30, 0}});
    Voucher(202405004, 4, {{"102", 40, 1}, {"102", 40, 0}});
    Voucher(202405005, 4, {{"601", 50, 1}, {"101", 50, 0}});   // not a fund conversion: stays
    Voucher(202405006, 8, {{"20101", 60, 1}, {"102", 60, 0}});  // a card paid back
    Voucher(202405007, 8, {{"20102", 70, 1}, {"101", 70, 0}});  // a loan paid back: stays
    Voucher(202405008, 10, {{"103", 80, 0}, {"102", 80, 1}});   // investment sold at cost
    Voucher(202405009, 10, {{"103", 80, 0}, {"102", 90, 1}});   // sold with a gain: left alone
    Voucher(202405010, 10, {{"103", 80, 0}, {"102", 80, 1}, {"504", 0, 0}});  // already three lines
    Plan(4, {{"101", 500, 1}, {"102", 500, 0}});
    return Plan(8, {{"20101", 600, 1}, {"102", 600, 0}});
  }

  testing::ScriptedUpgradeQuestions questions_;
};

TEST(FundConversionTest, KindByTheTypesOfTheFirstTwoLines) {
  struct Case {
    int type0, type1, kind;
  };
  for (const Case& c : std::vector<Case>{{4, 3, 40}, {3, 4, 41}, {3, 3, 42}, {4, 4, 43}, {2, 3, 4}, {3, 2, 4}, {8, 4, 4}}) {
    EXPECT_EQ(c.kind, FundConversionKind(c.type0, c.type1)) << c.type0 << "/" << c.type1;
  }
}

TEST_F(UpgradeTest, Version15IsConvertedAfterItsQuestions) {
  const int card_plan = BuildOldDataSet(1.5);
  questions_.interest_account = "504";
  ASSERT_EQ(1, Open());

  EXPECT_EQ((std::vector<std::string>{"interest:用户数据库", "cards"}), questions_.asked);
  EXPECT_EQ((std::vector<AccountRef>{{"20101", "招商信用卡"}}), questions_.offered.cards) << "picked by name";
  EXPECT_EQ((std::vector<AccountRef>{{"20102", "向朋友借"}}), questions_.offered.borrowing);
  EXPECT_EQ((std::vector<std::string>{
                "202405001 40: 102 100 0 | 101 100 1",
                "202405002 41: 101 200 1 | 102 200 0 | 504 0 0",
                "202405003 42: 101 30 1 | 101 30 0",
                "202405004 43: 102 40 1 | 102 40 0",
                "202405005 4: 601 50 1 | 101 50 0",
                "202405006 13: 20101 60 1 | 102 60 0 | 50399 0 0",
                "202405007 8: 20102 70 1 | 101 70 0",
                "202405008 10: 103 80 0 | 102 80 1 | 501 0 1",
                "202405009 10: 103 80 0 | 102 90 1",
                "202405010 10: 103 80 0 | 102 80 1 | 504 0 0",
            }),
            Records(false));
  EXPECT_EQ((std::vector<std::string>{
                std::to_string(card_plan - 1) + " 41: 101 500 1 | 102 500 0 | 504 0 0",
                std::to_string(card_plan) + " 13: 20101 600 1 | 102 600 0 | 50399 0 0",
            }),
            Records(true));
  CDBPack type;
  type.Open(Database::LoadStatement(299), {std::string("20101")});
  EXPECT_EQ(8, type.GetByte("ItemType")) << "the chosen account became a credit card";
  EXPECT_EQ(EncodeVersion(3.40), StoredVersion());
  EXPECT_TRUE(fs::exists(DefaultBackupFolder() + "/CW_before_upgrade_1.50.db"));
  EXPECT_TRUE(prompter_.shown.empty());

  questions_.asked.clear();
  ASSERT_EQ(1, Open());
  EXPECT_TRUE(questions_.asked.empty()) << "an upgraded data set is opened without questions";
}

TEST_F(UpgradeTest, Version20KeepsFundConversionsAndConvertsCards) {
  BuildOldDataSet(2.0);
  ASSERT_EQ(1, Open());
  EXPECT_EQ((std::vector<std::string>{"cards"}), questions_.asked);
  std::vector<std::string> vouchers = Records(false);
  ASSERT_EQ(10u, vouchers.size());
  EXPECT_EQ("202405002 4: 101 200 1 | 102 200 0", vouchers[1]) << "the split belongs to versions below 2.0";
  EXPECT_EQ("202405006 13: 20101 60 1 | 102 60 0 | 50399 0 0", vouchers[5]);
  EXPECT_EQ("202405008 10: 103 80 0 | 102 80 1 | 501 0 1", vouchers[7]);
  EXPECT_EQ(EncodeVersion(3.40), StoredVersion());
}

TEST_F(UpgradeTest, Version31OnlyRaisesTheVersion) {
  Database::Execute(Database::LoadStatement(398), {EncodeVersion(3.1)});
  Voucher(202405001, 4, {{"101", 200, 1}, {"102", 200, 0}});
  ASSERT_EQ(1, Open());
  EXPECT_TRUE(questions_.asked.empty());
  EXPECT_EQ((std::vector<std::string>{"202405001 4: 101 200 1 | 102 200 0"}), Records(false));
  EXPECT_EQ(EncodeVersion(3.40), StoredVersion());
  EXPECT_TRUE(fs::exists(DefaultBackupFolder() + "/CW_before_upgrade_3.10.db"));
}

TEST_F(UpgradeTest, AFailingStepOrAMissingAnswerLeavesTheFileAsItWas) {
  BuildOldDataSet(1.5);
  const std::vector<std::string> before = Records(false);

  // Unanswered: nothing is asked further and nothing changes.
  EXPECT_EQ(0, Open());
  EXPECT_EQ(before, Records(false));
  EXPECT_EQ(EncodeVersion(1.5), StoredVersion());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_NE(std::string::npos, prompter_.shown[0].text.find("需要升级")) << prompter_.shown[0].text;

  // The plans' lines cannot be read: the vouchers converted before are rolled back.
  prompter_.shown.clear();
  questions_.interest_account = "504";
  Database::Execute("ALTER TABLE Detail_Plan RENAME TO Detail_Plan_Away");
  EXPECT_EQ(0, Open());
  Database::Execute("ALTER TABLE Detail_Plan_Away RENAME TO Detail_Plan");
  EXPECT_EQ(before, Records(false));
  EXPECT_EQ(EncodeVersion(1.5), StoredVersion()) << "the version is raised only when every step succeeded";
  CDBPack type;
  type.Open(Database::LoadStatement(299), {std::string("20101")});
  EXPECT_EQ(7, type.GetByte("ItemType"));
  ASSERT_FALSE(prompter_.shown.empty());
  EXPECT_NE(std::string::npos, prompter_.shown.back().text.find("“2.0 资金转换细分”一步出错"))
      << prompter_.shown.back().text;
}

}  // namespace
}  // namespace cw
