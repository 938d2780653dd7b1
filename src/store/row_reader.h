#pragma once
// CDBPack: the reader of one query's rows. Made on the stack for each query:
//
//   CDBPack rows;
//   rows.Open(Database::LoadStatement(413), {first_day, last_number});
//   while (!rows.IsEnd()) { int n = rows.GetLong("Voucher_No"); ...; rows.MoveNext(); }
//
// The typed getters follow the column's declared type and return the neutral
// value (0, false, empty text) when it is another type, when the value is null,
// when the column is missing or when there is no current row.
#include <string>
#include <vector>

#include "store/sql_value.h"

struct sqlite3_stmt;

namespace cw {

class CDBPack {
 public:
  CDBPack();
  virtual ~CDBPack();
  CDBPack(const CDBPack&) = delete;
  CDBPack& operator=(const CDBPack&) = delete;

  // Runs the query and keeps its rows. False when the statement failed (shown as
  // "数据库操作失败！..." unless silent or inside a ReadWatch); the reader is then at end.
  bool Open(const std::string& sql, const SqlParams& params = {}, bool silent = false);
  // Both return the new end flag (1 = no current row). A row that cannot be
  // read ends the rows too, but as a failure: Failed() turns true, the failure
  // is shown as "数据库读取失败！..." (or recorded in the ReadWatch of the work)
  // and an open transaction fails.
  int MoveFirst();
  int MoveNext();
  bool IsEnd() const { return end_ != 0; }
  // True when the query failed, at its start or at a later row.
  bool Failed() const { return failed_; }
  void Close();

  // The raw value of a column; null when missing or at end.
  SqlValue GetValue(const char* column) const;
  double GetDouble(const char* column) const;
  int GetLong(const char* column) const;
  int GetShort(const char* column) const;
  int GetByte(const char* column) const;
  // Day number since 1899-12-30; the fraction is the time of day.
  double GetDate(const char* column) const;
  bool GetBool(const char* column) const;
  std::string GetText(const char* column) const;

 private:
  enum class ColumnType { kComputed, kOther, kLong, kShort, kByte, kDouble, kDate, kBool, kText };
  struct Column {
    std::string name;
    ColumnType declared;
  };
  static ColumnType DeclaredType(const char* declared);
  int ColumnIndex(const char* column) const;
  ColumnType TypeOf(int index) const;
  int Step();

  sqlite3_stmt* stmt_ = nullptr;
  int end_ = 1;
  bool failed_ = false;
  bool silent_ = false;
  std::vector<Column> columns_;
  // Callers name columns with literals: the last few lookups are remembered by address.
  mutable const char* recent_names_[8] = {};
  mutable int recent_indexes_[8] = {};
  mutable int recent_next_ = 0;
};

}  // namespace cw
