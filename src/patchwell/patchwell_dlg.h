#pragma once
// CPatchwellDlg: the updater's window "软件升级". The five stages on the left;
// the version line, progress bar, status line, file name and byte counter on
// the right; the check box for the automatic check and the buttons below.
// 开始升级(&S) starts a run on its own thread and becomes 停止(&S) meanwhile.
#include <memory>

#include "patchwell/update_run.h"
#include "ui/own_dialog.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace cw::patchwell {

class UpdateRunThread;

class CPatchwellDlg : public COwnDialog {
  Q_OBJECT
 public:
  // `unattended` (--yes): the window closes itself when the run ends.
  CPatchwellDlg(RunSettings settings, QString data_home, bool unattended, QWidget* parent = nullptr);
  ~CPatchwellDlg() override;

  void StartRun();
  bool Running() const;
  // The result code of the last run, 0 before any.
  int LastResult() const { return last_result_; }

 protected:
  void reject() override;  // 退出(&X), Esc and the window's close button

 private:
  void OnStartStop();
  void OnStage(int stage);
  void OnVersions(double installed, double offered);
  void OnDownloadingFile(const QString& listed, int index, int count);
  void OnBytes(quint64 received, quint64 total);
  void OnReplacingFile(const QString& listed, int index, int count);
  void OnRunFinished();
  // Starts Relaymate and ends the updater.
  void HandOver(bool copy, bool start);
  void MarkStage(int stage);

  RunSettings settings_;
  QString data_home_;
  bool unattended_;
  std::unique_ptr<UpdateRunThread> run_;
  int last_result_ = 0;
  std::string updater_pending_;  // the updater's own new file still to be swapped
  bool leaving_ = false;

  QListWidget* stages_;
  QLabel* version_;
  QProgressBar* progress_;
  QLabel* status_;
  QLabel* file_;
  QLabel* bytes_;
  QCheckBox* auto_check_;
  QPushButton* start_;
  QPushButton* exit_;
};

}  // namespace cw::patchwell
