#include "app/ctrl_wnd_system.h"

#include "app/app_commands.h"
#include "app/module_toolbar.h"
#include "prefs/ui/user_management_page.h"

namespace cw {

CCtrlWndSystem::CCtrlWndSystem(const LogonProfile& profile, QWidget* parent) : CHmCtrlWnd(profile, parent) {
  setObjectName("systemModule");
  SetNavigation(SystemNavigation(profile.rights, profile.level));
}

bool CCtrlWndSystem::ShowPage(int page, bool forced, const PageParams*) {
  if (page == page_ && !forced) return false;
  if (page != cmd::kUserManagement) return false;  // the other two pages come with their modules
  if (page != page_) {
    users_ = new UserManagementPage(this);
    SetDataWidget(users_);
  } else {
    users_->Reload();
  }
  page_ = page;
  return true;
}

std::string CCtrlWndSystem::PageTitle() const {
  switch (page_) {
    case cmd::kUserManagement: return "用户管理";
    case cmd::kAccountManagement: return "记账科目管理";
    case cmd::kDatabaseManagement: return "数据库管理";
    default: return "";
  }
}

bool CCtrlWndSystem::HandlesCommand(int command) const {
  for (const ToolButton& button : ModuleToolbar(page_))
    if (button.command == command) return true;
  return false;
}

bool CCtrlWndSystem::CommandAvailable(int command) const {
  return users_ && page_ == cmd::kUserManagement && users_->IsCommandEnabled(command);
}

void CCtrlWndSystem::OnCommand(int command) {
  if (CommandAvailable(command)) users_->RunCommand(command);
}

}  // namespace cw
