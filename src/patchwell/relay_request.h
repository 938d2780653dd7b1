#pragma once
// What the updater hands to Relaymate when it ends: one argument of four
// single-quoted fields separated by one blank, the operation ("Copy", "Start"
// or "CopyStart"), the source and destination of the updater's own file (or
// "NULL"), and the desktop program to start (or an empty field).
#include <optional>
#include <string>
#include <vector>

#include "patchwell/install_places.h"
#include "update/update_info.h"

namespace cw::patchwell {

struct RelayRequest {
  bool copy = false;
  bool start = false;
};

// The argument for `request`. `updater_listed` is the listed path of the
// updater's own file (used when copying).
std::string RelayArgument(const RelayRequest& request, const InstallPlaces& places,
                          const std::string& updater_listed);

// The listed path of the updater's own file among `files`, if it is there.
std::optional<std::string> UpdaterListed(const std::vector<update::UpdateFile>& files);

}  // namespace cw::patchwell
