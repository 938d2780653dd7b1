#include "app/desktop_links.h"

#include <array>

#include "core/settings.h"
#include "frame/app_commands.h"
#include "home/resource_path.h"

namespace cw {
namespace {

constexpr std::array<const char*, 5> kCalculators{"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                                                  "xcalc"};
constexpr char kDefaultSite[] = "https://coinwright.example.org/";
constexpr char kDefaultSupport[] = "https://coinwright.example.org/support/";

}  // namespace

std::string FirstCalculator(const std::function<bool(const std::string&)>& installed) {
  for (const char* name : kCalculators)
    if (installed(name)) return name;
  return "";
}

std::string HelpPagePath() { return ResourcePath("help/Introduce.htm"); }

std::string WebAddress(int command) {
  const char* value = command == cmd::kWebSite ? "Site" : command == cmd::kSupport ? "Support" : nullptr;
  if (!value) return "";
  std::string stored = settings::GetText("Web", value);
  if (!stored.empty()) return stored;
  return command == cmd::kWebSite ? kDefaultSite : kDefaultSupport;
}

}  // namespace cw
