#pragma once
// How passwords are kept in `Person_Password`.
//
// Three stored forms are understood:
//   - the empty text: the user has no password; only the empty password matches;
//   - an Argon2id string ("$argon2id$..."), written for every password set or
//     changed by this program;
//   - a legacy digest: as many bytes as the password, compared byte for byte.
//     Rows written by older programs hold these; a successful login rewrites
//     them as Argon2id (see CheckLogin).
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The legacy digest of a password: reverse its bytes; for each position i of
// the reversed text take the byte a as a signed 8-bit value, compute
// s = a*(a+i+29) + (11i+1)*i*i in 32-bit signed arithmetic (wrapping),
// r = s % 80 (truncating, so r has the sign of s); the digest byte is the low
// 8 bits of r+40. The empty password has the empty digest. The bytes may be any
// value (also 0), so the result is a byte string, not text.
std::string LegacyDigest(std::string_view password);

// The form in which a new password is stored: empty for the empty password,
// else an Argon2id string (libsodium, interactive limits). Nothing when hashing
// failed (out of memory); the caller must then keep the old password.
std::optional<std::string> StoredPasswordFor(std::string_view password);

// True when `typed` is the password that `stored` keeps (any of the three forms).
bool VerifyPassword(const std::string& stored, std::string_view typed);

// True when `stored` should be rewritten as a fresh Argon2id string after a
// successful check: a legacy digest, or an Argon2id string made with other
// limits. The empty password never needs it.
bool NeedsUpgrade(const std::string& stored);

// True when `stored` is an Argon2id string.
bool IsArgon2Password(const std::string& stored);

}  // namespace cw
