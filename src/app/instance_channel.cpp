#include "app/instance_channel.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace cw {
namespace {

constexpr char kSocketName[] = "Coinwright_SingleInstance";

}  // namespace

QString InstanceLockPath(const QString& data_home) { return QDir(data_home).filePath("Coinwright.lock"); }

QString InstanceServerName(const QString& data_home) {
  const QDir home(data_home);
  const QString path = home.canonicalPath().isEmpty() ? home.absolutePath() : home.canonicalPath();
  const QString digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  const QString name = QString("%1-%2").arg(kSocketName, digest);
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return QDir(runtime).filePath(name);
  return QString("%1-%2").arg(name).arg(::getuid());
}

bool SendToRunningInstance(const QString& data_home, int message, int timeout_ms) {
  QLocalSocket socket;
  socket.connectToServer(InstanceServerName(data_home));
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
