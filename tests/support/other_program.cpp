#include "support/other_program.h"

#include <sqlite3.h>

#include "store/database_password.h"

namespace cw::testing {

OtherProgram::OtherProgram(const std::string& path) {
  sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
  const std::string password = internal::DatabasePassword();
  sqlite3_key(db_, password.data(), static_cast<int>(password.size()));
}

OtherProgram::~OtherProgram() {
  Release();
  sqlite3_close_v2(db_);
}

bool OtherProgram::HoldWriteLock() {
  holding_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
  return holding_;
}

void OtherProgram::Release() {
  if (holding_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
  holding_ = false;
}

}  // namespace cw::testing
