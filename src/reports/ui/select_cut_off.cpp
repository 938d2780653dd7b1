#include "reports/ui/select_cut_off.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "reports/statistics/statistics_range.h"

namespace cw {

CSelectCutOff::CSelectCutOff(int bound, QWidget* parent)
    : COwnDialog(parent), month_(new QDateEdit(QDate(bound / 100000, bound / 1000 % 100, 1), this)) {
  setWindowTitle(QStringLiteral("财产负债表"));
  month_->setDisplayFormat(QStringLiteral("yyyy年M月"));
  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("    您要查看截止到哪个月的财产负债统计数据？"), this));
  layout->addWidget(month_);
  layout->addWidget(buttons);
}

int CSelectCutOff::Bound() const { return CutOffBound(month_->date().year(), month_->date().month()); }

std::optional<int> CSelectCutOff::Ask(QWidget* parent, int bound) {
  CSelectCutOff dialog(bound, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Bound();
}

}  // namespace cw
