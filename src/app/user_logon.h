#pragma once
// CUserLogon ("用户登录"): the login dialog. It lists the users of the user's
// data or, with "登录到演示数据库中" ticked, of the demonstration data, and
// checks the chosen user's password. The data set of the list stays open
// afterwards; a caller that had another one open reopens it on cancel.
#include "ui/own_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace cw {

class CUserLogon : public COwnDialog {
  Q_OBJECT
 public:
  static constexpr int kLoggedIn = 101;
  static constexpr int kCancelled = 2;

  explicit CUserLogon(QWidget* parent = nullptr);

  // Opens the user's data and shows the dialog: kLoggedIn after a successful
  // login, kCancelled when the user leaves or the user's data cannot be opened.
  int DoModal();

  // The chosen user; -1 until a login succeeded.
  int PersonNo() const { return person_no_; }
  // Whether the demonstration data was chosen.
  bool Demo() const;

 public slots:
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Opens the data set the check box names and lists its users.
  void FillUserList();
  void OnLogin();

  int person_no_ = -1;
  QComboBox* users_ = nullptr;
  QLineEdit* password_ = nullptr;
  QCheckBox* demo_ = nullptr;
  QPushButton* login_ = nullptr;
  QPushButton* exit_ = nullptr;
  QToolButton* help_ = nullptr;
};

}  // namespace cw
