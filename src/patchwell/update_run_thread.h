#pragma once
// One updater run on its own thread. The run reports through the signals
// below, which reach the window's thread queued; questions (closing the
// desktop program) are asked on the window's thread while the run waits. The
// stop flag is the only state the two threads share.
#include <QString>
#include <QThread>
#include <atomic>

#include "patchwell/update_run.h"

namespace cw::patchwell {

class UpdateRunThread : public QThread {
  Q_OBJECT
 public:
  // `asker` is the object on whose thread questions are asked.
  UpdateRunThread(RunSettings settings, QString data_home, bool unattended, QObject* asker);
  ~UpdateRunThread() override;

  void RequestStop() { stop_ = true; }
  bool StopRequested() const { return stop_; }
  // Valid once the thread has finished.
  const RunOutcome& Outcome() const { return outcome_; }

 signals:
  void StageChanged(int stage);
  void VersionsKnown(double installed, double offered);
  void DownloadingFile(const QString& listed, int index, int count);
  void BytesReceived(quint64 received, quint64 total);
  void ReplacingFile(const QString& listed, int index, int count);

 protected:
  void run() override;

 private:
  class Reporter;

  RunSettings settings_;
  QString data_home_;
  bool unattended_;
  QObject* asker_;
  std::atomic<bool> stop_{false};
  RunOutcome outcome_;
};

}  // namespace cw::patchwell
