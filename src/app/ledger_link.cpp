#include "app/ledger_link.h"

#include "core/ledger_model.h"

namespace cw {

LedgerLink LedgerLinkTarget(int kind, const std::string& target, int account_type, int year, int month) {
  LedgerLink link;
  if (kind == 3) {
    if (target == "6") link.page = PageOfType(kTypeIncome, false);
    if (target == "7") link.page = PageOfType(kTypeExpense, false);
  } else if (kind == 2 && IsValidCode(target)) {
    link.page = PageOfType(account_type, true);
    if (link.page != 0) link.params = {target, MonthFirstNumber(year, month), MonthLastNumber(year, month), -1};
  }
  return link;
}

}  // namespace cw
