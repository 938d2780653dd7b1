// The build installed into a fresh prefix, run from there, and removed again:
// what `make install` and `make uninstall` do for a user.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_install.h"
#include "update/file_bytes.h"
#include "update/verified_update.h"

namespace cw::testing {
namespace {
namespace fs = std::filesystem;

std::string Read(const fs::path& file) { return update::ReadFileBytes(file).value_or(""); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Runs one of the installed programs with a data home of its own; its exit code.
int RunInstalled(const TempInstall& installed, const std::string& program, const std::string& words) {
  const std::string command = "'" + installed.Program(program).string() + "' --home '" +
                              (installed.scratch() / "home").string() + "' " + words + " >/dev/null";
  return ::system(command.c_str());
}

TEST(Installation, RunsFromItsPrefixPublishesItselfAndUninstallsCleanly) {
  const TempInstall installed;
  const fs::path& prefix = installed.prefix();
  ASSERT_FALSE(prefix.empty());
  const std::vector<std::string> manifest = Lines(Read(prefix / "share/coinwright/MANIFEST"));
  for (const char* file : {"bin/coinwright", "bin/coinwright-cli", "bin/patchwell", "bin/relaymate", "share/coinwright/VERSION",
                           "share/coinwright/update.pub", "share/applications/coinwright.desktop",
                           "share/icons/hicolor/scalable/apps/coinwright.svg",
                           "share/icons/hicolor/48x48/apps/coinwright.png"}) {
    EXPECT_NE(manifest.end(), std::find(manifest.begin(), manifest.end(), file)) << file;
  }
  for (const std::string& file : manifest) EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
  const std::string entry = Read(prefix / "share/applications/coinwright.desktop");
  EXPECT_NE(std::string::npos, entry.find("\nExec=" + (prefix / "bin/coinwright").string() + "\n")) << entry;
  EXPECT_NE(std::string::npos, entry.find("\nName[zh_CN]=Coinwright家庭理财\n")) << entry;
  EXPECT_NE(std::string::npos, entry.find("\nCategories=Office;Finance;\n")) << entry;

  // The installed tool finds its own installation: it publishes exactly the
  // installed files (not the build folder's), all but the desktop entry.
  const fs::path key = installed.scratch() / "release.key";
  const fs::path site = installed.scratch() / "site";
  ASSERT_EQ(0, RunInstalled(installed, "coinwright-cli", "update keygen '" + key.string() + "'"));
  ASSERT_EQ(0, RunInstalled(installed, "coinwright-cli",
                   "update site '" + site.string() + "' --key '" + key.string() + "' --version 9.99"));
  update::VerifiedUpdate offer;
  ASSERT_EQ(update::UpdateResult::kOk,
            update::ReadVerifiedUpdate(Read(site / "Update.inf"), Read(site / "Update.inf.sig"),
                                       *update::ParsePublicKey(Read(key.string() + ".pub")), offer));
  EXPECT_EQ(manifest.size() - 1, offer.info.files.size());
  for (const auto& file : offer.info.files) {
    if (file.path == "share/coinwright/VERSION") continue;
    EXPECT_EQ(Read(prefix / file.path), Read(site / file.path)) << file.path;
  }
  EXPECT_EQ("9.99\n", Read(site / "share/coinwright/VERSION"));

  ASSERT_TRUE(installed.Uninstall());
  for (const auto& left : fs::recursive_directory_iterator(prefix))
    EXPECT_TRUE(left.is_directory()) << left.path() << " left behind";
  EXPECT_FALSE(fs::exists(prefix / "share/coinwright"));
}

}  // namespace
}  // namespace cw::testing
