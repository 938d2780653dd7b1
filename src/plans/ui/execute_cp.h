#pragma once
// CExecuteCP: the scheduled-booking run after a login, on a worker thread of
// its own. The worker books the due plans, then the automatic card
// repayments; it never touches a widget: the confirmation and result dialogs,
// the progress of a long run and every message are shown by the interface
// thread, the worker waiting where it needs an answer. When the run has
// finished, `finished` runs on the interface thread (the frame refreshes the
// module shown: command 1199).
#include <QObject>
#include <functional>

class QProgressDialog;
class QThread;

namespace cw {

class CExecuteCP : public QObject {
  Q_OBJECT
 public:
  // Starts the run for the logged-in user on `today`. The object deletes
  // itself when the run has finished.
  static CExecuteCP* Start(QWidget* window, int today, std::function<void()> finished);

  // Waits until every run started has finished (the frame's closing, tests).
  static void WaitForAll();

 private:
  CExecuteCP(QWidget* window, std::function<void()> finished);
  void Run(int today);  // on the worker thread
  void Progress(int done, int total);  // on the interface thread

  QWidget* window_ = nullptr;
  std::function<void()> finished_;
  QProgressDialog* progress_ = nullptr;
};

}  // namespace cw
