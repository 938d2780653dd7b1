#include "store/data_file.h"

#include <sqlite3.h>

#include <mutex>

#include "store/database.h"
#include "store/database_password.h"

namespace cw {

DataFile::DataFile(const std::string& path, Mode mode) {
  const int flags = (mode == Mode::kReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_FULLMUTEX;
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc == SQLITE_OK) {
    std::string password = internal::DatabasePassword();
    rc = sqlite3_key(db, password.data(), static_cast<int>(password.size()));
  }
  // A wrong key or a file that is no database opens fine and fails at the first read.
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) {
    error_ = db ? sqlite3_errmsg(db) : "out of memory";
    error_code_ = rc;
    sqlite3_close_v2(db);
    return;
  }
  sqlite3_busy_timeout(db, 5000);
  db_ = db;
}

DataFile::~DataFile() { sqlite3_close_v2(db_); }

std::string IntegrityProblems(sqlite3* db) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) != SQLITE_OK) {
    std::string error = sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    return error;
  }
  std::string problems;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    std::string line = text ? text : "";
    if (line == "ok") continue;
    if (!problems.empty()) problems += "; ";
    problems += line;
  }
  if (rc != SQLITE_DONE) {
    if (!problems.empty()) problems += "; ";
    problems += sqlite3_errmsg(db);
  }
  sqlite3_finalize(stmt);
  return problems;
}

std::string IntegrityOfOpenDataSet() {
  std::lock_guard guard(Database::Lock());
  return Database::Handle() ? IntegrityProblems(Database::Handle()) : "数据库未打开";
}

bool CopyPages(sqlite3* to, sqlite3* from, std::string* error) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  if (!backup) {
    *error = sqlite3_errmsg(to);
    return false;
  }
  int rc = sqlite3_backup_step(backup, -1);
  sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) {
    *error = sqlite3_errstr(rc);
    return false;
  }
  return true;
}

bool ReadInteger(sqlite3* db, const char* sql, long long* value) {
  sqlite3_stmt* stmt = nullptr;
  bool ok = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW;
  if (ok) *value = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  return ok;
}

}  // namespace cw
