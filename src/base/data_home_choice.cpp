#include "base/data_home_choice.h"

#include <cstdlib>

namespace cw {

DataHomeChoice ChooseDataHome(const std::vector<std::string>& arguments,
                              const std::function<std::string(const char*)>& environment) {
  constexpr std::string_view kOption = "--home";
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string folder;
    if (argument == kOption) {
      if (i + 1 >= arguments.size()) return {"", "--home needs a folder"};
      folder = arguments[i + 1];
    } else if (argument.starts_with("--home=")) {
      folder = argument.substr(kOption.size() + 1);
    } else {
      continue;
    }
    if (folder.empty()) return {"", "--home needs a folder"};
    return {folder, ""};
  }
  if (std::string own = environment("COINWRIGHT_HOME"); !own.empty()) return {own, ""};
  if (std::string xdg = environment("XDG_DATA_HOME"); !xdg.empty()) return {xdg + "/Coinwright", ""};
  if (std::string home = environment("HOME"); !home.empty()) return {home + "/.local/share/Coinwright", ""};
  return {"", "no data home: give --home DIR or set COINWRIGHT_HOME"};
}

std::string ProcessEnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace cw
