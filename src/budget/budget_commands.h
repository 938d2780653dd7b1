#pragma once
// Saving and deleting everyday budgets with the checks and questions of the
// budget dialog and window. Messages go through the prompter.
#include <string>
#include <vector>

#include "base/prompter.h"
#include "budget/budget_store.h"
#include "controls/grid_types.h"

namespace cw {

enum class BudgetSaveResult {
  kSaved,
  kRefused,  // a check failed or the replacement was not confirmed; nothing changed
  kFailed,   // the database failed; nothing changed
};

// "预算金额累计：%.2f" over the amounts.
double BudgetTotal(const std::vector<BudgetLine>& amounts);
std::string BudgetTotalText(const std::vector<BudgetLine>& amounts);

// Saves the amounts as budget `key` of `category`. `editing_key` is the key of
// the budget being changed, 0 for a new one. Refuses a total of zero (166);
// asks before replacing another existing budget (167, anything but Yes
// refuses); then writes it in one transaction, dropping the edited budget's
// old key when the key changed.
BudgetSaveResult SaveBudget(int category, int editing_key, int key, const std::vector<BudgetLine>& amounts,
                            Prompter& prompter);

// Deletes the budgets of the selected rows (budget keys, actual rows negated)
// after asking (559). Actual-data rows are not deleted; when the selection
// holds any, 171 is shown once. Returns the keys deleted (none when the
// question was answered No or the database failed).
std::vector<int> DeleteBudgetRows(int category, const std::vector<RowKey>& rows, Prompter& prompter);

}  // namespace cw
