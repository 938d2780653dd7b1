#include "output/ui/print_margins_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw {

CMarginSpinBox::CMarginSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(PrintMargins::kMinMargin, PrintMargins::kMaxMargin);
  setSingleStep(1);
  // The value is read when the user leaves the field, not on every key.
  setKeyboardTracking(false);
}

QString CMarginSpinBox::textFromValue(int millimetres) const { return QString::fromStdString(MarginText(millimetres)); }

int CMarginSpinBox::valueFromText(const QString& text) const { return ParseMarginText(text.toStdString()); }

QValidator::State CMarginSpinBox::validate(QString&, int&) const { return QValidator::Acceptable; }

CPrintMarginsDialog::CPrintMarginsDialog(const PrintMargins& margins, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("页边距");
  auto* form = new QFormLayout;
  auto add = [this, form](const char* label, const char* name, int value) {
    auto* box = new CMarginSpinBox(this);
    box->setObjectName(name);
    box->setValue(value);
    form->addRow(QString::fromUtf8(label), box);
    return box;
  };
  left_ = add("左边距(&L)：", "leftMargin", margins.left);
  top_ = add("上边距(&T)：", "topMargin", margins.top);
  right_ = add("右边距(&R)：", "rightMargin", margins.right);
  bottom_ = add("下边距(&B)：", "bottomMargin", margins.bottom);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("取消(&C)", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

PrintMargins CPrintMarginsDialog::Margins() const {
  // A value still being typed counts as typed.
  for (CMarginSpinBox* box : {left_, top_, right_, bottom_}) box->interpretText();
  return {left_->value(), top_->value(), right_->value(), bottom_->value()};
}

}  // namespace cw
