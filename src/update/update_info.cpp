#include "update/update_info.h"

#include <cctype>
#include <charconv>

namespace cw::update {
namespace {

// The value of `key` found at or after `from`: it starts one separator
// character after the key and runs up to `terminator`. `next` is set to the
// position after the value, where the following key is searched.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view key, char terminator,
                                          std::size_t from, std::size_t& next) {
  const std::size_t at = text.find(key, from);
  if (at == std::string_view::npos) return std::nullopt;
  const std::size_t start = at + key.size() + 1;  // skips the separator
  if (start > text.size()) return std::nullopt;
  const std::size_t end = text.find(terminator, start);
  if (end == std::string_view::npos) return std::nullopt;
  next = end;
  return text.substr(start, end - start);
}

std::string_view SkipLeadingSpace(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  return s;
}

// Reads a decimal number the way atof does: leading blanks, an optional sign,
// then as much of a number as there is; 0 when there is none.
double ReadDecimal(std::string_view s) {
  s = SkipLeadingSpace(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double value = 0;
  if (std::from_chars(s.data(), s.data() + s.size(), value).ec != std::errc()) return 0;
  return value;
}

std::optional<std::int32_t> ReadInt32(std::string_view s) {
  s = SkipLeadingSpace(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  std::int32_t value = 0;
  if (std::from_chars(s.data(), s.data() + s.size(), value).ec != std::errc()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<UpdateInfo> ParseUpdateInfo(std::string_view text) {
  UpdateInfo info;
  std::size_t next = 0;
  const auto version = FindValue(text, "Version", ']', next, next);
  if (!version) return std::nullopt;
  info.version = ReadDecimal(*version);
  const auto date = FindValue(text, "Date", ']', next, next);
  if (!date) return std::nullopt;
  info.date = *date;
  const auto description = FindValue(text, "Description", ']', next, next);
  if (!description) return std::nullopt;
  info.description = *description;

  while (const auto file = FindValue(text, "File", ',', next, next)) {
    const auto check = FindValue(text, "CheckNumber", ']', next, next);
    if (!check) return std::nullopt;
    const auto number = ReadInt32(*check);
    if (!number) return std::nullopt;
    info.files.push_back({std::string(*file), *number});
  }
  if (info.files.empty()) return std::nullopt;
  return info;
}

bool UpdateNeeded(double offered, double installed) { return offered - installed > 1e-7; }

double ParseVersionText(std::string_view text) { return ReadDecimal(text); }

}  // namespace cw::update
