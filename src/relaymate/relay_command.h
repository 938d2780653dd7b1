#pragma once
// What the updater asks Relaymate to do, from its one argument string of four
// fields: operation, source, destination, program. Each field may be enclosed
// in single or double quotes; fields are separated by blanks.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cw::relaymate {

// The four fields as written. At each field: skip one closing quote left over
// from the previous field, then blanks, then one opening quote; the field runs
// up to the next single or double quote or to the end of the text. Missing
// fields are empty.
std::array<std::string, 4> SplitRelayFields(std::string_view text);

struct RelayCommand {
  bool copy = false;   // the operation contains "copy" (any case)
  bool start = false;  // the operation contains "start" (any case)
  // File names keep their case (Linux names are case-sensitive); "null" in any
  // case, or an empty field, means none.
  std::optional<std::string> source;
  std::optional<std::string> destination;
  std::optional<std::string> program;
};

RelayCommand ParseRelayCommand(std::string_view text);

}  // namespace cw::relaymate
