#pragma once
// CInitialIncome ("初始收入科目"): asks for the income account that takes the
// other side of every opening amount, when neither the stored choice nor
// "502" is an income leaf. The picker lists the income leaves, those whose
// name contains "初始" first; its "设  置" button opens account management.
#include <string>

#include "ui/own_dialog.h"

namespace cw {

class CSelectItemWnd;

class CInitialIncome : public COwnDialog {
  Q_OBJECT
 public:
  explicit CInitialIncome(QWidget* parent = nullptr);

  // The chosen code; empty when the chart has no income leaf.
  std::string Code() const;
  CSelectItemWnd* Picker() const { return picker_; }

  // Asks for the account; empty when cancelled.
  static std::string AskAccount(QWidget* parent);

 private:
  void FillPicker();

  CSelectItemWnd* picker_ = nullptr;
};

}  // namespace cw
