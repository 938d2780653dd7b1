#include "app/instance_channel.h"

#include <unistd.h>

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace cw {
namespace {

constexpr char kSocketName[] = "Coinwright_SingleInstance";

}  // namespace

QString InstanceLockPath(const QString& data_home) { return QDir(data_home).filePath("Coinwright.lock"); }

QString InstanceServerName() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return QDir(runtime).filePath(kSocketName);
  return QString("%1-%2").arg(kSocketName).arg(::getuid());
}

bool SendToRunningInstance(int message, int timeout_ms) {
  QLocalSocket socket;
  socket.connectToServer(InstanceServerName());
  if (!socket.waitForConnected(timeout_ms)) return false;
  socket.write(QByteArray::number(message) + '\n');
  const bool sent = socket.waitForBytesWritten(timeout_ms);
  socket.disconnectFromServer();
  return sent;
}

bool InstanceRunning(const QString& data_home) {
  QLockFile lock(InstanceLockPath(data_home));
  lock.setStaleLockTime(0);  // only a dead owner makes the lock stale
  if (lock.tryLock(0)) {
    lock.unlock();
    return false;
  }
  return lock.error() == QLockFile::LockFailedError;
}

}  // namespace cw
