#include "reports/ui/chargeup_daily_record.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "controls/list_wnd.h"
#include "reports/ledgers/row_choice.h"
#include "reports/ui/voucher_opening.h"

namespace cw {

CChargeupDailyRecord::CChargeupDailyRecord(DayRecordsMode mode, int date, QWidget* parent)
    : COwnDialog(parent),
      mode_(mode),
      date_(date),
      grid_(new CListWnd(this)),
      view_(new QPushButton(QStringLiteral("查看(&V)"), this)) {
  setWindowTitle(QStringLiteral("记账详细数据"));
  resize(mode == DayRecordsMode::kBoth ? 560 : 480, 400);
  auto* ok = new QPushButton(QStringLiteral("确定(&O)"), this);
  connect(view_, &QPushButton::clicked, this, &CChargeupDailyRecord::ViewSelected);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(grid_, &CListWnd::RowActivated, this, [this](int) { ViewSelected(); });
  // The grid fills the window less 10 pixels at the left, top and right and
  // 50 at the bottom, where the two buttons stand 184 pixels apart.
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(view_);
  buttons->addSpacing(184 - view_->sizeHint().width());
  buttons->addWidget(ok);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  Rebuild();
}

void CChargeupDailyRecord::Rebuild() { grid_->SetModel(BuildDayRecords(mode_, date_)); }

void CChargeupDailyRecord::ViewSelected() {
  const std::optional<int> number = ChosenVoucher(grid_->Model(), CurrentPrompter());
  if (number && OpenVoucherFromRow(this, *number)) Rebuild();
}

}  // namespace cw
