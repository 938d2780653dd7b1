// The row commands: which voucher a change opens, deleting and auditing with
// their refusals, each message shown once per command.
#include "bookkeeping/entries/entry_commands.h"

#include <gtest/gtest.h>

#include "bookkeeping/entries/entry_texts.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "entries_fixture.h"

namespace cw {
namespace {

using namespace entry_texts;
using testing::EntriesTest;

const VoucherRange kMay = MonthsRange({2024, 5}, {2024, 5});

class EntryCommandsTest : public EntriesTest {
 protected:
  void SetUp() override {
    EntriesTest::SetUp();
    other_ = AddUser("李四");
    third_ = AddUser("王五");
  }

  // Vouchers of May on the income and expense page: two by the other user, two
  // by user 1, and a withdrawal by user 1 whose interest gives a generated row.
  void BookMay() {
    theirs1_ = BookAs(other_, "2024-05-01", 3, "601", "101", 1);
    theirs2_ = BookAs(other_, "2024-05-02", 3, "601", "101", 2);
    mine1_ = Book("2024-05-03", 3, "601", "101", 3);
    mine2_ = Book("2024-05-04", 3, "601", "101", 4);
    withdrawal_ = Book("2024-05-05", 41, "102", "101", 100, "取款", "504", 5);
  }

  std::vector<int> AllRows() const {
    std::vector<int> rows;
    for (int r = 0; r < table_.RowCount(); ++r) rows.push_back(r);
    return rows;
  }
  int RowOf(int number) const { return table_.FindKey(RowKey(std::to_string(number))); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& shown : prompter_.shown) texts.push_back(shown.text);
    return texts;
  }
  std::string CheckerCell(int number) const { return table_.Cell(RowOf(number), page_.Layout().checker); }

  int other_ = 0, third_ = 0;
  int theirs1_ = 0, theirs2_ = 0, mine1_ = 0, mine2_ = 0, withdrawal_ = 0;
  EntryTable page_{32900, kMay};
  GridModel table_;
};

TEST_F(EntryCommandsTest, AuditingAMixedSetAuditsOnlyOtherUsersVouchersAndExplainsOnce) {
  BookMay();
  table_ = page_.Build();
  EXPECT_EQ(2, AuditEntryRows(page_, table_, AllRows(), true, RowSource::kTicked, prompter_));
  EXPECT_EQ((std::vector<std::string>{kAuditByOthers, kGeneratedDepositInterest}), Texts());
  EXPECT_EQ(1, ReadVoucher(theirs1_)->checker_no);
  EXPECT_EQ(1, ReadVoucher(theirs2_)->checker_no);
  EXPECT_EQ(0, ReadVoucher(mine1_)->checker_no);
  EXPECT_EQ("管理员", CheckerCell(theirs1_));
  EXPECT_EQ("", CheckerCell(mine1_));

  prompter_.shown.clear();
  EXPECT_EQ(0, AuditEntryRows(page_, table_, {RowOf(theirs1_), RowOf(theirs2_)}, true, RowSource::kTicked, prompter_));
  EXPECT_EQ(std::vector<std::string>{kAlreadyAudited}, Texts());
}

TEST_F(EntryCommandsTest, OnlyTheAuditorCancelsAnAudit) {
  BookMay();
  ASSERT_TRUE(SetAudit(theirs1_, true));  // by user 1
  table_ = page_.Build();
  struct Case {
    const char* what;
    int person;
    int number;
    std::vector<std::string> messages;
    int checker_after;
  } cases[] = {
      {"someone else's audit", third_, theirs1_, {kOnlyAuditorCancels}, 1},
      {"not audited", 1, theirs2_, {kNotAudited}, 0},
      {"the auditor himself", 1, theirs1_, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompter_.shown.clear();
    SetLoggedInPerson(c.person);
    AuditEntryRows(page_, table_, {RowOf(c.number)}, false, RowSource::kSelected, prompter_);
    EXPECT_EQ(c.messages, Texts());
    EXPECT_EQ(c.checker_after, ReadVoucher(c.number)->checker_no);
  }
  EXPECT_EQ("", CheckerCell(theirs1_));
}

TEST_F(EntryCommandsTest, CommandsWithoutRowsSayWhereTheRowsComeFrom) {
  table_ = page_.Build();
  AuditEntryRows(page_, table_, {}, true, RowSource::kTicked, prompter_);
  AuditEntryRows(page_, table_, {}, false, RowSource::kSelected, prompter_);
  DeleteEntryRows(page_, table_, {}, prompter_);
  ASSERT_EQ(3u, prompter_.shown.size());
  EXPECT_EQ(kNoRowTicked, prompter_.shown[0].text);
  EXPECT_EQ(kNoRowSelected, prompter_.shown[1].text);
  EXPECT_EQ(kInputErrorCaption, prompter_.shown[1].caption);
  EXPECT_EQ(kNoRowSelected, prompter_.shown[2].text);
}

TEST_F(EntryCommandsTest, DeletingRemovesOnlyOwnUnauditedVouchersAndKeepsTheTableInStep) {
  BookMay();
  ASSERT_TRUE(SetAudit(mine2_, true));
  table_ = page_.Build();
  prompter_.answers.push_back(true);
  EXPECT_EQ(1, DeleteEntryRows(page_, table_, AllRows(), prompter_));

  ASSERT_GE(prompter_.shown.size(), 1u);
  EXPECT_EQ(kDeleteQuestion, prompter_.shown[0].text);
  EXPECT_EQ(kDeleteCaption, prompter_.shown[0].caption);
  EXPECT_EQ((std::vector<std::string>{kDeleteQuestion, kStatisticsRow, kGeneratedDepositInterest, kCannotDelete}),
            Texts());
  EXPECT_FALSE(ReadVoucher(202405005).has_value()) << "one voucher fewer in May";
  EXPECT_TRUE(ReadVoucher(theirs1_).has_value());
  const std::vector<std::string> all = {"日期", "说明", "收入", "支出", "收支盈余", "制单", "审核"};
  EXPECT_EQ(Rows(page_.Build(), all), Rows(table_, all));
}

TEST_F(EntryCommandsTest, AnsweringNoDeletesNothing) {
  BookMay();
  table_ = page_.Build();
  EXPECT_EQ(0, DeleteEntryRows(page_, table_, {RowOf(mine1_)}, prompter_));
  EXPECT_TRUE(ReadVoucher(mine1_).has_value());
  EXPECT_EQ(std::vector<std::string>{kDeleteQuestion}, Texts());
}

TEST_F(EntryCommandsTest, ChangeOpensOrdinaryVouchersOnly) {
  BookMay();
  const int sale = Book("2024-05-06", 10, "103", "102", 100, "卖出", "504", 150);
  const int repayment = Book("2024-05-07", 13, "202", "102", 100, "还款", "50399", 2);
  table_ = page_.Build();
  struct Case {
    const char* what;
    int row;
    int opened;
    const char* message;
  } cases[] = {
      {"a voucher", RowOf(mine1_), mine1_, nullptr},
      {"no row", -1, 0, kNoRowSelected},
      {"the gain of a sale", table_.FindKey(RowKey("-" + std::to_string(sale))), 0, kGeneratedGain},
      {"deposit interest", table_.FindKey(RowKey("-" + std::to_string(withdrawal_))), 0, kGeneratedDepositInterest},
      {"card interest", table_.FindKey(RowKey("-" + std::to_string(repayment))), 0, kGeneratedCardInterest},
      {"a month total", table_.FindKey(RowKey("202405")), 0, kStatisticsRow},
      {"the opening row", 0, 0, kStatisticsRow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompter_.shown.clear();
    EXPECT_EQ(c.opened, VoucherToChange(table_, c.row, prompter_));
    if (c.message) {
      ASSERT_EQ(1u, prompter_.shown.size());
      EXPECT_EQ(c.message, prompter_.shown[0].text);
    } else {
      EXPECT_TRUE(prompter_.shown.empty());
    }
  }
}

}  // namespace
}  // namespace cw
