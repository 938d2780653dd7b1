#pragma once
// A data file opened on its own connection, beside the shared one: the source
// of a restore being checked, or the target of a copy being written. Opened
// with the program's key; closed when the object goes away.
#include <string>

struct sqlite3;

namespace cw {

class DataFile {
 public:
  enum class Mode { kReadOnly, kWrite };

  // Never creates the file: a copy's target is created (mode 0600) by the caller.
  DataFile(const std::string& path, Mode mode);
  ~DataFile();
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  // False when the file could not be opened or does not read with the key
  // (not a database, another key, an unencrypted file); error() says why.
  bool ok() const { return db_ != nullptr; }
  const std::string& error() const { return error_; }
  // The engine's result code of the failed open (SQLITE_NOTADB, SQLITE_CORRUPT ...).
  int error_code() const { return error_code_; }
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
  std::string error_;
  int error_code_ = 0;
};

// The problems PRAGMA integrity_check finds in a database, joined by "; ";
// empty when it reports "ok".
std::string IntegrityProblems(sqlite3* db);

// Copies every page of database `from` into database `to` in one step through
// the backup interface. False with the cause in *error.
bool CopyPages(sqlite3* to, sqlite3* from, std::string* error);

// IntegrityProblems of the open data set (under the connection lock); a
// sentence when no data set is open.
std::string IntegrityOfOpenDataSet();

// One integer read by a statement without parameters (a pragma, a count);
// false when the statement fails or returns no row.
bool ReadInteger(sqlite3* db, const char* sql, long long* value);

}  // namespace cw
