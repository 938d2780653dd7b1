#include "patchwell/install_places.h"

#include <unistd.h>

#include "update/listed_path.h"

namespace cw::patchwell {

bool IsUpdaterFile(std::string_view listed) {
  const auto normal = update::NormalListedPath(listed);
  return normal && fs::path(*normal).filename() == kUpdaterName;
}

bool IsInStaging(std::string_view listed) {
  const auto normal = update::NormalListedPath(listed);
  return normal && *fs::path(*normal).begin() == kStagingName;
}

bool FolderWritable(const fs::path& folder) {
  std::error_code error;
  fs::path existing = folder;
  for (;;) {
    const fs::file_status status = fs::status(existing, error);
    if (fs::exists(status)) break;
    // A folder that cannot even be looked at is not writable either.
    if (status.type() != fs::file_type::not_found || !existing.has_relative_path()) return false;
    existing = existing.parent_path();
  }
  // access() answers for the real user, which is who runs the updater.
  return fs::is_directory(existing, error) && ::access(existing.c_str(), W_OK | X_OK) == 0;
}

}  // namespace cw::patchwell
