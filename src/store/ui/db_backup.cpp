#include "store/ui/db_backup.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "core/backup_settings.h"
#include "store/rotation.h"
#include "store/snapshot.h"

namespace cw {

CDBBackup::CDBBackup(QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("数据库自动备份");
  const BackupSettings settings = ReadBackupSettings();
  folder_ = new QLineEdit(QString::fromStdString(settings.dir), this);
  folder_->setObjectName("folder");
  folder_->setMinimumWidth(320);
  auto* browse = new QPushButton("浏览(&B)...", this);
  browse->setObjectName("browse");
  connect(browse, &QPushButton::clicked, this, &CDBBackup::Browse);
  auto* folder_row = new QHBoxLayout;
  folder_row->addWidget(folder_);
  folder_row->addWidget(browse);

  retain_ = new QSpinBox(this);
  retain_->setObjectName("retain");
  retain_->setRange(0, kMostBackupsKept);
  retain_->setValue(settings.retain);

  auto* form = new QFormLayout;
  form->addRow("备份文件夹：", folder_row);
  form->addRow("保留文件数：", retain_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDBBackup::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDBBackup::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDBBackup::Browse() {
  std::string error;
  EnsurePrivateFolder(DefaultBackupFolder(), &error);  // the chooser opens there; a failure only moves its start
  const QString chosen = QFileDialog::getExistingDirectory(this, "请选择数据库的备份文件夹",
                                                           QString::fromStdString(DefaultBackupFolder()));
  if (!chosen.isEmpty()) folder_->setText(chosen);
}

void CDBBackup::accept() {
  const std::string folder = folder_->text().trimmed().toStdString();
  if (folder.empty()) {
    CurrentPrompter().Inform("请输入备份文件夹。", "操作错误", PromptStyle::Error);
    folder_->setFocus();
    return;
  }
  if (StoreBackupSettings({retain_->value(), folder})) COwnDialog::accept();
}

}  // namespace cw
