#pragma once
// The actual amounts the budget comparison sets against the plan: per account
// of a category and month, income accounts as credits - debits, expense
// accounts as debits - credits, over the vouchers of the month that are not
// opening vouchers.
#include <string>
#include <unordered_map>
#include <vector>

#include "budget/budget_key.h"

namespace cw {

class BudgetActuals {
 public:
  BudgetActuals() = default;
  // Reads the months first..last (yyyymm) from the per-account month totals.
  static BudgetActuals Read(int category, int first_month, int last_month);

  // An account's amount over the months of a budget (0 outside the months read).
  double Amount(const std::string& item, BudgetMonths months) const;
  // The amount of all the category's accounts over those months.
  double Total(BudgetMonths months) const;

 private:
  double Sum(const std::vector<double>& values, BudgetMonths months) const;
  int Slot(int yyyymm) const;

  int first_month_ = 0;
  int month_count_ = 0;
  std::unordered_map<std::string, std::vector<double>> accounts_;
  std::vector<double> totals_;
};

}  // namespace cw
