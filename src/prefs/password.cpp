#include "prefs/password.h"

#include <sodium.h>

#include <cstdint>

namespace cw {
namespace {

// libsodium must be initialised once before its first use; the magic static
// makes that thread-safe.
bool SodiumReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

constexpr std::string_view kArgon2Prefix = crypto_pwhash_argon2id_STRPREFIX;

}  // namespace

std::string LegacyDigest(std::string_view password) {
  const std::size_t n = password.size();
  std::string digest(n, '\0');
  for (std::size_t i = 0; i < n; ++i) {
    // Unsigned arithmetic wraps like the 32-bit signed arithmetic of the digest
    // without undefined behaviour; the conversion back is two's complement.
    const auto a = static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(password[n - 1 - i])));
    const auto u = static_cast<std::uint32_t>(i);
    const auto s = static_cast<std::int32_t>(a * (a + u + 29u) + (11u * u + 1u) * u * u);
    const std::int32_t r = s % 80;
    digest[i] = static_cast<char>(static_cast<std::uint8_t>(r + 40));
  }
  return digest;
}

bool IsArgon2Password(const std::string& stored) { return stored.starts_with(kArgon2Prefix); }

std::optional<std::string> StoredPasswordFor(std::string_view password) {
  // The empty password stays empty, so that "no password" reads the same to
  // every program that opens the data.
  if (password.empty()) return std::string();
  if (!SodiumReady()) return std::nullopt;
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str_alg(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
    return std::nullopt;
  return std::string(out);
}

bool VerifyPassword(const std::string& stored, std::string_view typed) {
  // The form decides how to compare. A legacy digest is never tried against an
  // Argon2id string: anyone could otherwise build a password whose digest
  // spells out the stored string.
  if (IsArgon2Password(stored)) {
    if (!SodiumReady()) return false;
    return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
  }
  return LegacyDigest(typed) == stored;
}

bool NeedsUpgrade(const std::string& stored) {
  if (stored.empty()) return false;
  if (!IsArgon2Password(stored)) return true;
  if (!SodiumReady()) return false;
  return crypto_pwhash_str_needs_rehash(stored.c_str(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0;
}

}  // namespace cw
