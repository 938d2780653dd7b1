#pragma once
// Which pages and frame commands this program carries out. Menus, toolbars and
// navigation bars still list the others, greyed, and the frame never opens an
// empty window for them. Each module adds its pages here when it arrives.

namespace cw {

// True when the module that owns `page` can show it.
bool PageBuilt(int page);

// True when the frame can carry out a command that is not a page (menu items
// such as the calculator, the help or the password dialog).
bool CommandBuilt(int command);

}  // namespace cw
