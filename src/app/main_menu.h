#pragma once
// The frame's menu bar (menu 128) as a plain table. The frame turns it into
// QMenus; tests read it directly.
#include <string>
#include <vector>

#include "frame/command_rights.h"

namespace cw {

struct MenuItem {
  enum Kind { kCommand, kSubmenu, kSeparator };
  Kind kind = kCommand;
  std::string text;      // with its "&" mnemonic
  int command = 0;       // kCommand only
  std::string shortcut;  // in Qt's portable key-sequence text ("Ctrl+H"), or empty
  // What a submenu needs as a whole; a command's need comes from NeedOfCommand.
  Need need = Need::kNothing;
  std::vector<MenuItem> items;  // kSubmenu only
};

// The five menus "用户", "理财", "工具", "系统管理", "帮助" with every item.
const std::vector<MenuItem>& MainMenu();

// Whether an item is enabled for a user: a command when CommandEnabled, a
// submenu when its own need is permitted (its items are judged one by one),
// a separator never counts.
bool MenuItemEnabled(const MenuItem& item, const Rights& rights, int level);

// Calls `visit` for every command item of the menu tree, depth first.
template <typename Visit>
void ForEachCommand(const std::vector<MenuItem>& items, Visit&& visit) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::kCommand) visit(item);
    if (item.kind == MenuItem::kSubmenu) ForEachCommand(item.items, visit);
  }
}

}  // namespace cw
