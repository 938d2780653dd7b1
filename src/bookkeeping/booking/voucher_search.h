#pragma once
// Running a voucher search: the vouchers of the searched page's kinds, over
// the whole ledger, that meet the conditions, as the page would list them.
// Every value, the search text above all, is bound to the statement.
#include <string>
#include <vector>

#include "bookkeeping/booking/search_conditions.h"

namespace cw {

struct SearchLine {
  std::string account;  // Item_No
  double cash = 0;
};

// Whether an entry page lists a voucher of `kind` with these lines (in line
// order): the credit-card page lists an expense only when a card paid it, and
// the income and expense page lists a sale, withdrawal or card repayment only
// by its gain or interest line, which it leaves out when that amount is 0.
bool ListedOnPage(int page, int kind, const std::vector<SearchLine>& lines);

// The amounts a voucher shows on `page`, which the amount condition tests (any
// one passing is enough): the gain or interest line of the three-line kinds on
// the income and expense page, principal and proceeds of a sale on the
// investment page, otherwise amount 1.
std::vector<double> ShownAmounts(int page, int kind, const std::vector<SearchLine>& lines);

// The numbers of the vouchers found, in number order. Reads the chart cache;
// a failed statement has been shown by the data store and finds nothing.
std::vector<int> FindVouchers(const SearchConditions& conditions);

}  // namespace cw
