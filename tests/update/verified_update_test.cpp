#include "update/verified_update.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "update/check_number.h"
#include "update/file_bytes.h"

namespace cw::update {
namespace {

namespace fs = std::filesystem;

// A staging folder with two downloaded files and a key pair, as a publisher
// and the updater would see them.
class VerifiedUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    staging_ = fs::temp_directory_path() / ("cw_verified_update_" + std::to_string(::getpid()));
    fs::remove_all(staging_);
    fs::create_directories(staging_ / "share");
    ASSERT_TRUE(WriteFileBytes(staging_ / "patchwell", "program bytes"));
    ASSERT_TRUE(WriteFileBytes(staging_ / "share/VERSION", "3.41\n"));
    const KeyPairText keys = GenerateKeyPair();
    publicKey_ = *ParsePublicKey(keys.publicKey);
    secretKey_ = *ParseSecretKey(keys.secretKey);
  }
  void TearDown() override { fs::remove_all(staging_); }

  // Update.inf listing `paths` with the check numbers of the staged files.
  std::string Info(std::initializer_list<const char*> paths) const {
    std::string text = "[Version=3.41][Date=2026-12-10][Description=新版本]\n";
    for (const char* path : paths) {
      const auto number = FileCheckNumber(staging_ / NormalPath(path));
      text += std::string("[File=") + path + ",CheckNumber=" + std::to_string(number.value_or(0)) + "]\n";
    }
    return text;
  }
  FileSums Sums(std::initializer_list<const char*> paths) const {
    FileSums sums;
    for (const char* path : paths) sums[path] = FileSha256Hex(staging_ / NormalPath(path)).value_or("");
    return sums;
  }
  static std::string NormalPath(std::string path) {
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
  }
  UpdateResult Read(const std::string& info, const std::string& signature) {
    return ReadVerifiedUpdate(info, signature, publicKey_, update_);
  }

  fs::path staging_;
  PublicKey publicKey_{};
  SecretKey secretKey_{};
  VerifiedUpdate update_;
};

TEST_F(VerifiedUpdateTest, SignedUpdateIsReadAndItsFilesPass) {
  const std::string info = Info({"patchwell", "share\\VERSION"});
  ASSERT_EQ(UpdateResult::kOk, Read(info, SignUpdate(info, Sums({"patchwell", "share\\VERSION"}), secretKey_)));
  EXPECT_DOUBLE_EQ(3.41, update_.info.version);
  ASSERT_EQ(2u, update_.info.files.size());
  EXPECT_EQ(UpdateResult::kOk, CheckDownloadedFiles(update_, staging_));
}

TEST_F(VerifiedUpdateTest, AnythingUnsignedOrHostileIsIncorrect) {
  const std::string info = Info({"patchwell"});
  const std::string signature = SignUpdate(info, Sums({"patchwell"}), secretKey_);
  std::string alteredInfo = info;
  alteredInfo[9] = '4';  // Version=4.41
  std::string alteredSums = signature;
  alteredSums[7] = alteredSums[7] == '0' ? '1' : '0';
  const KeyPairText otherKeys = GenerateKeyPair();
  const std::string hostile = Info({"patchwell"}) + "[File=..\\..\\.profile,CheckNumber=0]\n";
  FileSums hostileSums = Sums({"patchwell"});
  hostileSums["..\\..\\.profile"] = std::string(64, '0');

  const struct {
    const char* name;
    std::string info;
    std::string signature;
  } kCases[] = {
      {"no signature", info, ""},
      {"signature line only", info, signature.substr(signature.find("ed25519"))},
      {"garbage signature", info, "ed25519 00\n"},
      {"Update.inf altered", alteredInfo, signature},
      {"a sum altered", info, alteredSums},
      {"signed by another key", info, SignUpdate(info, Sums({"patchwell"}), *ParseSecretKey(otherKeys.secretKey))},
      {"listed file without a sum", Info({"patchwell", "share\\VERSION"}),
       SignUpdate(Info({"patchwell", "share\\VERSION"}), Sums({"patchwell"}), secretKey_)},
      {"path leaving the installation, signed", hostile,
       SignUpdate(hostile, hostileSums, secretKey_)},
      {"signed but unparsable", "Version=1]", SignUpdate("Version=1]", {}, secretKey_)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UpdateResult::kInfoIncorrect, Read(c.info, c.signature));
  }
}

TEST_F(VerifiedUpdateTest, AlteredOrMissingDownloadFailsTheCheck) {
  const std::string info = Info({"patchwell", "share\\VERSION"});
  ASSERT_EQ(UpdateResult::kOk, Read(info, SignUpdate(info, Sums({"patchwell", "share\\VERSION"}), secretKey_)));

  // One byte changed, same length: caught by the signed sum even where the
  // weak check number happened to agree.
  ASSERT_TRUE(WriteFileBytes(staging_ / "share/VERSION", "3.42\n"));
  EXPECT_EQ(UpdateResult::kCheckFailed, CheckDownloadedFiles(update_, staging_));
  update_.info.files[1].checkNumber = *FileCheckNumber(staging_ / "share/VERSION");
  EXPECT_EQ(UpdateResult::kCheckFailed, CheckDownloadedFiles(update_, staging_));

  fs::remove(staging_ / "share/VERSION");
  EXPECT_EQ(UpdateResult::kCheckFailed, CheckDownloadedFiles(update_, staging_));
}

TEST(UpdateKeysTest, KeysReadOnlyFromTheirHexText) {
  const KeyPairText keys = GenerateKeyPair();
  EXPECT_TRUE(ParsePublicKey(keys.publicKey));
  EXPECT_TRUE(ParseSecretKey(keys.secretKey));
  EXPECT_FALSE(ParsePublicKey(keys.secretKey));
  EXPECT_FALSE(ParseSecretKey(keys.publicKey));
  EXPECT_FALSE(ParsePublicKey(""));
  EXPECT_FALSE(ParsePublicKey(std::string(64, 'g')));
  EXPECT_EQ("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", Sha256Hex("abc"));
}

}  // namespace
}  // namespace cw::update
