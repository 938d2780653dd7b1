#pragma once
// The check number of an update file: a weak 32-bit sum that only catches
// damaged downloads (authenticity comes from the signed SHA-256 sums).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace cw::update {

// sum = 0; for i from 2 to n-1: sum += 16*b[i-2] + b[i-1]*(i + 32*b[i])*i,
// bytes unsigned, the sum wrapping in 32 bits. Fewer than 3 bytes give 0.
std::int32_t CheckNumber(std::string_view bytes);

// Nothing when the file cannot be read.
std::optional<std::int32_t> FileCheckNumber(const std::filesystem::path& file);

}  // namespace cw::update
