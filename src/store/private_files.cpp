#include "store/private_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace cw {
namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

// Takes away what group and others may do (the owner keeps his own rights);
// true when the mode changed.
bool Narrow(const std::string& path, const struct stat& info) {
  if ((info.st_mode & 077) == 0) return false;
  return ::chmod(path.c_str(), info.st_mode & 0700) == 0;
}

// What the program keeps at the top of the data home: the data sets with their
// journals and the settings. (The single-instance lock holds no data.)
bool IsKeptFile(const std::string& name) {
  for (const char* end : {".db", ".db-wal", ".db-shm", ".db-journal", ".db.new"}) {
    if (name.ends_with(end)) return true;
  }
  return name.starts_with("Coinwright.ini");
}

bool IsKeptFolder(const std::string& name) { return name == "Backup" || name == "Temp"; }

// Narrows `path` when it is a real file or folder (not a link); records it.
void TightenOne(const std::string& path, bool folder, std::vector<std::string>* changed) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return;
  if (folder ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode)) return;
  if (Narrow(path, info)) changed->push_back(path);
}

void TightenFolder(const std::string& folder, bool top, std::vector<std::string>* changed) {
  TightenOne(folder, /*folder=*/true, changed);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!top || IsKeptFile(name)) TightenOne(entry.path().string(), /*folder=*/false, changed);
    if (top && IsKeptFolder(name) && entry.is_directory(error) && !entry.is_symlink(error))
      TightenFolder(entry.path().string(), /*top=*/false, changed);
  }
}

}  // namespace

bool MakePrivateFolder(const std::string& folder, std::string* error) {
  struct stat info;
  // A folder that exists already is narrowed, and the user told, when a data set opens.
  const bool existed = ::stat(folder.c_str(), &info) == 0;
  std::error_code failure;
  if (!existed) std::filesystem::create_directories(folder, failure);
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    *error = failure ? failure.message() : existed ? "not a folder" : "cannot be created";
    return false;
  }
  if (!existed && ::chmod(folder.c_str(), kFolderMode) != 0) {
    *error = std::error_code(errno, std::generic_category()).message();
    return false;
  }
  return true;
}

bool CreatePrivateFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

std::vector<std::string> TightenDataHome(const std::string& folder) {
  std::vector<std::string> changed;
  TightenFolder(folder, /*top=*/true, &changed);
  return changed;
}

}  // namespace cw
