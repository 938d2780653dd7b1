#include "bookkeeping/entries/ui/select_month_range.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace cw {
namespace {

QDateEdit* NewMonthEdit(YearMonth month, QWidget* parent) {
  auto* edit = new QDateEdit(QDate(month.year, month.month, 1), parent);
  edit->setDisplayFormat("yyyy-MM");
  edit->setCalendarPopup(true);
  return edit;
}

YearMonth MonthOf(const QDateEdit* edit) { return {edit->date().year(), edit->date().month()}; }

}  // namespace

CSelectMonthRange::CSelectMonthRange(const VoucherRange& range, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("选择月份范围");
  first_ = NewMonthEdit(FirstMonth(range), this);
  first_->setObjectName("firstMonth");
  last_ = NewMonthEdit(LastMonth(range), this);
  last_->setObjectName("lastMonth");
  auto* form = new QFormLayout;
  form->addRow("起始月份", first_);
  form->addRow("终止月份", last_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

VoucherRange CSelectMonthRange::Range() const {
  YearMonth from = MonthOf(first_), to = MonthOf(last_);
  if (from.year * 100 + from.month > to.year * 100 + to.month) std::swap(from, to);
  return MonthsRange(from, to);
}

std::optional<VoucherRange> CSelectMonthRange::AskRange(QWidget* parent, const VoucherRange& range) {
  CSelectMonthRange dialog(range, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Range();
}

}  // namespace cw
