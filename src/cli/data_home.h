#pragma once
// Where the data files live and how a verb gets at them.
#include <optional>
#include <string>

#include "cli/arguments.h"

namespace cw::cli {

// The data home: --home, else $COINWRIGHT_HOME, else $XDG_DATA_HOME/Coinwright,
// else ~/.local/share/Coinwright. The folder is created when missing (Failed
// when it cannot be).
std::string ResolveDataHome(const std::optional<std::string>& option);

// Points the store at the data home and opens the data set the options choose
// (creating it when missing, with the version check every opening runs), then
// logs in as `user`. Throws Failed when the data set cannot be used, BadInput
// for a user who does not exist or is frozen.
void OpenLedger(const GlobalOptions& globals, int user = 1);

}  // namespace cw::cli
