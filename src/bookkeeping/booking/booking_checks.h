#pragma once
// What a booking must pass before it reaches the voucher engine.
//
// CheckEntry runs the booking dialog's checks in the dialog's order and names
// the input that gets the focus. CheckTypedBooking is for bookings typed as
// text (the command-line tool), where nothing limits the kind, the accounts or
// the deposit code the way the dialog's choices do: it runs the same amount
// and account checks plus those limits.
#include <string>

#include "core/booking.h"
#include "core/voucher_import.h"

namespace cw {

// The inputs of the booking form a refusal points at.
enum class EntryField { kNone, kAmount1, kAmount2, kAccount1, kAccount2, kAccount3 };

struct Refusal {
  std::string message;  // empty: nothing refused
  EntryField field = EntryField::kNone;
  explicit operator bool() const { return !message.empty(); }
};

// The dialog's checks of a composed booking (ComposeBooking), in order:
//   1. amount 1 above 0;  2. for kind 10 amount 2 (the proceeds) above 0;
//   3. amount 2 not below 0 (interest or proceeds are never negative: the
//      voucher lines would carry negative amounts);
//   4. amount 1, then amount 2, within CheckAmountLimits;
//   5. every account of the kind's lines selected and in the chart cache;
//   6. account 1 different from account 2.
// Amount 2 counts only for the three-line kinds. Reads the chart cache.
Refusal CheckEntry(const Booking& booking);

// The limits every amount shares, whichever way it is entered: at most
// kMaxAmount and whole cents (the dialog's input takes no more than two
// decimals; typed, imported and opening amounts are held to the same). The
// refusal, empty when `amount` passes; whether it must be above 0 is the caller's.
std::string CheckAmountLimits(double amount);

// Sets the three account types from the chart cache.
void FillAccountTypes(Booking& booking);

// The message that refuses a typed booking, empty when it may be booked: an
// unknown kind or values the kind has no field for, the checks of CheckEntry
// (an unknown account named by its code), the third account different from the
// other two, every account a typed leaf of a type the kind's picker lists, the
// deposit code one of the list for kind 40 and 0 otherwise. The types must be
// filled (FillAccountTypes).
std::string CheckTypedBooking(const Booking& booking);

// The refusal of an imported voucher by the rules of booking, empty when it
// passes. Its lines stand for a booking of its kind: the accounts in line
// order, the amount of line 0 and, for three-line kinds, the proceeds (line 1
// of kind 10) or the interest (line 2 of kinds 13 and 41). That booking must
// pass CheckTypedBooking (the account types the kind allows), and the lines
// must be the ones booking it writes: each on the side the debit rule gives,
// with the amount it gives. Reads the chart cache.
std::string CheckImportedBooking(const ImportedVoucher& voucher);

}  // namespace cw
