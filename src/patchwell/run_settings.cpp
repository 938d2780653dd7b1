#include "patchwell/run_settings.h"

#include "base/install_layout.h"
#include "core/settings.h"
#include "update/file_bytes.h"
#include "update/update_info.h"

namespace cw::patchwell {
RunSettings ReadRunSettings(const PatchwellOptions& options) {
  RunSettings settings;
  settings.server = options.server.empty() ? settings::GetText("Web", "Update") : options.server;
  settings.places.install = options.install_dir.empty() ? CurrentLayout().prefix : fs::absolute(options.install_dir);
  if (const auto version = update::ReadFileBytes(settings.places.Shared("VERSION")))
    settings.installed_version = update::ParseVersionText(*version);
  if (const auto key = update::ReadFileBytes(settings.places.Shared("update.pub")))
    settings.key = update::ParsePublicKey(*key);
  return settings;
}

}  // namespace cw::patchwell
