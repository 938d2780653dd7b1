#pragma once
// CCtrlWndSystem: the system-management module with its pages 33200
// "用户管理", 33201 "记账科目管理" and 33202 "数据库管理", switched here. Only
// pages whose part is built are ever shown (built_features.h).
#include "frame/hm_ctrl_wnd.h"

namespace cw {

class CDBWnd;
class CItemPage;
class UserManagementPage;

class CCtrlWndSystem : public CHmCtrlWnd {
  Q_OBJECT
 public:
  explicit CCtrlWndSystem(const LogonProfile& profile, QWidget* parent = nullptr);

  ModuleKind Kind() const override { return ModuleKind::kSystem; }
  bool ShowPage(int page, bool forced, const PageParams* replay) override;
  int CurrentPage() const override { return page_; }
  std::string PageTitle() const override;

  bool HandlesCommand(int command) const override;
  bool CommandAvailable(int command) const override;
  void OnCommand(int command) override;
  // The user list; the other pages show no table.
  std::optional<PageOutput> CurrentOutput() const override;

  // The page of 33200 while it is shown, else null.
  UserManagementPage* Users() const { return users_; }
  // The page of 33201 while it is shown, else null.
  CItemPage* Accounts() const { return accounts_; }
  // The page of 33202 while it is shown, else null.
  CDBWnd* DatabasePage() const { return database_; }

 private:
  int page_ = 0;
  UserManagementPage* users_ = nullptr;
  CItemPage* accounts_ = nullptr;
  CDBWnd* database_ = nullptr;
};

}  // namespace cw
