#pragma once
// The options that describe a booking (book, replace, plans add/change).
#include "cli/arguments.h"
#include "core/booking.h"

namespace cw::cli {

// --kind, --acc1, --acc2, [--acc3], --amount, [--amount2], [--content],
// [--deposit], and --date when `with_date`; only the form of the values is
// checked here.
Booking ReadBookingOptions(const VerbOptions& options, bool with_date);

}  // namespace cw::cli
