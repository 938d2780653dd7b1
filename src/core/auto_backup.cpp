#include "core/auto_backup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/backup_settings.h"
#include "core/settings.h"
#include "store/database.h"
#include "store/rotation.h"
#include "store/snapshot.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

constexpr char kBackupTime[] = "BackupTime";

// Holds an exclusive lock on the data home's backup lock file while it lives.
class RotationLock {
 public:
  RotationLock() {
    const std::string path = Database::DataHome() + "/.backup.lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~RotationLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  RotationLock(const RotationLock&) = delete;
  RotationLock& operator=(const RotationLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

bool SameLocalDay(std::time_t a, std::time_t b) { return LocalDate(a) == LocalDate(b); }

AutoBackupResult AutoBackup(std::time_t now) {
  AutoBackupResult result;
  if (!Database::IsOpen()) {
    result.code = kBackupNoDatabase;
    return result;
  }
  const BackupSettings settings = ReadBackupSettings();
  if (settings.retain <= 0) {
    result.code = kBackupOff;
    return result;
  }
  const int retain = std::min(settings.retain, kMostBackupsKept);
  std::error_code error;
  if (fs::exists(settings.dir, error) && !fs::is_directory(settings.dir, error)) {
    result.code = kBackupFolderIsFile;
    result.problems.push_back(settings.dir + ": 不是文件夹");
    return result;
  }
  if (std::string cause; !EnsurePrivateFolder(settings.dir, &cause)) {
    result.code = kBackupNoFolder;
    result.problems.push_back(cause);
    return result;
  }

  RotationLock lock;
  // Read under the lock: another process may have rotated a moment ago.
  const std::time_t last = settings::GetNumber("", kBackupTime);
  const std::string newest = (fs::path(settings.dir) / RotationName(1)).string();
  std::string cause;
  if (fs::exists(newest, error) && SameLocalDay(last, now)) {
    if (!WriteSnapshot(newest, &cause)) {
      result.code = kBackupFailed;
      result.problems.push_back(cause);
      return result;
    }
  } else {
    // The new copy is whole before any old one moves or goes.
    const std::string fresh = (fs::path(settings.dir) / "CW_XXX_1.db").string();
    if (!WriteSnapshot(fresh, &cause)) {
      result.code = kBackupFailed;
      result.problems.push_back(cause);
      return result;
    }
    if (!RotateIn(settings.dir, retain, fresh, &result.problems)) {
      std::remove(fresh.c_str());
      result.code = kBackupFailed;
      return result;
    }
    result.rotated = true;
  }
  settings::SetNumber("", kBackupTime, static_cast<int>(now));
  return result;
}

}  // namespace cw
