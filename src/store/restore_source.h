#pragma once
// Restoring the open data set from a copy: the chosen file is checked first,
// then copied into the open connection page by page through the database's
// backup interface, in one step. The live file is never renamed over or
// deleted, so a process that has it open sees the restored data.
#include <string>

namespace cw {

enum class RestoreRefusal {
  kNone,
  kLiveFile,       // the chosen file is the live data file itself
  kUnreadable,     // missing or not readable
  kNotADataSet,    // no database, or one that does not open with the key
  kDamaged,        // fails the integrity check (a truncated copy)
  kNoVersion,      // no version row: not a data set of this program
  kOtherDataSet,   // the demonstration data where user data is open, or the other way round
  kNewer,          // written by a newer program
};

struct RestoreSource {
  RestoreRefusal refusal = RestoreRefusal::kNone;
  std::string detail;  // the engine's explanation where there is one
  int ver_db = 0;      // the file's stored version (Ver_DB), when read
};

// Checks `path` as the source of a restore of the open data set; versions are
// compared in their stored form (major * 65536 + hundredths).
RestoreSource CheckRestoreSource(const std::string& path, int program_ver_db);

// Replaces the contents of the open data set by those of the checked file at
// `path`. False with the cause in *error; the data set is then unchanged.
bool CopyIntoLive(const std::string& path, std::string* error);

}  // namespace cw
