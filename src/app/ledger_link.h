#pragma once
// Where a link of the home page leads (the frame's "open ledger" request).
#include <string>

#include "app/page_history.h"

namespace cw {

struct LedgerLink {
  int page = 0;  // 0 when the link leads nowhere
  PageParams params;
};

// kind 2: the detail ledger of account `target`, whose account type is
// `account_type`, over the vouchers of month `month` of `year`;
// kind 3: target "6" the income balance table, "7" the expense balance table.
LedgerLink LedgerLinkTarget(int kind, const std::string& target, int account_type, int year, int month);

}  // namespace cw
