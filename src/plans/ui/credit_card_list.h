#pragma once
// CCreditCardList ("信用卡列表"): every card with its bill day, repayment rule,
// booking mode and paying account; new, change (also by activating a row) and
// delete, with the card checks and refusals.
#include "plans/ui/list_dialog.h"

namespace cw {

class CCreditCardList : public ListDialog {
  Q_OBJECT
 public:
  explicit CCreditCardList(QWidget* parent = nullptr);

 private:
  void NewCard();
  void ChangeCard(int row);
  void DeleteCards();
};

}  // namespace cw
