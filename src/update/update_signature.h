#pragma once
// Authenticity of an update. The publisher signs, with an Ed25519 secret key,
// `Update.inf` together with the SHA-256 sums of the listed files; the program
// trusts only the public key installed with it (`share/coinwright/update.pub`).
//
// The signature file `Update.inf.sig` is text:
//   sha256 <64 hex digits> <listed path, as written in Update.inf>   (one line per file)
//   ed25519 <128 hex digits>                                          (last line)
// The signed message is a fixed label, the SHA-256 of `Update.inf` and the
// SHA-256 of the sum lines, so that no byte can move between the two parts.
// Keys are stored as hex text: 64 digits public, 128 digits secret.
#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace cw::update {

using PublicKey = std::array<unsigned char, 32>;
using SecretKey = std::array<unsigned char, 64>;

struct KeyPairText {
  std::string publicKey;  // 64 hex digits and a line end
  std::string secretKey;  // 128 hex digits and a line end
};
KeyPairText GenerateKeyPair();

// Nothing unless the text is the hex digits of one key (surrounding blanks and
// line ends are allowed).
std::optional<PublicKey> ParsePublicKey(std::string_view text);
std::optional<SecretKey> ParseSecretKey(std::string_view text);

std::string Sha256Hex(std::string_view bytes);
// Nothing when the file cannot be read.
std::optional<std::string> FileSha256Hex(const std::filesystem::path& file);

// Listed path -> lower-case hex SHA-256 of the file.
using FileSums = std::map<std::string, std::string>;

// The text of `Update.inf.sig` for `info` (the bytes of Update.inf) and `sums`.
// Paths must not contain line ends.
std::string SignUpdate(std::string_view info, const FileSums& sums, const SecretKey& key);

// The signed sums, or nothing when the signature text is malformed or its
// signature does not verify for `info` under `key`.
std::optional<FileSums> VerifyUpdateSignature(std::string_view info, std::string_view signature,
                                              const PublicKey& key);

}  // namespace cw::update
