#pragma once
// CItemInputEasy: the account name dialog ("科目录入"). It shows where the
// account sits ("科目位置：“...”"), its code and its name, and for a leaf that
// has no type yet a list of the types. OK checks the name; for a new account
// below a booked one it then asks whether the parent's bookings move down, and
// No keeps the dialog open. The caller writes.
#include <string>

#include "bookkeeping/accounts/account_add.h"
#include "ui/own_dialog.h"

class QComboBox;
class QLineEdit;

namespace cw {

class CItemInputEasy : public COwnDialog {
  Q_OBJECT
 public:
  // A new account as PlanNewAccount laid it out.
  explicit CItemInputEasy(const NewAccountPlan& plan, QWidget* parent = nullptr);
  // Changing account `code`, with its name filled in; `choose_type` adds the
  // type list (for a leaf without a type).
  CItemInputEasy(const std::string& code, const std::string& name, const std::string& position, bool choose_type,
                 QWidget* parent = nullptr);

  std::string Name() const;
  // The type chosen in the list; 0 when none was chosen or there is no list.
  int Type() const;
  // Yes to the parent-bookings question (new accounts only).
  bool MoveParentBookings() const { return move_parent_bookings_; }

 public slots:
  void accept() override;

 private:
  void Build(const std::string& code, const std::string& position, bool choose_type);

  std::optional<NewAccountPlan> plan_;  // null while changing
  bool move_parent_bookings_ = false;
  QLineEdit* name_ = nullptr;
  QComboBox* type_ = nullptr;  // null without the type list
};

}  // namespace cw
