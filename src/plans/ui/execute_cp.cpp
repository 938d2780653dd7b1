#include "plans/ui/execute_cp.h"

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <atomic>

#include "base/prompter.h"
#include "plans/card_repayment.h"
#include "plans/plan_run.h"
#include "plans/ui/chargeup_plan_confirm.h"

namespace cw {
namespace {

std::atomic<int> running{0};

// A run of this many occurrences or more shows its progress.
constexpr int kShownProgress = 50;

// Runs `work` on the interface thread and waits for it.
void OnInterfaceThread(const std::function<void()>& work) {
  QMetaObject::invokeMethod(qApp, work, Qt::BlockingQueuedConnection);
}

}  // namespace

CExecuteCP::CExecuteCP(QWidget* window, std::function<void()> finished)
    : window_(window), finished_(std::move(finished)) {}

CExecuteCP* CExecuteCP::Start(QWidget* window, int today, std::function<void()> finished) {
  auto* run = new CExecuteCP(window, std::move(finished));
  ++running;
  QThread* thread = QThread::create([run, today] { run->Run(today); });
  connect(thread, &QThread::finished, run, [run, thread] {
    thread->deleteLater();
    if (run->progress_) run->progress_->deleteLater();
    if (run->finished_) run->finished_();
    --running;
    run->deleteLater();
  });
  thread->start();
  return run;
}

void CExecuteCP::WaitForAll() {
  while (running > 0) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void CExecuteCP::Run(int today) {
  PlanRunHost host;
  // The dialogs are modal and without owner, as the run is no part of any window.
  host.confirm = [](std::vector<PlanRun>& runs) {
    OnInterfaceThread([&runs] { CChargeupPlanConfirm(runs, CChargeupPlanConfirm::kConfirm).exec(); });
  };
  host.show_results = [](const std::vector<PlanRun>& runs) {
    OnInterfaceThread([&runs] {
      std::vector<PlanRun> shown = runs;
      CChargeupPlanConfirm(shown, CChargeupPlanConfirm::kResult).exec();
    });
  };
  host.progress = [this](int done, int total) {
    if (total < kShownProgress) return;
    QMetaObject::invokeMethod(this, [this, done, total] { Progress(done, total); }, Qt::QueuedConnection);
  };
  ExecutePlans(today, host, CurrentPrompter());
  RunAutomaticRepayments(today, CurrentPrompter());
}

void CExecuteCP::Progress(int done, int total) {
  if (!progress_) {
    progress_ = new QProgressDialog("正在执行预约记账……", QString(), 0, total, window_);
    progress_->setWindowTitle("预约记账");
    progress_->setMinimumDuration(0);
  }
  progress_->setValue(done);
}

}  // namespace cw
