#include "store/compaction.h"

#include <sqlite3.h>

#include <mutex>

#include "store/data_file.h"
#include "store/database.h"

namespace cw {
namespace {

int Tick(void* context) {
  (*static_cast<const std::function<void()>*>(context))();
  return 0;  // never interrupts
}

}  // namespace

bool CompactLive(const std::function<void()>& tick, std::string* error) {
  std::lock_guard guard(Database::Lock());
  sqlite3* db = Database::Handle();
  if (!db) {
    *error = "数据库未打开";
    return false;
  }
  if (std::string problems = IntegrityProblems(db); !problems.empty()) {
    *error = "数据库文件已损坏，未压缩（" + problems + "）";
    return false;
  }
  if (tick) sqlite3_progress_handler(db, 1000, Tick, const_cast<std::function<void()>*>(&tick));
  int rc = sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr);
  if (tick) sqlite3_progress_handler(db, 0, nullptr, nullptr);
  if (rc != SQLITE_OK) {
    *error = sqlite3_errmsg(db);
    return false;
  }
  // The rewritten pages sit in the write-ahead log until they are copied back;
  // only then does the file shrink.
  sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
  if (std::string problems = IntegrityProblems(db); !problems.empty()) {
    *error = "压缩后的数据库检查失败（" + problems + "）";
    return false;
  }
  return true;
}

}  // namespace cw
