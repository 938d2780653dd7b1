// Which right each command needs.
#include "frame/command_rights.h"

#include <gtest/gtest.h>

#include "frame/app_commands.h"

namespace cw {
namespace {

TEST(CommandRightsTest, RightAndLevelPerCommand) {
  struct Case {
    const char* name;
    int command;
    Rights rights;
    int level;
    bool permitted;
  } cases[] = {
      {"home page needs nothing", cmd::kHomePage, Rights::None(), 1, true},
      {"entry page needs 日常记账", 32900, Rights::Only(&Rights::voucher), 1, true},
      {"initial assets need 日常记账", 32907, Rights::Only(&Rights::voucher_query), 1, false},
      {"search result needs 日常记账", 32999, Rights::Only(&Rights::voucher), 1, true},
      {"detail ledger needs 账薄查询", 32935, Rights::Only(&Rights::voucher_query), 1, true},
      {"card ledger menu entry needs 账薄查询", cmd::kCardDetailMenu, Rights::Only(&Rights::voucher), 1, false},
      {"balance table needs 账薄查询", 32946, Rights::Only(&Rights::voucher_query), 1, true},
      {"statistics need 图表统计", 32921, Rights::Only(&Rights::voucher_graph), 1, true},
      {"balance sheet needs 图表统计", 32950, Rights::Only(&Rights::budget), 1, false},
      {"budgets need 收支预算", 32962, Rights::Only(&Rights::budget), 1, true},
      {"accounts need 系统管理", cmd::kAccountManagement, Rights::Only(&Rights::system_set), 1, true},
      {"database needs 系统管理", cmd::kDatabaseManagement, Rights::None(), 0, false},
      {"users need 系统管理 and the administrator", cmd::kUserManagement, Rights::Only(&Rights::system_set), 0, true},
      {"users refused to an ordinary user", cmd::kUserManagement, Rights::All(), 1, false},
      {"users refused without 系统管理", cmd::kUserManagement, Rights::Only(&Rights::voucher), 0, false},
      {"the calculator needs nothing", cmd::kCalculator, Rights::None(), 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.permitted, Permitted(NeedOfCommand(c.command), c.rights, c.level));
  }
}

}  // namespace
}  // namespace cw
