#include "store/data_set_mark.h"

#include <string>

#include "store/data_file.h"
#include "store/database.h"

namespace cw {
namespace {

constexpr long long kUserMark = 0x43575544;  // "CWUD"
constexpr long long kDemoMark = 0x4357444D;  // "CWDM"

}  // namespace

bool MarkOpenDataSet(int which) {
  long long mark = which == Database::kDemoData ? kDemoMark : kUserMark;
  return Database::Execute("PRAGMA application_id = " + std::to_string(mark)) != 0;
}

int DataSetOfFile(sqlite3* db) {
  long long mark = 0;
  if (!ReadInteger(db, "PRAGMA application_id", &mark)) return Database::kNone;
  if (mark == 0 || mark == kUserMark) return Database::kUserData;
  return mark == kDemoMark ? Database::kDemoData : Database::kNone;
}

}  // namespace cw
