#include "budget/budget_store.h"

#include <cmath>

#include "budget/budget_texts.h"
#include "core/item_cache.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

std::vector<Budget> ReadGrouped(CDBPack& rows) {
  std::vector<Budget> budgets;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const int key = rows.GetLong("Budget_No");
    if (budgets.empty() || budgets.back().key != key) budgets.push_back({key, {}});
    budgets.back().lines.push_back({rows.GetText("Item_No"), rows.GetDouble("Cash")});
  }
  return budgets;
}

}  // namespace

std::vector<BudgetAccount> BudgetAccounts(int category) {
  std::vector<BudgetAccount> accounts;
  for (const CItemCache::Entry& entry : CItemCache::Instance().Entries()) {
    if (entry.leaf && entry.type == category) accounts.push_back({entry.code, entry.name});
  }
  return accounts;
}

std::vector<Budget> ReadBudgets(int category) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(1600), {category});
  return ReadGrouped(rows);
}

std::vector<BudgetLine> ReadBudget(int category, int key) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(1601), {category, key});
  std::vector<Budget> budgets = ReadGrouped(rows);
  return budgets.empty() ? std::vector<BudgetLine>{} : std::move(budgets.front().lines);
}

bool WriteBudget(int category, int old_key, int key, const std::vector<BudgetLine>& lines) {
  Transaction transaction;
  if (old_key != 0 && old_key != key && !Database::Execute(Database::LoadStatement(1602), {category, old_key}))
    return false;
  if (!Database::Execute(Database::LoadStatement(1602), {category, key})) return false;
  for (const BudgetLine& line : lines) {
    if (IsZeroAmount(line.cash)) continue;
    if (!Database::Execute(Database::LoadStatement(1603), {category, key, line.item, line.cash})) return false;
  }
  return transaction.ok() && transaction.Commit();
}

bool DeleteBudgets(int category, const std::vector<int>& keys) {
  Transaction transaction;
  for (int key : keys) {
    if (!Database::Execute(Database::LoadStatement(1602), {category, key})) return false;
  }
  return transaction.ok() && transaction.Commit();
}

}  // namespace cw
