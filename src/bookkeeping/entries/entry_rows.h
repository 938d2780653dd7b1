#pragma once
// The row one voucher gives on an entry page. Accounts are shown by name,
// amounts "%.2f".
#include <optional>
#include <string>
#include <vector>

#include "bookkeeping/entries/entry_layout.h"
#include "bookkeeping/entries/entry_vouchers.h"
#include "bookkeeping/entries/person_names.h"
#include "controls/grid_types.h"

namespace cw {

// Rows generated on the income and expense page are drawn on light blue.
inline constexpr Rgb kGeneratedRowBackground{215, 230, 250};

// The row of voucher `voucher` in a table of `layout`: none when the page
// does not list it (a card page expense not paid by card, a sale, withdrawal
// or repayment on the income and expense page whose gain or interest is 0);
// on the income and expense page a sale, withdrawal or card repayment gives
// only the generated row of its gain or interest, keyed by minus its number.
std::optional<GridRow> VoucherRow(const EntryLayout& layout, const EntryVoucher& voucher, const PersonNames& names);

// The account's path without the trailing separator: "银行存款\工商银行".
std::string AccountPath(const std::string& account);

// "%.2f", and the number read back from such a cell (0 for an empty cell).
std::string AmountText(double amount);
double AmountOf(const std::string& cell);

// "%.1f%%" of gain * 100 / principal, or "0.0%" when the principal is at most 0.000001.
std::string RateText(double gain, double principal);

}  // namespace cw
