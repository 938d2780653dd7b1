#include "home/resource_path.h"

#include "base/install_layout.h"

namespace cw {

std::string ResourcePath(const std::string& relative) { return CurrentLayout().SharePath(relative).string(); }

}  // namespace cw
