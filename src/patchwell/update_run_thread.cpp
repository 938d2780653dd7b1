#include "patchwell/update_run_thread.h"

#include <QElapsedTimer>
#include <QMetaObject>

#include "base/prompter.h"
#include "patchwell/patchwell_texts.h"
#include "patchwell/program_closer.h"

namespace cw::patchwell {

class UpdateRunThread::Reporter final : public RunObserver {
 public:
  explicit Reporter(UpdateRunThread& thread) : thread_(thread) { since_bytes_.start(); }

  void StageChanged(RunStage stage) override { emit thread_.StageChanged(static_cast<int>(stage)); }
  void VersionsKnown(double installed, double offered) override { emit thread_.VersionsKnown(installed, offered); }
  void DownloadingFile(const std::string& listed, int index, int count) override {
    emit thread_.DownloadingFile(QString::fromStdString(listed), index, count);
  }
  void BytesReceived(std::uint64_t received, std::uint64_t total) override {
    // libcurl reports many times a second; the window needs a few.
    if (received != total && since_bytes_.elapsed() < 50) return;
    since_bytes_.restart();
    emit thread_.BytesReceived(received, total);
  }
  void ReplacingFile(const std::string& listed, int index, int count) override {
    emit thread_.ReplacingFile(QString::fromStdString(listed), index, count);
  }
  bool CloseRunningProgram() override {
    const Ask ask = [this](const std::string& question) {
      bool yes = false;
      QMetaObject::invokeMethod(
          thread_.asker_, [&] { yes = CurrentPrompter().Ask(question, kTitle); }, Qt::BlockingQueuedConnection);
      return yes;
    };
    return patchwell::CloseRunningProgram(thread_.data_home_, ask, thread_.unattended_);
  }

 private:
  UpdateRunThread& thread_;
  QElapsedTimer since_bytes_;
};

UpdateRunThread::UpdateRunThread(RunSettings settings, QString data_home, bool unattended, QObject* asker)
    : settings_(std::move(settings)), data_home_(std::move(data_home)), unattended_(unattended), asker_(asker) {}

UpdateRunThread::~UpdateRunThread() {
  RequestStop();
  wait();
}

void UpdateRunThread::run() {
  Reporter reporter(*this);
  outcome_ = RunUpdate(settings_, reporter, stop_);
}

}  // namespace cw::patchwell
