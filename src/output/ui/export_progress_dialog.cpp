#include "output/ui/export_progress_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <cstdio>

#include "output/export_progress.h"

namespace cw {

std::string ExportStateText(int state) {
  std::string text = "状    态：";
  if (state == kExportStarting) return text + "正在初始化接口";
  if (state == kExportSaving) return text + "正在保存文件";
  char percent[32];
  std::snprintf(percent, sizeof percent, "已经导出%d%%", state);
  return text + percent;
}

ExportProgressDialog::ExportProgressDialog(QWidget* parent, const std::string& format_name, const std::string& file)
    : QDialog(parent) {
  setObjectName("exportProgress");
  setWindowTitle(QString::fromUtf8("导出"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* what = new QLabel(QString::fromStdString("导出类型：" + format_name + "\n\n导出文件：" + file), this);
  what->setObjectName("exportWhat");
  bar_ = new QProgressBar(this);
  bar_->setRange(0, 100);
  bar_->setValue(0);
  state_ = new QLabel(this);
  state_->setObjectName("exportState");
  layout->addWidget(what);
  layout->addWidget(bar_);
  layout->addWidget(state_);
  setMinimumWidth(360);
  SetState(kExportStarting);
}

void ExportProgressDialog::SetState(int state) {
  if (state >= 0) bar_->setValue(state);
  state_->setText(QString::fromStdString(ExportStateText(state)));
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString ExportProgressDialog::StateText() const { return state_->text(); }

int ExportProgressDialog::Percent() const { return bar_->value(); }

}  // namespace cw
