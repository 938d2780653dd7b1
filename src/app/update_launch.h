#pragma once
// Starts the updater ("patchwell start") for 软件升级(&U) and the update
// notice, with COINWRIGHT_HOME set to the program's data home so that the
// updater, Relaymate and the program started again all use it.

namespace cw {

// The updater beside this program in its bin/. False, with a message, when it
// cannot be started.
bool StartUpdater();

}  // namespace cw
