#pragma once
// The automatic-backup settings of a data set (one row in the database) and
// the folders and names of the copies.
#include <ctime>
#include <string>

namespace cw {

struct BackupSettings {
  int retain = 5;   // copies kept, 0-15; 0 switches the automatic backup off
  std::string dir;  // the backup folder
};

// The data home's Backup folder: the default backup folder, and the place of
// the safety copies made before a restore or an upgrade.
std::string DefaultBackupFolder();
// The stored settings; without a row, 5 copies in DefaultBackupFolder().
BackupSettings ReadBackupSettings();
// Replaces the stored settings in one transaction. False when that failed
// (message shown).
bool StoreBackupSettings(const BackupSettings& settings);

// The name a manual backup proposes: CW_<yyyymmdd>.db in the data home.
std::string DefaultManualBackupPath(std::time_t now);
// A safety copy's path in the data home's Backup folder: <stem>_<label>.db,
// where <stem> is the open data file's stem ("CW", "CWSample").
std::string SafetyCopyPath(const std::string& label);

// The local calendar date of a time as yyyymmdd, and a time as yyyymmdd_HHMMSS.
int LocalDate(std::time_t when);
std::string LocalStamp(std::time_t when);

}  // namespace cw
