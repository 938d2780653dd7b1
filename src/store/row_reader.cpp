#include "store/row_reader.h"

#include <sqlite3.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "calendar/calendar.h"
#include "store/connection.h"
#include "store/database.h"

namespace cw {
namespace {

// Day number with the time of day as fraction from "YYYY-MM-DD[ HH:MM:SS]".
double DateValue(std::string_view text) {
  int serial = 0;
  if (text.size() < 10 || !ParseIsoDate(text.substr(0, 10), &serial)) return 0;
  int hh = 0, mm = 0, ss = 0;
  if (text.size() >= 19) std::sscanf(std::string(text.substr(11, 8)).c_str(), "%2d:%2d:%2d", &hh, &mm, &ss);
  return serial + (hh * 3600 + mm * 60 + ss) / 86400.0;
}

struct Word {
  const char* name;
  int type;
};

}  // namespace

CDBPack::CDBPack() = default;
CDBPack::~CDBPack() { Close(); }

bool CDBPack::Open(const std::string& sql, const SqlParams& params, bool silent) {
  std::lock_guard guard(Database::Lock());
  Close();
  failed_ = false;
  silent_ = silent;
  FailureCause cause;
  stmt_ = internal::AcquireStatement(sql, params, &cause);
  if (!stmt_) {
    failed_ = true;
    internal::ReportQueryFailure(cause, silent, /*while_reading=*/false);
    return false;
  }
  columns_.clear();
  recent_next_ = 0;
  std::fill(std::begin(recent_names_), std::end(recent_names_), nullptr);
  for (int i = 0, n = sqlite3_column_count(stmt_); i < n; ++i) {
    columns_.push_back({sqlite3_column_name(stmt_, i), DeclaredType(sqlite3_column_decltype(stmt_, i))});
  }
  Step();
  return !failed_;
}

int CDBPack::Step() {
  if (!stmt_) return end_ = 1;
  std::lock_guard guard(Database::Lock());
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return end_ = 0;
  if (rc != SQLITE_DONE) {
    // Not the end of the rows: the rest could not be read. The caller learns
    // it through Failed(), the watch of its work, or its failed transaction.
    failed_ = true;
    internal::ReportQueryFailure(internal::CauseOfLast(rc), silent_, /*while_reading=*/true);
  }
  Close();
  return end_;
}

int CDBPack::MoveFirst() {
  if (!stmt_) return end_ = 1;
  std::lock_guard guard(Database::Lock());
  sqlite3_reset(stmt_);  // bindings stay, so the query runs again from its first row
  return Step();
}

int CDBPack::MoveNext() { return Step(); }

void CDBPack::Close() {
  if (stmt_) internal::ReleaseStatement(stmt_);
  stmt_ = nullptr;
  end_ = 1;
}

int CDBPack::ColumnIndex(const char* column) const {
  if (!stmt_ || end_) return -1;
  for (int k = 0; k < 8; ++k) {
    int i = recent_indexes_[k];
    if (recent_names_[k] == column && strcasecmp(columns_[i].name.c_str(), column) == 0) return i;
  }
  int found = -1;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (strcasecmp(columns_[i].name.c_str(), column) == 0) {
      found = static_cast<int>(i);
      break;
    }
  }
  if (found >= 0) {
    recent_names_[recent_next_] = column;
    recent_indexes_[recent_next_] = found;
    recent_next_ = (recent_next_ + 1) % 8;
  }
  return found;
}

CDBPack::ColumnType CDBPack::DeclaredType(const char* declared) {
  if (!declared) return ColumnType::kComputed;
  static constexpr Word kWords[] = {
      {"INTEGER", int(ColumnType::kLong)}, {"INT32", int(ColumnType::kLong)},     {"INT16", int(ColumnType::kShort)},
      {"UINT8", int(ColumnType::kByte)},   {"DOUBLE", int(ColumnType::kDouble)}, {"DATETEXT", int(ColumnType::kDate)},
      {"BOOLINT", int(ColumnType::kBool)}, {"TEXT", int(ColumnType::kText)},
  };
  for (const Word& w : kWords) {
    if (strcasecmp(declared, w.name) == 0) return ColumnType(w.type);
  }
  return ColumnType::kOther;
}

CDBPack::ColumnType CDBPack::TypeOf(int index) const {
  if (columns_[index].declared != ColumnType::kComputed) return columns_[index].declared;
  // A computed column (a sum, a count) takes the type of the value it holds.
  switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER: return ColumnType::kLong;
    case SQLITE_FLOAT: return ColumnType::kDouble;
    case SQLITE_TEXT: return ColumnType::kText;
    default: return ColumnType::kOther;
  }
}

SqlValue CDBPack::GetValue(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0) return nullptr;
  switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER: return static_cast<std::int64_t>(sqlite3_column_int64(stmt_, i));
    case SQLITE_FLOAT: return sqlite3_column_double(stmt_, i);
    case SQLITE_TEXT:
      return std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)), sqlite3_column_bytes(stmt_, i));
    default: return nullptr;
  }
}

double CDBPack::GetDouble(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || TypeOf(i) != ColumnType::kDouble || sqlite3_column_type(stmt_, i) == SQLITE_NULL) return 0;
  return sqlite3_column_double(stmt_, i);
}

int CDBPack::GetLong(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || TypeOf(i) != ColumnType::kLong || sqlite3_column_type(stmt_, i) != SQLITE_INTEGER) return 0;
  return static_cast<int>(sqlite3_column_int64(stmt_, i));
}

int CDBPack::GetShort(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || TypeOf(i) != ColumnType::kShort || sqlite3_column_type(stmt_, i) != SQLITE_INTEGER) return 0;
  return static_cast<short>(sqlite3_column_int64(stmt_, i));
}

int CDBPack::GetByte(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || sqlite3_column_type(stmt_, i) != SQLITE_INTEGER) return 0;
  ColumnType type = TypeOf(i);
  // A byte read from a 2-byte column keeps its low 8 bits.
  if (type != ColumnType::kByte && type != ColumnType::kShort) return 0;
  return static_cast<int>(sqlite3_column_int64(stmt_, i) & 0xFF);
}

double CDBPack::GetDate(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || sqlite3_column_type(stmt_, i) != SQLITE_TEXT) return 0;
  // A stored date, or a computed one such as MAX(Input_Time).
  ColumnType declared = columns_[i].declared;
  if (declared != ColumnType::kDate && declared != ColumnType::kComputed) return 0;
  return DateValue(std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)),
                                    sqlite3_column_bytes(stmt_, i)));
}

bool CDBPack::GetBool(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || TypeOf(i) != ColumnType::kBool || sqlite3_column_type(stmt_, i) != SQLITE_INTEGER) return false;
  return sqlite3_column_int64(stmt_, i) != 0;
}

std::string CDBPack::GetText(const char* column) const {
  int i = ColumnIndex(column);
  if (i < 0 || TypeOf(i) != ColumnType::kText || sqlite3_column_type(stmt_, i) != SQLITE_TEXT) return {};
  return std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)), sqlite3_column_bytes(stmt_, i));
}

}  // namespace cw
