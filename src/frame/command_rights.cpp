#include "frame/command_rights.h"

#include "core/ledger_model.h"
#include "frame/app_commands.h"
#include "frame/built_features.h"
#include "frame/module_kind.h"

namespace cw {

Need NeedOfCommand(int command) {
  const int page = PageOfCommand(command);
  if (page == cmd::kUserManagement) return Need::kUserAdmin;
  if (page == cmd::kAccountManagement || page == cmd::kDatabaseManagement) return Need::kSystemSet;
  switch (PageClass(page)) {
    case 1:
    case 2: return Need::kVoucher;
    case 3:
    case 4: return Need::kVoucherQuery;
    case 5:
    case 6:
    case 7: return Need::kVoucherGraph;
    case 8:
    case 9: return Need::kBudget;
    default: return Need::kNothing;
  }
}

bool CommandEnabled(int command, const Rights& rights, int level) {
  if (!Permitted(NeedOfCommand(command), rights, level)) return false;
  const int page = PageOfCommand(command);
  return page != 0 ? PageBuilt(page) : CommandBuilt(command);
}

}  // namespace cw
