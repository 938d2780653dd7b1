#pragma once
// CChangePW ("修改密码"): the logged-in user changes his own password. OK
// checks the old password and the confirmation and stores the new one; a
// refusal shows its message and puts the focus on the field concerned.
#include "ui/own_dialog.h"

class QLineEdit;

namespace cw {

class CChangePW : public COwnDialog {
  Q_OBJECT
 public:
  // For user `person_no` (the logged-in user).
  explicit CChangePW(int person_no, QWidget* parent = nullptr);

 public slots:
  void accept() override;

 private:
  int person_no_;
  QLineEdit* old_ = nullptr;
  QLineEdit* new_ = nullptr;
  QLineEdit* confirm_ = nullptr;
};

}  // namespace cw
