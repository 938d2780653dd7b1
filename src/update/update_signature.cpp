#include "update/update_signature.h"

#include <sodium.h>

#include <cstdlib>

#include "update/file_bytes.h"

namespace cw::update {
namespace {

constexpr char kSumPrefix[] = "sha256 ";
constexpr char kSignaturePrefix[] = "ed25519 ";
constexpr char kMessageLabel[] = "Coinwright update signature 1";

// sodium_init fails only when the system offers no randomness at all; no key
// or signature could be trusted then.
void InitSodium() {
  if (sodium_init() < 0) std::abort();
}

std::string ToHex(const unsigned char* bytes, std::size_t size) {
  std::string hex(size * 2 + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), bytes, size);
  hex.pop_back();
  return hex;
}

template <std::size_t N>
std::optional<std::array<unsigned char, N>> FromHex(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
  if (text.size() != 2 * N) return std::nullopt;
  std::array<unsigned char, N> bytes{};
  std::size_t length = 0;
  if (sodium_hex2bin(bytes.data(), N, text.data(), text.size(), nullptr, &length, nullptr) != 0 || length != N)
    return std::nullopt;
  return bytes;
}

std::array<unsigned char, crypto_hash_sha256_BYTES> Sha256(std::string_view bytes) {
  InitSodium();
  std::array<unsigned char, crypto_hash_sha256_BYTES> digest{};
  crypto_hash_sha256(digest.data(), reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return digest;
}

std::string SignedMessage(std::string_view info, std::string_view sumLines) {
  std::string message(kMessageLabel, sizeof kMessageLabel);  // with its final NUL
  const auto infoDigest = Sha256(info);
  const auto sumsDigest = Sha256(sumLines);
  message.append(reinterpret_cast<const char*>(infoDigest.data()), infoDigest.size());
  message.append(reinterpret_cast<const char*>(sumsDigest.data()), sumsDigest.size());
  return message;
}

std::string SumLines(const FileSums& sums) {
  std::string lines;
  for (const auto& [path, sum] : sums) lines += kSumPrefix + sum + ' ' + path + '\n';
  return lines;
}

bool IsLowerHex(std::string_view s) {
  return s.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace

KeyPairText GenerateKeyPair() {
  InitSodium();
  PublicKey publicKey{};
  SecretKey secretKey{};
  crypto_sign_keypair(publicKey.data(), secretKey.data());
  KeyPairText text{ToHex(publicKey.data(), publicKey.size()) + '\n', ToHex(secretKey.data(), secretKey.size()) + '\n'};
  sodium_memzero(secretKey.data(), secretKey.size());
  return text;
}

std::optional<PublicKey> ParsePublicKey(std::string_view text) { return FromHex<32>(text); }
std::optional<SecretKey> ParseSecretKey(std::string_view text) { return FromHex<64>(text); }

std::string Sha256Hex(std::string_view bytes) {
  const auto digest = Sha256(bytes);
  return ToHex(digest.data(), digest.size());
}

std::optional<std::string> FileSha256Hex(const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  return Sha256Hex(*bytes);
}

std::string SignUpdate(std::string_view info, const FileSums& sums, const SecretKey& key) {
  const std::string lines = SumLines(sums);
  const std::string message = SignedMessage(info, lines);
  std::array<unsigned char, crypto_sign_BYTES> signature{};
  crypto_sign_detached(signature.data(), nullptr, reinterpret_cast<const unsigned char*>(message.data()),
                       message.size(), key.data());
  return lines + kSignaturePrefix + ToHex(signature.data(), signature.size()) + '\n';
}

std::optional<FileSums> VerifyUpdateSignature(std::string_view info, std::string_view signature,
                                              const PublicKey& key) {
  const std::size_t at = signature.rfind(kSignaturePrefix);
  if (at == std::string_view::npos || (at != 0 && signature[at - 1] != '\n')) return std::nullopt;
  const std::string_view sumLines = signature.substr(0, at);
  const auto signatureBytes = FromHex<crypto_sign_BYTES>(signature.substr(at + sizeof kSignaturePrefix - 1));
  if (!signatureBytes) return std::nullopt;
  const std::string message = SignedMessage(info, sumLines);
  if (crypto_sign_verify_detached(signatureBytes->data(), reinterpret_cast<const unsigned char*>(message.data()),
                                  message.size(), key.data()) != 0)
    return std::nullopt;

  // Signed by the publisher; still read strictly, so that what is used is
  // exactly what SignUpdate wrote.
  FileSums sums;
  std::size_t start = 0;
  while (start < sumLines.size()) {
    const std::size_t end = sumLines.find('\n', start);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = sumLines.substr(start, end - start);
    constexpr std::size_t kPrefix = sizeof kSumPrefix - 1;
    if (line.size() < kPrefix + 64 + 2 || line.substr(0, kPrefix) != kSumPrefix || line[kPrefix + 64] != ' ')
      return std::nullopt;
    const std::string_view sum = line.substr(kPrefix, 64);
    if (!IsLowerHex(sum)) return std::nullopt;
    if (!sums.emplace(std::string(line.substr(kPrefix + 65)), std::string(sum)).second) return std::nullopt;
    start = end + 1;
  }
  return sums;
}

}  // namespace cw::update
