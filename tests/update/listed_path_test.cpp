#include "update/listed_path.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cw::update {
namespace {

TEST(ListedPathTest, NormalisesOrRefuses) {
  const struct {
    const char* listed;
    const char* normal;  // nullptr: refused
  } kCases[] = {
      {"Coinwright.exe", "Coinwright.exe"},
      {"Config\\DailyNotes.xml", "Config/DailyNotes.xml"},
      {"share/coinwright/./VERSION", "share/coinwright/VERSION"},
      {"a\\\\b", "a/b"},
      {"..x/y..", "..x/y.."},
      {"", nullptr},
      {".", nullptr},
      {"/etc/passwd", nullptr},
      {"\\Windows\\x.dll", nullptr},
      {"C:\\x.dll", nullptr},
      {"c:x.dll", nullptr},
      {"..", nullptr},
      {"..\\..\\.bashrc", nullptr},
      {"bin/../../x", nullptr},
      {"bin/", nullptr},
      {"a\nb", nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.listed);
    const auto normal = NormalListedPath(c.listed);
    if (c.normal) {
      ASSERT_TRUE(normal);
      EXPECT_EQ(c.normal, *normal);
    } else {
      EXPECT_FALSE(normal);
    }
  }
}

TEST(ListedPathTest, SymbolicLinkOutOfTheFolderIsRefused) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("cw_listed_path_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "install/bin");
  fs::create_directories(root / "outside");
  fs::create_directory_symlink(root / "outside", root / "install/escape");

  const auto inside = PlaceBelow(root / "install", "bin\\new\\file");
  ASSERT_TRUE(inside);
  EXPECT_EQ(fs::weakly_canonical(root / "install/bin/new/file"), *inside);
  EXPECT_FALSE(PlaceBelow(root / "install", "escape/file"));
  EXPECT_FALSE(PlaceBelow(root / "install", "../outside/file"));
  fs::remove_all(root);
}

}  // namespace
}  // namespace cw::update
