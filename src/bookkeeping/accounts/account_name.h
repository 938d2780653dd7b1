#pragma once
// The rule for an account name, shared by the account dialog, the card dialog
// and the command-line tool.
#include <cstddef>
#include <string_view>

namespace cw {

// The longest account name, counted as GBK bytes (a CJK character counts 2).
inline constexpr std::size_t kMaxAccountNameBytes = 50;

// A name is valid when it is not empty, has at most 50 bytes and holds no
// blank (ASCII white space or the full-width blank) and no "[" or "]": the
// pickers show a bracketed text after the name, and a blank would make two
// names look alike.
bool IsValidAccountName(std::string_view name);

}  // namespace cw
