#pragma once
// CConvertCreditCard "信用卡科目设置": which borrowing accounts are credit cards.
// The accounts come preselected by name (core/card_conversion.h); the user
// moves them between the two lists and confirms. The dialog only chooses: the
// caller applies the choice (the upgrade inside its transaction).
#include "core/card_conversion.h"
#include "ui/own_dialog.h"

class QListWidget;

namespace cw {

class CConvertCreditCard : public COwnDialog {
  Q_OBJECT
 public:
  explicit CConvertCreditCard(const CardChoice& choice, QWidget* parent = nullptr);

  // The lists as they stand.
  CardChoice Choice() const;

  // The choice must be confirmed: Esc does not close the dialog.
  void reject() override {}

 private:
  // Moves the selected entries (all of them with `all`) from one list to the other.
  void Move(QListWidget* from, QListWidget* to, bool all);

  QListWidget* borrowing_;
  QListWidget* cards_;
};

}  // namespace cw
