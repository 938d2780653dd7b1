#include "store/database.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "store/catalogue.h"
#include "store/connection.h"
#include "store/database_password.h"
#include "store/failure_cause.h"
#include "store/private_files.h"
#include "store/read_watch.h"

namespace cw {
namespace {

constexpr char kSlot[] = "{{SLOT}}";
// How long a statement waits for another program's write to end.
std::atomic<int> kBusyTimeoutMs{5000};

// Process-wide connection state; guarded by the connection lock.
struct ConnectionState {
  sqlite3* db = nullptr;
  int current = Database::kNone;
  std::atomic<int> generation{0};
  std::string file;
  std::string home = ".";
  // Prepared statements by text; a statement in use is taken out of the pool.
  std::unordered_multimap<std::string, sqlite3_stmt*> pool;
  // Transaction nesting and the failure mark of the outermost one.
  int depth = 0;
  bool failed = false;
  // Guards alive that could not begin: while there is one, no statement runs,
  // so an operation that asked for a transaction never writes without one.
  int refused = 0;
};

ConnectionState& State() {
  static ConnectionState state;
  return state;
}

std::recursive_mutex& LockRef() {
  static std::recursive_mutex lock;
  return lock;
}

const char* FileName(int which) {
  switch (which) {
    case Database::kUserData: return "CW.db";
    case Database::kDemoData: return "CWSample.db";
    default: return nullptr;
  }
}

void FinalizePool(ConnectionState& s) {
  for (auto& [sql, stmt] : s.pool) sqlite3_finalize(stmt);
  s.pool.clear();
}

// Marks an open transaction failed. True when the failure needs no word of
// its own: inside a guard that could not begin, or after the first failure of
// a transaction, that one has said why.
bool AlreadyExplained(ConnectionState& s) {
  const bool explained = s.refused > 0 || (s.depth > 0 && s.failed);
  if (s.depth > 0) s.failed = true;
  return explained;
}

// Runs a fixed statement of the store itself (no parameters, rows ignored).
bool RunPlain(sqlite3* db, const char* sql) {
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool BindAll(sqlite3_stmt* stmt, const SqlParams& params) {
  for (std::size_t i = 0; i < params.size(); ++i) {
    int index = static_cast<int>(i) + 1;
    int rc = std::visit(
        [&](const auto& v) -> int {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::nullptr_t>) return sqlite3_bind_null(stmt, index);
          else if constexpr (std::is_same_v<T, std::int64_t>) return sqlite3_bind_int64(stmt, index, v);
          else if constexpr (std::is_same_v<T, double>) return sqlite3_bind_double(stmt, index, v);
          else return sqlite3_bind_text(stmt, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        },
        params[i]);
    if (rc != SQLITE_OK) return false;
  }
  return true;
}

// Why an existing data file cannot be a data set, before the engine sees it:
// the engine would take a missing or empty file for a new, empty data set.
bool CheckDataFile(const std::string& path, FailureCause* cause) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    *cause = CauseOfSystemError(errno, path);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    *cause = PlainCause("不是数据文件：" + path);
    return false;
  }
  if (info.st_size == 0) {
    *cause = PlainCause("文件是空的：" + path);
    return false;
  }
  return true;
}

// Counts the tables of the open file: a file that opens with the key but holds
// no layout is no data set.
int TableCount(sqlite3* db) {
  sqlite3_stmt* stmt = nullptr;
  int count = 0;
  if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr) == SQLITE_OK &&
      sqlite3_step(stmt) == SQLITE_ROW)
    count = sqlite3_column_int(stmt, 0);
  sqlite3_finalize(stmt);
  return count;
}

// Narrows the data files that others could read, and says so in one message;
// narrowed once, they are not mentioned again.
void TightenFiles(const std::string& home) {
  if (TightenDataHome(home).empty()) return;
  CurrentPrompter().Inform(
      StrFormat("数据目录%s中的数据文件原来其他用户也能读取，现已改为只有您自己能读写。", home.c_str()), "提示",
      PromptStyle::Information);
}

// Opens `path` as the shared connection with the program's key and checks that
// the key fits and that the encrypting engine is the one linked in. Only a
// data file being built (`building`) may be empty; nothing else is created.
bool OpenFile(ConnectionState& s, const std::string& path, bool building, FailureCause* cause) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
  // Before the first read: another process may be writing, and the key check
  // below must wait for it like every later statement does.
  if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, kBusyTimeoutMs.load());
  if (rc == SQLITE_OK) {
    std::string password = internal::DatabasePassword();
    rc = sqlite3_key(db, password.data(), static_cast<int>(password.size()));
  }
  if (rc == SQLITE_OK) {
    // A wrong key opens fine and fails at the first read of the file.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  }
  if (rc == SQLITE_OK) {
    sqlite3_stmt* stmt = nullptr;
    bool cipher = sqlite3_prepare_v2(db, "PRAGMA cipher_version", -1, &stmt, nullptr) == SQLITE_OK &&
                  sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    if (!cipher) {
      *cause = PlainCause("数据库引擎不支持加密");
      sqlite3_close_v2(db);
      return false;
    }
    if (!building && TableCount(db) == 0) rc = SQLITE_NOTADB;
  }
  if (rc != SQLITE_OK) {
    *cause = CauseOf(db, rc, path);
    sqlite3_close_v2(db);
    return false;
  }
  // A write-ahead log keeps every transaction whole across a crash while a
  // booking costs one sequential write; 64 MB of page cache holds a long ledger.
  // The log is copied into the file every 4000 pages: SQLite's 1000 assume
  // 4 KB pages, the encrypted file has 1 KB ones, and a booking that renumbers
  // half a month writes a hundred pages or more.
  RunPlain(db, "PRAGMA journal_mode=WAL");
  RunPlain(db, "PRAGMA synchronous=NORMAL");
  RunPlain(db, "PRAGMA wal_autocheckpoint=4000");
  RunPlain(db, "PRAGMA cache_size=-65536");
  RunPlain(db, "PRAGMA temp_store=MEMORY");
  RunPlain(db, "PRAGMA foreign_keys=OFF");
  s.db = db;
  ++s.generation;
  return true;
}

}  // namespace

// ---- connection -------------------------------------------------------------

void Database::SetDataHome(const std::string& folder) {
  std::lock_guard guard(LockRef());
  State().home = folder;
}

const std::string& Database::DataHome() { return State().home; }

std::string Database::FilePath(int which) {
  const char* name = FileName(which);
  return name ? State().home + "/" + name : std::string();
}

int Database::OpenDatabase(int which) {
  std::lock_guard guard(LockRef());
  ConnectionState& s = State();
  if (s.db) {
    if (which == s.current || which == kNone) return 1;
    CloseDatabase();
  }
  if (which != kNone) s.current = which;
  const char* name = FileName(s.current);
  if (!name) return 0;
  s.file = name;
  const std::string path = FilePath(s.current);
  TightenFiles(s.home);
  FailureCause cause;
  if (!CheckDataFile(path, &cause) || !OpenFile(s, path, /*building=*/false, &cause)) {
    CurrentPrompter().Inform(ConnectFailedMessage(cause), "提示", PromptStyle::Error);
    return 0;
  }
  return 1;
}

bool Database::CreateDataFile(int which, const std::function<bool()>& fill) {
  std::lock_guard guard(LockRef());
  ConnectionState& s = State();
  const std::string path = FilePath(which);
  if (path.empty()) return false;
  const std::string building = path + ".new";
  const auto remove_building = [&building] {
    for (const char* suffix : {"", "-wal", "-shm"}) std::remove((building + suffix).c_str());
  };
  CloseDatabase();
  remove_building();
  // Made private before the first byte is written; the engine gives its
  // journals the mode of the file.
  FailureCause cause;
  if (!CreatePrivateFile(building)) {
    cause = CauseOfSystemError(errno, building);
  } else if (OpenFile(s, building, /*building=*/true, &cause)) {
    bool ok = fill();
    CloseDatabase();
    if (ok && std::rename(building.c_str(), path.c_str()) == 0) return true;
    if (ok) CurrentPrompter().Inform(OperationFailedMessage(CauseOfSystemError(errno, path)), "提示", PromptStyle::Error);
    remove_building();
    return false;
  }
  CurrentPrompter().Inform(ConnectFailedMessage(cause), "提示", PromptStyle::Error);
  remove_building();
  return false;
}

void Database::CloseDatabase() {
  std::lock_guard guard(LockRef());
  ConnectionState& s = State();
  if (!s.db) return;
  FinalizePool(s);
  sqlite3_close_v2(s.db);
  s.db = nullptr;
}

int Database::CurrentDatabase() { return State().current; }
std::string Database::CurrentDatabaseFile() {
  std::lock_guard guard(LockRef());
  return State().file;
}
bool Database::IsOpen() { return State().db != nullptr; }
int Database::OpenGeneration() { return State().generation.load(); }
sqlite3* Database::Handle() { return State().db; }
std::recursive_mutex& Database::Lock() { return LockRef(); }

int Database::Changes() {
  std::lock_guard guard(LockRef());
  return State().db ? sqlite3_changes(State().db) : 0;
}

// ---- statements -------------------------------------------------------------

std::string Database::LoadStatement(int id) { return internal::CatalogueEntry(id); }

std::string Database::LoadStatement(int id, const std::string& fragment) {
  std::string sql = internal::CatalogueEntry(id);
  std::size_t at = sql.find(kSlot);
  if (at != std::string::npos) sql.replace(at, sizeof kSlot - 1, fragment);
  return sql;
}

int Database::Execute(const std::string& sql, const SqlParams& params, bool silent) {
  std::lock_guard guard(LockRef());
  FailureCause cause;
  sqlite3_stmt* stmt = internal::AcquireStatement(sql, params, &cause);
  if (!stmt) {
    internal::ReportFailure(cause, silent);
    return 0;
  }
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) cause = internal::CauseOfLast(rc);
  internal::ReleaseStatement(stmt);
  if (rc != SQLITE_DONE) {
    internal::ReportFailure(cause, silent);
    return 0;
  }
  return 1;
}

int Database::SetAllowEmpty(const std::string& table, const std::string& column) {
  std::lock_guard guard(LockRef());
  if (!State().db) return 0;
  return sqlite3_table_column_metadata(State().db, nullptr, table.c_str(), column.c_str(), nullptr, nullptr,
                                       nullptr, nullptr, nullptr) == SQLITE_OK
             ? 1
             : 0;
}

namespace internal {

sqlite3_stmt* AcquireStatement(const std::string& sql, const SqlParams& params, FailureCause* cause) {
  ConnectionState& s = State();
  if (s.refused > 0) {
    *cause = PlainCause("事务未能开始，语句没有执行");
    return nullptr;
  }
  // Whatever else the operation does is rolled back: it is not run.
  if (s.depth > 0 && s.failed) {
    *cause = PlainCause("操作已失败，语句没有执行");
    return nullptr;
  }
  if (!s.db) {
    *cause = PlainCause("数据库未打开");
    return nullptr;
  }
  sqlite3_stmt* stmt = nullptr;
  auto it = s.pool.find(sql);
  if (it != s.pool.end()) {
    stmt = it->second;
    s.pool.erase(it);
  } else if (int rc = sqlite3_prepare_v2(s.db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
             rc != SQLITE_OK) {
    *cause = CauseOfLast(rc);
    sqlite3_finalize(stmt);
    return nullptr;
  }
  if (!BindAll(stmt, params)) {
    *cause = PlainCause(sqlite3_errmsg(s.db));
    ReleaseStatement(stmt);
    return nullptr;
  }
  return stmt;
}

void ReleaseStatement(sqlite3_stmt* stmt) {
  if (!stmt) return;
  std::lock_guard guard(LockRef());
  ConnectionState& s = State();
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  // Statements of a closed connection were finalized with it; only live ones return.
  if (s.db && sqlite3_db_handle(stmt) == s.db) {
    s.pool.emplace(sqlite3_sql(stmt), stmt);
  } else {
    sqlite3_finalize(stmt);
  }
}

FailureCause CauseOfLast(int rc) {
  ConnectionState& s = State();
  return CauseOf(s.db, rc, s.db ? Database::FilePath(s.current) : std::string());
}

void ReportFailure(const FailureCause& cause, bool silent) {
  ConnectionState& s = State();
  if (AlreadyExplained(s) || silent) return;
  CurrentPrompter().Inform(OperationFailedMessage(cause), "提示", PromptStyle::Error);
}

void ReportQueryFailure(const FailureCause& cause, bool silent, bool while_reading) {
  ConnectionState& s = State();
  if (AlreadyExplained(s) || silent || ReadWatch::RecordFailure(cause.text)) return;
  CurrentPrompter().Inform(while_reading ? ReadFailedMessage(cause.text) : OperationFailedMessage(cause), "提示",
                           PromptStyle::Error);
}

}  // namespace internal

// ---- transactions -----------------------------------------------------------

Transaction::Transaction() : lock_(LockRef()) {
  ConnectionState& s = State();
  if (s.refused == 0 && s.depth > 0) {  // joins the outer transaction
    ++s.depth;
    began_ = true;
    return;
  }
  if (s.refused == 0) {
    // IMMEDIATE takes the write lock now, so the operation either gets all of
    // it or runs nothing; a lock still held after the busy timeout fails here.
    const int rc = s.db ? sqlite3_exec(s.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) : SQLITE_MISUSE;
    if (rc == SQLITE_OK) {
      outermost_ = true;
      s.failed = false;
      ++s.depth;
      began_ = true;
      return;
    }
    internal::ReportFailure(s.db ? internal::CauseOfLast(rc) : PlainCause("数据库未打开"), false);
  }
  ++s.refused;
}

bool Transaction::ok() const { return began_ && !done_ && !failed_ && !State().failed; }

bool Transaction::Commit() {
  if (!began_ || done_) return false;
  done_ = true;
  ConnectionState& s = State();
  --s.depth;
  if (failed_) s.failed = true;
  if (!outermost_) return !s.failed;
  bool committed = false;
  if (!s.failed) {
    const int rc = sqlite3_exec(s.db, "COMMIT", nullptr, nullptr, nullptr);
    committed = rc == SQLITE_OK;
    if (!committed) internal::ReportFailure(internal::CauseOfLast(rc), false);
  }
  if (!committed) RunPlain(s.db, "ROLLBACK");
  s.failed = false;
  return committed;
}

Transaction::~Transaction() {
  if (!began_) {
    --State().refused;
    return;
  }
  if (done_) return;
  failed_ = true;
  (void)Commit();  // not committed: rolls back (the outermost guard) or marks the outer one failed
}

void Database::SetBusyTimeout(int milliseconds) {
  std::lock_guard guard(LockRef());
  kBusyTimeoutMs = milliseconds;
  if (State().db) sqlite3_busy_timeout(State().db, milliseconds);
}

}  // namespace cw
