#pragma once
// The copies a user asks for: a manual backup to a file of their choice, and
// a restore from such a file. Messages go through the prompter.
#include <ctime>
#include <string>

#include "store/restore_source.h"

namespace cw {

// Writes a copy of the open data set to `path`. Choosing the live file itself
// is refused with the manual-backup message. True when the copy was written.
bool ManualBackupTo(const std::string& path);

enum class RestoreOutcome {
  kRefused,     // the chosen file was refused or could not be copied; nothing changed
  kRestored,    // the data set holds the chosen file's data and is open
  kNotUsable,   // restored, but the restored data needs an upgrade that did not run; the data set is closed
};

// Restores the open data set from `path` after checking the file: the live data
// is saved as Backup/<stem>_before_restore_<date-time>.db first, the user is
// told where, and the data set is opened again (with the version check of
// every opening, since the copy may be older).
RestoreOutcome RestoreDataSet(const std::string& path, std::time_t now);

// The message for a refused restore source.
std::string RefusalText(const RestoreSource& source);

// Writes a safety copy of the open data set as SafetyCopyPath(label). Returns
// its path, or empty with the cause in *error.
std::string WriteSafetyCopy(const std::string& label, std::string* error);

}  // namespace cw
