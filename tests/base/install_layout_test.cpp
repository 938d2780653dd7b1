#include "base/install_layout.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <vector>

namespace cw {
namespace {
namespace fs = std::filesystem;

class InstallLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "coinwright-layout-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  void TearDown() override { fs::remove_all(root_); }
  static void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
  }
  fs::path root_;
};

TEST_F(InstallLayoutTest, FindsThePrefixFromEveryPlaceTheProgramsRunFrom) {
  const struct {
    const char* name;
    std::vector<std::string> files;
    const char* executable;
    const char* prefix;
    bool buildTree;
  } kCases[] = {
      {"user installation", {"home/.local/bin/coinwright", "home/.local/share/coinwright/VERSION"},
       "home/.local/bin/coinwright", "home/.local", false},
      {"package", {"usr/bin/patchwell", "usr/share/coinwright/VERSION"}, "usr/bin/patchwell", "usr", false},
      // The source tree's share/coinwright has no VERSION: the build folder is taken.
      {"build folder",
       {"src/build/CMakeCache.txt", "src/build/share/coinwright/VERSION", "src/share/coinwright/Default.gif"},
       "src/build/src/app/coinwright", "src/build", true},
      {"test program in the build folder", {"b/CMakeCache.txt", "b/share/coinwright/VERSION"},
       "b/tests/base/cw_base_tests", "b", true},
      {"the nearest prefix wins", {"opt/cw/share/coinwright/VERSION", "opt/share/coinwright/VERSION"},
       "opt/cw/bin/coinwright", "opt/cw", false},
      {"a VERSION folder is no mark", {"x/share/coinwright/VERSION/stray"}, "x/bin/coinwright", "x", false},
      {"nothing installed, where it would be", {}, "loose/bin/coinwright", "loose", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const fs::path place = root_ / c.name;
    for (const std::string& file : c.files) Touch(place / file);
    const InstallLayout layout = LayoutOfExecutable(place / c.executable);
    EXPECT_EQ(place / c.prefix, layout.prefix);
    EXPECT_EQ(c.buildTree, layout.buildTree);
    EXPECT_EQ(place / c.prefix / "share/coinwright/Config/DailyNotes.xml", layout.SharePath("Config/DailyNotes.xml"));
    EXPECT_EQ(place / c.prefix / "bin/relaymate", layout.ProgramPath("relaymate"));
  }
}

// This test program runs from the build folder, which has the shape of an
// installation: the programs linked into bin/, the shared files beside VERSION.
TEST(CurrentLayoutTest, BuildFolderLooksLikeAnInstallation) {
  const InstallLayout& layout = CurrentLayout();
  EXPECT_EQ(fs::path(CW_BUILD_DIR), layout.prefix);
  EXPECT_TRUE(layout.buildTree);
  for (const char* file : {"VERSION", "MANIFEST", "Default.gif", "Config/DailyNotes.xml", "update.pub"})
    EXPECT_TRUE(fs::exists(layout.SharePath(file))) << file;
  for (const char* program : {"coinwright", "coinwright-cli", "relaymate"})
    EXPECT_TRUE(fs::is_symlink(layout.ProgramPath(program))) << program;
}

}  // namespace
}  // namespace cw
