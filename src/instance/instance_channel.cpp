#include "instance/instance_channel.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>

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

// Reads the lock without taking it: a probe that took the lock for a moment
// would make a copy starting at that moment believe another copy holds it,
// and end.
bool InstanceRunning(const QString& data_home) {
  const QLockFile lock(InstanceLockPath(data_home));
  qint64 pid = 0;
  QString host, application;
  if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0) return false;
  if (host != QSysInfo::machineHostName()) return true;  // another machine's copy: assume alive
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
  // A process that has ended but is not reaped yet has no program file any more.
  char target[1];
  const std::string exe = "/proc/" + std::to_string(pid) + "/exe";
  return ::readlink(exe.c_str(), target, sizeof target) >= 0 || errno != ENOENT;
}

}  // namespace cw
