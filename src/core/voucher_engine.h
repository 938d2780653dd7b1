#pragma once
// The voucher engine: turns bookings into numbered vouchers and keeps the
// numbering of every month in date order.
//
// Invariants kept by every operation: within a calendar month the vouchers are
// numbered year*100000 + month*1000 + 1, 2, 3 ... in the order of their dates
// (vouchers of one day in the order they were booked); every voucher has its
// two or three lines, and its debits equal its credits. Each writing operation
// is one transaction holding the connection lock, so it is done whole or not at
// all, also when the process dies half-way or another thread books meanwhile.
// A failed operation returns 0/false; the data store has shown why.
#include <optional>

#include "core/booking.h"

namespace cw {

// The number a voucher dated `date` takes in its month: after the last voucher
// dated on or before it. `hint` is 0 for a new voucher, or the current number of
// the voucher being replaced (kept when it still fits). 0 when the month already
// holds 999 vouchers and the voucher would be a new one there (message shown).
int NextVoucherNumber(int date, int hint);

// Moves every voucher of the month of `after` numbered above `after` one place
// up (`up`) or down.
bool ShiftMonth(int after, bool up);

// Books a new voucher by the logged-in user; returns its number, 0 on failure.
int WriteVoucher(const Booking& booking);
// Replaces voucher `old_number` by `booking` (written as a booking by hand, not
// audited); returns the new number (the old one when the date keeps its place), 0 on failure.
int ReplaceVoucher(int old_number, const Booking& booking);
// Deletes a voucher and closes the gap in its month.
bool DeleteVoucher(int number);
// Sets (by the logged-in user) or clears the audit mark.
bool SetAudit(int number, bool on);
// The voucher in booking form with its Person_No and Checker_No; nothing when
// absent or when it could not be read whole (the failure is reported).
std::optional<Booking> ReadVoucher(int number);
// True when the logged-in user entered the voucher and it is not audited.
bool CanEdit(const Booking& booking);

}  // namespace cw
