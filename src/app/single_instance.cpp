#include "app/single_instance.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include "frame/app_commands.h"

namespace cw {
namespace {

constexpr char kSocketName[] = "Coinwright_SingleInstance";
// A copy that holds the lock but does not answer yet is still starting up.
constexpr int kStartingCopyWaitMs = 3000;

}  // namespace

SingleInstance::SingleInstance(const QString& data_home, QObject* parent)
    : QObject(parent), lock_(QDir(data_home).filePath("Coinwright.lock")) {
  // Only a dead owner makes the lock stale, never its age: a copy may run for weeks.
  lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return QDir(runtime).filePath(kSocketName);
  return QString("%1-%2").arg(kSocketName).arg(::getuid());
}

bool SingleInstance::SendToRunning(int message, int timeout_ms) {
  QLocalSocket socket;
  socket.connectToServer(ServerName());
  if (!socket.waitForConnected(timeout_ms)) return false;
  socket.write(QByteArray::number(message) + '\n');
  const bool sent = socket.waitForBytesWritten(timeout_ms);
  socket.disconnectFromServer();
  return sent;
}

bool SingleInstance::Acquire() {
  if (SendToRunning(cmd::kBringToFront, 500)) return false;
  if (!lock_.tryLock(0)) {
    QDeadlineTimer deadline(kStartingCopyWaitMs);
    while (!deadline.hasExpired() && !SendToRunning(cmd::kBringToFront, 200)) QThread::msleep(100);
    return false;
  }
  // The socket file of a copy that died would make listen() fail.
  QLocalServer::removeServer(ServerName());
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
  if (!server_->listen(ServerName())) {
    qWarning("coinwright: cannot listen on %s: %s", qPrintable(ServerName()), qPrintable(server_->errorString()));
  }
  return true;
}

void SingleInstance::OnConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    auto drain = [this, socket] {
      while (socket->canReadLine()) {
        bool ok = false;
        const int message = socket->readLine().trimmed().toInt(&ok);
        if (ok) emit MessageReceived(message);
      }
    };
    connect(socket, &QLocalSocket::readyRead, this, drain);
    // A short-lived sender may be gone before readyRead is seen.
    connect(socket, &QLocalSocket::disconnected, this, [socket, drain] {
      drain();
      socket->deleteLater();
    });
    drain();
  }
}

}  // namespace cw
