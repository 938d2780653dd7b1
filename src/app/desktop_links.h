#pragma once
// What the frame opens outside itself: the desktop's calculator, the bundled
// help pages and the web pages of the program.
#include <functional>
#include <string>

namespace cw {

// The first of gnome-calculator, kcalc, galculator, qalculate-gtk and xcalc for
// which `installed` answers true; empty when there is none.
std::string FirstCalculator(const std::function<bool(const std::string&)>& installed);

// The help page opened by "帮助": help/Introduce.htm among the shipped resources.
std::string HelpPagePath();

// The address opened by "访问网站" (32701) or "我有建议或问题" (32702): the
// settings value "Site" or "Support" under the key "Web" when it is set, else
// the program's own page. Empty for any other command.
std::string WebAddress(int command);

}  // namespace cw
