#include "budget/ui/select_projection_end.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "budget/budget_texts.h"

namespace cw {

CSelectProjectionEnd::CSelectProjectionEnd(int month, int first, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("显示财产预算结果");
  month_ = new QDateEdit(QDate(month / 100, month % 100, 1), this);
  month_->setObjectName("endMonth");
  month_->setDisplayFormat("yyyy年MM月");
  month_->setCalendarPopup(true);
  month_->setMinimumDate(QDate(first / 100, first % 100, 1));
  month_->setMaximumDate(QDate(9999, 12, 1));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CSelectProjectionEnd::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CSelectProjectionEnd::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(budget_text::kEndMonthPrompt, this));
  layout->addWidget(month_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CSelectProjectionEnd::Month() const { return month_->date().year() * 100 + month_->date().month(); }

}  // namespace cw
