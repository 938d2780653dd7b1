#include "support/temp_install.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

namespace cw::testing {
namespace {

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

bool Quietly(const std::string& command) { return ::system((command + " >/dev/null").c_str()) == 0; }

}  // namespace

TempInstall::TempInstall() {
  std::string pattern = (std::filesystem::temp_directory_path() / "coinwright-install-XXXXXX").string();
  root_ = mkdtemp(pattern.data());
  const std::filesystem::path prefix = root_ / "prefix";
  if (Quietly(Quoted(CW_CMAKE) + " --install " + Quoted(CW_BUILD_DIR) + " --prefix " + Quoted(prefix)))
    prefix_ = prefix;
  else
    ADD_FAILURE() << "cmake --install into " << prefix << " failed";
}

TempInstall::~TempInstall() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

bool TempInstall::Uninstall() const {
  return Quietly(Quoted(CW_CMAKE) + " -DPREFIX=" + Quoted(prefix_) + " -P " +
                 Quoted(std::filesystem::path(CW_SOURCE_DIR) / "cmake/Uninstall.cmake"));
}

}  // namespace cw::testing
