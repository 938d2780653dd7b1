#include "budget/budget_actuals.h"

#include "core/balances.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

int MonthOrdinal(int yyyymm) { return (yyyymm / 100) * 12 + yyyymm % 100 - 1; }

}  // namespace

BudgetActuals BudgetActuals::Read(int category, int first_month, int last_month) {
  BudgetActuals actuals;
  actuals.first_month_ = first_month;
  actuals.month_count_ = std::max(0, MonthOrdinal(last_month) - MonthOrdinal(first_month) + 1);
  actuals.totals_.assign(actuals.month_count_, 0.0);
  if (actuals.month_count_ == 0) return actuals;
  // Expense accounts are reported as debits - credits.
  const double sign = category == kBudgetExpense ? -1 : 1;
  // The month totals of the accounts, opening vouchers left out.
  CDBPack rows;
  rows.Open(Database::LoadStatement(971, AccountCondition(category)), {first_month, last_month});
  std::vector<double>* values = nullptr;
  std::string item;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    std::string code = rows.GetText("Item_No");
    if (values == nullptr || code != item) {
      values = &actuals.accounts_[code];
      values->assign(actuals.month_count_, 0.0);
      item = std::move(code);
    }
    const int slot = actuals.Slot(rows.GetLong("Month"));
    if (slot < 0) continue;
    const double cash = sign * (rows.GetDouble("Loan") - rows.GetDouble("Debit"));
    (*values)[slot] += cash;
    actuals.totals_[slot] += cash;
  }
  return actuals;
}

int BudgetActuals::Slot(int yyyymm) const {
  const int slot = MonthOrdinal(yyyymm) - MonthOrdinal(first_month_);
  return slot >= 0 && slot < month_count_ ? slot : -1;
}

double BudgetActuals::Sum(const std::vector<double>& values, BudgetMonths months) const {
  double sum = 0;
  for (int m = MonthOrdinal(months.first); m <= MonthOrdinal(months.last); ++m) {
    const int slot = m - MonthOrdinal(first_month_);
    if (slot >= 0 && slot < month_count_) sum += values[slot];
  }
  return sum;
}

double BudgetActuals::Amount(const std::string& item, BudgetMonths months) const {
  auto it = accounts_.find(item);
  return it == accounts_.end() ? 0 : Sum(it->second, months);
}

double BudgetActuals::Total(BudgetMonths months) const { return Sum(totals_, months); }

}  // namespace cw
