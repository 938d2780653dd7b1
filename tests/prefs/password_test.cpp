// Stored password forms: the legacy digest, Argon2id strings and the empty password.
#include <gtest/gtest.h>

#include <string>

#include "prefs/password.h"

namespace cw {
namespace {

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

// Expected digests worked out by hand from the rule (reversed bytes, signed
// 8-bit values, 32-bit wrap, truncating remainder, low 8 bits of r + 40).
TEST(LegacyDigestTest, KnownPasswords) {
  struct Case {
    std::string password;
    std::string digest_hex;
  } cases[] = {
      {"", ""},
      {"a", "66"},
      {"~", "32"},
      {"abc", "487444"},
      {"zZ 9", "3e743e5e"},
      {"123456", "2a3330636e43"},
      {"Password1", "665c663b305f662b38"},
      // UTF-8 bytes above 0x7F count as negative values.
      {"密码", "5644ee2e5833"},
      {"管理员", "5053182e585f48724c"},
  };
  for (const Case& c : cases) {
    const std::string digest = LegacyDigest(c.password);
    EXPECT_EQ(c.password.size(), digest.size()) << c.password;
    EXPECT_EQ(c.digest_hex, Hex(digest)) << c.password;
  }
}

TEST(LegacyDigestTest, LongPasswordWrapsIn32Bits) {
  // Far positions overflow 32 bits and give negative remainders.
  const std::string digest = LegacyDigest(std::string(2000, 'x'));
  ASSERT_EQ(2000u, digest.size());
  EXPECT_EQ("20dcdc12", Hex(digest.substr(1000, 4)));
  EXPECT_EQ("704c3c3270484c6e", Hex(digest.substr(1992)));
}

TEST(StoredPasswordTest, NewPasswordsAreArgon2idAndVerify) {
  const std::optional<std::string> stored = StoredPasswordFor("秘密 pass");
  ASSERT_TRUE(stored);
  EXPECT_TRUE(IsArgon2Password(*stored));
  EXPECT_TRUE(stored->starts_with("$argon2id$"));
  EXPECT_TRUE(VerifyPassword(*stored, "秘密 pass"));
  EXPECT_FALSE(VerifyPassword(*stored, "秘密 pas"));
  EXPECT_FALSE(VerifyPassword(*stored, ""));
  EXPECT_FALSE(NeedsUpgrade(*stored));
  // Salted: the same password gives another string each time.
  EXPECT_NE(*stored, *StoredPasswordFor("秘密 pass"));
}

TEST(StoredPasswordTest, EmptyPasswordStaysEmpty) {
  EXPECT_EQ("", StoredPasswordFor(""));
  EXPECT_TRUE(VerifyPassword("", ""));
  EXPECT_FALSE(VerifyPassword("", "x"));
  EXPECT_FALSE(NeedsUpgrade(""));
}

TEST(StoredPasswordTest, LegacyDigestsVerifyByExactBytesAndNeedUpgrade) {
  const std::string stored = LegacyDigest("123456");
  EXPECT_TRUE(VerifyPassword(stored, "123456"));
  EXPECT_FALSE(VerifyPassword(stored, "12345"));
  EXPECT_FALSE(VerifyPassword(stored, "1234567"));
  EXPECT_FALSE(VerifyPassword(stored, ""));
  EXPECT_TRUE(NeedsUpgrade(stored));
}

TEST(StoredPasswordTest, ArgonStringIsNeverComparedAsADigest) {
  // Typing the stored string itself, or text whose digest equals it, must not
  // get in: an Argon2id string is only checked as a hash.
  const std::string stored = *StoredPasswordFor("pw");
  EXPECT_FALSE(VerifyPassword(stored, stored));
}

TEST(StoredPasswordTest, ArgonWithOtherLimitsNeedsUpgrade) {
  // A hash made with the moderate limits (as an older or newer build might).
  const std::string weak =
      "$argon2id$v=19$m=8,t=1,p=1$c29tZXNhbHRzb21lc2FsdA$"
      "JfG7v2KVVsBZ9r4sDzv1nZ+YLcDlMKd/ta6PsrlVRmQ";
  EXPECT_TRUE(NeedsUpgrade(weak));
}

}  // namespace
}  // namespace cw
