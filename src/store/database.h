#pragma once
// The one process-wide connection to the open data set.
//
// Two data sets share one layout: the user's own data (0, "CW.db") and the
// demonstration data (1, "CWSample.db"), both encrypted files in the data home.
// All threads share the connection. Every call below takes the connection lock;
// a Transaction holds it for its whole life, so an operation that writes is
// never interleaved with another thread's statements and is kept whole, also
// when the process dies half-way.
#include <functional>
#include <mutex>
#include <string>

#include "store/sql_value.h"

struct sqlite3;

namespace cw {

class Database {
 public:
  enum DataSet { kNone = -1, kUserData = 0, kDemoData = 1 };

  // The folder that holds the data files. Set once at start-up.
  static void SetDataHome(const std::string& folder);
  static const std::string& DataHome();
  // Full path of a data set's file in the data home.
  static std::string FilePath(int which);

  // Builds a missing data file: the connection is opened on a new file beside
  // it, `fill` writes the contents, and only when it succeeded does the file
  // take the data file's name. The connection is closed afterwards.
  static bool CreateDataFile(int which, const std::function<bool()>& fill);

  // 1 opened (or already open), 0 failed ("连接数据库失败！..." shown). `which`
  // -1 reopens the data set used last.
  static int OpenDatabase(int which);
  static void CloseDatabase();
  static int CurrentDatabase();
  static std::string CurrentDatabaseFile();
  static bool IsOpen();
  // Counts the opens of the process, so that caches can tell a reopened or
  // switched data set from the one they were filled from.
  static int OpenGeneration();

  // Runs a statement that returns no rows. 1 done, 0 failed; unless silent the
  // failure is shown as "数据库操作失败！\n\n错误信息:%s。".
  static int Execute(const std::string& sql, const SqlParams& params = {}, bool silent = false);
  // Makes a text column accept the empty text. Columns here always do, so this
  // only checks that the column exists: 1 when it does, else 0.
  static int SetAllowEmpty(const std::string& table, const std::string& column);

  // The plain text of a catalogue statement; empty for an unknown id.
  static std::string LoadStatement(int id);
  // A catalogue statement with its one marked slot "{{SLOT}}" filled with a
  // fragment the program builds from codes it controls (never user text).
  static std::string LoadStatement(int id, const std::string& fragment);

  // Rows changed by the last statement, and the number of the last inserted row.
  static int Changes();

  // How long a statement waits for another program's write before it fails
  // (5 s unless changed); applies to the open connection and every later one.
  static void SetBusyTimeout(int milliseconds);

  // The connection lock: recursive, so an operation may nest calls.
  static std::recursive_mutex& Lock();

  // Internal to the store: the raw sqlite3 handle (null when closed).
  static sqlite3* Handle();
};

// An RAII transaction on the shared connection: holds the connection lock,
// begins at construction (nested guards join the outer transaction) and rolls
// back at destruction unless Commit() was called.
//
// A guard that could not begin (another program holds the write lock past the
// busy timeout, no data set open) says why, and until it goes away every
// statement fails without running: ok() is false from the start, so writers
// return before their first statement.
class Transaction {
 public:
  Transaction();
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // Ends the transaction; false when the commit failed (then nothing was kept).
  [[nodiscard]] bool Commit();
  // Marks the operation failed: the outermost guard rolls back.
  void Fail() { failed_ = true; }
  // False once this operation or any statement within it failed.
  bool ok() const;

 private:
  std::unique_lock<std::recursive_mutex> lock_;
  bool outermost_ = false;
  bool began_ = false;
  bool failed_ = false;
  bool done_ = false;
};

}  // namespace cw
