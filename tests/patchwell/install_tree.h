#pragma once
// A small installation in a fresh temporary folder: the programs in bin/ and
// the shared files of version 3.40. Removed with everything in it.
#include <filesystem>
#include <map>
#include <string>

namespace cw::testing {

// Every file (path -> SHA-256 of its bytes) and folder (path/ -> "") below
// `folder`, except the updater's staging folder.
std::map<std::string, std::string> FolderSums(const std::filesystem::path& folder);

class InstallTree {
 public:
  InstallTree();
  ~InstallTree();
  InstallTree(const InstallTree&) = delete;
  InstallTree& operator=(const InstallTree&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Every file (path -> bytes) and folder (path/ -> "") below the folder,
  // except the updater's staging folder.
  std::map<std::string, std::string> Snapshot() const;

 private:
  std::filesystem::path path_;
};

}  // namespace cw::testing
