#include "store/ui/manual_backup_db.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/exit_sequence.h"
#include "store/ui/database_commands.h"

namespace cw {

CManualBackupDB::CManualBackupDB(int interval, int days, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("数据库备份");
  auto* greeting = new QLabel(QString("    您好，您有%1天没有备份数据库文件了。").arg(days), this);
  greeting->setObjectName("greeting");
  auto* explanation = new QLabel(
      "    电脑故障、误删文件或者病毒都可能让您的数据丢失。建议您经常把数据库备份到U盘、网络硬盘或者"
      "另一台电脑上。\n    程序每次退出时会自动把数据库备份到数据目录的Backup文件夹中，但这些备份和数据库"
      "在同一块硬盘上，不能代替手动备份。",
      this);
  explanation->setWordWrap(true);
  explanation->setMinimumWidth(380);

  intervals_ = new QComboBox(this);
  intervals_->setObjectName("intervals");
  for (int days_choice : ReminderIntervals()) intervals_->addItem(QString("%1天").arg(days_choice), days_choice);
  intervals_->setCurrentIndex(PreselectedReminderInterval(interval));
  auto* interval_row = new QHBoxLayout;
  interval_row->addWidget(new QLabel("提示本窗口的间隔时间：", this));
  interval_row->addWidget(intervals_);
  interval_row->addStretch();

  auto* backup = new QPushButton("备份(&O)", this);
  backup->setObjectName("backup");
  backup->setDefault(true);
  auto* cancel = new QPushButton("取消(&C)", this);
  connect(backup, &QPushButton::clicked, this, &CManualBackupDB::Backup);
  connect(cancel, &QPushButton::clicked, this, &CManualBackupDB::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(backup);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(greeting);
  layout->addWidget(explanation);
  layout->addLayout(interval_row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CManualBackupDB::Interval() const { return intervals_->currentData().toInt(); }

void CManualBackupDB::Backup() {
  if (ManualBackup(this)) accept();
}

}  // namespace cw
