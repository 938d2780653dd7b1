#include "store/ui/db_upgrade.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/gbk_text.h"
#include "bookkeeping/booking/ui/account_management.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "plans/ui/convert_credit_card.h"

namespace cw {

CDBUpgrade::CDBUpgrade(const std::string& data_set, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle(QString::fromStdString("数据库升级 - " + data_set));
  auto* intro = new QLabel(
      "    Coinwright家庭理财的这次升级对资金转换记账细分为存款、取款、现金转换、银行转账等记账方式，"
      "同时数据库也需要升级。",
      this);
  auto* question = new QLabel(
      QString::fromStdString(StrFormat("    用户数据库和演示数据都需要升级，现在请您指出%s中的这个科目。"
                                       "如果还没有创建该科目，请先点击科目设置按钮增加科目。",
                                       data_set.c_str())),
      this);
  for (QLabel* label : {intro, question}) {
    label->setWordWrap(true);
    label->setMinimumWidth(400);
  }
  accounts_ = new QComboBox(this);
  accounts_->setObjectName("interestAccount");
  accounts_->setMinimumWidth(220);
  Refill();
  auto* settings = new QPushButton("科目设置(&S)", this);
  settings->setObjectName("accountSettings");
  settings->setAutoDefault(false);
  connect(settings, &QPushButton::clicked, this, [this] {
    if (ManageAccounts(this, kTypeIncome)) Refill();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("存款利息科目：", this));
  row->addWidget(accounts_);
  row->addWidget(settings);
  row->addStretch();

  auto* ok = new QPushButton("确定", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CDBUpgrade::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(question);
  layout->addLayout(row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDBUpgrade::Refill() {
  const QString kept = accounts_->currentData().toString();
  accounts_->clear();
  CItemCache& chart = CItemCache::Instance();
  chart.MarkDirty();
  for (const CItemCache::Entry& entry : chart.Entries()) {
    if (!entry.leaf || entry.type != kTypeIncome) continue;
    accounts_->addItem(QString::fromStdString(entry.code + " " + chart.FullPath(entry.code)),
                       QString::fromStdString(entry.code));
  }
  int index = accounts_->findData(kept);
  if (index >= 0) accounts_->setCurrentIndex(index);
}

std::string CDBUpgrade::Account() const { return accounts_->currentData().toString().toStdString(); }

bool DesktopUpgradeQuestions::AskInterestAccount(const std::string& data_set, std::string* code) {
  CDBUpgrade dialog(data_set, QApplication::activeWindow());
  dialog.exec();
  *code = dialog.Account();
  return true;
}

bool DesktopUpgradeQuestions::AskCardAccounts(CardChoice* choice) {
  CConvertCreditCard dialog(*choice, QApplication::activeWindow());
  dialog.exec();
  *choice = dialog.Choice();
  return true;
}

}  // namespace cw
