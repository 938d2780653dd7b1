#pragma once
// Keeps one copy of the program running per data home. The first copy holds a
// lock file in the data home and listens on the home's local socket
// "Coinwright_SingleInstance-..."; a later start on the same home finds it,
// sends "bring to front" (1174) and ends without touching the database.
//
// The lock file and the socket are those of instance/instance_channel.h, where the
// updater finds them too.
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace cw {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const QString& data_home, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this is the only copy: it now holds the lock and listens. False
  // when another copy runs; that copy has been sent 1174 (if it answered).
  bool Acquire();

 signals:
  void MessageReceived(int message);

 private:
  void OnConnection();

  QString home_;
  QLockFile lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace cw
