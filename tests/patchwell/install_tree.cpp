#include "patchwell/install_tree.h"

#include <stdlib.h>

#include <functional>

#include "patchwell/install_places.h"
#include "update/file_bytes.h"
#include "update/update_signature.h"

namespace cw::testing {

namespace fs = std::filesystem;

InstallTree::InstallTree() {
  std::string pattern = (fs::temp_directory_path() / "cw_install_XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
  const struct {
    const char* path;
    const char* bytes;
  } kFiles[] = {{"bin/coinwright", "old desktop program"},
                {"bin/patchwell", "old updater"},
                {"share/coinwright/VERSION", "3.40\n"},
                {"share/coinwright/Default.gif", "old picture"}};
  for (const auto& file : kFiles) {
    fs::create_directories((path_ / file.path).parent_path());
    update::WriteFileBytes(path_ / file.path, file.bytes);
  }
  for (const char* program : {"bin/coinwright", "bin/patchwell"})
    fs::permissions(path_ / program, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
}

InstallTree::~InstallTree() {
  std::error_code error;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(path_, error);
}

namespace {

std::map<std::string, std::string> Describe(const fs::path& folder,
                                            const std::function<std::string(const std::string&)>& content) {
  std::map<std::string, std::string> snapshot;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    const std::string relative = fs::relative(it->path(), folder).string();
    if (relative == patchwell::kStagingName) {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_directory())
      snapshot[relative + "/"] = "";
    else
      snapshot[relative] = content(update::ReadFileBytes(it->path()).value_or("<unreadable>"));
  }
  return snapshot;
}

}  // namespace

std::map<std::string, std::string> FolderSums(const fs::path& folder) { return Describe(folder, update::Sha256Hex); }

std::map<std::string, std::string> InstallTree::Snapshot() const {
  return Describe(path_, [](const std::string& bytes) { return bytes; });
}

}  // namespace cw::testing
