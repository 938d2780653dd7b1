#include "plans/ui/chargeup_plan_confirm.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "plans/plan_table.h"
#include "plans/ui/chargeup_plan.h"

namespace cw {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CChargeupPlanWnd::CChargeupPlanWnd(std::vector<PlanRun>& runs, int mode, QWidget* parent)
    : QWidget(parent), runs_(runs), mode_(mode) {
  cards_ = new QVBoxLayout(this);
  Rebuild();
}

void CChargeupPlanWnd::Rebuild() {
  while (QLayoutItem* item = cards_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  const int shown_mode = mode_ == CChargeupPlanConfirm::kConfirm ? kConfirmFirst : kBookAndShow;
  int command = 110;  // the buttons' command ids, two per card
  for (PlanRun& run : runs_) {
    if (run.chargeup_type != shown_mode) continue;
    if (mode_ == CChargeupPlanConfirm::kResult && run.booked_vouchers.empty()) continue;
    auto* card = new QFrame(this);
    card->setFrameShape(QFrame::StyledPanel);
    card->setObjectName(QString("plan%1").arg(run.plan_id));
    auto* grid = new QGridLayout(card);
    const auto rows = PlanRunCard(run);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      // Two label/value pairs a row after the first three, which are long.
      const int r = i < 3 ? i : 3 + (i - 3) / 2;
      const int c = i < 3 ? 0 : (i - 3) % 2 * 2;
      grid->addWidget(new QLabel(Q(rows[i].first), card), r, c, Qt::AlignRight | Qt::AlignTop);
      auto* value = new QLabel(Q(rows[i].second), card);
      value->setWordWrap(true);
      grid->addWidget(value, r, c + 1, 1, i < 3 ? 3 : 1);
    }
    if (mode_ == CChargeupPlanConfirm::kConfirm) {
      auto* status = new QLabel(run.to_book ? "记账" : "已被取消", card);
      status->setObjectName("status");
      status->setStyleSheet(run.to_book ? "color: blue" : "color: red");
      auto* change = new QPushButton("修改账单", card);
      change->setObjectName(QString("button%1").arg(command));
      auto* cancel = new QPushButton(run.to_book ? "取消记账" : "恢复记账", card);
      cancel->setObjectName(QString("button%1").arg(command + 1));
      command += 2;
      change->setEnabled(run.to_book);
      // The cards are rebuilt once a click has been handled: the button
      // clicked is one of the widgets replaced.
      connect(change, &QPushButton::clicked, this, [this, &run] {
        CChargeupPlan editor(run, this);
        if (editor.exec() == QDialog::Accepted)
          QMetaObject::invokeMethod(this, &CChargeupPlanWnd::Rebuild, Qt::QueuedConnection);
      });
      connect(cancel, &QPushButton::clicked, this, [this, &run] {
        run.to_book = !run.to_book;
        QMetaObject::invokeMethod(this, &CChargeupPlanWnd::Rebuild, Qt::QueuedConnection);
      });
      auto* buttons = new QHBoxLayout;
      buttons->addWidget(status);
      buttons->addStretch();
      buttons->addWidget(change);
      buttons->addWidget(cancel);
      grid->addLayout(buttons, grid->rowCount(), 0, 1, 4);
    }
    cards_->addWidget(card);
  }
  cards_->addStretch();
}

CChargeupPlanConfirm::CChargeupPlanConfirm(std::vector<PlanRun>& runs, int mode, QWidget* parent)
    : COwnDialog(parent) {
  setWindowTitle(mode == kConfirm ? "预约记账确认" : "预约记账结果");
  resize(620, 500);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(mode == kConfirm ? "请确认以下预约记账信息。" : "请核对以下预约记账结果。", this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  layout->addWidget(new QLabel(mode == kConfirm ? "说明：这里只显示需要您确认的预约记账信息。"
                                                : "说明：这里只显示直接记账并向您提示的预约记账结果。",
                               this));
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setWidget(new CChargeupPlanWnd(runs, mode, scroll));
  layout->addWidget(scroll, 1);
  auto* ok = new QPushButton("确定(&O)", this);
  ok->setObjectName("ok");
  connect(ok, &QPushButton::clicked, this, &CChargeupPlanConfirm::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addStretch();
  layout->addLayout(buttons);
}

}  // namespace cw
