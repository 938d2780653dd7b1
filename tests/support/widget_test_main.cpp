// The main of every widget test program: the offscreen platform, and a private
// runtime folder, which also keeps the single-instance socket of each test
// program apart from any running copy.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  std::string runtime = (std::filesystem::temp_directory_path() / "cw-widget-test-XXXXXX").string();
  const bool private_runtime = mkdtemp(runtime.data()) != nullptr;
  if (private_runtime) setenv("XDG_RUNTIME_DIR", runtime.c_str(), /*overwrite=*/1);

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  if (private_runtime) std::filesystem::remove_all(runtime);
  return result;
}
