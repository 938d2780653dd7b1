#pragma once
// Drives modal dialogs from tests: a dialog shown with exec() blocks the
// caller, so the steps for it are armed beforehand and run from a timer inside
// the dialog's own event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace cw::testing {

// Waits (polling inside any event loop) for the next modal dialog of type T
// and runs `steps` on it once. When no such dialog shows within `timeout_ms`,
// whatever modal dialog is open then is rejected, so that a failing test ends
// instead of hanging; `*done` tells whether the steps ran.
template <typename T>
void OnModal(std::function<void(T*)> steps, bool* done = nullptr, int timeout_ms = 15000) {
  if (done) *done = false;
  auto* timer = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, steps, done, timeout_ms] {
    *waited += 20;
    T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      steps(dialog);
      if (done) *done = true;
      return;
    }
    if (*waited >= timeout_ms) {
      timer->stop();
      timer->deleteLater();
      if (auto* stray = qobject_cast<QDialog*>(QApplication::activeModalWidget())) stray->reject();
    }
  });
  timer->start();
}

}  // namespace cw::testing
