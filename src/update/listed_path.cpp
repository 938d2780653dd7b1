#include "update/listed_path.h"

#include <algorithm>

namespace cw::update {
namespace {

bool IsDriveLetter(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool IsInside(const std::filesystem::path& inner, const std::filesystem::path& outer) {
  const auto [outerEnd, innerAt] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return outerEnd == outer.end() && innerAt != inner.end();
}

}  // namespace

std::optional<std::string> NormalListedPath(std::string_view listed) {
  if (listed.empty() || IsDriveLetter(listed)) return std::nullopt;
  if (std::any_of(listed.begin(), listed.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
    return std::nullopt;
  if (listed.front() == '/' || listed.front() == '\\') return std::nullopt;
  if (listed.back() == '/' || listed.back() == '\\') return std::nullopt;

  std::string normal;
  std::size_t start = 0;
  while (start <= listed.size()) {
    std::size_t end = listed.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = listed.size();
    const std::string_view part = listed.substr(start, end - start);
    if (part == "..") return std::nullopt;
    if (!part.empty() && part != ".") {
      if (!normal.empty()) normal += '/';
      normal += part;
    }
    start = end + 1;
  }
  if (normal.empty()) return std::nullopt;
  return normal;
}

std::optional<std::filesystem::path> PlaceBelow(const std::filesystem::path& folder, std::string_view listed) {
  const auto normal = NormalListedPath(listed);
  if (!normal) return std::nullopt;
  std::error_code error;
  const auto base = std::filesystem::weakly_canonical(folder, error);
  if (error) return std::nullopt;
  const auto place = std::filesystem::weakly_canonical(base / *normal, error);
  if (error || !IsInside(place, base)) return std::nullopt;
  return base / *normal;
}

}  // namespace cw::update
