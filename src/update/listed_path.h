#pragma once
// Where a file listed in `Update.inf` goes. Listed paths are relative to the
// installation folder and may use "\" as separator; a path that could place a
// file anywhere else is refused, whatever else the update says.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cw::update {

// The listed path with "/" separators and without "." parts, or nothing when
// it is empty, absolute (a leading separator or a drive such as "C:"), names a
// folder, contains ".." or a control character.
std::optional<std::string> NormalListedPath(std::string_view listed);

// The place of a listed file below `folder`, or nothing when the path is
// refused by NormalListedPath or, following symbolic links that exist now,
// would leave `folder`.
std::optional<std::filesystem::path> PlaceBelow(const std::filesystem::path& folder, std::string_view listed);

}  // namespace cw::update
