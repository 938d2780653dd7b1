#include "plans/ui/credit_card_input.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "bookkeeping/booking/picker_items.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr char kDefaultPayNumber[] = "20";

}  // namespace

CCreditCardInput::CCreditCardInput(bool existing, const CardInput& input, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("信用卡");
  auto* grid = new QGridLayout;
  auto add_row = [&](const char* caption, QWidget* field, int row) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    grid->addWidget(label, row, 0, Qt::AlignRight);
    grid->addWidget(field, row, 1);
  };
  name_ = new QLineEdit(Q(input.name), this);
  name_->setObjectName("name");
  add_row("名    称：", name_, 0);

  bill_day_ = new QComboBox(this);
  bill_day_->setObjectName("billDay");
  for (int day = 1; day <= 31; ++day) bill_day_->addItem(Q(StrFormat("每月%d日", day)), day);
  bill_day_->setCurrentIndex(existing ? input.bill_date - 1 : 0);
  add_row("账单日期：", bill_day_, 1);

  auto* pay_box = new QWidget(this);
  auto* pay_row = new QHBoxLayout(pay_box);
  pay_row->setContentsMargins(0, 0, 0, 0);
  pay_rule_ = new QComboBox(pay_box);
  pay_rule_->setObjectName("payRule");
  pay_rule_->addItem("每月", 0);
  pay_rule_->addItem("账单日期之后的第", 1);
  pay_number_ = new QLineEdit(existing ? QString::number(input.pay_number) : kDefaultPayNumber, pay_box);
  pay_number_->setObjectName("payNumber");
  pay_number_->setValidator(new QIntValidator(0, 99, pay_number_));
  pay_number_->setMaximumWidth(50);
  pay_row->addWidget(pay_rule_);
  pay_row->addWidget(pay_number_);
  pay_row->addWidget(new QLabel("日", pay_box));
  pay_row->addStretch();
  pay_rule_->setCurrentIndex(existing && !input.pay_on_day ? 1 : 0);
  // Choosing a rule starts its number again from 20.
  connect(pay_rule_, &QComboBox::activated, this, [this] { pay_number_->setText(kDefaultPayNumber); });
  add_row("还款日期：", pay_box, 2);

  // The accounts a repayment may be paid from: those of the repayment's second line.
  pay_account_ = new QComboBox(this);
  pay_account_->setObjectName("payAccount");
  for (const PickerItem& item : PickerItems(kKindRepayment, 1)) {
    pay_account_->addItem(Q(item.name + "[" + item.bracket + "]"), Q(item.code));
  }
  pay_account_->setCurrentIndex(std::max(0, pay_account_->findData(Q(input.pay_item_no))));
  add_row("扣款科目：", pay_account_, 3);

  pay_mode_ = new QComboBox(this);
  pay_mode_->setObjectName("payMode");
  pay_mode_->addItem("不自动记账", 0);
  pay_mode_->addItem("自动记账", 1);
  pay_mode_->setCurrentIndex(existing ? input.pay_mode : 1);
  add_row("记账方式：", pay_mode_, 4);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消(&C)", QDialogButtonBox::RejectRole)->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &CCreditCardInput::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CCreditCardInput::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
}

CardInput CCreditCardInput::Input() const {
  CardInput input;
  input.name = name_->text().toStdString();
  input.bill_date = bill_day_->currentData().toInt();
  input.pay_on_day = pay_rule_->currentData().toInt() == 0;
  input.pay_number = pay_number_->text().toInt();
  input.pay_item_no = pay_account_->currentData().toString().toStdString();
  input.pay_mode = pay_mode_->currentData().toInt();
  return input;
}

void CCreditCardInput::accept() {
  if (CardRefusal refusal = CheckCardInput(Input())) {
    CurrentPrompter().Inform(refusal.message, "操作错误", PromptStyle::Error);
    QWidget* focus = refusal.field == CardField::kName     ? static_cast<QWidget*>(name_)
                     : refusal.field == CardField::kNumber ? static_cast<QWidget*>(pay_number_)
                                                           : static_cast<QWidget*>(pay_account_);
    focus->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) edit->selectAll();
    return;
  }
  if (saver_ && !saver_(Input())) {
    name_->setFocus();
    return;
  }
  COwnDialog::accept();
}

}  // namespace cw
