#include "prefs/ui/change_password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "prefs/user_admin.h"
#include "prefs/user_texts.h"

namespace cw {
namespace {

QLineEdit* PasswordEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setEchoMode(QLineEdit::Password);
  edit->setMaxLength(static_cast<int>(kMaxPasswordBytes));
  return edit;
}

}  // namespace

CChangePW::CChangePW(int person_no, QWidget* parent) : COwnDialog(parent), person_no_(person_no) {
  setWindowTitle("修改密码");
  old_ = PasswordEdit("oldPassword", this);
  new_ = PasswordEdit("newPassword", this);
  confirm_ = PasswordEdit("confirmPassword", this);
  auto* form = new QFormLayout;
  form->addRow("旧  密  码：", old_);
  form->addRow("新  密  码：", new_);
  form->addRow("新密码确认：", confirm_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CChangePW::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CChangePW::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CChangePW::accept() {
  const UserResult result = ChangePassword(person_no_, old_->text().toStdString(), new_->text().toStdString(),
                                           confirm_->text().toStdString());
  if (!result.ok) {
    if (!result.message.empty()) CurrentPrompter().Inform(result.message, user_texts::kInputErrorCaption);
    QLineEdit* field = result.field == UserField::kOldPassword ? old_ : new_;
    field->setFocus();
    field->selectAll();
    return;
  }
  COwnDialog::accept();
}

}  // namespace cw
