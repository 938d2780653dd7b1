#include "store/snapshot.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "store/data_file.h"
#include "store/database.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

void RemoveWithJournal(const std::string& path) {
  for (const char* suffix : {"", "-journal", "-wal", "-shm"}) ::unlink((path + suffix).c_str());
}

// An empty file only the owner may read, for the copy to be written into.
bool CreatePrivateFile(const std::string& path, std::string* error) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    *error = SystemError("cannot create", path);
    return false;
  }
  ::close(fd);
  return true;
}

bool SyncPath(const std::string& path, int flags) {
  int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// Copies every page of the open data set into the file at `path`.
bool CopyLiveInto(const std::string& path, std::string* error) {
  std::lock_guard guard(Database::Lock());
  sqlite3* source = Database::Handle();
  if (!source) {
    *error = "数据库未打开";
    return false;
  }
  DataFile target(path, DataFile::Mode::kWrite);
  if (!target.ok()) {
    *error = target.error();
    return false;
  }
  if (!CopyPages(target.handle(), source, error)) return false;
  // The copied header still names the live file's write-ahead log; a copy is a
  // single file that must open read-only, so it keeps a rollback journal.
  if (sqlite3_exec(target.handle(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK) {
    *error = sqlite3_errmsg(target.handle());
    return false;
  }
  return true;
}

}  // namespace

std::string PartialName(const std::string& target) { return target + ".partial"; }

bool WriteSnapshot(const std::string& target, std::string* error) {
  const std::string partial = PartialName(target);
  RemoveWithJournal(partial);
  bool ok = CreatePrivateFile(partial, error) && CopyLiveInto(partial, error);
  if (ok && !SyncPath(partial, O_RDONLY)) {
    *error = SystemError("cannot write", partial);
    ok = false;
  }
  if (ok && std::rename(partial.c_str(), target.c_str()) != 0) {
    *error = SystemError("cannot rename the copy to", target);
    ok = false;
  }
  if (!ok) {
    RemoveWithJournal(partial);
    return false;
  }
  // The rename itself is kept only when the folder is synced too.
  SyncPath(fs::path(target).parent_path().empty() ? "." : fs::path(target).parent_path().string(),
           O_RDONLY | O_DIRECTORY);
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  bool same = fs::equivalent(a, b, error);
  return !error && same;
}

bool EnsurePrivateFolder(const std::string& folder, std::string* error) {
  std::error_code code;
  if (fs::exists(folder, code)) {
    if (fs::is_directory(folder, code)) return true;
    *error = folder + ": 不是文件夹";
    return false;
  }
  fs::path path(folder);
  std::vector<fs::path> missing;
  for (fs::path p = path; !p.empty() && !fs::exists(p, code); p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (::mkdir(it->c_str(), 0700) != 0 && errno != EEXIST) {
      *error = SystemError("cannot create the folder", it->string());
      return false;
    }
  }
  return true;
}

}  // namespace cw
