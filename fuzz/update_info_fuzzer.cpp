// libFuzzer entry: Update.inf arrives from the network, so its parser must
// survive any bytes, and what it accepts must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "update/listed_path.h"
#include "update/update_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto info = cw::update::ParseUpdateInfo(text);
  if (!info) return 0;
  // Every accepted file lists at least one file, and each value is a piece of the text.
  if (info->files.empty()) std::abort();
  for (const auto& file : info->files) {
    if (file.path.size() > size || text.find(file.path) == std::string_view::npos) std::abort();
    // A path that is let through stays below the installation folder.
    if (const auto normal = cw::update::NormalListedPath(file.path)) {
      if (normal->empty() || normal->front() == '/' || ("/" + *normal + "/").find("/../") != std::string::npos)
        std::abort();
    }
  }
  cw::update::ParseVersionText(text);
  return 0;
}
