#include "update/check_number.h"

#include "update/file_bytes.h"

namespace cw::update {

std::int32_t CheckNumber(std::string_view bytes) {
  std::uint32_t sum = 0;
  const auto b = [&](std::size_t i) -> std::uint32_t { return static_cast<unsigned char>(bytes[i]); };
  for (std::size_t i = 2; i < bytes.size(); ++i) {
    const auto n = static_cast<std::uint32_t>(i);
    sum += 16 * b(i - 2) + b(i - 1) * (n + 32 * b(i)) * n;
  }
  return static_cast<std::int32_t>(sum);
}

std::optional<std::int32_t> FileCheckNumber(const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  return CheckNumber(*bytes);
}

}  // namespace cw::update
