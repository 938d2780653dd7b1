#pragma once
// The balance an entry page brings forward to the start of its range.

namespace cw {

// The balance before voucher `first` of the accounts the page follows: the
// family's property on the income and expense page (32900), money lent
// (32904), money borrowed (32905), investments (32906) and card debts (32908),
// each by the sign rule, so that assets count debits and liabilities credits
// as positive, opening vouchers included. 0 for any other page.
double OpeningBalance(int page, int first);

}  // namespace cw
