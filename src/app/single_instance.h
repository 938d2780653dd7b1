#pragma once
// Keeps one copy of the program running per user. The first copy holds a lock
// file in the data home and listens on the local socket
// "Coinwright_SingleInstance"; a later start finds it, sends "bring to front"
// (1174) and ends without touching the database.
//
// The socket lives in $XDG_RUNTIME_DIR (private to the user) when that is set,
// else in the temporary folder under a name carrying the user id. Messages are
// decimal numbers, one per line, so the updater can send its own (2025) over
// the same socket.
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

  // Sends `message` to the running copy; false when none answered in time.
  static bool SendToRunning(int message, int timeout_ms);
  static QString ServerName();

 signals:
  void MessageReceived(int message);

 private:
  void OnConnection();

  QLockFile lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace cw
