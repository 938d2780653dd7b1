// The desktop program as a person uses it, offscreen: start on a fresh data
// home, log in to the demonstration data as a user with a password, see the
// home page, log in again as the administrator, add a user in user
// management, and log in as that user.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/ctrl_wnd_main.h"
#include "app/ctrl_wnd_system.h"
#include "app/main_frame.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "home/ui/home_wnd.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/ui/user_management_page.h"
#include "prefs/user_records.h"
#include "store/database.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

constexpr int kMom = 2;

TEST(EndToEndTest, LoginHomePageUserManagementAndNewUser) {
  QTemporaryDir home;
  ASSERT_TRUE(testing::PrepareDemoUserPassword(home.path().toStdString(), kMom, "mama2024"));

  CCoinwrightApp app;
  // The tip of the day opens over the home page after the login.
  CMainFrame* frame = testing::StartDesktop(app, home.path(), {.user = "妈妈", .password = "mama2024", .demo = true});
  ASSERT_NE(nullptr, frame);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->windowTitle().endsWith("  -  妈妈"));
  EXPECT_FALSE(frame->windowIcon().pixmap(32, 32).isNull()) << "the program's icon";

  auto* home_module = qobject_cast<CCtrlWndMain*>(frame->Module());
  ASSERT_NE(nullptr, home_module);
  EXPECT_TRUE(home_module->Home()->isVisible());
  EXPECT_FALSE(home_module->Home()->Figures().summary.rows.empty());
  EXPECT_FALSE(frame->MenuAction(cmd::kUserManagement)->isEnabled());

  // The administrator of the demonstration household.
  ASSERT_TRUE(testing::LogInAgain(frame, {.user = "爸爸", .demo = true}, 1));
  EXPECT_TRUE(frame->windowTitle().endsWith("  -  爸爸"));
  EXPECT_EQ(Database::kDemoData, Database::CurrentDatabase());

  frame->MenuAction(cmd::kUserManagement)->trigger();
  auto* system = qobject_cast<CCtrlWndSystem*>(frame->Module());
  ASSERT_NE(nullptr, system);
  ASSERT_NE(nullptr, system->Users());
  EXPECT_EQ(3, testing::UserRows(system->Users()));

  bool added = false;
  testing::OnModal<CUserInput>(testing::FillNewUser("小红", "hong456"), &added);
  frame->ToolbarAction(cmd::kAdd)->trigger();
  ASSERT_TRUE(added);
  EXPECT_EQ(4, testing::UserRows(system->Users()));
  const std::optional<UserRecord> hong = FindUserByName("小红");
  ASSERT_TRUE(hong.has_value());

  ASSERT_TRUE(testing::LogInAgain(frame, {.user = "小红", .password = "hong456", .demo = true}, hong->person_no));
  EXPECT_TRUE(frame->windowTitle().endsWith("  -  小红"));
  EXPECT_EQ(ModuleKind::kMain, frame->Module()->Kind());
  EXPECT_FALSE(frame->MenuAction(cmd::kUserManagement)->isEnabled());

  frame->close();
  EXPECT_EQ(0, app.ExitInstance(0));
  EXPECT_FALSE(Database::IsOpen());
  EXPECT_EQ(1, settings::GetNumber("Wnd", "Maximum"));
}

}  // namespace
}  // namespace cw
