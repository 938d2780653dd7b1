#include "app/frame_title.h"

#include <cstdio>

#include "base/product.h"

namespace cw {

std::string FrameTitle(double version, const std::string& user_name) {
  char number[32];
  std::snprintf(number, sizeof number, "%.2f", version);
  std::string title = std::string(kProductName) + number;
  if (!user_name.empty()) title += "  -  " + user_name;
  return title;
}

}  // namespace cw
