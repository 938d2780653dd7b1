#pragma once
// The navigation bar of a module window as plain data: groups of items, each
// with a text, an icon name, a tooltip, an enabled flag and an action. The
// navigation widget only displays it and reports the chosen item's action.
#include <string>
#include <vector>

#include "prefs/rights.h"

namespace cw {

struct NavAction {
  enum Kind {
    kCommand,     // `command` reaches the frame like a menu command
    kNotifyNumber,  // private to the module: notification `command` with `number`
    kNotifyText,    // private to the module: notification `command` with `text`
  };
  Kind kind = kCommand;
  int command = 0;
  int number = 0;
  std::string text;
  bool operator==(const NavAction&) const = default;
};

struct NavItem {
  std::string text;
  std::string icon;  // freedesktop icon name; empty for none
  std::string tooltip;
  bool enabled = true;
  NavAction action;
};

struct NavGroup {
  std::string title;  // empty for a group shown without a heading
  std::vector<NavItem> items;
};

using NavigationModel = std::vector<NavGroup>;

// An item that sends `command` to the frame, enabled when the user may use it
// and the program carries it out.
NavItem CommandItem(const std::string& text, int command, const std::string& tooltip, const std::string& icon,
                    const Rights& rights, int level);

}  // namespace cw
