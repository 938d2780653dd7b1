#include "store/restore_source.h"

#include <sqlite3.h>
#include <unistd.h>

#include <mutex>

#include "store/data_file.h"
#include "store/data_set_mark.h"
#include "store/database.h"
#include "store/snapshot.h"

namespace cw {

RestoreSource CheckRestoreSource(const std::string& path, int program_ver_db) {
  RestoreSource source;
  auto refuse = [&](RestoreRefusal refusal, std::string detail = {}) {
    source.refusal = refusal;
    source.detail = std::move(detail);
    return source;
  };
  if (SameFile(path, Database::FilePath(Database::CurrentDatabase()))) return refuse(RestoreRefusal::kLiveFile);
  if (::access(path.c_str(), R_OK) != 0) return refuse(RestoreRefusal::kUnreadable);
  DataFile file(path, DataFile::Mode::kReadOnly);
  if (!file.ok()) {
    // A file that opens with the key but breaks off is a damaged copy, not a stranger.
    bool damaged = (file.error_code() & 0xff) == SQLITE_CORRUPT;
    return refuse(damaged ? RestoreRefusal::kDamaged : RestoreRefusal::kNotADataSet, file.error());
  }
  if (std::string problems = IntegrityProblems(file.handle()); !problems.empty()) {
    return refuse(RestoreRefusal::kDamaged, problems);
  }
  long long ver_db = 0;
  if (!ReadInteger(file.handle(), "SELECT Ver_DB FROM DBVersion", &ver_db)) return refuse(RestoreRefusal::kNoVersion);
  source.ver_db = static_cast<int>(ver_db);
  if (DataSetOfFile(file.handle()) != Database::CurrentDatabase()) return refuse(RestoreRefusal::kOtherDataSet);
  if (ver_db > program_ver_db) return refuse(RestoreRefusal::kNewer);
  return source;
}

bool CopyIntoLive(const std::string& path, std::string* error) {
  DataFile file(path, DataFile::Mode::kReadOnly);
  if (!file.ok()) {
    *error = file.error();
    return false;
  }
  std::lock_guard guard(Database::Lock());
  sqlite3* live = Database::Handle();
  if (!live) {
    *error = "数据库未打开";
    return false;
  }
  return CopyPages(live, file.handle(), error);
}

}  // namespace cw
