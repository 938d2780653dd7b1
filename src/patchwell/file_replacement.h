#pragma once
// Replaces installed files with checked downloads so that the installation is
// never left half-updated. Each installed file that is replaced is first moved
// to a saved copy, then the download is renamed into its place; if any file
// fails, every file replaced so far is put back and files that did not exist
// before are removed again.
//
// Invariant: between Replace() calls every replaced path holds the new file
// and its saved copy (if it existed) is in the saved folder.
#include <filesystem>
#include <string>
#include <vector>

namespace cw::patchwell {

class FileReplacement {
 public:
  // `downloads` holds the new files and `saved` receives the old ones, both
  // under the files' relative paths; both lie on the file system of `install`.
  FileReplacement(std::filesystem::path install, std::filesystem::path downloads, std::filesystem::path saved);
  // Puts the files back unless Commit() was called.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Moves the download of `relative` (a normal listed path) into place. False
  // when it cannot: the installed file is not a plain file, or a rename or a
  // folder creation fails; that file is then left as it was.
  [[nodiscard]] bool Replace(const std::string& relative);
  // Puts every replaced file back, newest first. Idempotent.
  void RollBack();
  // Keeps the new files and deletes the saved copies.
  void Commit();

 private:
  struct Done {
    std::filesystem::path target;
    bool had_file;                                  // the saved copy exists
    std::vector<std::filesystem::path> new_folders; // made for the file, deepest last
  };
  bool PutBack(const Done& done, const std::filesystem::path& relative);

  std::filesystem::path install_, downloads_, saved_;
  std::vector<std::pair<std::string, Done>> done_;
  bool finished_ = false;
};

// Puts back the saved copies that a replacement which never finished (the
// updater killed, the machine stopped half-way) left in `saved`, each to its
// place below `install`. True when every one went back.
bool RestoreSavedCopies(const std::filesystem::path& install, const std::filesystem::path& saved);

// The permissions a new file gets: those of the file it replaces, or, for a
// file that is new, rwxr-xr-x for programs in bin/ and rw-r--r-- otherwise.
std::filesystem::perms PermissionsFor(const std::filesystem::path& installed, const std::string& relative);

}  // namespace cw::patchwell
