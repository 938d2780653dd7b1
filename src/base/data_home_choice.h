#pragma once
// Which folder the desktop program uses as its data home.
#include <functional>
#include <string>
#include <vector>

namespace cw {

struct DataHomeChoice {
  std::string folder;  // empty when `error` is set
  std::string error;
};

// "--home DIR" or "--home=DIR" among `arguments` (the program name first),
// else $COINWRIGHT_HOME, else $XDG_DATA_HOME/Coinwright, else
// $HOME/.local/share/Coinwright. `environment` answers a variable's value or
// "" when it is not set. The folder is not created here.
DataHomeChoice ChooseDataHome(const std::vector<std::string>& arguments,
                              const std::function<std::string(const char*)>& environment);

// The value of this process's environment variable `name`, or "" when unset:
// the environment the programs pass to ChooseDataHome.
std::string ProcessEnvironmentValue(const char* name);

}  // namespace cw
