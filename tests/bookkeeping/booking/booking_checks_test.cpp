// The booking checks: the dialog's order of messages and focus, and the
// stricter checks of typed bookings.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "bookkeeping/booking/booking_checks.h"
#include "bookkeeping/booking/booking_form.h"
#include "bookkeeping/booking/booking_texts.h"
#include "booking_fixture.h"

namespace cw {
namespace {

using namespace booking_texts;
using testing::BookingTest;

class BookingChecksTest : public BookingTest {
 protected:
  // A form that passes every check, of kind `kind` with accounts from its pickers.
  static BookingForm Valid(int kind) {
    BookingForm form;
    form.date = Day("2024-05-10");
    form.kind = kind;
    form.amount1 = 100;
    form.amount2 = 10;
    form.description = "测试";
    for (int i = 0; i < kPickerCount; ++i) {
      std::vector<PickerItem> items = PickerItems(kind, i);
      if (!items.empty()) form.accounts[i] = items.back().code;
    }
    return form;
  }
};

TEST_F(BookingChecksTest, DialogChecksInOrder) {
  const double nan = std::nan("");
  struct Case {
    const char* name;
    int kind;
    std::function<void(BookingForm&)> change;
    const char* message;  // empty: accepted
    EntryField field;
  } cases[] = {
      {"valid expense", 3, [](BookingForm&) {}, "", EntryField::kNone},
      {"amount 0", 3, [](BookingForm& f) { f.amount1 = 0; }, kNeedAmount, EntryField::kAmount1},
      {"negative amount", 3, [](BookingForm& f) { f.amount1 = -5; }, kNeedAmount, EntryField::kAmount1},
      {"amount not a number", 3, [&](BookingForm& f) { f.amount1 = nan; }, kNeedAmount, EntryField::kAmount1},
      {"amount 0 before same accounts", 42, [](BookingForm& f) { f.amount1 = 0; }, kNeedAmount, EntryField::kAmount1},
      {"proceeds 0", 10, [](BookingForm& f) { f.amount2 = 0; }, kNeedAmount, EntryField::kAmount2},
      {"principal 0 before proceeds 0", 10, [](BookingForm& f) { f.amount1 = f.amount2 = 0; }, kNeedAmount,
       EntryField::kAmount1},
      {"interest 0 is fine", 41, [](BookingForm& f) { f.amount2 = 0; }, "", EntryField::kNone},
      {"negative interest", 13, [](BookingForm& f) { f.amount2 = -1; }, kNegativeAmount, EntryField::kAmount2},
      {"interest not a number", 41, [&](BookingForm& f) { f.amount2 = nan; }, kNegativeAmount, EntryField::kAmount2},
      {"exactly 1e12", 3, [](BookingForm& f) { f.amount1 = 1e12; }, "", EntryField::kNone},
      {"above 1e12", 3, [](BookingForm& f) { f.amount1 = 1e12 + 0.01; }, kAmountTooLarge, EntryField::kAmount1},
      {"whole cents", 3, [](BookingForm& f) { f.amount1 = 0.29; }, "", EntryField::kNone},
      {"whole cents just below 1e12", 3, [](BookingForm& f) { f.amount1 = 999999999999.99; }, "", EntryField::kNone},
      {"a tenth of a cent", 3, [](BookingForm& f) { f.amount1 = 0.001; }, kSubCentAmount, EntryField::kAmount1},
      {"half a cent on a large amount", 3, [](BookingForm& f) { f.amount1 = 1e10 + 0.005; }, kSubCentAmount,
       EntryField::kAmount1},
      {"interest below a cent", 41, [](BookingForm& f) { f.amount2 = 0.125; }, kSubCentAmount, EntryField::kAmount2},
      {"amount 2 above 1e12", 41, [](BookingForm& f) { f.amount2 = 2e12; }, kAmountTooLarge, EntryField::kAmount2},
      {"amount 1 too large before amount 2", 10, [](BookingForm& f) { f.amount1 = f.amount2 = 2e12; },
       kAmountTooLarge, EntryField::kAmount1},
      {"hidden amount 2 does not count", 3, [](BookingForm& f) { f.amount2 = -2e12; }, "", EntryField::kNone},
      {"too large before no account", 3,
       [](BookingForm& f) {
         f.amount1 = 2e12;
         f.accounts[0].clear();
       },
       kAmountTooLarge, EntryField::kAmount1},
      {"no account 1", 3, [](BookingForm& f) { f.accounts[0].clear(); }, kNoAccount, EntryField::kAccount1},
      {"account 2 not in the chart", 3, [](BookingForm& f) { f.accounts[1] = "999"; }, kNoAccount,
       EntryField::kAccount2},
      {"no account 3 of a three-line kind", 41, [](BookingForm& f) { f.accounts[2].clear(); }, kNoAccount,
       EntryField::kAccount3},
      {"hidden picker 3 does not count", 3, [](BookingForm& f) { f.accounts[2] = "999"; }, "", EntryField::kNone},
      {"no account before same accounts", 42,
       [](BookingForm& f) {
         f.accounts[1] = f.accounts[0];
         f.accounts[0].clear();
       },
       kNoAccount, EntryField::kAccount1},
      {"same accounts", 42, [](BookingForm& f) { f.accounts[1] = f.accounts[0]; }, kSameAccounts,
       EntryField::kAccount2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BookingForm form = Valid(c.kind);
    c.change(form);
    const Refusal refusal = CheckEntry(ComposeBooking(form));
    EXPECT_EQ(c.message, refusal.message);
    EXPECT_EQ(c.field, refusal.field);
  }
}

TEST_F(BookingChecksTest, TypedBookingsAreHeldToWhatThePickersList) {
  struct Case {
    const char* name;
    Booking booking;
    const char* part;  // of the message; empty: accepted
  } cases[] = {
      {"expense", Make("2024-05-10", 3, "601", "20201", 5), ""},
      {"purchase by card", Make("2024-05-10", 11, "601", "20201", 5), ""},
      {"unknown kind", Make("2024-05-10", 4, "601", "101", 5), "记账类型"},
      {"second amount on a two-line kind", Make("2024-05-10", 3, "601", "101", 5, "", "", 1), "只有两个科目"},
      {"unknown account named", Make("2024-05-10", 3, "60199", "101", 5), "60199"},
      {"typeless leaf", Make("2024-05-10", 3, "20202", "101", 5), "类型未设置"},
      {"parent account", Make("2024-05-10", 3, "503", "101", 5), "非末级科目"},
      {"card as cash on a withdrawal", Make("2024-05-10", 41, "10201", "20201", 5, "", "50401", 1), "不能用作"},
      {"purchase paid in cash", Make("2024-05-10", 11, "601", "101", 5), "资金来源"},
      {"third account repeats the first", Make("2024-05-10", 41, "10201", "101", 5, "", "10201", 1),
       kSameAccounts},
      {"amount checked before accounts", Make("2024-05-10", 3, "60199", "101", 0), kNeedAmount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Booking booking = c.booking;
    FillAccountTypes(booking);
    const std::string message = CheckTypedBooking(booking);
    if (std::string(c.part).empty()) {
      EXPECT_EQ("", message);
    } else {
      EXPECT_NE(std::string::npos, message.find(c.part)) << message;
    }
  }
}

TEST_F(BookingChecksTest, DepositCodesOfTypedBookings) {
  struct Case {
    int kind;
    int deposit_code;
    bool accepted;
  } cases[] = {{40, 0, true}, {40, 12, true}, {40, 10000, true}, {40, 7, false}, {3, 12, false}, {3, 0, true}};
  for (const Case& c : cases) {
    Booking b = c.kind == 40 ? Make("2024-05-10", 40, "101", "10201", 5) : Make("2024-05-10", 3, "601", "101", 5);
    b.deposit_code = c.deposit_code;
    EXPECT_EQ(c.accepted, CheckTypedBooking(b).empty()) << c.kind << " " << c.deposit_code;
  }
}

// An imported voucher passes when its lines are those its booking writes, and
// is refused when any line stands on the other side.
TEST_F(BookingChecksTest, ImportedVouchersAreTheLinesOfABooking) {
  // Not 42: the fixture's chart has one cash account only.
  for (int kind : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 40, 41, 43}) {
    SCOPED_TRACE(kind);
    BookingForm form = Valid(kind);
    // Kinds between two accounts of one type need two different ones.
    if (form.accounts[1] == form.accounts[0]) form.accounts[1] = PickerItems(kind, 1).front().code;
    Booking booking = ComposeBooking(form);
    FillAccountTypes(booking);
    ASSERT_EQ("", CheckTypedBooking(booking));
    const ImportedVoucher voucher = VoucherOfBooking(booking);
    EXPECT_EQ("", CheckImportedBooking(voucher));
    for (std::size_t i = 0; i < voucher.lines.size(); ++i) {
      ImportedVoucher flipped = voucher;
      flipped.lines[i].debit = !flipped.lines[i].debit;
      EXPECT_NE("", CheckImportedBooking(flipped)) << "line " << i;
    }
    ImportedVoucher short_of_a_line = voucher;
    short_of_a_line.lines.pop_back();
    EXPECT_NE("", CheckImportedBooking(short_of_a_line));
  }
}

}  // namespace
}  // namespace cw
