#pragma once
// Starts the updater ("patchwell start") for 软件升级(&U) and the update
// notice, with COINWRIGHT_HOME set to the program's data home so that the
// updater, Relaymate and the program started again all use it.
#include <filesystem>

#include "base/install_layout.h"

namespace cw {

// The updater beside this program in its bin/ (or `updater`). False, with a
// message, when it cannot be started.
bool StartUpdater(const std::filesystem::path& updater = CurrentLayout().ProgramPath("patchwell"));

}  // namespace cw
