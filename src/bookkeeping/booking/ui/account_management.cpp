#include "bookkeeping/booking/ui/account_management.h"

#include "bookkeeping/accounts/ui/set_item.h"

namespace cw {

bool ManageAccounts(QWidget* parent, int type) {
  CSetItem dialog(SelectMode::kManage, type, parent);
  dialog.exec();
  return dialog.Changed();
}

}  // namespace cw
