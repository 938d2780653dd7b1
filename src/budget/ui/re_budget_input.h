#pragma once
// CReBudgetInput: entering or changing an income ("收入预算") or expense
// ("支出预算") budget: its type, its period and the amount of every leaf
// account of the category in a grid, with the running total under it.
// "保存新增(&A)" saves and stays open for the next budget; "保存退出(&O)"
// (in edit mode "确定(&O)") saves and closes. The checks and the one-transaction
// write are SaveBudget's.
#include "budget/budget_key.h"
#include <memory>

#include "budget/ui/save_buttons.h"
#include "ui/own_dialog.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;

namespace cw {


class CListWnd;

class CReBudgetInput : public COwnDialog {
  Q_OBJECT
 public:
  // A new budget of `category` (kBudgetIncome or kBudgetExpense) when
  // `editing_key` is 0, else the budget of that key. `today` sets the
  // period inputs of a new budget.
  CReBudgetInput(int category, int editing_key, int today, QWidget* parent = nullptr);

  // The key of the budget last saved, 0 before.
  int SavedKey() const { return saved_key_; }

 signals:
  // A budget was saved (also by "保存新增"); the window shows it at once.
  void BudgetSaved(int key, int replaced_key);

 public slots:
  void accept() override;

 private:
  void Build();
  void LoadKey(int key);
  void KindChanged();
  void UpdateTotal();
  int Key() const;
  // Saves; true when the budget was written.
  bool Save();
  void SaveAndContinue();

  int category_;
  int editing_key_;
  int saved_key_ = 0;
  QComboBox* kind_ = nullptr;
  QDateEdit* month_ = nullptr;
  QSpinBox* year_ = nullptr;
  QLabel* year_unit_ = nullptr;
  QComboBox* quarter_ = nullptr;
  CListWnd* grid_ = nullptr;
  QLabel* total_ = nullptr;
  std::unique_ptr<SaveButtons> buttons_;
};

}  // namespace cw
