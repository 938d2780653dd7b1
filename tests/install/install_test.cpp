// The build installed into a fresh prefix, run from there, and removed again:
// what `make install` and `make uninstall` do for a user.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "update/file_bytes.h"
#include "update/verified_update.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

std::string Read(const fs::path& file) { return update::ReadFileBytes(file).value_or(""); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int Shell(const std::string& command) { return ::system((command + " >/dev/null").c_str()); }

class Installed : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "coinwright-install-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    prefix_ = root_ / "prefix";
    ASSERT_EQ(0, Shell(std::string("'" CW_CMAKE "' --install '" CW_BUILD_DIR "' --prefix '") + prefix_.string() + "'"));
  }
  void TearDown() override { fs::remove_all(root_); }
  int Cli(const std::string& words) const {
    return Shell("'" + (prefix_ / "bin/coinwright-cli").string() + "' --home '" + (root_ / "home").string() + "' " + words);
  }

  fs::path root_;
  fs::path prefix_;
};

TEST_F(Installed, RunsFromItsPrefixPublishesItselfAndUninstallsCleanly) {
  const std::vector<std::string> manifest = Lines(Read(prefix_ / "share/coinwright/MANIFEST"));
  for (const char* file : {"bin/coinwright", "bin/coinwright-cli", "bin/relaymate", "share/coinwright/VERSION",
                           "share/coinwright/update.pub", "share/applications/coinwright.desktop",
                           "share/icons/hicolor/scalable/apps/coinwright.svg",
                           "share/icons/hicolor/48x48/apps/coinwright.png"}) {
    EXPECT_NE(manifest.end(), std::find(manifest.begin(), manifest.end(), file)) << file;
  }
  for (const std::string& file : manifest) EXPECT_TRUE(fs::is_regular_file(prefix_ / file)) << file;
  const std::string entry = Read(prefix_ / "share/applications/coinwright.desktop");
  EXPECT_NE(std::string::npos, entry.find("\nExec=" + (prefix_ / "bin/coinwright").string() + "\n")) << entry;
  EXPECT_NE(std::string::npos, entry.find("\nName[zh_CN]=Coinwright家庭理财\n")) << entry;
  EXPECT_NE(std::string::npos, entry.find("\nCategories=Office;Finance;\n")) << entry;

  // The installed tool finds its own installation: it publishes exactly the
  // installed files (not the build folder's), all but the desktop entry.
  const fs::path key = root_ / "release.key";
  const fs::path site = root_ / "site";
  ASSERT_EQ(0, Cli("update keygen '" + key.string() + "'"));
  ASSERT_EQ(0, Cli("update site '" + site.string() + "' --key '" + key.string() + "' --version 9.99"));
  update::VerifiedUpdate offer;
  ASSERT_EQ(update::UpdateResult::kOk,
            update::ReadVerifiedUpdate(Read(site / "Update.inf"), Read(site / "Update.inf.sig"),
                                       *update::ParsePublicKey(Read(key.string() + ".pub")), offer));
  EXPECT_EQ(manifest.size() - 1, offer.info.files.size());
  for (const auto& file : offer.info.files) {
    if (file.path == "share/coinwright/VERSION") continue;
    EXPECT_EQ(Read(prefix_ / file.path), Read(site / file.path)) << file.path;
  }
  EXPECT_EQ("9.99\n", Read(site / "share/coinwright/VERSION"));

  ASSERT_EQ(0, Shell("'" CW_CMAKE "' -DPREFIX='" + prefix_.string() + "' -P '" CW_SOURCE_DIR "/cmake/Uninstall.cmake'"));
  for (const auto& left : fs::recursive_directory_iterator(prefix_))
    EXPECT_TRUE(left.is_directory()) << left.path() << " left behind";
  EXPECT_FALSE(fs::exists(prefix_ / "share/coinwright"));
}

}  // namespace
}  // namespace cw
