#pragma once
// CUserInput: the user dialog of the user-management page. Adding ("增加用户")
// asks for name, password, state and rights; changing ("修改用户资料") has no
// password row (a password is changed only by its owner) and, for an
// administrator, greys state and rights. OK checks and writes; a refusal shows
// its message and puts the focus on the field concerned.
#include <array>

#include "prefs/user_admin.h"
#include "ui/own_dialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace cw {

class CUserInput : public COwnDialog {
  Q_OBJECT
 public:
  // A new user.
  explicit CUserInput(QWidget* parent = nullptr);
  // Changing user `person_no`, loaded from the data set.
  explicit CUserInput(int person_no, QWidget* parent = nullptr);

  // What the inputs hold now.
  UserInput Input() const;
  // The user added or changed once the dialog was accepted; 0 before.
  int PersonNo() const { return written_; }

 public slots:
  void accept() override;

 private:
  void Build(bool with_password);
  void Load(int person_no);
  QWidget* FieldWidget(UserField field) const;

  int person_no_ = 0;  // 0 while adding
  int written_ = 0;
  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;  // null while changing
  QRadioButton* active_ = nullptr;
  QRadioButton* frozen_ = nullptr;
  std::array<QCheckBox*, 5> rights_{};
};

}  // namespace cw
