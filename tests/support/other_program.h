#pragma once
// A second connection to a data file, standing in for another program that
// writes to it at the same time (another coinwright-cli, the desktop program).
#include <string>

struct sqlite3;

namespace cw::testing {

class OtherProgram {
 public:
  explicit OtherProgram(const std::string& path);
  ~OtherProgram();
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  // Takes the write lock and keeps it until Release().
  bool HoldWriteLock();
  // Ends its write: the lock is free again.
  void Release();

 private:
  sqlite3* db_ = nullptr;
  bool holding_ = false;
};

}  // namespace cw::testing
