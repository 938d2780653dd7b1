#include "frame/hm_ctrl_wnd.h"

#include <QAction>
#include <QMenu>

namespace cw {

void CHmCtrlWnd::AddContextCommand(QMenu& menu, const QString& text, int command) {
  QAction* action = menu.addAction(text);
  action->setEnabled(ContextCommandAvailable(command));
  connect(action, &QAction::triggered, this, [this, command] { RunContextCommand(command); });
}

std::string CHmCtrlWnd::ChangeRangeLink() { return "&nbsp;<a href=\"" + std::to_string(kChangeRange) + "\">(更改)</a>"; }

}  // namespace cw
