#include "patchwell/program_closer.h"

#include <QDeadlineTimer>
#include <QThread>

#include "instance/instance_channel.h"
#include "base/gbk_text.h"
#include "base/product.h"
#include "patchwell/patchwell_texts.h"

namespace cw::patchwell {
namespace {

constexpr int kCloseMessage = 2025;

bool WaitForEnd(const QString& data_home, const CloseTiming& timing) {
  QDeadlineTimer deadline(timing.wait);
  while (InstanceRunning(data_home)) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(timing.poll.count());
  }
  return true;
}

}  // namespace

bool CloseRunningProgram(const QString& data_home, const Ask& ask, bool unattended, const CloseTiming& timing) {
  if (!InstanceRunning(data_home)) return true;
  if (!ask(StrFormat(kAskClose, kProductName))) return false;
  for (;;) {
    SendToRunningInstance(data_home, kCloseMessage, 1000);
    if (WaitForEnd(data_home, timing)) return true;
    if (unattended || !ask(StrFormat(kAskCloseByHand, kProductName, kProductName))) return false;
  }
}

}  // namespace cw::patchwell
