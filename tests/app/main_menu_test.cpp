// Which menu items and items of the shell's navigation bars a user may use.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/main_menu.h"
#include "app/shell_navigation.h"
#include "frame/app_commands.h"
#include "frame/built_features.h"
#include "frame/command_rights.h"
#include "frame/module_kind.h"

namespace cw {
namespace {

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
      {"administrator without 系统管理", Rights::Only(&Rights::voucher), 0, false},
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

}  // namespace
}  // namespace cw
