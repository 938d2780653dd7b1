#include "bookkeeping/accounts/ui/item_input_easy.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "bookkeeping/accounts/account_name.h"
#include "core/ledger_model.h"

namespace cw {

CItemInputEasy::CItemInputEasy(const NewAccountPlan& plan, QWidget* parent) : COwnDialog(parent), plan_(plan) {
  Build(plan.code, plan.position, /*choose_type=*/false);
}

CItemInputEasy::CItemInputEasy(const std::string& code, const std::string& name, const std::string& position,
                               bool choose_type, QWidget* parent)
    : COwnDialog(parent) {
  Build(code, position, choose_type);
  name_->setText(QString::fromStdString(name));
  name_->selectAll();
}

void CItemInputEasy::Build(const std::string& code, const std::string& position, bool choose_type) {
  setWindowTitle("科目录入");
  auto* where = new QLabel(QString::fromStdString(position), this);
  where->setObjectName("position");
  auto* code_label = new QLabel(QString::fromStdString(code), this);
  code_label->setObjectName("code");
  name_ = new QLineEdit(this);
  name_->setObjectName("name");
  // Room for a full name; the byte limit itself is part of the name check.
  name_->setMaxLength(static_cast<int>(kMaxAccountNameBytes));
  name_->setMinimumWidth(260);

  auto* form = new QFormLayout;
  form->addRow("科目代码：", code_label);
  form->addRow("科目名称：", name_);
  if (choose_type) {
    type_ = new QComboBox(this);
    type_->setObjectName("type");
    type_->addItem(QString(), 0);
    for (int type = kTypeIncome; type <= kTypeCreditCard; ++type)
      type_->addItem(QString::fromStdString(TypeName(type)), type);
    form->addRow("科目类型：", type_);
  }

  QDialogButtonBox* buttons = OkCancelButtons(this, "确定", "取消");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  name_->setFocus();
}

std::string CItemInputEasy::Name() const { return name_->text().toStdString(); }

int CItemInputEasy::Type() const { return type_ ? type_->currentData().toInt() : 0; }

void CItemInputEasy::accept() {
  AccountResult result;
  if (plan_) {
    NameDecision decision = ConfirmNewAccountName(*plan_, Name(), CurrentPrompter());
    move_parent_bookings_ = decision.move_parent_bookings;
    result = decision.result;
  } else {
    result = ConfirmAccountName(Name(), CurrentPrompter());
  }
  if (!result.ok()) {
    name_->setFocus();
    name_->selectAll();
    return;
  }
  COwnDialog::accept();
}

}  // namespace cw
