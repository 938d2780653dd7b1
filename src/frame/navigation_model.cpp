#include "frame/navigation_model.h"

#include "frame/command_rights.h"

namespace cw {

NavItem CommandItem(const std::string& text, int command, const std::string& tooltip, const std::string& icon,
                    const Rights& rights, int level) {
  NavItem item;
  item.text = text;
  item.icon = icon;
  item.tooltip = tooltip;
  item.enabled = CommandEnabled(command, rights, level);
  item.action.command = command;
  return item;
}

}  // namespace cw
