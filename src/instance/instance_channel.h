#pragma once
// How other processes reach the running desktop program: the lock file it
// holds in its data home and the local socket it listens on. Messages are
// decimal numbers, one per line: 1174 (a second start: come to the front) and
// 2025 (the updater: close now). Shared by the program and the updater.
#include <QString>

namespace cw {

// The lock file of the data home `data_home`.
QString InstanceLockPath(const QString& data_home);
// The socket of the data home `data_home`: "Coinwright_SingleInstance-" and a
// digest of the home's canonical path, so that copies on different data homes
// (a second --home, tests side by side) neither reach nor close each other;
// in $XDG_RUNTIME_DIR (private to the user) when that is set, else in the
// temporary folder under a name that also carries the user id.
QString InstanceServerName(const QString& data_home);
// Sends `message` to the copy running on `data_home`; false when none
// answered in time.
bool SendToRunningInstance(const QString& data_home, int message, int timeout_ms);
// True while a living program holds the lock of `data_home`.
bool InstanceRunning(const QString& data_home);

}  // namespace cw
