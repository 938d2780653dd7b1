// The initial-assets page: its rows, the cell checks and editable cells, the
// running total, saving through the engine and the counter-account.
#include "bookkeeping/entries/initial_assets.h"

#include <gtest/gtest.h>

#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_texts.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/settings.h"
#include "core/voucher_engine.h"
#include "entries_fixture.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

using namespace entry_texts;
using testing::EntriesTest;

class InitialAssetsTest : public EntriesTest {
 protected:
  void SetUp() override {
    EntriesTest::SetUp();
    settings::SetText("", kInitialIncomeSetting, "");
    table_ = BuildInitialTable(Day("2024-05-10"));
  }

  int RowOf(const std::string& account) const { return InitialRowOf(table_, account); }
  // Types a text into a cell as the grid does: checked, stored, followed up.
  bool Edit(const std::string& account, int column, const std::string& text) {
    const int row = RowOf(account);
    if (!CheckInitialEdit(table_, row, column, text, prompter_)) return false;
    table_.SetCell(row, column, text);
    InitialEditStored(table_, row, column);
    return true;
  }
  InitialSaveResult Save(const CounterChooser& choose = {}) { return SaveInitialAssets(table_, 1, choose); }
  int VoucherOf(const std::string& account) const { return ParseEntryKey(table_.Key(RowOf(account))).voucher; }

  GridModel table_;
};

TEST_F(InitialAssetsTest, EveryAssetAndLiabilityLeafHasARow) {
  EXPECT_EQ((std::vector<std::string>{",101|2024-05-10|现金|||0.00", ",102|2024-05-10|银行存款|||0.00",
                                      ",103|2024-05-10|投资|||0.00", ",104|2024-05-10|借出资金|||0.00",
                                      ",201|2024-05-10|借入资金|||0.00", ",202|2024-05-10|信用卡|||0.00"}),
            Rows(table_, {"日期", "类别", "财产", "负债", "累计"}));
}

TEST_F(InitialAssetsTest, SavingWritesOpeningVouchersAgainstTheCounterAccount) {
  ASSERT_TRUE(Edit("102", kInitialAssets, "1000"));
  ASSERT_TRUE(Edit("202", kInitialLiabilities, "300"));
  ASSERT_TRUE(Edit("202", kInitialDescription, "卡债"));
  EXPECT_EQ("700.00", table_.Cell(RowOf("202"), kInitialAccumulated)) << "累计 follows each amount";
  ASSERT_EQ(InitialSaveResult::kSaved, Save());

  const Booking bank = *ReadVoucher(VoucherOf("102"));
  EXPECT_EQ(1, bank.kind);
  EXPECT_EQ("102", bank.account1);
  EXPECT_EQ("502", bank.account2);
  EXPECT_EQ(1000, bank.amount1);
  EXPECT_EQ(Day("2024-05-10"), bank.date);
  const Booking card = *ReadVoucher(VoucherOf("202"));
  EXPECT_EQ("卡债", card.description);
  EXPECT_EQ(300, card.amount1);
  EXPECT_EQ("管理员", table_.Cell(RowOf("202"), kInitialPerson));
  EXPECT_FALSE(HasEditedRows(table_));
  // The card is credited and the counter-account debited.
  CDBPack lines;
  lines.Open(Database::LoadStatement(253), {VoucherOf("202")});
  ASSERT_FALSE(lines.IsEnd());
  EXPECT_FALSE(lines.GetBool("IsDebit"));
  lines.MoveNext();
  EXPECT_EQ("502", lines.GetText("Item_No"));
  EXPECT_TRUE(lines.GetBool("IsDebit"));

  const std::vector<std::string> all = {"日期", "说明", "类别", "财产", "负债", "累计", "制单", "审核"};
  EXPECT_EQ(Rows(BuildInitialTable(Day("2024-05-10")), all), Rows(table_, all));
}

TEST_F(InitialAssetsTest, ChangingAndZeroingFollowTheVoucherAndRenumbering) {
  ASSERT_TRUE(Edit("101", kInitialAssets, "50"));
  ASSERT_TRUE(Edit("102", kInitialAssets, "1000"));
  ASSERT_EQ(InitialSaveResult::kSaved, Save());
  const int cash = VoucherOf("101"), bank = VoucherOf("102");
  ASSERT_EQ(cash + 1, bank) << "same day, code order";

  ASSERT_TRUE(Edit("102", kInitialAssets, "1500"));
  ASSERT_EQ(InitialSaveResult::kSaved, Save());
  EXPECT_EQ(bank, VoucherOf("102")) << "the same date keeps the number";
  EXPECT_EQ(1500, ReadVoucher(bank)->amount1);

  ASSERT_TRUE(Edit("101", kInitialAssets, "0"));
  ASSERT_EQ(InitialSaveResult::kSaved, Save());
  EXPECT_EQ(",101", table_.Key(RowOf("101")).Text()) << "the row stays without a voucher";
  EXPECT_EQ("", table_.Cell(RowOf("101"), kInitialPerson));
  EXPECT_EQ(cash, VoucherOf("102")) << "the bank's voucher moved down into the gap";
  EXPECT_EQ(1500, ReadVoucher(cash)->amount1);
  EXPECT_FALSE(ReadVoucher(bank).has_value());
}

TEST_F(InitialAssetsTest, NothingHappensWithoutEditedRowsOrWithZeroOnANewRow) {
  EXPECT_EQ(InitialSaveResult::kNothingEdited, Save());
  ASSERT_TRUE(Edit("101", kInitialAssets, "0"));
  EXPECT_EQ(InitialSaveResult::kSaved, Save());
  EXPECT_EQ(",101", table_.Key(RowOf("101")).Text());
  EXPECT_TRUE(MonthVouchers(2024, 5).empty());
}

TEST_F(InitialAssetsTest, CounterAccountIsStoredChoiceThen502ThenAskedOnce) {
  settings::SetText("", kInitialIncomeSetting, "599");  // no such account
  Database::Execute("DELETE FROM Item WHERE Item_No = '502'");
  CItemCache::Instance().MarkDirty();
  int asked = 0;
  auto choose = [&asked](std::string answer) {
    return [&asked, answer] {
      ++asked;
      return answer;
    };
  };

  ASSERT_TRUE(Edit("101", kInitialAssets, "10"));
  EXPECT_EQ(InitialSaveResult::kNoCounterAccount, Save(choose("")));
  EXPECT_TRUE(HasEditedRows(table_)) << "cancelled: nothing written, the edit stays";
  EXPECT_TRUE(MonthVouchers(2024, 5).empty());

  EXPECT_EQ(InitialSaveResult::kSaved, Save(choose("504")));
  EXPECT_EQ(2, asked);
  EXPECT_EQ("504", settings::GetText("", kInitialIncomeSetting));
  EXPECT_EQ("504", ReadVoucher(VoucherOf("101"))->account2);

  ASSERT_TRUE(Edit("102", kInitialAssets, "20"));
  EXPECT_EQ(InitialSaveResult::kSaved, Save(choose("505")));
  EXPECT_EQ(2, asked) << "the stored choice is used";
  EXPECT_EQ("504", ReadVoucher(VoucherOf("102"))->account2);
}

TEST_F(InitialAssetsTest, CellChecksRefuseBadDatesAndAmounts) {
  struct Case {
    int column;
    const char* text;
    bool accepted;
    const char* message;
    bool edited;  // an accepted text that differs from the cell marks the row
  } cases[] = {
      {kInitialDate, "2024-02-30", false, kInvalidDate, false},
      {kInitialDate, "明天", false, kInvalidDate, false},
      {kInitialDate, "2024-02-29", true, nullptr, true},
      {kInitialDate, "2024-05-10", true, nullptr, false},
      {kInitialAssets, "-1", false, kInvalidAmount, false},
      {kInitialAssets, "12abc", false, kInvalidAmount, false},
      {kInitialAssets, " ", true, nullptr, true},
      {kInitialAssets, "12.5", true, nullptr, true},
      {kInitialDescription, "随便写", true, nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    prompter_.shown.clear();
    table_ = BuildInitialTable(Day("2024-05-10"));
    EXPECT_EQ(c.accepted, CheckInitialEdit(table_, RowOf("101"), c.column, c.text, prompter_));
    EXPECT_EQ(c.edited, HasEditedRows(table_));
    if (c.message) {
      ASSERT_EQ(1u, prompter_.shown.size());
      EXPECT_EQ(c.message, prompter_.shown[0].text);
      EXPECT_EQ(PromptStyle::Error, prompter_.shown[0].style);
    } else {
      EXPECT_TRUE(prompter_.shown.empty());
    }
  }
}

TEST_F(InitialAssetsTest, OnlyOwnUnauditedRowsHaveEditableCells) {
  const int other = AddUser("李四");
  BookAs(other, "2024-05-01", 1, "103", "502", 100);
  const int audited = Book("2024-05-02", 1, "104", "502", 100);
  ASSERT_TRUE(SetAudit(audited, true));
  Book("2024-05-03", 1, "201", "502", 100);
  table_ = BuildInitialTable(Day("2024-05-10"));
  struct Case {
    const char* account;
    std::vector<bool> editable;  // 日期, 说明, 类别, 财产, 负债, 累计, 制单, 审核
  } cases[] = {
      {"101", {true, true, false, true, false, false, false, false}},     // no voucher yet
      {"103", {false, false, false, false, false, false, false, false}},  // another user's
      {"104", {false, false, false, false, false, false, false, false}},  // audited
      {"201", {true, true, false, false, true, false, false, false}},     // own liability
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.account);
    std::vector<bool> editable;
    for (int column = 0; column < 8; ++column)
      editable.push_back(InitialCellEditable(table_, RowOf(c.account), column, 1));
    EXPECT_EQ(c.editable, editable);
  }
}

TEST_F(InitialAssetsTest, ARenamedUserKeepsHisRows) {
  auto rename = [](const char* name) {
    ASSERT_EQ(1, Database::Execute(Database::LoadStatement(324), {std::string(name), 0, 1}));
  };
  Book("2024-05-01", 1, "102", "502", 100);
  rename("老王");
  table_ = BuildInitialTable(Day("2024-05-10"));
  EXPECT_EQ("老王", table_.Cell(RowOf("102"), kInitialPerson));
  EXPECT_TRUE(InitialCellEditable(table_, RowOf("102"), kInitialAssets, 1));
  EXPECT_FALSE(InitialCellEditable(table_, RowOf("102"), kInitialAssets, AddUser("李四")));
  ASSERT_TRUE(Edit("101", kInitialAssets, "50"));
  ASSERT_EQ(InitialSaveResult::kSaved, Save());
  EXPECT_EQ("老王", table_.Cell(RowOf("101"), kInitialPerson)) << "制单 names the user as he is called now";
  EXPECT_TRUE(InitialCellEditable(table_, RowOf("101"), kInitialAssets, 1));
  rename("管理员");
}

}  // namespace
}  // namespace cw
