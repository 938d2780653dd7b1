#include "relaymate/relay_command.h"

#include <algorithm>
#include <cctype>

namespace cw::relaymate {
namespace {

bool IsQuote(char c) { return c == '\'' || c == '"'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::optional<std::string> FileField(const std::string& field) {
  if (field.empty() || Lower(field) == "null") return std::nullopt;
  return field;
}

}  // namespace

std::array<std::string, 4> SplitRelayFields(std::string_view text) {
  std::array<std::string, 4> fields;
  std::size_t at = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0 && at < text.size() && IsQuote(text[at])) ++at;
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at < text.size() && IsQuote(text[at])) ++at;
    std::size_t end = text.find_first_of("'\"", at);
    if (end == std::string_view::npos) end = text.size();
    fields[i] = std::string(text.substr(at, end - at));
    at = end;
  }
  return fields;
}

RelayCommand ParseRelayCommand(std::string_view text) {
  const auto fields = SplitRelayFields(text);
  const std::string operation = Lower(fields[0]);
  return {operation.find("copy") != std::string::npos, operation.find("start") != std::string::npos,
          FileField(fields[1]), FileField(fields[2]), FileField(fields[3])};
}

}  // namespace cw::relaymate
