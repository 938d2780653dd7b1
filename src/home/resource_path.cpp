#include "home/resource_path.h"

#include <filesystem>
#include <system_error>

namespace cw {
namespace fs = std::filesystem;

std::string ResourcePath(const std::string& relative) {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  const fs::path share = fs::path("share") / "coinwright" / relative;
  fs::path installed;
  if (!error) {
    for (fs::path dir = exe.parent_path().parent_path(); !dir.empty(); dir = dir.parent_path()) {
      const fs::path candidate = dir / share;
      if (installed.empty()) installed = candidate;
      if (fs::exists(candidate, error)) return candidate.string();
      if (dir == dir.root_path()) break;
    }
  }
#ifdef CW_SOURCE_SHARE_DIR
  const fs::path source = fs::path(CW_SOURCE_SHARE_DIR) / relative;
  if (fs::exists(source, error)) return source.string();
#endif
  return installed.string();
}

}  // namespace cw
