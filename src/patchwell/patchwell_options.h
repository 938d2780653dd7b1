#pragma once
// The updater's command line:
//   patchwell [start] [--server URL] [--install-dir DIR] [--home DIR] [--yes]
// "start" (any argument containing it, in any case) begins the run at once.
// --server replaces the address under [Web] Update in Coinwright.ini,
// --install-dir the installation the updater itself belongs to, --home the
// data home (else $COINWRIGHT_HOME, else the usual one). --yes answers every
// question itself, ends when the run ends and returns the result code: for
// scripts and tests.
#include <string>
#include <vector>

namespace cw::patchwell {

struct PatchwellOptions {
  bool start = false;
  bool yes = false;
  std::string server;       // empty: from the settings
  std::string install_dir;  // empty: the one the program lies in
  std::string home;         // empty: the usual choice
  std::string error;        // set when the command line is wrong
};

// `arguments` without the program name.
PatchwellOptions ParsePatchwellOptions(const std::vector<std::string>& arguments);

}  // namespace cw::patchwell
