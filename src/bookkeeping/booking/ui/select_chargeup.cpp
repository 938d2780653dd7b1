#include "bookkeeping/booking/ui/select_chargeup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "bookkeeping/booking/booking_texts.h"
#include "bookkeeping/booking/ui/form_inputs.h"
#include "bookkeeping/booking/voucher_search.h"
#include "calendar/calendar.h"

namespace cw {
namespace {

// The caption before the first amount, per comparison; "介于" reads
// "金额介于 [a] 和 [b]" like the description of the search.
const char* const kFirstAmountCaptions[] = {"金额等于", "金额大于", "金额小于", "金额介于"};

}  // namespace

CSelectChargeup::CSelectChargeup(int page, QWidget* parent) : COwnDialog(parent), page_(page) {
  setWindowTitle("记账数据查找");
  auto* grid = new QGridLayout;

  text_on_ = new QCheckBox("记账说明中包含", this);
  text_on_->setObjectName("textOn");
  text_ = new QLineEdit(this);
  text_->setObjectName("text");
  grid->addWidget(text_on_, 0, 0);
  grid->addWidget(text_, 0, 1, 1, 4);

  dates_on_ = new QCheckBox("记账时间", this);
  dates_on_->setObjectName("datesOn");
  first_day_ = NewDateEdit(this);
  first_day_->setObjectName("firstDay");
  last_day_ = NewDateEdit(this);
  last_day_->setObjectName("lastDay");
  const Ymd today = DateOfSerialDay(Today());
  SetSerialDay(first_day_, SerialDay(today.year, today.month, 1));
  SetSerialDay(last_day_, Today());
  grid->addWidget(dates_on_, 1, 0);
  grid->addWidget(new QLabel("起始时间：", this), 1, 1, Qt::AlignRight);
  grid->addWidget(first_day_, 1, 2);
  grid->addWidget(new QLabel("终止时间：", this), 1, 3, Qt::AlignRight);
  grid->addWidget(last_day_, 1, 4);

  amount_on_ = new QCheckBox("记账金额", this);
  amount_on_->setObjectName("amountOn");
  comparison_ = new QComboBox(this);
  comparison_->setObjectName("comparison");
  comparison_->addItems({"等于", "大于", "小于", "介于"});
  amount1_label_ = new QLabel(this);
  amount1_ = NewAmountEdit(this);
  amount1_->setObjectName("amount1");
  amount2_label_ = new QLabel("和", this);
  amount2_ = NewAmountEdit(this);
  amount2_->setObjectName("amount2");
  auto* amount_row = new QHBoxLayout;
  amount_row->addWidget(comparison_);
  amount_row->addWidget(amount1_label_);
  amount_row->addWidget(amount1_);
  amount_row->addWidget(amount2_label_);
  amount_row->addWidget(amount2_);
  amount_row->addStretch();
  grid->addWidget(amount_on_, 2, 0);
  grid->addLayout(amount_row, 2, 1, 1, 4);

  auto* ok = new QPushButton("确定(&O)", this);
  ok->setObjectName("ok");
  auto* cancel = new QPushButton("取消(&C)", this);
  cancel->setObjectName("cancel");
  connect(ok, &QPushButton::clicked, this, &CSelectChargeup::accept);
  connect(cancel, &QPushButton::clicked, this, &CSelectChargeup::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(comparison_, &QComboBox::currentIndexChanged, this, &CSelectChargeup::ShowComparison);
  for (QCheckBox* box : {text_on_, dates_on_, amount_on_}) {
    connect(box, &QCheckBox::toggled, this, &CSelectChargeup::EnableInputs);
  }
  ShowComparison(0);
  EnableInputs();
}

void CSelectChargeup::ShowComparison(int comparison) {
  amount1_label_->setText(kFirstAmountCaptions[comparison]);
  const bool between = comparison == static_cast<int>(AmountComparison::kBetween);
  amount2_label_->setVisible(between);
  amount2_->setVisible(between);
}

void CSelectChargeup::EnableInputs() {
  text_->setEnabled(text_on_->isChecked());
  first_day_->setEnabled(dates_on_->isChecked());
  last_day_->setEnabled(dates_on_->isChecked());
  for (QWidget* w : {static_cast<QWidget*>(comparison_), static_cast<QWidget*>(amount1_),
                     static_cast<QWidget*>(amount2_)}) {
    w->setEnabled(amount_on_->isChecked());
  }
}

SearchConditions CSelectChargeup::Conditions() const {
  SearchConditions c;
  c.page = page_;
  c.text_on = text_on_->isChecked();
  c.text = text_->text().toStdString();
  c.dates_on = dates_on_->isChecked();
  c.first_day = SerialDayOf(first_day_);
  c.last_day = SerialDayOf(last_day_);
  c.amount_on = amount_on_->isChecked();
  c.comparison = static_cast<AmountComparison>(comparison_->currentIndex());
  c.amount1 = AmountOf(amount1_);
  c.amount2 = AmountOf(amount2_);
  return c;
}

void CSelectChargeup::accept() {
  const SearchConditions conditions = Conditions();
  if (std::string why = CheckSearch(conditions); !why.empty()) {
    CurrentPrompter().Inform(why, booking_texts::kInputErrorCaption, PromptStyle::Error);
    text_->setFocus();
    return;
  }
  found_ = FindVouchers(conditions);
  if (found_.empty()) {
    CurrentPrompter().Inform(booking_texts::kNothingFound);
    return;
  }
  COwnDialog::accept();
}

std::optional<SearchConditions> CSelectChargeup::AskSearch(QWidget* parent, int page) {
  CSelectChargeup dialog(page, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Conditions();
}

}  // namespace cw
