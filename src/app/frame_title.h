#pragma once
// The main window's title.
#include <string>

namespace cw {

// The display name followed by the version with two decimals ("%s%.2f"); when
// a user is logged in, "  -  " and the user's name follow.
std::string FrameTitle(double version, const std::string& user_name);

}  // namespace cw
