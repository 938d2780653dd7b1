#pragma once
// The buttons of the module toolbar for each page, as a plain table. The frame
// shows the list of the current page next to its back/forward buttons.
#include <string>
#include <vector>

namespace cw {

struct ToolButton {
  std::string label;    // empty for a separator
  std::string tooltip;  // the label when the button has no own tooltip
  int command = 0;      // 0 for a separator
  bool IsSeparator() const { return command == 0; }
  bool operator==(const ToolButton&) const = default;
};

// The buttons for `page` (a page identifier, 32850 or 33200-33202); empty for
// a number that names no page.
std::vector<ToolButton> ModuleToolbar(int page);

}  // namespace cw
