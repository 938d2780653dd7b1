#pragma once
// The window an export shows while it writes: what is exported where, a bar
// 0..100 and a state line. Not modal; it is centred over its parent.
#include <QDialog>
#include <string>

class QLabel;
class QProgressBar;

namespace cw {

// The state line: "状    态：" and "正在初始化接口" (kExportStarting),
// "已经导出%d%%" (0..100) or "正在保存文件" (kExportSaving).
std::string ExportStateText(int state);

class ExportProgressDialog : public QDialog {
  Q_OBJECT
 public:
  ExportProgressDialog(QWidget* parent, const std::string& format_name, const std::string& file);

  // Shows `state` (output/export_progress.h) and lets the window paint it, so
  // the dialog moves while the export runs on the window's own thread.
  void SetState(int state);
  QString StateText() const;
  int Percent() const;

 private:
  QLabel* state_ = nullptr;
  QProgressBar* bar_ = nullptr;
};

}  // namespace cw
