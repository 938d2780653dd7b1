#include "support/temp_home.h"

#include <stdlib.h>

#include <filesystem>

#include "store/database.h"

namespace cw::testing {

TempHome::TempHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "coinwright-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
  Database::SetDataHome(path_);
}

TempHome::~TempHome() {
  Database::CloseDatabase();
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace cw::testing
