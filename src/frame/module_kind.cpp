#include "frame/module_kind.h"

#include "core/ledger_model.h"
#include "frame/app_commands.h"

namespace cw {

ModuleKind ModuleOfPage(int page) {
  if (page == cmd::kHomePage) return ModuleKind::kMain;
  if (page >= cmd::kUserManagement && page <= cmd::kDatabaseManagement) return ModuleKind::kSystem;
  switch (PageClass(page)) {
    case 1:
    case 2: return ModuleKind::kAccountEasy;
    case 3:
    case 4: return ModuleKind::kAccountQuery;
    case 5:
    case 6:
    case 7: return ModuleKind::kAccountGraph;
    case 8:
    case 9: return ModuleKind::kAccountBudget;
    default: return ModuleKind::kNone;
  }
}

int PageOfCommand(int command) {
  if (command == cmd::kCardDetailMenu) return PageOfType(kTypeCreditCard, true);
  if (command == cmd::kCardBalanceMenu) return PageOfType(kTypeCreditCard, false);
  return ModuleOfPage(command) == ModuleKind::kNone ? 0 : command;
}

}  // namespace cw
