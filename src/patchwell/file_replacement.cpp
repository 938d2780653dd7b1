#include "patchwell/file_replacement.h"

namespace cw::patchwell {

namespace fs = std::filesystem;

FileReplacement::FileReplacement(fs::path install, fs::path downloads, fs::path saved)
    : install_(std::move(install)), downloads_(std::move(downloads)), saved_(std::move(saved)) {}

FileReplacement::~FileReplacement() {
  if (!finished_) RollBack();
}

bool FileReplacement::Replace(const std::string& relative) {
  std::error_code error;
  Done done{install_ / relative, false, {}};
  const fs::file_status status = fs::symlink_status(done.target, error);
  if (fs::exists(status)) {
    if (!fs::is_regular_file(status)) return false;
    const fs::path saved = saved_ / relative;
    fs::create_directories(saved.parent_path(), error);
    if (error) return false;
    fs::rename(done.target, saved, error);
    if (error) return false;
    done.had_file = true;
  } else {
    for (fs::path folder = done.target.parent_path(); !fs::exists(folder, error); folder = folder.parent_path())
      done.new_folders.insert(done.new_folders.begin(), folder);
    fs::create_directories(done.target.parent_path(), error);
    if (error) {
      PutBack(done, relative);
      return false;
    }
  }
  fs::rename(downloads_ / relative, done.target, error);
  if (error) {
    // The download is still in place; only the old file has to come back.
    if (done.had_file) fs::rename(saved_ / relative, done.target, error);
    for (auto folder = done.new_folders.rbegin(); folder != done.new_folders.rend(); ++folder)
      fs::remove(*folder, error);
    return false;
  }
  done_.emplace_back(relative, std::move(done));
  return true;
}

bool FileReplacement::PutBack(const Done& done, const fs::path& relative) {
  std::error_code error;
  bool ok = true;
  if (done.had_file) {
    fs::rename(saved_ / relative, done.target, error);
    ok = !error;
  } else {
    ok = fs::remove(done.target, error) || !fs::exists(done.target);
  }
  for (auto folder = done.new_folders.rbegin(); folder != done.new_folders.rend(); ++folder)
    fs::remove(*folder, error);  // only empty folders go
  return ok;
}

void FileReplacement::RollBack() {
  for (auto it = done_.rbegin(); it != done_.rend(); ++it) PutBack(it->second, it->first);
  done_.clear();
  finished_ = true;
}

void FileReplacement::Commit() {
  std::error_code error;
  fs::remove_all(saved_, error);
  done_.clear();
  finished_ = true;
}

bool RestoreSavedCopies(const fs::path& install, const fs::path& saved) {
  std::error_code error;
  if (!fs::is_directory(saved, error)) return true;
  bool ok = true;
  for (auto it = fs::recursive_directory_iterator(saved, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    if (!it->is_regular_file()) continue;
    const fs::path target = install / fs::relative(it->path(), saved);
    std::error_code moved;
    fs::create_directories(target.parent_path(), moved);
    fs::rename(it->path(), target, moved);
    ok = ok && !moved;
  }
  return ok && !error;
}

fs::perms PermissionsFor(const fs::path& installed, const std::string& relative) {
  std::error_code error;
  const fs::file_status status = fs::status(installed, error);
  if (!error && fs::is_regular_file(status)) return status.permissions() & fs::perms::mask;
  const bool program = *fs::path(relative).begin() == "bin";
  using enum fs::perms;
  return program ? (owner_all | group_read | group_exec | others_read | others_exec)
                 : (owner_read | owner_write | group_read | others_read);
}

}  // namespace cw::patchwell
