#include "prefs/ui/user_input_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"

namespace cw {

CUserInput::CUserInput(QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("增加用户");
  Build(/*with_password=*/true);
  active_->setChecked(true);
  for (QCheckBox* box : rights_) box->setChecked(true);
}

CUserInput::CUserInput(int person_no, QWidget* parent) : COwnDialog(parent), person_no_(person_no) {
  setWindowTitle("修改用户资料");
  Build(/*with_password=*/false);
  Load(person_no);
}

void CUserInput::Build(bool with_password) {
  auto* form = new QFormLayout;
  name_ = new QLineEdit(this);
  name_->setObjectName("name");
  name_->setMaxLength(static_cast<int>(kMaxNameBytes));
  form->addRow("用 户 名：", name_);
  if (with_password) {
    password_ = new QLineEdit(this);
    password_->setObjectName("password");
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(static_cast<int>(kMaxPasswordBytes));
    form->addRow("密    码：", password_);
  }

  active_ = new QRadioButton(user_texts::kStateActive, this);
  active_->setObjectName("active");
  frozen_ = new QRadioButton(user_texts::kStateFrozen, this);
  frozen_->setObjectName("frozen");
  auto* states = new QHBoxLayout;
  states->addWidget(active_);
  states->addWidget(frozen_);
  states->addStretch();
  form->addRow("状    态：", states);

  auto* rights = new QGridLayout;
  for (std::size_t i = 0; i < kRightLabels.size(); ++i) {
    rights_[i] = new QCheckBox(kRightLabels[i].label, this);
    rights_[i]->setObjectName(QString("right%1").arg(i));
    rights->addWidget(rights_[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
  }
  form->addRow("权    限：", rights);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CUserInput::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CUserInput::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  // Without the password row the dialog is that much shorter.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CUserInput::Load(int person_no) {
  std::optional<UserRecord> user = FindUserByNumber(person_no);
  if (!user) return;
  name_->setText(QString::fromStdString(user->name));
  (user->IsFrozen() ? frozen_ : active_)->setChecked(true);
  const Rights rights = ReadRights(person_no);
  for (std::size_t i = 0; i < kRightLabels.size(); ++i) rights_[i]->setChecked(rights.*kRightLabels[i].member);
  // An administrator is never frozen and keeps every right.
  if (user->IsAdministrator()) {
    active_->setEnabled(false);
    frozen_->setEnabled(false);
    for (QCheckBox* box : rights_) box->setEnabled(false);
  }
}

UserInput CUserInput::Input() const {
  UserInput input;
  input.name = name_->text().toStdString();
  if (password_) input.password = password_->text().toStdString();
  input.state = frozen_->isChecked() ? 1 : 0;
  for (std::size_t i = 0; i < kRightLabels.size(); ++i) input.rights.*kRightLabels[i].member = rights_[i]->isChecked();
  return input;
}

QWidget* CUserInput::FieldWidget(UserField field) const {
  switch (field) {
    case UserField::kName: return name_;
    case UserField::kPassword: return password_;
    case UserField::kState: return frozen_;
    default: return nullptr;
  }
}

void CUserInput::accept() {
  const UserResult result = person_no_ == 0 ? AddUser(Input()) : ChangeUser(person_no_, Input());
  if (!result.ok) {
    // A failed write has been reported by the data store; a refusal is shown here.
    if (!result.message.empty()) CurrentPrompter().Inform(result.message, user_texts::kInputErrorCaption);
    if (QWidget* field = FieldWidget(result.field)) {
      field->setFocus();
      if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    }
    return;
  }
  written_ = result.person_no;
  COwnDialog::accept();
}

}  // namespace cw
