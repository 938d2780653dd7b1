// update site and update sign: sites the update check and the updater accept,
// and refusals that leave nothing behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "cli/cli_runner.h"
#include "support/loopback_server.h"
#include "update/file_bytes.h"
#include "update/verified_update.h"

namespace cw::testing {
namespace {
namespace fs = std::filesystem;

// A small installation (what a MANIFEST lists, with a desktop entry that an
// update never carries) and a signing key made by keygen.
class UpdateSite : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = home_.path();
    fs::create_directories(root_);
    ASSERT_EQ(0, home_.Run({"update", "keygen", Key()}).code);
    Write("prefix/bin/coinwright", "#!/bin/sh\necho coinwright\n");
    fs::permissions(Prefix() / "bin/coinwright", fs::perms(0755));
    Write("prefix/share/coinwright/VERSION", "3.40\n");
    Write("prefix/share/coinwright/Config/DailyNotes.xml", "<notes/>");
    Write("prefix/share/applications/coinwright.desktop", "Exec=/somewhere/bin/coinwright\n");
    Write("prefix/share/coinwright/MANIFEST",
          "bin/coinwright\nshare/applications/coinwright.desktop\nshare/coinwright/Config/DailyNotes.xml\n"
          "share/coinwright/MANIFEST\nshare/coinwright/VERSION\n");
  }
  void Write(const std::string& relative, const std::string& bytes) const {
    fs::create_directories((root_ / relative).parent_path());
    ASSERT_TRUE(update::WriteFileBytes(root_ / relative, bytes));
  }
  std::string Key() const { return (root_ / "release.key").string(); }
  fs::path Prefix() const { return root_ / "prefix"; }
  fs::path Site() const { return root_ / "site"; }
  CliResult Tool(std::vector<std::string> args) const {
    args.insert(args.begin(), "--json");
    return home_.Run(args);
  }
  std::string Read(const fs::path& file) const { return update::ReadFileBytes(file).value_or(""); }
  // The site as the updater reads it, checked with the public key.
  update::UpdateResult Verify(update::VerifiedUpdate& out) const {
    const auto key = update::ParsePublicKey(Read(Key() + ".pub"));
    return update::ReadVerifiedUpdate(Read(Site() / "Update.inf"), Read(Site() / "Update.inf.sig"), *key, out);
  }

  CliHome home_;
  fs::path root_;
};

TEST_F(UpdateSite, SiteIsVerifiedOfferedAndRefusedOnceAFileChanges) {
  const CliResult made = Tool({"update", "site", Site().string(), "--key", Key(), "--version", "3.41",
                               "--description", "修正了错误", "--from", Prefix().string()});
  ASSERT_EQ(0, made.code) << made.err;
  EXPECT_EQ("3.41", made.Json("site")["version"]);

  update::VerifiedUpdate offer;
  ASSERT_EQ(update::UpdateResult::kOk, Verify(offer));
  EXPECT_DOUBLE_EQ(3.41, offer.info.version);
  EXPECT_EQ("修正了错误", offer.info.description);
  std::vector<std::string> listed;
  for (const auto& file : offer.info.files) listed.push_back(file.path);
  EXPECT_EQ((std::vector<std::string>{"bin/coinwright", "share/coinwright/Config/DailyNotes.xml",
                                      "share/coinwright/MANIFEST", "share/coinwright/VERSION"}),
            listed);
  EXPECT_EQ(update::UpdateResult::kOk, update::CheckDownloadedFiles(offer, Site()));
  EXPECT_EQ("3.41\n", Read(Site() / "share/coinwright/VERSION"));
  EXPECT_EQ(Read(Prefix() / "bin/coinwright"), Read(Site() / "bin/coinwright"));
  EXPECT_EQ(fs::perms(0755), fs::status(Site() / "bin/coinwright").permissions() & fs::perms::mask);

  // The update check reads the site as the server offers it.
  LoopbackServer server({{"/U/Update.inf", Read(Site() / "Update.inf")},
                         {"/U/Update.inf.sig", Read(Site() / "Update.inf.sig")}});
  const CliResult check = Tool({"update", "check", "--server", server.url() + "/U", "--key", Key() + ".pub"});
  ASSERT_EQ(0, check.code) << check.err;
  EXPECT_EQ("3.41", check.Json("update")["version"]);

  // One byte changed after signing: refused until the site is signed again.
  std::string program = Read(Site() / "bin/coinwright");
  program[3] ^= 1;
  Write("site/bin/coinwright", program);
  EXPECT_EQ(update::UpdateResult::kCheckFailed, update::CheckDownloadedFiles(offer, Site()));

  Write("site/share/coinwright/Image/new.jpg", "picture");
  ASSERT_EQ(0, Tool({"update", "sign", Site().string(), "--key", Key()}).code);
  ASSERT_EQ(update::UpdateResult::kOk, Verify(offer));
  EXPECT_EQ(update::UpdateResult::kOk, update::CheckDownloadedFiles(offer, Site()));
  EXPECT_EQ(5u, offer.info.files.size());
  EXPECT_EQ("修正了错误", offer.info.description);  // kept from the site's Update.inf
  EXPECT_DOUBLE_EQ(3.41, offer.info.version);

  ASSERT_EQ(0, Tool({"update", "sign", Site().string(), "--key", Key(), "--version", "3.5"}).code);
  ASSERT_EQ(update::UpdateResult::kOk, Verify(offer));
  EXPECT_DOUBLE_EQ(3.5, offer.info.version);
  EXPECT_EQ("3.5\n", Read(Site() / "share/coinwright/VERSION"));
}

TEST_F(UpdateSite, RefusalsLeaveNoSiteBehind) {
  const std::string from = Prefix().string();
  const std::string key = Key();
  const struct {
    const char* name;
    std::vector<std::string> args;
    const char* manifest;  // replaces the installation's MANIFEST when set
    int code;
  } kCases[] = {
      {"version with three decimals", {"--key", key, "--version", "3.415", "--from", from}, nullptr, 2},
      {"description with a terminator", {"--key", key, "--description", "a]b", "--from", from}, nullptr, 2},
      {"public key given to sign", {"--key", key + ".pub", "--from", from}, nullptr, 2},
      {"no key", {"--from", from}, nullptr, 2},
      {"no installation there", {"--key", key, "--from", root_.string()}, nullptr, 1},
      {"manifest climbing out", {"--key", key, "--from", from}, "bin/coinwright\n../release.key\n", 1},
      {"manifest naming a missing file", {"--key", key, "--from", from}, "bin/coinwright\nbin/patchwell\n", 1},
      {"path the update cannot list", {"--key", key, "--from", from}, "bin/a,b\n", 1},
  };
  const std::string manifest = Read(Prefix() / "share/coinwright/MANIFEST");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Write("prefix/share/coinwright/MANIFEST", c.manifest ? c.manifest : manifest);
    Write("prefix/bin/a,b", "x");
    std::vector<std::string> args = {"update", "site", Site().string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(c.code, Tool(args).code);
    EXPECT_FALSE(fs::exists(Site()));
    for (const auto& entry : fs::directory_iterator(root_))
      EXPECT_EQ(std::string::npos, entry.path().filename().string().find("partial")) << entry.path();
  }

  // A site is made into a new or empty folder only; sign reads plain files only.
  Write("site/old.txt", "x");
  EXPECT_EQ(2, Tool({"update", "site", Site().string(), "--key", Key(), "--from", from}).code);
  fs::create_symlink(Key(), Site() / "key-link");
  EXPECT_EQ(1, Tool({"update", "sign", Site().string(), "--key", Key(), "--version", "3.41"}).code);
  EXPECT_FALSE(fs::exists(Site() / "Update.inf"));
}

}  // namespace
}  // namespace cw::testing
