#pragma once
// The hidden key of every row of an entry page, and its shift when the voucher
// engine renumbers a month.
//
//   "202403005"          an ordinary voucher row (the voucher number)
//   "-202403005"         a row generated on the income and expense page from
//                        the gain or interest line of that voucher
//   "0"                  the opening row
//   "202403"             the month-total row of March 2024 (year * 100 + month)
//   "202499"             the year-total row of 2024
//   "99"                 the grand-total row
//   "202403005,10101"    a row of the initial-assets page: voucher number (empty
//   ",10101"             when the account has no initial voucher yet) and account
//   "202403005,10101,1"  code, with ",1" once a cell of the row was edited
//
// Keys from 0 to 299999 are statistics rows.
#include <string>

#include "controls/grid_model.h"

namespace cw {

struct EntryKey {
  enum Kind { kStatistics, kVoucher, kGenerated, kInitial };
  Kind kind = kStatistics;
  int voucher = 0;      // the voucher behind the row, 0 for none; a statistics row's key number
  std::string account;  // initial-assets rows
  bool edited = false;  // initial-assets rows

  bool IsStatistics() const { return kind == kStatistics; }
  bool HasVoucher() const { return voucher > 0 && kind != kStatistics; }
};

EntryKey ParseEntryKey(const RowKey& key);
RowKey EntryKeyOf(const EntryKey& key);

RowKey VoucherRowKey(int number);
RowKey GeneratedRowKey(int number);
RowKey InitialRowKey(int number, const std::string& account, bool edited = false);

// The key after the engine moved the vouchers of the month of `after` that are
// numbered above `after` one place up (`up`) or down; other keys stay.
RowKey ShiftedKey(const RowKey& key, int after, bool up);
// ShiftedKey applied to every row of the table.
void ShiftKeys(GridModel& table, int after, bool up);

// The rows of voucher `number` (ordinary, generated or initial-assets rows).
std::vector<int> RowsOfVoucher(const GridModel& table, int number);

}  // namespace cw
