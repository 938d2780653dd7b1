#pragma once
// Where the data files live and how a verb gets at them.
#include <optional>
#include <string>

namespace cw::cli {

// The data home: --home, else $COINWRIGHT_HOME, else $XDG_DATA_HOME/Coinwright,
// else ~/.local/share/Coinwright. The folder is created when missing (Failed
// when it cannot be).
std::string ResolveDataHome(const std::optional<std::string>& option);

}  // namespace cw::cli
