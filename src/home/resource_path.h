#pragma once
// Read-only files shipped with the program (Default.gif, Config/DailyNotes.xml,
// Image/*.jpg) live under share/coinwright/ of the running program's layout
// (base/install_layout.h): an installation or the build folder.
#include <string>

namespace cw {

// The full path of `relative` (such as "Config/DailyNotes.xml") there, whether
// or not the file exists, so that a message can name it.
std::string ResourcePath(const std::string& relative);

}  // namespace cw
