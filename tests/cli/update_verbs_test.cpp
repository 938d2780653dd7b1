// update keygen and update check, against a loopback update server.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "cli/cli_runner.h"
#include "support/loopback_server.h"
#include "update/file_bytes.h"
#include "update/update_signature.h"

namespace cw::testing {
namespace {

TEST(UpdateVerbs, KeygenWritesAPrivateSecretAndNeverOverwrites) {
  CliHome home;
  std::filesystem::create_directories(home.path());
  const std::string file = home.path() + "/release.key";
  ASSERT_EQ(0, home.Run({"update", "keygen", file}).code);
  struct stat secret {};
  ASSERT_EQ(0, ::stat(file.c_str(), &secret));
  EXPECT_EQ(0600u, secret.st_mode & 0777);
  EXPECT_TRUE(update::ParseSecretKey(update::ReadFileBytes(file).value_or("")));
  EXPECT_TRUE(update::ParsePublicKey(update::ReadFileBytes(file + ".pub").value_or("")));

  const std::string before = *update::ReadFileBytes(file);
  EXPECT_EQ(2, home.Run({"update", "keygen", file}).code);
  EXPECT_EQ(before, update::ReadFileBytes(file));
}

// A server offering `version` signed with a key made by keygen.
class UpdateCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(home_.path());
    key_ = home_.path() + "/release.key";
    ASSERT_EQ(0, home_.Run({"update", "keygen", key_}).code);
  }
  std::map<std::string, std::string> Site(const std::string& version) const {
    const std::string info = "[Version=" + version + "][Date=2026-12-10][Description=修正错误]\n[File=bin\\x,CheckNumber=0]\n";
    const auto secret = update::ParseSecretKey(*update::ReadFileBytes(key_));
    return {{"/U/Update.inf", info},
            {"/U/Update.inf.sig", update::SignUpdate(info, {{"bin\\x", update::Sha256Hex("")}}, *secret)}};
  }
  CliResult Check(const std::vector<std::string>& more) const {
    std::vector<std::string> args = {"--json", "update", "check", "--key", key_ + ".pub"};
    args.insert(args.end(), more.begin(), more.end());
    return home_.Run(args);
  }

  CliHome home_;
  std::string key_;
};

TEST_F(UpdateCheck, NewerVersionIsOfferedFromTheConfiguredServer) {
  LoopbackServer server(Site("99.5"));
  std::ofstream(home_.path() + "/Coinwright.ini") << "[Web]\nUpdate=" << server.url() << "/U/\n";
  const CliResult result = Check({});
  ASSERT_EQ(0, result.code) << result.err;
  EXPECT_EQ("99.50", result.Json("update")["version"]);
  EXPECT_EQ("修正错误", result.Json("update")["description"]);
}

TEST_F(UpdateCheck, ExitCodesTellWhatHappened) {
  LoopbackServer older(Site("0.5"));
  std::map<std::string, std::string> tampered = Site("99.5");
  tampered["/U/Update.inf"] += " ";
  LoopbackServer altered(tampered);
  const struct {
    const char* name;
    std::vector<std::string> options;
    int code;
  } kCases[] = {
      {"older version offered", {"--server", older.url() + "/U"}, 3},
      {"signature does not match", {"--server", altered.url() + "/U"}, 1},
      {"nothing on the server", {"--server", older.url() + "/elsewhere"}, 1},
      {"plain http to another host", {"--server", "http://example.org/U"}, 2},
      {"no server configured", {}, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.code, Check(c.options).code);
  }
}

}  // namespace
}  // namespace cw::testing
