#pragma once
// Read-only files shipped with the program (Default.gif, Config/DailyNotes.xml,
// Image/*.jpg) live under share/coinwright/. They are looked for beside the
// executable: <exe dir>/../share/coinwright, then <exe dir>/../../share/coinwright
// and so on up to the file system root (an installation, or a build folder
// inside the source tree), and last in the source tree itself (a build folder
// elsewhere).
#include <string>

namespace cw {

// The full path of `relative` (such as "Config/DailyNotes.xml") in the first
// of those folders that holds it; when none does, the path it would have in an
// installation, so that a message can name it.
std::string ResourcePath(const std::string& relative);

}  // namespace cw
