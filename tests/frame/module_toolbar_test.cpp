// The module toolbar of every page.
#include "frame/module_toolbar.h"

#include <gtest/gtest.h>

#include "frame/app_commands.h"

namespace cw {
namespace {

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
  const std::vector<ToolButton> accounts = ModuleToolbar(cmd::kAccountManagement);
  EXPECT_EQ("新增的科目为所选科目的下级科目", accounts.at(0).tooltip);
  EXPECT_EQ("新增的科目与所选科目为同一级别", accounts.at(1).tooltip);
  EXPECT_EQ("将一个科目中的记账数据全部转移到另一个科目", accounts.back().tooltip);
  EXPECT_EQ("支出分类图", ModuleToolbar(32922).at(3).label);
}

}  // namespace
}  // namespace cw
