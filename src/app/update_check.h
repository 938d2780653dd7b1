#pragma once
// The background check for a newer version, started at a logon when
// "AutoUpdate" is set: after a delay (15 seconds) it fetches Update.inf and its
// signature from the server folder under [Web] Update and compares the
// offered version with the installed one (share/coinwright/VERSION). It never
// touches a widget: an offer is reported by a signal; any failure (no server
// set, no key, no connection, a bad signature) ends the check silently.
#include <QString>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

namespace cw {

// The installation's files the check reads.
struct InstalledFiles {
  std::string key;      // the trusted public key
  std::string version;  // the installed version
  static InstalledFiles OfThisProgram();  // share/coinwright/update.pub and VERSION
};

class UpdateCheck : public QThread {
  Q_OBJECT
 public:
  explicit UpdateCheck(std::chrono::milliseconds delay = std::chrono::seconds(15),
                       InstalledFiles files = InstalledFiles::OfThisProgram(), QObject* parent = nullptr);
  // Stops the wait or the download and waits for the thread.
  ~UpdateCheck() override;

 signals:
  void UpdateOffered(double version, const QString& description);

 protected:
  void run() override;

 private:
  bool Stopped();

  std::chrono::milliseconds delay_;
  InstalledFiles files_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
};

}  // namespace cw
