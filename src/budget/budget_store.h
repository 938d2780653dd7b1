#pragma once
// The stored income and expense budgets: a budget is the set of lines with one
// key and category, one line per account planned at an amount other than 0.
#include <string>
#include <vector>

namespace cw {

struct BudgetLine {
  std::string item;  // a leaf account of the budget's category
  double cash = 0;
  friend bool operator==(const BudgetLine&, const BudgetLine&) = default;
};

struct Budget {
  int key = 0;
  std::vector<BudgetLine> lines;  // in account order
};

// The accounts a budget of `category` plans: the leaf accounts of that type in
// code order.
struct BudgetAccount {
  std::string code;
  std::string name;
};
std::vector<BudgetAccount> BudgetAccounts(int category);

// Every budget of a category in ascending key order (not yet in row order).
std::vector<Budget> ReadBudgets(int category);
// The lines of one budget; empty when there is none.
std::vector<BudgetLine> ReadBudget(int category, int key);

// Writes a budget in one transaction: the lines of `old_key` (when it is not
// 0 and differs from `key`) and of `key` are deleted, then one line per
// amount other than 0 (within 0.0000001) is inserted. False when a statement
// failed; then nothing changed.
bool WriteBudget(int category, int old_key, int key, const std::vector<BudgetLine>& lines);

// Deletes the lines of the budgets `keys` in one transaction.
bool DeleteBudgets(int category, const std::vector<int>& keys);

}  // namespace cw
