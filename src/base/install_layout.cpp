#include "base/install_layout.h"

#include <system_error>

namespace cw {
namespace fs = std::filesystem;

InstallLayout LayoutOfExecutable(const fs::path& executable) {
  std::error_code error;
  const fs::path programDir = executable.parent_path();
  for (fs::path dir = programDir.parent_path(); !dir.empty(); dir = dir.parent_path()) {
    const InstallLayout layout{dir, fs::exists(dir / "CMakeCache.txt", error)};
    if (fs::is_regular_file(layout.SharePath("VERSION"), error)) return layout;
    if (dir == dir.root_path()) break;
  }
  return {programDir.parent_path(), false};
}

const InstallLayout& CurrentLayout() {
  static const InstallLayout layout = [] {
    std::error_code error;
    return LayoutOfExecutable(fs::read_symlink("/proc/self/exe", error));
  }();
  return layout;
}

}  // namespace cw
