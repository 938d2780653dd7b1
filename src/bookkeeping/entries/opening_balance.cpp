#include "bookkeeping/entries/opening_balance.h"

#include "core/balances.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr int kSidesBefore = 962;

double TypeBalanceBefore(int type, int first) {
  CDBPack sums;
  sums.Open(Database::LoadStatement(kSidesBefore, AccountCondition(type)), {first});
  const double debit = sums.GetDouble("Debit"), credit = sums.GetDouble("Loan");
  return IncreasesBalance(type, true) ? debit - credit : credit - debit;
}

}  // namespace

double OpeningBalance(int page, int first) {
  switch (page) {
    case kPageIncomeExpense: return NetProperty(first);
    case 32904: return TypeBalanceBefore(kTypeLent, first);
    case 32905: return TypeBalanceBefore(kTypeBorrowed, first);
    case 32906: return TypeBalanceBefore(kTypeInvestment, first);
    case kPageCreditCard: return TypeBalanceBefore(kTypeCreditCard, first);
    default: return 0;
  }
}

}  // namespace cw
