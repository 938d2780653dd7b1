#pragma once
// Whole-file reading and writing for the update pieces.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cw::update {

// Nothing when the file cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// Writes `bytes` to `file` (replacing it); false on any failure.
bool WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace cw::update
