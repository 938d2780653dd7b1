#pragma once
// The update information file `Update.inf` that the update server offers.
//
// Each entry is a key, exactly one separator character (any character), the
// value and a terminator: `Version`, `Date`, `Description` and `CheckNumber`
// end at "]", `File` ends at ",". Keys are found by plain substring search, each
// after the value before it: Version, Date, Description, then File/CheckNumber
// pairs until no further `File` follows.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::update {

struct UpdateFile {
  std::string path;  // relative to the installation folder, as listed ("\" or "/")
  std::int32_t checkNumber = 0;
};

struct UpdateInfo {
  double version = 0;
  std::string date;
  std::string description;
  std::vector<UpdateFile> files;  // in file order; never empty
};

// Nothing when the text is incorrect: a missing Version, Date or Description,
// a key without its separator or terminator, a File without its CheckNumber, a
// CheckNumber that is no 32-bit number, or no File at all. Accepts any bytes.
std::optional<UpdateInfo> ParseUpdateInfo(std::string_view text);

// An update is needed when the offered version exceeds the installed one by
// more than 1e-7 (versions are decimals such as 2.35 and compare inexactly).
bool UpdateNeeded(double offered, double installed);

// A version written as text (share/coinwright/VERSION holds "3.40"), read as
// the Version of Update.inf is: atof-like, 0 when there is no number.
double ParseVersionText(std::string_view text);

}  // namespace cw::update
