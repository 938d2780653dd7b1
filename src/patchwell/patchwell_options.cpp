#include "patchwell/patchwell_options.h"

#include <algorithm>
#include <cctype>

namespace cw::patchwell {

PatchwellOptions ParsePatchwellOptions(const std::vector<std::string>& arguments) {
  PatchwellOptions options;
  const struct {
    const char* name;
    std::string PatchwellOptions::*value;
  } kValued[] = {{"--server", &PatchwellOptions::server},
                 {"--install-dir", &PatchwellOptions::install_dir},
                 {"--home", &PatchwellOptions::home}};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const auto valued = std::find_if(std::begin(kValued), std::end(kValued), [&](const auto& option) {
      return argument == option.name || argument.starts_with(std::string(option.name) + "=");
    });
    if (valued != std::end(kValued)) {
      const std::size_t equals = argument.find('=');
      if (equals != std::string::npos) {
        options.*(valued->value) = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        options.*(valued->value) = arguments[++i];
      } else {
        options.error = argument + " needs a value";
        return options;
      }
      if ((options.*(valued->value)).empty()) options.error = std::string(valued->name) + " needs a value";
      continue;
    }
    if (argument == "--yes") {
      options.yes = true;
      continue;
    }
    if (argument.starts_with("--")) {
      options.error = "unknown option " + argument;
      return options;
    }
    std::string lower = argument;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("start") != std::string::npos) options.start = true;
  }
  return options;
}

}  // namespace cw::patchwell
