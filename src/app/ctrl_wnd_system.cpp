#include "app/ctrl_wnd_system.h"

#include "app/shell_navigation.h"
#include "bookkeeping/accounts/ui/item_page.h"
#include "frame/app_commands.h"
#include "frame/module_toolbar.h"
#include "controls/list_wnd.h"
#include "prefs/ui/user_management_page.h"
#include "prefs/user_table.h"
#include "store/ui/db_wnd.h"

namespace cw {

CCtrlWndSystem::CCtrlWndSystem(const LogonProfile& profile, QWidget* parent) : CHmCtrlWnd(profile, parent) {
  setObjectName("systemModule");
  SetNavigation(SystemNavigation(profile.rights, profile.level));
}

bool CCtrlWndSystem::ShowPage(int page, bool forced, const PageParams*) {
  if (page == page_ && !forced) return false;
  if (page != cmd::kUserManagement && page != cmd::kAccountManagement && page != cmd::kDatabaseManagement) return false;
  if (page == page_) {
    if (users_) users_->Reload();
    if (accounts_) accounts_->Reload();
    if (database_) database_->Reload();
    return true;
  }
  users_ = nullptr;
  accounts_ = nullptr;
  database_ = nullptr;
  if (page == cmd::kUserManagement) {
    users_ = new UserManagementPage(this);
    connect(users_, &UserManagementPage::UserChanged, this, &CHmCtrlWnd::UserChanged);
    SetDataWidget(users_);
  } else if (page == cmd::kDatabaseManagement) {
    database_ = new CDBWnd(this);
    SetDataWidget(database_);
  } else {
    accounts_ = new CItemPage(kTypeCash, this);
    connect(accounts_, &CItemPage::SelectionChanged, this, &CHmCtrlWnd::CommandStateChanged);
    SetDataWidget(accounts_);
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
  if (IsOutputCommand(command)) return false;
  for (const ToolButton& button : ModuleToolbar(page_))
    if (button.command == command) return true;
  return false;
}

bool CCtrlWndSystem::CommandAvailable(int command) const {
  if (users_) return users_->IsCommandEnabled(command);
  if (accounts_) return accounts_->IsCommandEnabled(command);
  if (database_) return database_->IsCommandEnabled(command);
  return false;
}

std::optional<PageOutput> CCtrlWndSystem::CurrentOutput() const {
  if (!users_) return std::nullopt;
  return PageOutput{.grid = &users_->Grid()->Model(), .title = kUserTableTitle, .document_name = kUserTableTitle};
}

void CCtrlWndSystem::OnCommand(int command) {
  if (!CommandAvailable(command)) return;
  if (users_) users_->RunCommand(command);
  if (accounts_) accounts_->RunCommand(command);
  if (database_) database_->RunCommand(command);
}

}  // namespace cw
