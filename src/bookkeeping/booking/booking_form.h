#pragma once
// The booking form as values: what the booking dialog shows and collects, and
// the Booking the voucher engine receives from it.
#include <string>

#include "bookkeeping/booking/picker_items.h"
#include "core/booking.h"

namespace cw {

struct BookingForm {
  int date = 0;   // day number
  int kind = 0;   // as the form offers it: 11 for a purchase by card
  std::string accounts[kPickerCount];  // selected codes; empty when a picker has no selection
  double amount1 = 0;
  double amount2 = 0;  // proceeds (kind 10) or interest (kinds 13, 41)
  std::string description;
  int deposit_index = 0;  // position in the deposit-type list (kind 40)
};

// Picker 3 and amount 2 belong to the three-line kinds (10, 13, 41).
bool ShowsThirdLine(int kind);
// The deposit-type list belongs to deposits (kind 40).
bool ShowsDepositType(int kind);

// The booking the form describes: the account types from the chart cache;
// account 3 and amount 2 only for the three-line kinds (whatever the hidden
// fields hold); the deposit code of the chosen list entry for kind 40, else 0.
Booking ComposeBooking(const BookingForm& form);

// The form that shows a stored voucher opened on `page`: a purchase by card
// (stored as kind 3) shows as kind 11 on the credit-card page; amount 2 is the
// proceeds or the interest as the voucher was read back.
BookingForm FormOfVoucher(const Booking& voucher, int page);

}  // namespace cw
