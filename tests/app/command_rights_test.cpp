// Which menu items, navigation items and toolbar buttons a user may use.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/app_commands.h"
#include "app/built_features.h"
#include "app/command_rights.h"
#include "app/main_menu.h"
#include "app/module_toolbar.h"
#include "app/navigation_model.h"
#include "app/page_routing.h"

namespace cw {
namespace {

Rights Only(bool Rights::*right) {
  Rights rights = Rights::None();
  rights.*right = true;
  return rights;
}

TEST(CommandRightsTest, RightAndLevelPerCommand) {
  struct Case {
    const char* name;
    int command;
    Rights rights;
    int level;
    bool permitted;
  } cases[] = {
      {"home page needs nothing", cmd::kHomePage, Rights::None(), 1, true},
      {"entry page needs 日常记账", 32900, Only(&Rights::voucher), 1, true},
      {"initial assets need 日常记账", 32907, Only(&Rights::voucher_query), 1, false},
      {"search result needs 日常记账", 32999, Only(&Rights::voucher), 1, true},
      {"detail ledger needs 账薄查询", 32935, Only(&Rights::voucher_query), 1, true},
      {"card ledger menu entry needs 账薄查询", cmd::kCardDetailMenu, Only(&Rights::voucher), 1, false},
      {"balance table needs 账薄查询", 32946, Only(&Rights::voucher_query), 1, true},
      {"statistics need 图表统计", 32921, Only(&Rights::voucher_graph), 1, true},
      {"balance sheet needs 图表统计", 32950, Only(&Rights::budget), 1, false},
      {"budgets need 收支预算", 32962, Only(&Rights::budget), 1, true},
      {"accounts need 系统管理", cmd::kAccountManagement, Only(&Rights::system_set), 1, true},
      {"database needs 系统管理", cmd::kDatabaseManagement, Rights::None(), 0, false},
      {"users need 系统管理 and the administrator", cmd::kUserManagement, Only(&Rights::system_set), 0, true},
      {"users refused to an ordinary user", cmd::kUserManagement, Rights::All(), 1, false},
      {"users refused without 系统管理", cmd::kUserManagement, Only(&Rights::voucher), 0, false},
      {"the calculator needs nothing", cmd::kCalculator, Rights::None(), 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.permitted, Permitted(NeedOfCommand(c.command), c.rights, c.level));
  }
}

TEST(CommandRightsTest, WithEveryRightAnItemIsEnabledExactlyWhenItsPartIsBuilt) {
  ForEachCommand(MainMenu(), [](const MenuItem& item) {
    SCOPED_TRACE(item.text);
    const int page = PageOfCommand(item.command);
    EXPECT_EQ(page ? PageBuilt(page) : CommandBuilt(item.command), CommandEnabled(item.command, Rights::All(), 0));
  });
  // The parts this program carries now.
  for (int command : {cmd::kHomePage, cmd::kUserManagement, cmd::kRelogin, cmd::kChangePassword, cmd::kExit,
                      cmd::kCalculator, cmd::kHelp, cmd::kDailyNote, cmd::kWebSite, cmd::kSupport, cmd::kAbout}) {
    SCOPED_TRACE(command);
    EXPECT_TRUE(CommandEnabled(command, Rights::All(), 0));
  }
  EXPECT_FALSE(CommandEnabled(cmd::kUserManagement, Rights::All(), 1));
}

TEST(MainMenuTest, HoldsEveryCommandWithItsShortcut) {
  std::set<int> commands;
  std::map<std::string, int> shortcuts;
  ForEachCommand(MainMenu(), [&](const MenuItem& item) {
    EXPECT_TRUE(commands.insert(item.command).second) << "twice: " << item.command;
    if (!item.shortcut.empty()) shortcuts[item.shortcut] = item.command;
  });
  std::set<int> expected{32850, 32750, 32751, 32753, 32749, 32755, 32760, 32764, 32765, 32762, 32763, 57665,
                         32761, 33200, 33201, 33202, 32703, 32741, 32705, 32701, 32702, 57664, 32838, 32839};
  for (int page = 32900; page <= 32908; ++page) expected.insert(page);
  for (int page = 32930; page <= 32936; ++page) expected.insert(page);
  for (int page = 32940; page <= 32946; ++page) expected.insert(page);
  for (int page : {32950, 32920, 32921, 32922, 32960, 32961, 32962}) expected.insert(page);
  EXPECT_EQ(expected, commands);
  EXPECT_EQ((std::map<std::string, int>{{"Ctrl+H", 32850}, {"Ctrl+U", 33200}, {"Ctrl+I", 33201},
                                        {"Ctrl+D", 33202}, {"F1", 32703}}),
            shortcuts);
}

TEST(MainMenuTest, SubmenusFollowTheirRight) {
  const MenuItem& finance = MainMenu().at(1);
  std::map<std::string, bool> enabled;
  Rights rights = Rights::All();
  rights.voucher_query = false;
  rights.budget = false;
  for (const MenuItem& item : finance.items)
    if (item.kind == MenuItem::kSubmenu) enabled[item.text] = MenuItemEnabled(item, rights, 1);
  EXPECT_EQ((std::map<std::string, bool>{{"日常记账(&C)", true},
                                         {"明细表(&D)", false},
                                         {"余额表(&R)", false},
                                         {"图表统计(G)", true},
                                         {"预算(&A)", false}}),
            enabled);
}

TEST(NavigationModelTest, HomeBarFollowsRightsAndLevel) {
  struct Case {
    const char* name;
    Rights rights;
    int level;
    bool users;
  } cases[] = {
      {"administrator", Rights::All(), 0, true},
      {"ordinary user with 系统管理", Rights::All(), 1, false},
      {"administrator without 系统管理", Only(&Rights::voucher), 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const NavigationModel model = HomeNavigation(c.rights, c.level);
    ASSERT_EQ(2u, model.size());
    ASSERT_EQ(4u, model[0].items.size());
    for (const NavItem& item : model[0].items) EXPECT_FALSE(item.tooltip.empty()) << item.text;
    EXPECT_EQ("系统管理", model[1].title);
    const NavItem& users = model[1].items.at(0);
    EXPECT_EQ("用户管理", users.text);
    EXPECT_EQ(NavAction::kCommand, users.action.kind);
    EXPECT_EQ(cmd::kUserManagement, users.action.command);
    EXPECT_EQ(c.users, users.enabled);
  }
}

TEST(ModuleToolbarTest, EveryPageHasItsButtons) {
  // Each page of a module has a toolbar, and every button of a page routes to
  // a command (no stray zero besides separators, no separator at either end).
  std::vector<int> pages{cmd::kHomePage, 32999, 32950, cmd::kUserManagement, cmd::kAccountManagement,
                         cmd::kDatabaseManagement};
  for (int page = 32900; page <= 32908; ++page) pages.push_back(page);
  for (int page = 32930; page <= 32937; ++page) pages.push_back(page);
  for (int page = 32940; page <= 32947; ++page) pages.push_back(page);
  for (int page : {32920, 32921, 32922, 32960, 32961, 32962}) pages.push_back(page);
  for (int page : pages) {
    SCOPED_TRACE(page);
    const std::vector<ToolButton> buttons = ModuleToolbar(page);
    ASSERT_FALSE(buttons.empty());
    EXPECT_FALSE(buttons.front().IsSeparator());
    EXPECT_FALSE(buttons.back().IsSeparator());
    for (const ToolButton& button : buttons) EXPECT_EQ(button.IsSeparator(), button.label.empty());
  }
  EXPECT_TRUE(ModuleToolbar(12345).empty());
}

TEST(ModuleToolbarTest, PageVariants) {
  auto commands = [](int page) {
    std::vector<int> out;
    for (const ToolButton& b : ModuleToolbar(page))
      if (!b.IsSeparator()) out.push_back(b.command);
    return out;
  };
  EXPECT_EQ((std::vector<int>{701, 702, 703, 771, 709, 776, 710, 712, 745, 769}), commands(32900));
  EXPECT_EQ((std::vector<int>{701, 702, 703, 777, 771, 709, 776, 710, 712, 745, 769}), commands(32908));
  EXPECT_EQ((std::vector<int>{704, 776, 710, 712, 745, 769}), commands(32907));
  EXPECT_EQ((std::vector<int>{32751, 32753, 743}), commands(cmd::kHomePage));
  EXPECT_EQ((std::vector<int>{701, 702, 703, 744, 745, 769}), commands(cmd::kUserManagement));
  EXPECT_EQ("收入分类图", ModuleToolbar(32921).at(3).label);
  EXPECT_EQ("支出分类图", ModuleToolbar(32922).at(3).label);
}

}  // namespace
}  // namespace cw
