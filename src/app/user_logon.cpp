#include "app/user_logon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "core/schema_version.h"
#include "core/settings.h"
#include "prefs/login.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"
#include "store/database.h"

namespace cw {
namespace {

// The list index chosen last, a root value of the settings.
constexpr char kTypeUser[] = "TypeUser";

}  // namespace

CUserLogon::CUserLogon(QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("用户登录");
  users_ = new QComboBox(this);
  users_->setObjectName("userList");
  users_->setMinimumWidth(200);
  password_ = new QLineEdit(this);
  password_->setObjectName("password");
  password_->setEchoMode(QLineEdit::Password);
  demo_ = new QCheckBox("登录到演示数据库中", this);
  demo_->setObjectName("demoBox");
  login_ = new QPushButton("登录", this);
  login_->setObjectName("loginButton");
  login_->setDefault(true);
  exit_ = new QPushButton("退出", this);
  exit_->setObjectName("exitButton");
  help_ = new QToolButton(this);
  help_->setObjectName("helpButton");
  help_->setText("?");
  help_->setToolTip("帮助");

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("用户：", this), 0, 0);
  fields->addWidget(users_, 0, 1);
  fields->addWidget(new QLabel("密码：", this), 1, 0);
  fields->addWidget(password_, 1, 1);
  fields->addWidget(demo_, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help_);
  buttons->addStretch();
  buttons->addWidget(login_);
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);

  connect(demo_, &QCheckBox::clicked, this, &CUserLogon::FillUserList);
  connect(login_, &QPushButton::clicked, this, &CUserLogon::OnLogin);
  connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
  connect(help_, &QToolButton::clicked, this, [] { CurrentPrompter().Inform(user_texts::kLoginHelp); });
}

bool CUserLogon::Demo() const { return demo_->isChecked(); }

int CUserLogon::DoModal() {
  // The default colours until the logged-in user's scheme replaces them.
  SetColours(QColor(205, 220, 245), QColor(80, 180, 230));
  if (!Database::OpenDatabase(Database::kUserData)) return kCancelled;
  FillUserList();
  password_->setFocus();
  return exec() == kLoggedIn ? kLoggedIn : kCancelled;
}

void CUserLogon::FillUserList() {
  users_->clear();
  // A data set that cannot be opened (reported by the store) or that a newer
  // program wrote (refused here, before anyone logs in) leaves the list
  // empty, and "登录" does nothing until the box is changed.
  if (!Database::OpenDatabase(Demo() ? Database::kDemoData : Database::kUserData)) return;
  if (!VersionUsable(ProgramVersion())) return;
  for (const std::string& name : LoginUserNames()) users_->addItem(QString::fromStdString(name));
  int index = 0;
  if (settings::HasNumber("", kTypeUser)) index = settings::GetNumber("", kTypeUser);
  users_->setCurrentIndex(index >= 0 && index < users_->count() ? index : 0);
}

void CUserLogon::OnLogin() {
  if (users_->currentIndex() < 0) return;
  const LoginOutcome outcome =
      CheckLogin(users_->currentText().toStdString(), password_->text().toStdString());
  switch (outcome.result) {
    case LoginResult::kNoSuchUser: return;
    case LoginResult::kFrozen: CurrentPrompter().Inform(user_texts::kFrozenLogin); return;
    case LoginResult::kWrongPassword:
      CurrentPrompter().Inform(user_texts::kWrongPassword);
      password_->setFocus();
      password_->selectAll();
      return;
    case LoginResult::kOk:
      person_no_ = outcome.person_no;
      done(kLoggedIn);
      return;
  }
}

void CUserLogon::done(int result) {
  settings::SetNumber("", kTypeUser, users_->currentIndex());
  COwnDialog::done(result);
}

void CUserLogon::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && focusWidget() == password_) {
    OnLogin();
    return;
  }
  COwnDialog::keyPressEvent(event);
}

}  // namespace cw
