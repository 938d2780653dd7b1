#pragma once
// Bulk import of whole vouchers, far faster than booking them one by one.
#include <string>
#include <vector>

#include "core/voucher_lines.h"

namespace cw {

struct ImportedVoucher {
  int date = 0;  // day number since 1899-12-30
  int kind = 0;
  int person_no = 0;  // 0: the logged-in user
  int plan = 0;
  int deposit_code = 0;
  std::vector<VoucherLine> lines;
};

// The reason `voucher` cannot be imported (empty when it can): the kind's line
// count, leaf accounts that exist, amounts (whole cents, at most kMaxAmount),
// and debits equal to credits. Whether the lines are those a booking of the
// kind writes is CheckImportedBooking's task (bookkeeping/booking).
std::string CheckImportedVoucher(const ImportedVoucher& voucher);

// Writes all vouchers or none. Within each month they are numbered by date
// (vouchers of one day in the given order), after the vouchers already there.
// Returns false when a voucher is refused or a month would exceed 999
// vouchers (*error tells which), or when the database failed.
bool ImportVouchers(const std::vector<ImportedVoucher>& vouchers, std::string* error);

// The voucher a booking makes, as the engine would write it.
ImportedVoucher VoucherOfBooking(const Booking& booking);

}  // namespace cw
