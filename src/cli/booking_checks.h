#pragma once
// What the booking dialog refuses, checked before a booking reaches the
// voucher engine: the amounts, the accounts (in the chart, leaves with a type,
// of the types the dialog offers for the kind, all different) and the deposit
// type. The messages are the dialog's own.
#include <string>

#include "core/booking.h"

namespace cw::cli {

// Sets the three account types from the chart cache.
void FillAccountTypes(Booking& booking);

// The message that refuses `booking`, empty when it may be booked. Reads the
// chart cache; the types must be filled.
std::string CheckBooking(const Booking& booking);

}  // namespace cw::cli
