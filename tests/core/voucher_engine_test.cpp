// The voucher engine: numbers follow dates within each month, lines are
// composed and balanced, audit marks, and the limit of a month.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "support/ledger_fixture.h"
#include "support/other_program.h"
#include "support/releasing_prompter.h"

namespace cw {
namespace {

using testing::LedgerTest;
using Numbered = std::vector<std::pair<int, std::string>>;

class VoucherEngineTest : public LedgerTest {
 protected:
  // An expense of `amount` on `date` paid in cash.
  int Expense(const std::string& date, double amount = 10, const std::string& text = "") {
    return WriteVoucher(Make(date, 3, "601", "101", amount, text));
  }
  // The standard May: vouchers 1 (3 May), 2 (5 May), 3 (9 May), told apart by amount.
  void StandardMay() {
    ASSERT_EQ(202405001, Expense("2024-05-03", 1));
    ASSERT_EQ(202405002, Expense("2024-05-05", 2));
    ASSERT_EQ(202405003, Expense("2024-05-09", 3));
  }
  static double AmountOf(int number) { return ReadVoucher(number)->amount1; }
};

TEST_F(VoucherEngineTest, NewVouchersTakeTheirPlaceByDate) {
  struct Case {
    const char* date;
    int expected_number;
    Numbered expected_may;
  } cases[] = {
      {"2024-05-05", 202405003,
       {{202405001, "2024-05-03"}, {202405002, "2024-05-05"}, {202405003, "2024-05-05"}, {202405004, "2024-05-09"}}},
      {"2024-05-01", 202405001,
       {{202405001, "2024-05-01"}, {202405002, "2024-05-03"}, {202405003, "2024-05-05"}, {202405004, "2024-05-09"}}},
      {"2024-05-20", 202405004,
       {{202405001, "2024-05-03"}, {202405002, "2024-05-05"}, {202405003, "2024-05-09"}, {202405004, "2024-05-20"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    SetUp();
    StandardMay();
    EXPECT_EQ(c.expected_number, Expense(c.date, 99));
    EXPECT_EQ(c.expected_may, MonthVouchers(2024, 5));
    EXPECT_EQ(99, AmountOf(c.expected_number)) << "the lines moved with their voucher";
  }
}

TEST_F(VoucherEngineTest, NothingIsWrittenWhileAnotherProgramHoldsTheWriteLock) {
  StandardMay();
  const Numbered may = MonthVouchers(2024, 5);
  struct Case {
    const char* name;
    std::function<bool()> write;
  } cases[] = {
      {"write", [&] { return WriteVoucher(Make("2024-05-04", 3, "601", "101", 50)) != 0; }},
      {"replace", [&] { return ReplaceVoucher(202405001, Make("2024-05-20", 3, "601", "101", 51)) != 0; }},
      {"delete", [] { return DeleteVoucher(202405002); }},
      {"audit", [] { return SetAudit(202405003, true); }},
  };
  Database::SetBusyTimeout(50);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::OtherProgram other(Database::FilePath(Database::kUserData));
    ASSERT_TRUE(other.HoldWriteLock());
    // The other program ends its write while the message is read.
    testing::ReleasingPrompter prompter([&] { other.Release(); });
    PrompterGuard shown(prompter);
    EXPECT_FALSE(c.write());
    EXPECT_EQ(std::vector<std::string>{"数据库正在被另一个程序写入，请稍后再试。"}, prompter.texts);
    EXPECT_EQ(may, MonthVouchers(2024, 5));
    EXPECT_EQ(1, AmountOf(202405001));
    EXPECT_EQ(0, ReadVoucher(202405003)->checker_no);
  }
  Database::SetBusyTimeout(5000);
}

TEST_F(VoucherEngineTest, FirstVoucherOfAMonthIsNumberOne) {
  EXPECT_EQ(202405001, Expense("2024-05-31"));
  EXPECT_EQ(202412001, Expense("2024-12-01"));
  EXPECT_EQ(202501001, Expense("2025-01-01"));
}

TEST_F(VoucherEngineTest, ReplacingKeepsOrMovesTheNumber) {
  StandardMay();
  // Same date: the same number.
  EXPECT_EQ(202405002, ReplaceVoucher(202405002, Make("2024-05-05", 3, "601", "101", 20)));
  EXPECT_EQ(20, AmountOf(202405002));
  // Later in its month: it takes number 3 and the old 3 moves down to 2.
  EXPECT_EQ(202405003, ReplaceVoucher(202405002, Make("2024-05-09", 3, "601", "101", 21)));
  EXPECT_EQ((Numbered{{202405001, "2024-05-03"}, {202405002, "2024-05-09"}, {202405003, "2024-05-09"}}),
            MonthVouchers(2024, 5));
  EXPECT_EQ(3, AmountOf(202405002));
  EXPECT_EQ(21, AmountOf(202405003));
  // Into June: the next June number, and May closes the gap.
  Expense("2024-06-10", 5);
  EXPECT_EQ(202406002, ReplaceVoucher(202405001, Make("2024-06-12", 3, "601", "101", 22)));
  EXPECT_EQ((Numbered{{202405001, "2024-05-09"}, {202405002, "2024-05-09"}}), MonthVouchers(2024, 5));
  EXPECT_EQ(22, AmountOf(202406002));
  // Earlier in its month.
  EXPECT_EQ(202406001, ReplaceVoucher(202406002, Make("2024-06-01", 3, "601", "101", 23)));
  EXPECT_EQ(5, AmountOf(202406002));
}

TEST_F(VoucherEngineTest, ReplacedVoucherIsWrittenAsABookingByHand) {
  Booking planned = Make("2024-05-05", 3, "601", "101", 10);
  planned.plan = 7;
  int number = WriteVoucher(planned);
  SetLoggedInPerson(2);
  ASSERT_TRUE(SetAudit(number, true));
  SetLoggedInPerson(1);
  ASSERT_TRUE(SetAudit(number, false));
  ASSERT_EQ(number, ReplaceVoucher(number, Make("2024-05-05", 3, "601", "101", 11)));
  EXPECT_EQ(0, ReadVoucher(number)->plan);
  EXPECT_EQ(0, ReadVoucher(number)->checker_no);
}

TEST_F(VoucherEngineTest, DeletingClosesTheGap) {
  StandardMay();
  ASSERT_TRUE(DeleteVoucher(202405001));
  EXPECT_EQ((Numbered{{202405001, "2024-05-05"}, {202405002, "2024-05-09"}}), MonthVouchers(2024, 5));
  EXPECT_EQ(2, AmountOf(202405001));
  ASSERT_TRUE(DeleteVoucher(202405002));
  ASSERT_TRUE(DeleteVoucher(202405001));
  EXPECT_TRUE(MonthVouchers(2024, 5).empty());
  EXPECT_FALSE(DeleteVoucher(202405001)) << "nothing to delete";
}

TEST_F(VoucherEngineTest, LinesFollowTheKindAndTheDebitRule) {
  struct Line {
    std::string item;
    double cash;
    bool debit;
    std::string content;
    bool operator==(const Line&) const = default;
  };
  const std::string text50 = "一二三四五六七八九十一二三四五六七八九十一二abcdef";  // 44 + 6 bytes
  ASSERT_EQ(50u, GbkLength(text50));
  const std::string cut = "一二三四五六七八九十一二三四五六七八九十一二";
  struct Case {
    const char* name;
    Booking booking;
    std::vector<Line> lines;
  } cases[] = {
      {"investment gain", Make("2024-05-01", 10, "103", "102", 1000, "卖出", "504", 1200),
       {{"103", 1000, false, "卖出"}, {"102", 1200, true, "卖出"}, {"504", 200, false, "卖出(收益)"}}},
      {"investment loss", Make("2024-05-01", 10, "103", "102", 1000, "卖出", "504", 900),
       {{"103", 1000, false, "卖出"}, {"102", 900, true, "卖出"}, {"504", 100, true, "卖出(收益)"}}},
      {"investment even", Make("2024-05-01", 10, "103", "102", 1000, "卖出", "504", 1000),
       {{"103", 1000, false, "卖出"}, {"102", 1000, true, "卖出"}, {"504", 0, true, "卖出(收益)"}}},
      {"withdrawal with interest", Make("2024-05-01", 41, "102", "101", 5000, text50, "504", 25),
       {{"102", 5000, false, text50}, {"101", 5025, true, text50}, {"504", 25, false, cut + "(利息)"}}},
      {"card repayment", Make("2024-05-01", 13, "202", "102", 800, "还款", "50399", 12),
       {{"202", 800, true, "还款"}, {"102", 812, false, "还款"}, {"50399", 12, true, "还款(利息)"}}},
      {"deposit", Make("2024-05-01", 40, "101", "102", 300),
       {{"101", 300, false, ""}, {"102", 300, true, ""}}},
      {"income", Make("2024-05-01", 2, "501", "102", 9000),
       {{"501", 9000, false, ""}, {"102", 9000, true, ""}}},
      {"cash drawn on a card", Make("2024-05-01", 12, "202", "101", 500),
       {{"202", 500, false, ""}, {"101", 500, true, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int number = WriteVoucher(c.booking);
    ASSERT_NE(0, number);
    CDBPack rows;
    rows.Open(Database::LoadStatement(253), {number});
    std::vector<Line> lines;
    double balance = 0;
    for (; !rows.IsEnd(); rows.MoveNext()) {
      lines.push_back({rows.GetText("Item_No"), rows.GetDouble("Cash"), rows.GetBool("IsDebit"),
                       rows.GetText("Content")});
      balance += lines.back().debit ? lines.back().cash : -lines.back().cash;
    }
    EXPECT_EQ(c.lines, lines);
    EXPECT_NEAR(0, balance, 1e-9) << "debits equal credits";
    // Reading back gives the booking form.
    std::optional<Booking> back = ReadVoucher(number);
    ASSERT_TRUE(back);
    EXPECT_EQ(c.booking.amount1, back->amount1);
    EXPECT_EQ(c.booking.amount2, back->amount2);
    EXPECT_EQ(c.booking.account3, back->account3);
    EXPECT_EQ(c.booking.description, back->description);
  }
}

TEST_F(VoucherEngineTest, PurchaseByCardIsStoredAsAnExpense) {
  int number = WriteVoucher(Make("2024-05-01", 11, "601", "202", 88));
  std::optional<Booking> back = ReadVoucher(number);
  ASSERT_TRUE(back);
  EXPECT_EQ(3, back->kind);
  EXPECT_EQ(11, KindShownOnPage(back->kind, kPageCreditCard));
  EXPECT_TRUE(back->line_flags[0]) << "the expense is the debit";
  EXPECT_FALSE(back->line_flags[1]) << "the card's debt rises";
}

TEST_F(VoucherEngineTest, AuditMarkAndWhoMayEdit) {
  int number = Expense("2024-05-01");
  EXPECT_TRUE(CanEdit(*ReadVoucher(number)));
  SetLoggedInPerson(2);
  EXPECT_FALSE(CanEdit(*ReadVoucher(number))) << "another user's voucher";
  ASSERT_TRUE(SetAudit(number, true));
  EXPECT_EQ(2, ReadVoucher(number)->checker_no);
  SetLoggedInPerson(1);
  EXPECT_FALSE(CanEdit(*ReadVoucher(number))) << "audited";
  ASSERT_TRUE(SetAudit(number, false));
  EXPECT_TRUE(CanEdit(*ReadVoucher(number)));
  EXPECT_FALSE(SetAudit(202405999, true)) << "no such voucher";
  EXPECT_FALSE(ReadVoucher(202405999));
}

TEST_F(VoucherEngineTest, AFullMonthRefusesTheThousandthVoucher) {
  // 999 vouchers in February, one in March.
  std::vector<std::string> dates;
  ASSERT_EQ(202403001, Expense("2024-03-01"));
  {
    Transaction tx;
    for (int i = 0; i < 999; ++i) Expense("2024-02-" + std::string(i < 500 ? "10" : "20"));
    ASSERT_TRUE(tx.Commit());
  }
  ASSERT_EQ(999u, MonthVouchers(2024, 2).size());
  EXPECT_EQ(0, Expense("2024-02-01"));
  EXPECT_EQ(0, Expense("2024-02-29"));
  ASSERT_FALSE(prompter_.shown.empty());
  EXPECT_EQ("2024年2月已有999张凭证，不能再记入该月。", prompter_.shown.back().text);
  EXPECT_EQ(999u, MonthVouchers(2024, 2).size());
  EXPECT_EQ((Numbered{{202403001, "2024-03-01"}}), MonthVouchers(2024, 3)) << "March is untouched";
  // A voucher of the full month may still move within it.
  EXPECT_EQ(202402999, ReplaceVoucher(202402001, Make("2024-02-25", 3, "601", "101", 5)));
  EXPECT_EQ(999u, MonthVouchers(2024, 2).size());
}

// Bookings and deletions in random order move two- and three-line vouchers past
// each other; each voucher keeps its own record and exactly its own lines.
TEST_F(VoucherEngineTest, RenumberingKeepsEveryVoucherWithItsOwnLines) {
  struct Expected {
    int day;
    std::string text;
    int lines;
  };
  std::vector<Expected> may;  // the month as it must be, in number order
  unsigned seed = 20240501;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) % 1000; };
  for (int step = 0; step < 160; ++step) {
    if (!may.empty() && next() % 4 == 0) {
      std::size_t at = next() % may.size();
      ASSERT_TRUE(DeleteVoucher(202405001 + static_cast<int>(at)));
      may.erase(may.begin() + static_cast<std::ptrdiff_t>(at));
      continue;
    }
    const int day = 1 + static_cast<int>(next() % 28);
    const std::string text = "v" + std::to_string(step);
    const bool three = next() % 3 == 0;
    Booking b = three ? Make(StrFormat("2024-05-%02d", day), 41, "102", "101", 100 + step, text, "504", 1)
                      : Make(StrFormat("2024-05-%02d", day), 3, "601", "101", 100 + step, text);
    // A new voucher goes after every voucher of its day and before the later ones.
    auto place = std::find_if(may.begin(), may.end(), [&](const Expected& e) { return e.day > day; });
    const int expected = 202405001 + static_cast<int>(place - may.begin());
    may.insert(place, {day, text, three ? 3 : 2});
    ASSERT_EQ(expected, WriteVoucher(b)) << "step " << step;
  }
  ASSERT_EQ(may.size(), MonthVouchers(2024, 5).size());
  for (std::size_t i = 0; i < may.size(); ++i) {
    const int number = 202405001 + static_cast<int>(i);
    SCOPED_TRACE(number);
    std::optional<Booking> b = ReadVoucher(number);
    ASSERT_TRUE(b);
    EXPECT_EQ(StrFormat("2024-05-%02d", may[i].day), IsoDate(b->date));
    EXPECT_EQ(may[i].lines == 3 ? 41 : 3, b->kind);
    CDBPack lines;
    lines.Open(Database::LoadStatement(253), {number});
    int count = 0;
    for (; !lines.IsEnd(); lines.MoveNext(), ++count) {
      EXPECT_EQ(count, lines.GetShort("Line_No"));
      EXPECT_EQ(0u, lines.GetText("Content").rfind(may[i].text, 0)) << lines.GetText("Content");
    }
    EXPECT_EQ(may[i].lines, count);
  }
}

// Moving a block down onto a voucher that still stands is refused as a clash of
// numbers, and the month stays as it was.
TEST_F(VoucherEngineTest, AShiftOntoAStandingVoucherChangesNothing) {
  StandardMay();
  EXPECT_FALSE(ShiftMonth(202405001, false));
  EXPECT_FALSE(prompter_.shown.empty()) << "the failed statement is reported";
  EXPECT_EQ((Numbered{{202405001, "2024-05-03"}, {202405002, "2024-05-05"}, {202405003, "2024-05-09"}}),
            MonthVouchers(2024, 5));
  EXPECT_EQ(2, AmountOf(202405002));
}

}  // namespace
}  // namespace cw
