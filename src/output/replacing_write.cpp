#include "output/replacing_write.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <system_error>

namespace cw {
namespace {

// Reserves a unique name next to the target (mkstemp creates it empty).
std::filesystem::path ReserveTemporary(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) throw ExportError("cannot create a file in " + folder.string() + ": " + std::generic_category().message(errno));
  // An export is an ordinary document: the permissions a new file gets, not
  // mkstemp's owner-only ones.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ::close(fd);
  return pattern;
}

}  // namespace

void WriteReplacing(const std::filesystem::path& target,
                    const std::function<void(const std::filesystem::path& temporary)>& write) {
  const std::filesystem::path temporary = ReserveTemporary(target);
  try {
    write(temporary);
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) throw ExportError("cannot write " + target.string() + ": " + error.message());
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw;
  }
}

}  // namespace cw
