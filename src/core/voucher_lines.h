#pragma once
// How a booking becomes its two or three balanced voucher lines.
#include <string>
#include <vector>

#include "core/booking.h"

namespace cw {

struct VoucherLine {
  int line = 0;         // Line_No: 0, 1, 2
  std::string content;  // Content
  std::string item;     // Item_No
  double cash = 0;      // never negative; the side carries the sign
  bool debit = false;   // IsDebit
};

// The lines of `booking`: line 0 takes its side from the debit rule (or from the
// caller's flags), line 1 the other side; the third line of kinds 10, 13 and 41
// carries the gain, loss or interest with the description cut to 44 bytes and
// marked "(收益)" or "(利息)".
std::vector<VoucherLine> ComposeLines(const Booking& booking);

}  // namespace cw
