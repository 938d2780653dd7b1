#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include "instance/instance_channel.h"
#include "frame/app_commands.h"

namespace cw {
namespace {

// A copy that holds the lock but does not answer yet is still starting up.
constexpr int kStartingCopyWaitMs = 3000;

}  // namespace

SingleInstance::SingleInstance(const QString& data_home, QObject* parent)
    : QObject(parent), home_(data_home), lock_(InstanceLockPath(data_home)) {
  // Only a dead owner makes the lock stale, never its age: a copy may run for weeks.
  lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
  if (SendToRunningInstance(home_, cmd::kBringToFront, 500)) return false;
  if (!lock_.tryLock(0)) {
    QDeadlineTimer deadline(kStartingCopyWaitMs);
    while (!deadline.hasExpired() && !SendToRunningInstance(home_, cmd::kBringToFront, 200)) QThread::msleep(100);
    return false;
  }
  // The socket file of a copy that died would make listen() fail.
  QLocalServer::removeServer(InstanceServerName(home_));
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
  if (!server_->listen(InstanceServerName(home_))) {
    qWarning("coinwright: cannot listen on %s: %s", qPrintable(InstanceServerName(home_)), qPrintable(server_->errorString()));
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
