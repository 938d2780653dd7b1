// A module's context menu: each command enabled as the module says it can run
// now, the module's own commands carried out by the module, and 打印 and 导出
// handed to the frame, enabled only while a table is shown.
#include "frame/hm_ctrl_wnd.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <vector>

#include "controls/grid_model.h"

namespace cw {
namespace {

constexpr int kRunnable = 1;
constexpr int kNotNow = 2;

class MenuModule : public CHmCtrlWnd {
 public:
  MenuModule() : CHmCtrlWnd(AdministratorProfile(), nullptr) {}

  ModuleKind Kind() const override { return ModuleKind::kAccountGraph; }
  bool ShowPage(int, bool, const PageParams*) override { return false; }
  int CurrentPage() const override { return 0; }
  std::string PageTitle() const override { return "page"; }
  bool HandlesCommand(int command) const override { return command == kRunnable || command == kNotNow; }
  bool CommandAvailable(int command) const override { return command == kRunnable; }
  void OnCommand(int command) override { carried_out.push_back(command); }
  std::optional<PageOutput> CurrentOutput() const override {
    if (!table_shown) return std::nullopt;
    return PageOutput{.grid = &table};
  }

  using CHmCtrlWnd::AddContextCommand;

  std::vector<int> carried_out;
  bool table_shown = false;
  GridModel table;

 private:
  static LogonProfile AdministratorProfile() {
    LogonProfile profile;
    profile.level = 0;
    return profile;
  }
};

TEST(ModuleContextMenuTest, CommandsAreEnabledAndRoutedAsTheModuleSays) {
  MenuModule module;
  QSignalSpy to_frame(&module, &CControlWnd::CommandRequested);
  QMenu menu;
  module.AddContextCommand(menu, "查找...", kRunnable);
  module.AddContextCommand(menu, "详细数据", kNotNow);
  module.AddContextCommand(menu, "打印", cmd::kPrint);
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), "查找...");
  EXPECT_TRUE(actions[0]->isEnabled());
  EXPECT_FALSE(actions[1]->isEnabled());
  EXPECT_FALSE(actions[2]->isEnabled()) << "no table to print";

  actions[0]->trigger();
  EXPECT_EQ(module.carried_out, std::vector<int>{kRunnable});
  EXPECT_EQ(to_frame.count(), 0);

  module.table_shown = true;
  QMenu with_table;
  module.AddContextCommand(with_table, "打印", cmd::kPrint);
  QAction* print = with_table.actions().value(0);
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->isEnabled());
  print->trigger();
  ASSERT_EQ(to_frame.count(), 1);
  EXPECT_EQ(to_frame[0][0].toInt(), cmd::kPrint);
  EXPECT_EQ(module.carried_out, std::vector<int>{kRunnable}) << "打印 is the frame's";
}

}  // namespace
}  // namespace cw
