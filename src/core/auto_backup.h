#pragma once
// The automatic backup made at every normal exit (and by `coinwright-cli
// backup --rotate` from cron): at most one rotation of CW_1.db ... CW_<n>.db per
// calendar day; later runs the same day refresh CW_1.db. A lock file in the data
// home keeps two processes from rotating at once.
#include <ctime>
#include <string>
#include <vector>

namespace cw {

enum AutoBackupCode {
  kBackupDone = 0,
  kBackupNoDatabase = 1,    // no data set is open
  kBackupOff = 2,           // RetainFile is 0
  kBackupFolderIsFile = 3,  // the backup folder's path names a file
  kBackupNoFolder = 4,      // the backup folder cannot be created
  kBackupFailed = 5,        // the copy could not be written or put in place
};

struct AutoBackupResult {
  int code = kBackupDone;
  bool rotated = false;               // false: the day's CW_1.db was refreshed
  std::vector<std::string> problems;  // every copy, rename or deletion that failed
};

// Backs up the open data set into the folder of its settings and, when a copy
// was made, stores `now` as BackupTime in Coinwright.ini.
AutoBackupResult AutoBackup(std::time_t now);

// Whether two times fall on the same local calendar day.
bool SameLocalDay(std::time_t a, std::time_t b);

}  // namespace cw
