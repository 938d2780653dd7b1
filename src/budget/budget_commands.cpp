#include "budget/budget_commands.h"

#include "base/gbk_text.h"
#include "budget/budget_table.h"
#include "budget/budget_texts.h"

namespace cw {

double BudgetTotal(const std::vector<BudgetLine>& amounts) {
  double total = 0;
  for (const BudgetLine& line : amounts) total += line.cash;
  return total;
}

std::string BudgetTotalText(const std::vector<BudgetLine>& amounts) {
  return StrFormat("预算金额累计：%.2f", BudgetTotal(amounts));
}

BudgetSaveResult SaveBudget(int category, int editing_key, int key, const std::vector<BudgetLine>& amounts,
                            Prompter& prompter) {
  if (IsZeroAmount(BudgetTotal(amounts))) {
    prompter.Inform(budget_text::kZeroTotal, budget_text::kInputError, PromptStyle::Information);
    return BudgetSaveResult::kRefused;
  }
  const bool other_key = editing_key == 0 || editing_key != key;
  if (other_key && !ReadBudget(category, key).empty() && !prompter.Ask(budget_text::kAlreadyExists))
    return BudgetSaveResult::kRefused;
  return WriteBudget(category, editing_key, key, amounts) ? BudgetSaveResult::kSaved : BudgetSaveResult::kFailed;
}

std::vector<int> DeleteBudgetRows(int category, const std::vector<RowKey>& rows, Prompter& prompter) {
  if (!prompter.Ask(budget_text::kConfirmDelete, budget_text::kDeleteCaption)) return {};
  std::vector<int> keys;
  bool actual_selected = false;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (IsActualRow(*it)) {
      actual_selected = true;
    } else if (int key = BudgetKeyOfRow(*it); key != 0) {
      keys.push_back(key);
    }
  }
  if (actual_selected) prompter.Inform(budget_text::kActualRowNotDeleted);
  if (keys.empty() || !DeleteBudgets(category, keys)) return {};
  return keys;
}

}  // namespace cw
